#include "earthpressure/handover_a.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "frame/input_ranges.h"
#include "earthpressure/state.h"
#include "frame/stage_table.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace zormcom {

namespace {

void PruefeAnzahl(int wert, int oben, const char* datei) {
    if (wert < 0 || wert > oben)
        throw vb::RuntimeError(9, std::string("Index außerhalb des gültigen Bereichs beim Lesen von \"") +
                                      datei + "\"");
}

} // namespace

void LastfallLesen(int16_t lc) {
    auto& L = Lauf;
    for (int j = 1; j <= 10; ++j) {
        L.LuftH[j] = 0.0f;
        L.LuftM[j] = 0.0f;
    }
    for (int j = 1; j <= 15; ++j) {
        L.ErdPh[j] = 0.0f;
        L.ErdPv[j] = 0.0f;
    }
    vb::FileGuard d("ZORLAST", vb::OpenMode::Input);
    const int16_t f = d.nr();
    vb::Input(f, P.AnzLF);
    for (int fall = 1; fall <= lc; ++fall) {
        vb::Input(f, L.AnzLastLuft, L.AnzLastErd);
        PruefeAnzahl(L.AnzLastLuft, 10, "ZORLAST");
        PruefeAnzahl(L.AnzLastErd, 15, "ZORLAST");
        for (int j = 1; j <= L.AnzLastLuft; ++j) {
            vb::Input(f, L.LuftH[j], L.LuftM[j], L.LuftZ[j], L.LuftNichtIn(j, 0));
            PruefeAnzahl(L.LuftNichtIn(j, 0), 8, "ZORLAST");
            for (int k = 1; k <= L.LuftNichtIn(j, 0); ++k)
                vb::Input(f, L.LuftNichtIn(j, k));
        }
        for (int j = 1; j <= L.AnzLastErd; ++j) {
            vb::Input(f, L.ErdPv[j], L.ErdPh[j], L.ErdXA[j], L.ErdXE[j], L.ErdZ[j], L.ErdDauer[j],
                      L.ErdNichtIn(j, 0));
            PruefeAnzahl(L.ErdNichtIn(j, 0), 8, "ZORLAST");
            for (int k = 1; k <= L.ErdNichtIn(j, 0); ++k)
                vb::Input(f, L.ErdNichtIn(j, k));
            vb::Input(f, L.ErdRuheProz[j], L.ErdRuheFaktor[j]);
        }
    }
    d.Close();
}

void AushubDateiLesen(int16_t s) {
    auto& L = Lauf;
    zormcom::Lauf.DateiNr = vb::FreeFile();
    vb::Open("ZORAUSH", vb::OpenMode::Input, zormcom::Lauf.DateiNr);
    vb::FileGuard d(zormcom::Lauf.DateiNr);
    const int16_t f = d.nr();
    const std::string_view inhalt = vb::InputData(f);
    if (s >= 0 && static_cast<std::size_t>(s) <= L.AushubDateiStufen.size() && !L.AushubDatei.empty() &&
        inhalt == L.AushubDatei) {
        // The bytes read before: their values, stage by stage as reading them sets them.
        P.AnzAush = L.AushubDateiAnzAush;
        for (int stufe = 1; stufe <= s; ++stufe) {
            const auto& g = L.AushubDateiStufen[static_cast<std::size_t>(stufe - 1)];
            P.Aushubstufen[static_cast<size_t>(stufe)] = g.stufe;
            L.AnzFigur6 = g.AnzFigur6;
            L.Ze1Fig6 = g.Ze1Fig6;
            L.UmZeitAkt = g.UmZeitAkt;
            L.UmArtAkt = g.UmArtAkt;
            L.kzUebAkt = g.kzUebAkt;
            L.kzWasserenth = g.kzWasserenth;
            L.EpsFuss6 = g.EpsFuss6;
            for (int k = 1; k <= L.AnzFigur6; ++k) {
                L.Fig6VerhAkt[k] = g.Fig6VerhAkt[k];
                L.Fig6ZAkt[k] = g.Fig6ZAkt[k];
            }
        }
        d.Close();
        return;
    }
    L.AushubDatei.clear();
    L.AushubDateiStufen.clear();
    std::vector<Laufwerte::AushubGelesen> gelesen;
    vb::Input(f, P.AnzAush);
    PruefeAnzahl(s, zorm1::MaxAushub, "ZORAUSH");
    for (int stufe = 1; stufe <= s; ++stufe) {
        zorm1::AushubSpalte spalte{};
        for (int r = 1; r <= zorm1::AushubZeilen; ++r)
            vb::Input(f, spalte[static_cast<size_t>(r)]);
        P.Aushubstufen[static_cast<size_t>(stufe)] = zorm1::AushubAusSpalte(spalte);
        vb::Input(f, L.AnzFigur6, L.Ze1Fig6, L.UmZeitAkt, L.UmArtAkt, zormcom::Lauf.kzUebAkt,
                  zormcom::Lauf.kzWasserenth, L.EpsFuss6);
        PruefeAnzahl(L.AnzFigur6, 15, "ZORAUSH");
        auto& g = gelesen.emplace_back();
        for (int k = 1; k <= L.AnzFigur6; ++k) {
            vb::Input(f, L.Fig6VerhAkt[k], L.Fig6ZAkt[k]);
            g.Fig6VerhAkt[k] = L.Fig6VerhAkt[k];
            g.Fig6ZAkt[k] = L.Fig6ZAkt[k];
        }
        g.stufe = P.Aushubstufen[static_cast<size_t>(stufe)];
        g.AnzFigur6 = L.AnzFigur6;
        g.Ze1Fig6 = L.Ze1Fig6;
        g.UmZeitAkt = L.UmZeitAkt;
        g.UmArtAkt = L.UmArtAkt;
        g.kzUebAkt = L.kzUebAkt;
        g.kzWasserenth = L.kzWasserenth;
        g.EpsFuss6 = L.EpsFuss6;
    }
    L.AushubDatei.assign(inhalt);
    L.AushubDateiAnzAush = P.AnzAush;
    L.AushubDateiStufen = std::move(gelesen);
    d.Close();
}

