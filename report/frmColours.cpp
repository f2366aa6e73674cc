#include "report/frmColours.h"

#include "frame/project_data.h"
#include "report/frmAnzeigen.h"

namespace Anzeigen {

int32_t PalettenFarbe(int i) {
    static constexpr unsigned char rgb[48][3] = {
        {255, 255, 255}, {224, 224, 224}, {255, 192, 192}, {255, 224, 192}, {255, 255, 224}, {192, 255, 192},
        {192, 255, 255}, {192, 192, 255}, {255, 192, 255}, {192, 0, 0},     {192, 64, 0},    {192, 192, 0},
        {0, 192, 0},     {0, 192, 192},   {0, 0, 192},     {192, 0, 192},   {192, 192, 192}, {64, 64, 64},
        {255, 128, 128}, {255, 192, 128}, {255, 255, 128}, {128, 255, 128}, {128, 255, 255}, {128, 128, 255},
        {255, 128, 255}, {128, 0, 0},     {128, 64, 0},    {128, 128, 0},   {0, 128, 0},     {0, 128, 128},
        {0, 0, 128},     {128, 0, 128},   {128, 128, 128}, {0, 0, 0},       {255, 0, 0},     {255, 128, 0},
        {255, 255, 0},   {0, 255, 0},     {0, 255, 255},   {0, 0, 255},     {255, 0, 255},   {64, 0, 0},
        {128, 64, 64},   {64, 64, 0},     {0, 64, 0},      {0, 64, 64},     {0, 0, 64},      {64, 0, 64}};
    if (i < 0 || i > 47) return 0;
    return rgb[i][0] + 256 * rgb[i][1] + 65536 * rgb[i][2];
}

} // namespace Anzeigen

frmColours::frmColours() : vb::Form("frmColours") {
    setCaption("Farbwahl für Anzeige");
    setClientSize(5700, 1200);
    for (int16_t i = 0; i < 48; ++i) {
        auto& p = Picture1.add(i);
        p.Move(60 + 240.0f * (i % 16), 60 + 240.0f * (i / 16), 255, 255);
        p.setBackColor(Anzeigen::PalettenFarbe(i));
    }
    hFarbe.Move(3990, 60, 1605, 735);
    vFarbe.Move(135, 135, 1305, 435);
    Label1.setCaption("Vordergrund: linke Maustaste,  Hintergrund: rechte.");
    Label1.Move(60, 840, 5500, 255);
    Picture1.onMouseDown([this](int16_t i, int16_t b, int16_t, float, float) { Picture1_MouseDown(i, b); });
}

void frmColours::Form_Load() {
    int32_t text = zorm1::P.VordergrundFarbe,
            hinten = zorm1::P.HintergrundFarbe ? zorm1::P.HintergrundFarbe : 0xFFFFFF;
    if (auto* a = vb::loadedInstance<frmAnzeigen>()) {
        text = a->Text2.ForeColor();
        hinten = a->Text2.BackColor();
    }
    vFarbe.setBackColor(text);
    hFarbe.setBackColor(hinten);
}

void frmColours::Picture1_MouseDown(int16_t Index, int16_t Button) {
    auto& P = zorm1::P;
    const int32_t farbe = Anzeigen::PalettenFarbe(Index);
    auto* anzeige = vb::loadedInstance<frmAnzeigen>();
    if (Button == 1) {
        vFarbe.setBackColor(farbe);
        if (anzeige) anzeige->Text2.setForeColor(farbe);
        P.VordergrundFarbe = farbe;
    } else if (Button == 2) {
        hFarbe.setBackColor(farbe);
        P.HintergrundFarbe = farbe;
        if (anzeige) anzeige->Text2.setBackColor(farbe);
    } else {
        return;
    }
    if (Anzeigen::GrafikFarbenNeu) Anzeigen::GrafikFarbenNeu();
    vFarbe.Refresh(); // the palette stays open and shows the chosen pair
}
