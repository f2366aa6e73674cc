#include "request/run_stages.h"

#include "design/design_stage.h"
#include "earthpressure/stage_a.h"
#include "earthpressure/stage_b.h"
#include "frame/project_data.h"
#include "frame/run_status.h"
#include "platform/runtime/vbfile.h"
#include "statics/stage.h"
#include "verification/verification_stage.h"

using zorm1::P;

namespace zorrun {

namespace {

Laufstufen Standard() {
    zormd::BemessungAnmelden(); // the design stage in the verification stage's slots
    return Laufstufen{zorma::EingabeAuswerten, zormb::ErddruckBerechnen, zormc::WandStatik, zormd::Nachweise};
}

Laufstufen& Installiert() {
    static Laufstufen s = Standard();
    return s;
}

// The slip-circle input of the whole run: a header line and the working copy of the project file.
void GleitkreisEingabeSchreiben() {
    const int16_t aus = vb::FreeFile();
    vb::Open("wexasave.GL1", vb::OpenMode::Output, aus);
    try {
        vb::Write(aus, "ZOR", "", "wexasave.GL1", "ZOR", "ZOR", int16_t{1}, int16_t{2}, int16_t{3},
                  int16_t{4});
        const int16_t ein = vb::FreeFile();
        vb::Open("WEXASAVE", vb::OpenMode::Input, ein);
        while (!vb::Eof(ein))
            vb::Print(aus, vb::LineInput(ein));
        vb::Close(ein);
    } catch (...) {
        vb::CloseAll();
        throw;
    }
    vb::Close(aus);
}

} // namespace

Laufstufen& Stufen() {
    return Installiert();
}

void StufenStandard() {
    Installiert() = Standard();
}

void StatikPlatzhalter(zor::Laufstatus& status) {
    status = zor::Laufstatus::Weiter;
}

void NachweisePlatzhalter(zor::Laufstatus& status) {
    vb::CloseAll();
    P.AushNr = static_cast<int16_t>(P.AushNr + 1);
    if (P.AushNr <= P.AnzAush) {
        status = zor::Laufstatus::Nochmal;
        return;
    }
    P.AushNr = 1;
    P.LFNr = static_cast<int16_t>(P.LFNr + 1);
    if (P.LFNr <= P.AnzLF) {
        status = zor::Laufstatus::Nochmal;
        return;
    }
    GleitkreisEingabeSchreiben();
    const int16_t f = vb::FreeFile();
    vb::Open("ZORDENDE.DOS", vb::OpenMode::Output, f);
    vb::Write(f, "ENDE");
    vb::Close(f);
    status = zor::Laufstatus::Ende;
}

} // namespace zorrun
