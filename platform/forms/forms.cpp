#include "platform/forms/forms.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/draw/fonts.h"
#include "platform/draw/recorder.h"
#include "platform/forms/forms_internal.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"

namespace vb {

namespace fs = std::filesystem;

// ------------------------------------------------------------------------------------------ state
FormsState& state() {
    // Never destroyed: windows still loaded at the program's exit must not outlive their state.
    static FormsState* s = new FormsState;
    return *s;
}

DispatchDepth::DispatchDepth() {
    ++state().depth;
}
DispatchDepth::~DispatchDepth() {
    auto& s = state();
    if (--s.depth == 0 && !s.graveyard.empty()) {
        auto dead = std::move(s.graveyard);
        s.graveyard.clear();
        dead.clear();
    }
}

namespace {

void raiseHandler(const std::function<void()>& h) {
    if (!h) return;
    auto copy = h; // the handler may replace itself
    DispatchDepth d;
    copy();
}

Backend& be() {
    return CurrentBackend();
}

// Gives a surface its target: the backend's picture, else one of its own (headless).
void attachPicture(draw::WindowSurface& s, draw::Surface* target) {
    if (target) {
        s.SetTarget(target);
        return;
    }
    auto& make = state().pictureDevice;
    if (make) {
        s.SetOwnTarget(make(s.DeviceWidthTwips(), s.DeviceHeightTwips(), s.TwipsPerPixelX(), s.BackColor()));
        return;
    }
    const double tpp = s.TwipsPerPixelX();
    s.SetOwnTarget(
        draw::RecordingSurface::Screen(s.DeviceWidthTwips() / tpp, s.DeviceHeightTwips() / tpp, tpp));
}

double screenTpp() {
    return Screen::TwipsPerPixelX();
}

bool formOk(const Form* f) {
    return f && f->loaded();
}

// Controls of a window in tab order.
std::vector<Control*> tabOrder(const Form& f) {
    std::vector<Control*> v = f.controls();
    std::stable_sort(v.begin(), v.end(), [](Control* a, Control* b) { return a->TabIndex < b->TabIndex; });
    return v;
}

bool tabStopNow(Control* c) {
    if (!c->focusable() || !c->TabStop || !c->canTakeFocusNow()) return false;
    if (c->kind() == ControlKind::OptionButton) {
        // In a group only the selected option is a tab stop (any one when none is selected).
        auto* o = static_cast<OptionButton*>(c);
        if (o->Value()) return true;
        for (Control* x : c->form().controls())
            if (x->kind() == ControlKind::OptionButton && x->Container() == c->Container() &&
                static_cast<OptionButton*>(x)->Value())
                return false;
    }
    return true;
}

Control* firstTabStop(const Form& f) {
    for (Control* c : tabOrder(f))
        if (tabStopNow(c)) return c;
    return nullptr;
}

} // namespace

// Moves the focus to c (nullptr: nobody has it). Each window keeps its own focused control: when
// the focus goes to another window, the control left behind gets no event and has the focus again,
// silently, when its window is active again. Within a window, LostFocus of the control that had it
// runs first; when that handler puts the focus somewhere itself, the move ends there.
void moveFocus(Control* c) {
    auto& s = state();
    DispatchDepth keepAlive; // a LostFocus handler may unload the window
    if (!c) {
        Control* old = s.focus;
        s.focus = nullptr;
        be().focusChanged(nullptr);
        if (old) {
            old->form().activeControl_ = nullptr;
            if (formOk(&old->form())) raiseHandler(old->LostFocus);
        }
        return;
    }
    Form& f = c->form();
    Control* prev = f.activeControl_;
    if (prev == c) {
        if (s.focus != c) {
            s.focus = c;
            be().focusChanged(c);
        }
        return;
    }
    s.focus = nullptr;
    f.activeControl_ = nullptr;
    if (prev && formOk(&f)) {
        struct Kommend {
            Control*& ziel;
            Control* vorher;
            ~Kommend() { ziel = vorher; }
        } kommend{s.coming, s.coming};
        s.coming = c;
        raiseHandler(prev->LostFocus);
    }
    if (s.focus || f.activeControl_) return;
    if (!formOk(&f) || !c->canTakeFocusNow()) return;
    s.focus = c;
    f.activeControl_ = c;
    be().focusChanged(c);
    raiseHandler(c->GotFocus);
}

void activate(Form& f) {
    auto& s = state();
    DispatchDepth keepAlive; // Deactivate and Activate may unload windows
    if (s.active == &f) return;
    Form* prev = s.active;
    s.active = &f;
    if (formOk(prev)) {
        DispatchDepth d;
        prev->Form_Deactivate();
    }
    if (f.inLoad_) {
        f.activatePending_ = true;
        return;
    }
    DispatchDepth d;
    f.Form_Activate();
}

// Makes f the active window and gives it the focus (its last focused control, else the first one
// in tab order), unless the focus is in f already.
void activateAndFocus(Form& f) {
    auto& s = state();
    DispatchDepth keepAlive;
    activate(f);
    if (s.active != &f || f.inLoad_ || !f.loaded_ || !f.visible_) return;
    if (s.focus && &s.focus->form() == &f) return;
    Control* target = f.activeControl_;
    if (!target || !target->canTakeFocusNow()) target = firstTabStop(f);
    if (target) moveFocus(target);
}

// After a window went away: the topmost visible window becomes active.
void activateTopmost() {
    auto& s = state();
    if (s.active && s.active->visible_ && s.active->loaded_) return;
    s.active = nullptr;
    for (auto it = s.zorder.rbegin(); it != s.zorder.rend(); ++it)
        if ((*it)->visible_ && (*it)->loaded_) {
            activateAndFocus(**it);
            return;
        }
}

// When the focused control can no longer have it (disabled, hidden), the focus moves on.
void checkFocus() {
    auto& s = state();
    if (!s.focus || s.focus->canTakeFocusNow()) return;
    Form& f = s.focus->form();
    Control* next = nullptr;
    auto order = tabOrder(f);
    auto it = std::find(order.begin(), order.end(), s.focus);
    if (it != order.end()) {
        for (std::size_t k = 1; k <= order.size(); ++k) {
            Control* c = order[(static_cast<std::size_t>(it - order.begin()) + k) % order.size()];
            if (tabStopNow(c)) {
                next = c;
                break;
            }
        }
    }
    moveFocus(next);
}

// A window's picture must be drawn: its Paint, and with pictures those of its picture boxes, where
// AutoRedraw is off.
void raisePaint(Form& f, bool pictures) {
    DispatchDepth keepAlive;
    if (!f.AutoRedraw && f.loaded_) {
        DispatchDepth d;
        f.Form_Paint();
    }
    for (Control* c : pictures ? f.controls() : std::vector<Control*>{}) {
        if (!f.loaded_) return;
        if (c->kind() == ControlKind::PictureBox && !static_cast<PictureBox*>(c)->AutoRedraw)
            c->raise(static_cast<PictureBox*>(c)->Paint);
    }
}

// ------------------------------------------------------------------------------------------ Control
Control::Control(Form& form, ControlKind kind, std::string name, Control* container, int16_t index)
    : form_(&form), kind_(kind), name_(std::move(name)), container_(container), index_(index) {
    TabIndex = static_cast<int16_t>(form.controls_.size());
    form.controls_.push_back(this);
    if (kind == ControlKind::Label || kind == ControlKind::Frame || kind == ControlKind::Shape ||
        kind == ControlKind::Menu || kind == ControlKind::PictureBox)
        TabStop = kind == ControlKind::PictureBox;
    if (kind == ControlKind::Label || kind == ControlKind::Frame || kind == ControlKind::CommandButton ||
        kind == ControlKind::OptionButton || kind == ControlKind::CheckBox || kind == ControlKind::PictureBox)
        backColor_ = 0xC0C0C0;
}

Control::~Control() {
    auto& s = state();
    if (s.focus == this) s.focus = nullptr;
    if (form_->activeControl_ == this) form_->activeControl_ = nullptr;
    auto& v = form_->controls_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    be().controlDestroyed(*this);
}

std::string Control::path() const {
    std::string p = form_->name() + "." + name_;
    if (index_ >= 0) p += "(" + std::to_string(index_) + ")";
    return p;
}

void Control::notify(Prop p) {
    be().controlChanged(*this, p);
    if (kind_ == ControlKind::Menu && !container_ && (p == Prop::Caption || p == Prop::Visible))
        form_->menuBarChanged();
}

void Control::Move(float left, float top, float width, float height) {
    if (width < 0 || height < 0) throw RuntimeError(380, "Invalid property value");
    left_ = left, top_ = top, width_ = width, height_ = height;
    notify(Prop::Geometry);
    geometryChanged();
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    notify(Prop::Enabled);
    if (!v) checkFocus();
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    notify(Prop::Visible);
    if (!v) checkFocus();
}

bool Control::effectivelyEnabled() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return form_->enabled_;
}

