#pragma once
// A fresh folder of its own for one test, made the current folder while the test runs. The runtime's
// state (open file numbers, the Dir search, the decimal separator) is reset before and after, so that
// nothing of one test reaches the next; at the end the previous folder is current again and the folder
// is removed with all that the test left in it. Suites reset their own state (project data, texts,
// message log) in their fixtures.
#include "platform/runtime/runtime.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace zortest {

class WorkingFolder {
public:
    WorkingFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "zor_test_XXXXXX").string();
        if (!::mkdtemp(name.data()))
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + name);
        path_ = name;
        previous_ = std::filesystem::current_path();
        try {
            std::filesystem::current_path(path_);
        } catch (...) {
            std::error_code ec;
            std::filesystem::remove_all(path_, ec);
            throw;
        }
        vb::ResetRuntime();
    }
    ~WorkingFolder() {
        vb::ResetRuntime(); // closes the files a test left open before their folder goes
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(path_, ec);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // A file or folder in it, as an absolute path.
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

} // namespace zortest
