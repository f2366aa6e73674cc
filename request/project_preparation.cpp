#include "request/project_preparation.h"

#include "design/steel_profile.h"
#include "frame/file_routines.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/project_list.h"
#include "frame/settings.h"
#include "frame/startup.h"
#include "platform/runtime/winfs.h"
#include "request/safety_factors.h"
#include "request/wall_section.h"
#include "slipcircle/state.h"

using zorm1::P;

namespace zorrun {

bool Starten() {
    P.Versionstext = Anzeigen::kVersionstext;
    P.TiefeUnendlich = 99.0f;
    if (!Anzeigen::WurzelOrdnerSuchen()) return false;
    DListe::Bereinigen();
    return true;
}

void EinstellungenLaden() {
    P.GradZuRad = 3.141593f / 180.0f;
    Anzeigen::PfadDateiLesen();
    Anzeigen::StandardwerteSetzen();
}

void NamenAbleiten() {
    std::string name = P.DateiName;
    P.NameOhneExt = Anzeigen::OhneErweiterung(name);
    P.DateiName = name; // trimmed
    P.DateiPfad = Anzeigen::MitBackslash(P.DateiPfad);
    P.GanzerName = P.DateiPfad + P.DateiName;
    P.GanzerNameOhneExt = P.DateiPfad + P.NameOhneExt;
}

void NamenAusPfad(const std::string& projektDatei) {
    std::string name = projektDatei;
    std::string pfad = Anzeigen::NurPfad(name);
    if (pfad.empty()) pfad = vb::CurDir();
    Anzeigen::PfadNormieren(pfad);
    P.DateiPfad = pfad;
    P.DateiName = Anzeigen::NurDateiName(name);
    NamenAbleiten();
}

bool ProjektEinlesen() {
    Zormg::FelderDimensionieren();
    return zorm1::EingabeLesen(P.GanzerName);
}

void RechnungVorbereiten() {
    // The names of the file read or the save place chosen; the full name the file holds (which may come from
    // another machine) gives way to them, as it does when the start dialog's save name is left.
    NamenAbleiten();

    // The safety pages confirmed: the concept, with partial factors the reductions, and the steel stresses;
    // writing the stresses opens the design page.
    Sicherheiten::SicherheitsbeiwerteSetzen();
    zormd::StahlSpannungenSetzen();
    Bemessung::SeiteOeffnen();
    // The main window opens the wall page beside it, on the project as made ready here (the start dialog's
    // OK runs this routine first): its opening is what the page does then. Taken twice, the values the page
    // shows and takes back from its boxes are those of its second showing, rounded to the boxes' digits.
    Wand::SeiteOeffnen();
    Wand::SeiteOeffnen();
}

} // namespace zorrun
