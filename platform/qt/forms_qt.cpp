#include "platform/qt/forms_qt.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpacerItem>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cmath>
#include <exception>
#include <iostream>
#include <map>
#include <thread>

#include "platform/draw/fonts.h"
#include "platform/forms/forms.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/qt/draw_qt.h"
#include "platform/qt/draw_window.h"
#include "platform/runtime/vbstring.h"

namespace vb::qtforms {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Runs model code from a Qt callback. Exceptions must not cross Qt's event dispatch: they are kept
// and thrown again by the model's wait once the event processing has returned. A user action the
// model refuses (the window system delivered input the model does not take) is only reported; every
// other error goes on to the wait, so that a fault is never passed over in silence.
std::exception_ptr pending;
int callbackDepth = 0; // model code running from Qt callbacks: Qt frames are on the stack

template <class Fn> void guarded(Fn&& fn) {
    ++callbackDepth;
    try {
        fn();
    } catch (const UserActionRefused& e) {
        std::cerr << "zor: " << e.what() << "\n";
    } catch (...) {
        if (!pending) pending = std::current_exception();
    }
    --callbackDepth;
    // The model may have changed what a wait waits for: let the wait look again.
    if (auto* d = QAbstractEventDispatcher::instance()) d->wakeUp();
}

void rethrowPending() {
    if (pending) {
        auto p = pending;
        pending = nullptr;
        std::rethrow_exception(p);
    }
}

class Backend;
Backend* theBackend = nullptr;

// The top-level Qt window of a model window.
class WindowWidget : public QWidget {
public:
    explicit WindowWidget(Form& f) : form_(&f) {}
    Form* form_;
    QWidget* client = nullptr;
    // The menu bar: the actions of the window's menus, in order, and one bar per row that they fill.
    std::vector<std::pair<Menu*, QAction*>> menus;
    std::vector<QMenuBar*> menuRows;
    bool syncing = false;
    int menuHeight() const {
        int h = 0;
        for (QMenuBar* b : menuRows)
            h += b->height();
        return h;
    }

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void syncState();
};

// A shape control: rectangle, square, oval, circle or rounded rectangle.
class ShapeWidget : public QWidget {
public:
    ShapeWidget(Shape& s, QWidget* parent) : QWidget(parent), shape_(&s) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        lower(); // a graphical control, as on Windows: behind the controls of its container
    }
    Shape* shape_;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPen pen(draw::qt::ToQColor(shape_->BorderColor));
        pen.setWidth(std::max<int>(1, shape_->BorderWidth));
        p.setPen(pen);
        if (shape_->FillStyle == 0)
            p.setBrush(draw::qt::ToQColor(shape_->FillColor));
        else
            p.setBrush(Qt::NoBrush);
        QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (shape_->ShapeKind == 1 || shape_->ShapeKind == 3) {
            const double side = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        }
        switch (shape_->ShapeKind) {
        case 2:
        case 3:
            p.drawEllipse(r);
            break;
        case 4:
            p.drawRoundedRect(r, r.width() / 8, r.height() / 8);
            break;
        default:
            p.drawRect(r);
            break;
        }
    }
};

// Option and check boxes take a click anywhere in their rectangle, as on Windows (Qt's own take it
// only on the indicator and the caption's text).
template <class B> class WholeAreaButton : public B {
public:
    using B::B;

protected:
    bool hitButton(const QPoint& p) const override { return this->rect().contains(p); }
};

class Backend : public vb::Backend, public QObject {
public:
    std::map<Form*, WindowWidget*> windows;
    std::map<Control*, QWidget*> widgets;
    std::map<Control*, QAction*> actions;
    std::map<QObject*, Control*> owners;
    std::map<const void*, draw::qt::SurfaceWidget*> surfaces; // by window or picture box
    bool syncing = false;
    // The control whose widget took the focus from the press of a mouse button: its click follows
    // with the release, and the focus must not move (and a box's LostFocus run) a second time.
    Control* pressFocus = nullptr;

    void click(Control* cp, const std::string& path) {
        if (pressFocus == cp) {
            pressFocus = nullptr;
            user::clickPressed(path);
        } else {
            user::click(path);
        }
    }
    void clickItem(Control* cp, const std::string& path, int32_t item, bool ctrl = false) {
        if (pressFocus == cp) {
            pressFocus = nullptr;
            user::clickItemPressed(path, item, ctrl);
        } else {
            user::clickItem(path, item, ctrl);
        }
    }

    float tpp() const { return vb::Screen::TwipsPerPixelX(); }
    int px(float twips) const { return static_cast<int>(std::lround(twips / tpp())); }

    // ---------------------------------------------------------------- windows
    WindowWidget* view(Form& f) {
        auto it = windows.find(&f);
        return it == windows.end() ? nullptr : it->second;
    }

    WindowWidget* makeWindow(Form& f) {
        auto* w = new WindowWidget(f);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        windows[&f] = w;
        for (Menu* m : f.menuBar())
            w->menus.emplace_back(m, addMenu(*m, w, nullptr));
        w->client = new QWidget(w);
        w->client->setAutoFillBackground(true);
        for (Control* c : f.controls())
            if (c->kind() != ControlKind::Menu) widgetFor(*c);
        applyForm(f);
        return w;
    }

    // The action of a menu: a menu of the bar belongs to the window (the rows of the bar take it), an
    // entry to its menu.
    QAction* addMenu(Menu& m, WindowWidget* w, QMenu* parentMenu) {
        auto entries = m.entries();
        QAction* a;
        if (!entries.empty()) {
            QMenu* sub = parentMenu ? parentMenu->addMenu(qs(m.Caption())) : new QMenu(qs(m.Caption()), w);
            a = sub->menuAction();
            for (Menu* e : entries)
                addMenu(*e, nullptr, sub);
        } else {
            a = parentMenu ? parentMenu->addAction(qs(m.Caption())) : new QAction(qs(m.Caption()), w);
            const std::string path = m.path();
            QObject::connect(a, &QAction::triggered, [path] { guarded([&] { user::menu(path); }); });
        }
        actions[&m] = a;
        applyMenu(m);
        return a;
    }

    void applyMenu(Menu& m) {
        auto it = actions.find(&m);
        if (it == actions.end()) return;
        QAction* a = it->second;
        a->setText(qs(m.Caption()));
        a->setEnabled(m.Enabled());
        a->setVisible(m.Visible());
        a->setCheckable(m.Checked());
        a->setChecked(m.Checked());
        if (!m.parent())
            if (WindowWidget* w = view(m.form())) layoutMenus(m.form(), *w);
    }

