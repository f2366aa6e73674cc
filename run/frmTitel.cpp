#include "run/frmTitel.h"

#include <optional>
#include <string>

#include "frame/file_routines.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/settings.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "request/project_preparation.h"
#include "run/frmAuswahl.h"
#include "run/frmDListe.h"
#include "run/frmDateiwahl.h"
#include "windows/window_routines.h"

using zorm1::P;

namespace {

// The focus onto a control that can take it now; otherwise it stays where it is.
void Fokus(vb::Control& c) {
    if (c.canTakeFocusNow()) c.SetFocus();
}

// Length of a file in bytes; a missing file, a folder or one that cannot be read counts as 0.
int32_t Laenge(const std::string& name) {
    try {
        if (!vb::FileExists(name)) return 0;
        return vb::FileLen(name);
    } catch (const std::exception&) {
        return 0;
    }
}

// A folder stands under the name (errors count as none: the save will tell).
bool Ordner(const std::string& name) {
    try {
        return vb::FolderExists(name);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

frmTitel::frmTitel() : vb::Form("frmTitel") {
    setCaption("ZOR-Startbild");
    Resizable = false;
    setClientSize(11400, 9420);

    fraZOR.Move(120, 60, 11160, 1320);
    Label1.setCaption("Z   O   R");
    Label1.Move(240, 180, 10680, 480);
    Label1.setFont("Arial", 18, true);
    Label1.Alignment = vb::vbCenter;
    Label2.setCaption("Trägerbohlwände, Spundwände, Bohrpfahl- und Schlitzwände");
    Label2.Move(240, 690, 10680, 270);
    Label2.Alignment = vb::vbCenter;
    Label3.setCaption("mit Nachweis der tiefen Gleitfuge und des Gleitkreises");
    Label3.Move(240, 960, 10680, 270);
    Label3.Alignment = vb::vbCenter;
    fraQUM.Move(120, 60, 11160, 1320);
    fraQUM.setVisible(false);

    auto& neu = cmdLesen.add(0);
    neu.setCaption("Neu- eingabe");
    neu.Move(240, 1500, 1800, 315);
    auto& lesen = cmdLesen.add(1);
    lesen.setCaption("Daten einlesen ");
    lesen.Move(2160, 1500, 1920, 315);
    lesen.setValue(true);

    struct Zeile {
        int16_t box, label;
        const char* text;
        float top, width;
        int32_t maxLen;
    };
    const Zeile dateiZeilen[] = {{0, 0, "Lese-Pfad ", 1920, 5880, 0},
                                 {1, 1, "Datei-Name ", 2310, 3000, 40},
                                 {2, 3, "Speicher-Pfad   ", 3120, 5880, 0},
                                 {3, 4, "Datei-Name ", 3510, 3000, 40}};
    for (const Zeile& z : dateiZeilen) {
        auto& l = lblPfad.add(z.label);
        l.setCaption(z.text);
        l.Move(240, z.top + 30, 1560, 285);
        auto& t = txtEin.add(z.box);
        t.Move(1860, z.top, z.width, 315);
        t.MaxLength = z.maxLen;
    }
    Label5.setCaption("          Eingabe-Datei speichern unter :");
    Label5.Move(240, 2790, 6000, 285);
    Label5.setFontBold(true);
    auto& suchen = cmdDatei.add(0);
    suchen.setCaption("Andere Eing.-D.  suchen :");
    suchen.Move(7920, 1920, 3360, 315);
    auto& liste = cmdDatei.add(2);
    liste.setCaption("Liste der vorh Eing.-Dateien zeigen :");
    liste.Move(7920, 2310, 3360, 315);
    auto& speichern = cmdDatei.add(1);
    speichern.setCaption("Speicherplatz festlegen; gespeichert wird nach Ende der Eingabe.");
    speichern.Move(1860, 3900, 5880, 345);
    Label6.setCaption("Die Eingabe wird auch unter dem Namen    wexasave    im aktuellen Programmverzeichnis "
                      "gespeichert.");
    Label6.Move(240, 4350, 11040, 285);

    Frame3.setCaption("Wahlfreie Eingaben:");
    Frame3.Move(120, 4740, 11160, 3780);
    const Zeile titelZeilen[] = {{4, 11, "Projekt-Bezeichnung ...", 300, 6600, 50},
                                 {5, 10, "Projekt-Nummer ...........", 690, 2100, 15},
                                 {6, 9, "Positions-Name ............", 1080, 2100, 15},
                                 {7, 8, "Datum ..........................", 1470, 1500, 10}};
    for (const Zeile& z : titelZeilen) {
        auto& l = lblPfad.add(z.label, &Frame3);
        l.setCaption(z.text);
        l.Move(120, z.top + 30, 2400, 285);
        auto& t = txtEin.add(z.box, &Frame3);
        t.Move(2580, z.top, z.width, 315);
        t.MaxLength = z.maxLen;
    }
    auto& kommentare = lblPfad.add(7, &Frame3);
    kommentare.setCaption("Kommentare des Anwenders ( max 4 Zeilen je 79 Zeichen ) :");
    kommentare.Move(120, 1890, 8000, 285);
    auto& hinweis = lblPfad.add(5, &Frame3);
    hinweis.setCaption(" 13 Leersp. | <  hier linksbündig im Ausdruck. ");
    hinweis.Move(120, 2175, 8000, 285);
    hinweis.setFont("Courier New", 9);
    for (int16_t i = 8; i <= 11; ++i) {
        auto& t = txtEin.add(i, &Frame3);
        t.Move(120, 2460 + (i - 8) * 315.0f, 10920, 315);
        t.MaxLength = 79;
        t.setFont("Courier New", 9);
    }

    Text1.setText("Tab.-Taste zum Weiterschalten.");
    Text1.Locked = true;
    Text1.TabStop = false;
    Text1.Move(240, 8760, 3600, 315);
    cmdOK.setCaption("OK");
    cmdOK.Move(6480, 8700, 2160, 495);
    cmdOK.setFontBold(true);
    cmdEsc.setCaption("Eingabe abbrechen");
    cmdEsc.Move(8880, 8700, 2400, 495);

    // Tab order: the options, the read boxes and their buttons, the save boxes, the titles, OK.
    int16_t tab = 0;
    cmdLesen(0).TabIndex = tab++;
    cmdLesen(1).TabIndex = tab++;
    txtEin(0).TabIndex = tab++;
    txtEin(1).TabIndex = tab++;
    cmdDatei(0).TabIndex = tab++;
    cmdDatei(2).TabIndex = tab++;
    txtEin(2).TabIndex = tab++;
    txtEin(3).TabIndex = tab++;
    cmdDatei(1).TabIndex = tab++;
    for (int16_t i = 4; i <= 11; ++i)
        txtEin(i).TabIndex = tab++;
    cmdOK.TabIndex = tab++;
    cmdEsc.TabIndex = tab++;

    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdOK.GotFocus = [this] { cmdOK_GotFocus(); };
    cmdEsc.Click = [this] { cmdEsc_Click(); };
    cmdLesen.onClick([this](int16_t i) { cmdLesen_Click(i); });
    cmdDatei.onClick([this](int16_t i) { cmdDatei_Click(i); });
    txtEin.onGotFocus([this](int16_t i) { txtEin_GotFocus(i); });
    txtEin.onKeyPress([this](int16_t i, int16_t& k) { txtEin_KeyPress(i, k); });
    txtEin.onLostFocus([this](int16_t i) { txtEin_LostFocus(i); });
}

void frmTitel::Form_Load() {
    vb::CloseAll();
    ::Anzeigen::BildschirmMasse();
    ::Anzeigen::FormZentrieren(*this);
    zorrun::EinstellungenLaden();
    txtEin(0).setText(P.DateiPfad);
    txtEin(2).setText(P.DateiPfad);
    txtEin(1).setText(P.DateiName);
    txtEin(3).setText(P.DateiName);
    fraZOR.setVisible(true);
    fraQUM.setVisible(false);
    Show();
    Fokus(cmdLesen(1));
}

void frmTitel::Form_Activate() {
    cmdOK.setEnabled(true);
}

void frmTitel::NamenAbleiten() {
    zorrun::NamenAbleiten();
}

void frmTitel::xPath(int16_t Index) {
    P.DateiName = txtEin(Index).Text();
    NamenAbleiten();
}

void frmTitel::Anzeigen() {
    txtEin(2).setText(P.DateiPfad);
    txtEin(3).setText(P.DateiName);
    txtEin(4).setText(P.ProjBez);
    txtEin(5).setText(P.ProjNr);
    txtEin(6).setText(P.PosName);
    txtEin(7).setText(P.Datum);
    for (int16_t i = 8; i <= 11; ++i)
        txtEin(i).setText(P.Kommentar[i - 3]);
}

void frmTitel::Einlesen() {
    // A file that cannot be read: the reader has said so; the focus goes to the read folder.
    if (!zorrun::ProjektEinlesen()) Fokus(txtEin(0));
    Anzeigen();
}

void frmTitel::NurSpeichern() {
    for (int16_t i : {0, 1}) {
        txtEin(i).setText("");
        txtEin(i).setEnabled(false);
    }
    cmdLesen(1).setValue(false);
    cmdLesen(0).setEnabled(false);
    cmdDatei(0).setEnabled(false);
    cmdDatei(2).setEnabled(false);
    Anzeigen();
    Fokus(txtEin(2));
}

void frmTitel::cmdOK_GotFocus() {
    ::Anzeigen::MausAufSteuerelement(cmdOK);
}

void frmTitel::txtEin_GotFocus(int16_t Index) {
    auto& t = txtEin(Index);
    t.setSelStart(0);
    t.setSelLength(static_cast<int32_t>(vb::Len(t.Text())));
    ::Anzeigen::MausAufSteuerelement(t);
    if (Index >= 2 && P.DatenGelesen == 0) {
        txtEin(0).setText("");
        txtEin(1).setText("");
    }
}

void frmTitel::txtEin_KeyPress(int16_t /*Index*/, int16_t& KeyAscii) {
    // The texts are stored as quoted strings, which cannot hold a double quote.
    if (KeyAscii == 34) {
        KeyAscii = 39;
        vb::Beep();
    }
}

void frmTitel::cmdLesen_Click(int16_t /*Index*/) {
    if (cmdLesen(0).Value()) {
        txtEin(0).setText("");
        txtEin(1).setText("");
        ::Anzeigen::PfadDateiLesen();
        P.StartSeite = P.NaechsteSeite;
        Fokus(txtEin(2));
    } else if (txtEin(0).Enabled()) {
        Fokus(txtEin(0));
    }
}

void frmTitel::cmdDatei_Click(int16_t Index) {
    try {
        switch (Index) {
        case 0: {
            P.DateiwahlModus = 0;
            frmDateiwahl::Uebernommen = false;
            vb::form<frmDateiwahl>().Show(vb::vbModal);
            // Closed without a choice: nothing is read, the boxes and the titles stay as they are.
            if (!frmDateiwahl::Uebernommen) return;
            P.DateiPfad = vb::Trim(txtEin(0).Text());
            P.DateiName = vb::Trim(txtEin(1).Text());
            if (!P.DateiName.empty()) {
                NamenAbleiten();
                Einlesen();
                Fokus(txtEin(3));
            } else {
                Fokus(txtEin(1));
            }
            break;
        }
        case 1:
            P.DateiwahlModus = 1;
            vb::form<frmDateiwahl>().Show(vb::vbModal);
            P.DateiPfad = vb::Trim(txtEin(2).Text());
            P.DateiName = vb::Trim(txtEin(3).Text());
            NamenAbleiten();
            Fokus(txtEin(3));
            break;
        case 2: {
            P.DateiwahlModus = 0;
            frmDListe::Uebernommen = false;
            vb::form<frmDListe>().Show(vb::vbModal);
            // Closed without a choice: nothing is read (the boxes may hold another file or none).
            if (!frmDListe::Uebernommen) return;
            P.DateiPfad = vb::Trim(txtEin(0).Text());
            P.DateiName = vb::Trim(txtEin(1).Text());
            NamenAbleiten();
            Einlesen();
            Fokus(txtEin(3));
            break;
        }
        default:
            break;
        }
    } catch (const vb::RuntimeError&) {
        // the handler ends quietly; the boxes keep what they hold
    }
}

void frmTitel::txtEin_LostFocus(int16_t Index) {
    // "Eingabe abbrechen" ends the program without reading or saving anything: a box left for it asks
    // nothing (a question here would also take the button's click, so that it had to be clicked again).
    if (vb::FocusComing() == &cmdEsc) return;
    switch (Index) {
    case 0: {
        std::string pfad = vb::Trim(txtEin(0).Text());
        ::Anzeigen::PfadNormieren(pfad);
        if (!::Anzeigen::PfadExistiert(pfad)) {
            const int antwort = vb::MsgBox("Pfad   " + pfad + "   existiert nicht!\r\n" +
                                               "Wählen Sie 'Andere Eingabe-Datei suchen lassen',\r\n" +
                                               "um einen vorhandenen Pfad (mit Datei) auszuwählen.",
                                           vb::vbOKCancel);
            if (antwort == vb::vbOK) {
                Fokus(cmdDatei(0));
                cmdDatei_Click(0);
                return;
            }
            P.DateiPfad.clear();
            txtEin(0).setText("");
            return;
        }
        P.DateiPfad = pfad;
        txtEin(0).setText(pfad);
        break;
    }
    case 1: {
        xPath(1);
        if (Laenge(P.GanzerNameOhneExt) >= 10) {
            Einlesen();
            break;
        }
        const int antwort =
            vb::MsgBox("Datei existiert nicht ! \r\n\r\nNeuer Versuch ?", vb::vbYesNoCancel, "Datei lesen");
        if (antwort == vb::vbYes && txtEin(0).Enabled()) {
            Fokus(txtEin(0));
        } else {
            txtEin(0).setText("");
            txtEin(1).setText("");
            Fokus(txtEin(2));
        }
        break;
    }
    case 2: {
        std::string pfad = vb::Trim(txtEin(2).Text());
        ::Anzeigen::PfadNormieren(pfad);
        if (!::Anzeigen::PfadExistiert(pfad)) {
            const int antwort =
                vb::MsgBox("Pfad   " + pfad + "   existiert nicht!\r\n" +
                               "Wählen Sie 'Speicherplatz festlegen',\r\n" + "um ihn anzulegen.",
                           vb::vbOKCancel);
            if (antwort == vb::vbOK) {
                Fokus(cmdDatei(1));
                cmdDatei_Click(1);
            }
            return;
        }
        P.DateiPfad = pfad;
        txtEin(2).setText(pfad);
        break;
    }
    case 3: {
        xPath(3);
        if (P.DateiName.empty()) {
            txtEin(3).setText("xyz");
            xPath(3);
            vb::MsgBox("Es ist kein Datei-Name zum Speichern angegeben: die Eingabe wird unter dem Namen "
                       "\"xyz\" gespeichert.\r\nSie können den Namen hier ändern.",
                       vb::vbOKOnly | vb::vbInformation, "Datei-Name");
            Fokus(txtEin(3));
        }
        if (Laenge(P.GanzerName) > 10) {
            const int antwort = vb::MsgBox("Die Datei         \r\n\r\n" + P.GanzerName +
                                               "\r\n\r\nist bereits vorhanden!\r\n\r\nÜberschreiben ?",
                                           vb::vbYesNo | vb::vbExclamation, "Datei bereits vorhanden");
            if (antwort == vb::vbNo) Fokus(txtEin(2));
        }
        break;
    }
    case 4:
        P.ProjBez = txtEin(4).Text();
        break;
    case 5:
        P.ProjNr = txtEin(5).Text();
        break;
    case 6:
        P.PosName = txtEin(6).Text();
        break;
    case 7:
        P.Datum = txtEin(7).Text();
        break;
    default:
        if (Index >= 8 && Index <= 11) P.Kommentar[Index - 3] = txtEin(Index).Text();
        break;
    }
}

std::optional<std::string> frmTitel::SpeichernameFehler(const std::string& name) {
    const std::string n = vb::Trim(name);
    if (n.empty())
        return "Es ist kein Datei-Name zum Speichern angegeben.\r\nBitte unter \"Eingabe-Datei speichern "
               "unter :\" "
               "einen Datei-Namen eingeben.";
    if (n.find('/') != std::string::npos || n.find('\\') != std::string::npos)
        return "Der Datei-Name \"" + n +
               "\" enthält einen Ordner-Trenner (\"/\" oder \"\\\").\r\nBitte hier nur den Namen der Datei "
               "eingeben; den Ordner bitte unter \"Speicher-Pfad\" angeben oder mit \"Speicherplatz "
               "festlegen\" "
               "wählen.";
    if (n == "." || n == "..")
        return "Der Datei-Name \"" + n +
               "\" bezeichnet einen Ordner, keine Datei.\r\nBitte einen Datei-Namen eingeben.";
    return std::nullopt;
}

void frmTitel::Hinweis(const std::string& text, int16_t box) {
    vb::MsgBox(text, vb::vbOKOnly | vb::vbExclamation, "ZOR-Startbild");
    Fokus(txtEin(box));
}

void frmTitel::cmdOK_Click() {
    if (cmdLesen(1).Value() && P.DatenGelesen == 0) {
        // Nothing read yet: say what is missing and how to go on.
        std::string text = "Es ist noch keine Eingabe-Datei eingelesen.";
        std::string pfad = vb::Trim(txtEin(0).Text());
        const std::string name = vb::Trim(txtEin(1).Text());
        if (!name.empty()) {
            ::Anzeigen::PfadNormieren(pfad);
            if (Laenge(pfad + name) < 10) text += "\r\nDie Datei " + pfad + name + " gibt es nicht.";
        }
        text +=
            "\r\n\r\nZum Einlesen: Lese-Pfad und Datei-Name eintragen und mit der Tab-Taste weiterschalten, "
            "\r\noder \"Andere Eing.-D.  suchen :\" oder \"Liste der vorh Eing.-Dateien zeigen :\" wählen."
            "\r\nFür ein neues Projekt: \"Neu- eingabe\" wählen.";
        Hinweis(text, 0);
        return;
    }
    // Stopped by the save folder or name: said in plain words, and OK stays usable.
    if (vb::Trim(txtEin(2).Text()).empty())
        return Hinweis(
            "Es ist kein Speicher-Pfad angegeben.\r\nBitte den Ordner eingeben, in dem die Eingabe "
            "gespeichert wird, oder ihn mit \"Speicherplatz festlegen\" wählen.",
            2);
    for (const std::string& name : {txtEin(3).Text(), P.DateiName})
        if (const auto fehler = SpeichernameFehler(name)) return Hinweis(*fehler, 3);
    if (Ordner(P.GanzerName))
        return Hinweis("Unter dem Namen " + P.GanzerName +
                           " gibt es einen Ordner; dorthin kann die Eingabe nicht gespeichert werden.\r\n"
                           "Bitte einen anderen Datei-Namen eingeben.",
                       3);
    cmdOK.setEnabled(false);
    vb::Unload(*this);

    // The safety pages, then the project made ready for its calculation as the user confirmed them (without
    // the pages in the program, as confirmed when they open).
    if (vb::IsRegistered("frmBTeilSi")) {
        vb::FormByName("frmBTeilSi").Show(vb::vbModal);
        vb::UnloadByName("frmBTeilSi");
        if (P.TeilsicherheitenAn != 0 && vb::IsRegistered("frmBTeilSi2")) {
            vb::FormByName("frmBTeilSi2").Show(vb::vbModal);
            vb::UnloadByName("frmBTeilSi2");
        }
    }
    zorrun::RechnungVorbereiten();

    // The main window (still loaded but hidden when the user came back from it), then the wall page.
    auto& auswahl = vb::form<frmAuswahl>();
    if (!auswahl.Visible()) auswahl.Show();
    if (vb::IsRegistered("frmWand1")) vb::FormByName("frmWand1");
}

void frmTitel::cmdEsc_Click() {
    vb::Unload(*this);
    vb::End();
}
