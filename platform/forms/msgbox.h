#pragma once
// Message boxes and the beep, as Visual Basic offers them.
// The answers come from the active backend: the headless one answers from a script
// (or with the default button) and keeps a log; the Qt one shows a real box.
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/msgbox_codes.h"

namespace vb {

// Shows a box and returns the button chosen. An empty title shows the program's name "ZOR".
int MsgBox(std::string_view prompt, int buttons = vbOKOnly, std::string_view title = {});

// The system beep.
void Beep();

// One box as it was shown.
struct MsgBoxRecord {
    std::string prompt;
    int buttons = 0;
    std::string title; // as given (empty when none was given)
    int answer = 0;
};

// What shows the boxes. The default handler is headless: it answers from the queue of
// scripted answers, else with the default button, and records every box and beep.
class MsgBoxHandler {
public:
    virtual ~MsgBoxHandler() = default;
    virtual int show(std::string_view prompt, int buttons, std::string_view title) = 0;
    virtual void beep() = 0;
};

// Installs a handler (nullptr restores the headless one). The caller keeps ownership.
void SetMsgBoxHandler(MsgBoxHandler* handler);

// The headless handler's state, for tests.
namespace headless {
void Reset();                 // forget log, beeps and pending answers
void QueueAnswer(int answer); // the next box answers so
const std::vector<MsgBoxRecord>& Log();
int BeepCount();
int DefaultAnswer(int buttons); // the button a box answers with when nothing is queued
} // namespace headless

} // namespace vb
