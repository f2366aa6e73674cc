#include "earthpressure/number_lists.h"

#include "platform/runtime/errors.h"

namespace zormb {

void ZahlenAusText(std::string& text, std::span<int16_t> liste) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos) {
        text.clear();
    } else {
        const auto ende = text.find_last_not_of(' ');
        text = text.substr(anfang, ende - anfang + 1);
    }
    if (liste.empty()) throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");

    int16_t anzahl = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        long wert = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            wert = wert * 10 + (text[i] - '0');
            if (wert > 32767) throw vb::RuntimeError(6, "Überlauf");
            ++i;
        }
        ++anzahl;
        if (static_cast<std::size_t>(anzahl) >= liste.size())
            throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");
        liste[static_cast<std::size_t>(anzahl)] = static_cast<int16_t>(wert);
    }
    liste[0] = anzahl;
}

} // namespace zormb
