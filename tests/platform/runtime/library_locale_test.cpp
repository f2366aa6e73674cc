// The window toolkit sets the C library's locale from the environment when it starts, so on a German
// desktop printf and strtod expect a decimal comma. Numbers in boxes, item files and reports must not
// change with that.
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"
#include "tests/support/working_folder.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

class LibraryLocale : public ::testing::Test {
protected:
    void SetUp() override {
        const char* lp = std::getenv("LOCPATH");
        if (lp) savedLocpath_ = lp;
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
            // not installed: build it into the test's folder (needs the locale sources of glibc)
            std::string cmd = "localedef -i de_DE -f UTF-8 '" + (folder.path() / "de_DE.UTF-8").string() +
                              "' >/dev/null 2>&1";
            if (std::system(cmd.c_str()) == 0) {
                setenv("LOCPATH", folder.path().c_str(), 1);
                std::setlocale(LC_ALL, "de_DE.UTF-8");
            }
        }
        const std::lconv* lc = std::localeconv();
        if (!lc || std::string(lc->decimal_point) != ",") {
            std::setlocale(LC_ALL, "C");
            GTEST_SKIP() << "no German locale available";
        }
        vb::SetDecimalSeparator('.');
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        if (savedLocpath_)
            setenv("LOCPATH", savedLocpath_->c_str(), 1);
        else
            unsetenv("LOCPATH");
        vb::ResetNumberState();
    }
    zortest::WorkingFolder folder;
    std::optional<std::string> savedLocpath_;
};

TEST_F(LibraryLocale, NumberTextsKeepThePoint) {
    EXPECT_EQ(vb::Str(1.5f), " 1.5");
    EXPECT_EQ(vb::StrPlain(-0.25), "-.25");
    EXPECT_EQ(vb::Str(1.234568e8f), " 1.234568E+08");
    EXPECT_DOUBLE_EQ(vb::Val("2.75"), 2.75);
    EXPECT_DOUBLE_EQ(vb::Val(" 1.5E-3"), 0.0015);
    EXPECT_EQ(vb::ValSingle("16.2"), 16.2f);
    EXPECT_EQ(vb::Format(3.14159, "0.00"), "3.14");
    EXPECT_EQ(vb::FormatField(-1.5f, 6, 2), " -1.50");
    vb::SetDecimalSeparator(',');
    EXPECT_EQ(vb::Format(3.14159, "0.00"), "3,14") << "the mask's separator, once";
}

TEST_F(LibraryLocale, ItemFilesKeepThePoint) {
    vb::Open("ZORZ2", vb::OpenMode::Output, 1);
    vb::Write(1, 2.5f, -0.125, "x");
    vb::Close(1);
    EXPECT_EQ(vb::ReadFileBytes("zorz2"), "2.5,-.125,\"x\"\r\n");
    vb::Open("ZORZ2", vb::OpenMode::Input, 1);
    float a = 0;
    double b = 0;
    std::string x;
    vb::Input(1, a, b, x);
    vb::Close(1);
    EXPECT_EQ(a, 2.5f);
    EXPECT_EQ(b, -0.125);
}

} // namespace
