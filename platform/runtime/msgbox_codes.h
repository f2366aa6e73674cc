#pragma once
// The buttons, symbols and answers of a Visual-Basic message box, as numbers. Every layer that asks the
// user something uses them, also where no window is at hand (the calculation's messages, frame/messages.h);
// the boxes themselves are in platform/forms/msgbox.h.
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

// The answer of the default button of a box with these buttons (vbDefaultButton1..3 among the buttons of
// the kind; a default beyond the kind's buttons is its last one).
int DefaultButtonAnswer(int buttons);

} // namespace vb
