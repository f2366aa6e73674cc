#pragma once
// Windows and controls as plain C++ objects, with the behaviour of Visual-Basic forms.
//
// A window is a class derived from vb::Form with exactly one instance: vb::form<F>() returns it and
// loads it first when it is not loaded (its Form_Load runs); vb::Unload<F>() discards it. Controls
// are members of their window; related controls form vb::ControlArray<T> with sparse indices.
// Geometry is in twips. Every event runs through the model, so the headless backend (tests) and the
// Qt backend (the program) behave the same; a backend only shows the model and feeds user input in.
//
// Unloading a window only detaches it: the object lives on until the outermost event handler has
// returned, so a handler may unload its own window and return safely. Code must not keep a
// reference to a window across an Unload: it asks vb::form<F>() again, which loads a new instance.
//
// A window is written like this (controls are members, designed in the constructor; handlers are
// wired there; events of the window itself are virtual functions):
//
//   class frmBeispiel : public vb::Form {
//   public:
//       vb::ControlArray<vb::TextBox> txtEin{*this, "txtEin"};
//       vb::Frame Frame1{*this, "Frame1"};
//       vb::OptionButton optArt{*this, "optArt", &Frame1}; // option groups are per container
//       vb::CommandButton cmdOK{*this, "cmdOK"};
//       frmBeispiel() : vb::Form("frmBeispiel") {
//           setCaption("Beispiel");
//           setClientSize(6000, 4000);
//           txtEin.add(0).Move(120, 120, 1200, 300);
//           cmdOK.setCaption("OK");
//           txtEin.onKeyPress([](int16_t, int16_t& k) { Anzeigen::ZahlTaste(k); });
//           cmdOK.Click = [this] { cmdOK_Click(); };
//       }
//       void Form_Load() override { Show(); /* fill the controls */ }
//       void cmdOK_Click();
//       static void Oeffentlich(); // a public routine that touches no control: no instance needed
//   };
//
//   vb::form<frmBeispiel>().txtEin(0).setText("1.5"); // loads the window when it is not loaded
//   vb::form<frmBeispiel>().Show(vb::vbModal);         // returns when it is hidden or unloaded
//   vb::Unload<frmBeispiel>();
//
// A window and a picture box are drawing surfaces (surface(), platform/draw/window_surface.h): Print,
// Line, Circle, Cls, Scale, CurrentX/Y, DrawWidth/Style, TextWidth/Height work there as on a
// Visual-Basic form. The window's BackColor, ForeColor, font and ScaleWidth/ScaleHeight are those of
// its surface. The backend supplies where the drawing goes (headless: a recorder; Qt: the window's
// retained picture). A drawing loop that outlives a wait in which the user may close the window
// holds surfaceHandle() and asks Closed(): the surface of an unloaded window draws nothing.
//
// While a window is being built (its constructor) its controls raise no events: what the
// constructor sets (option values, check boxes, texts, list selections) is the designer state.
//
// Tests drive windows through vb::user and vb::script (platform/forms/headless.h).
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "platform/draw/window_surface.h"
#include "platform/runtime/errors.h"

