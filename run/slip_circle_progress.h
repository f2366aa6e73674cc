#pragma once
// The slip circle's progress as the program shows it: while the stage runs the hourglass and no input to the
// other windows; per load case the progress window frmIterZeig (caption: load case and stage) with the
// stage's rows; the window system's events at every yield. Closing the window asks the search to stop.
#include <string>
#include <vector>

#include "slipcircle/progress.h"

namespace zorrun {

class GleitkreisFenster : public Zormg::Fortschritt {
public:
    void Beginn() override;
    void Ende() override;
    void Lastfall(int16_t lastfall, int16_t aushub) override;
    void Zeile(int zeile, const std::string& text) override;
    void Nachgeben() override;

private:
    std::vector<std::string> gesperrt_;
};

} // namespace zorrun
