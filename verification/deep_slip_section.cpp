#include "verification/deep_slip_section.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <span>

#include "earthpressure/handover_a.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"
#include "statics/state.h"
#include "verification/anchor_files.h"
#include "verification/deep_slip_plane.h"
#include "verification/state.h"

namespace zormd {

namespace {

using zorm1::P;

// Area and first moment of a polyline list from its first depth down to zEnde (trapezoids).
void FlaecheBis(std::span<const float> e, std::span<const float> z, int n, float zEnde, float& a, float& m) {
    a = 0.0f;
    m = 0.0f;
    n = std::min<int>(n, static_cast<int>(std::min(e.size(), z.size())) - 1);
    for (int i = 1; i < n; ++i) {
        const float z1 = z[i], z2 = std::min(z[i + 1], zEnde);
        if (z1 >= zEnde) break;
        if (z2 <= z1) continue;
        const float dz = z[i + 1] - z[i];
        const float e1 = e[i], e2 = dz != 0.0f ? e[i] + (e[i + 1] - e[i]) * (z2 - z1) / dz : e[i];
        const float f = (e1 + e2) / 2.0f * (z2 - z1);
        a += f;
        if (e1 + e2 != 0.0f) m += f * (z1 + (z2 - z1) * (e1 + 2.0f * e2) / (3.0f * (e1 + e2)));
    }
}

void WasserGrenze() {
    if (!(P.ZWasserErd > 0.0f)) return;
    for (int i = 1; i <= P.AnzErd; ++i)
        if (zormcom::Lauf.SchichtKote[i] == P.ZWasserErd) return;
    if (P.AnzErd + 2 >= static_cast<int>(P.SchichtDeltaANeu.size())) return;
    int k = P.AnzErd + 1;
    for (int i = 0; i <= P.AnzErd; ++i)
        if (zormcom::Lauf.SchichtKote[i] > P.ZWasserErd) {
            k = i;
            break;
        }
    P.AnzErd = static_cast<int16_t>(P.AnzErd + 1);
    for (int i = P.AnzErd; i >= std::max(k, 1); --i) {
        zormcom::Lauf.SchichtKote[i] = zormcom::Lauf.SchichtKote[i - 1];
        P.SchichtGamma[i] = P.SchichtGamma[i - 1];
        P.SchichtGammaAuftrieb[i] = P.SchichtGammaAuftrieb[i - 1];
        P.SchichtPhi[i] = P.SchichtPhi[i - 1];
        P.SchichtDeltaA[i] = P.SchichtDeltaA[i - 1];
        P.SchichtCa[i] = P.SchichtCa[i - 1];
        zormcom::Lauf.SchichtKagh[i] = zormcom::Lauf.SchichtKagh[i - 1];
        zormcom::Lauf.SchichtKpgh[i] = zormcom::Lauf.SchichtKpgh[i - 1];
        zormcom::Lauf.SchichtKach[i] = zormcom::Lauf.SchichtKach[i - 1];
        zormcom::Lauf.SchichtKpch[i] = zormcom::Lauf.SchichtKpch[i - 1];
        P.SchichtDeltaANeu[i] = P.SchichtDeltaANeu[i - 1];
        P.SchichtDeltaPNeu[i] = P.SchichtDeltaPNeu[i - 1];
    }
    zormcom::Lauf.SchichtKote[std::max(k, 1)] = P.ZWasserErd;
    zormcom::Lauf.SchichtKote[P.AnzErd + 1] = 99.0f;
    // The thicknesses follow the new boundaries (the soil pressure sums them).
    for (int i = 1; i <= P.AnzErd && i < static_cast<int>(P.SchichtDicke.size()); ++i)
        P.SchichtDicke[i] = zormcom::Lauf.SchichtKote[i + 1] - zormcom::Lauf.SchichtKote[i];
}

} // namespace

void TiefeGleitfuge() {
    GF.GlfXWand = (P.Wandtyp == 1 || P.Wandtyp == 2) ? P.DWand / 2.0f : P.DWand;
    if (P.TeilsicherheitenAn == 0)
        for (int i = 1; i <= P.AnzAnkerStufenPaare && i <= 15; ++i)
            if (P.EtaAbwAushub[i] == static_cast<float>(P.AushNr)) P.EtaGl = P.EtaAbwWert[i];
    const float zlim = std::min(N.zGLF, zormc::St.Ze1Fig6Wirksam);
    // Earth pressure on the wall down to the limit, its resultant depth down to zGLF.
    const auto& L = zormc::St;
    const int n = L.AnzGlfListe;
    float a = 0.0f, m = 0.0f, aG = 0.0f, mG = 0.0f;
    FlaecheBis(L.EhListe, L.EhListeZ, n, zlim, a, m);
    FlaecheBis(L.EhListe, L.EhListeZ, n, N.zGLF, aG, mG);
    N.GlfEahWand = a;
    N.GlfZEahWand = aG != 0.0f ? mG / aG : 0.0f;
    if (P.AnzZusatzSpannung > 0 && zormcom::Lauf.kzWasserenth == 0) {
        zor::Ordinatenfeld e{}, z{};
        const int k = std::min<int>(P.AnzZusatzSpannung, 15);
        for (int i = 1; i <= k; ++i) {
            e[i] = P.ZusSpannung[i];
            z[i] = P.ZusZ[i];
        }
        float A = 0.0f, mA = 0.0f, R = 0.0f, mR = 0.0f;
        FlaecheBis(e, z, k, zlim, A, mA);
        FlaecheBis(e, z, k, N.zGLF, R, mR);
        if (N.GlfEahWand + A != 0.0f)
            N.GlfZEahWand = (N.GlfEahWand * N.GlfZEahWand + mR) / (N.GlfEahWand + A);
        N.GlfEahWand += A;
    }
    float av = 0.0f, mv = 0.0f;
    FlaecheBis(L.EvListe, L.EhListeZ, n, zlim, av, mv);
    N.GlfEavWand = av;
    if (P.TeilsicherheitenAn != 0 && zormc::St.gamMittel != 0.0f) {
        N.GlfEavWand /= zormc::St.gamMittel;
        N.GlfEahWand /= zormc::St.gamMittel;
    }
    GF.GlfPunktX[9] = 0.0f;
    GF.GlfPunktZ[9] = N.zGLF;
    // Strips of the surface.
    auto& Lf = zormcom::Lauf;
    std::vector<float> x;
    for (int j = 1; j <= Lf.AnzLastErd && j <= 8; ++j) {
        x.push_back(Lf.ErdXA[j]);
        x.push_back(Lf.ErdXE[j]);
    }
    x.push_back(999.0f);
    for (int i = 1; i <= P.AnzBoesch && i <= 8; ++i) {
        x.push_back(P.BoeschX1[i]);
        x.push_back(P.BoeschX2[i]);
    }
    std::sort(x.begin(), x.end());
    x.erase(std::unique(x.begin(), x.end()), x.end());
    GF.GlfXListe.fill(999.0f);
    GF.GlfXListe[0] = 0.0f;
    GF.GlfAnzX = 0;
    for (std::size_t i = 0; i < x.size() && i + 1 <= kMaxGlfX; ++i) {
        GF.GlfXListe[i + 1] = x[i];
        if (x[i] == 999.0f && GF.GlfAnzX == 0) GF.GlfAnzX = static_cast<int16_t>(i + 1);
    }
    for (int k = 1; k <= GF.GlfAnzX; ++k) {
        GF.GlfLastStaendig[k] = 0.0f;
        GF.GlfLastVeraenderlich[k] = 0.0f;
        for (int j = 1; j <= Lf.AnzLastErd && j <= 8; ++j) {
            int16_t wirkt = 0;
            zormcom::LastWirkt2(static_cast<int16_t>(j), wirkt);
            if (wirkt == 0) continue;
            if (Lf.ErdXA[j] < GF.GlfXListe[k] && Lf.ErdXE[j] > GF.GlfXListe[k - 1]) {
                GF.GlfLastStaendig[k] += Lf.ErdPv[j] * Lf.ErdDauer[j] * 0.01f;
                GF.GlfLastVeraenderlich[k] += Lf.ErdPv[j] * (100.0f - Lf.ErdDauer[j]) * 0.01f;
            }
        }
    }
    WasserGrenze();
    for (int i = 0; i <= P.AnzErd && i <= 100; ++i)
        GF.GlfGamma[i] = P.SchichtGamma[i];
    GleitfugeKopieSichern();
    LaengenSuche(P.EtaGl);
}

std::string GlfCacheDatei() {
    return "DOVUDUvozud." + zormcom::Lauf.DateiEndung;
}

void GlfCacheSchreiben() {
    const int16_t f = vb::FreeFile();
    vb::Open(GlfCacheDatei(), vb::OpenMode::Output, f);
    for (int n = 1; n <= N.AnzAnkerGlf; ++n) {
        if (GF.GlfSummeAh[n] > 0.0f)
            vb::Write(f, N.GlfAnkerZ[n], N.AnkerLaenge[n], GF.GlfSummeAh[n], GF.GlfWertAnker[n],
                      GF.GlfEtaAnker[n]);
        else
            vb::Write(f, N.GlfAnkerZ[n], N.AnkerLaenge[n], GF.GlfSummeAh[n], GF.GlfWertAnker[n],
                      int16_t{888});
    }
    vb::Write(f, GF.GlfPunktFolge, N.EtaGlf);
    vb::Write(f, N.GlfEavAW, N.GlfEahAW, N.GlfEahWand, N.GlfEavWand, N.GlfSumCh, N.GlfSumCv, N.GlfQhMoegl,
              N.GlfQvMoegl, N.GlfSumG, N.GlfAhMoegl, N.GlfAvMoegl);
    vb::Write(f, N.GlfXSchwerpunkt, N.GlfZEahWand, N.GlfZEahAW, N.GlfXQMoegl, N.GlfQh, N.GlfQv, N.GlfSumAh,
              N.GlfSumAv, N.GlfXQ);
    // Our own line: the substitute anchor wall and the wedge reach of the stage, and whether the overall
    // rounds ended without meeting the check.
    vb::Write(f, GF.xAW, GF.zAW, N.GlfMaxAushub, static_cast<int16_t>(GF.GlfGesamtNichtErfuellt ? 1 : 0));
    vb::Close(f);
}

bool GlfCacheLesen() {
    if (!vb::FileExists(GlfCacheDatei())) return false;
    const int16_t f = vb::FreeFile();
    vb::Open(GlfCacheDatei(), vb::OpenMode::Input, f);
    for (int n = 1; n <= N.AnzAnkerGlf; ++n)
        vb::Input(f, N.GlfAnkerZ[n], N.AnkerLaenge[n], GF.GlfSummeAh[n], GF.GlfWertAnker[n],
                  GF.GlfEtaAnker[n]);
    vb::Input(f, GF.GlfPunktFolge, N.EtaGlf);
    vb::Input(f, N.GlfEavAW, N.GlfEahAW, N.GlfEahWand, N.GlfEavWand, N.GlfSumCh, N.GlfSumCv, N.GlfQhMoegl,
              N.GlfQvMoegl, N.GlfSumG, N.GlfAhMoegl, N.GlfAvMoegl);
    vb::Input(f, N.GlfXSchwerpunkt, N.GlfZEahWand, N.GlfZEahAW, N.GlfXQMoegl, N.GlfQh, N.GlfQv, N.GlfSumAh,
              N.GlfSumAv, N.GlfXQ);
    GF.GlfGesamtNichtErfuellt = false;
    if (!vb::Eof(f)) vb::Input(f, GF.xAW, GF.zAW, N.GlfMaxAushub);
    if (!vb::Eof(f)) {
        int16_t nichtErfuellt = 0;
        vb::Input(f, nichtErfuellt);
        GF.GlfGesamtNichtErfuellt = nichtErfuellt != 0;
    }
    vb::Close(f);
    return true;
}

Gleitfugenwerte TiefeGleitfugeBerechnen() {
    Gleitfugenwerte w;
    AnkerbuchVorher();
    // 1. Anchors of the check and struts.
    N.AnzAnkerGlf = 0;
    N.AnzSteifen = 0;
    N.SteifenZ.fill(0.0f);
    N.SteifenAh.fill(0.0f);
    for (int k = 1; k <= P.AnzAnker && k <= 8; ++k)
        for (int j = 1; j <= P.AnzAnkerGesamt && j <= kMaxAnkerSlots; ++j) {
            if (P.ZAnker[k] != P.ZAuflager[j]) continue;
            if (AB.AnkerLminD[j] != 0.0f || AB.AnkerLmaxD[j] != 0.0f) {
                if (N.AnzAnkerGlf >= kMaxAnkerGlf) continue;
                const int n = ++N.AnzAnkerGlf;
                GF.AnkerLmin[n] = AB.AnkerLminD[j];
                GF.AnkerLaengeTest[n] = std::max(GF.AnkerLmin[n], AB.AnkerGlfWert[j]);
                N.AnkerLaenge[n] = GF.AnkerLaengeTest[n];
                GF.AnkerLmax[n] = AB.AnkerLmaxD[j];
                GF.GlfAnkerNeigung[n] = AB.AnkerNeigungRad[j];
                N.GlfAnkerZ[n] = P.ZAuflager[j];
                N.GlfAnkerAh[n] = N.AnkerAh[j];
            } else if (N.AnzSteifen < 8) {
                const int m = ++N.AnzSteifen;
                N.SteifenZ[m] = P.ZAuflager[j];
                N.SteifenAh[m] = N.AnkerAh[j];
            }
        }
    if (P.AnkerLaengen != 1 || N.AnzAnkerGlf == 0) {
        N.GlfAnkerKombination = "91";
        return w;
    }
    w.Nachweis = true;
    w.AusCache = zormcom::Vorgaben.ErsterLauf != 1 && vb::FileExists(GlfCacheDatei());
    // 4. Results of the stage.
    const bool teil = P.TeilsicherheitenAn != 0;
    const float etaGlProjekt = P.EtaGl;
    if (teil) P.EtaGl = 1.0f;
    if (!w.AusCache) {
        TiefeGleitfuge();
        GlfCacheSchreiben();
    } else {
        GlfCacheLesen();
    }
    if (teil) P.EtaGl = etaGlProjekt;
    // 5. Bookkeeping per level.
    AnkerbuchNachher();
    // 6.
    N.GlfAnkerKombination = N.AnzAnkerGlf < 2 ? std::string("91") : GF.GlfPunktFolge;
    return w;
}

void TiefeGleitfugeDrucken(const Gleitfugenwerte& w) {
    using namespace zorma;
    if (!w.Nachweis) return;
    const bool teil = P.TeilsicherheitenAn != 0;
    const std::string& E = Bericht.Einrueckung;
    // 3. Head.
    Drucken(E, "NACHWEIS DER TIEFEN GLEITFUGE   LASTFALL ");
    ZahlDrucken(P.LFNr, 2, 0);
    Drucken(",  AUSHUB ");
    ZahlDrucken(P.AushNr, 2, 0);
    ZeileBeenden();
    ZeileDrucken(E, std::string(55, '-'));
    ZeileDrucken(E, "Ankerlängen von AUSSEN - Kante Wand bis Mitte Verpresskörper.");
    ZeileDrucken(E, "Erddruck auf Hinterkante Wand, bei Spundwänden und Trägerbohl-");
    ZeileDrucken(E, "wänden auf Achse Wand bezogen; Unterscheidung ab 17.11.2006.");
    if (!teil && P.RuheProz > 0.0f && w.AusCache)
        ZeileDrucken(E, "Die Kräfte wurden HIER mit  0 %  Ruhedruck ermittelt.");
    Leerzeilen();
    if (!teil) {
        ZeileDrucken(E, "Einzel-Nachweise");
        ZeileDrucken(E, "Anker-   Anker- ");
        ZeileDrucken(E, "Kote     Länge    Summ.Ah   zul.SAh    eta = zul.SAh/Summ.Ah");
        ZeileDrucken(E, std::string(60, '-'));
    } else {
        if (P.RuheProz > 0.0f) {
            ZeileDrucken(E, "Nachweis nach EAB 2006, EB 44. Bei erhöht aktivem Erddruck mit");
            ZeileDrucken(E, "größeren Teilsicherheiten gamG und gamRe; das kleinere");
            ZeileDrucken(E, "gamE0g wird für diesen Nachweis nicht verwendet.");
            ZeileDrucken(E, "Ankerkräfte Summ.Ah,k incl. Ruhedruckanteil.");
        }
        ZeileDrucken(E, "Summ.Ah,k besteht aus mehreren Ankerkräften, wenn die Verpress-");
        ZeileDrucken(E, "körpermitten innerhalb oder auf dem Rand des Gleitkörpers liegen.");
        Leerzeilen();
        ZeileDrucken(E, "             ( charakterist. Werte )   ( gamG  *  gamRe )");
        Drucken(E, "Ausnutzung = (Summ.Ah,k / mögl.Ah,k) * (");
        ZahlDrucken(zormcom::Vorgaben.gamEWirk, 6, 3);
        Drucken(" * ");
        ZahlDrucken(zormcom::Vorgaben.gamReWirk, 6, 3);
        ZeileDrucken(" )");
        ZeileDrucken(E, "Einzel-Nachweise                       (     ",
                     vb::Format(zormcom::Vorgaben.gamReWirk * zormcom::Vorgaben.gamEWirk, "0.000"),
                     "      )");
        ZeileDrucken(E, "Anker-   Anker- ");
        ZeileDrucken(E, "Kote     Länge  Summ.Ah,k mögl.Ah,k   Ed / Rd <!= 1.00");
        ZeileDrucken(E, std::string(54, '-'));
    }
    if (GF.GlfGesamtNichtErfuellt) {
        ZeileDrucken(E, "*** Gesamt-Nachweis mit den erreichten Ankerlängen nicht erfüllt.");
    }
    // 7. One row per anchor.
    for (int n = 1; n <= N.AnzAnkerGlf; ++n) {
        const bool keineKraft = GF.GlfSummeAh[n] <= 0.01f && GF.GlfEtaAnker[n] == 999.0f;
        // Slip line too steep even at the longest anchor (888 is how the cache carries it).
        const bool zuSteil =
            GF.GlfSummeAh[n] == 0.0f && (GF.GlfEtaAnker[n] == 0.0f || GF.GlfEtaAnker[n] == 888.0f);
        Drucken(E);
        ZahlDrucken(N.GlfAnkerZ[n], 5, 2);
        ZahlDrucken(N.AnkerLaenge[n], 9, 2);
        ZahlDrucken(keineKraft ? 0.0f : GF.GlfSummeAh[n], 11, 2);
        ZahlDrucken(keineKraft || zuSteil ? 0.0f : GF.GlfWertAnker[n], 10, 2);
        if (keineKraft) {
            ZeileDrucken("  ohne Ankerkraft im Gleitkörper"); // column 80 at most
            continue;
        }
        if (zuSteil) {
            ZeileDrucken(" UNZUL.<---");
            ZeileDrucken(Spalte(52), std::string(teil ? 27 : 22, '='));
            continue;
        }
        if (!teil) {
            if (GF.GlfSummeAh[n] != 0.0f) {
                const float eta = GF.GlfWertAnker[n] / GF.GlfSummeAh[n];
                ZahlDrucken(eta, 7, 2);
                if (eta < P.EtaGl) {
                    ZeileDrucken(" UNZUL.<---");
                    ZeileDrucken(Spalte(52), std::string(22, '='));
                    continue;
                }
            }
        } else if (GF.GlfEtaAnker[n] != 0.0f) {
            const float u = 1.0f / GF.GlfEtaAnker[n];
            Drucken("   Ausnutz. = ");
            ZahlDrucken(u, 5, 2);
            if (u >= 1.03f) {
                ZeileDrucken(" UNZUL.<---");
                ZeileDrucken(Spalte(52), std::string(27, '='));
                continue;
            }
        }
        ZeileBeenden();
    }
    // 8. Overall block.
    Leerzeilen();
    const bool letzte = P.AushNr == P.AnzAush;
    if (N.AnzAnkerGlf > 1) {
        Leerzeilen();
        std::string ziffern;
        for (std::size_t i = 1; i < GF.GlfPunktFolge.size(); ++i)
            ziffern += GF.GlfPunktFolge[i];
        ZeileDrucken(E, "Gesamt-Nachweis:", "  ", ziffern, "       zGLF  bis  Anker");
        const bool ohne = N.EtaGlf == 999.0f;
        Drucken(E, "      Summe Ah :          ");
        ZahlDrucken(ohne ? 0.0f : N.GlfSumAh, 9, 2);
        ZeileBeenden();
        Drucken(E, teil ? "      mögl.SAh :          " : "      zul. SAh :          ");
        ZahlDrucken(ohne ? 0.0f : N.GlfAhMoegl, 9, 2);
        ZeileBeenden();
        Drucken(E, teil ? "    Ausnutzung :          " : "           eta :          ");
        const float wert = teil ? (N.EtaGlf != 0.0f ? 1.0f / N.EtaGlf : 0.0f) : N.EtaGlf;
        ZahlDrucken(ohne ? 0.0f : wert, 9, 2);
        ZeileBeenden();
        Leerzeilen();
        if (letzte) {
            ZeileDrucken(E, "Die Gesamtgleitfläche ist die Verbindung des Gleitpunktes zGLF");
            ZeileDrucken(E, "der Wand und der Mitten der Verpresskörper der o.a. Anker.");
            Leerzeilen();
        }
    }
    // 9. Closing lines.
    Drucken(E, "zGLF =");
    ZahlDrucken(N.zGLF, 6, 2);
    ZeileDrucken(" m  :  Kote der Gleitfuge an der Wand.");
    Drucken(E, "xAW  =");
    ZahlDrucken(GF.xAW, 6, 2);
    ZeileDrucken(" m  :  Entfernung der Ersatzankerwand von x = 0.");
    Drucken(E, "zAW  =");
    ZahlDrucken(GF.zAW, 6, 2);
    ZeileDrucken(" m  :  Kote des Fußpunktes der Ersatzankerwand.");
    Leerzeilen();
    if (letzte) {
        ZeileDrucken(E, "Für den Druck auf die Ersatzankerwand ist die Eingabe der Lasten");
        ZeileDrucken(E, "bis zum Endpunkt der Tiefen Gleitfuge erforderlich; siehe Grafik.");
    }
    Leerzeilen(2);
}

void TiefeGleitfugeBericht() {
    TiefeGleitfugeDrucken(TiefeGleitfugeBerechnen());
}

} // namespace zormd