bool Control::effectivelyVisible() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return form_->visible_;
}

bool Control::canTakeFocusNow() const {
    return focusable() && form_->loaded_ && effectivelyEnabled() && effectivelyVisible();
}

const std::string& Control::FontName() const {
    return drawing_ ? drawing_->Font().name : font_.name;
}
float Control::FontSize() const {
    return drawing_ ? drawing_->Font().size : font_.size;
}
bool Control::FontBold() const {
    return drawing_ ? drawing_->Font().bold : font_.bold;
}
bool Control::FontItalic() const {
    return drawing_ ? drawing_->Font().italic : font_.italic;
}

void Control::setFont(std::string name, float size, bool bold, bool italic) {
    if (drawing_) {
        drawing_->SetFont({std::move(name), size, bold, italic});
    } else {
        if (!name.empty()) font_.name = std::move(name);
        if (size > 0) font_.size = draw::SnapFontSize(size, screenTpp());
        font_.bold = bold, font_.italic = italic;
    }
    notify(Prop::Font);
}

int32_t Control::BackColor() const {
    return drawing_ ? drawing_->BackColor() : backColor_;
}
int32_t Control::ForeColor() const {
    return drawing_ ? drawing_->ForeColor() : foreColor_;
}

void Control::setBackColor(int32_t c) {
    if (drawing_)
        drawing_->SetBackColor(c);
    else
        backColor_ = c;
    notify(Prop::Color);
}

void Control::setForeColor(int32_t c) {
    if (drawing_)
        drawing_->SetForeColor(c);
    else
        foreColor_ = c;
    notify(Prop::Color);
}

void Control::setMousePointer(int16_t p) {
    mousePointer_ = p;
    notify(Prop::Pointer);
}

void Control::SetFocus() {
    if (!canTakeFocusNow()) throw RuntimeError(5, "Invalid procedure call or argument");
    auto& s = state();
    if (s.focus == this) return;
    if (s.active != form_) activate(*form_);
    moveFocus(this);
    selectOnFocus(*this);
}

// An option button that gets the focus other than by a mouse click is chosen, as a Windows option button
// is (its Click follows): the focus put on a topic chooses it, so Enter opens it.
void selectOnFocus(Control& c) {
    if (c.kind() != ControlKind::OptionButton || state().focus != &c || !c.form().loaded()) return;
    static_cast<OptionButton&>(c).setValue(true);
}

