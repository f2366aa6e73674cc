// The program started anew with every page registered, in the working folder of a window test, with the
// profile lists where the run command puts them: the fixture of the tests that enter or confirm a whole
// project through the pages.
#pragma once

#include <filesystem>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "request/run_stages.h"
#include "slipcircle/state.h"
#include "tests/run/example_copy.h"
#include "tests/run/window_fixture.h"

namespace fenstertest {

class SeitenTest : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        zortest::LaufUmgebungZuruecksetzen();
        Start();
        for (const char* liste : {"zorSPw.txt", "zorTBw.txt"})
            std::filesystem::copy_file(std::filesystem::path(ZOR_SHIPPED_DATA) / liste, arbeit / liste);
    }
    void TearDown() override {
        zorrun::StufenStandard();
        FensterTest::TearDown();
        zortest::LaufUmgebungZuruecksetzen();
    }
    // The program started anew: no window, the project data and header texts as at start, the pages
    // registered.
    void Start() {
        vb::headless::ResetForms();
        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
        Zormg::FelderDimensionieren();
        zorm1::P.WurzelOrdner = wurzel.string() + "/";
        zorm1::P.TiefeUnendlich = 99;
        RegisterProjectDialogs();
        RegisterStageDialogs();
    }
};

} // namespace fenstertest
