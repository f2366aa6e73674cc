#pragma once
// The windows of this library in the window registry (platform/forms/registry.h), so that libraries
// below reach them by name. The program calls this at its start; a test calls it when it needs them.
void RegisterFrameRunWindows();
