#pragma once
// Windows and their public routines by name, so that a window reaches another one that lives in a
// library above its own (the layers: run, report, graphics, dialogs) without including it and
// without a hook of its own for every call.
//
// Registering (the library that defines a window, called by the program at its start, and by the
// tests that need the window; registering a name again replaces the entry):
//
//   // run/windows.cpp
//   void RegisterFrameRunWindows() {
//       vb::RegisterForm<frmTitel>("frmTitel");                    // the window under its name
//       vb::RegisterCall<void()>("frmTitel.NamenAbleiten", [] { vb::form<frmTitel>().NamenAbleiten(); });
//   }
//
// Using it from anywhere (a lower library included):
//
//   vb::FormByName("frmTitel").Show(vb::vbModal);           // loads it first, as vb::form<F>() does
//   if (vb::Form* t = vb::LoadedForm("frmTitel"))            // only when it is loaded
//       vb::ControlOf<vb::TextBox>(*t, "txtEin", 0).setText(pfad);
//   vb::UnloadByName("frmZorG1");                            // nothing happens when it is not loaded
//   if (vb::Form* g = vb::LoadedForm("frmZorG1")) g->Form_Resize(); // a window's own events are virtual
//   vb::CallByName<void()>("frmTitel.NamenAbleiten");
//
// vb::FormByName("frmX") and vb::form<frmX>() are the same single instance. The name is the window's
// own name (Form::name()). Asking for a name nobody registered is a fault of the program: FormByName
// and CallByName throw std::out_of_range; IsRegistered and HasCall tell beforehand, for a window
// that may not be part of the program (yet).
#include <any>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>

#include "platform/forms/forms.h"

namespace vb {

namespace detail {
void registerForm(std::string name, std::type_index type, std::function<std::unique_ptr<Form>()> make);
void registerCall(std::string name, std::any fn);
const std::any& findCall(std::string_view name);
} // namespace detail

template <class F> void RegisterForm(std::string name) {
    detail::registerForm(std::move(name), typeid(F), [] { return std::make_unique<F>(); });
}
bool IsRegistered(std::string_view name);
void UnregisterForm(std::string_view name);

// The window's single instance, loaded first when it is not loaded.
Form& FormByName(std::string_view name);
// The loaded window of that name (registered or not), or nullptr; never loads.
Form* LoadedForm(std::string_view name);
// Unloads the window when it is loaded (QueryUnload and Unload may cancel: false).
bool UnloadByName(std::string_view name);

// A control of a window by its name and index (-1 outside a control array), as its kind. A missing
// control or one of another kind is a fault of the program: std::invalid_argument.
template <class C> C& ControlOf(Form& f, std::string_view name, int16_t index = -1) {
    Control* c = f.find(name, index);
    auto* typed = dynamic_cast<C*>(c);
    if (!typed)
        throw std::invalid_argument(f.name() + " has no control " + std::string(name) +
                                    (index >= 0 ? "(" + std::to_string(index) + ")" : "") + " of that kind");
    return *typed;
}

// A public routine under a name ("frmTitel.NamenAbleiten"); Sig is its signature, e.g. void(int16_t).
template <class Sig> void RegisterCall(std::string name, std::function<Sig> fn) {
    detail::registerCall(std::move(name), std::any(std::move(fn)));
}
bool HasCall(std::string_view name);
void UnregisterCall(std::string_view name);
// Calls it with the signature it was registered with (another signature: std::logic_error).
template <class Sig, class... A> auto CallByName(std::string_view name, A&&... args) {
    const std::any& a = detail::findCall(name);
    const auto* fn = std::any_cast<std::function<Sig>>(&a);
    if (!fn) throw std::logic_error("the routine " + std::string(name) + " has another signature");
    return (*fn)(std::forward<A>(args)...);
}

// Forgets every registration (tests).
void ClearRegistry();

} // namespace vb
