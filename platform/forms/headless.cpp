#include "platform/forms/headless.h"

#include <algorithm>
#include <deque>
#include <stdexcept>

#include "platform/forms/forms_internal.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbstring.h"

namespace vb {

// ------------------------------------------------------------------------------------------ paths
namespace {

struct ParsedPath {
    std::string form, control;
    int16_t index = -1;
};

ParsedPath parsePath(std::string_view path) {
    ParsedPath p;
    const auto dot = path.find('.');
    p.form = std::string(path.substr(0, dot));
    if (dot == std::string_view::npos) return p;
    std::string_view rest = path.substr(dot + 1);
    const auto open = rest.find('(');
    if (open != std::string_view::npos && rest.back() == ')') {
        p.control = std::string(rest.substr(0, open));
        p.index = static_cast<int16_t>(std::stoi(std::string(rest.substr(open + 1, rest.size() - open - 2))));
    } else {
        p.control = std::string(rest);
    }
    return p;
}

} // namespace

Form* findForm(std::string_view name) {
    for (Form* f : Forms())
        if (f->name() == name) return f;
    return nullptr;
}

Control* findControl(std::string_view path) {
    auto p = parsePath(path);
    Form* f = findForm(p.form);
    return f && !p.control.empty() ? f->find(p.control, p.index) : nullptr;
}

Control& control(std::string_view path) {
    Control* c = findControl(path);
    if (!c) throw UserActionRefused("no loaded control " + std::string(path));
    return *c;
}

// ------------------------------------------------------------------------------------------ user actions
namespace {

Form* topModal() {
    auto& s = state();
    for (auto it = s.zorder.rbegin(); it != s.zorder.rend(); ++it)
        if ((*it)->isModal() && (*it)->Visible()) return *it;
    return nullptr;
}

// The user can reach only visible controls, and none outside the topmost modal window.
void checkReachable(Form& f, std::string_view what) {
    Form* m = topModal();
    if (m && m != &f)
        throw UserActionRefused("user action on " + std::string(what) + " while the modal window " +
                                m->name() + " is open");
    if (!f.Visible()) throw UserActionRefused("user action on " + std::string(what) + " in a hidden window");
}

void checkReachable(Control& c) {
    checkReachable(c.form(), c.path());
    if (!c.effectivelyVisible()) throw UserActionRefused("user action on the hidden control " + c.path());
}

void takeFocus(Control& c) {
    if (!c.canTakeFocusNow()) return;
    auto& s = state();
    if (s.active != &c.form()) activate(c.form());
    moveFocus(&c);
}

CommandButton* buttonWith(Form& f, bool isDefault) {
    for (Control* c : f.controls())
        if (c->kind() == ControlKind::CommandButton) {
            auto* b = static_cast<CommandButton*>(c);
            if ((isDefault ? b->Default : b->Cancel) && b->effectivelyEnabled() && b->effectivelyVisible())
                return b;
        }
    return nullptr;
}

// The keyboard's key code of a typed character (what KeyDown gets): letters in upper case with the
// shift state, control characters as the control key with their letter, the German keyboard's
// punctuation keys as Windows numbers them; other characters keep their code.
int16_t keyCodeOf(int16_t key, int16_t& shift) {
    shift = 0;
    if (key == 8 || key == 13 || key == 27 || key == 32) return key;
    if (key >= 1 && key <= 26) {
        shift = 2;
        return static_cast<int16_t>('A' + key - 1);
    }
    if (key >= 'a' && key <= 'z') return static_cast<int16_t>(key - 32);
    if (key >= 'A' && key <= 'Z') {
        shift = 1;
        return key;
    }
    switch (key) {
    case '+':
        return 187;
    case ',':
        return 188;
    case '-':
        return 189;
    case '.':
        return 190;
    default:
        return key;
    }
}

void comboKey(ComboBox& cb, int16_t key) {
    cb.raiseKeyPress(key);
    if (key == 0 || cb.Style == 2) return;
    std::string t = cb.Text();
    if (key == 8) {
        auto u = ToU32(t);
        if (!u.empty()) u.pop_back();
        t = FromU32(u);
    } else if (key >= 32 || key < 0) {
        t += KeyToText(key);
    } else {
        return;
    }
    cb.setText(t);
}

} // namespace

namespace user {

void focus(Control& c) {
    checkReachable(c);
    if (!c.canTakeFocusNow()) throw UserActionRefused("the control " + c.path() + " cannot take the focus");
    takeFocus(c);
}

namespace {

constexpr int16_t vbLeftButton = 1;

// A click; withFocus false when the press of the mouse button has already moved the focus. The mouse
// goes down and up in the middle of the control; a check box or an option takes its new value before
// the button comes up.
void clickImpl(Control& c, bool withFocus) {
    if (c.kind() == ControlKind::Menu) {
        menu(c.path());
        return;
    }
    checkReachable(c);
    if (!c.effectivelyEnabled()) return; // a disabled control ignores the mouse
    DispatchDepth d;
    const float x = c.Width() / 2, y = c.Height() / 2;
    auto down = [&] {
        if (withFocus && c.kind() != ControlKind::Label && c.kind() != ControlKind::Frame &&
            c.kind() != ControlKind::Shape)
            vb::takeFocus(c);
        if (c.form().loaded()) c.raiseMouse(c.MouseDown, vbLeftButton, 0, x, y);
        return c.form().loaded();
    };
    auto up = [&] {
        if (c.form().loaded()) c.raiseMouse(c.MouseUp, vbLeftButton, 0, x, y);
        return c.form().loaded();
    };
    if (!down()) return;
    switch (c.kind()) {
    case ControlKind::OptionButton: {
        auto& o = static_cast<OptionButton&>(c);
        if (o.Value())
            o.raise(o.Click);
        else
            o.setValue(true);
        up();
        break;
    }
    case ControlKind::CheckBox: {
        auto& b = static_cast<CheckBox&>(c);
        b.setValue(b.Value() == vbChecked ? vbUnchecked : vbChecked);
        up();
        break;
    }
    default:
        // The control took the focus with the press (the old one's LostFocus ran); the Click follows
        // the release.
        if (up()) c.raise(c.Click);
        break;
    }
}

void clickItemImpl(Control& c, int32_t item, bool ctrl, bool withFocus) {
    checkReachable(c);
    if (!c.effectivelyEnabled()) return;
    DispatchDepth d;
    if (withFocus) vb::takeFocus(c);
    switch (c.kind()) {
    case ControlKind::ListBox:
        static_cast<ListBox&>(c).userClickItem(item, ctrl);
        break;
    case ControlKind::FileListBox: {
        auto& fl = static_cast<FileListBox&>(c);
        if (fl.MultiSelect)
            fl.setSelected(item, !fl.Selected(item));
        else if (fl.ListIndex() == item)
            fl.raise(fl.Click);
        else
            fl.setListIndex(item);
        break;
    }
    case ControlKind::DriveListBox: {
        auto& dl = static_cast<DriveListBox&>(c);
        dl.setListIndex(item);
        dl.setDrive(dl.List(item));
        break;
    }
    case ControlKind::ComboBox:
        static_cast<ListControl&>(c).setListIndex(item);
        break;
    case ControlKind::DirListBox: // -1 the folder itself, -2 its parent ...
        static_cast<DirListBox&>(c).setListIndex(item);
        break;
    default:
        throw UserActionRefused(c.path() + " has no entries to click");
    }
    // The press has chosen the entry when the mouse events run (a folder list may go there in its
    // MouseDown).
    const float x = c.Width() / 2, y = c.Height() / 2;
    if (c.form().loaded()) c.raiseMouse(c.MouseDown, vbLeftButton, 0, x, y);
    if (c.form().loaded()) c.raiseMouse(c.MouseUp, vbLeftButton, 0, x, y);
}

} // namespace

void click(Control& c) {
    clickImpl(c, true);
}
void clickItem(Control& c, int32_t item, bool ctrl) {
    clickItemImpl(c, item, ctrl, true);
}
void clickPressed(std::string_view path) {
    clickImpl(control(path), false);
}
void clickItemPressed(std::string_view path, int32_t item, bool ctrl) {
    clickItemImpl(control(path), item, ctrl, false);
}

void mouseDown(std::string_view path, float x, float y, int16_t button, int16_t shift) {
    Control& c = control(path);
    checkReachable(c);
    if (!c.effectivelyEnabled()) return;
    DispatchDepth d;
    takeFocus(c);
    if (c.form().loaded()) c.raiseMouse(c.MouseDown, button, shift, x, y);
}

void mouseUp(std::string_view path, float x, float y, int16_t button, int16_t shift) {
    Control& c = control(path);
    checkReachable(c);
    if (!c.effectivelyEnabled()) return;
    DispatchDepth d;
    c.raiseMouse(c.MouseUp, button, shift, x, y);
    if (button == vbLeftButton && c.form().loaded()) c.raise(c.Click);
}

void clickAt(std::string_view path, float x, float y) {
    Control& c = control(path);
    DispatchDepth d;
    mouseDown(path, x, y);
    if (findControl(path) == &c) mouseUp(path, x, y);
}

void dblClickItem(std::string_view path, int32_t item) {
    Control& c = control(path);
    DispatchDepth d;
    clickItem(c, item);
    if (findControl(path) == &c && c.effectivelyEnabled()) c.raise(c.DblClick);
}

void focus(std::string_view path) {
    focus(control(path));
}
void click(std::string_view path) {
    click(control(path));
}
void clickItem(std::string_view path, int32_t item, bool ctrl) {
    clickItem(control(path), item, ctrl);
}

void dblClick(std::string_view path) {
    Control& c = control(path);
    DispatchDepth d;
    click(c);
    if (findControl(path) == &c && c.effectivelyEnabled()) c.raise(c.DblClick);
}

void key(int16_t code) {
    Control* c = ActiveControl();
    if (!c) throw UserActionRefused("a key was typed, but no control has the focus");
    checkReachable(*c);
    DispatchDepth d;
    Form& f = c->form();
    const bool multiLineBox = c->kind() == ControlKind::TextBox && static_cast<TextBox*>(c)->MultiLine;
    // The key reaches the focused control unless Enter or Escape belongs to the window's default or
    // cancel button.
    const bool toDefault = code == vbKeyReturn && !multiLineBox && c->kind() != ControlKind::CommandButton &&
                           buttonWith(f, true);
    const bool toCancel = code == vbKeyEscape && buttonWith(f, false);
    if (!toDefault && !toCancel) {
        int16_t shift = 0;
        int16_t keyCode = keyCodeOf(code, shift);
        c->raiseKeyDown(keyCode, shift);
        if (!f.loaded()) return;
    }
    if (c->kind() == ControlKind::CommandButton && (code == vbKeyReturn || code == ' ')) {
        c->raise(c->Click);
        return;
    }
    if ((c->kind() == ControlKind::CheckBox || c->kind() == ControlKind::OptionButton) && code == ' ') {
        click(*c);
        return;
    }
    if (code == vbKeyReturn && !multiLineBox) {
        if (CommandButton* b = buttonWith(f, true)) {
            b->raise(b->Click);
            return;
        }
    }
    if (code == vbKeyEscape) {
        if (CommandButton* b = buttonWith(f, false)) {
            b->raise(b->Click);
            return;
        }
    }
    switch (c->kind()) {
    case ControlKind::TextBox:
        static_cast<TextBox*>(c)->typeKey(code);
        break;
    case ControlKind::ComboBox:
        comboKey(*static_cast<ComboBox*>(c), code);
        break;
    default:
        c->raiseKeyPress(code);
        break;
    }
}

void type(std::string_view text) {
    const auto u = ToU32(text);
    for (char32_t ch : u) {
        if (ch == U'\t')
            tab();
        else if (ch == U'\n')
            key(vbKeyReturn);
        else
            key(TextToKey(FromU32(std::u32string(1, ch))));
    }
}

void tab(bool backwards) {
    auto& s = state();
    Form* f = s.focus ? &s.focus->form() : s.active;
    if (!f) throw UserActionRefused("Tab pressed, but no window is active");
    checkReachable(*f, f->name());
    std::vector<Control*> order = f->controls();
    std::stable_sort(order.begin(), order.end(),
                     [](Control* a, Control* b) { return a->TabIndex < b->TabIndex; });
    if (backwards) std::reverse(order.begin(), order.end());
    std::size_t start = 0;
    auto it = std::find(order.begin(), order.end(), s.focus);
    if (it != order.end()) start = static_cast<std::size_t>(it - order.begin()) + 1;
    for (std::size_t k = 0; k < order.size(); ++k) {
        Control* c = order[(start + k) % order.size()];
        if (!c->focusable() || !c->TabStop || !c->canTakeFocusNow()) continue;
        if (c->kind() == ControlKind::OptionButton && !static_cast<OptionButton*>(c)->Value()) {
            bool groupHasValue = false;
            for (Control* x : f->controls())
                if (x->kind() == ControlKind::OptionButton && x->Container() == c->Container() &&
                    static_cast<OptionButton*>(x)->Value())
                    groupHasValue = true;
            if (groupHasValue) continue;
        }
        DispatchDepth d;
        moveFocus(c);
        selectOnFocus(*c);
        return;
    }
}

void arrow(int16_t keyCode) {
    Control* c = ActiveControl();
    if (!c) throw UserActionRefused("an arrow key was pressed, but no control has the focus");
    checkReachable(*c);
    DispatchDepth d;
    Form& f = c->form();
    int16_t k = keyCode;
    c->raiseKeyDown(k, 0);
    if (k == 0 || !f.loaded() || ActiveControl() != c) return;
    if (c->kind() == ControlKind::TextBox && (keyCode == vbKeyLeft || keyCode == vbKeyRight)) {
        // The caret moves one character (a line break as one); a selection collapses to its end.
        auto* t = static_cast<TextBox*>(c);
        const auto u = ToU32(t->Text());
        const int32_t n = static_cast<int32_t>(u.size());
        auto crlfAt = [&](int32_t i) { return i >= 0 && i + 1 < n && u[i] == U'\r' && u[i + 1] == U'\n'; };
        int32_t at = t->SelStart();
        if (t->SelLength() > 0) {
            if (keyCode == vbKeyRight) at += t->SelLength();
        } else if (keyCode == vbKeyLeft) {
            at = std::max(0, at - (crlfAt(at - 2) ? 2 : 1));
        } else {
            at = std::min(n, at + (crlfAt(at) ? 2 : 1));
        }
        t->setSelStart(at);
        return;
    }
    if (c->kind() != ControlKind::OptionButton) return;
    std::vector<Control*> group;
    for (Control* x : f.controls())
        if (x->kind() == ControlKind::OptionButton && x->Container() == c->Container() &&
            (x == c || x->canTakeFocusNow()))
            group.push_back(x);
    std::stable_sort(group.begin(), group.end(),
                     [](Control* a, Control* b) { return a->TabIndex < b->TabIndex; });
    const auto at = static_cast<std::size_t>(std::find(group.begin(), group.end(), c) - group.begin());
    const bool forward = keyCode == vbKeyRight || keyCode == vbKeyDown;
    const bool backward = keyCode == vbKeyLeft || keyCode == vbKeyUp;
    if ((!forward && !backward) || group.size() < 2) return;
    auto* next = static_cast<OptionButton*>(group[(at + (forward ? 1 : group.size() - 1)) % group.size()]);
    moveFocus(next);
    if (ActiveControl() == next && next->form().loaded()) next->setValue(true);
}

void scroll(std::string_view path, int16_t value) {
    Control& c = control(path);
    if (c.kind() != ControlKind::HScrollBar) throw UserActionRefused(c.path() + " is not a scroll bar");
    checkReachable(c);
    if (!c.effectivelyEnabled()) return;
    DispatchDepth d;
    takeFocus(c);
    static_cast<HScrollBar&>(c).userScroll(value);
}

void menu(std::string_view path) {
    Control& c = control(path);
    if (c.kind() != ControlKind::Menu) throw UserActionRefused(c.path() + " is not a menu entry");
    checkReachable(c.form(), c.path());
    std::vector<Menu*> chain;
    for (Menu* m = static_cast<Menu*>(&c); m; m = m->parent())
        chain.insert(chain.begin(), m);
    for (Menu* m : chain)
        if (!m->Enabled() || !m->Visible()) return; // not reachable: nothing happens
    DispatchDepth d;
    for (Menu* m : chain)
        m->raise(m->Click);
}

void close(std::string_view formName) {
    Form* f = findForm(formName);
    if (!f) throw UserActionRefused("close box of " + std::string(formName) + ", which is not loaded");
    checkReachable(*f, f->name());
    unloadWithMode(*f, vbFormControlMenu);
}

void activate(std::string_view formName) {
    Form* f = findForm(formName);
    if (!f) throw UserActionRefused("activation of " + std::string(formName) + ", which is not loaded");
    checkReachable(*f, f->name());
    DispatchDepth d;
    activateAndFocus(*f);
}

} // namespace user

// ------------------------------------------------------------------------------------------ the script
namespace {

struct Action {
    enum Kind {
        Focus,
        Type,
        Key,
        Tab,
        Arrow,
        Click,
        DblClick,
        ClickItem,
        DblClickItem,
        Scroll,
        MenuA,
        Close,
        Answer,
        Call
    };
    Kind kind;
    std::string path;
    std::string text;
    int32_t number = 0;
    bool flag = false;
    std::function<void()> step;
};

class HeadlessBackend : public Backend {
public:
    ScreenInfo info;
    std::deque<Action> script;
    std::vector<headless::PointerMove> moves;
    std::vector<std::string> started;
    std::string clipboard;
    int doEventsCount = 0, sleptMs = 0, idle = 0, idleLimit = 10000;

