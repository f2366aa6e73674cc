#pragma once
// The steps of a script of user actions (tests/run/new_project_script.h) on the Qt backend, in
// order. A step on a modal page cannot come from here while the program waits in that page: a timer takes
// it then, as a user would act in the page. Before each step a hook may look at the windows; while another
// hook says so (a message box is up), no step is taken.
#include <gtest/gtest.h>

#include <QObject>
#include <QTimer>
#include <chrono>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/registry.h"
#include "tests/run/new_project_script.h"

namespace apptest {

class QtSkript {
public:
    explicit QtSkript(std::vector<neuprojekt::Schritt> s) : s_(std::move(s)) {}
    // Before step k is done.
    std::function<void(const neuprojekt::Schritt&)> vorher;
    // While it answers true the steps wait (and the time a modal page may take does not run).
    std::function<bool()> angehalten;

    void alle() {
        struct Fertig {
            bool& f;
            ~Fertig() { f = true; } // also when a step ends the program
        } fertig{fertig_};
        tick();
        while (i_ < s_.size()) {
            const std::size_t k = i_++;
            ++tiefe_;
            tun(k);
            --tiefe_;
            if (fehler_) break;
        }
        if (fehler_) std::rethrow_exception(std::exchange(fehler_, nullptr));
    }

private:
    std::string fenster(std::size_t k) const {
        using neuprojekt::Schritt;
        return (s_[k].art == Schritt::Tippen || s_[k].art == Schritt::Tab) && k > 0 ? fenster(k - 1)
                                                                                    : s_[k].fenster();
    }
    void tun(std::size_t k) {
        if (vorher) vorher(s_[k]);
        neuprojekt::Ausfuehren(s_[k]);
    }
    // While a step waits in a modal page, the steps on that page.
    void tick() {
        if (fertig_) return;
        QTimer::singleShot(10, &zeitgeber_, [this] { tick(); }); // dropped with the script
        if (angehalten && angehalten()) {
            seit_ = std::chrono::steady_clock::now();
            return;
        }
        if (tiefe_ == 0 || i_ >= s_.size() || fehler_) return;
        vb::Form* f = vb::LoadedForm(fenster(i_));
        if (!f || !f->Visible() || !f->isModal()) {
            bool modal = false;
            for (vb::Form* m : vb::Forms())
                modal = modal || (m->isModal() && m->Visible());
            if (!modal) seit_ = std::chrono::steady_clock::now();
            if (modal && std::chrono::steady_clock::now() - seit_ > std::chrono::seconds(20)) {
                ADD_FAILURE() << "step " << i_ << " (" << s_[i_].pfad << ") cannot be done in the modal page";
                fehler_ = std::make_exception_ptr(std::runtime_error("script stuck"));
                for (vb::Form* m : vb::Forms())
                    if (m->isModal()) vb::Unload(*m);
            }
            return;
        }
        seit_ = std::chrono::steady_clock::now();
        const std::size_t k = i_++;
        ++tiefe_;
        try {
            tun(k);
        } catch (...) {
            fehler_ = std::current_exception();
        }
        --tiefe_;
    }
    QObject zeitgeber_; // the context of the timer: a script that is gone gets no more ticks
    const std::vector<neuprojekt::Schritt> s_;
    std::size_t i_ = 0;
    int tiefe_ = 0;
    bool fertig_ = false;
    std::exception_ptr fehler_;
    std::chrono::steady_clock::time_point seit_ = std::chrono::steady_clock::now();
};

} // namespace apptest
