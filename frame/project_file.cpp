#include "frame/project_file.h"

// The comments "// 1" to "// 70" number the statements of the file in their order; the writer and the reader
// follow the same order, statement by statement.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "frame/messages.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"

using zorm1::P;
using zorm1::ProjectData;

namespace zorm1 {

namespace {

// ------------------------------------------------------------------------------------------------ writing

// A single as the file holds it: the short form of Str where it reads back to the same value, else the
// shortest decimal form that does (so every value survives a save and a re-read unchanged). A value that is
// not a number is written as 0, so that the file stays readable. Both forms ignore the C library's locale.
std::string ZahlText(float v) {
    if (!std::isfinite(v)) return "0";
    std::string s = vb::StrPlain(v);
    if (vb::ValSingle(s) == v) return s;
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    s.assign(buf, ec == std::errc() ? end : buf);
    for (char& c : s)
        if (c == 'e') c = 'E';
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
    return s;
}

// A text item in quotes. A double quote or a line break inside would break the file; they become an
// apostrophe and a blank.
std::string TextItem(const std::string& s) {
    std::string t = s;
    for (char& c : t) {
        if (c == '"') c = '\'';
        if (c == '\r' || c == '\n') c = ' ';
    }
    return "\"" + t + "\"";
}

// One statement line, built item by item.
class Zeile {
public:
    Zeile& operator<<(float v) { return add(ZahlText(v)); }
    Zeile& operator<<(int16_t v) { return add(std::to_string(v)); }
    Zeile& operator<<(int v) { return add(std::to_string(v)); }
    Zeile& operator<<(const std::string& s) { return add(TextItem(s)); }
    const std::string& text() const { return s_; }

private:
    Zeile& add(const std::string& item) {
        if (!first_) s_ += ',';
        first_ = false;
        s_ += item;
        return *this;
    }
    std::string s_;
    bool first_ = true;
};

// Loop bound of a list when writing: the count, kept inside the list's capacity, so that the file never holds
// more entries than a reader can take. The count written is the same bound.
int16_t Bis(int16_t n, int max) {
    return static_cast<int16_t>(std::clamp<int>(n, 0, max));
}

// A row count kept as a float (EahGeg(s, 0), EphGeg(s, 0)) as an integer.
int16_t Zeilenzahl(float v) {
    if (!std::isfinite(v) || v < -32768.5f || v >= 32767.5f) return 0;
    return vb::CInt(v);
}

void SchreibeAlles(int16_t fn) {
    auto put = [fn](const Zeile& z) { vb::Print(fn, z.text()); };
    auto& p = P;

    const int16_t nBoesch = Bis(p.AnzBoesch, MaxBoeschungen);
    const int16_t nErd = Bis(p.AnzErd, MaxSchichtenDatei);
    const int16_t nAush = Bis(p.AnzAush, MaxAushub);
    const int16_t nAnker = Bis(p.AnzAnkerGesamt, MaxAnkerlagen);
    const int16_t nLF = Bis(p.AnzLF, MaxLastfaelle);
    auto nLuft = [&](int lc) { return Bis(p.AnzLastLuftLF[lc], MaxLastenJeLF); };
    auto nErdL = [&](int lc) { return Bis(p.AnzLastErdLF[lc], MaxLastenJeLF); };

    // 1
    put(Zeile() << nBoesch);
    // 2
    for (int i = 1; i <= nBoesch; ++i)
        put(Zeile() << p.BoeschX1[i] << p.BoeschX2[i] << p.BoeschZ1[i] << p.BoeschZ2[i] << p.BoeschGamma[i]
                    << p.BoeschPhi[i]);
    // 3
    put(Zeile() << p.Wandart << p.WandKopf << p.Erddruckart << p.KonzFaktor << p.Etap << p.BeiwerteGegeben
                << p.WandreibungStufen << p.BBohl << p.ABohl << nErd << p.RuheProz << p.EntlastFaktor
                << p.AnkerLaengen);
    // 4
    put(Zeile() << p.ProjBez << p.ProjNr << p.PosName << p.GanzerNameOhneExt << p.Datum);
    // 5
    for (int i = 1; i <= nErd; ++i) {
        if (p.EtaGlobal < 1.0f) p.EtaGlobal = 1.5f;
        put(Zeile() << p.SchichtDicke[i] << p.SchichtPhi[i] << p.SchichtDeltaA[i] << p.SchichtDeltaP[i]
                    << p.SchichtCa[i] << p.SchichtCp[i] << p.EtaGlobal << p.SchichtGamma[i]
                    << p.SchichtGammaAuftrieb[i] << p.SchichtEI[i] << p.SchichtGammaAush[i]
                    << p.SchichtGammaAuftriebAush[i] << 0.0f);
    }
    // 6
    put(Zeile() << nAush);
    // 7
    for (int s = 1; s <= nAush; ++s) {
        const AushubSpalte spalte = AushubAlsSpalte(p.Aushubstufen[static_cast<size_t>(s)]);
        for (int r = 1; r <= AushubZeilen; ++r)
            put(Zeile() << spalte[static_cast<size_t>(r)]);
    }
    // 8
    put(Zeile() << p.AnkerLaengen << p.EtaGl << nAnker);
    // 9
    if (p.AnkerLaengen == 1)
        for (int i = 1; i <= nAnker; ++i)
            put(Zeile() << p.AnkerNeigungGrad[i] << p.AnkerLmin[i] << p.AnkerLmax[i]);
    // 10
    put(Zeile() << nLF);
    for (int lc = 1; lc <= nLF; ++lc) {
        // 11
        put(Zeile() << nLuft(lc) << nErdL(lc));
        // 12
        for (int j = 1; j <= nLuft(lc); ++j)
            put(Zeile() << p.LuftLastH(lc, j) << p.LuftLastM(lc, j) << p.LuftLastZ(lc, j));
        // 13
        for (int j = 1; j <= nErdL(lc); ++j)
            put(Zeile() << p.ErdLastPv(lc, j) << p.ErdLastXA(lc, j) << p.ErdLastXE(lc, j)
                        << p.ErdLastZ(lc, j));
    }
    // 14
    put(Zeile() << p.DeltaZF << p.MinEah);
    // 15
    put(Zeile() << p.VerteilungAktiv);
    // 16
    for (int i = 1; i <= nAnker; ++i)
        put(Zeile() << p.ZAuflager[i]);
    // 17
    for (int s = 1; s <= nAush; ++s)
        put(Zeile() << p.ZWasserErdAush[s]);
    // 18
    put(Zeile() << p.BettungPruefen << p.AllgAngaben << p.GelaendebruchEin << p.UntergrundGuenstig);
    // 19
    for (int s = 1; s <= nAush; ++s)
        put(Zeile() << p.AushubWert19[s]);
    // 20
    for (int lc = 1; lc <= nLF; ++lc)
        for (int j = 1; j <= nErdL(lc); ++j)
            put(Zeile() << p.ErdLastDauer(lc, j));
    // 21
    for (int s = 1; s <= nAush; ++s) {
        const int16_t n = Bis(p.AnzFigur6Aush[s], 15);
        put(Zeile() << n << p.Ze1Fig6Aush[s] << p.UmZeit[s] << p.UmArt[s] << p.kzUeb[s] << p.EpsFuss6Aush[s]);
        // 22
        for (int k = 1; k <= n; ++k)
            put(Zeile() << p.Fig6Verh(s, k) << p.Fig6Z(s, k));
    }
    // 23
    for (int i = 1; i <= nErd; ++i)
        put(Zeile() << p.SchichtKpghVorgabe[i]);
    // 24
    put(Zeile() << p.KoteOKWand);
    // 25, 26
    for (int lc = 1; lc <= nLF; ++lc)
        for (int j = 1; j <= nErdL(lc); ++j) {
            const int16_t n = Bis(p.ErdLastNichtIn(lc, j, 0), 8);
            // The stages in which a load does not act are kept in ascending order.
            for (int a = 1; a <= n - 1; ++a)
                for (int b = a + 1; b <= n; ++b)
                    if (p.ErdLastNichtIn(lc, j, b) < p.ErdLastNichtIn(lc, j, a))
                        std::swap(p.ErdLastNichtIn(lc, j, a), p.ErdLastNichtIn(lc, j, b));
            put(Zeile() << n);
            for (int k = 1; k <= n; ++k)
                put(Zeile() << p.ErdLastNichtIn(lc, j, k));
        }
    // 27, 28
    for (int lc = 1; lc <= nLF; ++lc)
        for (int j = 1; j <= nLuft(lc); ++j) {
            const int16_t n = Bis(p.LuftLastNichtIn(lc, j, 0), 8);
            put(Zeile() << n);
            for (int k = 1; k <= n; ++k)
                put(Zeile() << p.LuftLastNichtIn(lc, j, k));
        }
    // 29
    put(Zeile() << p.PhiCaq << p.zMGelenk);
    // 30
    for (int i = 1; i <= nAnker; ++i)
        put(Zeile() << p.AnkerNeigungGrad[i]);
    // 31
    for (int s = 1; s <= nAush; ++s) {
        const int16_t n = Bis(p.BettAnz[s], 20);
        put(Zeile() << p.FussGebettet[s] << n);
        // 32
        for (int k = 1; k <= n; ++k)
            put(Zeile() << p.BettT(s, k) << p.BettC(s, k));
    }
    // 33
    for (int i = 5; i <= 10; ++i)
        put(Zeile() << p.Kommentar[i]);
    // 34
    put(Zeile() << p.TeilsicherheitenAn << p.Bemessungssituation << p.EtaAnpass);
    // 35
    put(Zeile() << p.Satz35Wert1 << p.Satz35Wert2 << p.AsMmin << p.EBreiteN << p.AsQmin << p.CotThetaWahl);
    // 36
    for (int i = 1; i <= 11; ++i)
        put(Zeile() << 0);
    // 37
    for (int lc = 1; lc <= nLF; ++lc)
        for (int j = 1; j <= nErdL(lc); ++j)
            put(Zeile() << p.ErdLastPh(lc, j));
    if (p.Massstab == 0.0f) p.Massstab = 200.0f;
    // 38
    put(Zeile() << p.BBFuss << p.ZBFuss << p.DWand << p.GamWand << p.GrafikRandOU << p.GrafikRandLR
                << p.Massstab);
    // 39
    for (int s = 1; s <= nAush; ++s) {
        p.AnzPunkte1 = Bis(Zeilenzahl(p.EahGeg(s, 0)), 15);
        p.AnzPunkte2 = Bis(Zeilenzahl(p.EphGeg(s, 0)), 15);
        put(Zeile() << p.AnzPunkte1 << p.AnzPunkte2);
        // 40
        for (int k = 1; k <= p.AnzPunkte1; ++k)
            put(Zeile() << p.ZEahGeg(s, k) << p.EahGeg(s, k));
        // 41
        for (int k = 1; k <= p.AnzPunkte2; ++k)
            put(Zeile() << p.TEphGeg(s, k) << p.EphGeg(s, k));
    }
    // 42
    for (int i = 1; i <= nErd; ++i)
        put(Zeile() << p.SchichtKaghVorgabe[i] << p.SchichtKachVorgabe[i] << p.SchichtKpchVorgabe[i]
                    << p.SchichtKpghVorgabe[i]);
    // 43
    for (int i = 1; i <= nErd; ++i)
        put(Zeile() << p.SchichtDeltaANeu[i] << p.SchichtDeltaPNeu[i]);
    // 44
    for (int k = 1; k <= 12; ++k)
        put(Zeile() << p.DeltaNeuAushub[k]);
    // 45
    put(Zeile() << 0 << 0 << 0);
    // 46
    for (int s = 1; s <= nAush; ++s)
        put(Zeile() << p.kzWasserenthAush[s]);
    // 47
    for (int lc = 1; lc <= nLF; ++lc)
        for (int j = 1; j <= nErdL(lc); ++j)
            put(Zeile() << p.ErdLastRuheProz(lc, j) << p.ErdLastRuheFaktor(lc, j));
    const int16_t nPaare = Bis(p.AnzAnkerStufenPaare, 15);
    // 48
    put(Zeile() << nPaare);
    // 49
    for (int k = 1; k <= nPaare; ++k)
        put(Zeile() << p.EtaAbwAushub[k] << p.EtaAbwWert[k]);

    // The header texts written are those of "zorH504.txt" where it exists.
    Anzeigen::H504DateiLesen();
    const Anzeigen::Heft504Texte& h = Anzeigen::H504.Dialog;
    // 50
    put(Zeile() << h.txtVerfasser);
    // 51
    put(Zeile() << h.txtVerfasser2);
    // 52
    put(Zeile() << h.txtBauwerk);
    // 53
    put(Zeile() << h.txtDatum);
    // 54
    put(Zeile() << h.txtBauteil);
    // 55
    put(Zeile() << h.txtBlock);
    // 56
    put(Zeile() << p.SeitenVorsatz);
    // 57
    put(Zeile() << h.txtVorgang);
    // 58
    put(Zeile() << p.StartSeite);
    // 59
    put(Zeile() << h.txtAsbNr);
    // 60
    put(Zeile() << p.ProfilName);
    // 61
    put(Zeile() << p.ProfilText);
    // 62
    put(Zeile() << p.TiefeMittelpunkte << p.BemessungEin << p.Wandtyp << p.StahlNachEAU << p.StahlGuete
                << p.EtaBSt500 << p.BetonKlasse << p.EBreiteM << p.d1Rand << p.kzStroemEin);
    // 63
    put(Zeile() << p.BPfDUeb << p.BPfD << p.BPfAbstand << p.ZulSigma << p.ZulTau << p.StahlStaebe
                << p.AnkerStahlFliess << p.AnkerStahlStreck << p.xNull << p.zNull);
    // 64
    for (int i = 1; i <= nAnker; ++i)
        put(Zeile() << p.AnkerAbstand[i]);
    // 65
    put(Zeile() << p.gamGEig << p.gamE0gEig << p.gamQEig << p.gamReEig << p.gamG1CEig << p.gamQ1CEig);
    // 66
    put(Zeile() << p.gamPhiEig << p.gamCEig << p.gamGstbEig << p.gamGdstEig << p.gamHEig << p.gamQdstEig);
    // 67
    put(Zeile() << p.gamRhEig << p.kzWred << p.kzRered << p.EtaBettung << p.kzRered2 << p.MitNormalkraft
                << p.kzHydGrBrEin);
    // 68
    put(Zeile() << p.Herstellart);
    // 69
    for (int i = 1; i <= nAnker; ++i)
        put(Zeile() << 0 << 0 << 0 << 0 << 0);
    // 70
    for (int lc = 1; lc <= nLF; ++lc)
        put(Zeile() << p.NKopfLF[lc]);
}

// ------------------------------------------------------------------------------------------------ reading

struct Leser {
    int16_t fn;
    bool h504Gelesen = false; // statements 50..61 have been read

