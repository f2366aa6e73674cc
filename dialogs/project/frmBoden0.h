#pragma once
// The page "Boden0" (frmBoden0): one soil layer deleted, or a new layer inserted before a given one, every
// per-layer input value of the layers below moving with its layer.
#include "platform/forms/forms.h"

class frmBoden0 : public vb::Form {
public:
    vb::Frame Frame1{*this, "Frame1"};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"};
    vb::ControlArray<vb::OptionButton> Option1{*this, "Option1"};
    vb::ControlArray<vb::TextBox> Text1{*this, "Text1"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmBoden0();
    void Form_Load() override;
    void Option1_Click(int16_t Index);
    void Text1_LostFocus(int16_t Index);
    void cmdOK_Click();

    // Deletes layer i (1..AnzErd); the only layer is kept (a project has at least one).
    static void BodenLoesch(int16_t i);
    // Inserts a copy of layer i before it (1 <= i <= AnzErd < 8).
    static void BodenNeu(int16_t i);

private:
    static void SchichtKopieren(int16_t ziel, int16_t quelle);
    int16_t loeschen_ = 0, einfuegen_ = 0;
};
