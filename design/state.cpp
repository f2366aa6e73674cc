#include "design/state.h"

#include "frame/run_state.h"

namespace zorm1 {
Bemessungswerte BW;
} // namespace zorm1

namespace zorm0 {
Kreiszustand K;
}

namespace zormd {
Ankerwerte AW;
Bemessungsstufe BS;
} // namespace zormd

namespace zor {
void BemessungLaufZuruecksetzen() {
    zorm1::BW = zorm1::Bemessungswerte{};
    zorm0::K = zorm0::Kreiszustand{};
    zormd::AW = zormd::Ankerwerte{};
    zormd::BS = zormd::Bemessungsstufe{};
}

namespace {
const LaufzustandAnmeldung anmeldung(&BemessungLaufZuruecksetzen);
}
} // namespace zor
