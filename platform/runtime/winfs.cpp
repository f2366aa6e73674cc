#include "platform/runtime/winfs.h"

#include "platform/runtime/errors.h"
#include "platform/runtime/vbstring.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unordered_map>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace vb {
namespace detail {
// Closes the file numbers open on a path (the item-file table lives in vbfile.cpp); false when
// writing out what was still buffered failed.
bool CloseFilesOnPath(const fs::path& p);
// Writes out what file numbers open for writing on a path still hold in their buffers.
void FlushFilesOnPath(const fs::path& p);
// Forgets the content the program keeps of the file a path names (vbfile.cpp), before the file changes.
void InhaltVergessen(const fs::path& p);
// Whether the program knows the content of the file of this status.
bool InhaltBekannt(const struct stat& st);
// A file whose content the program knows (status before) renamed to `neu` by the program itself: the
// content stays known under the status the rename gave the file.
void InhaltUmbenannt(const struct stat& vorher, const fs::path& neu);
} // namespace detail

namespace {

struct FsState {
    std::vector<std::string> dirNames; // remaining results of the Dir search
    size_t dirNext = 0;
    bool dirActive = false;
    // Names found only by a search of their folder: folder + "/" + folded name -> the entry found. The
    // entry is taken again without a search while it exists.
    std::unordered_map<std::string, std::string> matches;
};
FsState& state() {
    static FsState s;
    return s;
}

[[noreturn]] void fail(int number, const std::string& what) {
    throw RuntimeError(number, what);
}

// A name component without its trailing dots and blanks (Windows drops them); a component made only
// of dots ("." "..") stays.
std::string_view cleanView(std::string_view c) {
    if (c.find_first_not_of('.') == std::string_view::npos) return c;
    size_t end = c.find_last_not_of(". ");
    if (end == std::string_view::npos) return c;
    return c.substr(0, end + 1);
}
std::string cleanComponent(std::string_view c) {
    return std::string(cleanView(c));
}

std::string fold(std::string_view s) {
    return UCase(s);
}

// fold(cleanComponent(name)) == key, without building strings where the name is plain ASCII (which folds
// to its upper case letter by letter).
bool namesKey(std::string_view name, const std::string& key) {
    bool ascii = true;
    for (char ch : name)
        if (static_cast<unsigned char>(ch) >= 0x80) {
            ascii = false;
            break;
        }
    if (!ascii) return fold(cleanComponent(name)) == key;
    const std::string_view c = cleanView(name);
    if (c.size() != key.size()) return false;
    for (size_t i = 0; i < c.size(); ++i) {
        const char u = c[i] >= 'a' && c[i] <= 'z' ? static_cast<char>(c[i] - 32) : c[i];
        if (u != key[i]) return false;
    }
    return true;
}

std::vector<std::string> splitComponents(std::string_view name) {
    std::vector<std::string> parts;
    size_t i = 0;
    while (i <= name.size()) {
        size_t j = name.find(PathSep, i);
        if (j == std::string_view::npos) j = name.size();
        if (j > i) parts.emplace_back(name.substr(i, j - i));
        i = j + 1;
    }
    return parts;
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

// The entries of a folder, sorted by their folded names (then by spelling).
std::vector<std::string> listFolder(const fs::path& folder) {
    std::vector<std::pair<std::string, std::string>> keyed; // folded name, name
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        keyed.emplace_back(fold(name), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> names;
    names.reserve(keyed.size());
    for (auto& k : keyed)
        names.push_back(std::move(k.second));
    return names;
}

// The entry of a folder that a cleaned, folded component names: the first in name order, "" if none.
std::string findInFolder(const fs::path& folder, const std::string& key) {
    std::string best, bestFolded;
    DIR* dir = ::opendir((folder.empty() ? fs::path(".") : folder).c_str());
    if (!dir) return best;
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name(e->d_name);
        if (name == "." || name == ".." || !namesKey(name, key)) continue;
        std::string folded = fold(name);
        if (best.empty() || folded < bestFolded || (folded == bestFolded && name < best)) {
            best = name;
            bestFolded = folded;
        }
    }
    ::closedir(dir);
    return best;
}

bool hasWildcard(std::string_view s) {
    return s.find_first_of("*?") != std::string_view::npos;
}

bool glob(std::u32string_view p, std::u32string_view n) {
    size_t pi = 0, ni = 0, starP = std::u32string_view::npos, starN = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == U'?' || p[pi] == n[ni])) {
            ++pi;
            ++ni;
        } else if (pi < p.size() && p[pi] == U'*') {
            starP = pi++;
            starN = ni;
        } else if (starP != std::u32string_view::npos) {
            pi = starP + 1;
            ni = ++starN;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'*')
        ++pi;
    return pi == p.size();
}

