// Basic value types shared by the platform layer and the pages.
#pragma once

#include <string>

namespace mirel {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// Notifications a control sends to its page.
enum class Notify {
    Clicked,   // push button, radio button, check box, clickable picture
    SetFocus,  // the control received the keyboard focus
    KillFocus, // the control lost the keyboard focus
    Change,    // the user changed the text of an edit (never sent for text set by the program)
    DropDown,  // the list of a drop-down box opens
    SelChange, // the user picked another list entry
};

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { Information, Question, Exclamation };
enum class MsgAnswer { Ok, Yes, No, Cancel };
enum class BeepKind { Information, Question };

// Keys a person presses on a page. `End` is Ctrl+End (the caret to the end of an edit's text),
// `SelectAll` is Ctrl+A; the others are the plain keys of their names.
enum class Key { Enter, Escape, Tab, ShiftTab, Space, Up, Down, Left, Right, End, SelectAll, Delete };

struct LocalTime {
    int year = 2026;
    int month = 12; // 1..12
    int day = 5;    // 1..31
    int hour = 14;
    int minute = 7;
    int second = 0;
};

// Result codes of the dialog run. IDOK and IDCANCEL of the classic dialog framework.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

} // namespace mirel
