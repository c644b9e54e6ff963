#pragma once

// Registers the shell's embedded pictures (":/shell/..."); the library is static, so this
// is done by hand before first use. Safe to call any number of times.
void InitShellResources();
