// Helpers shared by the page tests: a prepared record, the expected refusal, the table of checks
// run through Next, and a compact text of control states.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/unit/Harness.h"
#include "tools/mirel-scenario/Script.h"

namespace mirel::test {

inline ReportRecord Prepared(int version) {
    ReportRecord r;
    ResetForRun(r);
    r.m_nVersion = version;
    r.m_rcWindow = {30, 40, 31, 41};
    return r;
}

inline std::string Refusal(const std::string& caption, const std::string& text) {
    return "beep information\nmessage " + scenario::Quote(caption) + " " + scenario::Quote(text) +
           " ok information -> ok\n";
}

// One row of a check table: the answers given, then the refusal Next must show (caption nullptr:
// every check passes and the page ends) and the control that gets the focus.
struct CheckCase {
    int version;
    std::string script;
    const char* caption;
    const char* text;
    int focus;
};

// Runs every row on a fresh page built by `make(record)`, with the focus on `startFocus` first.
template <class Make> void ExpectChecks(const std::vector<CheckCase>& cases, int startFocus, Make make) {
    for (const CheckCase& c : cases) {
        ReportRecord r = Prepared(c.version);
        auto page = make(r);
        const std::string answer = c.caption != nullptr ? "answer ok\n" : "";
        const auto result =
            RunPage(*page, c.script + "focus " + std::to_string(startFocus) + "\nclick 1016\n" + answer);
        const std::string head = std::string("page ") + page->ClassName() + "\n";
        if (c.caption == nullptr) {
            EXPECT_EQ(result.log, head) << c.version << " " << c.script;
            continue;
        }
        EXPECT_EQ(result.log, head + Refusal(c.caption, c.text) + "end\n") << c.version << " " << c.script;
        EXPECT_EQ(page->GetFocusItem(), c.focus) << c.version << " " << c.script;
    }
}

// The states of the controls named in `ids` ("1158 1139="), each as its id followed by h when
// hidden, d when disabled, x when checked, and "=text" when the name ends with "=".
inline std::string States(const Dialog& page, const std::string& ids) {
    std::istringstream in(ids);
    std::string name;
    std::string out;
    while (in >> name) {
        const int id = std::stoi(name);
        out += (out.empty() ? "" : " ") + std::to_string(id) + (page.IsItemVisible(id) ? "" : "h") +
               (page.IsItemEnabled(id) ? "" : "d") + (page.GetCheck(id) != 0 ? "x" : "");
        if (name.back() == '=')
            out += "=" + page.GetItemText(id);
    }
    return out;
}

} // namespace mirel::test
