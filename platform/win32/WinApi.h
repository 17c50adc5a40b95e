// The Windows API as the win32 host uses it. The system headers name a few functions with
// macros (MessageBox, CreateWindow) that are also names of our own interfaces; those macros are
// removed here, and the host calls the W functions by their full names.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#undef MessageBox
#undef CreateWindow
