// Static texts that the dialog font cannot fit into their rectangle.
#pragma once

#include "platform/win32/WinApi.h"

namespace mirel::win32 {

// When the text of static control `control` needs more lines than its rectangle holds in the
// dialog font, a narrower font of the same height in which it fits (or the narrowest tried);
// nullptr when the dialog font fits. The caller sets the font and deletes it later.
HFONT FitStaticText(HWND control, HFONT dialogFont);

} // namespace mirel::win32