    // The rows of a menu bar as this toolkit draws it: each caption measured by a bar of the window
    // system's style; an item that does not fit behind the ones before it begins the next row, as on a
    // Windows menu bar (a Qt bar would hide it behind its extension button instead).
    std::vector<int> menuRows(const std::vector<std::string>& captions, float widthTwips) override {
        if (!probe) probe = new QMenuBar();
        probe->clear();
        std::vector<QAction*> as;
        for (const std::string& c : captions)
            as.push_back(probe->addAction(qs(c)));
        probe->resize(100000, px(Form::MenuBarTwips));
        const int panel = probe->style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, probe);
        const int avail = px(widthTwips) - 2 * panel;
        std::vector<int> rows;
        int row = 0, first = -1, start = 0;
        for (QAction* a : as) {
            const QRect r = probe->actionGeometry(a);
            if (first < 0) first = start = r.left();
            if (r.left() != start && r.right() - start + first >= avail) {
                ++row;
                start = r.left();
            }
            rows.push_back(row);
        }
        probe->clear();
        return rows;
    }
    QMenuBar* probe = nullptr;

    // Puts the window's menus into the rows of its bar and the rows above the client area.
    void layoutMenus(Form& f, WindowWidget& w) {
        std::vector<std::string> captions;
        std::vector<QAction*> shown;
        for (auto& [m, a] : w.menus) {
            if (!m->Visible()) continue;
            captions.push_back(m->Caption());
            shown.push_back(a);
        }
        const int n = w.menus.empty() ? 0 : std::max(1, f.menuBarRows());
        const std::vector<int> rows = menuRows(captions, f.clientWidth());
        while (static_cast<int>(w.menuRows.size()) < n)
            w.menuRows.push_back(new QMenuBar(&w));
        while (static_cast<int>(w.menuRows.size()) > n) {
            delete w.menuRows.back();
            w.menuRows.pop_back();
        }
        const int h = px(Form::MenuBarTwips), cw = px(f.clientWidth());
        for (int r = 0; r < n; ++r) {
            QMenuBar* bar = w.menuRows[static_cast<std::size_t>(r)];
            for (QAction* a : bar->actions())
                bar->removeAction(a);
            for (std::size_t i = 0; i < shown.size(); ++i)
                if (std::min(i < rows.size() ? rows[i] : 0, n - 1) == r) bar->addAction(shown[i]);
            bar->setGeometry(0, r * h, cw, h);
            bar->show();
        }
    }

    void applyForm(Form& f) {
        WindowWidget* w = view(f);
        if (!w) return;
        w->syncing = true;
        w->setWindowTitle(qs(f.Caption()));
        layoutMenus(f, *w);
        const int menuH = w->menuHeight();
        const int cw = px(f.clientWidth()), ch = px(f.clientHeight());
        w->client->setGeometry(0, menuH, cw, ch);
        if (auto it = surfaces.find(&f); it != surfaces.end()) it->second->setGeometry(0, 0, cw, ch);
        // The window state shows only on a window that is shown; a hidden one stays hidden.
        const bool shown = f.Visible();
        if (f.WindowState() == vbMaximized) {
            if (shown && !w->isMaximized()) w->showMaximized();
        } else if (f.WindowState() == vbMinimized) {
            if (shown && !w->isMinimized()) w->showMinimized();
        } else if (shown && (w->isMaximized() || w->isMinimized())) {
            w->showNormal();
        }
        if (!f.Resizable) w->setFixedSize(cw, ch + menuH); // before the geometry, which it limits
        if (f.WindowState() == vbNormal) {
            // Left and Top place the outer frame, title bar included, as on Windows.
            w->resize(cw, ch + menuH);
            w->move(px(f.Left()), px(f.Top()));
        }
        w->setEnabled(f.Enabled());
        if (f.MousePointer() == vbHourglass)
            w->setCursor(Qt::WaitCursor);
        else
            w->unsetCursor();
        QPalette pal = w->client->palette();
        if (f.BackColor() != 0xC0C0C0) pal.setColor(QPalette::Window, draw::qt::ToQColor(f.BackColor()));
        w->client->setPalette(pal);
        w->client->setFont(
            draw::qt::MakeFont(draw::FontSpec{f.FontName(), f.FontSize(), f.FontBold(), f.FontItalic()}));
        w->syncing = false;
    }

    // ---------------------------------------------------------------- controls
    QWidget* parentWidget(Control& c) {
        if (c.Container() && c.Container()->kind() != ControlKind::Menu) {
            if (QWidget* p = widgetFor(*c.Container())) return p;
        }
        WindowWidget* w = view(c.form());
        return w ? w->client : nullptr;
    }

    QWidget* widgetFor(Control& c) {
        auto it = widgets.find(&c);
        if (it != widgets.end()) return it->second;
        if (c.kind() == ControlKind::Menu) return nullptr;
        QWidget* parent = parentWidget(c);
        if (!parent) return nullptr;
        QWidget* w = create(c, parent);
        widgets[&c] = w;
        owners[w] = &c;
        w->installEventFilter(this);
        apply(c);
        w->show();
        apply(c); // visibility after the first show
        return w;
    }

    QWidget* create(Control& c, QWidget* parent) {
        const std::string path = c.path();
        Control* cp = &c;
        switch (c.kind()) {
        case ControlKind::Label: {
            auto* l = new QLabel(parent);
            l->setTextFormat(Qt::PlainText); // a caption is text, never markup
            l->setWordWrap(true);
            l->setAlignment(Qt::AlignTop | Qt::AlignLeft);
            return l;
        }
        case ControlKind::TextBox: {
            auto& t = static_cast<TextBox&>(c);
            if (t.MultiLine) {
                auto* e = new QPlainTextEdit(parent);
                // Without a horizontal scroll bar the lines wrap at the box's width.
                const bool h = t.ScrollBars == 1 || t.ScrollBars == 3;
                const bool v = t.ScrollBars == 2 || t.ScrollBars == 3;
                e->setLineWrapMode(h ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
                e->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
                e->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
                e->setReadOnly(t.Locked);
                QObject::connect(e, &QPlainTextEdit::cursorPositionChanged,
                                 [this, e, cp] { selectionFromQt(*cp, e); });
                QObject::connect(e, &QPlainTextEdit::textChanged, [this, e, cp] { selectionFromQt(*cp, e); });
                return e;
            }
            auto* e = new QLineEdit(parent);
            e->setReadOnly(t.Locked);
            QObject::connect(e, &QLineEdit::selectionChanged, [this, e, cp] { selectionFromQt(*cp, e); });
            QObject::connect(e, &QLineEdit::cursorPositionChanged,
                             [this, e, cp] { selectionFromQt(*cp, e); });
            QObject::connect(e, &QLineEdit::textEdited, [this, e, cp] { selectionFromQt(*cp, e); });
            return e;
        }
        case ControlKind::Frame: {
            // a frame hides what lies behind it (the picture of a window), as on Windows
            auto* g = new QGroupBox(parent);
            g->setAutoFillBackground(true);
            // Its border half a line below its top with the caption on it, as on Windows: controls placed
            // from the top of a frame (about a line down) stay clear of the border. The toolkit's own
            // style puts the caption above the border, which then runs through them.
            g->setStyleSheet(
                "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.55em; }"
                "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
                " padding: 0px 2px; background-color: palette(window); }"
                "QGroupBox:disabled { color: palette(dark); }");
            return g;
        }
        case ControlKind::CommandButton: {
            auto* b = new QPushButton(parent);
            b->setAutoDefault(false);
            QObject::connect(b, &QPushButton::clicked,
                             [this, path, cp] { userAction([&] { click(cp, path); }); });
            return b;
        }
        case ControlKind::OptionButton: {
            auto* b = new WholeAreaButton<QRadioButton>(parent);
            b->setAutoExclusive(false);
            QObject::connect(b, &QRadioButton::clicked,
                             [this, path, cp] { userAction([&] { click(cp, path); }); });
            return b;
        }
        case ControlKind::CheckBox: {
            auto* b = new WholeAreaButton<QCheckBox>(parent);
            QObject::connect(b, &QCheckBox::clicked,
                             [this, path, cp] { userAction([&] { click(cp, path); }); });
            return b;
        }
        case ControlKind::ListBox:
        case ControlKind::FileListBox:
        case ControlKind::DirListBox: {
            auto* l = new QListWidget(parent);
            QObject::connect(l, &QListWidget::itemPressed, [this, l, path, cp](QListWidgetItem* item) {
                const int row = l->row(item);
                const bool ctrl = QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
                userAction([&] {
                    if (cp->kind() == ControlKind::DirListBox) {
                        dirPressed(static_cast<DirListBox&>(*cp), row);
                    } else {
                        clickItem(cp, path, row, ctrl);
                    }
                });
            });
            // Arrow keys move the selection of a one-entry list like a click does.
            QObject::connect(l, &QListWidget::currentRowChanged, [this, path, cp](int row) {
                if (row < 0 || QGuiApplication::mouseButtons() != Qt::NoButton) return;
                const bool multi =
                    (cp->kind() == ControlKind::ListBox && static_cast<ListBox*>(cp)->MultiSelect) ||
                    (cp->kind() == ControlKind::FileListBox && static_cast<FileListBox*>(cp)->MultiSelect);
                if (multi || cp->kind() == ControlKind::DirListBox) return;
                if (static_cast<ListControl*>(cp)->ListIndex() == row) return;
                userAction([&] { clickItem(cp, path, row); });
            });
            QObject::connect(l, &QListWidget::itemDoubleClicked, [this, l, path, cp](QListWidgetItem* item) {
                const int row = l->row(item);
                userAction([&] {
                    if (cp->kind() == ControlKind::DirListBox) {
                        auto& d = static_cast<DirListBox&>(*cp);
                        d.setPath(dirRowPath(d, row));
                    } else {
                        cp->raise(cp->DblClick);
                    }
                });
            });
            return l;
        }
        case ControlKind::ComboBox:
        case ControlKind::DriveListBox: {
            auto* b = new QComboBox(parent);
            if (c.kind() == ControlKind::ComboBox && static_cast<ComboBox&>(c).Style == 0)
                b->setEditable(true);
            QObject::connect(b, QOverload<int>::of(&QComboBox::activated),
                             [this, path, cp](int i) { userAction([&] { clickItem(cp, path, i); }); });
            return b;
        }
        case ControlKind::HScrollBar: {
            auto* s = new QScrollBar(Qt::Horizontal, parent);
            QObject::connect(s, &QScrollBar::valueChanged, [this, path](int v) {
                userAction([&] { user::scroll(path, static_cast<int16_t>(v)); });
            });
            return s;
        }
        case ControlKind::Shape:
            return new ShapeWidget(static_cast<Shape&>(c), parent);
        case ControlKind::PictureBox: {
            auto* p = new QFrame(parent);
            p->setAutoFillBackground(true);
            return p;
        }
        default:
            return new QWidget(parent);
        }
    }

    // Rows of a folder list: the path and its ancestors (root first), then the subfolders.
    static std::string dirRowPath(const DirListBox& d, int row) {
        const int anc = d.ancestors();
        if (row < anc) return d.DirList(-(anc - row));
        return d.List(row - anc);
    }
    void dirPressed(DirListBox& d, int row) {
        const int anc = d.ancestors();
        // Rows: the root first down to the folder itself (-ancestors .. -1), then the subfolders.
        clickItem(&d, d.path(), row - anc);
    }

    // The mouse on a picture box: its MouseDown and MouseUp in twips, Click after the left button.
    bool pictureMouse(Control& c, QMouseEvent* m) {
        // From the box's inner corner, inside its border.
        QPointF at = m->position();
        if (auto* q = qobject_cast<QFrame*>(widgets[&c])) at -= QPointF(q->contentsRect().topLeft());
        const float t = tpp();
        const float x = static_cast<float>(at.x()) * t, y = static_cast<float>(at.y()) * t;
        const int16_t button = m->button() == Qt::LeftButton     ? 1
                               : m->button() == Qt::RightButton  ? 2
                               : m->button() == Qt::MiddleButton ? 4
                                                                 : 0;
        if (button == 0) return false;
        int16_t shift = 0;
        if (m->modifiers() & Qt::ShiftModifier) shift |= 1;
        if (m->modifiers() & Qt::ControlModifier) shift |= 2;
        if (m->modifiers() & Qt::AltModifier) shift |= 4;
        const std::string path = c.path();
        if (m->type() == QEvent::MouseButtonPress)
            userAction([&] { user::mouseDown(path, x, y, button, shift); });
        else
            userAction([&] { user::mouseUp(path, x, y, button, shift); });
        return true;
    }

    template <class Fn> void userAction(Fn&& fn) {
        if (syncing) return;
        guarded(fn);
        syncFocus();
    }

    void selectionFromQt(Control& c, QWidget* w) {
        if (syncing) return;
        auto& t = static_cast<TextBox&>(c);
        // An edit the keys did not bring into the model (the context menu, the middle mouse button, a
        // drop): the model takes the widget's text first, so that what is shown is what the program reads.
        std::string shown = t.Text();
        int start = 0, len = 0;
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            shown = e->text().toStdString();
            if (e->hasSelectedText()) {
                start = e->selectionStart();
                len = static_cast<int>(e->selectedText().size());
            } else {
                start = e->cursorPosition();
            }
        } else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
            // The widget shows the model's CR LF as plain line breaks (apply): only a real edit counts.
            if (e->toPlainText() != qs(vb::Replace(t.Text(), "\r\n", "\n")))
                shown = vb::Replace(e->toPlainText().toStdString(), "\n", "\r\n");
            QTextCursor cur = e->textCursor();
            start = toModelPos(shown, cur.selectionStart());
            len = toModelPos(shown, cur.selectionEnd()) - start;
        }
        syncing = true;
        guarded([&] {
            if (shown != t.Text() && !t.Locked) t.setText(shown);
            t.setSelStart(start);
            t.setSelLength(len);
        });
        syncing = false;
    }

    void apply(Control& c) {
        if (c.kind() == ControlKind::Menu) {
            applyMenu(static_cast<Menu&>(c));
            return;
        }
        auto it = widgets.find(&c);
        if (it == widgets.end()) return;
        QWidget* w = it->second;
        const bool was = syncing;
        syncing = true;
        w->setGeometry(px(c.Left()), px(c.Top()), std::max(1, px(c.Width())), std::max(1, px(c.Height())));
        w->setVisible(c.Visible());
        w->setEnabled(c.Enabled());
        QFont font(qs(draw::InstalledFamily(c.FontName())));
        font.setPointSizeF(c.FontSize() > 0 ? c.FontSize() : 8.25);
        font.setBold(c.FontBold());
        font.setItalic(c.FontItalic());
        w->setFont(font);
        // The default pointer is the widget's own (the I-beam over a text box).
        if (c.MousePointer() == vbHourglass)
            w->setCursor(Qt::WaitCursor);
        else if (c.MousePointer() == vbArrow)
            w->setCursor(Qt::ArrowCursor);
        else if (c.MousePointer() == vbIbeam)
            w->setCursor(Qt::IBeamCursor);
        else if (c.MousePointer() == vbCrosshair)
            w->setCursor(Qt::CrossCursor);
        else if (qobject_cast<QLineEdit*>(w))
            w->setCursor(Qt::IBeamCursor);
        else
            w->unsetCursor();
        const bool whiteDefault = c.kind() == ControlKind::TextBox || c.kind() == ControlKind::ListBox ||
                                  c.kind() == ControlKind::FileListBox ||
                                  c.kind() == ControlKind::DirListBox || c.kind() == ControlKind::ComboBox;
        const int32_t defaultBack = whiteDefault ? 0xFFFFFF : 0xC0C0C0;
        if (c.BackColor() != defaultBack || c.ForeColor() != 0) {
            QPalette pal = w->palette();
            pal.setColor(QPalette::Window, draw::qt::ToQColor(c.BackColor()));
            pal.setColor(QPalette::Base, draw::qt::ToQColor(c.BackColor()));
            pal.setColor(QPalette::WindowText, draw::qt::ToQColor(c.ForeColor()));
            pal.setColor(QPalette::Text, draw::qt::ToQColor(c.ForeColor()));
            w->setPalette(pal);
            w->setAutoFillBackground(c.kind() != ControlKind::Shape); // a shape fills only by FillStyle
        }
        switch (c.kind()) {
        case ControlKind::Label: {
            auto& l = static_cast<Label&>(c);
            auto* q = static_cast<QLabel*>(w);
            q->setText(qs(l.Caption()));
            q->setAlignment(Qt::AlignTop | (l.Alignment == vbCenter         ? Qt::AlignHCenter
                                            : l.Alignment == vbRightJustify ? Qt::AlignRight
                                                                            : Qt::AlignLeft));
            q->setFrameShape(l.BorderSingle ? QFrame::Box : QFrame::NoFrame);
            fitLabel(q);
            break;
        }
        case ControlKind::TextBox: {
            auto& t = static_cast<TextBox&>(c);
            // The model keeps CR LF line ends; the widget shows plain line breaks.
            if (auto* e = qobject_cast<QLineEdit*>(w)) {
                e->setReadOnly(t.Locked);
                if (e->text() != qs(t.Text())) e->setText(qs(t.Text()));
                if (t.SelLength() > 0)
                    e->setSelection(t.SelStart(), t.SelLength());
                else
                    e->setCursorPosition(t.SelStart());
            } else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
                e->setReadOnly(t.Locked);
                const QString text = qs(vb::Replace(t.Text(), "\r\n", "\n"));
                if (e->toPlainText() != text) e->setPlainText(text);
                QTextCursor cur = e->textCursor();
                const int a = toWidgetPos(t.Text(), t.SelStart());
                const int b = toWidgetPos(t.Text(), t.SelStart() + t.SelLength());
                cur.setPosition(a);
                cur.setPosition(b, QTextCursor::KeepAnchor);
                e->setTextCursor(cur);
            }
            break;
        }
        case ControlKind::Frame:
            static_cast<QGroupBox*>(w)->setTitle(qs(static_cast<Frame&>(c).Caption()));
            break;
        case ControlKind::CommandButton:
            static_cast<QPushButton*>(w)->setText(qs(static_cast<CommandButton&>(c).Caption()));
            break;
        case ControlKind::OptionButton: {
            auto& o = static_cast<OptionButton&>(c);
            auto* q = static_cast<QRadioButton*>(w);
            q->setText(qs(o.Caption()));
            q->setChecked(o.Value());
            break;
        }
        case ControlKind::CheckBox: {
            auto& b = static_cast<CheckBox&>(c);
            auto* q = static_cast<QCheckBox*>(w);
            q->setText(qs(b.Caption()));
            q->setCheckState(b.Value() == vbChecked  ? Qt::Checked
                             : b.Value() == vbGrayed ? Qt::PartiallyChecked
                                                     : Qt::Unchecked);
            break;
        }
        case ControlKind::ListBox:
        case ControlKind::FileListBox: {
            auto& l = static_cast<ListControl&>(c);
            auto* q = static_cast<QListWidget*>(w);
            fillList(q, l, 0);
            bool multi = false;
            if (c.kind() == ControlKind::ListBox) {
                auto& lb = static_cast<ListBox&>(c);
                q->setSelectionMode(lb.MultiSelect == 1   ? QAbstractItemView::MultiSelection
                                    : lb.MultiSelect == 2 ? QAbstractItemView::ExtendedSelection
                                                          : QAbstractItemView::SingleSelection);
                multi = lb.MultiSelect != 0;
                for (int i = 0; i < l.ListCount(); ++i)
                    q->item(i)->setSelected(lb.Selected(i));
            } else {
                auto& fl = static_cast<FileListBox&>(c);
                q->setSelectionMode(fl.MultiSelect ? QAbstractItemView::MultiSelection
                                                   : QAbstractItemView::SingleSelection);
                multi = fl.MultiSelect;
                for (int i = 0; i < l.ListCount(); ++i)
                    q->item(i)->setSelected(fl.Selected(i));
            }
            if (!multi && l.ListIndex() < 0) q->clearSelection();
            if (l.ListIndex() >= 0) q->setCurrentRow(l.ListIndex(), QItemSelectionModel::NoUpdate);
            break;
        }
        case ControlKind::DirListBox: {
            auto& d = static_cast<DirListBox&>(c);
            auto* q = static_cast<QListWidget*>(w);
            q->clear();
            const int anc = d.ancestors();
            for (int k = anc; k >= 1; --k) {
                std::string p = d.DirList(-k);
                std::string name = p == "/" ? p : p.substr(p.find_last_of('/') + 1);
                q->addItem(QString(static_cast<int>(anc - k) * 2, ' ') + qs(name));
            }
            for (int i = 0; i < d.ListCount(); ++i) {
                std::string p = d.List(i);
                q->addItem(QString(anc * 2, ' ') + qs(p.substr(p.find_last_of('/') + 1)));
            }
            q->setCurrentRow(anc + d.ListIndex());
            break;
        }
        case ControlKind::ComboBox:
        case ControlKind::DriveListBox: {
            auto& l = static_cast<ListControl&>(c);
            auto* q = static_cast<QComboBox*>(w);
            bool same = q->count() == l.ListCount();
            for (int i = 0; same && i < l.ListCount(); ++i)
                same = q->itemText(i) == qs(l.List(i));
            if (!same) {
                q->clear();
                for (int i = 0; i < l.ListCount(); ++i)
                    q->addItem(qs(l.List(i)));
            }
            q->setCurrentIndex(l.ListIndex());
            if (c.kind() == ControlKind::ComboBox && q->isEditable())
                q->setEditText(qs(static_cast<ComboBox&>(c).Text()));
            break;
        }
        case ControlKind::HScrollBar: {
            auto& s = static_cast<HScrollBar&>(c);
            auto* q = static_cast<QScrollBar*>(w);
            q->setRange(std::min(s.Min(), s.Max()), std::max(s.Min(), s.Max()));
            q->setSingleStep(s.SmallChange);
            q->setPageStep(s.LargeChange);
            q->setValue(s.Value());
            break;
        }
        case ControlKind::PictureBox: {
            auto* q = static_cast<QFrame*>(w);
            q->setFrameShape(static_cast<PictureBox&>(c).BorderSingle ? QFrame::Box : QFrame::NoFrame);
            if (auto it = surfaces.find(&c); it != surfaces.end()) it->second->setGeometry(q->contentsRect());
            break;
        }
        default:
            w->update();
            break;
        }
        syncing = was;
    }

    // A caption that does not fit its label in the font given (the faces here are wider than the Windows
    // ones the pages were laid out in) is set a little smaller, down to three quarters of its size, rather
    // than cut: in the lines that the label's height holds and in its width.
    static void fitLabel(QLabel* q) {
        const QRect r = q->contentsRect();
        if (r.width() <= 0 || r.height() <= 0 || q->text().isEmpty()) return;
        QFont f = q->font();
        const double groesse = f.pointSizeF();
        if (groesse <= 0) return;
        const int art = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
        for (double g = groesse; g >= 0.75 * groesse; g -= 0.25) {
            f.setPointSizeF(g);
            const QFontMetrics fm(f);
            const QRect noetig = fm.boundingRect(QRect(0, 0, r.width(), 100000), art, q->text());
            // one line is always shown whole; more lines must fit the label's height
            const int zeile =
                fm.boundingRect(QRect(0, 0, 100000, 100000), art, QStringLiteral("Ag")).height();
            if (noetig.width() <= r.width() && noetig.height() <= std::max(r.height(), zeile)) break;
        }
        q->setFont(f);
    }

    // Positions in the model's text (CR LF line ends, characters) and in the widget's (LF only).
    static int toWidgetPos(const std::string& text, int modelPos) {
        const std::u32string u = vb::ToU32(text);
        int w = 0;
        for (int i = 0; i < modelPos && i < static_cast<int>(u.size()); ++i)
            if (!(u[static_cast<std::size_t>(i)] == U'\r' && i + 1 < static_cast<int>(u.size()) &&
                  u[static_cast<std::size_t>(i) + 1] == U'\n'))
                ++w;
        return w;
    }
    static int toModelPos(const std::string& text, int widgetPos) {
        const std::u32string u = vb::ToU32(text);
        int m = 0, w = 0;
        while (w < widgetPos && m < static_cast<int>(u.size())) {
            if (u[static_cast<std::size_t>(m)] == U'\r' && m + 1 < static_cast<int>(u.size()) &&
                u[static_cast<std::size_t>(m) + 1] == U'\n')
                ++m;
            ++m, ++w;
        }
        return m;
    }

    static void fillList(QListWidget* q, const ListControl& l, int) {
        bool same = q->count() == l.ListCount();
        for (int i = 0; same && i < l.ListCount(); ++i)
            same = q->item(i)->text() == qs(l.List(i));
        if (same) return;
        q->clear();
        for (int i = 0; i < l.ListCount(); ++i)
            q->addItem(qs(l.List(i)));
    }

    // The Qt focus follows the model's.
    void syncFocus() {
        Control* c = vb::ActiveControl();
        if (!c) return;
        auto it = widgets.find(c);
        if (it == widgets.end()) return;
        QWidget* w = it->second;
        if (w->hasFocus()) return;
        syncing = true;
        if (QWidget* top = w->window(); top && !top->isActiveWindow()) top->activateWindow();
        w->setFocus(Qt::OtherFocusReason);
        syncing = false;
    }

    // ---------------------------------------------------------------- input routing
    bool eventFilter(QObject* obj, QEvent* ev) override {
        auto it = owners.find(obj);
        if (it == owners.end()) return false;
        Control& c = *it->second;
        if (ev->type() == QEvent::FocusIn && !syncing) {
            auto reason = static_cast<QFocusEvent*>(ev)->reason();
            pressFocus = reason == Qt::MouseFocusReason ? &c : nullptr;
            if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
                if (vb::ActiveControl() != &c && c.canTakeFocusNow()) userAction([&] { user::focus(c); });
            }
            return false;
        }
        if (ev->type() == QEvent::KeyPress && !syncing) return keyPress(c, static_cast<QKeyEvent*>(ev));
        if (ev->type() == QEvent::MouseButtonDblClick && !syncing && c.kind() == ControlKind::OptionButton) {
            // The first click of the two has chosen the option; the second is the double-click only.
            userAction([&] {
                if (c.effectivelyEnabled() && c.form().loaded()) c.raise(c.DblClick);
            });
            return true;
        }
        if ((ev->type() == QEvent::MouseButtonPress || ev->type() == QEvent::MouseButtonRelease) &&
            !syncing && c.kind() == ControlKind::PictureBox)
            return pictureMouse(c, static_cast<QMouseEvent*>(ev));
        return false;
    }

    bool keyPress(Control& c, QKeyEvent* k) {
        pressFocus = nullptr; // a click by the keyboard moves the focus itself
        const int key = k->key();
        const bool ctrl = k->modifiers() & Qt::ControlModifier;
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            userAction([&] { user::tab(key == Qt::Key_Backtab || (k->modifiers() & Qt::ShiftModifier)); });
            return true;
        }
        int16_t code = 0;
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            code = vbKeyReturn;
        else if (key == Qt::Key_Escape)
            code = vbKeyEscape;
        else if (key == Qt::Key_Backspace)
            code = vbKeyBack;
        else if (ctrl && key == Qt::Key_C)
            code = vbKeyCtrlC;
        else if (ctrl && key == Qt::Key_V)
            code = vbKeyCtrlV;
        else if (ctrl && key == Qt::Key_X)
            code = 24;
        else if (!ctrl && !k->text().isEmpty() && k->text().at(0).isPrint())
            code = TextToKeyQ(k->text());
        if (key == Qt::Key_Delete && c.kind() == ControlKind::TextBox) {
            auto& t = static_cast<TextBox&>(c);
            userAction([&] {
                if (t.Locked) return;
                if (t.SelLength() == 0) {
                    if (t.SelStart() >= vb::Len(t.Text())) return;
                    t.setSelLength(1);
                }
                t.setSelText("");
            });
            return true;
        }
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
            // KeyDown for every control; an option group and a text box's caret move in the model, other
            // widgets (lists, a multi-line box going up or down) move their selection themselves.
            const int16_t arrow = key == Qt::Key_Left    ? vbKeyLeft
                                  : key == Qt::Key_Right ? vbKeyRight
                                  : key == Qt::Key_Up    ? vbKeyUp
                                                         : vbKeyDown;
            if (vb::ActiveControl() != &c) userAction([&] { user::focus(c); });
            userAction([&] { user::arrow(arrow); });
            return c.kind() == ControlKind::OptionButton ||
                   (c.kind() == ControlKind::TextBox && (key == Qt::Key_Left || key == Qt::Key_Right));
        }
        if (code == 0) return false; // navigation keys work in the widget itself
        if (vb::ActiveControl() != &c) userAction([&] { user::focus(c); });
        userAction([&] { user::key(code); });
        return true;
    }

    static int16_t TextToKeyQ(const QString& t) {
        const std::string s = t.left(1).toStdString();
        const int32_t a = vb::Asc(s), w = vb::AscW(s);
        return static_cast<int16_t>(a != 63 || w == 63 ? a : (w <= 32767 ? w : 63));
    }

    // ---------------------------------------------------------------- the model's side
    void formShown(Form& f) override {
        WindowWidget* w = view(f);
        if (!w) w = makeWindow(f);
        w->setWindowModality(f.isModal() ? Qt::ApplicationModal : Qt::NonModal);
        w->show();
        w->raise();
        w->activateWindow();
        syncFocus();
    }
    void formHidden(Form& f) override {
        if (WindowWidget* w = view(f)) w->hide();
    }
    void formUnloading(Form& f) override {
        WindowWidget* w = view(f);
        windows.erase(&f);
        surfaces.erase(&f);
        for (Control* c : f.controls())
            forget(*c);
        if (w) {
            w->form_ = nullptr;
            w->hide();
            retired.push_back(w); // its own handler may be running: freed by the program's wait
        }
    }
    // The Qt windows of unloaded windows, freed once no Qt callback runs any more (the program never
    // runs a Qt event loop of its own, so a deleteLater would wait forever).
    std::vector<QPointer<QWidget>> retired;
    void freeRetired() {
        if (callbackDepth > 0 || retired.empty()) return;
        auto weg = std::move(retired);
        retired.clear();
        for (auto& w : weg)
            delete w.data();
    }
    void forget(Control& c) {
        if (pressFocus == &c) pressFocus = nullptr;
        surfaces.erase(&c);
        auto it = widgets.find(&c);
        if (it != widgets.end()) {
            owners.erase(it->second);
            widgets.erase(it);
        }
        actions.erase(&c);
    }
    void formChanged(Form& f, Prop p) override {
        WindowWidget* w = view(f);
        if (p == Prop::Refresh) {
            if (w && w->isVisible()) w->repaint();
            return;
        }
        if (p == Prop::ToFront || p == Prop::ToBack) {
            if (!w || !w->isVisible()) return;
            if (p == Prop::ToFront) {
                w->raise();
                w->activateWindow();
            } else {
                w->lower();
            }
            return;
        }
        applyForm(f);
    }
    void controlChanged(Control& c, Prop p) override {
        if (!view(c.form())) return;
        if (c.kind() != ControlKind::Menu && !widgets.count(&c)) {
            widgetFor(c);
            return;
        }
        if (p == Prop::Refresh) {
            if (QWidget* w = widgets[&c]; w && w->isVisible()) w->repaint();
            return;
        }
        apply(c);
    }
    // ---------------------------------------------------------------- drawing surfaces
    draw::Surface* drawingTarget(Form& f) override {
        if (!f.loaded()) return nullptr;
        if (!view(f)) makeWindow(f);
        draw::qt::SurfaceWidget* sw = surfaceWidget(f);
        return sw ? &sw->surface() : nullptr;
    }
    draw::Surface* drawingTarget(PictureBox& p) override {
        if (!p.form().loaded()) return nullptr;
        if (!view(p.form())) makeWindow(p.form());
        draw::qt::SurfaceWidget* sw = surfaceWidget(p);
        return sw ? &sw->surface() : nullptr;
    }
    // The retained picture in a window's client area (below its controls) or in a picture box,
    // made on first use in the surface's background colour.
    draw::qt::SurfaceWidget* surfaceWidget(Form& f) {
        WindowWidget* w = view(f);
        if (!w) return nullptr;
        auto& slot = surfaces[&f];
        if (!slot) {
            slot = new draw::qt::SurfaceWidget(w->client);
            slot->setGeometry(0, 0, w->client->width(), w->client->height());
            slot->surface().SetBackColor(f.BackColor());
            slot->lower();
            slot->show();
        }
        return slot;
    }
    draw::qt::SurfaceWidget* surfaceWidget(PictureBox& p) {
        auto* q = qobject_cast<QFrame*>(widgetFor(p));
        if (!q) return nullptr;
        auto& slot = surfaces[&p];
        if (!slot) {
            slot = new draw::qt::SurfaceWidget(q);
            slot->setGeometry(q->contentsRect());
            slot->surface().SetBackColor(p.BackColor());
            slot->lower();
            slot->show();
        }
        return slot;
    }
    void controlDestroyed(Control& c) override {
        auto it = widgets.find(&c);
        if (it != widgets.end() && view(c.form())) it->second->deleteLater();
        forget(c);
    }
    void focusChanged(Control*) override {
        if (!syncing) syncFocus();
    }
    void screenPointerChanged(int16_t p) override {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
        if (p == vbHourglass)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else if (p == vbArrow)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    void waitUntil(const std::function<bool()>& done, std::string_view) override {
        freeRetired();
        while (!done()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
            freeRetired();
            rethrowPending();
        }
    }
    void doEvents() override {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        freeRetired();
        rethrowPending();
    }
    void sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    ScreenInfo screen() override {
        ScreenInfo i;
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            i.widthPx = s->geometry().width();
            i.heightPx = s->geometry().height();
            const double dpi = s->logicalDotsPerInch();
            if (dpi > 0) i.twipsPerPixelX = i.twipsPerPixelY = static_cast<float>(1440.0 / dpi);
        }
        i.fonts = draw::ScreenFonts();
        return i;
    }
    void movePointer(Control& c, int x, int y) override {
        QWidget* w = nullptr;
        if (auto it = widgets.find(&c); it != widgets.end()) w = it->second;
        if (!w || !w->isVisible()) return;
        zeigerSetzen(w, QPoint(x, y));
    }
    void movePointer(Form& f, int x, int y) override {
        WindowWidget* w = view(f);
        if (!w || !w->isVisible()) return;
        zeigerSetzen(w->client, QPoint(x, y));
    }
    // The pointer onto a point of a widget. A window just shown is not framed by the window manager yet
    // (X11): once it is, its client area lies lower by the title bar, and a pointer put there before would
    // stand above the control. The move waits until the window is shown, framed and at rest (at most 2 s); a
    // later move takes the place of one still waiting. Where the window system refuses, nothing happens.
    QPointer<QWidget> zeigerZiel;
    QPoint zeigerPunkt;
    QRect zeigerRahmen;
    int zeigerVersuche = 0;
    QObject zeigerUhr;
    void zeigerSetzen(QWidget* w, QPoint p) {
        zeigerZiel = w;
        zeigerPunkt = p;
        zeigerRahmen = QRect();
        zeigerVersuche = 0;
        zeigerPruefen();
    }
    void zeigerPruefen() {
        QWidget* w = zeigerZiel.data();
        if (!w || !w->isVisible()) return;
        QWidget* win = w->window();
        const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
        const bool gezeigt = win->windowHandle() && win->windowHandle()->isExposed();
        const bool gerahmt = win->frameGeometry() != win->geometry() ||
                             (win->windowFlags() & (Qt::FramelessWindowHint | Qt::Popup));
        const bool ruhig = win->frameGeometry() == zeigerRahmen;
        zeigerRahmen = win->frameGeometry();
        if (!x11 || (gezeigt && gerahmt && ruhig) || ++zeigerVersuche > 80) {
            zeigerZiel = nullptr;
            QCursor::setPos(w->mapToGlobal(zeigerPunkt));
            return;
        }
        QTimer::singleShot(25, &zeigerUhr, [this] { zeigerPruefen(); });
    }
    bool startProgram(const std::string& file) override { return QProcess::startDetached(qs(file), {}); }
    std::string clipboardText() override {
        auto* cb = QGuiApplication::clipboard();
        return cb ? cb->text().toStdString() : std::string();
    }
    void setClipboardText(const std::string& s) override {
        if (auto* cb = QGuiApplication::clipboard()) cb->setText(qs(s));
    }
};

