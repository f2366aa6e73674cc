#include "platform/runtime/msgbox_codes.h"

namespace vb {

int DefaultButtonAnswer(int buttons) {
    const int kind = buttons & 7;
    const int def = (buttons & 768) / 256; // 0, 1 or 2
    static const int choices[6][3] = {
        {vbOK, vbOK, vbOK},      {vbOK, vbCancel, vbCancel}, {vbAbort, vbRetry, vbIgnore},
        {vbYes, vbNo, vbCancel}, {vbYes, vbNo, vbNo},        {vbRetry, vbCancel, vbCancel},
    };
    return kind < 6 ? choices[kind][def] : vbOK;
}

} // namespace vb
