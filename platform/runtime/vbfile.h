#pragma once
// Sequential text files under file numbers, as Visual Basic's Open / Write # / Input # / Print # /
// Line Input / Close. Text is UTF-8 in the program and Windows-1252 with CR LF on disk; readers accept
// LF or CR LF. Every name goes through the Windows-name resolver (winfs.h).
//
//   int16_t f = vb::FreeFile();
//   vb::Open("ZORZ2", vb::OpenMode::Output, f);
//   vb::Write(f, n, "text", 1.5f);                       // 3,"text",1.5
//   vb::Close(f);
//   vb::Open("LPTZW", vb::OpenMode::Append, 6);
//   vb::Print(6, vb::Tab(13), "Kote", z, vb::Tab(40), "Pos. ", name); // line ends
//   vb::PrintNoEol(6, "E = ");                             // as with a trailing ";"
//   vb::Open("ZORZ2", vb::OpenMode::Input, f);
//   vb::Input(f, n, text, x);
//
// Errors are vb::RuntimeError: 52 bad file number, 53 file not found, 54 bad file mode, 55 file
// already open, 62 input past end of file, 13 type mismatch, 6 overflow, 75 path/file access error; a
// write the file cannot take is vb::WriteError naming the file (61 disk full or quota reached, 57 device
// I/O error).
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace vb {

enum class OpenMode { Input, Output, Append, Binary };

// ---- the file table ------------------------------------------------------------------------
inline constexpr int16_t MaxFileNumber = 511;
int16_t FreeFile();                                          // lowest unused number 1..511 (none: error 67)
void Open(std::string_view name, OpenMode mode, int16_t fn); // Output empties/creates, Append creates
void Close(int16_t fn);                                      // closing an unused number does nothing
void CloseAll();                                             // Close without numbers
bool IsOpen(int16_t fn);
bool Eof(int16_t fn);     // no more data to read (Input and Binary)
int32_t Lof(int16_t fn);  // length of the open file in bytes (written data included)
std::string_view InputData(int16_t fn); // the whole content of a file open for Input (error 54 otherwise)
int32_t Seek(int16_t fn); // 1-based byte position of the next read or write
void ResetFileState();    // closes every file and forgets the table (tests)

// A file number held for one block: the file is closed when the block is left, also by an error,
// so that a failed read or write does not keep the number blocked.
//
//   vb::FileGuard d("ZORZ2", vb::OpenMode::Output);   // FreeFile and Open (errors of Open thrown)
//   vb::Write(d.nr(), n);
//   d.Close();                                         // error 61 when the data cannot be written out
//
// Close() closes the file and throws what closing finds; a block that writes calls it at its end,
// so that a failed flush reaches the caller as a RuntimeError (which abandons a calculation with a
// message). The destructor closes a file still open and never throws: it runs when the block is
// left early, by an error already on its way, and an error of its own close is then dropped.
class FileGuard {
public:
    FileGuard(std::string_view name, OpenMode mode);
    explicit FileGuard(int16_t fn); // takes over a number already opened (or to be closed at the end)
    ~FileGuard();
    FileGuard(const FileGuard&) = delete;
    FileGuard& operator=(const FileGuard&) = delete;
    int16_t nr() const { return fn_; }
    void Close();

private:
    int16_t fn_;
    bool offen_ = true;
};

// ---- print items ---------------------------------------------------------------------------
// Tab(n): continue at column n (1-based); n < 1 counts as 1; when the line is already past n the
// text continues at column n of a new line.
struct Tab {
    constexpr explicit Tab(int32_t n) : column(n) {}
    int32_t column;
};
// Spc(n): n blanks.
struct Spc {
    constexpr explicit Spc(int32_t n) : count(n) {}
    int32_t count;
};
struct Zone {}; // the "," between print items: the next zone of 14 columns
inline constexpr Zone NextZone{};

// One item of a Print # list: text as it is; an integer with a sign blank (or "-") in front and one
// blank behind; a single or double as Str with the locale's decimal separator and one blank behind.
class PrintItem {
public:
    enum class Kind { Text, Number, Tab, Spc, Zone };
    PrintItem(std::string_view s) : kind_(Kind::Text), text_(s) {}
    PrintItem(const std::string& s) : kind_(Kind::Text), text_(s) {}
    PrintItem(const char* s) : kind_(Kind::Text), text_(s) {}
    PrintItem(Tab t) : kind_(Kind::Tab), n_(t.column) {}
    PrintItem(Spc s) : kind_(Kind::Spc), n_(s.count) {}
    PrintItem(Zone) : kind_(Kind::Zone) {}
    PrintItem(float v);
    PrintItem(double v);
    template <class T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>) PrintItem(T v)
        : PrintItem(static_cast<long long>(v), 0) {}

    Kind kind() const { return kind_; }
    std::string_view text() const { return kind_ == Kind::Number ? std::string_view(own_) : text_; }
    int32_t count() const { return n_; }

private:
    PrintItem(long long v, int);
    Kind kind_;
    std::string_view text_;
    std::string own_;
    int32_t n_ = 0;
};

