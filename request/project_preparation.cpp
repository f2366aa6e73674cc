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
#include "slipcircle/zormg_state.h"

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
    // The file's stored full name stays for the report's head; every file goes by the names derived here.
    const std::string gespeichert = P.GanzerNameOhneExt;
    NamenAbleiten();
    P.GanzerNameOhneExt = gespeichert;

    // The safety pages confirmed: the concept, with partial factors the reductions, and the steel stresses;
    // writing the stresses opens the design page.
    Sicherheiten::SicherheitsbeiwerteSetzen();
    zorm1::StahlSpannungenSetzen();
    Bemessung::SeiteOeffnen();
    // The main window opens the wall page beside it.
    Wand::SeiteOeffnen();
}

} // namespace zorrun