namespace vb {

class Form;
class Control;
class Menu;
class Backend;

enum FormShowConstants : int16_t { vbModeless = 0, vbModal = 1 };
enum MousePointerConstants : int16_t {
    vbDefault = 0,
    vbArrow = 1,
    vbCrosshair = 2,
    vbIbeam = 3,
    vbHourglass = 11
};
enum QueryUnloadConstants : int16_t { vbFormControlMenu = 0, vbFormCode = 1, vbAppWindows = 2 };
enum CheckBoxConstants : int16_t { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };
enum WindowStateConstants : int16_t { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };
enum AlignmentConstants : int16_t { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

// The program ends (the statement End): thrown out of the handler that ends the program and caught by
// the program's main loop. Not derived from std::exception, so no error trap of a calculation takes it.
struct ProgramEnd {
    int code = 0;
};

enum class ControlKind {
    Label,
    TextBox,
    Frame,
    CommandButton,
    OptionButton,
    CheckBox,
    ListBox,
    ComboBox,
    HScrollBar,
    PictureBox,
    Shape,
    Menu,
    DriveListBox,
    DirListBox,
    FileListBox,
};

// What changed, for the backend that shows the model.
enum class Prop {
    Geometry,
    Text,
    Caption,
    Enabled,
    Visible,
    Value,
    List,
    Selection,
    Font,
    Color,
    Pointer,
    Refresh, // paint now (Refresh)
    ToFront, // the window came to the front (ZOrder 0)
    ToBack,  // the window went behind the others (ZOrder 1)
    Other
};

namespace detail {
Form* findLoaded(std::type_index t);
Form& loadForm(std::type_index t, std::unique_ptr<Form> f);
} // namespace detail

// ------------------------------------------------------------------------------------------ controls
class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, Control* container = nullptr, int16_t index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    ControlKind kind() const { return kind_; }
    Form& form() const { return *form_; }
    const std::string& name() const { return name_; }
    int16_t Index() const { return index_; } // -1 outside a control array
    std::string path() const;                // "frmX.name" or "frmX.name(3)"
    Control* Container() const { return container_; }

    // Geometry in twips, relative to the container (the window's client area at the top level).
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float v) { Move(v, top_, width_, height_); }
    void setTop(float v) { Move(left_, v, width_, height_); }
    void setWidth(float v) { Move(left_, top_, v, height_); }
    void setHeight(float v) { Move(left_, top_, width_, v); }
    void Move(float left, float top, float width, float height);

    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool Visible() const { return visible_; }
    void setVisible(bool v);
    // Enabled (visible) with every container and the window.
    bool effectivelyEnabled() const;
    bool effectivelyVisible() const;

    int16_t TabIndex = 0;
    bool TabStop = true;
    std::string Tag;

    // The font as the system took it: the size snaps to whole pixels of the screen (7 pt reads back
    // as 6.75 pt at 15 twips per pixel, draw::SnapFontSize); bold and italic are taken as set.
    const std::string& FontName() const;
    float FontSize() const;
    bool FontBold() const;
    bool FontItalic() const;
    void setFont(std::string name, float size, bool bold = false, bool italic = false);
    void setFontName(std::string name) { setFont(std::move(name), FontSize(), FontBold(), FontItalic()); }
    void setFontSize(float size) { setFont(FontName(), size, FontBold(), FontItalic()); }
    void setFontBold(bool bold) { setFont(FontName(), FontSize(), bold, FontItalic()); }
    void setFontItalic(bool italic) { setFont(FontName(), FontSize(), FontBold(), italic); }

    int32_t BackColor() const;
    int32_t ForeColor() const;
    void setBackColor(int32_t c); // a picture box clears its picture to the new colour
    void setForeColor(int32_t c);

    int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(int16_t p);

    // Moves the focus here; raises LostFocus of the control that had it, then GotFocus here.
    // A control that cannot take the focus now (disabled, hidden, its window hidden) fails with
    // run-time error 5 ("Invalid procedure call"), as Visual Basic's SetFocus does.
    void SetFocus();
    bool hasFocus() const;
    // Whether this kind of control can take the focus at all.
    virtual bool focusable() const { return false; }
    bool canTakeFocusNow() const;
    void Refresh(); // paints now (a picture box without AutoRedraw: its Paint first)

    // Events. Handlers of an array element are set through its ControlArray.
    std::function<void()> GotFocus, LostFocus, Click, DblClick, Change;
    std::function<void(int16_t& KeyAscii)> KeyPress;
    // The key as the keyboard has it (letters in upper case, Enter 13) before KeyPress; Shift holds
    // 1 shift, 2 control.
    std::function<void(int16_t& KeyCode, int16_t Shift)> KeyDown;
    // Mouse button pressed and released over the control; X and Y in twips from its top left corner.
    std::function<void(int16_t Button, int16_t Shift, float X, float Y)> MouseDown, MouseUp;

    // Raises an event through the model's dispatcher (public so that code can run "the Click" itself).
    void raise(const std::function<void()>& handler);
    void raiseKeyPress(int16_t& key);
    void raiseKeyDown(int16_t& keyCode, int16_t shift);
    void raiseMouse(const std::function<void(int16_t, int16_t, float, float)>& handler, int16_t button,
                    int16_t shift, float x, float y);