// A line being printed, with its column; what Print # does, in memory.
class PrintLine {
public:
    explicit PrintLine(int32_t column = 1) : column_(column) {}
    void add(const PrintItem& item); // appends one item; a Tab back may start a new line ("\r\n")
    void newLine();                  // appends "\r\n"
    const std::string& text() const { return text_; }
    int32_t column() const { return column_; } // 1-based column of the next character

private:
    std::string text_;
    int32_t column_;
};

// The text of a print list as Print # would write it from column 1, without a line end.
std::string PrintToString(std::initializer_list<PrintItem> items);

// Print # fn, items...  (the line ends)  and  Print # fn, items...;  (the line stays open)
void PrintItems(int16_t fn, std::initializer_list<PrintItem> items, bool endLine);
template <class... Items> void Print(int16_t fn, const Items&... items) {
    PrintItems(fn, {PrintItem(items)...}, true);
}
template <class... Items> void PrintNoEol(int16_t fn, const Items&... items) {
    PrintItems(fn, {PrintItem(items)...}, false);
}
int32_t PrintColumn(int16_t fn); // the column where the next printed character goes

// ---- Write # -------------------------------------------------------------------------------
// Items separated by commas, texts in double quotes, numbers in the plain form with "." (".5", "-2",
// "1E-05"), the line ended by CR LF.
class WriteItem {
public:
    WriteItem(std::string_view s);
    WriteItem(const std::string& s) : WriteItem(std::string_view(s)) {}
    WriteItem(const char* s) : WriteItem(std::string_view(s)) {}
    WriteItem(float v);
    WriteItem(double v);
    template <class T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>) WriteItem(T v)
        : text_(std::to_string(static_cast<long long>(v))) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};
void WriteItems(int16_t fn, std::initializer_list<WriteItem> items);
template <class... Items> void Write(int16_t fn, const Items&... items) {
    WriteItems(fn, {WriteItem(items)...});
}

// ---- Input # -------------------------------------------------------------------------------
// Reads item by item, not line by line: blanks before an item are skipped, line ends between items
// too; a text item is quoted (up to the closing quote) or runs to the next comma or line end (blanks
// around it dropped); a number item runs to a comma, blank or line end and is read with or without a
// leading zero (".5", "-.5", "1E+07"); an empty item gives 0 or "". A number item that is not a
// number: error 13; beyond the integer range: error 6; no item left: error 62.
void InputItem(int16_t fn, int16_t& v);
void InputItem(int16_t fn, int32_t& v);
void InputItem(int16_t fn, float& v);
void InputItem(int16_t fn, double& v);
void InputItem(int16_t fn, std::string& v);
template <class... T> void Input(int16_t fn, T&... vars) {
    (InputItem(fn, vars), ...);
}

// Line Input #: the rest of the current line without its end (CR LF, LF or CR); at the end: error 62.
std::string LineInput(int16_t fn);

// ---- blocks by byte position (files opened as Binary) -----------------------------------------
// Up to count raw bytes (Windows-1252, not converted) from the 1-based byte position; fewer at the end.
std::string GetBytes(int16_t fn, int32_t position, int32_t count);
// ---- raw bytes (files opened as Output or Append) ------------------------------------------------
// Writes the bytes as they are (Windows-1252, not converted; line ends are the caller's).
void PutBytes(int16_t fn, std::string_view bytes);

// While on, nothing that holds a value which is no number ("1.#INF", "-1.#INF", "-1.#IND", as the number
// routines print NaN and infinity) is written to a file by Print, Write or PutBytes: zor::KeinZahlenwert is
// thrown instead, naming the file and the line with the value in words. The calculation runs with it on
// (ZahlenwerteWaechter), so that no report or hand-over file of a run carries such a value.
void ZahlenwerteBewachen(bool an);
bool ZahlenwerteBewacht();

// Switches the guard on for its lifetime and back to what it was after.
class ZahlenwerteWaechter {
public:
    ZahlenwerteWaechter() : vorher_(ZahlenwerteBewacht()) { ZahlenwerteBewachen(true); }
    ~ZahlenwerteWaechter() { ZahlenwerteBewachen(vorher_); }
    ZahlenwerteWaechter(const ZahlenwerteWaechter&) = delete;
    ZahlenwerteWaechter& operator=(const ZahlenwerteWaechter&) = delete;

private:
    bool vorher_;
};

} // namespace vb
