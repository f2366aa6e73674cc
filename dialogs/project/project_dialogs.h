#pragma once
// Registers every project input page under its window name (platform/forms/registry.h), so that the main
// window, the start dialog and the run driver open them by name; also completes the design-settings page
// (frmBemessung::Laden). The program calls it once at its start; tests that open pages by name call it too.
void RegisterProjectDialogs();
