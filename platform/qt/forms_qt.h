#pragma once
// The Qt backend of the forms model: every shown window becomes a real Qt window whose widgets are
// placed by their twips geometry; a window's Left and Top place its outer frame (the window manager's
// title bar included), and its menus wrap into as many rows of menu bars as they need, as a Windows
// menu bar does. The user's input (focus, keys, clicks, menus, the close box, moving the window) is
// routed into the model's events, so the program behaves as with the headless backend. Message boxes
// become Qt message boxes with German buttons, as wide as their title; the beep is the toolkit's beep.
// A label whose caption does not fit it in the fonts here is drawn a little smaller rather than cut.
class QWidget;

namespace vb {
class Form;
class Control;
class PictureBox;
} // namespace vb
namespace vb::draw::qt {
class SurfaceWidget;
}

namespace vb::qtforms {

// Creates the application object when needed and installs the backend (and, when wanted, the Qt
// message boxes; without them the headless message boxes stay, as tests want).
void Install(bool qtMessageBoxes = true);
// Back to the headless backend and message boxes; every Qt window of the model is discarded.
void Uninstall();

// The Qt window of a shown window and the widget of a control (nullptr when there is none yet).
// Drawing code embeds its surface in a picture box's widget.
QWidget* WindowOf(vb::Form& f);
QWidget* WidgetOf(vb::Control& c);

// The retained picture that fills a window's client area (below its controls) or a picture box,
// made on first use and kept at the size of its place; nullptr while the window is not shown. The
// model's surfaces (vb::Form::surface(), vb::PictureBox::surface()) draw into it: drawing code uses
// those, not this.
vb::draw::qt::SurfaceWidget* SurfaceOf(vb::Form& f);
vb::draw::qt::SurfaceWidget* SurfaceOf(vb::PictureBox& p);

} // namespace vb::qtforms
