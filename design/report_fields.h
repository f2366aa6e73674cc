#pragma once
// Fields of the design report lines: a value formatted with a mask (the locale's decimal separator) and
// padded on the left with blanks to 6, 4 or 3 characters; a longer text stays whole.
#include <string>
#include <string_view>

#include "design/design_stage.h"
#include "platform/runtime/vbnum.h"

namespace zormd {

inline std::string Feld6(float v, std::string_view maske) {
    std::string s = vb::Format(v, maske);
    Rechtsbuendig6(s);
    return s;
}
inline std::string Feld4(float v, std::string_view maske) {
    std::string s = vb::Format(v, maske);
    Rechtsbuendig4(s);
    return s;
}
inline std::string Feld3(float v, std::string_view maske) {
    std::string s = vb::Format(v, maske);
    Rechtsbuendig3(s);
    return s;
}

} // namespace zormd
