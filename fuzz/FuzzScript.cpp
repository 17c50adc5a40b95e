// The scenario script parser on any text: every line is either a directive or an error with its
// line number, in order, and quoted texts come back through the log's quoting.
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "tools/mirel-scenario/Script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto directives = mirel::scenario::ParseScript(text);
    int last = 0;
    for (const auto& d : directives) {
        FUZZ_CHECK(d.line > last);
        last = d.line;
        FUZZ_CHECK(d.verb.empty() != d.error.empty());
        if (d.verb == "type") {
            // A typed text written back with the log's quoting reads the same again.
            const std::string line = "type " + std::to_string(d.id) + " " + mirel::scenario::Quote(d.text);
            const auto again = mirel::scenario::ParseScript(line);
            if (d.text.find('\r') == std::string::npos) {
                FUZZ_CHECK(again.size() == 1);
                FUZZ_CHECK(again[0].text == d.text);
            }
        }
    }
    return 0;
}
