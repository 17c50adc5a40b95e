// A scenario script: one directive per line, as a user would drive the wizard.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mirel::scenario {

struct Directive {
    int line = 0;
    std::string verb; // "click", "type", ..., or "" when the line could not be read
    int id = 0;       // control id (click, type, paste, select, focus, show)
    int number = 0;   // list entry (select)
    std::string word; // key name, answer, or "cancel" for save/open
    std::string text; // TEXT or PATH, escapes resolved
    int year = 0, month = 0, day = 0, hour = 0, minute = 0; // clock
    std::string error;                                      // why the line could not be read
};

// The error of a script that is not valid UTF-8.
inline constexpr const char* kNotUtf8 = "not valid UTF-8";

// Reads a whole script. Blank lines and comment lines are skipped; a line that cannot be read
// becomes a directive with an empty verb and an error text. A UTF-8 byte order mark at the start
// is skipped; a text that is not valid UTF-8 becomes one such directive alone, at its first bad
// line, so that nothing runs.
std::vector<Directive> ParseScript(std::string_view text);

// Quotes a text for the log: \r, \n, \t, \" and \\ escaped, everything else as it stands.
std::string Quote(std::string_view text);

} // namespace mirel::scenario