bool Control::hasFocus() const {
    return state().focus == this;
}

void Control::Refresh() {
    if (kind_ == ControlKind::PictureBox && !static_cast<PictureBox*>(this)->AutoRedraw && form_->visible_)
        raise(static_cast<PictureBox*>(this)->Paint);
    notify(Prop::Refresh);
}

void Control::raise(const std::function<void()>& handler) {
    if (form_->designing_) return;
    raiseHandler(handler);
}

void Control::raiseKeyPress(int16_t& key) {
    if (!KeyPress || form_->designing_) return;
    auto copy = KeyPress;
    DispatchDepth d;
    copy(key);
}

void Control::raiseKeyDown(int16_t& keyCode, int16_t shift) {
    if (!KeyDown || form_->designing_) return;
    auto copy = KeyDown;
    DispatchDepth d;
    copy(keyCode, shift);
}

void Control::raiseMouse(const std::function<void(int16_t, int16_t, float, float)>& handler, int16_t button,
                         int16_t shift, float x, float y) {
    if (!handler || form_->designing_) return;
    auto copy = handler;
    DispatchDepth d;
    copy(button, shift, x, y);
}

// ------------------------------------------------------------------------------------------ simple controls
void CaptionedControl::setCaption(std::string s) {
    caption_ = std::move(s);
    notify(Prop::Caption);
}

void OptionButton::setValue(bool v) {
    if (!v) {
        if (value_) {
            value_ = false;
            notify(Prop::Value);
        }
        return;
    }
    if (value_) return;
    for (Control* c : form().controls())
        if (c != this && c->kind() == ControlKind::OptionButton && c->Container() == Container()) {
            auto* o = static_cast<OptionButton*>(c);
            if (o->value_) {
                o->value_ = false;
                o->notify(Prop::Value);
            }
        }
    value_ = true;
    notify(Prop::Value);
    raise(Click);
}

void CheckBox::setValue(int16_t v) {
    if (v < 0 || v > 2) throw RuntimeError(380, "Invalid property value");
    if (v == value_) return;
    value_ = v;
    notify(Prop::Value);
    raise(Click);
}

// ------------------------------------------------------------------------------------------ TextBox
void TextBox::setText(std::string s) {
    const bool changed = s != text_;
    text_ = std::move(s);
    selStart_ = 0, selLength_ = 0;
    notify(Prop::Text);
    if (changed) raise(Change);
}

void TextBox::setSelStart(int32_t v) {
    if (v < 0) throw RuntimeError(380, "Invalid property value");
    selStart_ = std::min(v, Len(text_));
    selLength_ = 0;
    notify(Prop::Selection);
}

void TextBox::setSelLength(int32_t v) {
    if (v < 0) throw RuntimeError(380, "Invalid property value");
    selLength_ = std::min(v, Len(text_) - selStart_);
    notify(Prop::Selection);
}

std::string TextBox::SelText() const {
    auto u = ToU32(text_);
    return FromU32(u.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_)));
}

void TextBox::setSelText(std::string_view s) {
    auto u = ToU32(text_);
    const auto start = static_cast<std::size_t>(std::min<int32_t>(selStart_, static_cast<int32_t>(u.size())));
    const auto len = std::min(static_cast<std::size_t>(selLength_), u.size() - start);
    auto ins = ToU32(s);
    u.replace(start, len, ins);
    const std::string before = text_;
    text_ = FromU32(u);
    selStart_ = static_cast<int32_t>(start + ins.size());
    selLength_ = 0;
    notify(Prop::Text);
    if (text_ != before) raise(Change);
}

void TextBox::insertTyped(std::string_view s) {
    auto ins = ToU32(s);
    if (!MultiLine) {
        // A single line takes no line breaks: a pasted text ends at its first one.
        auto p = ins.find_first_of(U"\r\n");
        if (p != std::u32string::npos) ins.resize(p);
    }
    if (MaxLength > 0) {
        const int32_t room = MaxLength - (Len(text_) - selLength_);
        if (room <= 0) return;
        if (static_cast<int32_t>(ins.size()) > room) ins.resize(static_cast<std::size_t>(room));
    }
    setSelText(FromU32(ins));
}

void TextBox::typeKey(int16_t key) {
    raiseKeyPress(key);
    if (key == 0) return;
    if (key == vbKeyCtrlC_) {
        if (selLength_ > 0) setClipboardText(SelText());
        return;
    }
    if (Locked) return;
    if (key == 8) {
        if (selLength_ == 0) {
            if (selStart_ == 0) return;
            selStart_ -= 1;
            selLength_ = 1;
        }
        setSelText("");
    } else if (key == 13) {
        if (MultiLine) insertTyped("\r\n");
    } else if (key == vbKeyCtrlV_) {
        insertTyped(ClipboardText());
    } else if (key == 24) { // Ctrl+X
        if (selLength_ > 0) {
            setClipboardText(SelText());
            setSelText("");
        }
    } else if (key >= 32 || key < 0) {
        insertTyped(KeyToText(key));
    }
}

std::string KeyToText(int16_t key) {
    const int32_t k = key < 0 ? key + 65536 : key;
    if (k <= 255) return Chr(k);
    return FromU32(std::u32string(1, static_cast<char32_t>(k)));
}

int16_t TextToKey(std::string_view ch) {
    const int32_t w = AscW(ch);
    const int32_t a = Asc(ch);
    if (a != 63 || w == 63) return static_cast<int16_t>(a);
    return static_cast<int16_t>(w <= 65535 ? w : 63);
}