// Splits a pattern into the folder part (with its separator) and the last component.
void splitPattern(std::string_view pattern, std::string& folder, std::string& last) {
    size_t k = pattern.rfind(PathSep);
    if (k == std::string_view::npos) {
        folder.clear();
        last = std::string(pattern);
    } else {
        folder = std::string(pattern.substr(0, k + 1));
        last = std::string(pattern.substr(k + 1));
    }
}

fs::path resolveFolder(const std::string& folder) {
    if (folder.empty()) return fs::path(".");
    return Resolve(folder);
}

} // namespace

// ---- the resolver ------------------------------------------------------------------------------
namespace {
bool lstatOf(const fs::path& p, struct stat& st) {
    return ::lstat(p.c_str(), &st) == 0;
}

// Resolve, with what the last lstat found: `found` tells whether the resolved path exists; st is then its
// status, a symbolic link followed (a link that leads nowhere counts as not found).
fs::path resolveImpl(std::string_view name, struct stat& st, bool& found) {
    found = false;
    if (name.empty()) return {};
    FsState& s = state();
    fs::path result;
    bool absolute = name.front() == PathSep;
    if (absolute) result = fs::path("/");
    std::vector<std::string> parts = splitComponents(name);
    bool parentExists = true;
    for (const std::string& c : parts) {
        found = false;
        if (c == "." || c == "..") {
            result /= c;
            continue;
        }
        fs::path exact = result / c;
        if (parentExists && lstatOf(exact, st)) {
            result = std::move(exact);
            found = true;
            continue;
        }
        std::string clean = cleanComponent(c);
        if (parentExists) {
            if (clean != c) {
                fs::path cleaned = result / clean;
                if (lstatOf(cleaned, st)) {
                    result = std::move(cleaned);
                    found = true;
                    continue;
                }
            }
            std::string key = fold(clean);
            std::string memoKey = result.native();
            memoKey += PathSep;
            memoKey += key;
            auto memo = s.matches.find(memoKey);
            if (memo != s.matches.end()) {
                fs::path known = result / memo->second;
                if (lstatOf(known, st)) {
                    result = std::move(known);
                    found = true;
                    continue;
                }
                s.matches.erase(memo);
            }
            std::string match = findInFolder(result, key);
            if (!match.empty()) {
                result /= match;
                found = lstatOf(result, st);
                if (s.matches.size() >= 4096) s.matches.clear();
                s.matches.emplace(std::move(memoKey), std::move(match));
                continue;
            }
        }
        result /= clean;
        parentExists = false;
    }
    if (result.empty()) result = absolute ? fs::path("/") : fs::path(".");
    if (found ? S_ISLNK(st.st_mode) : parentExists) found = ::stat(result.c_str(), &st) == 0;
    return result;
}
} // namespace

namespace detail {
// Resolve, and the status of the file the path names (see resolveImpl); for the file table.
fs::path ResolveStat(std::string_view name, struct stat& st, bool& found) {
    return resolveImpl(name, st, found);
}
} // namespace detail

fs::path Resolve(std::string_view name) {
    struct stat st {};
    bool found = false;
    return resolveImpl(name, st, found);
}

