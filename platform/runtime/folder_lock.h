#pragma once
// An exclusive lock of this process on a folder: flock(LOCK_EX | LOCK_NB) on the lock file kSperrDatei in
// that folder. The lock lasts while the object lives; the kernel releases it when the process ends, however
// it ends (a crash or a kill leaves no stale lock behind). The descriptor is closed on exec, so a program
// this one starts does not inherit the lock.
//
// The lock file is created when missing and never deleted: deleting it would let a later instance lock a
// new file of the same name while another still holds the old one. It holds nothing.
#include <string>

namespace vb {

class OrdnerSperre {
public:
    // The lock file's name inside the folder (found under the file-name rules of winfs.h).
    static constexpr const char* kSperrDatei = "ZORSPERR.LCK";

    enum class Zustand {
        Gehalten,     // this object holds the lock
        Belegt,       // another open lock file (another process, or another object here) holds it
        NichtMoeglich // the lock file cannot be opened or locked (a read-only folder, no such folder ...)
    };

    // Tries once to take the lock of folder `ordner` (absolute, or relative to the current folder); never
    // waits and never throws.
    explicit OrdnerSperre(const std::string& ordner);
    ~OrdnerSperre(); // releases the lock
    OrdnerSperre(const OrdnerSperre&) = delete;
    OrdnerSperre& operator=(const OrdnerSperre&) = delete;

    Zustand zustand() const { return zustand_; }
    bool gehalten() const { return zustand_ == Zustand::Gehalten; }
    // Full name of the lock file.
    const std::string& datei() const { return datei_; }

private:
    int fd_ = -1;
    Zustand zustand_ = Zustand::NichtMoeglich;
    std::string datei_;
};

} // namespace vb