// ------------------------------------------------------------------------------------------ lists
void ListControl::checkIndex(int32_t i, int err) const {
    if (i < 0 || i >= ListCount())
        throw RuntimeError(err, err == 381 ? "Invalid property array index"
                                           : "Invalid procedure call or argument");
}

std::string ListControl::List(int32_t i) const {
    if (i < 0 || i >= ListCount()) return "";
    return items_[static_cast<std::size_t>(i)];
}

void ListControl::setList(int32_t i, std::string s) {
    checkIndex(i, 381);
    items_[static_cast<std::size_t>(i)] = std::move(s);
    notify(Prop::List);
}

int32_t ListControl::ItemData(int32_t i) const {
    checkIndex(i, 381);
    return itemData_[static_cast<std::size_t>(i)];
}

void ListControl::setItemData(int32_t i, int32_t v) {
    checkIndex(i, 381);
    itemData_[static_cast<std::size_t>(i)] = v;
}

void ListControl::setListIndex(int32_t i) {
    if (i < -1 || i >= ListCount()) throw RuntimeError(380, "Invalid property value");
    if (i == listIndex_) return;
    listIndex_ = i;
    const bool multi = (kind() == ControlKind::ListBox && static_cast<ListBox*>(this)->MultiSelect != 0) ||
                       (kind() == ControlKind::FileListBox && static_cast<FileListBox*>(this)->MultiSelect);
    if (!multi) {
        std::fill(selected_.begin(), selected_.end(), false);
        if (i >= 0) selected_[static_cast<std::size_t>(i)] = true;
    }
    if (kind() == ControlKind::ComboBox) {
        auto* cb = static_cast<ComboBox*>(this);
        cb->text_ = List(i);
    }
    notify(Prop::Selection);
    raise(Click);
}

void ListControl::AddItem(std::string item, int32_t index) {
    if (index > ListCount() || index < -1) throw RuntimeError(5, "Invalid procedure call or argument");
    std::size_t at;
    if (index >= 0) {
        at = static_cast<std::size_t>(index);
    } else if (Sorted) {
        const std::string key = UCase(item);
        at = 0;
        while (at < items_.size() && UCase(items_[at]) <= key)
            ++at;
    } else {
        at = items_.size();
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    itemData_.insert(itemData_.begin() + static_cast<std::ptrdiff_t>(at), 0);
    selected_.insert(selected_.begin() + static_cast<std::ptrdiff_t>(at), false);
    newIndex_ = static_cast<int32_t>(at);
    if (listIndex_ >= static_cast<int32_t>(at)) ++listIndex_;
    notify(Prop::List);
}

void ListControl::RemoveItem(int32_t index) {
    checkIndex(index, 5);
    const auto at = static_cast<std::ptrdiff_t>(index);
    items_.erase(items_.begin() + at);
    itemData_.erase(itemData_.begin() + at);
    selected_.erase(selected_.begin() + at);
    if (listIndex_ == index) {
        listIndex_ = -1;
        if (kind() == ControlKind::ComboBox) static_cast<ComboBox*>(this)->text_.clear();
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    notify(Prop::List);
}

void ListControl::Clear() {
    items_.clear(), itemData_.clear(), selected_.clear();
    listIndex_ = -1;
    if (kind() == ControlKind::ComboBox) static_cast<ComboBox*>(this)->text_.clear();
    notify(Prop::List);
}

bool ListBox::Selected(int32_t i) const {
    checkIndex(i, 381);
    return selected_[static_cast<std::size_t>(i)];
}

void ListBox::setSelected(int32_t i, bool v) {
    checkIndex(i, 381);
    if (MultiSelect == 0) {
        if (v) {
            setListIndex(i);
        } else if (listIndex_ == i) {
            selected_[static_cast<std::size_t>(i)] = false;
            listIndex_ = -1;
            notify(Prop::Selection);
        }
        return;
    }
    selected_[static_cast<std::size_t>(i)] = v;
    listIndex_ = i;
    notify(Prop::Selection);
    raise(Click);
}

int32_t ListBox::SelCount() const {
    return static_cast<int32_t>(std::count(selected_.begin(), selected_.end(), true));
}

void ListBox::userClickItem(int32_t i, bool ctrl) {
    checkIndex(i, 381);
    if (MultiSelect == 1 || (MultiSelect == 2 && ctrl)) {
        setSelected(i, !selected_[static_cast<std::size_t>(i)]);
    } else if (MultiSelect == 2) {
        std::fill(selected_.begin(), selected_.end(), false);
        setSelected(i, true);
    } else {
        setListIndex(i);
    }
}

void ComboBox::setText(std::string s) {
    if (Style == 2) {
        auto it = std::find(items_.begin(), items_.end(), s);
        if (it == items_.end()) throw RuntimeError(383, "'Text' property is read-only");
        setListIndex(static_cast<int32_t>(it - items_.begin()));
        return;
    }
    const bool changed = s != text_;
    text_ = std::move(s);
    notify(Prop::Text);
    if (changed) raise(Change);
}

void HScrollBar::setMin(int16_t v) {
    min_ = v;
    notify(Prop::Value);
    const int16_t in = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    if (in != value_) setValue(in);
}

void HScrollBar::setMax(int16_t v) {
    max_ = v;
    notify(Prop::Value);
    const int16_t in = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    if (in != value_) setValue(in);
}

// ------------------------------------------------------------------------------------------ PictureBox
PictureBox::PictureBox(Form& f, std::string name, Control* container, int16_t index)
    : Control(f, ControlKind::PictureBox, std::move(name), container, index) {
    const double tpp = screenTpp();
    surface_ = std::make_shared<draw::WindowSurface>(1, 1, tpp);
    surface_->SetBackColor(0xC0C0C0);
    surface_->SetFont({"MS Sans Serif", 8.25f, false, false});
    surface_->SetAttach([this](draw::WindowSurface& s) {
        if (!form().designing_) attachPicture(s, be().drawingTarget(*this));
    });
    drawing_ = surface_.get();
    geometryChanged();
}

PictureBox::~PictureBox() {
    surface_->Close();
    drawing_ = nullptr;
}

void PictureBox::geometryChanged() {
    const double tpp = screenTpp();
    const double border = BorderSingle ? 2 * tpp : 0;
    const double w = std::max(tpp, static_cast<double>(Width()) - border);
    const double h = std::max(tpp, static_cast<double>(Height()) - border);
    const bool resized = w != surface_->DeviceWidthTwips() || h != surface_->DeviceHeightTwips();
    surface_->SetClientArea(w, h, tpp);
    if (resized && !AutoRedraw && form().shownOnce_ && form().loaded()) raise(Paint);
}

void HScrollBar::setValue(int16_t v) {
    if (v < std::min(min_, max_) || v > std::max(min_, max_))
        throw RuntimeError(380, "Invalid property value");
    if (v == value_) return;
    value_ = v;
    notify(Prop::Value);
    raise(Change);
}

void HScrollBar::userScroll(int16_t v) {
    v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    const bool changed = v != value_;
    value_ = v;
    notify(Prop::Value);
    raise(Scroll);
    if (changed) raise(Change);
}

// ------------------------------------------------------------------------------------------ menus
Menu::Menu(Form& f, std::string name, Menu* parent, int16_t index)
    : CaptionedControl(f, ControlKind::Menu, std::move(name), parent, index), parent_(parent) {}

void Menu::setChecked(bool v) {
    checked_ = v;
    notify(Prop::Value);
}

std::vector<Menu*> Menu::entries() const {
    std::vector<Menu*> v;
    for (Control* c : form().controls())
        if (c->kind() == ControlKind::Menu && static_cast<Menu*>(c)->parent_ == this)
            v.push_back(static_cast<Menu*>(c));
    return v;
}

// ------------------------------------------------------------------------------------------ file-system
// lists
namespace {

std::string folderText(const fs::path& p) {
    std::string s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == PathSep)
        s.pop_back();
    return s.empty() ? std::string(1, PathSep) : s;
}

bool lessNoCase(const std::string& a, const std::string& b) {
    const std::string ua = UCase(a), ub = UCase(b);
    return ua != ub ? ua < ub : a < b;
}

bool matchesAny(const std::string& patterns, const std::string& name) {
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string::npos) end = patterns.size();
        std::string p = Trim(std::string_view(patterns).substr(start, end - start));
        if (!p.empty() && MatchPattern(p, name)) return true;
        start = end + 1;
    }
    return false;
}