    void* backendData = nullptr; // for the backend that shows the control

protected:
    void notify(Prop p);
    // The geometry changed and the backend has shown it (a picture box resizes its surface).
    virtual void geometryChanged() {}
    // A control that is a drawing surface keeps its colours and font there.
    draw::WindowSurface* drawing_ = nullptr;

private:
    friend class Form;
    Form* form_;
    ControlKind kind_;
    std::string name_;
    Control* container_;
    int16_t index_;
    float left_ = 0, top_ = 0, width_ = 1215, height_ = 375;
    bool enabled_ = true, visible_ = true;
    draw::FontSpec font_{"MS Sans Serif", 8.25f, false, false};
    int32_t backColor_ = 0xFFFFFF, foreColor_ = 0;
    int16_t mousePointer_ = vbDefault;
};

// A control that shows a caption: labels, frames, buttons, option and check boxes, menu entries.
class CaptionedControl : public Control {
public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string s);

private:
    std::string caption_;
};

class Label : public CaptionedControl {
public:
    Label(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : CaptionedControl(f, ControlKind::Label, std::move(name), container, index) {}
    int16_t Alignment = vbLeftJustify;
    bool BackStyleOpaque = true;
    bool BorderSingle = false;
};

class TextBox : public Control {
public:
    TextBox(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : Control(f, ControlKind::TextBox, std::move(name), container, index) {}
    bool focusable() const override { return true; }
    const std::string& Text() const { return text_; }
    // Sets the text from code: raises Change when it differs; the caret goes to the start.
    void setText(std::string s);
    // Selection in characters.
    int32_t SelStart() const { return selStart_; }
    int32_t SelLength() const { return selLength_; }
    void setSelStart(int32_t v);
    void setSelLength(int32_t v);
    std::string SelText() const;
    void setSelText(std::string_view s); // replaces the selection (limited by MaxLength when typed)
    int32_t MaxLength = 0;               // 0: no limit; limits what the user types or pastes
    bool MultiLine = false;
    int16_t ScrollBars = 0; // 0 none, 1 horizontal, 2 vertical, 3 both (multi-line boxes)
    bool Locked = false;
    int16_t Alignment = vbLeftJustify;

    // One key as the user types it: KeyPress, then the key's effect (insert, backspace, paste, copy).
    void typeKey(int16_t key);

private:
    void insertTyped(std::string_view s);
    std::string text_;
    int32_t selStart_ = 0, selLength_ = 0;
};

class Frame : public CaptionedControl {
public:
    Frame(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : CaptionedControl(f, ControlKind::Frame, std::move(name), container, index) {}
};

class CommandButton : public CaptionedControl {
public:
    CommandButton(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : CaptionedControl(f, ControlKind::CommandButton, std::move(name), container, index) {}
    bool focusable() const override { return true; }
    bool Default = false; // Enter elsewhere in the window clicks it
    bool Cancel = false;  // Escape in the window clicks it
};

class OptionButton : public CaptionedControl {
public:
    OptionButton(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : CaptionedControl(f, ControlKind::OptionButton, std::move(name), container, index) {}
    bool focusable() const override { return true; }
    bool Value() const { return value_; }
    // true clears the other options of the same container and raises Click (not when already set);
    // false clears this one without an event.
    void setValue(bool v);

private:
    friend class Control;
    bool value_ = false;
};

class CheckBox : public CaptionedControl {
public:
    CheckBox(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : CaptionedControl(f, ControlKind::CheckBox, std::move(name), container, index) {}
    bool focusable() const override { return true; }
    int16_t Value() const { return value_; }
    void setValue(int16_t v); // raises Click on every change; other than 0..2: error 380

private:
    int16_t value_ = vbUnchecked;
};

// Shared by ListBox, ComboBox and the folder and file lists.
class ListControl : public Control {
public:
    using Control::Control;
    bool focusable() const override { return true; }
    int32_t ListCount() const { return static_cast<int32_t>(items_.size()); }
    // Entry i (0-based); "" outside the list, as Visual Basic answers.
    std::string List(int32_t i) const;
    void setList(int32_t i, std::string s);
    int32_t ListIndex() const { return listIndex_; }
    // Selects entry i (-1: none) and raises Click when it changes; outside -1..ListCount-1: error 380.
    void setListIndex(int32_t i);
    void AddItem(std::string item, int32_t index = -1); // index beyond the end: error 5
    void RemoveItem(int32_t index);                     // outside the list: error 5
    void Clear();
    int32_t ItemData(int32_t i) const;
    void setItemData(int32_t i, int32_t v);
    int32_t NewIndex() const { return newIndex_; }
    bool Sorted = false;

protected:
    std::vector<std::string> items_;
    std::vector<int32_t> itemData_;
    std::vector<bool> selected_;
    int32_t listIndex_ = -1;
    int32_t newIndex_ = -1;
    void checkIndex(int32_t i, int err) const;
};

class ListBox : public ListControl {
public:
    ListBox(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : ListControl(f, ControlKind::ListBox, std::move(name), container, index) {}
    int16_t MultiSelect = 0; // 0 one entry, 1 simple (a click toggles), 2 extended
    bool Selected(int32_t i) const;
    // Selects or deselects entry i; raises Click (multi-select lists: and makes i the ListIndex).
    void setSelected(int32_t i, bool v);
    int32_t SelCount() const;
    std::string Text() const { return List(listIndex_); }
    // A user's click on entry i (ctrl: with the control key in an extended list).
    void userClickItem(int32_t i, bool ctrl = false);

    friend class ListControl;
};

class ComboBox : public ListControl {
public:
    ComboBox(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : ListControl(f, ControlKind::ComboBox, std::move(name), container, index) {}
    int16_t Style = 0; // 0 editable, 2 choose from the list only
    const std::string& Text() const { return text_; }
    void setText(std::string s); // style 2: must be an entry (else error 383)

private:
    friend class ListControl;
    std::string text_;
};

class HScrollBar : public Control {
public:
    HScrollBar(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : Control(f, ControlKind::HScrollBar, std::move(name), container, index) {}
    bool focusable() const override { return true; }
    int16_t Min() const { return min_; }
    int16_t Max() const { return max_; }
    // A value outside the new range is pulled to its nearer end, and Change follows.
    void setMin(int16_t v);
    void setMax(int16_t v);
    int16_t Value() const { return value_; }
    void setValue(int16_t v); // outside Min..Max: error 380; raises Change when it changes
    int16_t SmallChange = 1, LargeChange = 1;
    std::function<void()> Scroll;
    // The user moves the bar to v (limited to Min..Max): Scroll, then Change when the value changed.
    void userScroll(int16_t v);

private:
    int16_t min_ = 0, max_ = 32767, value_ = 0;
};

// A picture box is a drawing surface: its inner area (inside a single border of one pixel).
class PictureBox : public Control {
public:
    PictureBox(Form& f, std::string name, Control* container = nullptr, int16_t index = -1);
    ~PictureBox() override;
    bool BorderSingle = true; // set before the box is placed (Move)
    // Without AutoRedraw the picture is drawn by Paint, which runs when the window is first shown
    // and after the box changed its size. (Both backends keep the picture either way.)
    bool AutoRedraw = false;
    std::function<void()> Paint;
    draw::WindowSurface& surface() { return *surface_; }
    std::shared_ptr<draw::WindowSurface> surfaceHandle() const { return surface_; }

protected:
    void geometryChanged() override;

private:
    std::shared_ptr<draw::WindowSurface> surface_;
};

class Shape : public Control {
public:
    Shape(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : Control(f, ControlKind::Shape, std::move(name), container, index) {}
    int16_t ShapeKind = 0; // 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle
    int32_t BorderColor = 0;
    int32_t FillColor = 0;
    int16_t FillStyle = 1; // 0 solid, 1 transparent
    int16_t BorderWidth = 1;
};

class Menu : public CaptionedControl {
public:
    // A menu entry; parent nullptr puts it on the window's menu bar.
    Menu(Form& f, std::string name, Menu* parent = nullptr, int16_t index = -1);
    bool Checked() const { return checked_; }
    void setChecked(bool v);
    Menu* parent() const { return parent_; }
    std::vector<Menu*> entries() const; // the submenu, in the order of construction

private:
    Menu* parent_;
    bool checked_ = false;
};

// Drive list: on this platform there are no drive letters; the list holds the file-system root.
class DriveListBox : public ListControl {
public:
    DriveListBox(Form& f, std::string name, Control* container = nullptr, int16_t index = -1);
    const std::string& Drive() const { return drive_; }
    void setDrive(std::string d); // unknown drive: error 68; raises Change when it changes

private:
    std::string drive_;
};

// Folder list: List(i) for i >= 0 are the subfolders of Path, List(-1) is Path itself, List(-2) its
// parent and so on up to the root (full paths, no trailing separator except the root "/").
class DirListBox : public ListControl {
public:
    DirListBox(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : ListControl(f, ControlKind::DirListBox, std::move(name), container, index) {}
    const std::string& Path() const { return path_; }
    void setPath(std::string p); // missing folder: error 76; raises Change when it changes
    std::string DirList(int32_t i) const;
    int32_t ancestors() const { return static_cast<int32_t>(ancestors_.size()); }
    void refresh();
    // As the folder list numbers its rows: -1 Path, -2 its parent ..., 0.. the subfolders.
    std::string List(int32_t i) const { return DirList(i); }
    // Selects row i (-ancestors() .. ListCount-1) and raises Click when it changes; else error 380.
    void setListIndex(int32_t i);

private:
    std::string path_;
    std::vector<std::string> ancestors_; // [0] = Path, [1] = parent ...
};

// File list: the files of Path whose names match Pattern (several patterns separated by ";",
// Windows wildcards), in case-insensitive alphabetical order. Hidden files (".name") are left out.
class FileListBox : public ListControl {
public:
    FileListBox(Form& f, std::string name, Control* container = nullptr, int16_t index = -1)
        : ListControl(f, ControlKind::FileListBox, std::move(name), container, index) {}
    const std::string& Path() const { return path_; }
    void setPath(std::string p); // missing folder: error 76
    const std::string& Pattern() const { return pattern_; }
    void setPattern(std::string p);
    std::string FileName() const { return List(listIndex_); }
    bool MultiSelect = false;
    bool Selected(int32_t i) const;
    void setSelected(int32_t i, bool v);
    void refresh();
    std::function<void()> PathChange, PatternChange;

private:
    std::string path_;
    std::string pattern_ = "*.*";
};

// ------------------------------------------------------------------------------------------ arrays
// Controls under one name with sparse indices; the handlers get the element's index.
template <class T> class ControlArray {
public:
    ControlArray(Form& f, std::string name) : form_(&f), name_(std::move(name)) {}
    // Creates element i (design time, or VB's Load of a new element); existing index: error 360.
    T& add(int16_t i, Control* container = nullptr) {
        if (items_.count(i)) throw RuntimeError(360, "Object already loaded");
        auto p = std::make_unique<T>(*form_, name_, container, i);
        T& ref = *p;
        items_.emplace(i, std::move(p));
        wire(ref);
        return ref;
    }
    void remove(int16_t i) { items_.erase(i); } // VB's Unload of an element
    // Element i; a missing index fails with error 340.
    T& operator()(int16_t i) const {
        auto it = items_.find(i);
        if (it == items_.end())
            throw RuntimeError(340, "Control array element '" + std::to_string(i) + "' doesn't exist");
        return *it->second;
    }
    bool exists(int16_t i) const { return items_.count(i) != 0; }
    int16_t LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int16_t UBound() const { return items_.empty() ? 0 : items_.rbegin()->first; }
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    std::vector<int16_t> indices() const {
        std::vector<int16_t> v;
        for (auto& [i, p] : items_)
            v.push_back(i);
        return v;
    }
    const std::string& name() const { return name_; }

    using Handler = std::function<void(int16_t)>;
    using KeyHandler = std::function<void(int16_t, int16_t&)>;
    using KeyDownHandler = std::function<void(int16_t, int16_t&, int16_t)>;
    using MouseHandler = std::function<void(int16_t, int16_t, int16_t, float, float)>;
    void onClick(Handler h) { click_ = std::move(h), rewire(); }
    void onDblClick(Handler h) { dblClick_ = std::move(h), rewire(); }
    void onGotFocus(Handler h) { gotFocus_ = std::move(h), rewire(); }
    void onLostFocus(Handler h) { lostFocus_ = std::move(h), rewire(); }
    void onChange(Handler h) { change_ = std::move(h), rewire(); }
    void onKeyPress(KeyHandler h) { keyPress_ = std::move(h), rewire(); }
    void onKeyDown(KeyDownHandler h) { keyDown_ = std::move(h), rewire(); }
    void onMouseDown(MouseHandler h) { mouseDown_ = std::move(h), rewire(); }
    void onMouseUp(MouseHandler h) { mouseUp_ = std::move(h), rewire(); }

private:
    void rewire() {
        for (auto& [i, p] : items_)
            wire(*p);
    }
    void wire(T& c) {
        const int16_t i = c.Index();
        auto bind = [i](const Handler& h) { return h ? std::function<void()>([h, i] { h(i); }) : nullptr; };
        if (click_) c.Click = bind(click_);
        if (dblClick_) c.DblClick = bind(dblClick_);
        if (gotFocus_) c.GotFocus = bind(gotFocus_);
        if (lostFocus_) c.LostFocus = bind(lostFocus_);
        if (change_) c.Change = bind(change_);
        if (keyPress_) {
            auto h = keyPress_;
            c.KeyPress = [h, i](int16_t& k) { h(i, k); };
        }
        if (keyDown_) {
            auto h = keyDown_;
            c.KeyDown = [h, i](int16_t& k, int16_t shift) { h(i, k, shift); };
        }
        auto bindMouse = [i](const MouseHandler& h) {
            return [h, i](int16_t b, int16_t shift, float x, float y) { h(i, b, shift, x, y); };
        };
        if (mouseDown_) c.MouseDown = bindMouse(mouseDown_);
        if (mouseUp_) c.MouseUp = bindMouse(mouseUp_);
    }
    Form* form_;
    std::string name_;
    std::map<int16_t, std::unique_ptr<T>> items_;
    Handler click_, dblClick_, gotFocus_, lostFocus_, change_;
    KeyHandler keyPress_;
    KeyDownHandler keyDown_;
    MouseHandler mouseDown_, mouseUp_;
};

// ------------------------------------------------------------------------------------------ windows
class Form {
public:
    explicit Form(std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& name() const { return name_; }

    // Events.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int16_t& /*Cancel*/, int16_t /*UnloadMode*/) {}
    virtual void Form_Unload(int16_t& /*Cancel*/) {}
    // Without AutoRedraw: the picture must be drawn (first display, a new size).
    virtual void Form_Paint() {}

    // Shows the window; modal: returns when the window is hidden or unloaded, taking user input
    // meanwhile (nested modal windows work).
    void Show(int16_t modal = vbModeless);
    void Hide();
    bool loaded() const { return loaded_; }
    bool isModal() const { return modal_; }
    bool isActive() const;

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string s);