void LastWirkt1(int16_t j, int16_t& wirkt) {
    const auto& L = Lauf;
    wirkt = 1;
    const int n = std::min<int>(L.LuftNichtIn(j, 0), 8);
    for (int k = 1; k <= n; ++k) {
        if (L.LuftNichtIn(j, k) == P.AushNr) {
            wirkt = 0;
            break;
        }
    }
}

void LastWirkt2(int16_t j, int16_t& wirkt) {
    auto& L = Lauf;
    wirkt = 1;
    const int n = std::min<int>(L.ErdNichtIn(j, 0), 8);
    for (int k = 1; k <= n; ++k) {
        if (L.ErdNichtIn(j, k) == P.AushNr) {
            wirkt = 0;
            break;
        }
    }
    if (wirkt == 1 && (L.ErdXE[j] < 99.0f || L.ErdPv[j] > 10.0f)) L.LastKleinFlag = 1;
}

void ErdwiderstandVorgabe() {
    auto& L = Lauf;
    const int n = L.AnzEphGegeben;
    if (n < 0 || n > 15)
        throw vb::RuntimeError(9, "Zu viele Punkte des vorgegebenen Erdwiderstands (höchstens 15)");
    if (P.Etap == 0.0f)
        throw vb::RuntimeError(11, "Division durch Null: Sicherheit des Erdwiderstands ist 0");
    L.Eph.z[1] = 0.0f;
    L.Eph.e[1] = 0.0f;
    L.Eph.z[2] = P.zAush - 0.001f;
    L.Eph.e[2] = 0.0f;
    for (int k = 1; k <= n; ++k) {
        L.Eph.z[k + 2] = L.EphGegAktZ[k];
        L.Eph.e[k + 2] = L.EphGegAktE[k] / P.Etap;
    }
    L.Eph.n = static_cast<int16_t>(n + 2);
}

} // namespace zormcom