fs::path existingFolder(const std::string& p) {
    fs::path r = Resolve(p.empty() ? CurDir() : p);
    std::error_code ec;
    if (!fs::is_directory(r, ec)) throw RuntimeError(76, "Path not found");
    return fs::absolute(r, ec);
}

} // namespace

DriveListBox::DriveListBox(Form& f, std::string name, Control* container, int16_t index)
    : ListControl(f, ControlKind::DriveListBox, std::move(name), container, index), drive_(1, PathSep) {
    items_.push_back(drive_), itemData_.push_back(0), selected_.push_back(true);
    listIndex_ = 0;
}

void DriveListBox::setDrive(std::string d) {
    // Only the root exists; "/" and "/anything" name it.
    if (d.empty() || d[0] != PathSep) throw RuntimeError(68, "Device unavailable");
    if (drive_ == std::string(1, PathSep)) return;
    drive_ = std::string(1, PathSep);
    notify(Prop::Value);
    raise(Change);
}

void DirListBox::setPath(std::string p) {
    const std::string np = folderText(existingFolder(p));
    if (np == path_) return;
    path_ = np;
    refresh();
    raise(Change);
}

void DirListBox::refresh() {
    items_.clear(), itemData_.clear(), selected_.clear(), ancestors_.clear();
    listIndex_ = -1;
    if (path_.empty()) path_ = folderText(fs::current_path());
    for (fs::path p = path_;; p = p.parent_path()) {
        ancestors_.push_back(folderText(p));
        if (p == p.parent_path() || p.empty()) break;
    }
    std::vector<std::string> subs;
    std::error_code ec;
    for (fs::directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e2;
        const std::string n = it->path().filename().string();
        if (!n.empty() && n[0] != '.' && it->is_directory(e2)) subs.push_back(n);
    }
    std::sort(subs.begin(), subs.end(), lessNoCase);
    for (auto& n : subs) {
        items_.push_back(folderText(fs::path(path_) / n));
        itemData_.push_back(0), selected_.push_back(false);
    }
    notify(Prop::List);
}

void DirListBox::setListIndex(int32_t i) {
    if (i >= -1) {
        ListControl::setListIndex(i);
        return;
    }
    if (i < -ancestors()) throw RuntimeError(380, "Invalid property value");
    if (i == listIndex_) return;
    listIndex_ = i;
    std::fill(selected_.begin(), selected_.end(), false);
    notify(Prop::Selection);
    raise(Click);
}

std::string DirListBox::DirList(int32_t i) const {
    if (i >= 0) return ListControl::List(i);
    const auto k = static_cast<std::size_t>(-i - 1);
    return k < ancestors_.size() ? ancestors_[k] : "";
}

void FileListBox::setPath(std::string p) {
    const std::string np = folderText(existingFolder(p));
    const bool changed = np != path_;
    path_ = np;
    refresh();
    if (changed) raise(PathChange);
}

