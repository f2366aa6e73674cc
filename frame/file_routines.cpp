#include "frame/file_routines.h"

#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

#include <array>
#include <exception>

namespace Anzeigen {

bool DateiExistiert(std::string& name) {
    name = vb::Trim(name);
    int16_t fn = 0;
    try {
        fn = vb::FreeFile();
        vb::Open(name, vb::OpenMode::Input, fn);
        int32_t length = vb::Lof(fn);
        vb::Close(fn);
        return length >= 1;
    } catch (const std::exception&) {
        try {
            if (fn > 0) vb::Close(fn);
        } catch (const std::exception&) {
        }
        return false;
    }
}

bool PfadExistiert(const std::string& path) {
    try {
        return vb::FolderExists(path) || vb::FileExists(path);
    } catch (const std::exception&) {
        return false;
    }
}

void PfadNormieren(std::string& path) {
    path = vb::Trim(path);
    // There are no drives here: a bare drive stands for the current folder, as an empty text does.
    if (path.empty() || path.back() == ':') path = vb::CurDir();
    if (path.empty() || path.back() != vb::PathSep) path += vb::PathSep;
}

std::string NurDateiName(std::string& pathAndName) {
    pathAndName = vb::Trim(pathAndName);
    size_t k = pathAndName.rfind(vb::PathSep);
    return k == std::string::npos ? pathAndName : pathAndName.substr(k + 1);
}

std::string NurPfad(std::string& pathAndName) {
    pathAndName = vb::Trim(pathAndName);
    size_t k = pathAndName.rfind(vb::PathSep);
    return k == std::string::npos ? std::string() : pathAndName.substr(0, k + 1);
}

std::string Erweiterung(std::string& name) {
    name = vb::Trim(name);
    size_t k = name.find('.');
    return k == std::string::npos ? std::string() : name.substr(k + 1);
}

std::string OhneErweiterung(std::string& name) {
    name = vb::Trim(name);
    size_t k = name.find('.');
    return k == std::string::npos ? name : name.substr(0, k);
}

std::string MitBackslash(const std::string& path) {
    std::string t = vb::Trim(path);
    if (t.empty()) return t;
    if (t.back() != vb::PathSep) t += vb::PathSep;
    return t;
}

void SystemErweiterung(const std::string& ext, bool& flag) {
    static constexpr std::array<const char*, 22> kExcluded = {
        "EXE", "AUS", "BAK", "BAS", "BAT", "BP1", "BPF", "DAT", "DIR", "DLL", "DRV",
        "FRM", "FRX", "GID", "GL1", "GL2", "QUM", "HLP", "LOG", "MDB", "OLB", "VBP"};
    flag = false;
    for (const char* e : kExcluded)
        if (ext == e) flag = true;
}

void UmlauteWandeln(std::string& text) {
    vb::UmlauteWandeln(text);
}

void ZeichenErsetzen(std::string& text, const std::string& find, const std::string& repl) {
    // An empty text to find would be found everywhere, an empty replacement changes nothing.
    if (find.empty() || repl.empty()) return;
    std::string with = vb::Left(repl, 1);
    int32_t pos = vb::InStr(text, find);
    while (pos > 0) {
        vb::MidAssign(text, pos, 1, with);
        if (pos >= vb::Len(text)) break;
        pos = vb::InStr(pos + 1, text, find);
    }
}

} // namespace Anzeigen
