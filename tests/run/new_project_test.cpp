// A new project entered entirely through the pages as a new user enters it (the script of
// new_project_script.h), headless: saved with "Programm beenden", it is the project file written by hand
// (tests/data/Neubau_Spundwand_von_Hand) byte for byte; read back through the start dialog and saved again
// it stays so; calculated, its report begins with the same input echo as the hand-written file's own run,
// and the run ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "run/frmAuswahl.h"
#include "run/frmTitel.h"
#include "tests/run/example_copy.h"
#include "tests/run/new_project_script.h"
#include "tests/run/page_fixture.h"
#include "tests/run/window_fixture.h"
#include "tests/support/environment.h"

namespace fs = std::filesystem;
using zorm1::P;

namespace {

// The file written by hand, statement by statement as frame/project_file.cpp orders them. Where its lines
// come from, beyond what the script types:
//  line 3      Wandart 2 follows the wall type; KonzFaktor 4 is what the distribution page shows when none is
//              set; Etap 0 (partial factors: the passive-safety box is hidden); ABohl 1 for a sheet-pile
//              profile (the list is read per metre); AnkerLaengen 1 from "Ankerlängen ermitteln.".
//  line 4      the full name without extension: the save folder as typed ("projekte/") and the name.
//  lines 5-7   the last layer is 99 m thick whatever was typed; EtaGlobal 0 is written as 1.5; E*I of AZ26
//              per metre: 55510 cm4 x 210000 N/mm2 = 116.571 MNm2/m, entered for every layer by the profile
//              page's OK and the wall page's OK of a new project.
//  lines 9-398 the stage table, 130 rows per stage: 1 foot mode (stage 1 fixed after Blum, 4), 2 foot level
//              = excavation + 0.01, 3 excavation level, 4 supports in force, 5 figure, 19 the anchor level,
//              27 next support (99: none), 28 water on the air side (99: none), 29 pressure factor 1 (an
//              empty box), 33 water on the earth side; the empty lists of rows 35 to 37 have count 0.
//  line 399    EtaGl 1.5: the anchor page's box shows 1.5 when none is set.
//  line 403    a wall load typed at z = 0 is put 1 cm down.
//  line 404    a limited load with xE 999 counts as unlimited.
//  line 409    DeltaZF 10 and the minimum pressure coefficient 0.178 of partial factors: the soil page's
//              defaults of a new project.
//  lines 422-4 ze1 of figure 6 is 99 (its box shows "99", the wall foot) for every stage; kzUeb 1: stage 1
//              fixed after Blum is superposed, stages 2 and 3 take superposition option 0 of frmAushub4.
//  line 441    the bedding table ends at 99 - 6 m = 93 below the excavation level, whatever the last row
//  says. line 448    partial factors, BS-T (2), adaption factor 1. line 449    EBreiteN 1 (the design page's
//  OK gives the normal force the width of M and Q, 1 m). line 464    the profile's depth 42.7 cm / 100 in
//  single precision (.42700002) and its unit weight over
//              that depth, 197.8 kg/m2 x 78.5 / 0.427 / 10000 = 3.63637 kN/m3; drawing scale 0 written as
//              200.
//  lines 494-503 no header texts ("zorH504.txt" does not exist); start page 0.
//  line 504    the profile line as the list holds it, with the prefix "SPW".
//  line 506    design on, steel 355 with its safety 1.75, C20/25 (120) under partial factors, width 1 m.
//  line 507    allowed stresses of S 355 under partial factors, 323 and 186 N/mm2.
//  line 511    MitNormalkraft 1: a steel wall under partial factors counts the normal force.
//  line 512    without figure 7 the build method is stored as "hinterfuellt".
const fs::path kVonHand = fs::path(ZOR_TEST_DATA) / "Neubau_Spundwand_von_Hand";

// The report of a headless run of the project file: its copy beside the file with ".AUS".
std::string Bericht(const fs::path& datei) {
    const std::string kopie = datei.string() + ".AUS";
    fs::remove(kopie);
    zortest::LaufUmgebungZuruecksetzen();
    EXPECT_EQ(zorrun::ProjektRechnen(datei.string()), zorrun::kLaufFertig) << datei;
    return fs::exists(kopie) ? vb::ReadFileBytes(kopie) : std::string();
}

class NeuesProjekt : public fenstertest::SeitenTest {
protected:
    fs::path Datei() const { return projekt / "Neubau_Spundwand"; }