void FileListBox::setPattern(std::string p) {
    if (p.find_first_of("<>|\"") != std::string::npos) throw RuntimeError(380, "Invalid property value");
    const bool changed = p != pattern_;
    pattern_ = std::move(p);
    refresh();
    if (changed) raise(PatternChange);
}

void FileListBox::refresh() {
    items_.clear(), itemData_.clear(), selected_.clear();
    listIndex_ = -1;
    if (path_.empty()) path_ = folderText(fs::current_path());
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e2;
        const std::string n = it->path().filename().string();
        if (!n.empty() && n[0] != '.' && it->is_regular_file(e2) && matchesAny(pattern_, n))
            names.push_back(n);
    }
    std::sort(names.begin(), names.end(), lessNoCase);
    for (auto& n : names) {
        items_.push_back(n);
        itemData_.push_back(0), selected_.push_back(false);
    }
    notify(Prop::List);
}

bool FileListBox::Selected(int32_t i) const {
    checkIndex(i, 381);
    return selected_[static_cast<std::size_t>(i)];
}

void FileListBox::setSelected(int32_t i, bool v) {
    checkIndex(i, 381);
    if (!MultiSelect) {
        if (v) setListIndex(i);
        return;
    }
    selected_[static_cast<std::size_t>(i)] = v;
    listIndex_ = i;
    notify(Prop::Selection);
    raise(Click);
}

// ------------------------------------------------------------------------------------------ Form
Form::Form(std::string name) : name_(std::move(name)) {
    surface_ = std::make_shared<draw::WindowSurface>(clientWidth(), clientHeight(), screenTpp());
    surface_->SetBackColor(0xC0C0C0);
    surface_->SetFont({"MS Sans Serif", 8.25f, false, false});
    // Nothing is drawn while the window is being built: it is not on any screen yet.
    surface_->SetAttach([this](draw::WindowSurface& s) {
        if (!designing_) attachPicture(s, be().drawingTarget(*this));
    });
}

Form::~Form() {
    surface_->Close();
    auto& s = state();
    if (s.active == this) s.active = nullptr;
    if (s.focus && &s.focus->form() == this) s.focus = nullptr;
    s.zorder.erase(std::remove(s.zorder.begin(), s.zorder.end(), this), s.zorder.end());
}

bool Form::isActive() const {
    return state().active == this;
}

void Form::setCaption(std::string s) {
    caption_ = std::move(s);
    be().formChanged(*this, Prop::Caption);
}

void Form::Move(float left, float top, float width, float height) {
    if (width < 0 || height < 0) throw RuntimeError(380, "Invalid property value");
    const bool resized = width != width_ || height != height_;
    left_ = left, top_ = top, width_ = width, height_ = height;
    syncSurface();
    be().formChanged(*this, Prop::Geometry);
    if (resized && loaded_) {
        DispatchDepth keepAlive;
        {
            DispatchDepth d;
            Form_Resize();
        }
        if (shownOnce_ && loaded_) raisePaint(*this, false); // picture boxes paint when they change size
    }
}

float Form::clientWidth() const {
    return std::max(0.0f, width_ - 2 * FrameTwips);
}

float Form::clientHeight() const {
    const float menu = static_cast<float>(menuBarRows()) * MenuBarTwips;
    return std::max(0.0f, height_ - TitleTwips - menu - FrameTwips);
}

int Form::menuBarRows() const {
    return menuBarRowsAt(width_);
}

int Form::menuBarRowsAt(float outerWidth) const {
    const Backend* b = &be();
    if (menuRows_ >= 0 && menuRowsWidth_ == outerWidth && menuRowsBackend_ == b) return menuRows_;
    std::vector<std::string> captions;
    bool bar = false;
    for (Control* c : controls_) {
        if (c->kind() != ControlKind::Menu || static_cast<Menu*>(c)->parent()) continue;
        bar = true;
        if (c->Visible()) captions.push_back(static_cast<Menu*>(c)->Caption());
    }
    int rows = 0;
    if (bar) {
        rows = 1;
        if (!captions.empty()) {
            const auto r =
                const_cast<Backend*>(b)->menuRows(captions, std::max(0.0f, outerWidth - 2 * FrameTwips));
            if (!r.empty()) rows = std::max(1, r.back() + 1);
        }
    }
    menuRows_ = rows;
    menuRowsWidth_ = outerWidth;
    menuRowsBackend_ = b;
    return rows;
}

void Form::menuBarChanged() {
    const float before = clientHeight();
    menuRows_ = -1;
    if (clientHeight() == before) return;
    // the client area changed with the bar: as a resize of the window
    syncSurface();
    be().formChanged(*this, Prop::Geometry);
    if (loaded_ && !designing_) {
        DispatchDepth keepAlive;
        {
            DispatchDepth d;
            Form_Resize();
        }
        if (shownOnce_ && loaded_) raisePaint(*this, false);
    }
}

// The surface's area follows the client area (menus added after the window's own constructor
// make it smaller) and the screen's resolution.
void Form::syncSurface() const {
    const double w = clientWidth(), h = clientHeight(), tpp = screenTpp();
    if (w != surface_->DeviceWidthTwips() || h != surface_->DeviceHeightTwips() ||
        tpp != surface_->TwipsPerPixelX())
        surface_->SetClientArea(w, h, tpp);
}

draw::WindowSurface& Form::surface() {
    syncSurface();
    return *surface_;
}

float Form::ScaleWidth() const {
    syncSurface();
    return static_cast<float>(surface_->ScaleWidth());
}

float Form::ScaleHeight() const {
    syncSurface();
    return static_cast<float>(surface_->ScaleHeight());
}

