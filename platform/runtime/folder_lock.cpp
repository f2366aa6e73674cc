#include "platform/runtime/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/runtime/winfs.h"

namespace vb {

OrdnerSperre::OrdnerSperre(const std::string& ordner) {
    try {
        datei_ = Resolve((std::filesystem::path(ordner) / kSperrDatei).string()).string();
    } catch (...) {
        return; // NichtMoeglich
    }
    int fd = -1;
    do {
        fd = ::open(datei_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        // A folder the user may read but not write: a lock file left there can still be locked.
        do {
            fd = ::open(datei_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        } while (fd < 0 && errno == EINTR);
    }
    if (fd < 0) return; // NichtMoeglich
    int r = -1;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r == 0) {
        fd_ = fd;
        zustand_ = Zustand::Gehalten;
        return;
    }
    zustand_ = errno == EWOULDBLOCK ? Zustand::Belegt : Zustand::NichtMoeglich;
    ::close(fd);
}

OrdnerSperre::~OrdnerSperre() {
    if (fd_ >= 0) ::close(fd_); // closing the last descriptor of the open file releases its lock
}

} // namespace vb
