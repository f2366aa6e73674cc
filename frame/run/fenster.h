#pragma once
// The windows of the program frame under their names (platform/forms/registry.h): the start window, the
// start dialog, the file dialog, the list of project files, the main window, and the report window. The
// program registers them at its start; the pages of the project and stage dialogs register themselves.
namespace zorrun {
void FensterRegistrieren();
} // namespace zorrun
