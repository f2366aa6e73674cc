#include "run/frmZOR0.h"

#include "frame/project_data.h"
#include "frame/project_list.h"
#include "frame/startup.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/winfs.h"
#include "windows/window_routines.h"

using zorm1::P;

frmZOR0::frmZOR0() : vb::Form("frmZOR0") {
    setCaption("Bild0");
    Resizable = false;
    setClientSize(7200, 4860);

    cmdZOR.setCaption("Z O R");
    cmdZOR.Move(240, 240, 6720, 1200);
    cmdZOR.setFont("Arial", 36, true);

    txtVersion.Move(240, 1620, 1815, 345);
    txtVersion.Locked = true;
    txtVersion.TabStop = false;
    txtVersion.setFont("Arial", 9.75f, true);

    Label2.setCaption("hier:    EC 7-1   +   NA   +   DIN 1054:2010-12");
    Label2.Move(2280, 1665, 4680, 300);
    Label2.setFont("Arial", 9.75f, true);

    Text1.MultiLine = true;
    Text1.Locked = true;
    Text1.TabStop = false;
    Text1.setText("Bewegen innerhalb der Masken:  \r\n - mit der Tab.-Taste der Reihe nach (empfohlen)\r\n"
                  " - mit der Maus.          ");
    Text1.Move(240, 2100, 6720, 975);
    Text1.setFont("Arial", 9.75f);

    Text2.MultiLine = true;
    Text2.Locked = true;
    Text2.TabStop = false;
    Text2.setText("Übernahme der eingegebenen Werte:\r\n - mit der OK-Taste jeder Maske.     WICHTIG !!!");
    Text2.Move(240, 3195, 6720, 705);
    Text2.setFont("Arial", 9.75f);

    cmdNeustartZOR2.setCaption("ältere Version von ZOR starten (nur zur Info)");
    cmdNeustartZOR2.Move(240, 4140, 4200, 495);

    cmdOK.setCaption("Weiter");
    cmdOK.Move(4680, 4140, 2280, 495);
    cmdOK.setFont("Arial", 9.75f, true);
    cmdOK.TabIndex = -1; // first in tab order

    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdZOR.Click = [this] { cmdZOR_Click(); };
    cmdNeustartZOR2.Click = [this] { cmdNeustartZOR2_Click(); };
}

void frmZOR0::Form_Load() {
    Anzeigen::FormZentrieren(*this);
    Show();
    P.Versionstext = Anzeigen::kVersionstext;
    txtVersion.setText(P.Versionstext);
    cmdOK.SetFocus();
    Anzeigen::MausAufSteuerelement(cmdOK);
    if (vb::Screen::Height() < 9000) {
        vb::MsgBox("Für das Programm wird eine Bildschirm-Auflösung von\r\n"
                   "mind.    1024 x 768     Pixeln empfohlen.\r\n"
                   "\r\n"
                   "Bei  800 x 600 Pixeln   muß die Taskleiste vom\r\n"
                   "Anwender minimiert werden, damit genug Platz für\r\n"
                   "die Eingabemasken verbleibt.",
                   vb::vbExclamation);
    }
    P.TiefeUnendlich = 99;
}

void frmZOR0::cmdOK_Click() {
    if (!Anzeigen::WurzelOrdnerSuchen()) vb::End(); // no folder for the settings: the message has said so
    DListe::Bereinigen();
    vb::Unload(*this);
    // The start dialog, once the root folder is found and this window is gone. Until the start
    // dialog is part of the program, nothing is opened and the program ends here.
    if (vb::IsRegistered("frmTitel")) vb::FormByName("frmTitel");
}

void frmZOR0::cmdZOR_Click() {
    cmdOK_Click();
}

void frmZOR0::cmdNeustartZOR2_Click() {
    // The older version is looked for beside this program; when it is missing or cannot be
    // started, the user is told and this program goes on.
    const std::string datei = vb::AppPath() + "/" + kAeltereVersion;
    if (vb::FileExists(datei) && vb::StartProgram(vb::Resolve(datei).string())) vb::End();
    vb::MsgBox(std::string("Die ältere Programmversion \"") + kAeltereVersion +
                   "\" ist nicht vorhanden\r\noder lässt sich nicht starten.",
               vb::vbExclamation);
}
