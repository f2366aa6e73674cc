#pragma once
// Another instance of the program holding the lock of a project file: a child process takes the lock and
// keeps it until Freigeben() (or the end of the object). Gehalten() says whether the child got it.
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "frame/project_file.h"

namespace zortest {

class FremdeSperre {
public:
    explicit FremdeSperre(const std::string& dateiName) {
        if (::pipe(bereit_) != 0 || ::pipe(ende_) != 0) return;
        kind_ = ::fork();
        if (kind_ == 0) {
            const zorm1::ProjektSperre sperre(dateiName);
            const char ja = sperre.belegt() ? 'b' : 'j';
            (void)!::write(bereit_[1], &ja, 1);
            char c;
            (void)!::read(ende_[0], &c, 1);
            ::_exit(0);
        }
        char ja = 0;
        if (kind_ > 0 && ::read(bereit_[0], &ja, 1) == 1) gehalten_ = ja == 'j';
    }
    ~FremdeSperre() {
        Freigeben();
        for (int fd : {bereit_[0], bereit_[1], ende_[0], ende_[1]})
            if (fd >= 0) ::close(fd);
    }
    FremdeSperre(const FremdeSperre&) = delete;
    FremdeSperre& operator=(const FremdeSperre&) = delete;

    bool Gehalten() const { return gehalten_; }
    // The other instance ends; the lock is free when this returns.
    void Freigeben() {
        if (kind_ <= 0) return;
        (void)!::write(ende_[1], "x", 1);
        ::waitpid(kind_, nullptr, 0);
        kind_ = -1;
    }

private:
    int bereit_[2] = {-1, -1}, ende_[2] = {-1, -1};
    pid_t kind_ = -1;
    bool gehalten_ = false;
};

} // namespace zortest
