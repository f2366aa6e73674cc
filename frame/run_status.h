#pragma once
// The status of a calculation run, which the run driver hands to the statics and the verification stage and
// they set (the texts the program's reports and files have always named them by in brackets).
#include <string_view>

namespace zor {

enum class Laufstatus {
    Offen,   // nothing set yet (the start of a run)
    Nochmal, // "B": round the loop again (the seepage changed the unit weights; or stages or load cases
             // remain)
    Weiter,  // "D": the stage is solved, on to the verifications
    Ende,    // "ENDE": the run is complete
    Stop,    // "STOP": the beam system is singular
};

// "", "B", "D", "ENDE" or "STOP".
constexpr std::string_view Text(Laufstatus s) {
    switch (s) {
    case Laufstatus::Nochmal:
        return "B";
    case Laufstatus::Weiter:
        return "D";
    case Laufstatus::Ende:
        return "ENDE";
    case Laufstatus::Stop:
        return "STOP";
    default:
        return "";
    }
}

} // namespace zor
