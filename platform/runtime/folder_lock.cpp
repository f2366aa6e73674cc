#include "platform/runtime/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <cstdint>
#include <cstdio>
#include <map>
#include <sys/stat.h>

#include "platform/runtime/winfs.h"

namespace vb {

namespace {

// Opens the lock file (created where missing; read-only where the folder may be read but not written: a lock
// file left there can still be locked) and takes its exclusive lock without waiting. Returns the descriptor
// holding the lock, or -1 with the state: Belegt when another process holds it, NichtMoeglich otherwise.
int SperrDateiSperren(const std::string& datei, OrdnerSperre::Zustand& zustand) {
    int fd = -1;
    do {
        fd = ::open(datei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        do {
            fd = ::open(datei.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        } while (fd < 0 && errno == EINTR);
    }
    if (fd < 0) {
        zustand = OrdnerSperre::Zustand::NichtMoeglich;
        return -1;
    }
    int r = -1;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r == 0) return fd;
    zustand = errno == EWOULDBLOCK ? OrdnerSperre::Zustand::Belegt : OrdnerSperre::Zustand::NichtMoeglich;
    ::close(fd);
    return -1;
}

} // namespace

OrdnerSperre::OrdnerSperre(const std::string& ordner) {
    try {
        datei_ = Resolve((std::filesystem::path(ordner) / kSperrDatei).string()).string();
    } catch (...) {
        return; // NichtMoeglich
    }
    const int fd = SperrDateiSperren(datei_, zustand_);
    if (fd < 0) return;
    fd_ = fd;
    zustand_ = Zustand::Gehalten;
}

OrdnerSperre::~OrdnerSperre() {
    if (fd_ >= 0) ::close(fd_); // closing the last descriptor of the open file releases its lock
}

namespace {

// The files this process holds locked: lock file -> its descriptor and the objects that share it.
struct Gehalten {
    int fd;
    int anzahl;
};
std::map<std::string, Gehalten>& gehalten() {
    static std::map<std::string, Gehalten> m;
    return m;
}

// The file a name denotes, its symbolic links followed (a link that leads nowhere: where it points).
std::filesystem::path Ziel(const std::string& datei) {
    namespace fs = std::filesystem;
    fs::path p = Resolve(datei);
    std::error_code ec;
    for (int k = 0; k < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++k) {
        const fs::path z = fs::read_symlink(p, ec);
        if (ec) break;
        p = z.is_absolute() ? z : p.parent_path() / z;
    }
    const fs::path absolut = fs::absolute(p, ec);
    const fs::path ganz = fs::weakly_canonical(absolut, ec);
    return ec ? absolut : ganz;
}

} // namespace

DateiSperre::DateiSperre(const std::string& datei) {
    if (datei.find_first_not_of(' ') == std::string::npos) return; // no file: NichtMoeglich
    try {
        namespace fs = std::filesystem;
        const std::string ziel = Ziel(datei).string();
        // FNV-1a of the full name: one lock file per file, whatever the length of its path.
        uint64_t h = 14695981039346656037ull;
        for (const unsigned char c : ziel)
            h = (h ^ c) * 1099511628211ull;
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
        const fs::path ordner = fs::temp_directory_path() / kOrdner;
        if (::mkdir(ordner.c_str(), 01777) == 0) ::chmod(ordner.c_str(), 01777); // every user's locks
        datei_ = (ordner / (fs::path(ziel).filename().string().substr(0, 100) + "-" + hex + kEndung)).string();
    } catch (...) {
        return; // NichtMoeglich
    }
    if (auto it = gehalten().find(datei_); it != gehalten().end()) {
        ++it->second.anzahl;
        zustand_ = OrdnerSperre::Zustand::Gehalten;
        return;
    }
    // A lock file deleted by its holder between our open and our lock is not the lock any more: try again
    // with the file now under the name.
    for (int versuch = 0; versuch < 10; ++versuch) {
        // (another user's lock file of the same project can still be locked)
        const int fd = SperrDateiSperren(datei_, zustand_);
        if (fd < 0) return;
        struct stat offen {}, name {};
        if (::fstat(fd, &offen) == 0 && ::lstat(datei_.c_str(), &name) == 0 && offen.st_dev == name.st_dev &&
            offen.st_ino == name.st_ino) {
            gehalten()[datei_] = Gehalten{fd, 1};
            zustand_ = OrdnerSperre::Zustand::Gehalten;
            return;
        }
        ::close(fd);
    }
}

DateiSperre::~DateiSperre() {
    if (zustand_ != OrdnerSperre::Zustand::Gehalten) return;
    auto it = gehalten().find(datei_);
    if (it == gehalten().end() || --it->second.anzahl > 0) return;
    // Deleted while still locked, so that no one locks the old file after we let it go.
    ::unlink(datei_.c_str());
    ::close(it->second.fd);
    gehalten().erase(it);
}

} // namespace vb
