// The project file as one table: its 70 statements in their order, each with its items and the project
// field every item holds. The writer and the reader of the project file (frame/project_file.cpp) both walk
// this one table, so what is written is what is read, item for item.
//
// A walker W supplies:
//   void Satz(int nr, F items)      one line of statement nr; items() names the line's items in order
//   void Wert(int16_t& | float& | std::string&)
//                                   an item holding a field: an integer, a single, a text in quotes
//   void Anzahl(int16_t& n, int max)
//                                   the count of a list: written cut to 0..max, refused beyond it when read
//   void Leer(int16_t | float)      an item the file keeps without a field: written as the value, read and
//                                   dropped
//   void Seite(int16_t& nr, std::string& text)
//                                   the start page: written as the integer nr, read as its text
//   bool Ende()                     the reader may stop here when the file has ended (the writer never stops)
//   void BeimSchreiben(F f)         f runs only when writing (what the writer makes of the data first)
//   void NachDemLesen(F f)          f runs only when reading (what the reader makes of what it read)
//   Anzeigen::Heft504Texte& Kopftexte()
//                                   the header texts the statements 50 to 59 hold
// Loops run to the count of their list kept within its capacity (Bis): a count read beyond the capacity is
// refused before its loop, so for a file read the bound is the count itself.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/runtime/vbnum.h"