std::string CleanName(std::string_view name) {
    std::string out;
    if (!name.empty() && name.front() == PathSep) out += PathSep;
    bool first = true;
    for (const std::string& c : splitComponents(name)) {
        if (!first) out += PathSep;
        out += cleanComponent(c);
        first = false;
    }
    return out;
}

bool SameName(std::string_view a, std::string_view b) {
    return fold(CleanName(a)) == fold(CleanName(b));
}

bool MatchPattern(std::string_view pattern, std::string_view name) {
    std::u32string p = ToU32(fold(pattern));
    std::u32string n = ToU32(fold(cleanComponent(name)));
    if (p.empty()) return false;
    if (p.back() == U'.') {
        // "x." and "*." name files without an extension
        while (!p.empty() && p.back() == U'.')
            p.pop_back();
        if (p.find(U'.') == std::u32string::npos && n.find(U'.') != std::u32string::npos) return false;
        return glob(p, n);
    }
    if (p.size() >= 2 && p.substr(p.size() - 2) == U".*") {
        // "x.*" also names "x"
        if (glob(p, n)) return true;
        return glob(std::u32string_view(p).substr(0, p.size() - 2), n);
    }
    return glob(p, n);
}

// ---- queries -----------------------------------------------------------------------------------
bool FileExists(std::string_view name) {
    if (name.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(Resolve(name), ec);
}

bool FolderExists(std::string_view name) {
    if (name.empty()) return false;
    std::error_code ec;
    return fs::is_directory(Resolve(name), ec);
}

int32_t FileLen(std::string_view name) {
    fs::path p = Resolve(name);
    std::error_code ec;
    if (name.empty() || !fs::is_regular_file(p, ec)) fail(53, "File not found: " + std::string(name));
    detail::FlushFilesOnPath(p); // what a number open for writing still holds counts
    auto size = fs::file_size(p, ec);
    if (ec) fail(75, "Path/File access error: " + std::string(name));
    return static_cast<int32_t>(std::min<uintmax_t>(size, INT32_MAX));
}

std::string Dir(std::string_view pattern, bool withFolders) {
    FsState& s = state();
    s.dirNames.clear();
    s.dirNext = 0;
    s.dirActive = true;
    std::string folder, last;
    splitPattern(pattern, folder, last);
    if (last.empty()) last = "*";
    fs::path dir = resolveFolder(folder);
    std::error_code ec;
    if (!hasWildcard(last)) {
        // a plain name: the file it denotes, under its spelling on disk
        fs::path p = Resolve(std::string(folder) + last);
        if (fs::is_regular_file(p, ec) || (withFolders && fs::is_directory(p, ec)))
            s.dirNames.push_back(p.filename().string());
    } else {
        for (const std::string& e : listFolder(dir)) {
            if (!MatchPattern(last, e)) continue;
            const fs::file_status st = fs::status(dir / e, ec);
            if (fs::is_regular_file(st) || (withFolders && fs::is_directory(st))) s.dirNames.push_back(e);
        }
    }
    return Dir();
}

std::string Dir() {
    FsState& s = state();
    if (!s.dirActive) fail(5, "Invalid procedure call: Dir without a pattern");
    if (s.dirNext >= s.dirNames.size()) {
        s.dirActive = false;
        return {};
    }
    return s.dirNames[s.dirNext++];
}

// ---- changes -----------------------------------------------------------------------------------
void Kill(std::string_view pattern) {
    std::string folder, last;
    splitPattern(pattern, folder, last);
    if (last.empty()) fail(53, "File not found: " + std::string(pattern));
    fs::path dir = resolveFolder(folder);
    std::error_code ec;
    int removed = 0;
    for (const std::string& e : listFolder(dir)) {
        if (!MatchPattern(last, e)) continue;
        fs::path p = dir / e;
        if (!fs::is_regular_file(p, ec)) continue;
        detail::CloseFilesOnPath(p);
        detail::InhaltVergessen(p);
        if (!fs::remove(p, ec) || ec) fail(75, "Path/File access error: " + p.string());
        ++removed;
    }
    if (removed == 0) fail(53, "File not found: " + std::string(pattern));
}

void FileCopy(std::string_view src, std::string_view dst) {
    fs::path from = Resolve(src);
    std::error_code ec;
    if (src.empty() || !fs::is_regular_file(from, ec)) fail(53, "File not found: " + std::string(src));
    fs::path to = Resolve(dst);
    if (dst.empty() || fs::is_directory(to, ec)) fail(75, "Path/File access error: " + std::string(dst));
    if (present(to) && fs::equivalent(from, to, ec)) return;
    detail::FlushFilesOnPath(from); // a file still open for writing is copied with all it holds
    detail::InhaltVergessen(to);
    if (!to.parent_path().empty() && !fs::is_directory(to.parent_path(), ec))
        fail(76, "Path not found: " + std::string(dst));
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) fail(75, "Path/File access error: " + std::string(dst));
}