void WindowWidget::closeEvent(QCloseEvent* e) {
    e->ignore(); // the model decides (QueryUnload and Unload may cancel)
    if (!form_ || !theBackend) return;
    const std::string name = form_->name();
    theBackend->userAction([&] { user::close(name); });
}

// The user (or the window manager) maximised, minimised or restored the window: the model's window state
// follows, so that laying the window out again keeps the state the user chose.
void WindowWidget::syncState() {
    if (!form_ || !theBackend || theBackend->syncing || syncing) return;
    const int16_t s = isMinimized() ? vbMinimized : isMaximized() ? vbMaximized : vbNormal;
    if (s == form_->WindowState()) return;
    Form* f = form_;
    guarded([&] { f->setWindowState(s); });
}

void WindowWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (!form_ || !theBackend || theBackend->syncing || syncing) return;
    syncState();
    const float tpp = vb::Screen::TwipsPerPixelX();
    const int rows = static_cast<int>(menuRows.size());
    const float w = width() * tpp + 2 * Form::FrameTwips;
    const float h =
        (height() - menuHeight()) * tpp + Form::TitleTwips + rows * Form::MenuBarTwips + Form::FrameTwips;
    if (std::abs(w - form_->Width()) < tpp && std::abs(h - form_->Height()) < tpp) return;
    Form* f = form_;
    guarded([&] { f->Move(f->Left(), f->Top(), w, h); });
}