    HeadlessBackend() { resetScreen(); }
    void resetScreen() {
        info = ScreenInfo{};
        info.fonts = {"Courier New", "Arial", "Times New Roman"}; // the names offered on every system
    }

    void runNext() {
        Action a = std::move(script.front());
        script.pop_front();
        idle = 0;
        switch (a.kind) {
        case Action::Focus:
            user::focus(a.path);
            break;
        case Action::Type:
            user::type(a.text);
            break;
        case Action::Key:
            user::key(static_cast<int16_t>(a.number));
            break;
        case Action::Tab:
            user::tab(a.flag);
            break;
        case Action::Arrow:
            user::arrow(static_cast<int16_t>(a.number));
            break;
        case Action::Click:
            user::click(a.path);
            break;
        case Action::DblClick:
            user::dblClick(a.path);
            break;
        case Action::ClickItem:
            user::clickItem(a.path, a.number, a.flag);
            break;
        case Action::DblClickItem:
            user::dblClickItem(a.path, a.number);
            break;
        case Action::Scroll:
            user::scroll(a.path, static_cast<int16_t>(a.number));
            break;
        case Action::MenuA:
            user::menu(a.path);
            break;
        case Action::Close:
            user::close(a.path);
            break;
        case Action::Call:
            a.step();
            break;
        case Action::Answer:
            throw std::logic_error("the script answers a message box, but the program shows none");
        }
    }

