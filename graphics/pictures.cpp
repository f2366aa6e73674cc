#include "graphics/pictures.h"

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/envelope_picture.h"
#include "graphics/picture_sequence.h"
#include "graphics/result_picture.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "report/page_header_boxes.h"

namespace zorg {

bool BildZeichnen(Flaeche& z, int16_t art, int16_t stufe, int16_t lf) {
    if (!MassstabEinrichten(z)) return false;
    switch (art) {
    case kSystem:
        SystemZeichnen(z, 0, 0);
        break;
    case kStatik:
        Grafik().stufe = StufeAusTabelle(stufe);
        SystemZeichnen(z, 1, stufe);
        LastenZeichnen(z, lf, stufe);
        WasserAnkerZeichnen(z, stufe);
        StatikZeichnen(z, lf, stufe);
        if (zorm1::P.GelaendebruchEin != 0) GleitkreisZeichnen(z, lf, stufe);
        break;
    case kErgebnis:
        ErgebnisseZeichnen(z, lf, stufe);
        break;
    case kHuelleLF:
        UeberlagerungZeichnen(z, lf, 0);
        break;
    case kHuelleAlle:
        UeberlagerungZeichnen(z, 0, 1);
        break;
    default:
        break;
    }
    return true;
}

bool BildDrucken(Flaeche& d, int16_t art, int16_t stufe, int16_t lf, int16_t bildNr,
                 const std::function<void()>& gezeichnet) {
    using zorm1::P;
    const std::string tag = "B" + vb::Trim(vb::Str(static_cast<int16_t>(bildNr + 100)));
    d.SetDocumentName(P.GanzerName, tag);
    d.SetOrientation(P.Querformat != 0 ? vb::draw::vbPRORLandscape : vb::draw::vbPRORPortrait);
    const std::string text = tag + " zu " + P.GanzerName;
    Grafik().Kennung = text; // the labels keep the tag's corner free
    const bool ok = BildZeichnen(d, art, stufe, lf);
    Grafik().Kennung.clear();
    if (!ok) {
        d.KillDoc();
        return false;
    }
    if (gezeichnet) gezeichnet();
    GrafikRandLoeschen(d);
    SchriftKlein(d);
    const float u = Grafik().ZeichenEinheit;
    const double breite = 8 * u + d.TextWidth(text), h = d.TextHeight(text);
    d.Line(Grafik().BildLinks, Grafik().BildUnten - h - u, Grafik().BildLinks + breite, Grafik().BildUnten,
           vb::draw::vbWhite, vb::draw::LineKind::FilledBox);
    d.Line(Grafik().BildLinks, Grafik().BildUnten - h - u, Grafik().BildLinks + breite, Grafik().BildUnten,
           vb::draw::vbBlack, vb::draw::LineKind::Box);
    d.SetCurrentX(Grafik().BildLinks + 4 * u);
    d.SetCurrentY(Grafik().BildUnten - h);
    d.Print(text, vb::draw::PrintEnd::Stay);
    SchriftNormal(d);
    const Zustand& g = Grafik();
    const Anzeigen::GrafikSeite seite{g.BildLinks,      g.BildRechts, g.BildOben,       g.BildUnten,
                                      g.ZeichenEinheit, P.Massstab,   P.Querformat != 0};
    if (P.H504Ein != 0)
        Anzeigen::H504GrafikSeite(seite);
    else
        Anzeigen::SeitenNrGrafik(seite);
    d.EndDoc();
    return true;
}

} // namespace zorg
