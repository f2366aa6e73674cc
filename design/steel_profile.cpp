#include "design/steel_profile.h"

#include <cstddef>

#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;

namespace zormd {

namespace {
bool ZahlZeichen(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

// The number a piece of the line begins with; one that no single holds (digits run together over line
// breaks of a damaged file) is no value of a profile: 0.
float Wert(const std::string& stueck) {
    try {
        return vb::ValSingle(stueck);
    } catch (const vb::RuntimeError&) {
        return 0.0f;
    }
}
} // namespace

void ProfilZeileZerlegen(std::string& line, std::string& name, float& Wert1, float& Wert2, float& Wert3,
                         float& Wert4, float& Wert5) {
    line = vb::LTrim(line) + " ";
    const std::size_t ersterBlank = line.find(' ');
    name = line.substr(0, ersterBlank);
    float* werte[] = {&Wert1, &Wert2, &Wert3, &Wert4, &Wert5};

    std::size_t suche = ersterBlank;       // a blank of the line
    std::size_t start = std::string::npos; // start of the last number found
    for (int k = 1; k <= 20; ++k) {
        const std::size_t blank = line.find(' ', suche);
        std::size_t gefunden = std::string::npos;
        for (std::size_t i = blank; i < line.size(); ++i) {
            if (ZahlZeichen(line[i])) {
                gefunden = i;
                break;
            }
        }
        if (gefunden == std::string::npos) {
            if (start == std::string::npos) {
                for (float* w : werte)
                    *w = 0.0f;
                return;
            }
        } else {
            start = gefunden;
        }
        const std::size_t ende = line.find(' ', start); // the line ends with a blank
        const float zahl = Wert(line.substr(start, ende - start));
        if (k == 1)
            Wert1 = zahl < 100.0f ? 0.0f : zahl;
        else if (k <= 5)
            *werte[k - 1] = zahl;
        if (ende + 1 >= line.size()) return;
        suche = ende;
    }
}

void StahlSpannungenSetzen() {
    struct Zeile {
        int16_t guete;
        float teilSigma, teilTau, eauSigma, eauTau, eabSigma, eabTau;
    };
    static constexpr Zeile tabelle[] = {
        {240, 218, 126, 160, 92, 180, 104},
        {270, 245, 142, 180, 104, 205, 118},
        {355, 323, 186, 240, 139, 270, 156},
    };
    for (const Zeile& z : tabelle) {
        if (z.guete != P.StahlGuete) continue;
        if (P.TeilsicherheitenAn != 0) {
            P.ZulSigma = z.teilSigma;
            P.ZulTau = z.teilTau;
        } else if (P.StahlNachEAU == 1) {
            P.ZulSigma = z.eauSigma;
            P.ZulTau = z.eauTau;
        } else {
            P.ZulSigma = z.eabSigma;
            P.ZulTau = z.eabTau;
        }
    }
}

} // namespace zormd
