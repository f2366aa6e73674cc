#pragma once
// The example projects of examples/ entered as an engineer enters them, as tables of user actions on the pages
// (the actions of new_project_script.h): from the start dialog with "Neu- eingabe" through the safety pages, the
// wall, the soil, every excavation stage, the load cases, the anchors and struts and the output with the design.
// Saved with "Programm beenden", each gives its file in examples/ byte for byte (examples_test.cpp).
//
// The save folder is typed as "projekte", a folder of the working folder, so that the name each file holds
// (statement 4) is the same at every run; reading a project through the start dialog names it anew after the
// file read.
#include <string>
#include <utility>
#include <vector>

#include "tests/run/new_project_script.h"

namespace beispielskripte {

using neuprojekt::Schritt;
using neuprojekt::Skript;

// The start dialog of a new input: the save place, the titles and the comment lines.
inline void Titel(Skript& sk, const char* name, const char* bezeichnung, const char* nummer, const char* position,
                  const char* datum, std::vector<const char*> kommentare) {
    sk.klick("frmTitel.cmdLesen(0)");
    sk.in("frmTitel.txtEin(2)", "projekte");
    sk.in("frmTitel.txtEin(3)", name);
    sk.in("frmTitel.txtEin(4)", bezeichnung);
    sk.in("frmTitel.txtEin(5)", nummer);
    sk.in("frmTitel.txtEin(6)", position);
    sk.in("frmTitel.txtEin(7)", datum);
    for (std::size_t i = 0; i < kommentare.size(); ++i)
        sk.in("frmTitel.txtEin(" + std::to_string(8 + i) + ")", kommentare[i]);
    sk.klick("frmTitel.cmdOK");
}

// The safety pages: partial factors of DIN 1054:2010-12 in the design situation given (1 BS-P, 2 BS-T, ...), or
// global safety.
inline void Teilsicherheiten(Skript& sk, int situation) {
    sk.klick("frmBTeilSi.optTeilSi(1)");
    sk.klick("frmBTeilSi.optLF123(" + std::to_string(situation) + ")");
    sk.klick("frmBTeilSi.cmdOK");
    sk.klick("frmBTeilSi2.cmdOK");
}
inline void GlobaleSicherheit(Skript& sk) {
    sk.klick("frmBTeilSi.optTeilSi(0)");
    sk.klick("frmBTeilSi.cmdOK");
}

// One soil layer as the soil page's columns take it: thickness, phi, delta a, c a, gamma, gamma', c p, delta p.
struct Schicht {
    const char *dicke, *phi, *deltaA, *cA, *gamma, *gammaAuftrieb, *cP, *deltaP;
};
// The soil topic: the layers (the excavation side as the earth side), the coefficients page as offered, and the
// earth-side slopes: each x1, x2, z2, gamma, phi.
inline void Boden(Skript& sk, const std::vector<Schicht>& schichten,
                  const std::vector<std::vector<const char*>>& boeschungen = {}) {
    sk.klick("frmAuswahl.optAuswahl(2)");
    sk.klick("frmAuswahl.cmdOK");
    sk.in("frmBoden1.txtAnzErd", std::to_string(schichten.size())).tab();
    for (std::size_t s = 0; s < schichten.size(); ++s) {
        const Schicht& l = schichten[s];
        const char* spalten[9] = {l.dicke, l.phi, l.deltaA, l.cA, l.gamma, l.gammaAuftrieb, nullptr, l.cP, l.deltaP};
        for (int z = 0; z < 9; ++z)
            if (spalten[z]) sk.in("frmBoden1.txtDH(" + std::to_string(8 * z + s) + ")", spalten[z]);
    }
    sk.klick("frmBoden1.cmdOK");
    sk.klick("frmBoden2.cmdOK");
    sk.in("frmBoden3.txtAnzBoesch", std::to_string(boeschungen.size()));
    for (std::size_t b = 0; b < boeschungen.size(); ++b) {
        const auto box = [b](int k) { return "frmBoden3.txtBoesch(" + std::to_string(6 * b + k) + ")"; };
        sk.in(box(0), boeschungen[b][0]);
        sk.in(box(1), boeschungen[b][1]);
        // z1 is the level where the slope before ends; its box passes the focus on to z2
        sk.schritte.push_back({Schritt::Fokus, box(2)});
        sk.schritte.push_back({Schritt::Tippen, boeschungen[b][2]});
        sk.in(box(4), boeschungen[b][3]);
        sk.in(box(5), boeschungen[b][4]);
    }
    sk.klick("frmBoden3.cmdOK");
}

// One excavation stage through its pages.
struct Stufe {
    const char* zAush;
    std::vector<const char*> anker; // supports in force
    const char* naechster = "99";   // the support set after this excavation
    const char* wasserLuft = "99";  // water level on the excavation side (99: none)
    const char* wasserErd = "99";   // on the earth side
    int wandfuss = 1;               // foot mode
    std::vector<std::pair<const char*, const char*>> bettung = {}; // t, C of a bedded foot
    std::vector<const char*> boeschung = {};                       // sloped bottom: x1, x2, depth
    bool sohleEben = false; // the sloped bottom taken over from the stage before is switched off
    int figur = 0;                                                 // redistribution figure
    int umZeit = -1;      // superposition option of figures 1, 2, 4, 5 (-1: as offered)
    bool wandtyp1 = false; // soldier pile walls pass no superposition page
};

inline void StufeEingeben(Skript& sk, const Stufe& st) {
    sk.in("frmAushub1.txtZAush", st.zAush);
    sk.in("frmAushub1.txtAnzAnker", std::to_string(st.anker.size()));
    for (std::size_t i = 0; i < st.anker.size(); ++i)
        sk.in("frmAushub1.txtZAnker(" + std::to_string(i + 1) + ")", st.anker[i]);
    sk.in("frmAushub1.txtZNextAnker", st.naechster);
    sk.in("frmAushub1.txtZWasserLuft", st.wasserLuft);
    sk.in("frmAushub1.txtZWasserErd", st.wasserErd);
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
    if (st.sohleEben) sk.klick("frmAushub1b.chkFussGeboescht");
    if (!st.boeschung.empty()) {
        sk.klick("frmAushub1b.chkFussGeboescht");
        sk.in("frmAushub1b.txtStBx1", st.boeschung[0]);
        sk.in("frmAushub1b.txtStBx2", st.boeschung[1]);
        sk.in("frmAushub1b.txtStBH", st.boeschung[2]);
    }
    sk.klick("frmAushub1b.cmdOK");
    sk.klick("frmAushub2.cmdOK");
    sk.klick("frmAushub3.optUmFigur(" + std::to_string(st.figur) + ")");
    sk.klick("frmAushub3.cmdOK");
    if (!st.wandtyp1) {
        if (st.umZeit >= 0) sk.klick("frmAushub4.optUmZeit(" + std::to_string(st.umZeit) + ")");
        sk.klick("frmAushub4.cmdOK");
    }
    sk.klick("frmAushub6.cmdOK");
    sk.klick("frmAushub7.cmdOK");
    sk.klick("frmAushub8.cmdOK");
}

// The stages topic: stage 1 from the topic, every further one by its number.
inline void Stufen(Skript& sk, const std::vector<Stufe>& stufen) {
    sk.klick("frmAuswahl.optAuswahl(3)");
    sk.klick("frmAuswahl.cmdOK");
    for (std::size_t s = 0; s < stufen.size(); ++s) {
        if (s > 0) {
            sk.klick("frmAuswahl.optAuswahl(3)"); // the stage's last OK chose the load cases
            sk.in("frmAuswahl.txtAushub(1)", std::to_string(s + 1));
            sk.schritte.push_back({Schritt::Fokus, "frmAuswahl.cmdOK"});
        }
        StufeEingeben(sk, stufen[s]);
    }
}

// One area load on the earth side: pv, ph, xA, xE, z (the permanent share as the page offers it).
struct Flaechenlast {
    const char *pv, *ph, *xA, *xE, *z;
};
// One load case: its wall loads (H, M, z) and its area loads. The first load case comes from the topic, every
// further one by its number.
inline void Lastfall(Skript& sk, int nummer, const std::vector<std::vector<const char*>>& wandlasten,
                     const std::vector<Flaechenlast>& lasten) {
    if (nummer == 1) {
        sk.klick("frmAuswahl.optAuswahl(4)");
        sk.klick("frmAuswahl.cmdOK");
    } else {
        sk.klick("frmAuswahl.optAuswahl(4)"); // the load case's last OK chose the anchors
        sk.in("frmAuswahl.txtAushub(3)", std::to_string(nummer));
        sk.schritte.push_back({Schritt::Fokus, "frmAuswahl.cmdOK"});
    }
    if (!wandlasten.empty()) {
        sk.klick("frmLast1.chkNL1");
        if (wandlasten.size() > 1) sk.in("frmLast1.Text1(0)", std::to_string(wandlasten.size()));
        for (std::size_t j = 0; j < wandlasten.size(); ++j) {
            const std::string r = "(" + std::to_string(j + 1) + ")";
            sk.in("frmLast1.txtH" + r, wandlasten[j][0]);
            sk.in("frmLast1.txtM" + r, wandlasten[j][1]);
            sk.in("frmLast1.txtz" + r, wandlasten[j][2]);
        }
    }
    sk.klick("frmLast1.cmdOK");
    if (!lasten.empty()) {
        sk.klick("frmLast2.chkNL2");
        for (std::size_t j = 0; j < lasten.size(); ++j) {
            const std::string r = "(" + std::to_string(j + 1) + ")";
            sk.in("frmLast2.txtpv" + r, lasten[j].pv);
            sk.in("frmLast2.txtph" + r, lasten[j].ph);
            sk.in("frmLast2.txtxA" + r, lasten[j].xA);
            sk.in("frmLast2.txtxE" + r, lasten[j].xE);
            sk.in("frmLast2.txtz" + r, lasten[j].z);
        }
    }
    sk.klick("frmLast2.cmdOK");
    sk.klick("frmLast4.cmdOK");
}

// Anchors and struts: per level its inclination, shortest and longest length (0 and 0: a strut) and its spacing;
// the anchor lengths searched (true) or only the inclination for the vertical sums.
struct Ankerlage {
    const char *neigung, *lmin, *lmax, *abstand;
};
inline void Anker(Skript& sk, const std::vector<Ankerlage>& lagen, bool laengen) {
    sk.klick("frmAuswahl.optAuswahl(5)");
    sk.klick("frmAuswahl.cmdOK");
    sk.klick(laengen ? "frmAnker1.Option1(0)" : "frmAnker1.Option1(1)");
    for (std::size_t i = 0; i < lagen.size(); ++i) {
        const std::size_t b = 4 * i;
        sk.in("frmAnker1.text1(" + std::to_string(b + 1) + ")", lagen[i].neigung);
        if (!laengen) continue; // the lengths and the spacing belong to the length search
        sk.in("frmAnker1.text1(" + std::to_string(b + 2) + ")", lagen[i].lmin);
        sk.in("frmAnker1.text1(" + std::to_string(b + 3) + ")", lagen[i].lmax);
        if (std::string(lagen[i].abstand) != "")
            sk.in("frmAnker1.txtAnkAbstand(" + std::to_string(i + 1) + ")", lagen[i].abstand);
    }
    sk.klick("frmAnker1.cmdOK");
}

// The output topic: general information, the design wanted, and the slip circle when asked; the design page
// confirmed after the steel grade (2: S 355) of a steel wall or the axis distance d1 (cm) of the reinforcement of
// a concrete wall.
inline void Ausgabe(Skript& sk, bool gleitkreis, int stahl, const char* d1 = nullptr) {
    sk.klick("frmAuswahl.optAuswahl(6)");
    sk.klick("frmAuswahl.cmdOK");
    sk.klick("frmAusgabe.Check1(0)");
    if (gleitkreis) sk.klick("frmAusgabe.Check1(1)");
    sk.klick("frmAusgabe.Check1(2)");
    sk.klick("frmAusgabe.cmdOK");
    if (stahl >= 0) sk.klick("frmBemessung.optStahlSorte(" + std::to_string(stahl) + ")");
    if (d1) sk.in("frmBemessung.txtd1", d1);
    sk.klick("frmBemessung.cmdOK");
}

// The wall topic opened once more and confirmed, as an engineer checks the input before the calculation: the wall
// page shows the unit weight of a steel profile to seven digits and takes it back from its box.
inline void WandNochmals(Skript& sk) {
    sk.klick("frmAuswahl.optAuswahl(1)");
    sk.klick("frmAuswahl.cmdOK");
    sk.klick("frmWand1.cmdOK");
}

// ------------------------------------------------------------------------------------------------ the examples

// A cantilevered sheet pile wall fixed in the ground after Blum: 4.0 m deep in medium dense sand, a surface
// load of 10 kN/m2 behind it; partial factors, BS-T; AZ 18-700 in S 355.
inline Skript SpundwandBlum() {
    Skript sk;
    Titel(sk, "Spundwand_Blum", "Baugrube Pumpwerk", "2026-201", "Spundwand Nord", "12.01.2026",
          {"Frei auskragende Spundwand AZ 18-700, S 355 GP", "Sand, mitteldicht; Flaechenlast 10 kN/m2"});
    Teilsicherheiten(sk, 2);
    sk.klick("frmWand1.optWandTyp(2)");
    sk.klick("frmWand1.cmdProfileZeigen");
    sk.eintrag("frmProfile.List1", 12); // AZ18-700
    sk.klick("frmProfile.cmdOK");
    sk.klick("frmWand1.cmdOK");
    Boden(sk, {{"10", "30", "20", "0", "18", "10", "0", "-15"}});
    Stufen(sk, {{.zAush = "4", .anker = {}, .wandfuss = 4}});
    Lastfall(sk, 1, {}, {{"10", "0", "0", "999", "0"}});
    sk.klick("frmAuswahl.optAuswahl(5)");
    sk.klick("frmAuswahl.cmdOK");
    sk.klick("frmAnker1.cmdOK");
    Ausgabe(sk, false, 2);
    WandNochmals(sk);
    return sk;
}

// An anchored sheet pile wall on a free earth support: one anchor at 1.5 m, excavated to 6.0 m in medium dense
// sand with a surface load of 10 kN/m2; the first stage a cantilever to 2.0 m. Partial factors, BS-T; AZ 26-700
// in S 355.
inline Skript SpundwandVerankert() {
    Skript sk;
    Titel(sk, "Spundwand_verankert", "Baugrube Regenrueckhaltebecken", "2026-202", "Spundwand Ost", "12.01.2026",
          {"Einfach verankerte Spundwand AZ 26-700, S 355 GP, freie Auflagerung", "Sand, mitteldicht"});
    Teilsicherheiten(sk, 2);
    sk.klick("frmWand1.optWandTyp(2)");
    sk.klick("frmWand1.cmdProfileZeigen");
    sk.eintrag("frmProfile.List1", 16); // AZ26-700
    sk.klick("frmProfile.cmdOK");
    sk.klick("frmWand1.cmdOK");
    Boden(sk, {{"10", "30", "20", "0", "18", "10", "0", "-15"}});
    Stufen(sk, {{.zAush = "2", .anker = {}, .naechster = "1.5", .wandfuss = 4},
                {.zAush = "6", .anker = {"1.5"}, .wandfuss = 1}});
    Lastfall(sk, 1, {}, {{"10", "0", "0", "999", "0"}});
    Anker(sk, {{"20", "6", "16", "2.5"}}, true);
    Ausgabe(sk, false, 2);
    WandNochmals(sk);
    return sk;
}

// An anchored soldier pile wall: HEB 260 at 2.0 m with timber lagging, one anchor level at 2.0 m, excavated to
// 7.0 m in dense sand; behind the wall a slope rising 1.5 m from 3 m to 6 m with a surface load of 10 kN/m2 on the
// ground from 7 m on (load case 1), and a crane pad of 60 kN/m2 from 1.0 m to 2.5 m in load case 2. Global safety;
// the anchor lengths from the deep slip plane, the slip circle, the design of the soldiers in S 355.
inline Skript TraegerbohlwandVerankert() {
    Skript sk;
    Titel(sk, "Traegerbohlwand_Anker", "Baugrube Buerohaus Lindenplatz", "2026-203", "TBW Sued", "12.01.2026",
          {"Einfach verankerte Traegerbohlwand HEB 260, a = 2,0 m", "Boeschung und Streifenlast hinter der Wand"});
    GlobaleSicherheit(sk);
    sk.klick("frmWand1.optWandTyp(1)");
    sk.in("frmWand1.txtBBohl", "0.26");
    sk.in("frmWand1.txtABohl", "2");
    sk.klick("frmWand1.cmdProfileZeigen");
    sk.eintrag("frmProfile.List1", 8); // HEB260
    sk.klick("frmProfile.cmdOK");
    sk.klick("frmWand1.cmdOK");
    Boden(sk, {{"10", "32.5", "21.67", "0", "19", "11", "0", "0"}}, {{"3", "6", "-1.5", "19", "32.5"}});
    Stufen(sk, {{.zAush = "2.5", .anker = {}, .naechster = "2", .wandfuss = 4, .wandtyp1 = true},
                {.zAush = "7", .anker = {"2"}, .wandfuss = 1, .figur = 8, .wandtyp1 = true}});
    Lastfall(sk, 1, {}, {{"10", "0", "7", "999", "-1.5"}});
    Lastfall(sk, 2, {}, {{"10", "0", "7", "999", "-1.5"}, {"60", "0", "1", "2.5", "0"}});
    Anker(sk, {{"25", "8", "20", "2"}}, true);
    Ausgabe(sk, true, 2);
    WandNochmals(sk);
    return sk;
}

// A strutted diaphragm wall in ground water: 0.60 m, C30/37, one strut level at 1.0 m, excavated to 6.0 m with the
// water lowered inside to 6.5 m while it stays at 2.0 m behind the wall; sand over a weaker sand from 7.0 m, below
// the excavation. The earth pressure redistributed to a rectangle down to the excavation level, the flow around
// the wall in the unit weights, the hydraulic heave checked. Partial factors, BS-T.
inline Skript SchlitzwandGesteift() {
    Skript sk;
    Titel(sk, "Schlitzwand_Steife", "Baugrube Tiefgarage Hafenstrasse", "2026-204", "Schlitzwand West",
          "12.01.2026", {"Einfach ausgesteifte Schlitzwand d = 0,60 m, C30/37", "Grundwasser 2,0 m unter GOK"});
    Teilsicherheiten(sk, 2);
    sk.klick("frmWand1.optWandTyp(3)");
    sk.in("frmWand1.txtSchlitzW", "0.6");
    sk.klick("frmWand1.optBeton(4)");
    sk.klick("frmWand1.chkkzHydGrBr");
    sk.klick("frmWand1.chkStroem");
    sk.klick("frmWand1.cmdOK");
    Boden(sk, {{"7", "30", "20", "0", "18", "10", "0", "-15"}, {"10", "27.5", "18.33", "0", "19", "10", "0", "-13.75"}});
    Stufen(sk, {{.zAush = "1.5", .anker = {}, .naechster = "1", .wasserLuft = "2", .wasserErd = "2", .wandfuss = 4},
                {.zAush = "6", .anker = {"1"}, .wasserLuft = "6.5", .wasserErd = "2", .wandfuss = 1, .figur = 2,
                 .umZeit = 4}});
    Lastfall(sk, 1, {}, {{"10", "0", "0", "999", "0"}});
    Anker(sk, {{"0", "0", "0", ""}}, false);
    Ausgabe(sk, false, -1, "8");
    return sk;
}

// An anchored wall of overlapping bored piles, D = 0.90 m, C25/30: one anchor level at 3.0 m, the core excavated
// first to 10.0 m with a berm before the wall (a sloped bottom from 7.0 m, 2 m to 8 m in front of the wall), then
// the whole pit to 10.0 m. Sand; a surface load of 10 kN/m2 (load case 1) or a strip load of 10 kN/m2 from 2 m to
// 5 m behind the wall (load case 2). Partial factors, BS-T; the reinforcement of the piles designed, with the
// minimum longitudinal reinforcement of DIN EN 1536 for a pile of 0.64 m2 (25 cm2).
inline Skript Bohrpfahlwand() {
    Skript sk;
    Titel(sk, "Bohrpfahlwand", "Baugrube Wohnanlage Kirchgasse", "2026-205", "BPW Nord", "12.01.2026",
          {"Ueberschnittene Bohrpfahlwand D = 0,90 m, C25/30, eine Ankerlage", "Sand, mitteldicht"});
    Teilsicherheiten(sk, 2);
    sk.klick("frmWand1.optWandTyp(4)");
    sk.in("frmWand1.txtBpfW", "0.9");
    sk.klick("frmWand1.optBeton(3)");
    sk.klick("frmWand1.cmdOK");
    Boden(sk, {{"10", "30", "20", "0", "19", "11", "0", "-15"}});
    Stufen(sk, {{.zAush = "3.5", .anker = {}, .naechster = "3", .wandfuss = 4},
                {.zAush = "7", .anker = {"3"}, .wandfuss = 1, .boeschung = {"-2", "-8", "3"}},
                {.zAush = "10", .anker = {"3"}, .wandfuss = 1, .sohleEben = true}});
    Lastfall(sk, 1, {}, {{"10", "0", "0", "999", "0"}});
    Lastfall(sk, 2, {}, {{"10", "0", "2", "5", "0"}});
    Anker(sk, {{"20", "8", "25", "2"}}, true);
    sk.klick("frmAuswahl.optAuswahl(6)");
    sk.klick("frmAuswahl.cmdOK");
    sk.klick("frmAusgabe.Check1(0)");
    sk.klick("frmAusgabe.Check1(2)");
    sk.klick("frmAusgabe.cmdOK");
    sk.in("frmBemessung.txtd1", "10");
    sk.in("frmBemessung.txtAsMmin", "25");
    sk.klick("frmBemessung.cmdOK");
    return sk;
}

} // namespace beispielskripte
