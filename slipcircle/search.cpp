#include "slipcircle/search.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "earthpressure/number_lists.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "slipcircle/circle_safety.h"
#include "slipcircle/input.h"
#include "slipcircle/lines.h"
#include "slipcircle/state.h"

using zorm1::P;

namespace Zormg {

namespace {

constexpr int kVerschiebungenMax = 10;

bool SucheEnde() {
    Daten& d = D();
    if (d.AbbruchGewuenscht && d.Abbruch == 0) d.Abbruch = 3;
    return d.Abbruch > 0;
}

void Mittelpunkt(float x, float zz) {
    Daten& d = D();
    d.xM = x;
    d.zM = zz;
    RadiusIteration();
}

// The minima of a search start anew, and no circle of an earlier search stays the critical one.
void SucheBeginnen(Daten& d) {
    d.etaMin = kKeinKreis;
    d.etaMinRing = kStartMinimum;
    d.etaMinMP = kStartMinimum;
    d.eta = kStartMinimum;
    d.xMKrit = d.zMKrit = d.RKrit = 0.0f;
    d.KritPunktzahl = 0;
    d.KritLinieX.assign(1, 0.0f);
    d.KritLinieZ.assign(1, 0.0f);
}

// Steps 12 to 18: grid and rings; false when the search was stopped.
void Suche() {
    Daten& d = D();
    SucheBeginnen(d);

    if (std::fabs(d.FeldXEnde - d.FeldXAnfang) <= 0.01f) d.FeldTeileX = 0;
    if (std::fabs(d.FeldZEnde - d.FeldZAnfang) <= 0.01f) d.FeldTeileZ = 0;
    float dx = 0.0f, dz = 0.0f;
    if (d.FeldTeileX > 0)
        dx = (d.FeldXEnde - d.FeldXAnfang) / d.FeldTeileX;
    else
        d.FeldTeileX = 0;
    if (d.FeldTeileZ > 0)
        dz = (d.FeldZEnde - d.FeldZAnfang) / d.FeldTeileZ;
    else
        d.FeldTeileZ = 0;

    for (int ix = 0; ix <= d.FeldTeileX; ++ix)
        for (int iz = 0; iz <= d.FeldTeileZ; ++iz) {
            Mittelpunkt(d.FeldXAnfang + ix * dx, d.FeldZAnfang + iz * dz);
            if (SucheEnde()) return;
        }

    float etaVorRing = d.etaMin;
    for (;;) {
        // Refinement pass around the best centre.
        float xc = d.xMKrit, zc = d.zMKrit;
        if (d.FeldXAnfang + dx > xc) {
            dx = dx / 2;
            xc = d.FeldXAnfang + dx;
        }
        if (d.FeldXEnde - dx < xc) {
            dx = dx / 2;
            xc = d.FeldXEnde - dx;
        }
        if (d.FeldZAnfang + dz > zc) {
            dz = dz / 2;
            zc = d.FeldZAnfang + dz;
        }
        if (d.FeldZEnde - dz < zc) {
            dz = dz / 2;
            zc = d.FeldZEnde - dz;
        }
        dx = dx / 5;
        dz = dz / 5;
        if (dx != 0.0f || dz != 0.0f) {
            for (int ring = 1; ring <= 4; ++ring) {
                d.etaMinRing = kStartMinimum;
                const int iBis = dx == 0.0f ? 0 : ring;
                const int jBis = dz == 0.0f ? 0 : ring;
                for (int i = -iBis; i <= iBis; ++i)
                    for (int j = -jBis; j <= jBis; ++j) {
                        const bool iInnen = i > -iBis && i < iBis;
                        const bool jInnen = j > -jBis && j < jBis;
                        if (iInnen && jInnen) continue;
                        Mittelpunkt(xc + i * dx, zc + j * dz);
                        if (SucheEnde()) return;
                    }
                if (d.etaMinRing < etaVorRing)
                    etaVorRing = d.etaMinRing;
                else
                    break;
            }
        }
        if (SucheEnde()) return;
        if (!(dx > 0.01f || dz > 0.01f)) return;
    }
}

// The best circle over every field searched for the load case.
struct BesterKreis {
    float eta = kKeinKreis, xM = 0.0f, zM = 0.0f, R = 0.0f;
    int16_t punkte = 0;
    std::vector<float> x = std::vector<float>(1, 0.0f), z = std::vector<float>(1, 0.0f);