    // The saved project and the hand-written file, each calculated on its own, give the same report but
    // for the project file's name in its head; returns the saved project's report.
    std::string BerichtWieVonHand() {
        zortest::Umgebung umgebung;
        umgebung.set("XDG_DATA_HOME", (arbeit / "xdg").string());
        fs::create_directories(arbeit / "xdg");
        fs::create_directories(arbeit / "hand");
        fs::copy_file(kVonHand, arbeit / "hand" / "Neubau_Spundwand");
        const std::string eingegeben = Bericht(Datei());
        std::string vonHandBericht = Bericht(arbeit / "hand" / "Neubau_Spundwand");
        EXPECT_FALSE(eingegeben.empty());
        const std::string hand = (arbeit / "hand").string(), projekte = projekt.string();
        const std::size_t k = vonHandBericht.find(hand + "/Neubau_Spundwand\r\n");
        EXPECT_NE(k, std::string::npos);
        if (k != std::string::npos) vonHandBericht.replace(k, hand.size(), projekte);
        EXPECT_EQ(eingegeben, vonHandBericht);
        return eingegeben;
    }
};

TEST_F(NeuesProjekt, EnteredThroughThePagesItIsTheHandWrittenFileAndCalculates) {
    vb::form<frmTitel>();
    neuprojekt::HeadlessAusfuehren(neuprojekt::NeuesProjekt().schritte);
    EXPECT_TRUE(vb::headless::Log().empty()) << vb::headless::Log().front().prompt;
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.cmdStart"); // the output chain ends at the start button
    auto& a = vb::form<frmAuswahl>();
    EXPECT_EQ(a.txtAushub(0).Text(), "3");
    EXPECT_EQ(a.txtAushub(2).Text(), "2");
    EXPECT_EQ(a.txtAushub(4).Text(), "3");
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
    const std::string vonHand = vb::ReadFileBytes(kVonHand.string());
    EXPECT_EQ(vb::ReadFileBytes(Datei().string()), vonHand);

    // Read back through the start dialog, the safety pages and the wall page confirmed, saved again.
    Start();
    vb::form<frmTitel>();
    neuprojekt::HeadlessAusfuehren(neuprojekt::Einlesen().schritte);
    EXPECT_TRUE(vb::headless::Log().empty());
    EXPECT_EQ(P.DatenGelesen, -1);
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
    EXPECT_EQ(vb::ReadFileBytes(Datei().string()), neuprojekt::NachDemEinlesen(vonHand));

    // Calculated: the saved project and the hand-written file, each on its own, give the same report but for
    // the project file's name in its head.
    BerichtWieVonHand();
}

// The same project entered without typing a water level: the stage pages show no ground water (99) and
// OK takes it, so the saved file is again the hand-written one (99 on both sides of every stage), and the
// run is the hand-written file's run: its input echo gives every stage 99 on both sides.
TEST_F(NeuesProjekt, EnteredWithoutTypingTheWaterLevelsItHasNoGroundWater) {
    vb::form<frmTitel>();
    neuprojekt::HeadlessAusfuehren(neuprojekt::NeuesProjekt(false).schritte);
    EXPECT_TRUE(vb::headless::Log().empty()) << vb::headless::Log().front().prompt;
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
    const std::string vonHand = vb::ReadFileBytes(kVonHand.string());
    EXPECT_EQ(vb::ReadFileBytes(Datei().string()), vonHand);

    const std::string eingegeben = BerichtWieVonHand();
    // Each of the three stages echoes the level 99 on both sides.
    for (const char* seite : {"  Wasserkote luftseitig", "  Wasserkote erdseitig"}) {
        int n = 0;
        for (std::size_t k = eingegeben.find(seite); k != std::string::npos; k = eingegeben.find(seite, k + 1)) {
            ++n;
            const std::size_t z = eingegeben.rfind("z=", k);
            ASSERT_NE(z, std::string::npos);
            const std::string wert = eingegeben.substr(z + 2, k - z - 2);
            EXPECT_TRUE(wert == " 99.00" || wert == " 99,00") << wert;
        }
        EXPECT_EQ(n, 3) << seite;
    }
}

} // namespace
