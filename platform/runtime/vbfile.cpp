#include "platform/runtime/vbfile.h"

#include "platform/runtime/errors.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace vb {
namespace {

struct OpenFile {
    fs::path path;     // as resolved
    fs::path identity; // absolute, normalised: two numbers on one file compare equal
    OpenMode mode = OpenMode::Input;
    std::FILE* fp = nullptr; // Output, Append, Binary
    std::string data;        // Input: the whole file
    size_t pos = 0;          // Input and Binary: next byte
    int32_t column = 1;      // Output and Append: column of the next printed character

    ~OpenFile() {
        if (fp) std::fclose(fp);
    }
};

struct FileTable {
    std::array<std::unique_ptr<OpenFile>, MaxFileNumber + 1> files;
};
FileTable& table() {
    static FileTable t;
    return t;
}

[[noreturn]] void fail(int number, const std::string& what) {
    throw RuntimeError(number, what);
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

void writeRaw(OpenFile& f, std::string_view utf8) {
    bool ascii = true;
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) {
        if (!utf8.empty() && std::fwrite(utf8.data(), 1, utf8.size(), f.fp) != utf8.size())
            fail(61, "Disk full");
        return;
    }
    std::string bytes = ToCp1252(utf8);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.fp) != bytes.size())
        fail(61, "Disk full");
}

fs::path identityOf(const fs::path& p) {
    std::error_code ec;
    fs::path a = fs::absolute(p, ec);
    return (ec ? p : a).lexically_normal();
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
    const std::string& d = f.data;
    size_t i = f.pos;
    while (i < d.size() && (isSpace(d[i]) || isLineEnd(d[i])))
        ++i;
    const size_t start = i;
    bool neg = false;
    if (i < d.size() && (d[i] == '+' || d[i] == '-')) neg = d[i++] == '-';
    const size_t first = i;
    bool digit = false, point = false;
    for (; i < d.size(); ++i) {
        const char c = d[i];
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            break;
    }
    // The item must end here: at a blank, a comma, a line end or the end of the file.
    if (!digit || i == start || (i < d.size() && d[i] != ',' && !isLineEnd(d[i]) && !isSpace(d[i])))
        return false;
    float r{};
    const auto res = std::from_chars(d.data() + first, d.data() + i, r, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != d.data() + i || std::isinf(r)) return false;
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
bool CloseFilesOnPath(const fs::path& p) {
    fs::path id = identityOf(p);
    bool ok = true;
    for (auto& f : table().files)
        if (f && f->identity == id) {
            if (f->fp && std::fclose(f->fp) != 0) ok = false;
            f->fp = nullptr;
            f.reset();
        }
    return ok;
}

void FlushFilesOnPath(const fs::path& p) {
    fs::path id = identityOf(p);
    for (auto& f : table().files)
        if (f && f->fp && f->identity == id) std::fflush(f->fp);
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
    auto& slot = table().files[static_cast<size_t>(fn)];
    if (slot) fail(55, "File already open");
    if (Trim(name).empty()) fail(75, "Path/File access error");
    auto f = std::make_unique<OpenFile>();
    f->path = Resolve(name);
    f->identity = identityOf(f->path);
    f->mode = mode;
    std::error_code ec;
    if (fs::is_directory(f->path, ec)) fail(75, "Path/File access error: " + std::string(name));
    // a file open for writing cannot be opened again; one open for reading cannot be written
    for (auto& other : table().files)
        if (other && other->identity == f->identity &&
            (mode != OpenMode::Input || other->mode != OpenMode::Input))
            fail(55, "File already open: " + std::string(name));
    bool present = fs::is_regular_file(f->path, ec);
    fs::path parent = f->path.parent_path();
    if (!present && !parent.empty() && !fs::is_directory(parent, ec))
        fail(76, "Path not found: " + std::string(name));
    switch (mode) {
    case OpenMode::Input: {
        if (!present) fail(53, "File not found: " + std::string(name));
        f->data = ReadFileBytes(f->path.string());
        break;
    }
    case OpenMode::Output:
        f->fp = std::fopen(f->path.c_str(), "wb");
        break;
    case OpenMode::Append:
        f->fp = std::fopen(f->path.c_str(), "ab");
        break;
    case OpenMode::Binary:
        f->fp = std::fopen(f->path.c_str(), present ? "r+b" : "w+b");
        break;
    }
    if (mode != OpenMode::Input && !f->fp) {
        if (mode == OpenMode::Binary && present) f->fp = std::fopen(f->path.c_str(), "rb");
        if (!f->fp) fail(75, "Path/File access error: " + std::string(name));
    }
    slot = std::move(f);
}

void Close(int16_t fn) {
    if (fn < 1 || fn > MaxFileNumber) return;
    auto& slot = table().files[static_cast<size_t>(fn)];
    if (slot && slot->fp) {
        int rc = std::fclose(slot->fp);
        slot->fp = nullptr;
        slot.reset();
        if (rc != 0) fail(61, "Disk full");
        return;
    }
    slot.reset();
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

int32_t Lof(int16_t fn) {
    OpenFile& f = get(fn);
    if (f.mode == OpenMode::Input) return static_cast<int32_t>(f.data.size());
    // the open file itself, not its name: right also after a change of the current folder
    std::fflush(f.fp);
    struct stat st {};
    if (::fstat(::fileno(f.fp), &st) != 0) return 0;
    return static_cast<int32_t>(std::min<long long>(st.st_size, INT32_MAX));
}

int32_t Seek(int16_t fn) {
    OpenFile& f = get(fn);
    if (f.mode == OpenMode::Input || f.mode == OpenMode::Binary) return static_cast<int32_t>(f.pos) + 1;
    std::fflush(f.fp);
    return static_cast<int32_t>(std::ftell(f.fp)) + 1;
}

void ResetFileState() {
    for (auto& f : table().files)
        f.reset();
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
    std::string line;
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
