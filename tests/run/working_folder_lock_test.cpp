// One instance per working folder: two headless runs, and two instances of the program on the headless
// backend, started together in one folder. Exactly one runs; the other says so and ends with its own status
// before it touches a file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/winfs.h"
#include "request/headless_run.h"
#include "request/run_windows.h"
#include "request/working_folder.h"
#include "run/program.h"
#include "tests/run/example_copy.h"
#include "tests/run/new_project_script.h"
#include "tests/support/working_folder.h"

namespace {

namespace fs = std::filesystem;
using Uhr = std::chrono::steady_clock;

// Waits for one of the children to end (up to a minute); {pid, exit status} or {-1, -1} when none ends.
std::pair<pid_t, int> EinesEndet() {
    const auto bis = Uhr::now() + std::chrono::seconds(60);
    while (Uhr::now() < bis) {
        int status = 0;
        const pid_t p = ::waitpid(-1, &status, WNOHANG);
        if (p > 0) return {p, WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {-1, -1};
}

void Beenden(const std::vector<pid_t>& kinder) {
    for (pid_t p : kinder) {
        ::kill(p, SIGKILL);
        ::waitpid(p, nullptr, 0);
    }
}

// Writes a line into the fifo once a reader has opened it (up to a minute); false when none does.
bool Freigeben(const fs::path& fifo) {
    const auto bis = Uhr::now() + std::chrono::seconds(60);
    while (Uhr::now() < bis) {
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            const bool ok = ::write(fd, "weiter\n", 7) == 7;
            ::close(fd);
            return ok;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// After two instances in the working folder `arbeit`: the project of the one that ended at once (namen[z])
// keeps its bytes and has no report copy beside it; the project file and the report copy of the one that ran
// (namen[e]) are, byte for byte, what a headless run of the same project alone leaves (the report's head
// names the project file, the project file holds the project's own values).
void WieAllein(const fs::path& arbeit, const fs::path& projekte, const std::vector<std::string>& namen,
               std::size_t z, std::size_t e) {
    EXPECT_EQ(vb::ReadFileBytes((projekte / namen[z]).string()),
              vb::ReadFileBytes((fs::path(ZOR_TEST_DATA) / namen[z]).string()));
    EXPECT_FALSE(fs::exists(projekte / (namen[z] + ".AUS")));
    const std::string datei = vb::ReadFileBytes((projekte / namen[e]).string());
    ASSERT_TRUE(fs::exists(projekte / (namen[e] + ".AUS")));
    const std::string bericht = vb::ReadFileBytes((projekte / (namen[e] + ".AUS")).string());
    fs::copy_file(fs::path(ZOR_TEST_DATA) / namen[e], projekte / namen[e],
                  fs::copy_options::overwrite_existing);
    const std::string befehl = "cd '" + arbeit.string() + "' && XDG_DATA_HOME='" + (arbeit / "xdg").string() +
                               "' '" + ZOR_RUN_PROJECT + "' '" + (projekte / namen[e]).string() +
                               "' 2> allein";
    const int rc = std::system(befehl.c_str());
    ASSERT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == zorrun::kLaufFertig)
        << vb::ReadFileBytes((arbeit / "allein").string());
    EXPECT_EQ(vb::ReadFileBytes((projekte / namen[e]).string()), datei);
    EXPECT_EQ(vb::ReadFileBytes((projekte / (namen[e] + ".AUS")).string()), bericht);
}

TEST(EinProgrammJeOrdner, OfTwoHeadlessRunsStartedTogetherExactlyOneRuns) {
    zortest::WorkingFolder basis;
    const fs::path arbeit = basis / "arbeit", projekte = basis / "projekte";
    fs::create_directories(arbeit / "xdg");
    fs::create_directories(projekte);
    const std::vector<std::string> namen = {"Traegerbohlwand_verankert", "Spundwand_frei"};
    for (const std::string& n : namen)
        fs::copy_file(fs::path(ZOR_TEST_DATA) / n, projekte / n);
    const fs::path fifo = basis / "halt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    // Both runs wait before their input evaluation until the test lets them go on: the one that holds the
    // folder waits there, and the other has to end before that.
    std::vector<pid_t> kinder;
    for (std::size_t i = 0; i < namen.size(); ++i) {
        const pid_t p = ::fork();
        ASSERT_GE(p, 0);
        if (p == 0) {
            const std::string fehler = (basis / ("stderr" + std::to_string(i))).string();
            const int fd = ::open(fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::dup2(fd, 2) < 0 || ::chdir(arbeit.c_str()) != 0) ::_exit(120);
            ::setenv("XDG_DATA_HOME", (arbeit / "xdg").c_str(), 1);
            ::setenv("ZOR_RUN_PROJECT_HALT", fifo.c_str(), 1);
            const std::string projekt = (projekte / namen[i]).string();
            ::execl(ZOR_RUN_PROJECT, ZOR_RUN_PROJECT, projekt.c_str(), static_cast<char*>(nullptr));
            ::_exit(121);
        }
        kinder.push_back(p);
    }

    const auto [zweiter, zweiterStatus] = EinesEndet();
    if (zweiter < 0) Beenden(kinder);
    ASSERT_GT(zweiter, 0) << "neither run ended on its own: both wait inside a run";
    EXPECT_EQ(zweiterStatus, zorrun::kOrdnerBelegt);
    const std::size_t z = zweiter == kinder[0] ? 0 : 1, e = 1 - z;
    const bool frei = Freigeben(fifo);
    if (!frei) Beenden({kinder[e]});
    ASSERT_TRUE(frei) << "the first run does not wait inside its run";
    const auto [erster, ersterStatus] = EinesEndet();
    if (erster < 0) Beenden({kinder[e]});
    ASSERT_EQ(erster, kinder[e]);
    EXPECT_EQ(ersterStatus, zorrun::kLaufFertig);

    // The second one said why, and nothing else; the first one ran without a message.
    const std::string meldung = vb::ReadFileBytes((basis / ("stderr" + std::to_string(z))).string());
    EXPECT_NE(meldung.find("In diesem Arbeitsordner läuft bereits ein ZOR:"), std::string::npos) << meldung;
    EXPECT_NE(meldung.find(arbeit.string()), std::string::npos) << meldung;
    EXPECT_EQ(vb::ReadFileBytes((basis / ("stderr" + std::to_string(e))).string()), "");
    WieAllein(arbeit, projekte, namen, z, e);
}

// One instance of the program on the headless backend, in a child process of its own, in the working folder
// `arbeit`, for the project file projekte/<name>. Once its start window is up it reports 'j' on `bereit` and
// waits for a byte on `weiter`; then it reads its project through the start dialog, confirms the safety
// pages, calculates and ends by "Programm beenden". The child's exit status is the program's; 100 + n when
// the program showed a message box it should not have.
[[noreturn]] void ProgrammKind(const fs::path& arbeit, const std::string& name, bool teil, int bereit,
                               int weiter) {
    if (::chdir(arbeit.c_str()) != 0) ::_exit(120);
    ::setenv("XDG_DATA_HOME", (arbeit / "xdg").c_str(), 1);
    zortest::LaufUmgebungZuruecksetzen();
    vb::script::clear();
    vb::script::call([bereit, weiter] {
        const char j = 'j';
        char c = 0;
        if (::write(bereit, &j, 1) != 1 || ::read(weiter, &c, 1) != 1) ::_exit(110);
    });
    neuprojekt::Skript sk;
    sk.klick("frmZOR0.cmdOK");
    sk.klick("frmTitel.cmdLesen(1)");
    sk.in("frmTitel.txtEin(0)", (arbeit.parent_path() / "projekte").string());
    sk.in("frmTitel.txtEin(1)", name);
    sk.klick("frmTitel.cmdOK");
    sk.klick("frmBTeilSi.cmdOK");
    if (teil) sk.klick("frmBTeilSi2.cmdOK");
    for (const auto& schritt : sk.schritte)
        neuprojekt::InDieWarteschlange(schritt);
    // The pictures wait for the user, and the request lets the user act before each run: neither here, so
    // that "Programm beenden" comes once the request has returned.
    vb::script::call([] {
        zorrun::Fenster().GrafikFensterLaden = nullptr;
        zorrun::Fenster().Nachgeben = nullptr;
    });
    vb::script::click("frmAuswahl.cmdStart");
    vb::script::click("frmAuswahl.cmdEnd");
    const int code = zorrun::ProgrammAusfuehren();
    const auto& log = vb::headless::Log();
    for (const auto& b : log)
        std::fprintf(stderr, "[%s] %s\n", b.title.c_str(), b.prompt.c_str());
    if (code == zorrun::kProgrammOrdnerBelegt) {
        if (log.size() != 1 || log[0].prompt != zorrun::OrdnerBelegtMeldung(vb::CurDir()) ||
            !vb::headless::loadedForms().empty())
            ::_exit(101);
    } else if (!log.empty()) {
        ::_exit(102);
    }
    ::_exit(code);
}

TEST(EinProgrammJeOrdner, OfTwoProgramInstancesStartedTogetherExactlyOneRuns) {
    zortest::WorkingFolder basis;
    const fs::path arbeit = basis / "arbeit", projekte = basis / "projekte";
    fs::create_directories(arbeit / "xdg");
    fs::create_directories(projekte);
    const std::vector<std::string> namen = {"Traegerbohlwand_verankert", "Spundwand_frei"};
    std::vector<bool> teil;
    for (const std::string& n : namen) {
        fs::copy_file(fs::path(ZOR_TEST_DATA) / n, projekte / n);
        zortest::LaufUmgebungZuruecksetzen();
        ASSERT_TRUE(zorm1::EingabeLesen((projekte / n).string()));
        teil.push_back(zorm1::P.TeilsicherheitenAn != 0);
    }
    zortest::LaufUmgebungZuruecksetzen();
    int bereit[2], weiter[2];
    ASSERT_EQ(::pipe(bereit), 0);
    ASSERT_EQ(::pipe(weiter), 0);
    std::vector<pid_t> kinder;
    for (std::size_t i = 0; i < namen.size(); ++i) {
        const pid_t p = ::fork();
        ASSERT_GE(p, 0);
        if (p == 0) ProgrammKind(arbeit, namen[i], teil[i], bereit[1], weiter[0]);
        kinder.push_back(p);
    }
    ::close(bereit[1]);
    ::close(weiter[0]);

    const auto [zweiter, zweiterStatus] = EinesEndet();
    if (zweiter < 0) Beenden(kinder);
    ASSERT_GT(zweiter, 0) << "neither instance ended on its own";
    EXPECT_EQ(zweiterStatus, zorrun::kProgrammOrdnerBelegt);
    const std::size_t z = zweiter == kinder[0] ? 0 : 1, e = 1 - z;
    // The other one runs: its start window is up and waits for the user. The second one touched nothing: the
    // working folder holds the lock file (and the root folder's folder) alone.
    char c = 0;
    EXPECT_EQ(::read(bereit[0], &c, 1), 1);
    EXPECT_EQ(c, 'j');
    std::vector<std::string> dateien;
    for (const auto& d : fs::directory_iterator(arbeit))
        dateien.push_back(d.path().filename().string());
    std::sort(dateien.begin(), dateien.end());
    EXPECT_EQ(dateien, (std::vector<std::string>{"ZORSPERR.LCK", "xdg"}));
    EXPECT_EQ(::write(weiter[1], "w", 1), 1);
    const auto [beendet, ersterStatus] = EinesEndet();
    if (beendet < 0) Beenden({kinder[e]});
    ASSERT_EQ(beendet, kinder[e]);
    EXPECT_EQ(ersterStatus, zorrun::kProgrammEnde);
    ::close(bereit[0]);
    ::close(weiter[1]);

    WieAllein(arbeit, projekte, namen, z, e);
}

} // namespace
