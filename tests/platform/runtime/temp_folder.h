#pragma once
// A fresh folder for one test, made the current folder while the test runs; the runtime state is
// reset before and after, and the folder is removed at the end.
#include "platform/runtime/runtime.h"

#include <cstdlib>
#include <filesystem>
#include <string>

class TempFolder {
public:
    TempFolder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "zortest.XXXXXX").string();
        if (!mkdtemp(tmpl.data())) std::abort();
        path_ = tmpl;
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
        vb::ResetRuntime();
    }
    ~TempFolder() {
        vb::ResetRuntime();
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};
