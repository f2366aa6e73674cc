#include "dialogs/project/page.h"

#include <cmath>
#include <limits>

#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "windows/unload_dialogs.h"
#include "windows/window_routines.h"

namespace Seite {

std::string Zahl(float v) {
    return vb::StrPlain(v);
}

std::string ZahlMitBlank(float v) {
    return vb::Str(v);
}

std::optional<float> ZahlLesen(std::string_view text) {
    try {
        const double d = vb::Val(text);
        if (!std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max()) return std::nullopt;
        return vb::ValSingle(text);
    } catch (const vb::RuntimeError&) {
        return std::nullopt;
    }
}

float Wert(const vb::TextBox& box) {
    return ZahlLesen(box.Text()).value_or(0.0f);
}

std::optional<int16_t> GanzzahlLesen(std::string_view text) {
    try {
        const double d = vb::Val(text);
        if (!std::isfinite(d) || d < -32768.5 || d > 32767.5) return std::nullopt;
        return vb::CInt(d);
    } catch (const vb::RuntimeError&) {
        return std::nullopt;
    }
}

void Markieren(vb::TextBox& box) {
    box.setSelStart(0);
    box.setSelLength(vb::Len(box.Text()));
}

void FokusZurueck(vb::Control& c) {
    if (c.canTakeFocusNow()) c.SetFocus();
}

void Korrigiert(vb::TextBox& box, float feld, bool fokusZurueck) {
    box.setText(Zahl(feld));
    if (fokusZurueck) FokusZurueck(box);
}

void Ersetzt(vb::TextBox& box, std::string_view text) {
    box.setText(std::string(text));
    FokusZurueck(box);
}

namespace {

void Grundhandler(vb::TextBox& box) {
    vb::TextBox* b = &box;
    box.GotFocus = [b] { Markieren(*b); };
    box.KeyPress = [](int16_t& k) { Anzeigen::ZahlTaste(k); };
}

void Verweigert(vb::TextBox& box, const std::string& text) {
    vb::Beep();
    box.setText(text);
    FokusZurueck(box);
}

} // namespace

void Tastenfilter(vb::TextBox& box) {
    Grundhandler(box);
}

void Zahlbox(vb::TextBox& box, float& feld, std::function<void()> danach) {
    Grundhandler(box);
    vb::TextBox* b = &box;
    float* f = &feld;
    box.LostFocus = [b, f, danach] {
        const auto v = ZahlLesen(b->Text());
        if (!v) return Verweigert(*b, Zahl(*f));
        *f = *v;
        if (danach) danach();
    };
}

void Zahlbox(vb::TextBox& box, int16_t& feld, std::function<void()> danach) {
    Grundhandler(box);
    vb::TextBox* b = &box;
    int16_t* f = &feld;
    box.LostFocus = [b, f, danach] {
        const auto v = GanzzahlLesen(b->Text());
        if (!v) return Verweigert(*b, vb::StrPlain(*f));
        *f = *v;
        if (danach) danach();
    };
}

void Zahlbox(vb::TextBox& box, std::function<void(const std::string&)> lesen) {
    Grundhandler(box);
    vb::TextBox* b = &box;
    box.LostFocus = [b, lesen] { lesen(b->Text()); };
}

void Oeffnen(vb::Form& seite, vb::CommandButton& cmdOK, const std::function<void()>& fuellen) {
    seite.Show();
    if (fuellen) fuellen();
    cmdOK.setEnabled(true);
    if (zorm1::P.DatenGelesen != 0 && cmdOK.canTakeFocusNow()) cmdOK.SetFocus();
    Anzeigen::MausAufSteuerelement(cmdOK);
}

void Weiter(std::string_view naechsteSeite) {
    vb::UnloadByName(naechsteSeite);
    vb::FormByName(naechsteSeite);
}

namespace {

vb::Form* Auswahl(bool laden) {
    if (vb::Form* f = vb::LoadedForm("frmAuswahl")) return f;
    if (laden && vb::IsRegistered("frmAuswahl")) return &vb::FormByName("frmAuswahl");
    return nullptr;
}

} // namespace

void AuswahlNummer(int16_t index, int16_t nummer) {
    if (vb::Form* a = Auswahl(true)) {
        if (vb::Control* c = a->find("txtAushub", index))
            if (auto* t = dynamic_cast<vb::TextBox*>(c)) t->setText(vb::StrPlain(nummer));
    }
}

void StartFokus() {
    vb::Form* a = Auswahl(false);
    if (!a) return;
    if (vb::Control* c = a->find("cmdStart")) {
        if (c->canTakeFocusNow()) c->SetFocus();
        Anzeigen::MausAufSteuerelement(*c);
    }
}

void KetteEnde(int16_t thema, bool zeigen) {
    zorm1::MaskenEntladen();
    vb::Form* a = Auswahl(zeigen);
    if (!a) return;
    if (zeigen) a->Show();
    vb::Control* ziel = thema > 0 ? a->find("optAuswahl", thema) : a->find("cmdStart");
    if (ziel && ziel->canTakeFocusNow()) ziel->SetFocus();
    vb::Control* maus = thema > 0 ? a->find("cmdOK") : ziel;
    if (maus) Anzeigen::MausAufSteuerelement(*maus);
}

void Hilfe(const std::vector<std::string>& zeilen, int symbol, std::string_view titel) {
    std::string text;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i) text += "\r\n";
        text += zeilen[i];
    }
    vb::MsgBox(text, vb::vbOKOnly | symbol, titel);
}

} // namespace Seite