void Form::setFont(std::string name, float size, bool bold, bool italic) {
    syncSurface();
    surface_->SetFont({std::move(name), size, bold, italic});
    be().formChanged(*this, Prop::Font);
}

void Form::Refresh() {
    if (!loaded_ || !visible_) return;
    raisePaint(*this, true); // a repaint of the whole window: its picture boxes too
    if (loaded_) be().formChanged(*this, Prop::Refresh);
}

void Form::ZOrder(int16_t position) {
    auto& s = state();
    if (!loaded_ || !visible_) return;
    DispatchDepth keepAlive;
    s.zorder.erase(std::remove(s.zorder.begin(), s.zorder.end(), this), s.zorder.end());
    if (position == 0) {
        s.zorder.push_back(this);
        be().formChanged(*this, Prop::ToFront);
        activateAndFocus(*this);
    } else {
        s.zorder.insert(s.zorder.begin(), this);
        be().formChanged(*this, Prop::ToBack);
        if (s.active == this) {
            s.active = nullptr;
            activateTopmost();
        }
    }
}

void Form::setClientSize(float width, float height) {
    const float outer = width + 2 * FrameTwips;
    const float menu = static_cast<float>(menuBarRowsAt(outer)) * MenuBarTwips;
    Move(left_, top_, outer, height + TitleTwips + menu + FrameTwips);
}

void Form::setEnabled(bool v) {
    enabled_ = v;
    be().formChanged(*this, Prop::Enabled);
    if (!v) checkFocus();
}

void Form::setWindowState(int16_t s) {
    windowState_ = s;
    be().formChanged(*this, Prop::Geometry);
}

void Form::setMousePointer(int16_t p) {
    mousePointer_ = p;
    be().formChanged(*this, Prop::Pointer);
}

void Form::setBackColor(int32_t c) {
    surface_->SetBackColor(c);
    be().formChanged(*this, Prop::Color);
}

void Form::setForeColor(int32_t c) {
    surface_->SetForeColor(c);
    be().formChanged(*this, Prop::Color);
}

Control* Form::find(std::string_view name, int16_t index) const {
    for (Control* c : controls_)
        if (c->name() == name && c->Index() == index) return c;
    return nullptr;
}

std::vector<Menu*> Form::menuBar() const {
    std::vector<Menu*> v;
    for (Control* c : controls_)
        if (c->kind() == ControlKind::Menu && !static_cast<Menu*>(c)->parent())
            v.push_back(static_cast<Menu*>(c));
    return v;
}

void Form::Show(int16_t modal) {
    if (!loaded_) return;
    auto& s = state();
    DispatchDepth keepAlive; // this window outlives a wait in which it is unloaded
    if (modal == vbModal) modal_ = true;
    if (!visible_) {
        visible_ = true;
        be().formShown(*this);
        if (!shownOnce_) {
            shownOnce_ = true; // a window's first display counts as a resize, and its picture is drawn
            {
                DispatchDepth d;
                Form_Resize();
            }
            if (loaded_) raisePaint(*this, true);
        }
    }
    s.zorder.erase(std::remove(s.zorder.begin(), s.zorder.end(), this), s.zorder.end());
    s.zorder.push_back(this);
    if (inLoad_)
        activate(*this); // Activate follows when Form_Load has finished
    else
        activateAndFocus(*this);
    if (modal == vbModal) {
        WaitUntil([this] { return !loaded_ || !visible_; }, "the modal window " + name_);
        modal_ = false;
    }
}

void Form::Hide() {
    if (!visible_) return;
    auto& s = state();
    visible_ = false;
    modal_ = false;
    be().formHidden(*this);
    s.zorder.erase(std::remove(s.zorder.begin(), s.zorder.end(), this), s.zorder.end());
    if (s.focus && &s.focus->form() == this) {
        s.focus = nullptr;
        be().focusChanged(nullptr);
    }
    if (s.active == this) {
        s.active = nullptr;
        activateTopmost();
    }
}

// ------------------------------------------------------------------------------------------ loading
namespace detail {

Form* findLoaded(std::type_index t) {
    auto& s = state();
    auto it = s.byType.find(t);
    return it == s.byType.end() ? nullptr : it->second;
}

Form& loadForm(std::type_index t, std::unique_ptr<Form> up) {
    auto& s = state();
    if (s.depth == 0) s.unloadedInLoad.clear();
    Form& f = *up;
    s.byType[t] = &f;
    s.types.insert_or_assign(&f, t);
    s.loaded.push_back(std::move(up));
    f.loaded_ = true;
    f.inLoad_ = true;
    f.designing_ = false;
    // The window outlives its Form_Load even when it is unloaded there (the user may close a window
    // whose loading waits for input): the caller gets it back, unloaded.
    DispatchDepth keepAlive;
    try {
        f.Form_Load();
    } catch (...) {
        f.inLoad_ = false;
        throw;
    }
    f.inLoad_ = false;
    if (f.activatePending_) {
        f.activatePending_ = false;
        if (f.loaded_ && f.visible_ && s.active == &f) {
            {
                DispatchDepth d;
                f.Form_Activate();
            }
            activateAndFocus(f);
        }
    }
    if (!f.loaded_) {
        for (auto it = s.graveyard.begin(); it != s.graveyard.end(); ++it)
            if (it->get() == &f) {
                s.unloadedInLoad.push_back(std::move(*it));
                s.graveyard.erase(it);
                break;
            }
    }
    return f;
}

} // namespace detail

// An unloaded window's surfaces draw nothing any more.
void closeSurfaces(Form& f) {
    f.surface().Close();
    for (Control* c : f.controls())
        if (c->kind() == ControlKind::PictureBox) static_cast<PictureBox*>(c)->surface().Close();
}

