#include "platform/runtime/vbfile.h"

#include "platform/runtime/errors.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace fs = std::filesystem;

namespace vb {
namespace {

constexpr size_t kPufferGroesse = 32768; // bytes a writing number collects before it writes them out

// A number's file. The file itself (device and inode) is its identity: two numbers on one file compare
// equal whatever names they were opened under. A number keeps its file open until it is closed (Input
// too), so that the identity cannot pass to another file while the number holds it.
struct OpenFile {
    fs::path path; // as resolved
    dev_t dev = 0;
    ino_t ino = 0;
    OpenMode mode = OpenMode::Input;
    int fd = -1;             // Input, Output, Append
    std::FILE* fp = nullptr; // Binary
    std::string data;        // Input: the whole file; Output and Append: bytes not yet written out
    size_t pos = 0;          // Input and Binary: next byte
    int32_t column = 1;      // Output and Append: column of the next printed character
    // Output writes over the former content of the file instead of emptying it at Open (emptying a file
    // and writing it again makes some file systems write it to the disk at once, which costs a multiple
    // of the writing itself); what is left of the former content behind the written bytes is cut off
    // before anyone can see the file: when the number is closed, flushed, measured, or the file is read.
    off_t oldEnd = 0;  // end of the former content not yet cut off (0: none left)
    off_t written = 0; // Output: bytes written out
    int fehler = 0;    // errno of the last write or close that failed
    // Output: the bytes written out so far, kept while the file is small, so that the program knows the
    // content of the file it has written when it reads it again (kennen = false: not kept).
    bool kennen = false;
    std::string geschrieben;

    bool writes() const { return mode != OpenMode::Input; }
    bool sameFile(const struct stat& st) const { return dev == st.st_dev && ino == st.st_ino; }