    // Outer geometry in twips (screen coordinates); the client area is smaller by the frame,
    // the title bar and the menu bar.
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float v) { Move(v, top_, width_, height_); }
    void setTop(float v) { Move(left_, v, width_, height_); }
    void setWidth(float v) { Move(left_, top_, v, height_); }
    void setHeight(float v) { Move(left_, top_, width_, v); }
    void Move(float left, float top, float width, float height);
    // The client area in the surface's scale (twips unless the window set a scale of its own).
    float ScaleWidth() const;
    float ScaleHeight() const;
    // The client area in twips, whatever the scale.
    float clientWidth() const;
    float clientHeight() const;
    void setClientSize(float width, float height); // outer size from the wanted client area
    static constexpr float FrameTwips = 60;        // border on each side
    static constexpr float TitleTwips = 345;       // title bar
    static constexpr float MenuBarTwips = 300;     // one row of the menu bar, when the window has menus
    // Rows of the menu bar: the visible menus of the bar wrap into as many rows of the client area's
    // width as they need, as a Windows menu bar does (at least one row when the window has menus,
    // 0 without). The client area is smaller by them.
    int menuBarRows() const;

    bool Visible() const { return visible_; }
    void setVisible(bool v) { v ? Show() : Hide(); }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    int16_t WindowState() const { return windowState_; }
    void setWindowState(int16_t s);
    int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(int16_t p);
    int32_t BackColor() const { return surface_->BackColor(); }
    int32_t ForeColor() const { return surface_->ForeColor(); }
    void setBackColor(int32_t c); // clears the picture to the new colour, as on Windows
    void setForeColor(int32_t c);
    // The window's own font: what Print writes with (controls have their own). The size reads back
    // as the system took it (see Control::FontSize).
    const std::string& FontName() const { return surface_->Font().name; }
    float FontSize() const { return surface_->Font().size; }
    bool FontBold() const { return surface_->Font().bold; }
    bool FontItalic() const { return surface_->Font().italic; }
    void setFont(std::string name, float size, bool bold = false, bool italic = false);
    void setFontName(std::string name) { setFont(std::move(name), FontSize(), FontBold(), FontItalic()); }
    void setFontSize(float size) { setFont(FontName(), size, FontBold(), FontItalic()); }
    void setFontBold(bool bold) { setFont(FontName(), FontSize(), bold, FontItalic()); }
    void setFontItalic(bool italic) { setFont(FontName(), FontSize(), FontBold(), italic); }
    bool Resizable = true;
    bool AutoRedraw = false; // see Form_Paint

