#include "platform/forms/msgbox.h"

#include <deque>

namespace vb {
namespace detail {
bool takeScriptedAnswer(int& answer); // the forms script, when its next step answers a box
}
namespace {

struct HeadlessState {
    std::vector<MsgBoxRecord> log;
    std::deque<int> answers;
    int beeps = 0;
};

HeadlessState& state() {
    static HeadlessState s;
    return s;
}

class HeadlessHandler : public MsgBoxHandler {
public:
    int show(std::string_view prompt, int buttons, std::string_view title) override {
        auto& s = state();
        int answer;
        if (detail::takeScriptedAnswer(answer)) {
        } else if (!s.answers.empty()) {
            answer = s.answers.front();
            s.answers.pop_front();
        } else {
            answer = headless::DefaultAnswer(buttons);
        }
        s.log.push_back({std::string(prompt), buttons, std::string(title), answer});
        return answer;
    }
    void beep() override { ++state().beeps; }
};

HeadlessHandler headlessHandler;
MsgBoxHandler* current = &headlessHandler;

} // namespace

int MsgBox(std::string_view prompt, int buttons, std::string_view title) {
    return current->show(prompt, buttons, title);
}

void Beep() {
    current->beep();
}

void SetMsgBoxHandler(MsgBoxHandler* handler) {
    current = handler ? handler : &headlessHandler;
}

namespace headless {

void Reset() {
    state() = HeadlessState{};
}
void QueueAnswer(int answer) {
    state().answers.push_back(answer);
}
const std::vector<MsgBoxRecord>& Log() {
    return state().log;
}
int BeepCount() {
    return state().beeps;
}

int DefaultAnswer(int buttons) {
    return DefaultButtonAnswer(buttons);
}

} // namespace headless
} // namespace vb
