// The lock of a working folder: exclusive while held, free again when its holder goes, however the holder
// ends, and nothing where the folder cannot hold a lock file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "platform/runtime/folder_lock.h"
#include "tests/support/working_folder.h"

namespace {

namespace fs = std::filesystem;
using Zustand = vb::OrdnerSperre::Zustand;

TEST(OrdnerSperre, OneHolderAtATimeAndFreeAgainWhenItGoes) {
    zortest::WorkingFolder ordner;
    std::optional<vb::OrdnerSperre> erste(std::in_place, ordner.path().string());
    ASSERT_EQ(erste->zustand(), Zustand::Gehalten);
    EXPECT_EQ(fs::path(erste->datei()), ordner / "ZORSPERR.LCK");
    {
        // A second open of the lock file is refused, even in the same process, by relative name and by
        // another spelling of the file's name.
        vb::OrdnerSperre zweite(".");
        EXPECT_EQ(zweite.zustand(), Zustand::Belegt);
        fs::rename(ordner / "ZORSPERR.LCK", ordner / "zorsperr.lck");
        vb::OrdnerSperre dritte(ordner.path().string());
        EXPECT_EQ(dritte.zustand(), Zustand::Belegt);
        EXPECT_EQ(fs::path(dritte.datei()), ordner / "zorsperr.lck");
    }
    erste.reset();
    vb::OrdnerSperre danach(".");
    EXPECT_EQ(danach.zustand(), Zustand::Gehalten);
    EXPECT_TRUE(fs::exists(ordner / "zorsperr.lck")); // kept: another holder may have it open
}

TEST(OrdnerSperre, AKilledHolderLeavesNoLockBehind) {
    zortest::WorkingFolder ordner;
    int bereit[2];
    ASSERT_EQ(::pipe(bereit), 0);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        vb::OrdnerSperre sperre(".");
        const char z = sperre.gehalten() ? 'j' : 'n';
        (void)::write(bereit[1], &z, 1);
        for (;;)
            ::pause(); // until killed
    }
    ::close(bereit[1]);
    char z = 0;
    ASSERT_EQ(::read(bereit[0], &z, 1), 1);
    ::close(bereit[0]);
    EXPECT_EQ(z, 'j');
    EXPECT_EQ(vb::OrdnerSperre(".").zustand(), Zustand::Belegt);
    ::kill(kind, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    EXPECT_EQ(vb::OrdnerSperre(".").zustand(), Zustand::Gehalten);
}

TEST(OrdnerSperre, AFolderThatCannotHoldTheLockFileIsNoLock) {
    zortest::WorkingFolder ordner;
    EXPECT_EQ(vb::OrdnerSperre((ordner / "fehlt").string()).zustand(), Zustand::NichtMoeglich);
    // A read-only folder: no lock file can be made there (unless the tests run as root).
    fs::create_directory(ordner / "lesen");
    ::chmod((ordner / "lesen").c_str(), 0555);
    if (::geteuid() != 0) {
        EXPECT_EQ(vb::OrdnerSperre((ordner / "lesen").string()).zustand(), Zustand::NichtMoeglich);
    }
    ::chmod((ordner / "lesen").c_str(), 0755);
    // A lock file left in a folder that became read-only can still be locked.
    { vb::OrdnerSperre einmal((ordner / "lesen").string()); }
    ::chmod((ordner / "lesen").c_str(), 0555);
    EXPECT_EQ(vb::OrdnerSperre((ordner / "lesen").string()).zustand(), Zustand::Gehalten);
    ::chmod((ordner / "lesen").c_str(), 0755);
}

} // namespace
