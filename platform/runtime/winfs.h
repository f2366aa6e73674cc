#pragma once
// Files and folders with the rules of the Windows file system, which the program's file names rely on:
// letter case does not matter and trailing dots (and blanks) of a name are dropped, so "WEXASAVE.",
// "WEXASAVE" and "wexasave" are one file, while "ZOREwid.11" and "ZOREwid." are not. Every open, copy,
// delete and existence test goes through Resolve. Names are UTF-8; relative names are taken from the
// current folder (the process's current folder). The separator is the platform's ("/").
// Errors are vb::RuntimeError with the Visual-Basic numbers (53 file not found, 76 path not found,
// 75 path/file access error, 58 file already exists, 70 permission denied, 5 invalid call).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vb {

inline constexpr char PathSep = '/'; // the folder separator of the platform

// ---- the resolver --------------------------------------------------------------------------
// The path on disk that a Windows-style name denotes. Each component is matched first exactly, then
// without regard to case and trailing dots/blanks (the first match in name order wins). Components
// that do not exist keep the given spelling minus trailing dots/blanks, so a new file is created as
// given. An empty name gives an empty path. A component found by the search of its folder is taken
// again without a search while that entry exists (another spelling of the same name made in the folder
// later is not looked for: Windows cannot hold both).
std::filesystem::path Resolve(std::string_view name);
// The file name as a new file would be created (given spelling, trailing dots and blanks dropped).
std::string CleanName(std::string_view name);
// True when two names denote the same file by the Windows rules (only the names are compared).
bool SameName(std::string_view a, std::string_view b);
// Windows wildcard match of one name against a pattern ("*", "?", case-insensitive; "x.*" also
// matches "x"; a pattern ending in "." matches only names without an extension).
bool MatchPattern(std::string_view pattern, std::string_view name);

// ---- queries -------------------------------------------------------------------------------
bool FileExists(std::string_view name);   // a regular file exists under the name (any length)
bool FolderExists(std::string_view name); // a folder exists under the name
int32_t FileLen(std::string_view name);   // length in bytes; missing: error 53
// Dir(pattern): the first file matching the pattern in its folder (names in case-insensitive order),
// "" when none; Dir() the next one of the same search. withFolders also returns folders (not "." "..").
std::string Dir(std::string_view pattern, bool withFolders = false);
std::string Dir();

// ---- changes -------------------------------------------------------------------------------
void Kill(std::string_view pattern); // deletes every file matching; none: error 53
// (a file still open under a file number is closed first: the number is free afterwards)
void FileCopy(std::string_view src, std::string_view dst);     // copies (overwrites); src missing: error 53
void Name(std::string_view oldName, std::string_view newName); // rename; target exists: error 58
void MkDir(std::string_view path);                             // creates one folder; exists: error 75
void RmDir(std::string_view path);                             // removes an empty folder
void ChDir(std::string_view path); // changes the current folder; missing: error 76
std::string CurDir();              // the current folder (no trailing separator)

// Saves a file the user keeps without risking the old one, even when the power fails: write(tempName)
// writes the temporary file "<target>.~tmp" in the same folder, which is flushed to the disk and then
// replaces the target by a rename; the folder is flushed after it. A temporary file left by an earlier
// save of the same target that was cut short is removed first. When write throws, the flush or the
// rename fails, the temporary file is removed, the old file stays as it was and the error is passed on
// (75; 61 when the rest of a file number left open cannot be written).
//
// What the user keeps is never replaced by what the user did not ask for: a read-only target (no write
// permission in its mode, for anyone or for this process) is refused with ReadOnlyFile (70) before anything
// is written; a symbolic link stays and the file it points to gets the new bytes; a file with further hard
// links gets the new bytes in place (after they are complete in the temporary file), so that every name
// keeps it. The new file keeps the old one's permissions. A full disk is WriteError (61), naming the file.
void SaveReplacing(std::string_view target, const std::function<void(const std::string& tempName)>& write);
// The same for a file the program rewrites whether or not anything changed (settings, lists): a target
// that already holds exactly the bytes written is left as it is, and the temporary file removed.
void SaveReplacingWhenChanged(std::string_view target,
                              const std::function<void(const std::string& tempName)>& write);
// The same for a working file of the program that holds nothing the user keeps: written through the
// temporary file and the rename, so that it is never seen half written, but not flushed to the disk
// (a power failure may leave the old file or an empty one). A link or a read-only file of the name is
// replaced like any other.
void ReplaceWorkingFile(std::string_view target, const std::function<void(const std::string& tempName)>& write);

// The last step of such a save for a temporary file written by other means (paths on disk, not
// resolved): flushes temp to the disk, renames it over target and flushes the folder. False when a
// step fails; temp is then still there when the rename was not done. Never throws.
bool ReplaceDurably(const std::filesystem::path& temp, const std::filesystem::path& target) noexcept;

// ---- whole files (tests and small helpers) -------------------------------------------------
std::string ReadFileBytes(std::string_view name);                   // raw bytes; missing: error 53
void WriteFileBytes(std::string_view name, std::string_view bytes); // creates or overwrites
std::string ReadTextFile(std::string_view name); // Windows-1252 -> UTF-8, line ends kept as they are

void ResetFsState(); // forgets the Dir search in progress

} // namespace vb
