#pragma once
// Message boxes and the beep, as Visual Basic offers them.
// The answers come from the active backend: the headless one answers from a script
// (or with the default button) and keeps a log; the Qt one shows a real box.
#include <string>
#include <string_view>
#include <vector>

namespace vb {

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

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