namespace zorma {

namespace {

using zormcom::Laufwerte;

[[noreturn]] void Ablehnen(const std::string& was) {
    throw zor::CalcAbort(zorm1::BerechnungNichtMoeglich(was));
}

void Grenze(int wert, int unten, int oben, const std::string& was) {
    if (wert < unten || wert > oben)
        Ablehnen(was + " = " + std::to_string(wert) + " (zulässig " + std::to_string(unten) + " bis " +
                 std::to_string(oben) + ").");
}

// A count a stage keeps as a single (halves to even); a value far outside the 16-bit range
// counts as out of range.
int StufenZahl(float w) {
    if (!(w > -30000.0f && w < 30000.0f)) return 30000;
    return vb::CInt(w);
}

} // namespace

void PruefeUebergabeGrenzen() {
    Grenze(P.AnzErd, 1, zorm1::MaxSchichtenDatei, "Anzahl der Bodenschichten");
    Grenze(P.AnzBoesch, 0, zorm1::MaxBoeschungen, "Anzahl der Böschungen");
    Grenze(P.AnzAush, 1, zorm1::MaxAushub, "Anzahl der Aushubzustände");
    Grenze(P.AnzLF, 1, zorm1::MaxLastfaelle, "Anzahl der Lastfälle");
    Grenze(P.AnzAnkerGesamt, 0, zorm1::MaxAnkerlagen, "Anzahl der Anker- und Steifenlagen");
    Grenze(P.AnzAnkerStufenPaare, 0, 15, "Anzahl der abweichenden Anker-Sicherheiten");

    for (int lc = 1; lc <= P.AnzLF; ++lc) {
        const std::string lf = " im Lastfall " + std::to_string(lc);
        Grenze(P.AnzLastLuftLF[lc], 0, zorm1::MaxLastenJeLF, "Anzahl der Wandlasten" + lf);
        Grenze(P.AnzLastErdLF[lc], 0, zorm1::MaxLastenJeLF, "Anzahl der Flächenlasten" + lf);
        for (int j = 1; j <= P.AnzLastLuftLF[lc]; ++j)
            Grenze(P.LuftLastNichtIn(lc, j, 0), 0, 8,
                   "Anzahl der Aushubzustände ohne Wandlast " + std::to_string(j) + lf);
        for (int j = 1; j <= P.AnzLastErdLF[lc]; ++j)
            Grenze(P.ErdLastNichtIn(lc, j, 0), 0, 8,
                   "Anzahl der Aushubzustände ohne Flächenlast " + std::to_string(j) + lf);
    }

    // Layer tops as stage a derives them, for the split at the earth-side water level that
    // the earth-pressure stage makes: one more layer must still fit into the arrays.
    zorm1::Arr<float, zorm1::MaxSchichtenDatei + 1> kote{};
    for (int i = 1; i <= P.AnzErd; ++i)
        kote[i + 1] = kote[i] + P.SchichtDicke[i];
    kote[P.AnzErd + 1] = 99.0f;

    for (int s = 1; s <= P.AnzAush; ++s) {
        const std::string az = " im Aushubzustand " + std::to_string(s);
        Grenze(P.AnzFigur6Aush[s], 0, 15, "Anzahl der Zeilen der Umlagerungsfigur 6" + az);
        Grenze(s <= 20 ? P.BettAnz[s] : 0, 0, 20, "Anzahl der Zeilen der Bettung" + az);
        const zorm1::Aushubstufe& stufe = P.Aushubstufen[static_cast<size_t>(s)];
        Grenze(StufenZahl(stufe.AnzAnker), 0, 8, "Anzahl der Anker" + az);
        Grenze(StufenZahl(stufe.AnzSohlLast), 0, 8, "Anzahl der Lasten auf der Aushubsohle" + az);
        Grenze(StufenZahl(stufe.AnzZusatzSpannung), 0, 15, "Anzahl der Zusatzspannungen" + az);
        Grenze(StufenZahl(stufe.AnzErddruckFaktor), 0, 15, "Anzahl der Erddruck-Faktoren" + az);
        const float eah = P.EahGeg(s, 0);
        const float eph = P.EphGeg(s, 0);
        Grenze(eah > -1.0f && eah < 100.0f ? static_cast<int>(eah) : 100, 0, 15,
               "Anzahl der Punkte des vorgegebenen Erddrucks" + az);
        Grenze(eph > -1.0f && eph < 100.0f ? static_cast<int>(eph) : 100, 0, 15,
               "Anzahl der Punkte des vorgegebenen Erdwiderstands" + az);

        const float zw = stufe.ZWasserErd;
        if (P.AnzErd >= zorm1::MaxSchichtenDatei && zw > 0.0f) {
            bool teilt = false;
            for (int i = 1; i <= P.AnzErd; ++i) {
                if (zw - kote[i + 1] <= 0.001f) {
                    teilt = !(std::abs(zw - kote[i + 1]) < 0.001f || std::abs(zw - kote[i]) < 0.001f);
                    break;
                }
            }
            if (teilt)
                Ablehnen("Der erdseitige Wasserstand" + az + " teilt eine Bodenschicht; dafür ist bei " +
                         std::to_string(P.AnzErd) + " Bodenschichten kein Platz (höchstens " +
                         std::to_string(zorm1::MaxSchichtenDatei) +
                         " Schichten einschließlich der Teilung am Wasserstand).");
        }
    }
}

void LastSchreiben() {
    PruefeUebergabeGrenzen();
    vb::FileGuard d("ZORLAST", vb::OpenMode::Output);
    const int16_t f = d.nr();
    vb::Write(f, P.AnzLF);
    for (int lc = 1; lc <= P.AnzLF; ++lc) {
        vb::Write(f, P.AnzLastLuftLF[lc], P.AnzLastErdLF[lc]);
        for (int j = 1; j <= P.AnzLastLuftLF[lc]; ++j) {
            const int n = P.LuftLastNichtIn(lc, j, 0);
            vb::Write(f, P.LuftLastH(lc, j), P.LuftLastM(lc, j), P.LuftLastZ(lc, j),
                      P.LuftLastNichtIn(lc, j, 0));
            for (int k = 1; k <= n; ++k)
                vb::Write(f, P.LuftLastNichtIn(lc, j, k));
        }
        for (int j = 1; j <= P.AnzLastErdLF[lc]; ++j) {
            const int n = P.ErdLastNichtIn(lc, j, 0);
            vb::Write(f, P.ErdLastPv(lc, j), P.ErdLastPh(lc, j), P.ErdLastXA(lc, j), P.ErdLastXE(lc, j),
                      P.ErdLastZ(lc, j), P.ErdLastDauer(lc, j), P.ErdLastNichtIn(lc, j, 0));
            for (int k = 1; k <= n; ++k)
                vb::Write(f, P.ErdLastNichtIn(lc, j, k));
            vb::Write(f, P.ErdLastRuheProz(lc, j), P.ErdLastRuheFaktor(lc, j));
        }
    }
    d.Close();
}

void AushSchreiben() {
    PruefeUebergabeGrenzen();
    vb::FileGuard d("ZORAUSH", vb::OpenMode::Output);
    const int16_t f = d.nr();
    vb::Write(f, P.AnzAush);
    for (int s = 1; s <= P.AnzAush; ++s) {
        const zorm1::AushubSpalte spalte = zorm1::AushubAlsSpalte(P.Aushubstufen[static_cast<size_t>(s)]);
        for (int r = 1; r <= zorm1::AushubZeilen; ++r)
            vb::Write(f, spalte[static_cast<size_t>(r)]);
        vb::Write(f, P.AnzFigur6Aush[s], P.Ze1Fig6Aush[s], P.UmZeit[s], P.UmArt[s], P.kzUeb[s],
                  P.kzWasserenthAush[s], P.EpsFuss6Aush[s]);
        for (int k = 1; k <= P.AnzFigur6Aush[s]; ++k)
            vb::Write(f, P.Fig6Verh(s, k), P.Fig6Z(s, k));
    }
    d.Close();
}

void GlfrSchreiben() {
    PruefeUebergabeGrenzen();
    vb::FileGuard d("ZORGLFR", vb::OpenMode::Output);
    const int16_t f = d.nr();
    vb::Write(f, P.EtaGl, P.AnzAnkerGesamt);
    for (int i = 1; i <= P.AnzAnkerGesamt; ++i)
        vb::Write(f, P.ZAuflager[i], P.AnkerNeigungGrad[i], P.AnkerLmin[i], P.AnkerLmax[i]);
    d.Close();
}

void Z11Schreiben() {
    PruefeUebergabeGrenzen();
    vb::FileGuard d("ZORZ11", vb::OpenMode::Output);
    const int16_t f = d.nr();
    const int n = P.AnzErd;
    vb::Write(f, P.AnzErd);
    for (int i = 1; i <= n; ++i) {
        vb::Write(f, zormcom::Lauf.SchichtKaAnteil[i], zormcom::Lauf.SchichtK0Anteil[i], 0.0f,
                  zormcom::Lauf.SchichtKote[i], P.SchichtDicke[i], P.SchichtPhi[i], P.SchichtDeltaA[i],
                  P.SchichtGammaAush[i], P.SchichtGammaAuftriebAush[i], P.SchichtDeltaP[i]);
        vb::Write(f, P.SchichtCa[i], P.SchichtCp[i], P.SchichtGamma[i], P.SchichtGammaAuftrieb[i],
                  P.SchichtEI[i], P.SchichtKaghVorgabe[i], P.SchichtKachVorgabe[i], P.SchichtKpchVorgabe[i],
                  P.SchichtKpghVorgabe[i]);
        vb::Write(f, zormcom::Lauf.SchichtKagh[i], zormcom::Lauf.SchichtKpgh[i], zormcom::Lauf.SchichtKach[i],
                  zormcom::Lauf.SchichtKpch[i], P.SchichtDeltaANeu[i], P.SchichtDeltaPNeu[i]);
    }
    vb::Write(f, zormcom::Lauf.SchichtKote[n + 1], zormcom::Lauf.kzStroem, zormcom::Lauf.kzHydGrBr,
              P.SchichtDicke[n], P.DeltaZF * P.GradZuRad);
    vb::Write(f, P.AnzBoesch);
    for (int i = 1; i <= P.AnzBoesch; ++i)
        vb::Write(f, P.BoeschX1[i], P.BoeschX2[i], P.BoeschZ1[i], P.BoeschZ2[i], P.BoeschGamma[i],
                  P.BoeschPhi[i]);
    for (int k = 1; k <= 12; ++k)
        vb::Write(f, P.DeltaNeuAushub[k]);
    d.Close();
}

void Z12Schreiben() {
    PruefeUebergabeGrenzen();
    vb::FileGuard d("ZORZ12", vb::OpenMode::Output);
    const int16_t f = d.nr();
    vb::Write(f, P.AnzErd);
    for (int i = 1; i <= P.AnzErd; ++i)
        vb::Write(f, P.SchichtGammaAuftrieb[i], P.SchichtGammaAuftriebAush[i]);
    d.Close();
}

} // namespace zorma
