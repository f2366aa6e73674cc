#include "request/run_windows.h"

namespace zorrun {

Fensteraufrufe& Fenster() {
    static Fensteraufrufe f;
    return f;
}

} // namespace zorrun
