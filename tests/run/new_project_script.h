#pragma once
// A new project entered as a new user enters it, as one table of user actions: from the start dialog with
// "Neu- eingabe" through the safety pages, the wall with a profile from the list, three soil layers and a
// slope, three excavation stages (an anchor set after stage 1 and installed in stage 2, a bedded foot in
// stage 3), two load cases, the anchors and the output with design. The same table runs on the headless
// backend (tests/run/new_project_test.cpp) and on the Qt backend (tests/app/new_project_qt_test.cpp);
// the project file it gives is tests/data/Neubau_Spundwand_von_Hand, written by hand.
//
// The save folder is typed as "projekte", a folder of the working folder, so that the file's full name
// without extension (statement 4) is the same at every run.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/headless.h"

namespace neuprojekt {

struct Schritt {
    enum Art { Fokus, Tippen, Tab, Klick, Eintrag } art;
    std::string pfad; // the control; the text typed for Tippen
    int32_t eintrag = 0;

    // The window the action goes to ("" for typing and Tab, which go to the focused control).
    std::string fenster() const {
        return art == Tippen || art == Tab ? std::string() : pfad.substr(0, pfad.find('.'));
    }
};

class Skript {
public:
    std::vector<Schritt> schritte;
    Skript& in(const std::string& box, const std::string& text) {
        schritte.push_back({Schritt::Fokus, box});
        schritte.push_back({Schritt::Tippen, text});
        return *this;
    }
    Skript& tab() {
        schritte.push_back({Schritt::Tab, ""});
        return *this;
    }
    Skript& klick(const std::string& pfad) {
        schritte.push_back({Schritt::Klick, pfad});
        return *this;
    }
    Skript& eintrag(const std::string& liste, int32_t i) {
        schritte.push_back({Schritt::Eintrag, liste, i});
        return *this;
    }
};

inline void Ausfuehren(const Schritt& s) {
    switch (s.art) {
    case Schritt::Fokus:
        vb::user::focus(s.pfad);
        break;
    case Schritt::Tippen:
        vb::user::type(s.pfad);
        break;
    case Schritt::Tab:
        vb::user::tab();
        break;
    case Schritt::Klick:
        vb::user::click(s.pfad);
        break;
    case Schritt::Eintrag:
        vb::user::clickItem(s.pfad, s.eintrag);
        break;
    }
}

inline void InDieWarteschlange(const Schritt& s) {
    switch (s.art) {
    case Schritt::Fokus:
        vb::script::focus(s.pfad);
        break;
    case Schritt::Tippen:
        vb::script::type(s.pfad);
        break;
    case Schritt::Tab:
        vb::script::tab();
        break;
    case Schritt::Klick:
        vb::script::click(s.pfad);
        break;
    case Schritt::Eintrag:
        vb::script::clickItem(s.pfad, s.eintrag);
        break;
    }
}

// Runs the steps one by one on the headless backend. A step after which the program waits (a modal page)
// finds the steps behind it queued: the wait takes what the user does there, and the run goes on behind
// the last step it took.
inline void HeadlessAusfuehren(const std::vector<Schritt>& schritte) {
    std::size_t i = 0;
    while (i < schritte.size()) {
        vb::script::clear();
        for (std::size_t k = i + 1; k < schritte.size(); ++k)
            InDieWarteschlange(schritte[k]);
        const std::size_t rest = schritte.size() - i - 1;
        Ausfuehren(schritte[i]);
        i += 1 + (rest - vb::script::pending());
    }
    vb::script::clear();
}

// One excavation stage through its pages: the stage page (level, supports, the next support, water levels
// at 99 = none, the foot mode), the bedding page (a table of t, C when given), the pages after it
// confirmed, the redistribution figure clicked. Wall type 2 passes the superposition page frmAushub4.
// Without `wasser` the water boxes are left as the page shows them.
struct Stufe {
    const char* zAush;
    std::vector<const char*> anker;
    const char* naechster;
    int16_t wandfuss;
    int16_t figur;
    std::vector<std::pair<const char*, const char*>> bettung = {};
};

inline void StufeEingeben(Skript& sk, const Stufe& st, bool wasser = true) {
    sk.in("frmAushub1.txtZAush", st.zAush);
    sk.in("frmAushub1.txtAnzAnker", std::to_string(st.anker.size()));
    for (std::size_t i = 0; i < st.anker.size(); ++i)
        sk.in("frmAushub1.txtZAnker(" + std::to_string(i + 1) + ")", st.anker[i]);
    sk.in("frmAushub1.txtZNextAnker", st.naechster);
    if (wasser) {
        sk.in("frmAushub1.txtZWasserLuft", "99");
        sk.in("frmAushub1.txtZWasserErd", "99");
    }
    sk.klick("frmAushub1.optWandfuss(" + std::to_string(st.wandfuss) + ")");
    sk.klick("frmAushub1.cmdOK");
    if (!st.bettung.empty()) {
        sk.klick("frmAushub1b.chkFussGebettet");
        for (std::size_t i = 0; i < st.bettung.size(); ++i) {
            const std::string r = "(" + std::to_string(i + 1) + ")";
            sk.in("frmAushub1b.txtTBett" + r, st.bettung[i].first);
            sk.in("frmAushub1b.txtCBett" + r, st.bettung[i].second);
        }
    }
    sk.klick("frmAushub1b.cmdOK");
    sk.klick("frmAushub2.cmdOK");
    sk.klick("frmAushub3.optUmFigur(" + std::to_string(st.figur) + ")");
    sk.klick("frmAushub3.cmdOK");
    sk.klick("frmAushub4.cmdOK");
    sk.klick("frmAushub6.cmdOK");
    sk.klick("frmAushub7.cmdOK");
    sk.klick("frmAushub8.cmdOK");
}

// The whole input, up to the main window after the output pages (before "Programm beenden"). Without
// `wasser` no water level is typed: the stages keep the levels their pages show.
inline Skript NeuesProjekt(bool wasser = true) {
    Skript sk;
    // The start dialog: new input, the save place, the titles and one comment line.
    sk.klick("frmTitel.cmdLesen(0)");
    sk.in("frmTitel.txtEin(2)", "projekte");
    sk.in("frmTitel.txtEin(3)", "Neubau_Spundwand");
    sk.in("frmTitel.txtEin(4)", "Baugrube Neubau Lindenweg");
    sk.in("frmTitel.txtEin(5)", "2026-117");
    sk.in("frmTitel.txtEin(6)", "Spundw. Achse 1"); // the box takes 15 characters
    sk.in("frmTitel.txtEin(7)", "11.12.2026");
    sk.in("frmTitel.txtEin(8)", "Verankerte Spundwand AZ 26, eine Ankerlage");
    sk.klick("frmTitel.cmdOK");
    // The safety pages: partial factors of DIN 1054:2010-12, BS-T; no reduced factors.
    sk.klick("frmBTeilSi.optTeilSi(1)");
    sk.klick("frmBTeilSi.optLF123(2)");
    sk.klick("frmBTeilSi.cmdOK");
    sk.klick("frmBTeilSi2.cmdOK");

    // The wall page opens by itself: a sheet-pile wall, its profile chosen from the list (AZ26, the third
    // line), the free head and active earth pressure as offered.
    sk.klick("frmWand1.optWandTyp(2)");
    sk.klick("frmWand1.cmdProfileZeigen");
    sk.eintrag("frmProfile.List1", 2);
    sk.klick("frmProfile.cmdOK");
    sk.klick("frmWand1.cmdOK");

    // Soil: three layers, the excavation side as the earth side; the coefficients page as offered; one
    // slope rising 2 m over 4 m behind the wall.
    sk.klick("frmAuswahl.optAuswahl(2)");
    sk.klick("frmAuswahl.cmdOK");
    sk.in("frmBoden1.txtAnzErd", "3").tab(); // the layer boxes open when the count is left
    const char* schichten[3][9] = {// thickness, phi, delta a, c a, gamma, gamma', (E*I kept), c p, delta p
                                   {"2.5", "30", "20", "0", "18", "10", nullptr, "0", "-15"},
                                   {"3", "32.5", "21.5", "0", "19", "11", nullptr, "0", "-17.5"},
                                   {"10", "27.5", "15", "10", "20", "10.5", nullptr, "5", "-12.5"}};
    for (int s = 0; s < 3; ++s)
        for (int z = 0; z < 9; ++z)
            if (schichten[s][z]) sk.in("frmBoden1.txtDH(" + std::to_string(8 * z + s) + ")", schichten[s][z]);
    sk.klick("frmBoden1.cmdOK");
    sk.klick("frmBoden2.cmdOK");
    sk.in("frmBoden3.txtAnzBoesch", "1");
    sk.in("frmBoden3.txtBoesch(0)", "0");
    sk.in("frmBoden3.txtBoesch(1)", "4");
    sk.schritte.push_back({Schritt::Fokus, "frmBoden3.txtBoesch(2)"}); // z1 "0.00", the focus on to z2
    sk.schritte.push_back({Schritt::Tippen, "-2"});
    sk.in("frmBoden3.txtBoesch(4)", "18");
    sk.in("frmBoden3.txtBoesch(5)", "30");
    sk.klick("frmBoden3.cmdOK");

    // Three stages: the cantilever to 2 m fixed after Blum with the anchor at 1.5 m announced; the anchor
    // in force to 4.5 m with a free foot and the rectangle; to 6 m with the foot bedded.
    sk.klick("frmAuswahl.optAuswahl(3)");
    sk.klick("frmAuswahl.cmdOK");
    StufeEingeben(sk, {"2", {}, "1.5", 4, 0}, wasser);
    sk.klick("frmAuswahl.optAuswahl(3)"); // the stage's last OK chose the load cases
    sk.in("frmAuswahl.txtAushub(1)", "2");
    sk.schritte.push_back({Schritt::Fokus, "frmAuswahl.cmdOK"});
    StufeEingeben(sk, {"4.5", {"1.5"}, "99", 1, 2}, wasser);
    sk.klick("frmAuswahl.optAuswahl(3)");
    sk.in("frmAuswahl.txtAushub(1)", "3");
    sk.schritte.push_back({Schritt::Fokus, "frmAuswahl.cmdOK"});
    StufeEingeben(sk, {"6", {"1.5"}, "99", 1, 2, {{"0", "10"}, {"2", "30"}, {"99", "60"}}}, wasser);

    // Load case 1: a wall load at the head; a large-area load on the ground behind the slope and a limited
    // strip load on it. Load case 2: a wall load and another strip load.
    sk.klick("frmAuswahl.optAuswahl(4)");
    sk.klick("frmAuswahl.cmdOK");
    sk.klick("frmLast1.chkNL1");
    sk.in("frmLast1.txtH(1)", "5");
    sk.in("frmLast1.txtM(1)", "0");
    sk.in("frmLast1.txtz(1)", "0");
    sk.klick("frmLast1.cmdOK");
    sk.klick("frmLast2.chkNL2");
    for (auto [box, text] : std::vector<std::pair<const char*, const char*>>{{"txtpv(1)", "10"},
                                                                             {"txtph(1)", "0"},
                                                                             {"txtxA(1)", "4"},
                                                                             {"txtxE(1)", "999"},
                                                                             {"txtz(1)", "-2"},
                                                                             {"txtpv(2)", "20"},
                                                                             {"txtph(2)", "0"},
                                                                             {"txtxA(2)", "5"},
                                                                             {"txtxE(2)", "7"},
                                                                             {"txtz(2)", "-2"}})
        sk.in(std::string("frmLast2.") + box, text);
    sk.klick("frmLast2.cmdOK");
    sk.klick("frmLast4.cmdOK");
    sk.klick("frmAuswahl.optAuswahl(4)"); // the load case's last OK chose the anchors
    sk.in("frmAuswahl.txtAushub(3)", "2");
    sk.schritte.push_back({Schritt::Fokus, "frmAuswahl.cmdOK"});
    sk.klick("frmLast1.chkNL1");
    sk.in("frmLast1.txtH(1)", "8");
    sk.in("frmLast1.txtM(1)", "0");
    sk.in("frmLast1.txtz(1)", "1");
    sk.klick("frmLast1.cmdOK");
    sk.klick("frmLast2.chkNL2");
    for (auto [box, text] : std::vector<std::pair<const char*, const char*>>{
             {"txtpv(1)", "30"}, {"txtph(1)", "0"}, {"txtxA(1)", "6"}, {"txtxE(1)", "9"}, {"txtz(1)", "-2"}})
        sk.in(std::string("frmLast2.") + box, text);
    sk.klick("frmLast2.cmdOK");
    sk.klick("frmLast4.cmdOK");

    // Anchors: lengths wanted; inclination, shortest and longest length, spacing of the one level.
    sk.klick("frmAuswahl.optAuswahl(5)");
    sk.klick("frmAuswahl.cmdOK");
    sk.klick("frmAnker1.Option1(0)");
    sk.in("frmAnker1.text1(1)", "20");
    sk.in("frmAnker1.text1(2)", "8");
    sk.in("frmAnker1.text1(3)", "16");
    sk.in("frmAnker1.txtAnkAbstand(1)", "2.5");
    sk.klick("frmAnker1.cmdOK");

    // Output: general information and design; on the design page steel S 355.
    sk.klick("frmAuswahl.optAuswahl(6)");
    sk.klick("frmAuswahl.cmdOK");
    sk.klick("frmAusgabe.Check1(0)");
    sk.klick("frmAusgabe.Check1(2)");
    sk.klick("frmAusgabe.cmdOK");
    sk.klick("frmBemessung.optStahlSorte(2)");
    sk.klick("frmBemessung.cmdOK");
    return sk;
}

// The project read back through the start dialog: "Daten einlesen", the folder and the name typed, OK,
// the safety pages and the wall page confirmed.
inline Skript Einlesen() {
    Skript sk;
    sk.klick("frmTitel.cmdLesen(1)");
    sk.in("frmTitel.txtEin(0)", "projekte");
    sk.in("frmTitel.txtEin(1)", "Neubau_Spundwand");
    sk.klick("frmTitel.cmdOK");
    sk.klick("frmBTeilSi.cmdOK");
    sk.klick("frmBTeilSi2.cmdOK");
    sk.klick("frmWand1.cmdOK");
    return sk;
}

// The hand-written file as the program saves it again after reading it back: the same, but for the two
// kept values of statement 35, which the reader sets to 100 and 10 when they are 0 (no calculation reads
// them). Empty when the line is not there.
inline std::string NachDemEinlesen(std::string vonHand) {
    const std::string satz35 = "\r\n0,0,0,1,0,0\r\n";
    const std::size_t k = vonHand.find(satz35);
    if (k == std::string::npos) return "";
    return vonHand.replace(k, satz35.size(), "\r\n100,10,0,1,0,0\r\n");
}

} // namespace neuprojekt