// The user (or the window manager) moved the window: Left and Top follow its outer frame.
void WindowWidget::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    if (!form_ || !theBackend || theBackend->syncing || syncing || !isVisible()) return;
    if (form_->WindowState() != vbNormal) return;
    const float tpp = vb::Screen::TwipsPerPixelX();
    const float l = x() * tpp, t = y() * tpp;
    if (std::abs(l - form_->Left()) < tpp && std::abs(t - form_->Top()) < tpp) return;
    Form* f = form_;
    guarded([&] { f->Move(l, t, f->Width(), f->Height()); });
}

void WindowWidget::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) syncState();
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && form_ && theBackend &&
        !theBackend->syncing && vb::ActiveForm() != form_) {
        const std::string name = form_->name();
        theBackend->userAction([&] { user::activate(name); });
    }
}

// Message boxes with German buttons; no title shows the program's name.
class MsgBoxes : public vb::MsgBoxHandler {
public:
    int show(std::string_view prompt, int buttons, std::string_view title) override {
        QMessageBox box;
        box.setWindowTitle(title.empty() ? QStringLiteral("ZOR") : qs(std::string(title)));
        box.setText(qs(vb::Replace(std::string(prompt), "\r\n", "\n")));
        switch (buttons & 0x70) {
        case vbCritical:
            box.setIcon(QMessageBox::Critical);
            break;
        case vbQuestion:
            box.setIcon(QMessageBox::Question);
            break;
        case vbExclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case vbInformation:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            break;
        }
        struct B {
            const char* text;
            int answer;
            QMessageBox::ButtonRole role;
        };
        std::vector<B> bs;
        switch (buttons & 7) {
        case vbOKCancel:
            bs = {{"OK", vbOK, QMessageBox::AcceptRole}, {"Abbrechen", vbCancel, QMessageBox::RejectRole}};
            break;
        case vbAbortRetryIgnore:
            bs = {{"Abbrechen", vbAbort, QMessageBox::RejectRole},
                  {"Wiederholen", vbRetry, QMessageBox::AcceptRole},
                  {"Ignorieren", vbIgnore, QMessageBox::AcceptRole}};
            break;
        case vbYesNoCancel:
            bs = {{"Ja", vbYes, QMessageBox::YesRole},
                  {"Nein", vbNo, QMessageBox::NoRole},
                  {"Abbrechen", vbCancel, QMessageBox::RejectRole}};
            break;
        case vbYesNo:
            bs = {{"Ja", vbYes, QMessageBox::YesRole}, {"Nein", vbNo, QMessageBox::NoRole}};
            break;
        case vbRetryCancel:
            bs = {{"Wiederholen", vbRetry, QMessageBox::AcceptRole},
                  {"Abbrechen", vbCancel, QMessageBox::RejectRole}};
            break;
        default:
            bs = {{"OK", vbOK, QMessageBox::AcceptRole}};
            break;
        }
        std::vector<QPushButton*> qb;
        for (auto& b : bs)
            qb.push_back(box.addButton(QString::fromUtf8(b.text), b.role));
        const std::size_t def =
            std::min<std::size_t>(static_cast<std::size_t>((buttons & 768) / 256), qb.size() - 1);
        box.setDefaultButton(qb[def]);
        box.setEscapeButton(qb.back());
        // As wide as its title needs, as a Windows message box is: the window manager cuts a title that
        // is wider than the box.
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
            QFont tf = box.font();
            tf.setBold(true);
            const int titel = QFontMetrics(tf).horizontalAdvance(box.windowTitle()) + 120;
            grid->addItem(new QSpacerItem(titel, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                          grid->rowCount(), 0, 1, grid->columnCount());
        }
        // Its lines as the text breaks them, as a Windows message box shows them: the box does not wrap a
        // line of a usual length (it would leave a word alone on a line of its own).
        if (auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            const QFontMetrics fm(text->font());
            int breit = 0;
            for (const QString& zeile : text->text().split(QLatin1Char('\n')))
                breit = std::max(breit, fm.horizontalAdvance(zeile));
            const QScreen* schirm = QGuiApplication::primaryScreen();
            const int grenze = schirm ? schirm->availableGeometry().width() * 2 / 3 : 800;
            text->setMinimumWidth(std::min(breit + 2, grenze));
        }
        box.exec();
        for (std::size_t i = 0; i < qb.size(); ++i)
            if (box.clickedButton() == qb[i]) return bs[i].answer;
        return bs.back().answer;
    }
    void beep() override { QApplication::beep(); }
};

