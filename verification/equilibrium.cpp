#include "verification/equilibrium.h"

#include <cmath>
#include <string>

#include "earthpressure/handover_a.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"
#include "verification/section_tools.h"
#include "verification/state.h"
#include "verification/vertical_equilibrium.h"

using zormcom::Lauf;

namespace zormd {

namespace {

// One diagram file: count and Summe H1, then the points.
void DiagrammDatei(const std::string& name, const zor::Ordinatenliste& L) {
    vb::FileGuard d(name, vb::OpenMode::Output);
    vb::Write(d.nr(), L.n, N.SummeH1);
    for (int i = 1; i <= L.n; ++i)
        vb::Write(d.nr(), L.z[static_cast<std::size_t>(i)], L.e[static_cast<std::size_t>(i)]);
    d.Close();
}

// R := list + R on the union of their depths; an empty list leaves R as it is. False when the two
// lists cannot be added (they do not span the same depths, or the sum outgrows 250 points): the
// remaining resistance is then unknown, which the search reports instead of abandoning the run.
bool Ueberlagern(int16_t kennung, const zor::Ordinatenliste& liste, zor::Ordinatenliste& R) {
    if (liste.n <= 0 || R.n <= 0) return true;
    zor::Ordinatenliste summe;
    try {
        zormcom::DiagrammAddieren(kennung, liste, R, summe, 1);
    } catch (const zor::CalcAbort&) {
        return false;
    }
    R = summe;
    return true;
}

// Files of the stage and the search of the extra embedment for the missing force Summe H1.
void ZusatzEinbindungSummeH() {
    zor::Ordinatenliste R;
    const auto& eph = Lauf.Eph;
    const float teiler = Lauf.AnzEphGegeben == 0 && P.Etap != 0.0f ? P.Etap : 1.0f;
    R.n = eph.n;
    for (int i = 1; i <= eph.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        R.z[k] = eph.z[k];
        R.e[k] = eph.e[k] / teiler;
    }
    const std::string& x = zormcom::Lauf.DateiEndung;
    DiagrammDatei("ZOREwidvW." + x, R);
    DiagrammDatei("ZOReP0." + x, St.ESumme);
    bool ok = Ueberlagern(12346, St.ESumme, R);
    if (P.ZWasserLuft != P.ZWasserErd) {
        DiagrammDatei("ZOReWas." + x, St.WasserErd);
        ok = ok && Ueberlagern(22346, St.WasserErd, R);
    }
    const int nz = P.AnzZusatzSpannung;
    if (nz > 0) {
        zor::Ordinatenliste zsp;
        zsp.n = static_cast<int16_t>(nz > 15 ? 15 : nz);
        for (int i = 1; i <= zsp.n; ++i) {
            const auto k = static_cast<std::size_t>(i);
            zsp.z[k] = P.ZusZ[k];
            zsp.e[k] = P.ZusSpannung[k] * St.ZspSkala;
        }
        DiagrammDatei("ZOReZsp." + x, zsp);
        ok = ok && Ueberlagern(32346, zsp, R);
    }
    N.DtHGesucht = true;
    N.DtH = 0.0f;
    N.DtHBestimmbar = ok && TiefeFuerKraft(R, zormcom::Lauf.zFuss, N.SummeH1, N.DtH);
}

void Tabelle() {
    const float ed = N.Ed00;
    Leerzeilen();
    ZeileDrucken(Einzug(), "Kontrolle des Gleichgewichts einer durchgehenden Wand (kN/m):");
    ZeileDrucken(Einzug(), "-------------------------------------------------------------");
    ZeileDrucken(Einzug(), "Gesamt-Gleichgewicht aus allen dem Programm bekannten Kräften.");
    ZeileDrucken(Einzug(), "Kräfte + in positiver Achsrichtung; nach rechts bzw. nach unten.");
    if (P.EntlastFaktor != 0.0f && P.UmFigur != 0) {
        Leerzeilen();
        ZeileDrucken(Einzug(), vb::StrPlain((1.0f - P.EntlastFaktor) * 100.0f),
                     "% Anteil des abgeschnittenen Drucks aus Erdgewicht + Auflasten;");
        ZeileDrucken(Einzug(), "der Rest wurde nach oben auf die Trägerbohlwand umgelagert.");
    }
    Leerzeilen();
    ZeileDrucken(Einzug(), Teilsicherheiten() ? "                     horizontal (d)"
                                              : "                         horizontal");
    const auto wert = [](const char* text, float v) {
        Drucken(Einzug(), text);
        ZahlDrucken(v, 8, 2);
    };
    wert("Erdseite  Eah bzw. E0   =  ", -St.EahErd);
    ZeileBeenden();
    if (St.EahZusatz != 0.0f) {
        wert("Zusatzspannungen   Eah  =  ", -St.EahZusatz);
        ZeileBeenden();
    }
    if (St.Wh != 0.0f) {
        wert("Wasserdruck        Wh   =  ", -St.Wh);
        ZeileBeenden();
    }
    if (St.AbgeschnDruck != 0.0f) {
        wert("abgeschnittener Druck   =  ", -St.AbgeschnDruck);
        if (P.ZWasserLuft != P.ZWasserErd) Drucken("   incl. Wasserdr.");
        if (P.AnzZusatzSpannung > 0) Drucken("   incl. Zusatzdr.");
        ZeileBeenden();
    }
    if (N.SummeNegKraefte != 0.0f) {
        wert("negative Federn    Fh   =  ", N.SummeNegKraefte);
        ZeileDrucken("   Druck erdseitig");
    }
    if (N.SummeAnkerAh != 0.0f) {
        wert("Anker u. Steifen   Ah   =  ", N.SummeAnkerAh);
        ZeileBeenden();
    }
    if (N.FelslagerKraft != 0.0f) {
        wert("Felslager          Ah   =  ", N.FelslagerKraft);
        ZeileBeenden();
    }
    if (N.Hext != 0.0f) {
        wert("Äussere Horizontalkr.   =  ", N.Hext);
        ZeileBeenden();
    }
    if (St.CKraft != 0.0f) {
        wert("Kraft  C * 1.00    Ch   =  ", St.CKraft);
        ZeileDrucken("   vereinfachter Nachweis bei Cv");
    }
    wert("passiv (1)   mögl. Bh   =  ", N.Rhd);
    ZeileDrucken("   Erdwiderstand luftseitig");
    if (P.Wandfuss != 3) {
        Drucken(Einzug(), "passiv (2)   vorh. Bh   = (");
        ZahlDrucken(ed, 8, 2);
        ZeileDrucken(" ) nicht maßgeb: vorh. Einwirkung");
    }
    ZeileDrucken(Einzug(), "                   ----------------");
    wert(Teilsicherheiten() ? "Summe              H1(d)=  " : "Summe              H1   =  ", N.SummeH1);
    ZeileBeenden();
    if (P.Wandfuss != 3) ZeileDrucken(Einzug(), "                   ================");
    if (Teilsicherheiten()) {
        if (N.Rhd != 0.0f) {
            const float grad = ed / N.Rhd;
            wert("Mobilisierungsgrad      =  ", grad);
            ZeileDrucken("  = passiv(2)/passiv(1) = Ed/Rd");
            if (P.EtaAnpass != 1.0f) {
                const std::string b = vb::Format(P.EtaAnpass, "0.00");
                ZeileDrucken(Einzug(), "       ", vb::Format(grad, "0.00"), " * ", b, "      =      ",
                             vb::Format(P.EtaAnpass * grad, "0.00"), "   wegen etaAnpassFaktor = ", b);
            }
        } else {
            // No passive resistance down to the foot: the degree of mobilisation does not exist.
            ZeileDrucken(Einzug(), "Mobilisierungsgrad      =  nicht bestimmbar (kein Erdwiderstand)");
        }
        Leerzeilen();
    }
    if (zormcom::Lauf.kzUebAkt != 0)
        ZeileDrucken(Einzug(), "Hinweis 2: Eah, Eav, Eph, Epv vor der Überlagerung seit 26.2.2008");
    ZeileDrucken(Einzug(), "Hinweis 3: Bei Summe H1 >= 0 ist das horiz. Gleichgewicht erfüllt.");
    Leerzeilen();
}

} // namespace

bool TiefeFuerKraft(const zor::Ordinatenliste& R, float z0, float F, float& dz) {
    const float a0 = Flaeche(R, z0);
    float z = z0;
    float schritt = 1.0f;
    bool ueberschritten = false;
    for (;;) {
        ueberschritten = false;
        for (int k = 1; k <= 50; ++k) {
            z += schritt;
            const float d = Flaeche(R, z) - a0;
            if (static_cast<float>(F - d) > 0.0f) {
                z -= schritt;
                ueberschritten = true;
                break;
            }
        }
        if (schritt <= 0.02f) break;
        schritt *= 0.1f;
    }
    dz = ueberschritten ? z - z0 + schritt : 0.0f;
    return ueberschritten;
}

void FussPunktGleitfuge() {
    if (P.AnzAnker < 1 || N.zGLF != 0.0f) return;
    N.zGLF = zormcom::Lauf.zFuss;
    if (St.BettungStufe != 1) return;
    int j = 0;
    float vj = 0.0f;
    const int n = St.AnzZeilen > zormc::kMaxZeile ? zormc::kMaxZeile : St.AnzZeilen;
    for (int i = 1; i <= n; ++i) {
        if (std::lround(Zeilenwert(i, zormc::kArt)) != zormc::kPunkt) continue;
        const float zi = Zeilenwert(i, zormc::kTiefe);
        if (zi < P.zAush) continue;
        const float q0 = Zeilenwert(i - 1, zormc::kQ), q1 = Zeilenwert(i, zormc::kQ);
        const float v = (q0 + q1) / 2.0f;
        if (v <= 0.0f) {
            j = i;
            vj = v;
        }
        if (q0 * q1 > 0.0f) continue;
        if (j > 0) {
            const float zj = Zeilenwert(j, zormc::kTiefe);
            N.zGLF = vj == v ? zi : zj + (zi - zj) * vj / (vj - v);
        }
        if (v * vj < 0.0f) break;
    }
}

float AeussereHorizontalkraft() {
    float h = 0.0f;
    for (int a = 1; a <= Lauf.AnzLastLuft && a <= 10; ++a) {
        int16_t wirkt = 0;
        zormcom::LastWirkt1(static_cast<int16_t>(a), wirkt);
        if (wirkt == 1) h += Lauf.LuftH[static_cast<std::size_t>(a)];
    }
    return Teilsicherheiten() && P.gamQ != 0.0f ? h * P.gamQ : h;
}

void GleichgewichtBerechnen() {
    FussPunktGleitfuge();
    N.Hext = AeussereHorizontalkraft();
    VertikalWerteBilden();
    float h = N.SummeNegKraefte - St.EahErd - St.AbgeschnDruck - St.EahZusatz - St.Wh + N.SummeAnkerAh +
              St.CKraft + N.Hext + N.FelslagerKraft + N.Rhd;
    if (std::fabs(h) < 0.5f) h = 0.0f;
    N.SummeH1 = h;
    N.DtH = 0.0f;
    N.DtHGesucht = false;
    N.DtHBestimmbar = true;
    if (P.Wandart == 1 && h < 0.0f) ZusatzEinbindungSummeH();
    // Merge into the extra embedment of the stage; an undeterminable search raises nothing.
    const float dtX = N.DtHGesucht && N.DtHBestimmbar && N.DtH > 0.0f ? N.DtH : 0.0f;
    if (dtX > St.DeltaT) St.DeltaT = dtX;
    if (St.DeltaT < 0.01f) St.DeltaT = 0.0f;
    if (P.Wandfuss == 3) St.DeltaT = 0.0f;
}

void GleichgewichtDrucken() {
    if (P.Wandart != 1 && zormcom::Lauf.kzUebAkt != 0 && zormcom::Lauf.zFuss - 0.001f > St.ZRuhedruckFuss &&
        P.Erddruckart == 1) {
        ZeileDrucken(Einzug(), "Beginn des verbleibenden Erdwiderstandes");
        Drucken(Einzug(), "nach der Überlagerung mit dem Erddruck:   z =  ");
        ZahlDrucken(St.ZRuhedruckFuss, 8, 2);
        ZeileDrucken(" m");
    }
    if (P.AnzAnker > 0) {
        Drucken(Einzug(), "Fußpunkt der tiefen Gleitfuge:            z =  ");
        ZahlDrucken(N.zGLF, 8, 2);
        ZeileDrucken(" m (Q = 0)");
    }
    if (N.DtHGesucht && !N.DtHBestimmbar)
        ZeileDrucken("         *** Der Rammtiefenzuschlag wegen Summe H ist nicht bestimmbar:");
    if (N.DtHGesucht && !N.DtHBestimmbar)
        ZeileDrucken("             der Erdwiderstand unter dem Wandfuß reicht nicht aus.");
    Tabelle();
}

} // namespace zormd
