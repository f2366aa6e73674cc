#include "dialogs/project/frmBemessung.h"

frmBemessung::frmBemessung() : vb::Form("frmBemessung") {
    setCaption("Spannungsnachweis / Bemessung");
    Resizable = false;
    const float W = 6600;

    Frame5.setCaption("Bohrpfähle / Schlitzwand");
    Frame5.Move(120, 60, W, 7260);
    Label2.setCaption("Einflußbreite (m) :  M, Q");
    Label2.Move(120, 300, 3000, 240);
    txtEBreiteM.Move(3300, 270, 900, 285);
    Label7.setCaption("Einflußbreite (m) :  N");
    Label7.Move(120, 660, 3000, 240);
    txtEBreiteN.Move(3300, 630, 900, 285);
    Label3.setCaption("d1(cm) = c + Bü + ds/2");
    Label3.Move(120, 1020, 3000, 240);
    txtd1.Move(3300, 990, 900, 285);
    Label4.setCaption("");
    Label4.Move(4400, 1020, 100, 240);
    Label5.setCaption("Faktor für Schlitzwand-Korb");
    Label5.Move(4400, 300, 2100, 480);

    Frame7.add(2, &Frame5).setCaption("Bemessung :");
    Frame7(2).Move(120, 1400, 3100, 900);
    optN.add(0, &Frame7(2)).setCaption("ohne örtl. Normakraft");
    optN(0).Move(120, 240, 2900, 270);
    optN.add(1, &Frame7(2)).setCaption("mit örtl. Normalkraft");
    optN(1).Move(120, 540, 2900, 270);
    optN(0).setValue(true);
    Frame7.add(3, &Frame5).setCaption("cot(theta) Gleichung 75:");
    Frame7(3).Move(3340, 1400, 3140, 900);
    optCotTheta.add(0, &Frame7(3)).setCaption("0,58 ... 3,00 für AsBü");
    optCotTheta(0).Move(120, 240, 2900, 270);
    optCotTheta.add(1, &Frame7(3)).setCaption("1,20            für AsBü");
    optCotTheta(1).Move(120, 540, 2900, 270);
    optCotTheta(0).setValue(true);
    Frame7.add(0, &Frame5).setCaption("BSt 500: Sicherheit");
    Frame7(0).Move(120, 2400, W - 240, 1300);
    optEta.add(0, &Frame7(0)).setCaption("eta = 1.75");
    optEta(0).Move(120, 240, 2000, 270);
    optEta.add(3, &Frame7(0)).setCaption("eta = 1.50 Bauzust.");
    optEta(3).Move(120, 540, 2400, 270);
    optEta(0).setValue(true);
    Frame7.add(1, &Frame7(0)).setCaption("Sicherheit");
    Frame7(1).Move(2800, 200, 3300, 900);
    optEta.add(1, &Frame7(1)).setCaption("eta = 1.75");
    optEta(1).Move(120, 240, 2900, 270);
    optEta.add(2, &Frame7(1)).setCaption("eta = 1.50 Bauzustand");
    optEta(2).Move(120, 540, 2900, 270);

    Frame6.setCaption("Mindestbewehrung bei Bohrpfählen:");
    Frame6.Move(120, 3800, W - 240, 2700);
    txtAsMmin.Move(120, 300, 900, 285);
    Label8.setCaption("cm2 Längsbewehrung");
    Label8.Move(1140, 330, 2400, 240);
    Label9.setCaption("empf. d20/20 = ");
    Label9.Move(3600, 330, 2600, 240);
    txtAsQmin.Move(120, 700, 900, 285);
    Label10.setCaption("cm2/m Wendelbewehrung ");
    Label10.Move(1140, 730, 2400, 240);
    Label6.setCaption("empf. d10/24 =  6.54 cm2/m");
    Label6.Move(3600, 730, 2600, 240);
    Command1.setCaption("Hinweis dazu");
    Command1.Move(120, 1200, 1700, 360);

    Frame1.setCaption("Spundwand / Trägerbohlwand");
    Frame1.Move(W + 240, 60, W, 4800);
    Frame4.setCaption("Spannungen (N/mm2)");
    Frame4.Move(120, 260, W - 240, 1000);
    lblSigma.setCaption("zul. sigma");
    lblSigma.Move(120, 300, 1500, 240);
    txtSigma.setText("180");
    txtSigma.Move(1700, 270, 900, 285);
    lblTau.setCaption("zul. tau");
    lblTau.Move(120, 640, 1500, 240);
    txtTau.setText("104");
    txtTau.Move(1700, 610, 900, 285);
    Frame3.setCaption("Stahlsorte");
    Frame3.Move(120, 1360, W - 240, 1250);
    const char* sorten[] = {"S 240 GP / St Sp 37 / S 235", "S 270 GP / St Sp 45 ", "S 355 GP / St Sp S  "};
    for (int16_t i = 0; i < 3; ++i) {
        optStahlSorte.add(i, &Frame3).setCaption(sorten[i]);
        optStahlSorte(i).Move(120, 240 + 300 * i, W - 480, 270);
    }
    optStahlSorte(0).setValue(true);
    Frame2.setCaption("nach ");
    Frame2.Move(120, 2700, W - 240, 1000);
    optEAB.add(0, &Frame2).setCaption("EAB (Empfehlungen des Arbeitskreises Baugruben)");
    optEAB(0).Move(120, 240, W - 480, 270);
    optEAB.add(1, &Frame2).setCaption("EAU (Empfehlungen des Arbeitskreises Ufereinfassungen)");
    optEAB(1).Move(120, 560, W - 480, 270);
    optEAB(0).setValue(true);

    cmdOK.setCaption("OK");
    cmdOK.Move(2 * W + 240 - 1800, 6700, 1800, 600);
    setClientSize(2 * W + 360, 7440);
}

void frmBemessung::Form_Load() {
    if (Laden)
        Laden(*this);
    else
        Show();
}
