#pragma once
// User actions and the headless backend.
//
// vb::user performs one user action at once (focus, keys, tab, click, menu, close box ...), exactly
// as the Qt backend routes a real user's input into the model. vb::script queues such actions; the
// headless backend takes them whenever the program waits (a modal window, a waiting loop with
// DoEvents, a message box that wants an answer). DoEvents takes an action only when the user could do
// it now (its window is there), so a computation that lets the user act now and then leaves actions
// on windows still to come for later. A wait that the script cannot end throws ScriptExhausted,
// which fails the test instead of hanging.
//
// Controls are named by path: "frmX.name" or "frmX.name(3)" for an element of a control array;
// a window alone by its name. Paths are resolved when the action runs, so a script may name windows
// that are not loaded yet.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/draw/recorder.h"
#include "platform/forms/forms.h"
#include "platform/runtime/errors.h"

namespace vb {

// A user action that cannot happen as asked: its control is not loaded, hidden, disabled for the focus
// or behind a modal window, or it is no control of that kind. A test that asks for it has a fault; a
// real user's input that the window system delivers anyway is ignored.
class UserActionRefused : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Resolves a path to a loaded window or control; nullptr when it names nothing loaded.
Form* findForm(std::string_view name);
Control* findControl(std::string_view path);
Control& control(std::string_view path); // throws UserActionRefused when not found

// Key codes that reach KeyPress.
enum KeyCodes : int16_t {
    vbKeyBack = 8,
    vbKeyTab = 9,
    vbKeyReturn = 13,
    vbKeyEscape = 27,
    vbKeyCtrlC = 3,
    vbKeyCtrlV = 22
};
// Key codes of the arrow keys (KeyDown only; see user::arrow).
enum ArrowKeys : int16_t { vbKeyLeft = 37, vbKeyUp = 38, vbKeyRight = 39, vbKeyDown = 40 };

namespace user {
void focus(std::string_view path); // a click into the control or moving there (no Click)
void type(std::string_view text);  // every character as one key to the focused control
void key(int16_t code);            // one key code to the focused control (Enter, Ctrl+V ...)
void tab(bool backwards = false);  // the Tab key
// An arrow key: KeyDown of the focused control; in an option group (the options of one container)
// the focus moves to the next option that can take it (Right, Down) or the previous one (Left, Up),
// round the group, and that option is chosen: LostFocus, GotFocus, then its Click. In a text box
// Left and Right move the caret by one character (a selection collapses to its start or end).
void arrow(int16_t keyCode);
void click(std::string_view path);    // a mouse click: focus, MouseDown, MouseUp, Click (see clickAt)
void dblClick(std::string_view path); // click, then DblClick
void clickItem(std::string_view path, int32_t item, bool ctrl = false); // entry of a list
void dblClickItem(std::string_view path, int32_t item);
void scroll(std::string_view path, int16_t value); // scroll bar moved to value: Scroll, then Change
void menu(std::string_view path);                  // choose a menu entry (its parents' Click first)
void close(std::string_view formName);             // the window's close box
void activate(std::string_view formName);          // the user brings the window to the front
// A click, or a click on an entry, whose press of the mouse button has already moved the focus (a
// window system gives the focus on the press): the focus is not moved again, so a box left by that
// press runs its LostFocus once, even when it took the focus back.
void clickPressed(std::string_view path);
void clickItemPressed(std::string_view path, int32_t item, bool ctrl = false);
// The mouse at (x, y) twips in the control: a button pressed (the control takes the focus, then
// MouseDown), released (MouseUp, and Click for the left button), or both. Buttons: 1 left, 2 right,
// 4 middle; shift: 1 shift, 2 control, 4 alt.
void mouseDown(std::string_view path, float x, float y, int16_t button = 1, int16_t shift = 0);
void mouseUp(std::string_view path, float x, float y, int16_t button = 1, int16_t shift = 0);
void clickAt(std::string_view path, float x, float y);
// The same, for controls in hand.
void focus(Control& c);
void click(Control& c);
void clickItem(Control& c, int32_t item, bool ctrl = false);
} // namespace user

namespace script {
void focus(std::string path);
void type(std::string text);
void key(int16_t code);
void tab(bool backwards = false);
void arrow(int16_t keyCode);
void click(std::string path);
void dblClick(std::string path);
void clickItem(std::string path, int32_t item, bool ctrl = false);
void dblClickItem(std::string path, int32_t item);
void scroll(std::string path, int16_t value);
void menu(std::string path);
void close(std::string formName);
void answer(int answer);               // answers the next message box
void call(std::function<void()> step); // any code, run as the user's next step (checks inside a wait)
void clear();
std::size_t pending(); // actions not yet taken
} // namespace script

namespace headless {
// Back to a clean state: every window discarded without events, script, logs and message boxes
// forgotten, the headless backend installed with the standard screen (1280 x 1024 px, 15 twips/px).
void ResetForms();
void SetScreen(int widthPx, int heightPx, float twipsPerPixel = 15);
void SetFonts(std::vector<std::string> fonts);

// The recorder a window's or picture box's surface draws into when the backend gives it no target
// (the headless backend); nullptr before its first drawing or when another picture device makes
// its pictures. It outlives the window while someone holds it.
std::shared_ptr<draw::RecordingSurface> Recorder(draw::WindowSurface& s);
// What makes those pictures (for instance an image, platform/qt/draw_image.h), from the surface's
// client area in twips, its twips per pixel and its background colour; an empty function goes back
// to the recorder. ResetForms goes back too.
using PictureDevice = std::function<std::shared_ptr<draw::Surface>(double widthTwips, double heightTwips,
                                                                   double twipsPerPixel, int32_t backColor)>;
void SetPictureDevice(PictureDevice make);

// Queries.
std::string text(std::string_view path); // Text, Caption, or the selected entry of a list
// Value: option -1 (set) or 0, check box 0..2, scroll bar its value, lists their ListIndex.
int32_t value(std::string_view path);
bool enabled(std::string_view path);    // effectively enabled (containers and window included)
bool visible(std::string_view path);    // effectively visible
std::string focused();                  // path of the control with the focus, "" when none
std::vector<std::string> loadedForms(); // names in loading order

struct PointerMove {
    std::string control; // path, or the window's name
    int x = 0, y = 0;    // pixels in the control's client coordinates
};
const std::vector<PointerMove>& PointerMoves();
std::vector<int16_t> ScreenPointerLog(); // every screen-wide pointer change, in order
const std::vector<std::string>& StartedPrograms();
int DoEventsCount();
int SleptMs();
// Waits without a scripted action that count as hanging (DoEvents calls in a row with nothing to do).
void SetIdleLimit(int calls);
} // namespace headless

} // namespace vb