MsgBoxes msgBoxes;

} // namespace

void Install(bool qtMessageBoxes) {
    draw::qt::EnsureQtApp();
    if (!theBackend) theBackend = new Backend();
    vb::SetBackend(theBackend);
    if (qtMessageBoxes) vb::SetMsgBoxHandler(&msgBoxes);
}

void Uninstall() {
    vb::SetMsgBoxHandler(nullptr);
    if (!theBackend) return;
    for (auto& [f, w] : theBackend->windows) {
        w->form_ = nullptr;
        delete w;
    }
    theBackend->windows.clear();
    // The model's surfaces lose the pictures that go with the Qt windows.
    for (Form* f : vb::Forms()) {
        f->surface().SetTarget(nullptr);
        for (Control* c : f->controls())
            if (c->kind() == ControlKind::PictureBox)
                static_cast<PictureBox*>(c)->surface().SetTarget(nullptr);
    }
    for (auto& w : theBackend->retired)
        delete w.data();
    theBackend->retired.clear();
    theBackend->widgets.clear();
    theBackend->owners.clear();
    theBackend->actions.clear();
    theBackend->surfaces.clear();
    vb::SetBackend(nullptr);
}

QWidget* WindowOf(Form& f) {
    if (!theBackend) return nullptr;
    auto it = theBackend->windows.find(&f);
    return it == theBackend->windows.end() ? nullptr : it->second;
}

draw::qt::SurfaceWidget* SurfaceOf(Form& f) {
    if (!theBackend || !theBackend->view(f)) return nullptr;
    return theBackend->surfaceWidget(f);
}

draw::qt::SurfaceWidget* SurfaceOf(PictureBox& p) {
    if (!theBackend || !WidgetOf(p)) return nullptr;
    return theBackend->surfaceWidget(p);
}

QWidget* WidgetOf(Control& c) {
    if (!theBackend) return nullptr;
    auto it = theBackend->widgets.find(&c);
    return it == theBackend->widgets.end() ? nullptr : it->second;
}

} // namespace vb::qtforms
