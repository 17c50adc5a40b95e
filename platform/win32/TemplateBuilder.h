// Builds the in-memory dialog template (DLGTEMPLATEEX) the dialog manager creates a page from:
// every control of a template with the system class and styles of its kind, positions in dialog
// units, and the dialog font "MS Shell Dlg" 8.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Template.h"

namespace mirel::win32 {

// The template's bytes, aligned as the dialog manager reads them (keep them in a vector of
// DWORDs or another 4-byte aligned buffer).
std::vector<std::uint32_t> BuildDialogTemplate(const DialogTemplate& tmpl);

// The window class and style of one control, as the template holds them (for the tests of the
// mapping and for the pictures that the host loads itself).
struct ControlClass {
    std::uint16_t atom = 0; // 0x0080 button, 0x0081 edit, 0x0082 static, 0x0085 combo box
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
};
ControlClass ClassOf(const ControlTemplate& control);

// The window style of the page itself.
std::uint32_t PageStyle();

} // namespace mirel::win32