void Name(std::string_view oldName, std::string_view newName) {
    fs::path from = Resolve(oldName);
    if (oldName.empty() || !present(from)) fail(53, "File not found: " + std::string(oldName));
    fs::path to = Resolve(newName);
    std::error_code ec;
    if (present(to) && !fs::equivalent(from, to, ec))
        fail(58, "File already exists: " + std::string(newName));
    if (present(to)) to = to.parent_path() / CleanName(fs::path(std::string(newName)).filename().string());
    detail::InhaltVergessen(from);
    detail::InhaltVergessen(to);
    fs::rename(from, to, ec);
    if (ec) fail(75, "Path/File access error: " + std::string(newName));
}

void MkDir(std::string_view path) {
    fs::path p = Resolve(path);
    if (path.empty() || present(p)) fail(75, "Path/File access error: " + std::string(path));
    std::error_code ec;
    if (!p.parent_path().empty() && !fs::is_directory(p.parent_path(), ec))
        fail(76, "Path not found: " + std::string(path));
    if (!fs::create_directory(p, ec) || ec) fail(75, "Path/File access error: " + std::string(path));
}

void RmDir(std::string_view path) {
    fs::path p = Resolve(path);
    std::error_code ec;
    if (path.empty() || !fs::is_directory(p, ec)) fail(76, "Path not found: " + std::string(path));
    if (!fs::is_empty(p, ec) || !fs::remove(p, ec) || ec)
        fail(75, "Path/File access error: " + std::string(path));
}

void ChDir(std::string_view path) {
    fs::path p = Resolve(path);
    std::error_code ec;
    if (path.empty() || !fs::is_directory(p, ec)) fail(76, "Path not found: " + std::string(path));
    fs::current_path(p, ec);
    if (ec) fail(76, "Path not found: " + std::string(path));
}

std::string CurDir() {
    std::error_code ec;
    std::string s = fs::current_path(ec).string();
    while (s.size() > 1 && s.back() == PathSep)
        s.pop_back();
    return s;
}

namespace {
// Flushes a file or folder to the disk. A file system that cannot flush a folder (EINVAL) counts as
// flushed.
bool syncPath(const fs::path& p, bool folder) {
    const int fd = ::open(p.c_str(), folder ? (O_RDONLY | O_DIRECTORY | O_CLOEXEC) : (O_RDONLY | O_CLOEXEC));
    if (fd < 0) return false;
    int rc;
    do
        rc = ::fsync(fd);
    while (rc != 0 && errno == EINTR);
    const bool ok = rc == 0 || (folder && (errno == EINVAL || errno == ENOTSUP));
    ::close(fd);
    return ok;
}

// Temporary files of earlier saves of the same file that were cut short (the program killed, the
// power gone): "<name>.~tmp", and "<name>.~<process id>.tmp" of older versions of the program.
void removeStaleTemps(const fs::path& folder, const std::string& name) {
    const std::string prefix = name + ".~";
    for (const std::string& entry : listFolder(folder)) {
        if (entry.size() <= prefix.size() || !SameName(entry.substr(0, prefix.size()), prefix)) continue;
        const std::string rest = entry.substr(prefix.size());
        bool stale = SameName(rest, "tmp");
        if (!stale && rest.size() > 4 && SameName(rest.substr(rest.size() - 4), ".tmp")) {
            const std::string pid = rest.substr(0, rest.size() - 4);
            stale = std::all_of(pid.begin(), pid.end(), [](char c) { return c >= '0' && c <= '9'; });
        }
        if (!stale) continue;
        const fs::path p = (folder.empty() ? fs::path(".") : folder) / entry;
        std::error_code ec;
        if (fs::is_regular_file(fs::symlink_status(p, ec))) {
            detail::CloseFilesOnPath(p);
            detail::InhaltVergessen(p);
            fs::remove(p, ec);
        }
    }
}
} // namespace