    void I(int16_t& v) { vb::InputItem(fn, v); }
    void S(float& v) { vb::InputItem(fn, v); }
    void T(std::string& v) { vb::InputItem(fn, v); }
    void Verwerfen() {
        float dummy = 0.0f;
        vb::InputItem(fn, dummy);
    }
    // A count read from the file must fit the arrays it fills.
    void Anzahl(int16_t& n, int max) {
        I(n);
        if (n < 0 || n > max) throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");
    }
    bool Ende() { return vb::Eof(fn); }

    // Returns when the file has been read up to its end or up to a point where it may end.
    void Lesen() {
        auto& p = P;
        // 1
        Anzahl(p.AnzBoesch, MaxBoeschungen);
        // 2
        for (int i = 1; i <= p.AnzBoesch; ++i) {
            S(p.BoeschX1[i]);
            S(p.BoeschX2[i]);
            S(p.BoeschZ1[i]);
            S(p.BoeschZ2[i]);
            S(p.BoeschGamma[i]);
            S(p.BoeschPhi[i]);
        }
        // 3
        I(p.Wandart);
        I(p.WandKopf);
        I(p.Erddruckart);
        I(p.KonzFaktor);
        S(p.Etap);
        I(p.BeiwerteGegeben);
        I(p.WandreibungStufen);
        S(p.BBohl);
        S(p.ABohl);
        Anzahl(p.AnzErd, MaxSchichtenDatei);
        S(p.RuheProz);
        S(p.EntlastFaktor);
        I(p.AnkerLaengen);
        if (p.WandreibungStufen > 1) p.WandreibungStufen = 0;
        // 4
        T(p.ProjBez);
        T(p.ProjNr);
        T(p.PosName);
        T(p.GanzerNameOhneExt);
        T(p.Datum);
        // 5
        for (int i = 1; i <= p.AnzErd; ++i) {
            S(p.SchichtDicke[i]);
            S(p.SchichtPhi[i]);
            S(p.SchichtDeltaA[i]);
            S(p.SchichtDeltaP[i]);
            S(p.SchichtCa[i]);
            S(p.SchichtCp[i]);
            S(p.EtaGlobal);
            S(p.SchichtGamma[i]);
            S(p.SchichtGammaAuftrieb[i]);
            S(p.SchichtEI[i]);
            S(p.SchichtGammaAush[i]);
            S(p.SchichtGammaAuftriebAush[i]);
            Verwerfen();
            if (p.SchichtGammaAush[i] == 0.0f) p.SchichtGammaAush[i] = p.SchichtGamma[i];
            if (p.SchichtGammaAuftriebAush[i] == 0.0f)
                p.SchichtGammaAuftriebAush[i] = p.SchichtGammaAuftrieb[i];
        }
        // 6
        Anzahl(p.AnzAush, MaxAushub);
        // 7
        for (int s = 1; s <= p.AnzAush; ++s) {
            AushubSpalte spalte{};
            for (int r = 1; r <= AushubZeilen; ++r)
                S(spalte[static_cast<size_t>(r)]);
            Aushubstufe& t = p.Aushubstufen[static_cast<size_t>(s)];
            t = AushubAusSpalte(spalte);
            // A searched foot (free earth support) is stored just below the excavation level.
            if (t.Wandfuss == 1.0f) t.ZWandfuss = t.zAush + 0.01f;
        }
        // 8
        I(p.AnkerLaengen);
        S(p.EtaGl);
        Anzahl(p.AnzAnkerGesamt, MaxAnkerlagen);
        // 9
        if (p.AnkerLaengen == 1)
            for (int i = 1; i <= p.AnzAnkerGesamt; ++i) {
                S(p.AnkerNeigungGrad[i]);
                S(p.AnkerLmin[i]);
                S(p.AnkerLmax[i]);
            }
        // 10
        Anzahl(p.AnzLF, MaxLastfaelle);
        for (int lc = 1; lc <= p.AnzLF; ++lc) {
            // 11
            Anzahl(p.AnzLastLuftLF[lc], MaxLastenJeLF);
            Anzahl(p.AnzLastErdLF[lc], MaxLastenJeLF);
            // 12
            for (int j = 1; j <= p.AnzLastLuftLF[lc]; ++j) {
                S(p.LuftLastH(lc, j));
                S(p.LuftLastM(lc, j));
                S(p.LuftLastZ(lc, j));
            }
            // 13
            for (int j = 1; j <= p.AnzLastErdLF[lc]; ++j) {
                S(p.ErdLastPv(lc, j));
                S(p.ErdLastXA(lc, j));
                S(p.ErdLastXE(lc, j));
                S(p.ErdLastZ(lc, j));
            }
        }
        // 14
        S(p.DeltaZF);
        S(p.MinEah);

        // 15
        if (Ende()) return;
        I(p.VerteilungAktiv);
        // 16
        if (Ende()) return;
        for (int i = 1; i <= p.AnzAnkerGesamt; ++i)
            S(p.ZAuflager[i]);
        // 17
        if (Ende()) return;
        for (int s = 1; s <= p.AnzAush; ++s)
            S(p.ZWasserErdAush[s]);
        // 18
        if (Ende()) return;
        I(p.BettungPruefen);
        I(p.AllgAngaben);
        I(p.GelaendebruchEin);
        I(p.UntergrundGuenstig);
        if (p.UntergrundGuenstig != 0) p.UntergrundGuenstig = 1;
        // A friction limit stored as one radian (a file written inside a run) means: not set.
        if (static_cast<float>(p.GradZuRad * p.PhiCaq) == 1.0f) p.PhiCaq = 0.0f;
        // 19
        if (Ende()) return;
        for (int s = 1; s <= p.AnzAush; ++s)
            S(p.AushubWert19[s]);
        // 20
        if (Ende()) return;
        for (int lc = 1; lc <= p.AnzLF; ++lc)
            for (int j = 1; j <= p.AnzLastErdLF[lc]; ++j)
                S(p.ErdLastDauer(lc, j));
        // 21
        if (Ende()) return;
        for (int s = 1; s <= p.AnzAush; ++s) {
            Anzahl(p.AnzFigur6Aush[s], 15);
            S(p.Ze1Fig6Aush[s]);
            I(p.UmZeit[s]);
            I(p.UmArt[s]);
            I(p.kzUeb[s]);
            S(p.EpsFuss6Aush[s]);
            // 22
            for (int k = 1; k <= p.AnzFigur6Aush[s]; ++k) {
                S(p.Fig6Verh(s, k));
                S(p.Fig6Z(s, k));
            }
        }
        // 23
        if (Ende()) return;
        for (int i = 1; i <= p.AnzErd; ++i)
            S(p.SchichtKpghVorgabe[i]);
        // 24
        if (Ende()) return;
        S(p.KoteOKWand);
        // 25, 26
        if (Ende()) return;
        for (int lc = 1; lc <= p.AnzLF; ++lc)
            for (int j = 1; j <= p.AnzLastErdLF[lc]; ++j) {
                Anzahl(p.ErdLastNichtIn(lc, j, 0), 8);
                for (int k = 1; k <= p.ErdLastNichtIn(lc, j, 0); ++k)
                    I(p.ErdLastNichtIn(lc, j, k));
            }
        // 27, 28
        for (int lc = 1; lc <= p.AnzLF; ++lc)
            for (int j = 1; j <= p.AnzLastLuftLF[lc]; ++j) {
                Anzahl(p.LuftLastNichtIn(lc, j, 0), 8);
                for (int k = 1; k <= p.LuftLastNichtIn(lc, j, 0); ++k)
                    I(p.LuftLastNichtIn(lc, j, k));
            }
        // 29
        if (Ende()) return;
        S(p.PhiCaq);
        S(p.zMGelenk);
        // 30
        if (Ende()) return;
        for (int i = 1; i <= p.AnzAnkerGesamt; ++i)
            S(p.AnkerNeigungGrad[i]);
        // 31
        if (Ende()) return;
        for (int s = 1; s <= p.AnzAush; ++s) {
            I(p.FussGebettet[s]);
            Anzahl(p.BettAnz[s], 20);
            // 32
            for (int k = 1; k <= p.BettAnz[s]; ++k) {
                S(p.BettT(s, k));
                S(p.BettC(s, k));
            }
        }
        // 33
        if (Ende()) return;
        for (int i = 5; i <= 10; ++i)
            T(p.Kommentar[i]);
        // 34
        if (Ende()) return;
        I(p.TeilsicherheitenAn);
        I(p.Bemessungssituation);
        S(p.EtaAnpass);
        // 35
        S(p.Satz35Wert1);
        S(p.Satz35Wert2);
        S(p.AsMmin);
        S(p.EBreiteN);
        S(p.AsQmin);
        I(p.CotThetaWahl);
        if (p.Satz35Wert1 <= 0.0f) {
            p.Satz35Wert1 = 100.0f;
            p.Satz35Wert2 = 10.0f;
        }
        if (p.TeilsicherheitenAn == 0) p.EtaGlobal = p.Etap;
        if (p.Bemessungssituation > 23 || p.Bemessungssituation < 0) p.Bemessungssituation = 2;
        // 36
        for (int i = 1; i <= 11; ++i) {
            int16_t null = 0;
            I(null);
        }
        // 37
        if (Ende()) return;
        for (int lc = 1; lc <= p.AnzLF; ++lc)
            for (int j = 1; j <= p.AnzLastErdLF[lc]; ++j)
                S(p.ErdLastPh(lc, j));
        // 38
        if (Ende()) return;
        S(p.BBFuss);
        S(p.ZBFuss);
        S(p.DWand);
        S(p.GamWand);
        I(p.GrafikRandOU);
        I(p.GrafikRandLR);
        S(p.Massstab);
        // 39
        if (Ende()) return;
        for (int s = 1; s <= p.AnzAush; ++s) {
            Anzahl(p.AnzPunkte1, 15);
            Anzahl(p.AnzPunkte2, 15);
            p.EahGeg(s, 0) = p.AnzPunkte1;
            p.EphGeg(s, 0) = p.AnzPunkte2;
            // 40
            for (int k = 1; k <= p.AnzPunkte1; ++k) {
                S(p.ZEahGeg(s, k));
                S(p.EahGeg(s, k));
            }
            // 41
            for (int k = 1; k <= p.AnzPunkte2; ++k) {
                S(p.TEphGeg(s, k));
                S(p.EphGeg(s, k));
            }
        }
        // 42
        if (Ende()) return;
        for (int i = 1; i <= p.AnzErd; ++i) {
            S(p.SchichtKaghVorgabe[i]);
            S(p.SchichtKachVorgabe[i]);
            S(p.SchichtKpchVorgabe[i]);
            S(p.SchichtKpghVorgabe[i]);
        }
        // 43
        if (Ende()) return;
        for (int i = 1; i <= p.AnzErd; ++i) {
            S(p.SchichtDeltaANeu[i]);
            S(p.SchichtDeltaPNeu[i]);
        }
        // 44
        if (Ende()) return;
        for (int k = 1; k <= 12; ++k)
            I(p.DeltaNeuAushub[k]);
        // 45
        for (int i = 1; i <= 3; ++i) {
            int16_t null = 0;
            I(null);
        }
        // 46
        if (Ende()) return;
        for (int s = 1; s <= p.AnzAush; ++s)
            I(p.kzWasserenthAush[s]);
        // 47
        if (Ende()) return;
        for (int lc = 1; lc <= p.AnzLF; ++lc)
            for (int j = 1; j <= p.AnzLastErdLF[lc]; ++j) {
                I(p.ErdLastRuheProz(lc, j));
                S(p.ErdLastRuheFaktor(lc, j));
            }
        // 48
        if (Ende()) return;
        Anzahl(p.AnzAnkerStufenPaare, 15);
        // 49
        for (int k = 1; k <= p.AnzAnkerStufenPaare; ++k) {
            S(p.EtaAbwAushub[k]);
            S(p.EtaAbwWert[k]);
        }
        // 50
        if (Ende()) return;
        Anzeigen::Heft504Texte& h = Anzeigen::Heft504();
        T(h.txtVerfasser);
        // 51
        T(h.txtVerfasser2);
        // 52
        T(h.txtBauwerk);
        // 53
        T(h.txtDatum);
        // 54
        T(h.txtBauteil);
        // 55
        T(h.txtBlock);
        // 56
        T(p.SeitenVorsatz);
        Anzeigen::H504.txtVorsatz = p.SeitenVorsatz;
        // 57
        T(h.txtVorgang);
        // 58
        std::string startSeite;
        T(startSeite);
        Anzeigen::H504.txtStartSeite = startSeite;
        p.StartSeite = vb::CInt(vb::Val(startSeite));
        p.SeitenNr = p.StartSeite;
        // 59
        T(h.txtAsbNr);
        // 60
        T(p.ProfilName);
        // 61
        T(p.ProfilText);
        h504Gelesen = true;
        // 62
        if (Ende()) return;
        I(p.TiefeMittelpunkte);
        I(p.BemessungEin);
        I(p.Wandtyp);
        I(p.StahlNachEAU);
        I(p.StahlGuete);
        S(p.EtaBSt500);
        S(p.BetonKlasse);
        S(p.EBreiteM);
        S(p.d1Rand);
        I(p.kzStroemEin);
        // 63
        if (Ende()) return;
        S(p.BPfDUeb);
        S(p.BPfD);
        S(p.BPfAbstand);
        S(p.ZulSigma);
        S(p.ZulTau);
        I(p.StahlStaebe);
        S(p.AnkerStahlFliess);
        S(p.AnkerStahlStreck);
        S(p.xNull);
        S(p.zNull);
        // 64
        if (Ende()) return;
        for (int i = 1; i <= p.AnzAnkerGesamt; ++i)
            S(p.AnkerAbstand[i]);
        // 65
        if (Ende()) return;
        S(p.gamGEig);
        S(p.gamE0gEig);
        S(p.gamQEig);
        S(p.gamReEig);
        S(p.gamG1CEig);
        S(p.gamQ1CEig);
        // 66
        S(p.gamPhiEig);
        S(p.gamCEig);
        S(p.gamGstbEig);
        S(p.gamGdstEig);
        S(p.gamHEig);
        S(p.gamQdstEig);
        // 67
        S(p.gamRhEig);
        I(p.kzWred);
        I(p.kzRered);
        I(p.EtaBettung);
        I(p.kzRered2);
        I(p.MitNormalkraft);
        I(p.kzHydGrBrEin);
        // 68
        if (Ende()) return;
        T(p.Herstellart);
        // 69
        if (Ende()) return;
        for (int i = 1; i <= p.AnzAnkerGesamt; ++i)
            for (int k = 1; k <= 5; ++k) {
                int16_t null = 0;
                I(null);
            }
        // 70
        if (Ende()) return;
        for (int lc = 1; lc <= p.AnzLF; ++lc)
            S(p.NKopfLF[lc]);
    }
};

} // namespace

namespace {
bool Schreiben(const std::string& dateiName, bool arbeitskopie) {
    try {
        const auto schreiben = arbeitskopie ? vb::ReplaceWorkingFile : vb::SaveReplacing;
        schreiben(dateiName, [](const std::string& temp) {
            vb::FileGuard d(temp, vb::OpenMode::Output);
            SchreibeAlles(d.nr());
            d.Close();
        });
    } catch (const std::exception& e) {
        const auto* rt = dynamic_cast<const vb::RuntimeError*>(&e);
        const std::string fehler = rt ? " (Fehler " + std::to_string(rt->number()) + ")" : "";
        zor::Melden("Die Datei   " + dateiName + "   konnte nicht gespeichert werden" + fehler +
                        " !\r\rDie bisherige Datei bleibt unverändert.",
                    vb::vbOKOnly | vb::vbExclamation, "Speichern nicht möglich");
        return false;
    } catch (...) {
        zor::Melden("Die Datei   " + dateiName +
                        "   konnte nicht gespeichert werden !\r\rDie bisherige Datei bleibt unverändert.",
                    vb::vbOKOnly | vb::vbExclamation, "Speichern nicht möglich");
        return false;
    }
    return true;
}
} // namespace

bool EingabeSchreiben(const std::string& dateiName) {
    return Schreiben(dateiName, false);
}

bool ArbeitskopieSchreiben(const std::string& dateiName) {
    return Schreiben(dateiName, true);
}

bool EingabeLesen(const std::string& dateiName) {
    // Everything the reader may change, so that a failed read leaves no mixture of two projects.
    const ProjectData vorher = P;
    const Anzeigen::Heft504Daten h504Vorher = Anzeigen::H504;

    bool ok = false;
    bool h504Gelesen = false;
    try {
        vb::FileGuard d(dateiName, vb::OpenMode::Input);
        Leser leser{d.nr()};
        leser.Lesen();
        d.Close();
        h504Gelesen = leser.h504Gelesen;
        ok = true;
    } catch (...) {
        ok = false;
    }

    if (ok) {
        P.DatenGelesen = -1;
        // The project's header texts become the current ones.
        if (h504Gelesen) Anzeigen::H504DateiSchreiben();
        return true;
    }

    P = vorher;
    Anzeigen::H504 = h504Vorher;
    zor::Signalton();
    zor::Melden("Die Datei   " + dateiName + "   ist keine Eingabe-Datei für  Z O R  !\r\r", vb::vbOKOnly,
                "Falsche Datei");
    return false;
}

} // namespace zorm1
