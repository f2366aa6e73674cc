#pragma once
// Errors of the runtime layer and of a calculation run.
#include <stdexcept>
#include <string>
#include <utility>

namespace vb {

// A trappable run-time error with its Visual-Basic error number
// (6 overflow, 9 subscript out of range, 13 type mismatch, 52 bad file name or number,
// 53 file not found, 55 file already open, 62 input past end of file, 70 permission denied,
// 75 path/file access error, 76 path not found).
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// A file could not be written out: its disk (or the user's quota on it) is full (61), or the device failed
// (57). `path` is the file on disk.
class WriteError : public RuntimeError {
public:
    WriteError(bool diskFull, const std::string& path)
        : RuntimeError(diskFull ? 61 : 57, (diskFull ? "Disk full: " : "Device I/O error: ") + path), path_(path) {}
    bool diskFull() const { return number() == 61; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// A file the user keeps is to be replaced while it is read-only (no write permission in its mode) (70).
class ReadOnlyFile : public RuntimeError {
public:
    explicit ReadOnlyFile(const std::string& path) : RuntimeError(70, "Read-only file: " + path), path_(path) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The program waited for the user and the headless backend's script had no action left (a test's fault,
// platform/forms/headless.h). No error trap of the program may take it for an error of its own.
class ScriptExhausted : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

} // namespace vb

namespace zor {

// Abandons the calculation in progress: the caller shows the message and returns to the
// main window; project data in memory and on disk stay as they were before the request.
class CalcAbort : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A stage produced a value that is no number (NaN or infinity) where a result leaves it. `Groesse` names
// the quantity (or the line of the file it was to be written to); the run driver abandons the run with the
// load case and the stage.
class KeinZahlenwert : public CalcAbort {
public:
    explicit KeinZahlenwert(std::string groesse)
        : CalcAbort("Kein Zahlenwert: " + groesse), groesse_(std::move(groesse)) {}
    const std::string& Groesse() const { return groesse_; }

private:
    std::string groesse_;
};

} // namespace zor
