#include "platform/forms/registry.h"

#include <map>

namespace vb {

namespace {

struct Entry {
    std::type_index type;
    std::function<std::unique_ptr<Form>()> make;
};

struct Registry {
    std::map<std::string, Entry, std::less<>> forms;
    std::map<std::string, std::any, std::less<>> calls;
};

Registry& reg() {
    static Registry* r = new Registry; // used by windows that may outlive static destruction
    return *r;
}

} // namespace

namespace detail {

void registerForm(std::string name, std::type_index type, std::function<std::unique_ptr<Form>()> make) {
    reg().forms.insert_or_assign(std::move(name), Entry{type, std::move(make)});
}

void registerCall(std::string name, std::any fn) {
    reg().calls.insert_or_assign(std::move(name), std::move(fn));
}

const std::any& findCall(std::string_view name) {
    auto it = reg().calls.find(name);
    if (it == reg().calls.end()) throw std::out_of_range("no routine registered as " + std::string(name));
    return it->second;
}

} // namespace detail

bool IsRegistered(std::string_view name) {
    return reg().forms.find(name) != reg().forms.end();
}

void UnregisterForm(std::string_view name) {
    auto it = reg().forms.find(name);
    if (it != reg().forms.end()) reg().forms.erase(it);
}

Form& FormByName(std::string_view name) {
    auto it = reg().forms.find(name);
    if (it == reg().forms.end()) throw std::out_of_range("no window registered as " + std::string(name));
    if (Form* f = detail::findLoaded(it->second.type)) return *f;
    const Entry e = it->second; // loading may register or unregister windows
    return detail::loadForm(e.type, e.make());
}

Form* LoadedForm(std::string_view name) {
    auto it = reg().forms.find(name);
    if (it != reg().forms.end()) return detail::findLoaded(it->second.type);
    for (Form* f : Forms())
        if (f->name() == name) return f;
    return nullptr;
}

bool UnloadByName(std::string_view name) {
    Form* f = LoadedForm(name);
    return f ? Unload(*f) : true;
}

bool HasCall(std::string_view name) {
    return reg().calls.find(name) != reg().calls.end();
}

void UnregisterCall(std::string_view name) {
    auto it = reg().calls.find(name);
    if (it != reg().calls.end()) reg().calls.erase(it);
}

void ClearRegistry() {
    reg().forms.clear();
    reg().calls.clear();
}

} // namespace vb
