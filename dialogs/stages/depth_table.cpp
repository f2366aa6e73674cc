#include "dialogs/stages/depth_table.h"

#include <algorithm>
#include <cmath>

#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace Tabelle {

int16_t ZaehlerLesen(float v) {
    if (!std::isfinite(v) || v <= 0.0f) return 0;
    if (v >= 15.0f) return 15;
    return vb::CInt(v);
}

Tiefentabelle::Tiefentabelle(Art a, vb::Frame& rahmen, vb::ControlArray<vb::TextBox>& ebenen,
                             vb::ControlArray<vb::TextBox>& werte, Feld ebene, Feld wert,
                             std::function<int16_t()> anzahl, std::function<void(int16_t)> setzeAnzahl)
    : art(a), rahmen_(rahmen), ebenen_(ebenen), werte_(werte), ebene_(std::move(ebene)),
      wert_(std::move(wert)), anzahl_(std::move(anzahl)), setzeAnzahl_(std::move(setzeAnzahl)) {}

void Tiefentabelle::ZellenAnlegen(float x, float y, float breite, float abstand, float zeilenhoehe) {
    // A box a little lower than its row, so that the rows of a close table do not overlap.
    const float hoehe = std::min(285.0f, zeilenhoehe - 15.0f);
    for (int16_t i = 1; i <= 15; ++i) {
        vb::TextBox& z = ebenen_.add(i, &rahmen_);
        vb::TextBox& e = werte_.add(i, &rahmen_);
        z.Move(x, y + zeilenhoehe * (i - 1), breite, hoehe);
        e.Move(x + breite + abstand, y + zeilenhoehe * (i - 1), breite, hoehe);
        z.MaxLength = 8;
        e.MaxLength = 8;
        Seite::Tastenfilter(z);
        Seite::Tastenfilter(e);
        z.LostFocus = [this, i] { EbeneVerlassen(i); };
        e.LostFocus = [this, i] { WertVerlassen(i); };
    }
}

int16_t Tiefentabelle::Anzahl() const {
    return std::clamp<int16_t>(anzahl_(), 0, 15);
}

float Tiefentabelle::Fuss() const {
    return 99.0f - P.zAush;
}

void Tiefentabelle::Leeren() {
    for (int16_t i = std::max<int16_t>(int16_t(LetzteZeile + 1), 1); i <= 15; ++i) {
        ebenen_(i).setText("");
        werte_(i).setText("");
    }
}

void Tiefentabelle::Freigeben(bool an) {
    rahmen_.setEnabled(an);
    for (int16_t i = 1; i <= 15; ++i) {
        ebenen_(i).setEnabled(an);
        werte_(i).setEnabled(an);
    }
}

void Tiefentabelle::ZeileZeigen(int16_t i) {
    if (i < 1 || i > 15) return;
    ebenen_(i).setText(Seite::Zahl(ebene_(i)));
    werte_(i).setText(Seite::Zahl(wert_(i)));
}

void Tiefentabelle::ZeilenZeigen() {
    LetzteZeile = Anzahl();
    for (int16_t i = 1; i <= LetzteZeile; ++i)
        ZeileZeigen(i);
    Leeren();
}

float Tiefentabelle::ZellenEbene(int16_t i) const {
    if (i < 1 || i > 15) return 0.0f;
    return Seite::ZahlLesen(ebenen_(i).Text()).value_or(0.0f);
}

void Tiefentabelle::EbeneVerlassen(int16_t i) {
    vb::TextBox& z = ebenen_(i);
    if (i == 1) z.setText("0");
    auto v = Seite::ZahlLesen(z.Text());
    if (!v) {
        vb::Beep();
        z.setText(Seite::Zahl(ebene_(i)));
        Seite::FokusZurueck(z);
        return;
    }
    if (i >= 2) {
        if (art == Art::Figur6 && *v <= 0.0f) {
            setzeAnzahl_(int16_t(i - 1));
            LetzteZeile = int16_t(i - 1);
            Leeren();
            if (nachEndeFigur6) nachEndeFigur6();
            return;
        }
        const float mindest = ZellenEbene(int16_t(i - 1)) + 0.01f;
        if (*v < mindest) {
            const bool blank = art == Art::Figur6 || art == Art::Zusatz || art == Art::Faktor;
            z.setText(blank ? Seite::ZahlMitBlank(mindest) : Seite::Zahl(mindest));
            v = mindest;
        }
    }
    ebene_(i) = *v;
    if (art != Art::Figur6 && werte_(i).Text().empty() && werte_(i).canTakeFocusNow()) werte_(i).SetFocus();
}

void Tiefentabelle::WertVerlassen(int16_t i) {
    vb::TextBox& e = werte_(i);
    const auto v = Seite::ZahlLesen(e.Text());
    if (!v) {
        vb::Beep();
        e.setText(Seite::Zahl(wert_(i)));
        Seite::FokusZurueck(e);
        return;
    }
    wert_(i) = *v;
    if (art == Art::Bettung && i >= 2 && wert_(i) < 0.02f) {
        wert_(i) = 0.02f;
        e.setText(Seite::Zahl(wert_(i)));
    }
    if (art != Art::Figur6) Zeile99(i);
}

void Tiefentabelle::Zeile99(int16_t i) {
    const bool ende = IstTiefe() ? ebene_(i) >= Fuss() : ebene_(i) > 98.99f;
    if (!ende) {
        TabelleZu = false;
        return;
    }
    TabelleZu = true;
    if (art == Art::Erddruck) ebene_(i) = 99.0f;
    rahmen_.setEnabled(false);
    setzeAnzahl_(i);
    LetzteZeile = i;
    Leeren();
    if (IstTiefe()) {
        ebene_(i) = Fuss();
        ebenen_(i).setText(Seite::Zahl(ebene_(i)));
        // The marker row "99" behind the table; a table that ends in row 15 has no row for it.
        if (i < 15) {
            ebene_(int16_t(i + 1)) = 99.0f;
            ebenen_(int16_t(i + 1)).setText("99");
        }
    }
}

void Tiefentabelle::Schliessen(bool an) {
    if (!an) {
        setzeAnzahl_(0);
        return;
    }
    if (TabelleZu || art == Art::Erddruck || art == Art::Figur6) return;
    int16_t r = 15;
    while (r >= 1 && (art == Art::Bettung ? !(wert_(r) > 0.0f) : wert_(r) == 0.0f))
        --r;
    switch (art) {
    case Art::Bettung:
        if (r >= 1) setzeAnzahl_(r);
        break;
    case Art::Erdwiderstand:
        // No row with a resistance: the table is empty.
        if (r >= 1) {
            ebene_(r) = 99.0f;
            ZeileZeigen(r);
        }
        setzeAnzahl_(r);
        break;
    default: // Zusatz, Faktor: a closing row at the foot with the last value (0 for an empty table)
        if (r < 15) {
            ebene_(int16_t(r + 1)) = 99.0f;
            wert_(int16_t(r + 1)) = r >= 1 ? wert_(r) : 0.0f;
            setzeAnzahl_(int16_t(r + 1));
        } else {
            ebene_(15) = 99.0f;
            setzeAnzahl_(15);
        }
        ZeileZeigen(Anzahl());
        break;
    }
}

} // namespace Tabelle
