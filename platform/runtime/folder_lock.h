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

// An exclusive lock of this process on a file that another instance may write too (a project file run from
// two working folders). The lock is flock on a lock file of its own in the folder kOrdner of the system's
// temporary folder, named after the file (its name after its symbolic links are followed, so that every name
// of the file shares one lock) and a hash of its full path: nothing appears beside the file. The lock file is
// deleted when the lock ends; whoever locked it meanwhile finds it gone and takes a new one, so two holders
// never meet. A file this process locks already (through another object) counts as held: the lock is the
// process's, and ends with the last object. The kernel releases it when the process ends; a lock file left
// by a killed process is taken over. Never waits and never throws; an empty name locks nothing.
class DateiSperre {
public:
    static constexpr const char* kOrdner = "zor-sperren";
    static constexpr const char* kEndung = ".lck";

    explicit DateiSperre(const std::string& datei);
    ~DateiSperre();
    DateiSperre(const DateiSperre&) = delete;
    DateiSperre& operator=(const DateiSperre&) = delete;

    OrdnerSperre::Zustand zustand() const { return zustand_; }
    bool belegt() const { return zustand_ == OrdnerSperre::Zustand::Belegt; }
    // Full name of the lock file.
    const std::string& datei() const { return datei_; }

private:
    OrdnerSperre::Zustand zustand_ = OrdnerSperre::Zustand::NichtMoeglich;
    std::string datei_;
};

} // namespace vb
