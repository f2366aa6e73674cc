#include "frame/working_file_names.h"

namespace zorm1 {

const std::vector<std::string>& LaufdateiNamen() {
    static const std::vector<std::string> namen = {
        "LPTZW.", "LPTZW2.", "zzzplot2.", "zzzplotw.", "zzzplotE.", "zorzz.", "zorz10.", "zorz11.", "zorz12.",
        "diduvu.erg", "diduvu.akt", "zorlast.", "zoraush.", "zorglfr.", "zorglf.", "zorz2.", "zorz3.",
        "zorz4.", "zorepp.", "zorgz.", "ankmax.-12", "zorgmax.zzz", "zorgmax2.ZZZ", "zorgmax3.ZZZ",
        "zorg.ZZZ", "zordende.dos", "ZORDLIST.txt", "ZOREred", "ZOREax*.*", "ZOREwid.*", "ZOREwidVerw.*",
        "DOVUDUvozud.*", "zoreats10.*", "wexasave.*", "ZorBettu", "DIDUVU.plt", "ZOREwidvW.*", "ZOReP0.*",
        "ZOReWas.*", "ZOReZsp.*"};
    return namen;
}

const std::vector<std::string>& LoeschNamen() {
    static const std::vector<std::string> namen = [] {
        std::vector<std::string> n = {
            // Leftovers of installations of older versions.
            "INSTALL.LOG", "olepro32.dll", "vbrun300.dll", "msvbvm50.dll", "wexapcx0.drv", "wexapcx1.drv",
            "wexascrn.drv", "wexazz0.drv", "wexazze1.drv", "zora.exe", "zorb.exe", "zorc.exe", "zord.exe",
            "zorg.exe", "diduvu.exe"};
        // Working and result files of runs.
        n.insert(n.end(), LaufdateiNamen().begin(), LaufdateiNamen().end());
        return n;
    }();
    return namen;
}

} // namespace zorm1