bool ReplaceDurably(const fs::path& temp, const fs::path& target) noexcept {
    if (!syncPath(temp, false)) return false;
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) return false;
    const fs::path folder = target.parent_path();
    return syncPath(folder.empty() ? fs::path(".") : folder, true);
}

namespace {
enum class Replace { Durably, DurablyWhenChanged, Quickly };

// The whole content of a regular file, or nullopt when it cannot be read.
std::optional<std::string> contentOf(const fs::path& p) {
    const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        bytes.emplace(static_cast<size_t>(st.st_size), '\0');
        size_t have = 0;
        while (have < bytes->size()) {
            const ssize_t n = ::read(fd, bytes->data() + have, bytes->size() - have);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            have += static_cast<size_t>(n);
        }
        if (have != bytes->size()) bytes.reset();
    }
    ::close(fd);
    return bytes;
}

// Writes the bytes over the file's own content (its inode, which other names share), flushed to the disk.
bool writeInPlace(const fs::path& p, const std::string& bytes) {
    detail::InhaltVergessen(p);
    const int fd = ::open(p.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    bool ok = done == bytes.size() && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
    ok = ::fsync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

// A file the user has made read-only: no write permission in its mode (for anyone), or none for this process.
bool readOnly(const fs::path& p, const struct stat& st) {
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(p.c_str(), W_OK) != 0;
}

void saveReplacing(std::string_view target, const std::function<void(const std::string& tempName)>& write,
                   Replace how) {
    fs::path final = Resolve(target);
    std::error_code ec;
    if (target.empty() || fs::is_directory(final, ec))
        fail(75, "Path/File access error: " + std::string(target));
    const bool kept = how != Replace::Quickly; // a file the user keeps
    if (kept) {
        // A symbolic link stays: what it points to (through every link of a chain) gets the new bytes.
        for (int k = 0; fs::is_symlink(fs::symlink_status(final, ec)); ++k) {
            const fs::path to = fs::read_symlink(final, ec);
            if (ec || k == 40) fail(75, "Path/File access error: " + std::string(target));
            final = to.is_absolute() ? to : final.parent_path() / to;
        }
        if (fs::is_directory(final, ec)) fail(75, "Path/File access error: " + std::string(target));
    }
    struct stat old {};
    const bool vorhanden = kept && ::stat(final.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    if (vorhanden && readOnly(final, old)) throw ReadOnlyFile(final.string());
    fs::path folder = final.parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec)) fail(76, "Path not found: " + std::string(target));
    // One name per target, so that a save cut short leaves at most one temporary file, which the next
    // save of the file removes.
    removeStaleTemps(folder, final.filename().string());
    fs::path temp = folder / (final.filename().string() + ".~tmp");
    try {
        try {
            write(temp.string());
        } catch (const WriteError& e) {
            throw WriteError(e.diskFull(), final.string()); // the file that could not be saved
        }
        // a number the writer left open is closed here; a failure to write out its rest (a full
        // disk) must not put a cut file in place of the old one
        if (!detail::CloseFilesOnPath(temp)) throw WriteError(true, final.string());
        if (!present(temp)) fail(75, "Path/File access error: " + std::string(target));
        if (how == Replace::DurablyWhenChanged && present(final)) {
            const std::optional<std::string> neu = contentOf(temp);
            if (neu && neu == contentOf(final)) {
                // the file already holds exactly these bytes: it stays as it is
                detail::InhaltVergessen(temp);
                fs::remove(temp, ec);
                return;
            }
        }
        if (vorhanden) {
            // The new file keeps the old one's permissions (and, where this process may give them, its
            // owner), not those of a file made anew.
            if (::chmod(temp.c_str(), old.st_mode & 07777) != 0)
                fail(75, "Path/File access error: " + std::string(target));
            if (::geteuid() == 0 && ::chown(temp.c_str(), old.st_uid, old.st_gid) != 0) {
                // a file system without owners keeps the new file's
            }
        }
        if (vorhanden && old.st_nlink > 1) {
            // A file with further (hard) links: its content is replaced in place, so that every name keeps
            // showing it. The new content is complete in the temporary file first; should writing it over the
            // old one fail half way, the old content is written back.
            const std::optional<std::string> neu = contentOf(temp);
            const std::optional<std::string> alt = contentOf(final);
            if (!neu || !alt) fail(75, "Path/File access error: " + std::string(target));
            if (!writeInPlace(final, *neu)) {
                writeInPlace(final, *alt);
                throw WriteError(true, final.string());
            }
            detail::InhaltVergessen(temp);
            fs::remove(temp, ec);
            return;
        }
        // the file the new one takes the place of goes; the new one keeps its known content
        detail::InhaltVergessen(final);
        struct stat neu {};
        const bool bekannt = ::lstat(temp.c_str(), &neu) == 0 && detail::InhaltBekannt(neu);
        if (how != Replace::Quickly) {
            if (!ReplaceDurably(temp, final)) fail(75, "Path/File access error: " + std::string(target));
        } else {
            fs::rename(temp, final, ec);
            if (ec) fail(75, "Path/File access error: " + std::string(target));
        }
        if (bekannt) detail::InhaltUmbenannt(neu, final);
    } catch (...) {
        detail::CloseFilesOnPath(temp);
        detail::InhaltVergessen(temp);
        fs::remove(temp, ec);
        throw;
    }
}
} // namespace

