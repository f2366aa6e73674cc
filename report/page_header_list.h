#pragma once
// Stored sets of header and footer texts: "H504List.txt" in the root folder, one set per line, newest first,
// nine fields joined by " -|- " (Bauwerk, Bauteil, Block, Vorgang, Verfasser, Verfasser2, Datum, an always
// empty field, AsbNr). The list is rewritten through a temporary file and a rename, so a failed save leaves
// the previous list.
#include <string>
#include <vector>

#include "frame/page_header_texts.h"

namespace Anzeigen {

// Root folder + "H504List.txt".
std::string H504ListenName();

// The list line of a set of texts (each trimmed, the whole trimmed).
std::string GesamtString(const Heft504Texte& t);
// Splits a list line at "-|-" into the fields of t (pieces trimmed; piece 8 skipped; fields without a piece
// keep their text; pieces after the ninth ignored).
void EinzelStrings(const std::string& zeile, Heft504Texte& t);

// The non-empty lines of the list, unchanged and in file order (a missing or empty list gives none).
std::vector<std::string> H504ListeLesen();

// Rewrites the list: erste first when it is not empty, then every entry, trimmed, unless it equals erste.
// False (after a message naming the list) when it cannot be written; the old list then stays.
bool H504ListeSchreiben(const std::string& erste, const std::vector<std::string>& eintraege);

// Stores the current texts of the header dialog as the newest set ("in H504-Liste eintragen"): writes
// "zorH504.txt", puts the set first, drops older equal lines (after trimming; empty lines of an older file
// stay) and switches the boxes on (H504Ein).
bool H504SatzEintragen();

} // namespace Anzeigen
