#include "platform/runtime/runtime.h"

#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"

namespace vb {

void ResetRuntime() {
    ResetFileState();
    ResetFsState();
    ResetNumberState();
}

} // namespace vb
