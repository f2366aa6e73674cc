#pragma once
// The opening and the handlers of the design-settings page frmBemessung (design/frmBemessung.h), installed
// as its frmBemessung::Laden by RegisterProjectDialogs.
class frmBemessung;

namespace Bemessung {

// Form_Load of the page: enabling by wall type and safety concept, the options from the project data
// (EtaBSt500 included), the default influence widths, the allowed stresses, the recommended minimum
// reinforcement of bored piles, then shown with the focus and mouse rules of every page.
void SeiteLaden(frmBemessung& f);

} // namespace Bemessung
