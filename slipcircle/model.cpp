#include "slipcircle/model.h"

#include <string>

#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbnum.h"
#include "slipcircle/state.h"

using zorm1::P;

namespace Zormg {

namespace {

void Punkt(int nummer, float x, float z) {
    Zustand& s = Z();
    ++s.AnzPunkte;
    s.PunktNummer[s.AnzPunkte] = static_cast<int16_t>(nummer);
    s.PunktX[s.AnzPunkte] = x;
    s.PunktZ[s.AnzPunkte] = z;
}

bool ErdLastWirkt(int lc, int j) {
    const Daten& d = D();
    const int16_t c = d.GlErdLastNichtIn(lc, j, 0);
    for (int k = 1; k <= c; ++k)
        if (d.GlErdLastNichtIn(lc, j, k) == d.GkAushub) return false;
    return true;
}

bool LuftLastWirkt(int lc, int j) {
    const Daten& d = D();
    const int16_t c = d.GlLuftLastNichtIn(lc, j, 0);
    for (int k = 1; k <= c; ++k)
        if (d.GlLuftLastNichtIn(lc, j, k) == d.GkAushub) return false;
    return true;
}

[[noreturn]] void ZuGross(const std::string& was) {
    throw zor::CalcAbort("Das Gleitkreis-Modell der Eingabe \"wexasave.GL1\" hat zu viele " + was +
                         ". Die Gleitkreis-Berechnung wurde abgebrochen.");
}

} // namespace

int16_t ModellPruefen(int16_t lastfall) {
    const Daten& d = D();
    const Zustand& s = Z();
    const int n = d.GlAnzBoesch;
    const int m = d.GlAnzErd;
    const int lc = lastfall;
    const float sohlLasten = d.GlAushub[static_cast<size_t>(d.GkAushub)].AnzSohlLast;
    const int anzSohl = (sohlLasten >= -0.5f && sohlLasten <= 8.5f) ? vb::CInt(sohlLasten) : -1;
    if (anzSohl < 0) ZuGross("Sohllasten");
    int lasten = anzSohl;
    for (int j = 1; j <= d.GlAnzLastErd[lc]; ++j)
        if (ErdLastWirkt(lc, j)) ++lasten;
    for (int j = 1; j <= d.GlAnzLastLuft[lc]; ++j)
        if (LuftLastWirkt(lc, j)) ++lasten;
    if (1 + n + m > kMaxLinien) ZuGross("Linien");
    if (lasten > kMaxLasten || lasten + 1 > static_cast<int>(s.LastPunkt1.size())) ZuGross("Lasten");
    const bool schraeg = d.GlAushub[static_cast<size_t>(d.GkAushub)].StBH != 0.0f;
    const int punkte = 4 * m + 4 + 2 + (schraeg ? 3 : 0) + 3 * n + 2 + 2 * lasten;
    if (punkte > kMaxPunkte) ZuGross("Punkte");
    return static_cast<int16_t>(anzSohl);
}

void SystemAufbauen() {
    Daten& d = D();
    Zustand& s = Z();
    const int n = d.GlAnzBoesch;
    const int m = d.GlAnzErd;
    const int stufe = d.GkAushub;
    const int lc = d.Lastfall;
    const zorm1::Aushubstufe& tab = d.GlAushub[static_cast<size_t>(stufe)];

    const float zA = tab.zAush;
    const float zWL = tab.ZWasserLuft;
    const float x1 = tab.StBx1;
    const float x2 = tab.StBx2;
    const float H = tab.StBH;
    // The limits of the model before anything is built.
    const int anzSohl = ModellPruefen(d.Lastfall);

    // 1. Layer tops, k = 0..m-1, with the running depth capped at 99.
    s.AnzPunkte = 0;
    float Dk = 0.0f;
    for (int k = 0; k <= m - 1; ++k) {
        if (k > 0) {
            Dk += d.GlSchichtDicke[k];
            if (Dk > 99.0f) Dk = 99.0f;
        }
        Punkt(4 * k + 1, -99.0f, Dk);
        Punkt(4 * k + 2, -d.GkDWand, Dk);
        Punkt(4 * k + 3, 0.0f, Dk);
        Punkt(4 * k + 4, 99.0f, Dk);
    }
    std::vector<float> oberkante(static_cast<std::size_t>(m) + 1, 0.0f); // D_(k-1) per soil layer k
    {
        float t = 0.0f;
        for (int k = 1; k <= m; ++k) {
            oberkante[k] = t;
            t += d.GlSchichtDicke[k];
            if (t > 99.0f) t = 99.0f;
        }
    }

    // 2. Stage points, slopes, wall foot.
    const float zWE = d.GlZWasserErd[stufe];
    Punkt(51, -99.0f, zWL);
    Punkt(52, -d.GkDWand, zWL);
    Punkt(53, 0.0f, zWE);
    Punkt(54, 99.0f, zWE);
    Punkt(61, -99.0f, zA);
    Punkt(62, -d.GkDWand, zA);
    if (H != 0.0f) {
        Punkt(63, -99.0f, zA + H);
        Punkt(64, x2 - d.GkDWand, zA + H);
        Punkt(65, x1 - d.GkDWand, zA);
    }
    for (int i = 1; i <= n; ++i) {
        Punkt(71 + 2 * (i - 1), d.GlBoeschX1[i], d.GlBoeschZ1[i]);
        Punkt(72 + 2 * (i - 1), d.GlBoeschX2[i], d.GlBoeschZ2[i]);
        Punkt(200 + i, 99.0f, d.GlBoeschZ2[i]);
    }
    Punkt(98, -d.GkDWand, d.GkFussZ);
    Punkt(99, 0.0f, d.GkFussZ);

    // 3. Water line.
    d.WasserlinienText = "51 52 53 54";
    s.LinienText[0] = d.WasserlinienText;

    // 4. Ground surface.
    std::string linie1 = H != 0.0f ? "63 64 65 62 2" : "61 62 2";
    if (n == 0) {
        linie1 += " 3 4";
    } else {
        linie1 += " 3";
        for (int i = 1; i <= n; ++i)
            linie1 += " " + std::to_string(71 + 2 * (i - 1)) + " " + std::to_string(72 + 2 * (i - 1));
        linie1 += " " + std::to_string(200 + n);
    }
    s.LinienText[1] = linie1;
    const std::size_t nach2 = linie1.find(" 2") + 2; // line 1 after its first " 2"
    const std::string erdseite = linie1.substr(nach2);

    // 5. Wall outline continued along the ground; layer 1 is the wall.
    s.LinienText[2] = std::string("1 2") + (d.GkFussZ > 0.0f ? " 98 99" : "") + erdseite;
    s.AnzLinien = 1;
    s.GkSchichtGamma[1] = d.GkGamWand;
    s.GkSchichtGammaAuftrieb[1] = d.GkGamWandAuftrieb;
    s.GkSchichtPhi[1] = d.GkPhiWand;
    s.GkSchichtC[1] = d.GkCWand;

    // 6. Slope bodies, n down to 1.
    for (int i = n; i >= 1; --i) {
        ++s.AnzLinien;
        const std::string ende = " " + std::to_string(70 + 2 * i);
        const std::size_t pos = erdseite.find(ende + " ");
        const std::string teil = pos == std::string::npos ? erdseite : erdseite.substr(0, pos + ende.size());
        s.LinienText[s.AnzLinien] = "1 2 98 99" + teil + " " + std::to_string(200 + i);
        s.GkSchichtGamma[s.AnzLinien] = d.GlBoeschGamma[i];
        s.GkSchichtGammaAuftrieb[s.AnzLinien] = d.GlBoeschGamma[i] - 10.0f;
        s.GkSchichtPhi[s.AnzLinien] = d.GlBoeschPhi[i];
        s.GkSchichtC[s.AnzLinien] = 0.0f;
    }

    // 7. Soil layers.
    for (int k = 1; k <= m; ++k) {
        ++s.AnzLinien;
        const int b = 4 * (k - 1);
        s.LinienText[s.AnzLinien] = std::to_string(b + 1) + " " + std::to_string(b + 2) +
                                    (d.GkFussZ > oberkante[k] ? " 98 99" : "") + " " + std::to_string(b + 3) +
                                    " " + std::to_string(b + 4);
    }
    for (int k = m; k >= 1; --k) {
        const int l = s.AnzLinien - (m - k);
        s.GkSchichtGamma[l] = d.GlSchichtGamma[k];
        s.GkSchichtGammaAuftrieb[l] = d.GlSchichtGammaAuftrieb[k];
        s.GkSchichtPhi[l] = d.GlSchichtPhi[k];
        s.GkSchichtC[l] = d.GlSchichtC[k];
    }

    // 8. Loads of the load case.
    P.AnzSohlLast = static_cast<int16_t>(anzSohl);
    P.StBH = H;
    for (int j = 1; j <= anzSohl; ++j) {
        d.GkSohlLastX1[j] = tab.SohlLastX1[static_cast<size_t>(j)];
        d.GkSohlLastX2[j] = tab.SohlLastX2[static_cast<size_t>(j)];
        d.GkSohlLastQ[j] = tab.SohlLastQ[static_cast<size_t>(j)];
        d.GkSohlLastZ[j] = tab.SohlLastZ[static_cast<size_t>(j)];
    }
    int last = 0;
    auto neueLast = [&](float xa, float za, float xe, float ze) {
        ++last;
        s.LastPunkt1[last] = static_cast<int16_t>(299 + 2 * last);
        s.LastPunkt2[last] = static_cast<int16_t>(300 + 2 * last);
        Punkt(299 + 2 * last, xa, za);
        Punkt(300 + 2 * last, xe, ze);
    };
    for (int j = 1; j <= d.GlAnzLastErd[lc]; ++j) {
        if (!ErdLastWirkt(lc, j)) continue;
        neueLast(d.GlErdLastXA(lc, j), d.GlErdLastZ(lc, j), d.GlErdLastXE(lc, j), d.GlErdLastZ(lc, j));
        s.VLastA[last] = s.VLastE[last] = d.GlErdLastPv(lc, j);
        s.HLastA[last] = s.HLastE[last] = -d.GlErdLastPh(lc, j);
        const float dauer = d.GlErdLastDauer(lc, j);
        s.LastStaendig[last] = (dauer > -32768.5f && dauer < 32767.5f) ? vb::CInt(dauer) : int16_t{0};
    }
    for (int j = 1; j <= d.GlAnzLastLuft[lc]; ++j) {
        if (!LuftLastWirkt(lc, j)) continue;
        const float zL = d.GlLuftLastZ(lc, j);
        neueLast(-d.GkDWand, zL, -d.GkDWand, zL + 0.2f);
        s.HLastA[last] = s.HLastE[last] = d.GlLuftLastH(lc, j) / 0.2f;
        s.VLastA[last] = s.VLastE[last] = 0.0f;
        s.LastStaendig[last] = 0;
    }
    for (int j = 1; j <= anzSohl; ++j) {
        neueLast(d.GkSohlLastX2[j], d.GkSohlLastZ[j], d.GkSohlLastX1[j], d.GkSohlLastZ[j]);
        s.VLastA[last] = s.VLastE[last] = d.GkSohlLastQ[j];
        s.HLastA[last] = s.HLastE[last] = 0.0f;
        s.LastStaendig[last] = 100;
    }
    d.AnzGkLasten = static_cast<int16_t>(last);

    // 9. Points within the model limits.
    for (int i = 1; i <= s.AnzPunkte; ++i) {
        if (s.PunktX[i] < -99.0f) s.PunktX[i] = -99.0f;
        if (s.PunktX[i] > 99.0f) s.PunktX[i] = 99.0f;
    }

    // 10. Default centre field and run-out angles.
    d.FeldXAnfang = -6.0f;
    d.FeldXEnde = 0.0f;
    d.FeldZAnfang = -6.0f;
    d.FeldZEnde = 0.0f;
    d.FeldTeileX = 15;
    d.FeldTeileZ = 15;
    d.FeldVerschieben = 1;
    d.AuslaufwinkelLuft = 30.0f;
    d.AuslaufwinkelErde = 85.0f;
    P.DatenGelesen = -1;
}

} // namespace Zormg
