#pragma once
// Unloading every input dialog at once: the main window before it opens a topic, the calculation request
// before a run, and the last page of each dialog chain.
namespace zorm1 {

// Unloads, in this order, the windows frmStartSeite, frmHeft504B, frmTitel, frmAushub000, frmAushub0,
// frmAushub1, frmAushub1b, frmAushub2, frmAushub3, frmAushub3b, frmAushub4, frmAushub6, frmAushub7,
// frmAushub8, frmBoden0, frmBoden1, frmBoden1a, frmBoden2, frmBoden3, frmLast0, frmLast1, frmLast2,
// frmLast3, frmLast4, frmWand1, frmAnker1, frmAusgabe, frmProfile and frmBemessung, each by its name.
// A window that is not loaded (or not part of the program) is left alone; a window that refuses to be
// unloaded stays. May be called from the OK of a window in the list.
void MaskenEntladen();

} // namespace zorm1