    void Merken(const Daten& d) {
        if (!(d.etaMin < eta)) return;
        eta = d.etaMin;
        xM = d.xMKrit;
        zM = d.zMKrit;
        R = d.RKrit;
        punkte = d.KritPunktzahl;
        x = d.KritLinieX;
        z = d.KritLinieZ;
    }
    void Einsetzen(Daten& d) const {
        d.etaMin = eta;
        d.xMKrit = xM;
        d.zMKrit = zM;
        d.RKrit = R;
        d.KritPunktzahl = punkte;
        d.KritLinieX = x;
        d.KritLinieZ = z;
    }
};

struct Feld {
    float xa, xe, za, ze;
};

Feld AktuellesFeld(const Daten& d) {
    return {d.FeldXAnfang, d.FeldXEnde, d.FeldZAnfang, d.FeldZEnde};
}

void FeldSetzen(Daten& d, const Feld& f) {
    d.FeldXAnfang = f.xa;
    d.FeldXEnde = f.xe;
    d.FeldZAnfang = f.za;
    d.FeldZEnde = f.ze;
}

// The same field within a millimetre (a shift back by 0.9 of the width rounds).
bool Gleich(const Feld& a, const Feld& b) {
    constexpr float t = 0.001f;
    return std::fabs(a.xa - b.xa) <= t && std::fabs(a.xe - b.xe) <= t && std::fabs(a.za - b.za) <= t &&
           std::fabs(a.ze - b.ze) <= t;
}

// The search from the field in d: grid and rings, and shifts of the field while its best centre lies on
// its edge. Returns the best circle of every field searched; d.Abbruch holds the search's status, the
// field and Verschiebungen where the search ended. meldungen: the shifts are shown in the progress window.
BesterKreis FeldSuche(bool meldungen) {
    Daten& d = D();
    d.Verschiebungen = 0;
    BesterKreis bester;
    std::vector<Feld> gesucht;
    for (;;) {
        ModellVorbereiten();
        Suche();
        bester.Merken(d);
        gesucht.push_back(AktuellesFeld(d));
        if (d.Verschiebungen >= kVerschiebungenMax && d.Abbruch == 0) d.Abbruch = 2;
        if (d.FeldVerschieben == 0 || d.Abbruch >= 1) break;
        // A best centre within 3 % of the field's width from an edge moves the field by 90 % of its
        // width towards it, in x and in z alike.
        const auto schieben = [](float krit, float& anfang, float& ende) {
            const float w = ende - anfang;
            const float t = 0.03f * w;
            if (krit - t < anfang) {
                anfang = anfang - 0.9f * w;
                ende = anfang + w;
            } else if (krit + t > ende) {
                ende = ende + 0.9f * w;
                anfang = ende - w;
            }
        };
        const Feld alt = AktuellesFeld(d);
        schieben(d.xMKrit, d.FeldXAnfang, d.FeldXEnde);
        schieben(d.zMKrit, d.FeldZAnfang, d.FeldZEnde);
        // A field without width does not move, even with its best centre beside it.
        const Feld neu = AktuellesFeld(d);
        const bool verschoben = neu.xa != alt.xa || neu.xe != alt.xe || neu.za != alt.za || neu.ze != alt.ze;
        if (!verschoben) break;
        // Back into a field already searched: the minimum lies between the fields searched, and the
        // best circle of them all is the result.
        if (std::any_of(gesucht.begin(), gesucht.end(), [&](const Feld& f) { return Gleich(f, neu); })) {
            FeldSetzen(d, alt);
            break;
        }
        ++d.Verschiebungen;
        if (!meldungen) continue;
        Drucken(5, " Der Mittelpunkt des Gleitkreises der bisher gefundenen             ");
        Drucken(6, " minimalen Sicherheit liegt auf dem Rand des Iterations-            ");
        Drucken(7, " bereiches; deshalb werden die Ränder verschoben.");
        Drucken(8,
                "     ---->  neue Iteration;    Verschiebung Nr. " + vb::PrintToString({d.Verschiebungen}));
        Drucken(9, "");
        Drucken(10, " Ausstieg nach " + vb::PrintToString({static_cast<int16_t>(kVerschiebungenMax)}) +
                        " Verschiebungen.");
    }
    return bester;
}

// The region the shifts could reach reaches this many field widths beyond the start field on each side,
// and the coarse grid over it has this many steps per field width.
constexpr int kReichweite = 9;
constexpr int kGrobTeile = 3;
// Coarse minima from which a search starts.
constexpr std::size_t kGrobStarts = 5;

struct Mitte {
    float eta, x, z;
};

// Single circles on a coarse grid of centres over the region the shifts could reach from the field f.
// Returns the centres that are lower than or as low as their eight neighbours, lowest first, each at least
// half a field's width and height from every lower one taken; at most kGrobStarts. The grid's best circle
// is the load case's minimum in d.
std::vector<Mitte> GrobeMinima(const Feld& f) {
    Daten& d = D();
    SucheBeginnen(d);
    const float wx = f.xe - f.xa, wz = f.ze - f.za;
    const int nx = wx > 0.01f ? (2 * kReichweite + 1) * kGrobTeile : 0;
    const int nz = wz > 0.01f ? (2 * kReichweite + 1) * kGrobTeile : 0;
    const float dx = nx > 0 ? wx / kGrobTeile : 0.0f;
    const float dz = nz > 0 ? wz / kGrobTeile : 0.0f;
    const float x0 = nx > 0 ? f.xa - kReichweite * wx : f.xa;
    const float z0 = nz > 0 ? f.za - kReichweite * wz : f.za;
    std::vector<float> werte(static_cast<std::size_t>(nx + 1) * static_cast<std::size_t>(nz + 1),
                             kStartMinimum);
    const auto wert = [&](int i, int k) -> float& {
        return werte[static_cast<std::size_t>(i) * static_cast<std::size_t>(nz + 1) +
                     static_cast<std::size_t>(k)];
    };
    for (int i = 0; i <= nx; ++i)
        for (int k = 0; k <= nz; ++k) {
            Mittelpunkt(x0 + i * dx, z0 + k * dz);
            if (SucheEnde()) return {};
            // No body (eta unchanged) and invalid circles lead nowhere.
            wert(i, k) = d.eta < kUngueltig ? d.eta : kStartMinimum;
        }
    std::vector<Mitte> minima;
    for (int i = 0; i <= nx; ++i)
        for (int k = 0; k <= nz; ++k) {
            const float e = wert(i, k);
            if (!(e < kUngueltig)) continue;
            bool tief = true;
            for (int a = std::max(0, i - 1); a <= std::min(nx, i + 1) && tief; ++a)
                for (int b = std::max(0, k - 1); b <= std::min(nz, k + 1); ++b)
                    if (wert(a, b) < e) {
                        tief = false;
                        break;
                    }
            if (tief) minima.push_back({e, x0 + i * dx, z0 + k * dz});
        }
    std::stable_sort(minima.begin(), minima.end(),
                     [](const Mitte& a, const Mitte& b) { return a.eta < b.eta; });
    std::vector<Mitte> starts;
    for (const Mitte& m : minima) {
        const bool nahe = std::any_of(starts.begin(), starts.end(), [&](const Mitte& s) {
            return std::fabs(s.x - m.x) < 0.5f * wx && std::fabs(s.z - m.z) < 0.5f * wz;
        });
        if (nahe) continue;
        starts.push_back(m);
        if (starts.size() == kGrobStarts) break;
    }
    return starts;
}

// The safety as the report shows it, in hundredths: the safety, or with partial factors the utilisation
// 1 / safety (larger is less safe, so it is given with its sign turned).
long Gedruckt(float eta) {
    if (P.TeilsicherheitenAn != 0) return -std::lround(std::floor(100.0 / eta + 0.5));
    return std::lround(std::floor(100.0 * eta + 0.5));
}

// A circle of the further start fields replaces the circle of the search from the field asked for only
// where it lowers the safety the report shows (a difference below the last digit lies within the
// iteration's tolerance of 0.01), or where that search found no valid circle.
bool Tiefer(float neu, float alt) {
    if (!(neu < alt)) return false;
    if (!(alt < kUngueltig)) return true;
    return Gedruckt(neu) < Gedruckt(alt);
}

// Searches from further start fields: the second field of the driver, and fields the size of f centred on
// the lowest minima of a coarse grid over the region the shifts could reach from f. Returns the best
// circle of them; d.Abbruch is 1 when one of them found a safety below 0.7, 3 when the user cancelled,
// otherwise 0 (a further search given up ends only itself).
BesterKreis WeitereSuchen(const Feld& f, int16_t teileX, int16_t teileZ) {
    Daten& d = D();
    BesterKreis bester;
    auto suchen = [&](const Feld& start) {
        FeldSetzen(d, start);
        d.FeldTeileX = teileX;
        d.FeldTeileZ = teileZ;
        const BesterKreis b = FeldSuche(false);
        if (b.eta < bester.eta) bester = b;
        if (d.Abbruch == 2) d.Abbruch = 0;
        return d.Abbruch == 0;
    };
    if (d.ZweitFeld && !suchen({f.xa, f.xe, d.ZweitFeldZAnfang, d.ZweitFeldZEnde})) return bester;
    d.Abbruch = 0;
    const std::vector<Mitte> starts = GrobeMinima(f);
    bester.Merken(d);
    if (d.Abbruch == 2) d.Abbruch = 0;
    if (d.Abbruch != 0) return bester;
    const float hx = (f.xe - f.xa) / 2, hz = (f.ze - f.za) / 2;
    for (const Mitte& m : starts)
        if (!suchen({m.x - hx, m.x + hx, m.z - hz, m.z + hz})) break;
    return bester;
}

} // namespace

void WinkelInBogenmass() {
    Daten& d = D();
    Zustand& z = Z();
    for (int i = 1; i <= z.AnzLinien; ++i)
        z.GkSchichtPhi[i] = z.GkSchichtPhi[i] * P.GradZuRad;
    for (int j = 1; j <= d.AnzGkAnker; ++j)
        z.GkAnkerNeigung[j] = z.GkAnkerNeigung[j] * P.GradZuRad;
    d.AuslaufwinkelLuft = -d.AuslaufwinkelLuft * P.GradZuRad;
    d.AuslaufwinkelErde = d.AuslaufwinkelErde * P.GradZuRad;
}

void WinkelInGrad() {
    Daten& d = D();
    Zustand& z = Z();
    for (int i = 1; i <= z.AnzLinien; ++i)
        z.GkSchichtPhi[i] = z.GkSchichtPhi[i] / P.GradZuRad;
    for (int j = 1; j <= d.AnzGkAnker; ++j)
        z.GkAnkerNeigung[j] = z.GkAnkerNeigung[j] / P.GradZuRad;
    d.AuslaufwinkelLuft = -d.AuslaufwinkelLuft / P.GradZuRad;
    d.AuslaufwinkelErde = d.AuslaufwinkelErde / P.GradZuRad;
}

void ModellVorbereiten() {
    Daten& d = D();
    Zustand& z = Z();
    d.Abbruch = 0;
    const int oben = z.AnzPunkte + 180 + 2 * d.AnzGkLasten;
    z.LinieX = zor::Linientafel(z.AnzLinien + 2, oben);
    z.LinieZ = zor::Linientafel(z.AnzLinien + 2, oben);
    z.LinienPunktzahl.assign(static_cast<std::size_t>(z.AnzLinien) + 3, 0);

    // 5. Model limits.
    d.xLinks = 99999.0f;
    d.xRechts = -99999.0f;
    for (int i = 1; i <= z.AnzPunkte; ++i) {
        d.xLinks = std::min(d.xLinks, z.PunktX[i]);
        d.xRechts = std::max(d.xRechts, z.PunktX[i]);
    }

    // 6., 7. Lines from their texts, extended to the limits.
    for (int i = 0; i <= z.AnzLinien; ++i) {
        std::string text = z.LinienText[i];
        std::vector<int16_t> nummern(static_cast<std::size_t>(text.size()) / 2 + 2, 0);
        zormb::ZahlenAusText(text, std::span<int16_t>(nummern));
        std::vector<float> xs, zs;
        for (int a = 1; a <= nummern[0]; ++a) {
            int16_t index = 0;
            PunktSuchen(nummern[a], index);
            xs.push_back(z.PunktX[index]);
            zs.push_back(z.PunktZ[index]);
        }
        if (!xs.empty() && xs.front() > d.xLinks) {
            xs.insert(xs.begin(), d.xLinks);
            zs.insert(zs.begin(), zs.front());
        }
        if (!xs.empty() && xs.back() < d.xRechts) {
            xs.push_back(d.xRechts);
            zs.push_back(zs.back());
        }
        for (std::size_t p = 0; p < xs.size(); ++p) {
            z.LinieX(i, static_cast<int>(p) + 1) = xs[p];
            z.LinieZ(i, static_cast<int>(p) + 1) = zs[p];
        }
        z.LinienPunktzahl[i] = static_cast<int16_t>(xs.size());
    }

    // 8. Abscissa list: limits, crossings of the water line and of the ground, load points.
    std::vector<float> liste;
    liste.push_back(d.xLinks);
    for (int linie : {0, 1}) {
        z.AnzXListe = 0;
        int platz = 1;
        for (int i = 0; i <= z.AnzLinien; ++i)
            platz += std::max(0, z.LinienPunktzahl[i] - 1) * std::max(0, z.LinienPunktzahl[linie] - 1);
        z.XListe.assign(static_cast<std::size_t>(platz) + 1, 0.0f);
        SchnittpunkteSammeln(static_cast<int16_t>(linie));
        liste.insert(liste.end(), z.XListe.begin() + 1, z.XListe.begin() + 1 + z.AnzXListe);
    }
    liste.push_back(d.xRechts);
    for (int j = 1; j <= d.AnzGkLasten; ++j) {
        int16_t index = 0;
        PunktSuchen(z.LastPunkt1[j], index);
        liste.push_back(z.PunktX[index]);
        PunktSuchen(z.LastPunkt2[j], index);
        liste.push_back(z.PunktX[index]);
    }
    std::stable_sort(liste.begin(), liste.end());
    const int k = z.AnzLinien + 1;
    if (static_cast<int>(liste.size()) + 2 * oben > z.LinieX.PunkteOben()) {
        // Room for the merged grid when the lists are long.
        zor::Linientafel nx(z.AnzLinien + 2, static_cast<int>(liste.size()) + 2 * oben);
        zor::Linientafel nz(z.AnzLinien + 2, static_cast<int>(liste.size()) + 2 * oben);
        for (int i = 0; i <= z.AnzLinien; ++i)
            for (int p = 1; p <= z.LinienPunktzahl[i]; ++p) {
                nx(i, p) = z.LinieX(i, p);
                nz(i, p) = z.LinieZ(i, p);
            }
        z.LinieX = std::move(nx);
        z.LinieZ = std::move(nz);
    }
    z.XListe.assign(liste.size() + 1, 0.0f);
    std::copy(liste.begin(), liste.end(), z.XListe.begin() + 1);
    z.AnzXListe = static_cast<int16_t>(liste.size());
    KreisLinieSetzen(static_cast<int16_t>(k));
    z.AnzXListe = 0;

    // 9. One common set of abscissae.
    LinienBereinigen(1);

    // 10. Layer lines not above the ground.
    const int n = z.LinienPunktzahl[1];
    for (int i = 2; i <= z.AnzLinien; ++i)
        for (int j = 1; j <= n; ++j)
            if (z.LinieZ(i, j) < z.LinieZ(1, j)) z.LinieZ(i, j) = z.LinieZ(1, j);

    // 11. The grid.
    d.RasterPunktzahl = static_cast<int16_t>(n);
    d.LinienRaster.assign(static_cast<std::size_t>(z.AnzLinien + 2) * (static_cast<std::size_t>(n) + 1),
                          0.0f);
    for (int j = 1; j <= n; ++j) {
        for (int i = 0; i <= z.AnzLinien; ++i)
            d.Raster(i, j) = z.LinieZ(i, j);
        d.Raster(z.AnzLinien + 1, j) = z.LinieX(1, j);
    }
}

void RadiusIteration() {
    Daten& d = D();
    Zustand& z = Z();
    d.etaMinMP = kStartMinimum;
    d.eta = kStartMinimum;
    int16_t index = 0;
    PunktSuchen(d.FestPunkt, index);
    const double dx = static_cast<double>(z.PunktX[index]) - d.xM;
    const double dz = static_cast<double>(z.PunktZ[index]) - d.zM;
    d.Radius = static_cast<float>(std::sqrt(dx * dx + dz * dz));
    KreisSicherheit();
}

void MittelpunktIteration() {
    Daten& d = D();
    if (P.TeilsicherheitenAn == 0) {
        P.gamPhi = 1.0f;
        P.gamC = 1.0f;
        zormcom::Vorgaben.gamPhiWirk = 1.0f;
        zormcom::Vorgaben.gamCWirk = 1.0f;
    }
    WinkelInBogenmass();
    const Feld start = AktuellesFeld(d);
    const int16_t teileX = d.FeldTeileX, teileZ = d.FeldTeileZ;
    BesterKreis bester = FeldSuche(true);
    if (d.FeldVerschieben != 0 && d.Abbruch == 0) {
        // A field may hold a local minimum only: the least safety of all circles the search may reach is
        // looked for from further start fields, and the field, the shifts and the status of the search
        // above stay as they were unless a further one finds a safety below 0.7 or the user cancels.
        const Feld ende = AktuellesFeld(d);
        const int16_t verschiebungen = d.Verschiebungen;
        const int16_t endeTeileX = d.FeldTeileX, endeTeileZ = d.FeldTeileZ;
        const BesterKreis weitere = WeitereSuchen(start, teileX, teileZ);
        if (d.Abbruch == 1 || Tiefer(weitere.eta, bester.eta)) bester = weitere;
        FeldSetzen(d, ende);
        d.Verschiebungen = verschiebungen;
        d.FeldTeileX = endeTeileX;
        d.FeldTeileZ = endeTeileZ;
    }
    bester.Einsetzen(d);
    WinkelInGrad();
}

} // namespace Zormg
