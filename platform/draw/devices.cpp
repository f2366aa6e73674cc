#include "platform/draw/devices.h"

#include <filesystem>

#include "platform/draw/fonts.h"

namespace vb::draw {

namespace {
struct Devices {
    std::unique_ptr<RecordingSurface> headless = RecordingSurface::Printer();
    Surface* installed = nullptr;
};

Devices& State() {
    static Devices d;
    return d;
}
} // namespace

Surface& Printer() {
    Devices& d = State();
    if (d.installed) return *d.installed;
    return *d.headless;
}

void SetPrinter(Surface* printer) {
    State().installed = printer;
}

RecordingSurface& HeadlessPrinter() {
    return *State().headless;
}

void ResetDevices() {
    Devices& d = State();
    d.headless = RecordingSurface::Printer();
    d.installed = nullptr;
    SetScreenFonts({});
}

std::string PrintFileName(std::string_view projectFile, std::string_view what) {
    std::filesystem::path p{std::string(projectFile)};
    std::string stem = p.stem().string();
    if (stem.empty()) stem = "ZOR";
    std::string name = stem + (what.empty() ? "" : "-" + std::string(what)) + ".pdf";
    return (p.parent_path() / name).string();
}

} // namespace vb::draw
