#pragma once
// The state the runtime layer keeps between calls, reset in one place (tests).

namespace vb {

// Closes every file number, forgets a Dir search in progress and the pinned decimal separator.
// The current folder is left as it is.
void ResetRuntime();

} // namespace vb
