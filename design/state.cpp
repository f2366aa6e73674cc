#include "design/state.h"

namespace zorm1 {
Bemessungswerte BW;

void ResetDesignState() {
    BW = Bemessungswerte{};
    zorm0::K = zorm0::Kreiszustand{};
    zormd::AW = zormd::Ankerwerte{};
}
} // namespace zorm1

namespace zorm0 {
Kreiszustand K;
}

namespace zormd {
Ankerwerte AW;
}