    // The window as a drawing surface (its client area).
    draw::WindowSurface& surface();
    std::shared_ptr<draw::WindowSurface> surfaceHandle() const { return surface_; }
    // Paints the window now (what is drawn shows before the program goes on); without AutoRedraw its
    // Paint and those of its picture boxes run first. A hidden window does nothing.
    void Refresh();
    // 0: brings the window to the front and makes it the active one (when it is shown); 1: sends it
    // behind the other windows.
    void ZOrder(int16_t position = 0);

    Control* ActiveControl() const { return activeControl_; }
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(std::string_view name, int16_t index = -1) const;
    std::vector<Menu*> menuBar() const;

    void* backendData = nullptr; // for the backend that shows the window

private:
    friend class Control;
    friend void moveFocus(Control*);
    friend void activate(Form&);
    friend void activateAndFocus(Form&);
    friend void activateTopmost();
    friend void checkFocus();
    friend bool unloadWithMode(Form&, int16_t);
    friend void raisePaint(Form&, bool);
    friend class PictureBox;
    void syncSurface() const;
    // A menu of the bar changed its caption or visibility: the bar may wrap anew.
    void menuBarChanged();
    friend void discardAllForms();
    friend Form& detail::loadForm(std::type_index, std::unique_ptr<Form>);
    std::string name_;
    std::string caption_;
    float left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    // rows of the menu bar at the width they were laid out for (recomputed after a change of the
    // bar, of the width or of the backend)
    mutable int menuRows_ = -1;
    mutable float menuRowsWidth_ = -1;
    mutable const Backend* menuRowsBackend_ = nullptr;
    int menuBarRowsAt(float outerWidth) const;
    bool visible_ = false, enabled_ = true, loaded_ = false, modal_ = false, inLoad_ = false;
    bool activatePending_ = false;
    bool shownOnce_ = false;
    bool designing_ = true; // until it is loaded: its controls raise no events
    int16_t windowState_ = vbNormal;
    int16_t mousePointer_ = vbDefault;
    std::shared_ptr<draw::WindowSurface> surface_;
    Control* activeControl_ = nullptr;
    std::vector<Control*> controls_;
};

// The window's single instance, loaded first when it is not loaded.
template <class F> F& form() {
    if (Form* f = detail::findLoaded(typeid(F))) return static_cast<F&>(*f);
    return static_cast<F&>(detail::loadForm(typeid(F), std::make_unique<F>()));
}
template <class F> F* loadedInstance() {
    return static_cast<F*>(detail::findLoaded(typeid(F)));
}
template <class F> bool isLoaded() {
    return detail::findLoaded(typeid(F)) != nullptr;
}
template <class F> void Load() {
    form<F>();
}
// Unloads a window: QueryUnload and Unload run (either may cancel); a window that is not loaded is
// left alone. Returns false when cancelled.
bool Unload(Form& f);
template <class F> bool Unload() {
    F* f = loadedInstance<F>();
    return f ? Unload(*f) : true;
}

// Loaded windows in the order of loading.
std::vector<Form*> Forms();
Form* ActiveForm();
Control* ActiveControl(); // the control that has the focus, or nullptr
// While a LostFocus handler runs within a window: the control that takes the focus next; otherwise nullptr.
Control* FocusComing();

// ------------------------------------------------------------------------------------------ screen
namespace Screen {
float Width();  // twips
float Height(); // twips
float TwipsPerPixelX();
float TwipsPerPixelY();
int16_t MousePointer();
void setMousePointer(int16_t p); // screen-wide pointer (hourglass), over every window
int32_t FontCount();
std::string Fonts(int32_t i);
} // namespace Screen

// Waits and the system.
void DoEvents();    // lets the user act (headless: one scripted action when there is one)
void Sleep(int ms); // kernel32 Sleep
// Lets the user act until done() is true. "what" names the wait for the message when it cannot end.
void WaitUntil(const std::function<bool()>& done, std::string_view what);
// Waits until no window is loaded (the program's main loop).
void RunUntilNoForms();
// Moves the mouse pointer to (x, y) pixels in the control's client coordinates (ClientToScreen +
// SetCursorPos); nothing happens where the system does not allow it.
void MovePointer(Control& c, int x, int y);
void MovePointer(Form& f, int x, int y); // in the window's client area
// Starts a program file as a new process with a normal window; false when it cannot be started.
bool StartProgram(const std::string& file);
// Ends the program (the statement End): every window goes without events, and ProgramEnd is thrown.
[[noreturn]] void End(int code = 0);
// The folder of the program's executable.
std::string AppPath();
std::string ClipboardText();
void setClipboardText(std::string s);

// ------------------------------------------------------------------------------------------ backend
struct ScreenInfo {
    int widthPx = 1280, heightPx = 1024;
    float twipsPerPixelX = 15, twipsPerPixelY = 15;
    std::vector<std::string> fonts;
};

// What shows the model and feeds user input into it. The default backend is headless.
class Backend {
public:
    virtual ~Backend() = default;
    virtual void formShown(Form&) {}
    virtual void formHidden(Form&) {}
    virtual void formUnloading(Form&) {}
    virtual void formChanged(Form&, Prop) {}
    virtual void controlChanged(Control&, Prop) {}
    virtual void controlDestroyed(Control&) {}
    virtual void focusChanged(Control*) {}
    virtual void screenPointerChanged(int16_t) {}
    // Where a window's or picture box's drawing goes (the retained picture the backend shows; the
    // backend keeps it and calls surface().SetTarget(nullptr) before it frees it). nullptr: the
    // surface draws into a picture of its own (headless: a recorder, see headless::SetPictureDevice).
    virtual draw::Surface* drawingTarget(Form&) { return nullptr; }
    virtual draw::Surface* drawingTarget(PictureBox&) { return nullptr; }
    // Where the visible menus of a bar go when the bar is widthTwips wide: the row of each caption
    // (0, 1, ...), in order. The default measures the captions in the model metrics of the system's
    // menu font; a backend that shows the menus measures them as it draws them.
    virtual std::vector<int> menuRows(const std::vector<std::string>& captions, float widthTwips);
    virtual void waitUntil(const std::function<bool()>& done, std::string_view what) = 0;
    virtual void doEvents() = 0;
    virtual void sleep(int ms) = 0;
    virtual ScreenInfo screen() = 0;
    virtual void movePointer(Control& c, int x, int y) = 0;
    virtual void movePointer(Form& f, int x, int y) = 0;
    virtual bool startProgram(const std::string& file) = 0;
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& s) = 0;
};

// Installs a backend (nullptr restores the headless one). The caller keeps ownership.
void SetBackend(Backend* b);
Backend& CurrentBackend();

} // namespace vb