bool unloadWithMode(Form& f, int16_t mode) {
    auto& s = state();
    if (!f.loaded_) return true;
    DispatchDepth d;
    int16_t cancel = 0;
    f.Form_QueryUnload(cancel, mode);
    if (cancel || !f.loaded_) return !cancel;
    f.Form_Unload(cancel);
    if (cancel || !f.loaded_) return !cancel;
    f.loaded_ = false;
    const bool wasActive = s.active == &f;
    f.visible_ = false;
    f.modal_ = false;
    s.zorder.erase(std::remove(s.zorder.begin(), s.zorder.end(), &f), s.zorder.end());
    if (s.focus && &s.focus->form() == &f) {
        s.focus = nullptr;
        be().focusChanged(nullptr);
    }
    if (wasActive) s.active = nullptr;
    closeSurfaces(f);
    be().formUnloading(f);
    auto ti = s.types.find(&f);
    if (ti != s.types.end()) {
        s.byType.erase(ti->second);
        s.types.erase(ti);
    }
    for (auto it = s.loaded.begin(); it != s.loaded.end(); ++it)
        if (it->get() == &f) {
            s.graveyard.push_back(std::move(*it));
            s.loaded.erase(it);
            break;
        }
    if (wasActive) activateTopmost();
    return true;
}

bool Unload(Form& f) {
    return unloadWithMode(f, vbFormCode);
}

std::vector<Form*> Forms() {
    std::vector<Form*> v;
    for (auto& p : state().loaded)
        v.push_back(p.get());
    return v;
}

Form* ActiveForm() {
    return state().active;
}
Control* ActiveControl() {
    return state().focus;
}

Control* FocusComing() {
    return state().coming;
}

void discardAllForms() {
    auto& s = state();
    for (auto& p : s.loaded) {
        p->loaded_ = false;
        p->visible_ = false;
        closeSurfaces(*p);
        be().formUnloading(*p);
    }
    s.focus = nullptr;
    s.active = nullptr;
    s.zorder.clear();
    s.byType.clear();
    s.types.clear();
    for (auto& p : s.loaded)
        s.graveyard.push_back(std::move(p));
    s.loaded.clear();
    for (auto& p : s.unloadedInLoad)
        s.graveyard.push_back(std::move(p));
    s.unloadedInLoad.clear();
    if (s.depth == 0) s.graveyard.clear();
}

// ------------------------------------------------------------------------------------------ screen & system
namespace Screen {
float Width() {
    auto i = be().screen();
    return static_cast<float>(i.widthPx) * i.twipsPerPixelX;
}
float Height() {
    auto i = be().screen();
    return static_cast<float>(i.heightPx) * i.twipsPerPixelY;
}
float TwipsPerPixelX() {
    return be().screen().twipsPerPixelX;
}
float TwipsPerPixelY() {
    return be().screen().twipsPerPixelY;
}
int16_t MousePointer() {
    return state().screenPointer;
}
void setMousePointer(int16_t p) {
    state().screenPointer = p;
    state().screenPointerLog.push_back(p);
    be().screenPointerChanged(p);
}
int32_t FontCount() {
    return static_cast<int32_t>(be().screen().fonts.size());
}
std::string Fonts(int32_t i) {
    auto f = be().screen().fonts;
    return i >= 0 && i < static_cast<int32_t>(f.size()) ? f[static_cast<std::size_t>(i)] : "";
}
} // namespace Screen

void DoEvents() {
    DispatchDepth d;
    be().doEvents();
}

void Sleep(int ms) {
    be().sleep(ms);
}

void WaitUntil(const std::function<bool()>& done, std::string_view what) {
    DispatchDepth d;
    be().waitUntil(done, what);
}

void RunUntilNoForms() {
    WaitUntil([] { return state().loaded.empty(); }, "the end of the program");
}

void MovePointer(Control& c, int x, int y) {
    be().movePointer(c, x, y);
}

void MovePointer(Form& f, int x, int y) {
    be().movePointer(f, x, y);
}

bool StartProgram(const std::string& file) {
    return be().startProgram(file);
}

void End(int code) {
    discardAllForms();
    throw ProgramEnd{code};
}

std::string AppPath() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return CurDir();
    return folderText(exe.parent_path());
}

std::string ClipboardText() {
    return be().clipboardText();
}
void setClipboardText(std::string s) {
    be().setClipboardText(s);
}

void SetBackend(Backend* b) {
    state().backend = b;
}

namespace {
// A caption as the menu bar shows it: "&" marks the access key, "&&" is a plain "&".
std::string MenuText(const std::string& caption) {
    std::string t;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        t += caption[i];
    }
    return t;
}
} // namespace

std::vector<int> Backend::menuRows(const std::vector<std::string>& captions, float widthTwips) {
    // Windows' classic menu bar: the text in the menu font with 7 pixels on either side; an item that
    // does not fit behind the ones before it begins the next row.
    const double pad = 14.0 * Screen::TwipsPerPixelX();
    const draw::FontSpec font{"MS Sans Serif", 8.25f, false, false};
    std::vector<int> rows;
    int row = 0;
    double x = 0;
    for (const std::string& c : captions) {
        const double w = draw::ModelMeasure(MenuText(c), font).width + pad;
        if (x > 0 && x + w > widthTwips) {
            ++row;
            x = 0;
        }
        rows.push_back(row);
        x += w;
    }
    return rows;
}

Backend& CurrentBackend() {
    auto& s = state();
    return s.backend ? *s.backend : headlessBackend();
}

} // namespace vb