namespace zorm1 {

// Loop bound of a list: its count, kept inside the list's capacity.
inline int16_t Bis(int16_t n, int max) {
    return static_cast<int16_t>(std::clamp<int>(n, 0, max));
}

// A row count kept as a single (EahGeg(s, 0), EphGeg(s, 0)) as an integer.
inline int16_t Zeilenzahl(float v) {
    if (!std::isfinite(v) || v < -32768.5f || v >= 32767.5f) return 0;
    return vb::CInt(v);
}

template <class W> void Projektdatei(W& w, ProjectData& p) {
    const auto nBoesch = [&] { return Bis(p.AnzBoesch, MaxBoeschungen); };
    const auto nErd = [&] { return Bis(p.AnzErd, MaxSchichtenDatei); };
    const auto nAush = [&] { return Bis(p.AnzAush, MaxAushub); };
    const auto nAnker = [&] { return Bis(p.AnzAnkerGesamt, MaxAnkerlagen); };
    const auto nLF = [&] { return Bis(p.AnzLF, MaxLastfaelle); };
    const auto nLuft = [&](int lc) { return Bis(p.AnzLastLuftLF[lc], MaxLastenJeLF); };
    const auto nErdL = [&](int lc) { return Bis(p.AnzLastErdLF[lc], MaxLastenJeLF); };

    // slopes
    w.Satz(1, [&] { w.Anzahl(p.AnzBoesch, MaxBoeschungen); });
    for (int i = 1; i <= nBoesch(); ++i)
        w.Satz(2, [&] {
            w.Wert(p.BoeschX1[i]);
            w.Wert(p.BoeschX2[i]);
            w.Wert(p.BoeschZ1[i]);
            w.Wert(p.BoeschZ2[i]);
            w.Wert(p.BoeschGamma[i]);
            w.Wert(p.BoeschPhi[i]);
        });
    // the wall and the earth pressure
    w.Satz(3, [&] {
        w.Wert(p.Wandart);
        w.Wert(p.WandKopf);
        w.Wert(p.Erddruckart);
        w.Wert(p.KonzFaktor);
        w.Wert(p.Etap);
        w.Wert(p.BeiwerteGegeben);
        w.Wert(p.WandreibungStufen);
        w.Wert(p.BBohl);
        w.Wert(p.ABohl);
        w.Anzahl(p.AnzErd, MaxSchichtenDatei);
        w.Wert(p.RuheProz);
        w.Wert(p.EntlastFaktor);
        w.Wert(p.AnkerLaengen);
    });
    w.NachDemLesen([&] {
        if (p.WandreibungStufen > 1) p.WandreibungStufen = 0;
    });
    // titles
    w.Satz(4, [&] {
        w.Wert(p.ProjBez);
        w.Wert(p.ProjNr);
        w.Wert(p.PosName);
        w.Wert(p.GanzerNameOhneExt);
        w.Wert(p.Datum);
    });
    // soil layers
    for (int i = 1; i <= nErd(); ++i) {
        w.BeimSchreiben([&] {
            if (p.EtaGlobal < 1.0f) p.EtaGlobal = 1.5f;
        });
        w.Satz(5, [&] {
            w.Wert(p.SchichtDicke[i]);
            w.Wert(p.SchichtPhi[i]);
            w.Wert(p.SchichtDeltaA[i]);
            w.Wert(p.SchichtDeltaP[i]);
            w.Wert(p.SchichtCa[i]);
            w.Wert(p.SchichtCp[i]);
            w.Wert(p.EtaGlobal);
            w.Wert(p.SchichtGamma[i]);
            w.Wert(p.SchichtGammaAuftrieb[i]);
            w.Wert(p.SchichtEI[i]);
            w.Wert(p.SchichtGammaAush[i]);
            w.Wert(p.SchichtGammaAuftriebAush[i]);
            w.Leer(0.0f);
        });
        w.NachDemLesen([&] {
            if (p.SchichtGammaAush[i] == 0.0f) p.SchichtGammaAush[i] = p.SchichtGamma[i];
            if (p.SchichtGammaAuftriebAush[i] == 0.0f)
                p.SchichtGammaAuftriebAush[i] = p.SchichtGammaAuftrieb[i];
        });
    }
    // excavation stages, each in its stored form of AushubZeilen numbers, one a line
    w.Satz(6, [&] { w.Anzahl(p.AnzAush, MaxAushub); });
    for (int s = 1; s <= nAush(); ++s) {
        Aushubstufe& t = p.Aushubstufen[static_cast<size_t>(s)];
        AushubSpalte spalte = AushubAlsSpalte(t);
        for (int r = 1; r <= AushubZeilen; ++r)
            w.Satz(7, [&] { w.Wert(spalte[static_cast<size_t>(r)]); });
        w.NachDemLesen([&] {
            t = AushubAusSpalte(spalte);
            // A searched foot (free earth support) is stored just below the excavation level.
            if (t.Wandfuss == 1.0f) t.ZWandfuss = t.zAush + 0.01f;
        });
    }
    // support levels
    w.Satz(8, [&] {
        w.Wert(p.AnkerLaengen);
        w.Wert(p.EtaGl);
        w.Anzahl(p.AnzAnkerGesamt, MaxAnkerlagen);
    });
    if (p.AnkerLaengen == 1)
        for (int i = 1; i <= nAnker(); ++i)
            w.Satz(9, [&] {
                w.Wert(p.AnkerNeigungGrad[i]);
                w.Wert(p.AnkerLmin[i]);
                w.Wert(p.AnkerLmax[i]);
            });
    // load cases
    w.Satz(10, [&] { w.Anzahl(p.AnzLF, MaxLastfaelle); });
    for (int lc = 1; lc <= nLF(); ++lc) {
        w.Satz(11, [&] {
            w.Anzahl(p.AnzLastLuftLF[lc], MaxLastenJeLF);
            w.Anzahl(p.AnzLastErdLF[lc], MaxLastenJeLF);
        });
        for (int j = 1; j <= nLuft(lc); ++j)
            w.Satz(12, [&] {
                w.Wert(p.LuftLastH(lc, j));
                w.Wert(p.LuftLastM(lc, j));
                w.Wert(p.LuftLastZ(lc, j));
            });
        for (int j = 1; j <= nErdL(lc); ++j)
            w.Satz(13, [&] {
                w.Wert(p.ErdLastPv(lc, j));
                w.Wert(p.ErdLastXA(lc, j));
                w.Wert(p.ErdLastXE(lc, j));
                w.Wert(p.ErdLastZ(lc, j));
            });
    }
    w.Satz(14, [&] {
        w.Wert(p.DeltaZF);
        w.Wert(p.MinEah);
    });

    // From here on the file may end before a statement marked with Ende (files of older versions).
    if (w.Ende()) return;
    w.Satz(15, [&] { w.Wert(p.VerteilungAktiv); });
    if (w.Ende()) return;
    for (int i = 1; i <= nAnker(); ++i)
        w.Satz(16, [&] { w.Wert(p.ZAuflager[i]); });
    if (w.Ende()) return;
    for (int s = 1; s <= nAush(); ++s)
        w.Satz(17, [&] { w.Wert(p.ZWasserErdAush[s]); });
    if (w.Ende()) return;
    w.Satz(18, [&] {
        w.Wert(p.BettungPruefen);
        w.Wert(p.AllgAngaben);
        w.Wert(p.GelaendebruchEin);
        w.Wert(p.UntergrundGuenstig);
    });
    w.NachDemLesen([&] {
        if (p.UntergrundGuenstig != 0) p.UntergrundGuenstig = 1;
        // A friction limit stored as one radian (a file written inside a run) means: not set.
        if (static_cast<float>(p.GradZuRad * p.PhiCaq) == 1.0f) p.PhiCaq = 0.0f;
    });
    if (w.Ende()) return;
    for (int s = 1; s <= nAush(); ++s)
        w.Satz(19, [&] { w.Wert(p.AushubWert19[s]); });
    if (w.Ende()) return;
    for (int lc = 1; lc <= nLF(); ++lc)
        for (int j = 1; j <= nErdL(lc); ++j)
            w.Satz(20, [&] { w.Wert(p.ErdLastDauer(lc, j)); });
    if (w.Ende()) return;
    for (int s = 1; s <= nAush(); ++s) {
        w.Satz(21, [&] {
            w.Anzahl(p.AnzFigur6Aush[s], 15);
            w.Wert(p.Ze1Fig6Aush[s]);
            w.Wert(p.UmZeit[s]);
            w.Wert(p.UmArt[s]);
            w.Wert(p.kzUeb[s]);
            w.Wert(p.EpsFuss6Aush[s]);
        });
        for (int k = 1; k <= Bis(p.AnzFigur6Aush[s], 15); ++k)
            w.Satz(22, [&] {
                w.Wert(p.Fig6Verh(s, k));
                w.Wert(p.Fig6Z(s, k));
            });
    }
    if (w.Ende()) return;
    for (int i = 1; i <= nErd(); ++i)
        w.Satz(23, [&] { w.Wert(p.SchichtKpghVorgabe[i]); });
    if (w.Ende()) return;
    w.Satz(24, [&] { w.Wert(p.KoteOKWand); });
    // the stages in which a load does not act
    if (w.Ende()) return;
    for (int lc = 1; lc <= nLF(); ++lc)
        for (int j = 1; j <= nErdL(lc); ++j) {
            w.BeimSchreiben([&] {
                // kept in ascending order
                const int16_t n = Bis(p.ErdLastNichtIn(lc, j, 0), 8);
                for (int a = 1; a <= n - 1; ++a)
                    for (int b = a + 1; b <= n; ++b)
                        if (p.ErdLastNichtIn(lc, j, b) < p.ErdLastNichtIn(lc, j, a))
                            std::swap(p.ErdLastNichtIn(lc, j, a), p.ErdLastNichtIn(lc, j, b));
            });
            w.Satz(25, [&] { w.Anzahl(p.ErdLastNichtIn(lc, j, 0), 8); });
            for (int k = 1; k <= Bis(p.ErdLastNichtIn(lc, j, 0), 8); ++k)
                w.Satz(26, [&] { w.Wert(p.ErdLastNichtIn(lc, j, k)); });
        }
    for (int lc = 1; lc <= nLF(); ++lc)
        for (int j = 1; j <= nLuft(lc); ++j) {
            w.Satz(27, [&] { w.Anzahl(p.LuftLastNichtIn(lc, j, 0), 8); });
            for (int k = 1; k <= Bis(p.LuftLastNichtIn(lc, j, 0), 8); ++k)
                w.Satz(28, [&] { w.Wert(p.LuftLastNichtIn(lc, j, k)); });
        }
    if (w.Ende()) return;
    w.Satz(29, [&] {
        w.Wert(p.PhiCaq);
        w.Wert(p.zMGelenk);
    });
    if (w.Ende()) return;
    for (int i = 1; i <= nAnker(); ++i)
        w.Satz(30, [&] { w.Wert(p.AnkerNeigungGrad[i]); });
    // bedding
    if (w.Ende()) return;
    for (int s = 1; s <= nAush(); ++s) {
        w.Satz(31, [&] {
            w.Wert(p.FussGebettet[s]);
            w.Anzahl(p.BettAnz[s], 20);
        });
        for (int k = 1; k <= Bis(p.BettAnz[s], 20); ++k)
            w.Satz(32, [&] {
                w.Wert(p.BettT(s, k));
                w.Wert(p.BettC(s, k));
            });
    }
    if (w.Ende()) return;
    for (int i = 5; i <= 10; ++i)
        w.Satz(33, [&] { w.Wert(p.Kommentar[i]); });
    // partial safety factors and design
    if (w.Ende()) return;
    w.Satz(34, [&] {
        w.Wert(p.TeilsicherheitenAn);
        w.Wert(p.Bemessungssituation);
        w.Wert(p.EtaAnpass);
    });
    w.Satz(35, [&] {
        w.Wert(p.Satz35Wert1);
        w.Wert(p.Satz35Wert2);
        w.Wert(p.AsMmin);
        w.Wert(p.EBreiteN);
        w.Wert(p.AsQmin);
        w.Wert(p.CotThetaWahl);
    });
    w.NachDemLesen([&] {
        if (p.Satz35Wert1 <= 0.0f) {
            p.Satz35Wert1 = 100.0f;
            p.Satz35Wert2 = 10.0f;
        }
        if (p.TeilsicherheitenAn == 0) p.EtaGlobal = p.Etap;
        if (p.Bemessungssituation > 23 || p.Bemessungssituation < 0) p.Bemessungssituation = 2;
    });
    for (int i = 1; i <= 11; ++i)
        w.Satz(36, [&] { w.Leer(int16_t{0}); });
    if (w.Ende()) return;
    for (int lc = 1; lc <= nLF(); ++lc)
        for (int j = 1; j <= nErdL(lc); ++j)
            w.Satz(37, [&] { w.Wert(p.ErdLastPh(lc, j)); });
    // the pictures
    w.BeimSchreiben([&] {
        if (p.Massstab == 0.0f) p.Massstab = 200.0f;
    });
    if (w.Ende()) return;
    w.Satz(38, [&] {
        w.Wert(p.BBFuss);
        w.Wert(p.ZBFuss);
        w.Wert(p.DWand);
        w.Wert(p.GamWand);
        w.Wert(p.GrafikRandOU);
        w.Wert(p.GrafikRandLR);
        w.Wert(p.Massstab);
    });
    // given earth pressure and passive resistance; row 0 of EahGeg and EphGeg holds the count
    if (w.Ende()) return;
    for (int s = 1; s <= nAush(); ++s) {
        w.BeimSchreiben([&] {
            p.AnzPunkte1 = Bis(Zeilenzahl(p.EahGeg(s, 0)), 15);
            p.AnzPunkte2 = Bis(Zeilenzahl(p.EphGeg(s, 0)), 15);
        });
        w.Satz(39, [&] {
            w.Anzahl(p.AnzPunkte1, 15);
            w.Anzahl(p.AnzPunkte2, 15);
        });
        w.NachDemLesen([&] {
            p.EahGeg(s, 0) = p.AnzPunkte1;
            p.EphGeg(s, 0) = p.AnzPunkte2;
        });
        for (int k = 1; k <= Bis(p.AnzPunkte1, 15); ++k)
            w.Satz(40, [&] {
                w.Wert(p.ZEahGeg(s, k));
                w.Wert(p.EahGeg(s, k));
            });
        for (int k = 1; k <= Bis(p.AnzPunkte2, 15); ++k)
            w.Satz(41, [&] {
                w.Wert(p.TEphGeg(s, k));
                w.Wert(p.EphGeg(s, k));
            });
    }
    if (w.Ende()) return;
    for (int i = 1; i <= nErd(); ++i)
        w.Satz(42, [&] {
            w.Wert(p.SchichtKaghVorgabe[i]);
            w.Wert(p.SchichtKachVorgabe[i]);
            w.Wert(p.SchichtKpchVorgabe[i]);
            w.Wert(p.SchichtKpghVorgabe[i]);
        });
    if (w.Ende()) return;
    for (int i = 1; i <= nErd(); ++i)
        w.Satz(43, [&] {
            w.Wert(p.SchichtDeltaANeu[i]);
            w.Wert(p.SchichtDeltaPNeu[i]);
        });
    if (w.Ende()) return;
    for (int k = 1; k <= 12; ++k)
        w.Satz(44, [&] { w.Wert(p.DeltaNeuAushub[k]); });
    w.Satz(45, [&] {
        w.Leer(int16_t{0});
        w.Leer(int16_t{0});
        w.Leer(int16_t{0});
    });
    if (w.Ende()) return;
    for (int s = 1; s <= nAush(); ++s)
        w.Satz(46, [&] { w.Wert(p.kzWasserenthAush[s]); });
    if (w.Ende()) return;
    for (int lc = 1; lc <= nLF(); ++lc)
        for (int j = 1; j <= nErdL(lc); ++j)
            w.Satz(47, [&] {
                w.Wert(p.ErdLastRuheProz(lc, j));
                w.Wert(p.ErdLastRuheFaktor(lc, j));
            });
    if (w.Ende()) return;
    w.Satz(48, [&] { w.Anzahl(p.AnzAnkerStufenPaare, 15); });
    for (int k = 1; k <= Bis(p.AnzAnkerStufenPaare, 15); ++k)
        w.Satz(49, [&] {
            w.Wert(p.EtaAbwAushub[k]);
            w.Wert(p.EtaAbwWert[k]);
        });

    // the page header texts
    if (w.Ende()) return;
    Anzeigen::Heft504Texte& h = w.Kopftexte();
    w.Satz(50, [&] { w.Wert(h.txtVerfasser); });
    w.Satz(51, [&] { w.Wert(h.txtVerfasser2); });
    w.Satz(52, [&] { w.Wert(h.txtBauwerk); });
    w.Satz(53, [&] { w.Wert(h.txtDatum); });
    w.Satz(54, [&] { w.Wert(h.txtBauteil); });
    w.Satz(55, [&] { w.Wert(h.txtBlock); });
    w.Satz(56, [&] { w.Wert(p.SeitenVorsatz); });
    w.NachDemLesen([&] { Anzeigen::H504.txtVorsatz = p.SeitenVorsatz; });
    w.Satz(57, [&] { w.Wert(h.txtVorgang); });
    std::string startSeite;
    w.Satz(58, [&] { w.Seite(p.StartSeite, startSeite); });
    w.NachDemLesen([&] {
        Anzeigen::H504.txtStartSeite = startSeite;
        p.StartSeite = vb::CInt(vb::Val(startSeite));
        p.SeitenNr = p.StartSeite;
    });
    w.Satz(59, [&] { w.Wert(h.txtAsbNr); });
    w.Satz(60, [&] { w.Wert(p.ProfilName); });
    w.Satz(61, [&] { w.Wert(p.ProfilText); });

    // the section design
    if (w.Ende()) return;
    w.Satz(62, [&] {
        w.Wert(p.TiefeMittelpunkte);
        w.Wert(p.BemessungEin);
        w.Wert(p.Wandtyp);
        w.Wert(p.StahlNachEAU);
        w.Wert(p.StahlGuete);
        w.Wert(p.EtaBSt500);
        w.Wert(p.BetonKlasse);
        w.Wert(p.EBreiteM);
        w.Wert(p.d1Rand);
        w.Wert(p.kzStroemEin);
    });
    if (w.Ende()) return;
    w.Satz(63, [&] {
        w.Wert(p.BPfDUeb);
        w.Wert(p.BPfD);
        w.Wert(p.BPfAbstand);
        w.Wert(p.ZulSigma);
        w.Wert(p.ZulTau);
        w.Wert(p.StahlStaebe);
        w.Wert(p.AnkerStahlFliess);
        w.Wert(p.AnkerStahlStreck);
        w.Wert(p.xNull);
        w.Wert(p.zNull);
    });
    if (w.Ende()) return;
    for (int i = 1; i <= nAnker(); ++i)
        w.Satz(64, [&] { w.Wert(p.AnkerAbstand[i]); });
    // the user's own partial safety factors
    if (w.Ende()) return;
    w.Satz(65, [&] {
        w.Wert(p.gamGEig);
        w.Wert(p.gamE0gEig);
        w.Wert(p.gamQEig);
        w.Wert(p.gamReEig);
        w.Wert(p.gamG1CEig);
        w.Wert(p.gamQ1CEig);
    });
    w.Satz(66, [&] {
        w.Wert(p.gamPhiEig);
        w.Wert(p.gamCEig);
        w.Wert(p.gamGstbEig);
        w.Wert(p.gamGdstEig);
        w.Wert(p.gamHEig);
        w.Wert(p.gamQdstEig);
    });
    w.Satz(67, [&] {
        w.Wert(p.gamRhEig);
        w.Wert(p.kzWred);
        w.Wert(p.kzRered);
        w.Wert(p.EtaBettung);
        w.Wert(p.kzRered2);
        w.Wert(p.MitNormalkraft);
        w.Wert(p.kzHydGrBrEin);
    });
    if (w.Ende()) return;
    w.Satz(68, [&] { w.Wert(p.Herstellart); });
    if (w.Ende()) return;
    for (int i = 1; i <= nAnker(); ++i)
        w.Satz(69, [&] {
            for (int k = 1; k <= 5; ++k)
                w.Leer(int16_t{0});
        });
    if (w.Ende()) return;
    for (int lc = 1; lc <= nLF(); ++lc)
        w.Satz(70, [&] { w.Wert(p.NKopfLF[lc]); });
}

} // namespace zorm1