    void waitUntil(const std::function<bool()>& done, std::string_view what) override {
        while (!done()) {
            if (script.empty())
                throw ScriptExhausted("the program waits for " + std::string(what) +
                                      ", but the script has no action left");
            runNext();
        }
    }
    // Whether the user could do the action now: its window or control is there (a computation that
    // lets the user act now and then leaves an action on a window still to come for later), and a
    // message box is answered only when one is shown.
    static bool ready(const Action& a) {
        switch (a.kind) {
        case Action::Focus:
        case Action::Click:
        case Action::DblClick:
        case Action::ClickItem:
        case Action::DblClickItem:
        case Action::Scroll:
        case Action::MenuA:
            return findControl(a.path) != nullptr;
        case Action::Close:
            return findForm(a.path) != nullptr;
        case Action::Type:
        case Action::Key:
        case Action::Arrow:
            return ActiveControl() != nullptr;
        case Action::Tab:
            return ActiveControl() != nullptr || ActiveForm() != nullptr;
        case Action::Call:
            return true;
        case Action::Answer:
            return false;
        }
        return false;
    }
    void doEvents() override {
        ++doEventsCount;
        if (!script.empty() && ready(script.front())) runNext();
    }
    // A waiting loop sleeps between its DoEvents: when the script cannot go on, the loop would never
    // end, and after the idle limit the test fails instead.
    void sleep(int ms) override {
        sleptMs += ms;
        if (!script.empty() && ready(script.front())) return;
        if (++idle > idleLimit)
            throw ScriptExhausted(script.empty()
                                      ? "the program waits in a loop, but the script has no action left"
                                      : "the program waits in a loop, but the script's next action (" +
                                            describe(script.front()) + ") cannot be done");
    }
    static std::string describe(const Action& a) {
        switch (a.kind) {
        case Action::Answer:
            return "an answer to a message box";
        case Action::Type:
            return "typing \"" + a.text + "\"";
        case Action::Key:
            return "key " + std::to_string(a.number);
        case Action::Tab:
            return "Tab";
        default:
            return a.path.empty() ? "a step" : "on " + a.path;
        }
    }
    ScreenInfo screen() override { return info; }
    void movePointer(Control& c, int x, int y) override { moves.push_back({c.path(), x, y}); }
    void movePointer(Form& f, int x, int y) override { moves.push_back({f.name(), x, y}); }
    bool startProgram(const std::string& file) override {
        started.push_back(file);
        return true;
    }
    std::string clipboardText() override { return clipboard; }
    void setClipboardText(const std::string& s) override { clipboard = s; }
};

HeadlessBackend& hb() {
    static HeadlessBackend* b = new HeadlessBackend; // lives as long as the program
    return *b;
}

void push(Action a) {
    hb().script.push_back(std::move(a));
}

} // namespace

Backend& headlessBackend() {
    return hb();
}

namespace detail {
// The headless message box asks here first: a scripted answer at the front of the script.
bool takeScriptedAnswer(int& answer) {
    auto& s = hb().script;
    if (s.empty() || s.front().kind != Action::Answer) return false;
    answer = s.front().number;
    s.pop_front();
    hb().idle = 0;
    return true;
}
} // namespace detail

namespace script {
void focus(std::string path) {
    push({Action::Focus, std::move(path), {}, 0, false, {}});
}
void type(std::string text) {
    push({Action::Type, {}, std::move(text), 0, false, {}});
}
void key(int16_t code) {
    push({Action::Key, {}, {}, code, false, {}});
}
void tab(bool backwards) {
    push({Action::Tab, {}, {}, 0, backwards, {}});
}
void arrow(int16_t keyCode) {
    push({Action::Arrow, {}, {}, keyCode, false, {}});
}
void click(std::string path) {
    push({Action::Click, std::move(path), {}, 0, false, {}});
}
void dblClick(std::string path) {
    push({Action::DblClick, std::move(path), {}, 0, false, {}});
}
void clickItem(std::string path, int32_t item, bool ctrl) {
    push({Action::ClickItem, std::move(path), {}, item, ctrl, {}});
}
void dblClickItem(std::string path, int32_t item) {
    push({Action::DblClickItem, std::move(path), {}, item, false, {}});
}
void scroll(std::string path, int16_t value) {
    push({Action::Scroll, std::move(path), {}, value, false, {}});
}
void menu(std::string path) {
    push({Action::MenuA, std::move(path), {}, 0, false, {}});
}
void close(std::string formName) {
    push({Action::Close, std::move(formName), {}, 0, false, {}});
}
void answer(int answer) {
    push({Action::Answer, {}, {}, answer, false, {}});
}
void call(std::function<void()> step) {
    push({Action::Call, {}, {}, 0, false, std::move(step)});
}
void clear() {
    hb().script.clear();
}
std::size_t pending() {
    return hb().script.size();
}
} // namespace script

// ------------------------------------------------------------------------------------------ queries
namespace headless {

void ResetForms() {
    SetBackend(nullptr);
    discardAllForms();
    auto& b = hb();
    b.script.clear();
    b.moves.clear();
    b.started.clear();
    b.clipboard.clear();
    b.doEventsCount = b.sleptMs = b.idle = 0;
    b.idleLimit = 10000;
    b.resetScreen();
    state().screenPointer = vbDefault;
    state().screenPointerLog.clear();
    state().pictureDevice = nullptr;
    Reset();
}

void SetScreen(int widthPx, int heightPx, float twipsPerPixel) {
    hb().info.widthPx = widthPx;
    hb().info.heightPx = heightPx;
    hb().info.twipsPerPixelX = hb().info.twipsPerPixelY = twipsPerPixel;
}

void SetFonts(std::vector<std::string> fonts) {
    hb().info.fonts = std::move(fonts);
}

std::shared_ptr<draw::RecordingSurface> Recorder(draw::WindowSurface& s) {
    return std::dynamic_pointer_cast<draw::RecordingSurface>(s.OwnTarget());
}

void SetPictureDevice(PictureDevice make) {
    state().pictureDevice = std::move(make);
}

std::string text(std::string_view path) {
    if (path.find('.') == std::string_view::npos) {
        Form* f = findForm(path);
        if (!f) throw std::invalid_argument("no loaded window " + std::string(path));
        return f->Caption();
    }
    Control& c = control(path);
    switch (c.kind()) {
    case ControlKind::TextBox:
        return static_cast<TextBox&>(c).Text();
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::CommandButton:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
    case ControlKind::Menu:
        return static_cast<CaptionedControl&>(c).Caption();
    case ControlKind::ListBox:
        return static_cast<ListBox&>(c).Text();
    case ControlKind::ComboBox:
        return static_cast<ComboBox&>(c).Text();
    case ControlKind::FileListBox:
        return static_cast<FileListBox&>(c).FileName();
    case ControlKind::DirListBox:
        return static_cast<DirListBox&>(c).Path();
    case ControlKind::DriveListBox:
        return static_cast<DriveListBox&>(c).Drive();
    case ControlKind::HScrollBar:
        return std::to_string(static_cast<HScrollBar&>(c).Value());
    default:
        return "";
    }
}

int32_t value(std::string_view path) {
    Control& c = control(path);
    switch (c.kind()) {
    case ControlKind::OptionButton:
        return static_cast<OptionButton&>(c).Value() ? -1 : 0;
    case ControlKind::CheckBox:
        return static_cast<CheckBox&>(c).Value();
    case ControlKind::HScrollBar:
        return static_cast<HScrollBar&>(c).Value();
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
    case ControlKind::FileListBox:
    case ControlKind::DirListBox:
    case ControlKind::DriveListBox:
        return static_cast<ListControl&>(c).ListIndex();
    default:
        throw std::invalid_argument(c.path() + " has no value");
    }
}

bool enabled(std::string_view path) {
    return control(path).effectivelyEnabled();
}
bool visible(std::string_view path) {
    return control(path).effectivelyVisible();
}

std::string focused() {
    Control* c = ActiveControl();
    return c ? c->path() : "";
}

std::vector<std::string> loadedForms() {
    std::vector<std::string> v;
    for (Form* f : Forms())
        v.push_back(f->name());
    return v;
}

const std::vector<PointerMove>& PointerMoves() {
    return hb().moves;
}
std::vector<int16_t> ScreenPointerLog() {
    return state().screenPointerLog;
}
const std::vector<std::string>& StartedPrograms() {
    return hb().started;
}
int DoEventsCount() {
    return hb().doEventsCount;
}
int SleptMs() {
    return hb().sleptMs;
}
void SetIdleLimit(int calls) {
    hb().idleLimit = calls;
}

} // namespace headless
} // namespace vb
