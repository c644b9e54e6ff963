#pragma once
// The system clipboard, of which the courses only ever empty every format.

namespace platform {

void ClearClipboard();

} // namespace platform
