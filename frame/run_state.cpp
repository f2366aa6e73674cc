#include "frame/run_state.h"

#include <vector>

namespace zor {

namespace {

// Built on first use, so that the announcements of other libraries may come in any order.
std::vector<void (*)()>& Ruecksetzer() {
    static std::vector<void (*)()> liste;
    return liste;
}

} // namespace

LaufzustandAnmeldung::LaufzustandAnmeldung(void (*zuruecksetzen)()) {
    Ruecksetzer().push_back(zuruecksetzen);
}

void LaufZuruecksetzen() {
    for (auto* r : Ruecksetzer())
        r();
}

} // namespace zor