void SaveReplacing(std::string_view target, const std::function<void(const std::string& tempName)>& write) {
    saveReplacing(target, write, Replace::Durably);
}

void SaveReplacingWhenChanged(std::string_view target,
                              const std::function<void(const std::string& tempName)>& write) {
    saveReplacing(target, write, Replace::DurablyWhenChanged);
}

void ReplaceWorkingFile(std::string_view target, const std::function<void(const std::string& tempName)>& write) {
    saveReplacing(target, write, Replace::Quickly);
}

// ---- whole files -------------------------------------------------------------------------------
std::string ReadFileBytes(std::string_view name) {
    fs::path p = Resolve(name);
    std::error_code ec;
    if (name.empty() || !fs::is_regular_file(p, ec)) fail(53, "File not found: " + std::string(name));
    detail::FlushFilesOnPath(p);
    const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) fail(75, "Path/File access error: " + std::string(name));
    struct stat st {};
    std::string bytes;
    size_t have = 0;
    size_t want = (::fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0) + 1;
    for (;;) {
        bytes.resize(have + want);
        const ssize_t n = ::read(fd, bytes.data() + have, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            fail(75, "Path/File access error: " + std::string(name));
        }
        have += static_cast<size_t>(n);
        if (static_cast<size_t>(n) < want) break; // the end of the file
        want = std::max<size_t>(want, 65536);
    }
    ::close(fd);
    bytes.resize(have);
    return bytes;
}

void WriteFileBytes(std::string_view name, std::string_view bytes) {
    fs::path p = Resolve(name);
    detail::InhaltVergessen(p);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    if (!out) fail(75, "Path/File access error: " + std::string(name));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) fail(75, "Path/File access error: " + std::string(name));
}

std::string ReadTextFile(std::string_view name) {
    return FromCp1252(ReadFileBytes(name));
}

void ResetFsState() {
    state() = FsState{};
}

} // namespace vb
