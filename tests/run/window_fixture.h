#pragma once
// Windows of the program frame tested headless: a working folder of their own (the current folder), a root
// folder and a project folder beside it, the project data and windows reset, and stand-in pages registered
// under the names of the input pages that record when they are loaded and unloaded.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/winfs.h"
#include "slipcircle/state.h"
#include "tests/support/working_folder.h"

namespace fenstertest {

// What the stand-in pages saw, in order: "Load frmX", "Unload frmX".
inline std::vector<std::string>& Protokoll() {
    static std::vector<std::string> p;
    return p;
}

template <std::size_t N> struct Name {
    char s[N];
    constexpr Name(const char (&t)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            s[i] = t[i];
    }
};

// A page under a name: shows itself when it loads and records it; its OK unloads it.
template <Name N> class Seite : public vb::Form {
public:
    vb::CommandButton cmdOK{*this, "cmdOK"};
    Seite() : vb::Form(N.s) {
        cmdOK.Click = [this] { vb::Unload(*this); };
    }
    void Form_Load() override {
        Protokoll().push_back(std::string("Load ") + N.s);
        Show();
    }
    void Form_Unload(int16_t&) override { Protokoll().push_back(std::string("Unload ") + N.s); }
};

inline void Datei(const std::filesystem::path& p, const std::string& inhalt) {
    vb::WriteFileBytes(p.string(), inhalt);
}

class FensterTest : public ::testing::Test {
protected:
    zortest::WorkingFolder arbeit;
    std::filesystem::path wurzel, projekt;
    void SetUp() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
        zorm1::ResetProjectData();
        Zormg::FelderDimensionieren();
        Protokoll().clear();
        wurzel = arbeit / "JyRootJy";
        projekt = arbeit / "projekte";
        std::filesystem::create_directories(wurzel);
        std::filesystem::create_directories(projekt);
        zorm1::P.WurzelOrdner = wurzel.string() + "/";
        zorm1::P.TiefeUnendlich = 99;
    }
    void TearDown() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
    }
    static std::vector<std::string> Geladen() {
        std::vector<std::string> v;
        for (const std::string& e : Protokoll())
            if (e.rfind("Load ", 0) == 0) v.push_back(e.substr(5));
        return v;
    }
};

} // namespace fenstertest
