#pragma once
// Sets environment variables for one test and restores them when it ends.
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace zortest {

class Umgebung {
public:
    Umgebung() = default;
    Umgebung(const Umgebung&) = delete;
    Umgebung& operator=(const Umgebung&) = delete;

    void set(const char* name, const std::string& value) {
        merken(name);
        ::setenv(name, value.c_str(), 1);
    }
    void unset(const char* name) {
        merken(name);
        ::unsetenv(name);
    }
    ~Umgebung() {
        for (auto& [k, v] : alt_)
            v ? ::setenv(k.c_str(), v->c_str(), 1) : ::unsetenv(k.c_str());
    }

private:
    void merken(const char* name) {
        if (alt_.count(name)) return;
        const char* v = std::getenv(name);
        alt_[name] = v ? std::optional<std::string>(v) : std::nullopt;
    }
    std::map<std::string, std::optional<std::string>> alt_;
};

} // namespace zortest
