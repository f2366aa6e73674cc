#pragma once
// Registers every excavation-stage page under its window name (platform/forms/registry.h), so that the main
// window opens the stage chain (frmAushub1) and the page that inserts or deletes a stage (frmAushub0) by
// name. The program calls it once at its start, after RegisterProjectDialogs; tests that open pages by name
// call it too.
void RegisterStageDialogs();