    // Writes out what the number holds and cuts off the former content behind the written bytes; false
    // when the file cannot take the rest or cannot be cut.
    bool writeOut() {
        if (fp) return std::fflush(fp) == 0;
        if (!writes() || fd < 0) return true;
        const size_t done = writeAll(data);
        const bool ok = done == data.size();
        data.erase(0, done);
        if (ok && oldEnd > 0) {
            const bool cut = oldEnd > written;
            oldEnd = 0;
            if (cut && ::ftruncate(fd, written) != 0) return false;
        }
        return ok;
    }
    // Writes bytes to the file at once (what the number collected must be written out before); the
    // number of bytes written.
    size_t writeAll(std::string_view bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) fehler = errno;
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        written += static_cast<off_t>(done);
        if (kennen) merkeGeschrieben(bytes.substr(0, done));
        return done;
    }
    void merkeGeschrieben(std::string_view bytes);
    // Closes the file; false when writing out the rest or closing fails.
    bool close() {
        bool ok = writeOut();
        if (ok && kennen && fehler == 0 && fd >= 0) inhaltMerken();
        kennen = false;
        geschrieben.clear();
        if (fp && std::fclose(fp) != 0) {
            ok = false;
            fehler = errno;
        }
        fp = nullptr;
        if (fd >= 0 && ::close(fd) != 0 && writes()) {
            ok = false;
            fehler = errno;
        }
        fd = -1;
        data.clear();
        return ok;
    }
    void inhaltMerken();
    ~OpenFile() { close(); }
};

// ---- contents the program knows ------------------------------------------------------------------
// The working files of a run are written by one stage and read again and again by the later ones. The
// program keeps the content of a small file it has written itself (through a number for Output) and
// gives it to a later Input without reading the file, as long as the file is the one it wrote: the same
// file (device and inode), size, time of the last change of the content and of the file. Every change
// the program makes itself through this layer (Open for writing, Kill, FileCopy, Name, a save) forgets
// the content before it is made; a change from elsewhere changes the file's times.
constexpr size_t kInhaltGroesse = size_t{1} << 20;   // largest content kept (bytes)
constexpr size_t kInhalteGesamt = size_t{16} << 20; // all contents together

struct Inhalt {
    off_t size = 0;
    struct timespec mtime {};
    struct timespec ctime {};
    std::string data;
};
struct InhaltSchluessel {
    dev_t dev;
    ino_t ino;
    bool operator==(const InhaltSchluessel&) const = default;
};
struct InhaltHash {
    size_t operator()(const InhaltSchluessel& k) const noexcept {
        return std::hash<uint64_t>()(static_cast<uint64_t>(k.ino) * 0x9E3779B97F4A7C15ull ^
                                     static_cast<uint64_t>(k.dev));
    }
};
struct Inhalte {
    std::unordered_map<InhaltSchluessel, Inhalt, InhaltHash> dateien;
    size_t bytes = 0;
};
Inhalte& inhalte() {
    static Inhalte i;
    return i;
}

bool gleicheZeit(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

void inhaltVergessen(dev_t dev, ino_t ino) {
    Inhalte& in = inhalte();
    if (in.dateien.empty()) return;
    const auto it = in.dateien.find({dev, ino});
    if (it == in.dateien.end()) return;
    in.bytes -= it->second.data.size();
    in.dateien.erase(it);
}

// The content kept for the file of this status, or nullptr when the file is not the one written.
const std::string* inhaltVon(const struct stat& st) {
    Inhalte& in = inhalte();
    if (in.dateien.empty() || !S_ISREG(st.st_mode)) return nullptr;
    const auto it = in.dateien.find({st.st_dev, st.st_ino});
    if (it == in.dateien.end()) return nullptr;
    const Inhalt& i = it->second;
    if (i.size != st.st_size || !gleicheZeit(i.mtime, st.st_mtim) || !gleicheZeit(i.ctime, st.st_ctim))
        return nullptr;
    return &i.data;
}

void inhaltEintragen(const struct stat& st, std::string data) {
    inhaltVergessen(st.st_dev, st.st_ino);
    if (!S_ISREG(st.st_mode) || static_cast<size_t>(st.st_size) != data.size() || data.size() > kInhaltGroesse)
        return;
    Inhalte& in = inhalte();
    if (in.bytes + data.size() > kInhalteGesamt) {
        in.dateien.clear();
        in.bytes = 0;
    }
    in.bytes += data.size();
    in.dateien[{st.st_dev, st.st_ino}] = Inhalt{st.st_size, st.st_mtim, st.st_ctim, std::move(data)};
}

void OpenFile::merkeGeschrieben(std::string_view bytes) {
    if (geschrieben.size() + bytes.size() > kInhaltGroesse) {
        kennen = false;
        geschrieben.clear();
        geschrieben.shrink_to_fit();
        return;
    }
    geschrieben.append(bytes);
}

// At the close of a number for Output whose writes all went to the file: its content, with the file's
// status after the last write.
void OpenFile::inhaltMerken() {
    struct stat st {};
    if (mode != OpenMode::Output || ::fstat(fd, &st) != 0 || st.st_dev != dev || st.st_ino != ino ||
        static_cast<off_t>(geschrieben.size()) != written)
        return;
    inhaltEintragen(st, std::move(geschrieben));
}

struct FileTable {
    std::array<std::unique_ptr<OpenFile>, MaxFileNumber + 1> files;
    size_t end = 1; // one past the highest number used since the table was reset
};
constinit FileTable gTable; // initialised at compile time: no guard on each use
FileTable& table() {
    return gTable;
}

// The numbers that may be in use.
std::span<std::unique_ptr<OpenFile>> used() {
    FileTable& t = table();
    return std::span(t.files).subspan(1, t.end - 1);
}

[[noreturn]] void fail(int number, const std::string& what) {
    throw RuntimeError(number, what);
}

// The file of a number could not take what was written: a full disk (no space, or the quota reached; also a
// write that took nothing without an error) or a failing device.
[[noreturn]] void writeFailed(const OpenFile& f) {
    throw WriteError(f.fehler == 0 || f.fehler == ENOSPC || f.fehler == EDQUOT, f.path.string());
}

void checkNumber(int16_t fn) {
    if (fn < 1 || fn > MaxFileNumber) fail(52, "Bad file name or number");
}

OpenFile& get(int16_t fn) {
    checkNumber(fn);
    auto& f = table().files[static_cast<size_t>(fn)];
    if (!f) fail(52, "Bad file name or number");
    return *f;
}

OpenFile& getWritable(int16_t fn) {
    OpenFile& f = get(fn);
    if (f.mode != OpenMode::Output && f.mode != OpenMode::Append) fail(54, "Bad file mode");
    return f;
}

OpenFile& getInput(int16_t fn) {
    OpenFile& f = get(fn);
    if (f.mode != OpenMode::Input) fail(54, "Bad file mode");
    return f;
}

void writeBytes(OpenFile& f, std::string_view bytes) {
    if (bytes.size() >= kPufferGroesse) {
        // a large block goes to the file as it is, after what is collected
        if (!f.writeOut() || f.writeAll(bytes) != bytes.size()) writeFailed(f);
        return;
    }
    f.data.append(bytes);
    if (f.data.size() >= kPufferGroesse && !f.writeOut()) writeFailed(f);
}

bool zahlenwerteWaechter = false;

// Where the text holds a value that is no number as the number routines print one ("1.#INF", "-1.#INF",
// "-1.#IND", with "," for "." where the decimal separator is a comma): the position of "#IN", or npos.
size_t sonderwertStelle(std::string_view t, size_t ab = 0) {
    for (size_t k = t.find("#IN", ab); k != std::string_view::npos; k = t.find("#IN", k + 1))
        if (k >= 2 && t[k - 2] == '1' && k + 3 < t.size() && (t[k + 3] == 'D' || t[k + 3] == 'F')) return k;
    return std::string_view::npos;
}

// A text holding such a value is refused while the guard is on; the value is named in words in the message.
void zahlenwertePruefen(const OpenFile& f, std::string_view utf8) {
    if (!zahlenwerteWaechter || sonderwertStelle(utf8) == std::string_view::npos) return;
    std::string zeile(utf8);
    for (size_t k = sonderwertStelle(zeile); k != std::string::npos; k = sonderwertStelle(zeile, k)) {
        const size_t anfang = k >= 3 && zeile[k - 3] == '-' ? k - 3 : k - 2;
        const bool blank = anfang == 0 || zeile[anfang - 1] == ' ' || zeile[anfang - 1] == ',';
        zeile.replace(anfang, k + 4 - anfang, blank ? "(keine Zahl)" : " (keine Zahl)");
        k = anfang;
    }
    while (!zeile.empty() && (zeile.back() == '\r' || zeile.back() == '\n'))
        zeile.pop_back();
    zeile = Trim(zeile);
    if (Len(zeile) > 70) zeile = Left(zeile, 67) + "...";
    throw zor::KeinZahlenwert("\"" + zeile + "\" (Datei \"" + f.path.filename().string() + "\")");
}

void writeRaw(OpenFile& f, std::string_view utf8) {
    zahlenwertePruefen(f, utf8);
    bool ascii = true;
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) {
        writeBytes(f, utf8);
        return;
    }
    writeBytes(f, ToCp1252(utf8));
}

// The whole content of an open regular file of about sizeHint bytes into data; false when it cannot be
// read. A read that returns less than asked for has reached the end of the file.
bool readWhole(int fd, off_t sizeHint, std::string& data) {
    size_t have = 0;
    size_t want = static_cast<size_t>(std::max<off_t>(sizeHint, 0)) + 1;
    for (;;) {
        data.resize(have + want);
        const ssize_t n = ::read(fd, data.data() + have, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            data.clear();
            return false;
        }
        have += static_cast<size_t>(n);
        if (static_cast<size_t>(n) < want) break;
        want = std::max<size_t>(want, 65536);
    }
    data.resize(have);
    return true;
}

// The file a path names (symbolic links followed); false when there is none.
bool fileOf(const fs::path& p, struct stat& st) {
    return ::stat(p.c_str(), &st) == 0;
}

bool irgendeineOffen(bool nurSchreibend) {
    for (const auto& f : used())
        if (f && (!nurSchreibend || f->writes())) return true;
    return false;
}

// ---- Input # scanning ------------------------------------------------------------------------
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

void skipLineEnd(OpenFile& f) {
    const std::string& d = f.data;
    if (f.pos < d.size() && d[f.pos] == '\r') {
        ++f.pos;
        if (f.pos < d.size() && d[f.pos] == '\n') ++f.pos;
    } else if (f.pos < d.size() && d[f.pos] == '\n') {
        ++f.pos;
    }
}

// Skips blanks and line ends before an item; no item left: error 62.
void skipToItem(OpenFile& f) {
    const std::string& d = f.data;
    while (f.pos < d.size() && (isSpace(d[f.pos]) || isLineEnd(d[f.pos])))
        ++f.pos;
    if (f.pos >= d.size()) fail(62, "Input past end of file");
}

// After an item: blanks, then the comma or the line end that ends it.
void skipDelimiter(OpenFile& f) {
    const std::string& d = f.data;
    while (f.pos < d.size() && isSpace(d[f.pos]))
        ++f.pos;
    if (f.pos < d.size() && d[f.pos] == ',')
        ++f.pos;
    else
        skipLineEnd(f);
}

struct RawItem {
    std::string text; // raw bytes (Windows-1252)
    bool quoted = false;
};

// One item; numbers end also at a blank.
RawItem readItem(OpenFile& f, bool number) {
    skipToItem(f);
    const std::string& d = f.data;
    RawItem item;
    if (d[f.pos] == '"') {
        item.quoted = true;
        size_t end = d.find('"', f.pos + 1);
        if (end == std::string::npos) end = d.size();
        item.text = d.substr(f.pos + 1, end - f.pos - 1);
        f.pos = std::min(end + 1, d.size());
        // anything up to the delimiter is not part of the item
        while (f.pos < d.size() && d[f.pos] != ',' && !isLineEnd(d[f.pos]))
            ++f.pos;
        skipDelimiter(f);
        return item;
    }
    size_t start = f.pos;
    while (f.pos < d.size() && d[f.pos] != ',' && !isLineEnd(d[f.pos]) && !(number && isSpace(d[f.pos])))
        ++f.pos;
    item.text = d.substr(start, f.pos - start);
    while (!item.text.empty() && isSpace(item.text.back()))
        item.text.pop_back();
    skipDelimiter(f);
    return item;
}

// The text of a number item, checked; "" for an empty item.
std::string readNumberText(int16_t fn) {
    OpenFile& f = getInput(fn);
    RawItem item = readItem(f, true);
    std::string t = Trim(item.text);
    if (!t.empty() && !IsNumeric(t)) fail(13, "Type mismatch");
    return t;
}

// The single of an unquoted number item made only of an optional sign, digits and one point (the form
// every single is written in): what ValSingle makes of the item, read without building its text. False,
// with the file where it was, for every other item; the general reading then takes it.
bool readPlainSingle(int16_t fn, float& v) {
    OpenFile& f = getInput(fn);
    const char* const d = f.data.data();
    const size_t size = f.data.size();
    size_t i = f.pos;
    while (i < size && (isSpace(d[i]) || isLineEnd(d[i])))
        ++i;
    const size_t start = i;
    bool neg = false;
    if (i < size && (d[i] == '+' || d[i] == '-')) neg = d[i++] == '-';
    const size_t first = i;
    // Up to 7 significant digits and 10 decimals: the digits and the power of ten are exact singles, so
    // their quotient is the correctly rounded value, as from_chars gives it.
    uint32_t m = 0;
    int stellen = 0, nachkomma = 0;
    bool digit = false, point = false;
    for (; i < size; ++i) {
        const char c = d[i];
        if (c >= '0' && c <= '9') {
            digit = true;
            if (point) ++nachkomma;
            if (m == 0 && c == '0') continue;
            m = m * 10 + static_cast<uint32_t>(c - '0');
            ++stellen;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    // The item must end here: at a blank, a comma, a line end or the end of the file.
    if (!digit || i == start || (i < size && d[i] != ',' && !isLineEnd(d[i]) && !isSpace(d[i]))) return false;
    float r{};
    static constexpr float kZehner[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    if (stellen <= 7 && nachkomma <= 10) {
        r = static_cast<float>(m) / kZehner[nachkomma];
    } else {
        const auto res = std::from_chars(d + first, d + i, r, std::chars_format::general);
        if (res.ec != std::errc() || res.ptr != d + i || std::isinf(r)) return false;
    }
    v = neg ? -r : r;
    f.pos = i;
    skipDelimiter(f);
    return true;
}

double readNumber(int16_t fn) {
    return Val(readNumberText(fn));
}

} // namespace

namespace detail {
fs::path ResolveStat(std::string_view name, struct stat& st, bool& found);

bool CloseFilesOnPath(const fs::path& p) {
    if (!irgendeineOffen(false)) return true;
    struct stat st {};
    if (!fileOf(p, st)) return true;
    bool ok = true;
    for (auto& f : used())
        if (f && f->sameFile(st)) {
            if (!f->close()) ok = false;
            f.reset();
        }
    return ok;
}

void InhaltVergessen(const fs::path& p) {
    if (inhalte().dateien.empty()) return;
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) return;
    inhaltVergessen(st.st_dev, st.st_ino);
    if (S_ISLNK(st.st_mode) && fileOf(p, st)) inhaltVergessen(st.st_dev, st.st_ino);
}

bool InhaltBekannt(const struct stat& st) {
    return inhaltVon(st) != nullptr;
}

void InhaltUmbenannt(const struct stat& vorher, const fs::path& neu) {
    const std::string* bekannt = inhaltVon(vorher);
    if (!bekannt) return;
    std::string data = *bekannt;
    inhaltVergessen(vorher.st_dev, vorher.st_ino);
    struct stat st {};
    if (::lstat(neu.c_str(), &st) != 0 || st.st_dev != vorher.st_dev || st.st_ino != vorher.st_ino ||
        st.st_size != vorher.st_size || !gleicheZeit(st.st_mtim, vorher.st_mtim))
        return;
    inhaltEintragen(st, std::move(data));
}

void FlushFilesOnPath(const fs::path& p) {
    if (!irgendeineOffen(true)) return;
    struct stat st {};
    if (!fileOf(p, st)) return;
    for (auto& f : used())
        if (f && f->writes() && f->sameFile(st)) f->writeOut();
}
} // namespace detail

// ---- the file table ----------------------------------------------------------------------------
int16_t FreeFile() {
    for (int16_t i = 1; i <= MaxFileNumber; ++i)
        if (!table().files[static_cast<size_t>(i)]) return i;
    fail(67, "Too many files");
}

void Open(std::string_view name, OpenMode mode, int16_t fn) {
    checkNumber(fn);
    FileTable& t = table();
    auto& slot = t.files[static_cast<size_t>(fn)];
    if (slot) fail(55, "File already open");
    if (Trim(name).empty()) fail(75, "Path/File access error");
    auto f = std::make_unique<OpenFile>();
    struct stat st {};
    bool present = false;
    f->path = detail::ResolveStat(name, st, present);
    f->mode = mode;
    if (present && S_ISDIR(st.st_mode)) fail(75, "Path/File access error: " + std::string(name));
    // a file open for writing cannot be opened again; one open for reading cannot be written
    if (present)
        for (auto& other : used())
            if (other && other->sameFile(st) && (mode != OpenMode::Input || other->mode != OpenMode::Input))
                fail(55, "File already open: " + std::string(name));
    const bool regular = present && S_ISREG(st.st_mode);
    std::error_code ec;
    fs::path parent = f->path.parent_path();
    if (!regular && !parent.empty() && !fs::is_directory(parent, ec))
        fail(76, "Path not found: " + std::string(name));
    switch (mode) {
    case OpenMode::Input: {
        if (!regular) fail(53, "File not found: " + std::string(name));
        // what a number open for writing on the file still holds goes to the disk first
        bool schreibend = false;
        for (auto& other : used())
            if (other && other->writes() && other->sameFile(st)) {
                other->writeOut();
                schreibend = true;
            }
        if (!schreibend)
            if (const std::string* bekannt = inhaltVon(st)) {
                // the file as the program wrote it
                f->data = *bekannt;
                break;
            }
        f->fd = ::open(f->path.c_str(), O_RDONLY | O_CLOEXEC);
        if (f->fd < 0 || !readWhole(f->fd, st.st_size, f->data))
            fail(75, "Path/File access error: " + std::string(name));
        break;
    }
    case OpenMode::Output:
    case OpenMode::Append: {
        if (present) inhaltVergessen(st.st_dev, st.st_ino);
        f->kennen = mode == OpenMode::Output;
        const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == OpenMode::Append ? O_APPEND : 0);
        f->fd = ::open(f->path.c_str(), flags, 0666);
        if (f->fd < 0) fail(75, "Path/File access error: " + std::string(name));
        if (!regular && ::fstat(f->fd, &st) != 0) fail(75, "Path/File access error: " + std::string(name));
        if (mode == OpenMode::Output && regular) f->oldEnd = st.st_size;
        break;
    }
    case OpenMode::Binary:
        if (present) inhaltVergessen(st.st_dev, st.st_ino);
        f->fp = std::fopen(f->path.c_str(), present ? "r+b" : "w+b");
        if (!f->fp && present) f->fp = std::fopen(f->path.c_str(), "rb");
        if (!f->fp) fail(75, "Path/File access error: " + std::string(name));
        if (::fstat(::fileno(f->fp), &st) != 0) fail(75, "Path/File access error: " + std::string(name));
        break;
    }
    f->dev = st.st_dev;
    f->ino = st.st_ino;
    if (f->writes()) inhaltVergessen(st.st_dev, st.st_ino); // a file made by the open
    slot = std::move(f);
    t.end = std::max(t.end, static_cast<size_t>(fn) + 1);
}

void Close(int16_t fn) {
    if (fn < 1 || fn > MaxFileNumber) return;
    auto& slot = table().files[static_cast<size_t>(fn)];
    if (!slot) return;
    const bool ok = slot->close();
    const std::unique_ptr<OpenFile> f = std::move(slot);
    if (!ok) writeFailed(*f);
}

FileGuard::FileGuard(std::string_view name, OpenMode mode) : fn_(FreeFile()) {
    Open(name, mode, fn_);
}

FileGuard::FileGuard(int16_t fn) : fn_(fn) {}

FileGuard::~FileGuard() {
    if (!offen_) return;
    try {
        vb::Close(fn_);
    } catch (...) {
        // The block is being left by another error; that one is reported.
    }
}

void FileGuard::Close() {
    if (!offen_) return;
    offen_ = false;
    vb::Close(fn_);
}

void CloseAll() {
    // every number is closed even when one of them fails; the first failure is reported afterwards
    std::optional<RuntimeError> first;
    for (int16_t i = 1; i <= MaxFileNumber; ++i) {
        try {
            Close(i);
        } catch (const RuntimeError& e) {
            if (!first) first = e;
        }
    }
    if (first) throw *first;
}

bool IsOpen(int16_t fn) {
    return fn >= 1 && fn <= MaxFileNumber && table().files[static_cast<size_t>(fn)];
}

bool Eof(int16_t fn) {
    OpenFile& f = get(fn);
    switch (f.mode) {
    case OpenMode::Input:
        return f.pos >= f.data.size();
    case OpenMode::Binary:
        return static_cast<int32_t>(f.pos) >= Lof(fn);
    default:
        return true;
    }
}

std::string_view InputData(int16_t fn) {
    return getInput(fn).data;
}

int32_t Lof(int16_t fn) {
    OpenFile& f = get(fn);
    if (f.mode == OpenMode::Input) return static_cast<int32_t>(f.data.size());
    // the open file itself, not its name: right also after a change of the current folder
    f.writeOut();
    struct stat st {};
    if (::fstat(f.fp ? ::fileno(f.fp) : f.fd, &st) != 0) return 0;
    return static_cast<int32_t>(std::min<long long>(st.st_size, INT32_MAX));
}

int32_t Seek(int16_t fn) {
    OpenFile& f = get(fn);
    if (f.mode == OpenMode::Input || f.mode == OpenMode::Binary) return static_cast<int32_t>(f.pos) + 1;
    f.writeOut();
    // Output writes from the start, Append at the end of the file
    const off_t p = ::lseek(f.fd, 0, f.mode == OpenMode::Append ? SEEK_END : SEEK_CUR);
    return static_cast<int32_t>(std::min<off_t>(std::max<off_t>(p, 0), INT32_MAX - 1)) + 1;
}

void ResetFileState() {
    for (auto& f : table().files)
        f.reset();
    table().end = 1;
    inhalte() = Inhalte{};
}

// ---- print items ---------------------------------------------------------------------------------
PrintItem::PrintItem(float v) : kind_(Kind::Number) {
    own_ = Str(v);
    char sep = DecimalSeparator();
    for (char& c : own_)
        if (c == '.') c = sep;
    own_ += ' ';
}

PrintItem::PrintItem(double v) : kind_(Kind::Number) {
    own_ = Str(v);
    char sep = DecimalSeparator();
    for (char& c : own_)
        if (c == '.') c = sep;
    own_ += ' ';
}

PrintItem::PrintItem(long long v, int) : kind_(Kind::Number) {
    own_ = v < 0 ? std::to_string(v) : " " + std::to_string(v);
    own_ += ' ';
}

void PrintLine::add(const PrintItem& item) {
    switch (item.kind()) {
    case PrintItem::Kind::Text:
    case PrintItem::Kind::Number: {
        std::string_view t = item.text();
        text_.append(t);
        size_t nl = t.rfind('\n');
        if (nl == std::string_view::npos)
            column_ += Len(t);
        else
            column_ = 1 + Len(t.substr(nl + 1));
        break;
    }
    case PrintItem::Kind::Tab: {
        int32_t n = std::max(item.count(), 1);
        if (column_ > n) newLine();
        text_.append(static_cast<size_t>(n - column_), ' ');
        column_ = n;
        break;
    }
    case PrintItem::Kind::Spc: {
        int32_t n = std::max(item.count(), 0);
        text_.append(static_cast<size_t>(n), ' ');
        column_ += n;
        break;
    }
    case PrintItem::Kind::Zone: {
        int32_t next = ((column_ - 1) / 14 + 1) * 14 + 1;
        text_.append(static_cast<size_t>(next - column_), ' ');
        column_ = next;
        break;
    }
    }
}

void PrintLine::newLine() {
    text_ += "\r\n";
    column_ = 1;
}

std::string PrintToString(std::initializer_list<PrintItem> items) {
    PrintLine line;
    for (const PrintItem& it : items)
        line.add(it);
    return line.text();
}

void PrintItems(int16_t fn, std::initializer_list<PrintItem> items, bool endLine) {
    OpenFile& f = getWritable(fn);
    PrintLine line(f.column);
    for (const PrintItem& it : items)
        line.add(it);
    if (endLine) line.newLine();
    writeRaw(f, line.text());
    f.column = line.column();
}

void ZahlenwerteBewachen(bool an) {
    zahlenwerteWaechter = an;
}

bool ZahlenwerteBewacht() {
    return zahlenwerteWaechter;
}

void PutBytes(int16_t fn, std::string_view bytes) {
    OpenFile& f = getWritable(fn);
    zahlenwertePruefen(f, bytes);
    writeBytes(f, bytes);
    const size_t nl = bytes.rfind('\n');
    f.column = nl == std::string_view::npos ? f.column + static_cast<int32_t>(bytes.size())
                                            : 1 + static_cast<int32_t>(bytes.size() - nl - 1);
}

int32_t PrintColumn(int16_t fn) {
    return getWritable(fn).column;
}

// ---- Write # -------------------------------------------------------------------------------------
WriteItem::WriteItem(std::string_view s) {
    // A double quote inside would end the item early when the file is read back; it is written as an
    // apostrophe, as the input boxes do with a typed quote.
    text_.reserve(s.size() + 2);
    text_ += '"';
    for (char c : s)
        text_ += (c == '"' ? '\'' : c);
    text_ += '"';
}

WriteItem::WriteItem(float v) : text_(StrPlain(v)) {}
WriteItem::WriteItem(double v) : text_(StrPlain(v)) {}

void WriteItems(int16_t fn, std::initializer_list<WriteItem> items) {
    OpenFile& f = getWritable(fn);
    // one line buffer for every call: a line takes no memory of its own
    thread_local std::string line;
    line.clear();
    bool first = true;
    for (const WriteItem& it : items) {
        if (!first) line += ',';
        line += it.text();
        first = false;
    }
    line += "\r\n";
    writeRaw(f, line);
    f.column = 1;
}

// ---- Input # -------------------------------------------------------------------------------------
void InputItem(int16_t fn, int16_t& v) {
    v = CInt(readNumber(fn));
}
void InputItem(int16_t fn, int32_t& v) {
    v = CLng(readNumber(fn));
}
void InputItem(int16_t fn, float& v) {
    // rounded once from the text, so that every single written in its shortest form comes back unchanged
    if (readPlainSingle(fn, v)) return;
    v = ValSingle(readNumberText(fn));
}
void InputItem(int16_t fn, double& v) {
    v = readNumber(fn);
}

void InputItem(int16_t fn, std::string& v) {
    OpenFile& f = getInput(fn);
    RawItem item = readItem(f, false);
    v = FromCp1252(item.quoted ? item.text : Trim(item.text));
}

std::string LineInput(int16_t fn) {
    OpenFile& f = getInput(fn);
    const std::string& d = f.data;
    if (f.pos >= d.size()) fail(62, "Input past end of file");
    size_t start = f.pos;
    while (f.pos < d.size() && !isLineEnd(d[f.pos]))
        ++f.pos;
    std::string line = d.substr(start, f.pos - start);
    skipLineEnd(f);
    return FromCp1252(line);
}

// ---- blocks --------------------------------------------------------------------------------------
std::string GetBytes(int16_t fn, int32_t position, int32_t count) {
    OpenFile& f = get(fn);
    if (f.mode != OpenMode::Binary) fail(54, "Bad file mode");
    if (position < 1) fail(63, "Bad record number");
    if (count <= 0) return {};
    // never more than the file holds from there: a large block size allocates no more than that
    int32_t available = Lof(fn) - (position - 1);
    if (available <= 0) {
        f.pos = static_cast<size_t>(position - 1);
        return {};
    }
    count = std::min(count, available);
    std::fflush(f.fp);
    if (std::fseek(f.fp, position - 1, SEEK_SET) != 0) fail(75, "Path/File access error");
    std::string buf(static_cast<size_t>(count), '\0');
    size_t got = std::fread(buf.data(), 1, buf.size(), f.fp);
    buf.resize(got);
    f.pos = static_cast<size_t>(position - 1) + got;
    return buf;
}

} // namespace vb
