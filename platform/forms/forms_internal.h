#pragma once
// The forms model's shared state, for its own source files only.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "platform/forms/forms.h"

namespace vb {

struct FormsState {
    std::map<std::type_index, Form*> byType;
    std::map<const Form*, std::type_index> types;
    std::vector<std::unique_ptr<Form>> loaded;    // in loading order
    std::vector<std::unique_ptr<Form>> graveyard; // unloaded, freed when no handler runs any more
    // Unloaded while they were loading: the code that loaded them still gets them back (and sees them
    // unloaded); freed when the next window is loaded outside any handler, or at a reset.
    std::vector<std::unique_ptr<Form>> unloadedInLoad;
    std::vector<Form*> zorder; // visible windows, topmost last
    int depth = 0;             // event handlers running
    Control* focus = nullptr;
    Control* coming = nullptr; // while a LostFocus handler runs: the control the focus moves to
    Form* active = nullptr;
    int16_t screenPointer = vbDefault;
    std::vector<int16_t> screenPointerLog;
    Backend* backend = nullptr; // nullptr: the headless backend
    // Makes the own picture of a surface that the backend gives no target (headless::SetPictureDevice).
    std::function<std::shared_ptr<draw::Surface>(double, double, double, int32_t)> pictureDevice;
};

FormsState& state();

// Counts a running handler; when the outermost one returns, unloaded windows are freed.
struct DispatchDepth {
    DispatchDepth();
    ~DispatchDepth();
    DispatchDepth(const DispatchDepth&) = delete;
    DispatchDepth& operator=(const DispatchDepth&) = delete;
};

void moveFocus(Control* c);
// An option button that got the focus by the keyboard or from code is chosen (its Click follows).
void selectOnFocus(Control& c);
void activate(Form& f);
void activateAndFocus(Form& f);
void activateTopmost();
void checkFocus();
bool unloadWithMode(Form& f, int16_t mode);
void closeSurfaces(Form& f);
void raisePaint(Form& f, bool pictures);
void discardAllForms();

Backend& headlessBackend();

// Key codes <-> characters: codes up to 255 are Windows-1252, others Unicode.
std::string KeyToText(int16_t key);
int16_t TextToKey(std::string_view ch);

inline constexpr int16_t vbKeyCtrlC_ = 3;
inline constexpr int16_t vbKeyCtrlV_ = 22;

} // namespace vb
