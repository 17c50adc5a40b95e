#include "tools/mirel-scenario/Script.h"

#include <charconv>

#include "platform/Text.h"

namespace mirel::scenario {
namespace {

// A cursor over one line.
class LineReader {
  public:
    explicit LineReader(std::string_view line) : m_line(line) {}

    bool AtEnd() const { return m_pos >= m_line.size(); }

    // The next blank-separated word.
    bool Word(std::string& out) {
        if (AtEnd())
            return false;
        const std::size_t end = m_line.find(' ', m_pos);
        out.assign(
            m_line.substr(m_pos, end == std::string_view::npos ? std::string_view::npos : end - m_pos));
        m_pos = end == std::string_view::npos ? m_line.size() : end;
        return !out.empty();
    }

    // A single blank between two words.
    bool Blank() {
        if (m_pos < m_line.size() && m_line[m_pos] == ' ') {
            ++m_pos;
            return true;
        }
        return false;
    }

    bool Number(int& out) {
        std::string w;
        if (!Word(w))
            return false;
        const char* first = w.data();
        const char* last = w.data() + w.size();
        auto [ptr, ec] = std::from_chars(first, last, out);
        return ec == std::errc() && ptr == last;
    }

    // A text in double quotes with the escapes \n, \t, \" and \\.
    bool Quoted(std::string& out) {
        if (AtEnd() || m_line[m_pos] != '"')
            return false;
        ++m_pos;
        out.clear();
        while (m_pos < m_line.size()) {
            const char c = m_line[m_pos++];
            if (c == '"')
                return true;
            if (c == '\\' && m_pos < m_line.size()) {
                const char e = m_line[m_pos];
                if (e == 'n' || e == 't' || e == '"' || e == '\\') {
                    out.push_back(e == 'n' ? '\n' : e == 't' ? '\t' : e);
                    ++m_pos;
                    continue;
                }
            }
            out.push_back(c);
        }
        return false; // no closing quotation mark
    }

  private:
    std::string_view m_line;
    std::size_t m_pos = 0;
};

bool ParseClock(const std::string& date, const std::string& time, Directive& d) {
    auto two = [](const std::string& s, std::size_t at, int& v) {
        if (at + 2 > s.size() || s[at] < '0' || s[at] > '9' || s[at + 1] < '0' || s[at + 1] > '9')
            return false;
        v = (s[at] - '0') * 10 + (s[at + 1] - '0');
        return true;
    };
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || time.size() != 5 || time[2] != ':')
        return false;
    int hi = 0;
    int lo = 0;
    if (!two(date, 0, hi) || !two(date, 2, lo) || !two(date, 5, d.month) || !two(date, 8, d.day) ||
        !two(time, 0, d.hour) || !two(time, 3, d.minute))
        return false;
    d.year = hi * 100 + lo;
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31 && d.hour <= 23 && d.minute <= 59;
}

bool IsKeyName(const std::string& word) {
    for (const char* name : {"enter", "escape", "tab", "shift+tab", "space", "up", "down", "left", "right"})
        if (word == name)
            return true;
    const bool letter =
        word.size() == 5 && ((word[4] >= 'a' && word[4] <= 'z') || (word[4] >= 'A' && word[4] <= 'Z'));
    return letter && word.compare(0, 4, "alt+") == 0;
}

// The number of the first line that is not valid UTF-8; 0 when the whole text is.
int FirstBadLine(std::string_view text) {
    int line = 1;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto b = static_cast<unsigned char>(text[pos]);
        if (b == '\n')
            ++line;
        if (b < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t len = CharLength(text, pos);
        // A valid sequence of more than one byte, or a lone byte that is not one.
        if (len == 1)
            return line;
        pos += len;
    }
    return 0;
}

Directive ParseLine(std::string_view line, int number) {
    Directive d;
    d.line = number;
    LineReader r(line);
    std::string verb;
    r.Word(verb);
    auto fail = [&](const std::string& why) {
        Directive bad;
        bad.line = number;
        bad.error = why;
        return bad;
    };
    bool ok = false;
    if (verb == "click" || verb == "focus" || verb == "show") {
        ok = r.Blank() && r.Number(d.id);
    } else if (verb == "type" || verb == "paste") {
        ok = r.Blank() && r.Number(d.id) && r.Blank() && r.Quoted(d.text);
    } else if (verb == "select") {
        ok = r.Blank() && r.Number(d.id) && r.Blank() && r.Number(d.number);
    } else if (verb == "key") {
        ok = r.Blank() && r.Word(d.word) && IsKeyName(d.word);
        if (ok && d.word.size() == 5 && d.word[4] >= 'A' && d.word[4] <= 'Z')
            d.word[4] = static_cast<char>(d.word[4] - 'A' + 'a');
    } else if (verb == "close" || verb == "caption" || verb == "focused") {
        ok = true;
    } else if (verb == "screenshot") {
        ok = r.Blank() && r.Quoted(d.text);
    } else if (verb == "answer") {
        ok = r.Blank() && r.Word(d.word) &&
             (d.word == "ok" || d.word == "yes" || d.word == "no" || d.word == "cancel");
    } else if (verb == "save" || verb == "open") {
        if (!r.Blank())
            ok = false;
        else if (r.Quoted(d.text))
            ok = true;
        else
            ok = r.Word(d.word) && d.word == "cancel";
    } else if (verb == "clock") {
        std::string date;
        std::string time;
        ok = r.Blank() && r.Word(date) && r.Blank() && r.Word(time) && ParseClock(date, time, d);
    } else {
        return fail("unknown directive \"" + verb + "\"");
    }
    if (!ok || !r.AtEnd())
        return fail("cannot read \"" + std::string(line) + "\"");
    d.verb = verb;
    return d;
}

} // namespace

std::vector<Directive> ParseScript(std::string_view text) {
    std::vector<Directive> out;
    // A byte order mark at the start is no part of the first line.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    if (const int bad = FirstBadLine(text); bad != 0) {
        Directive d;
        d.line = bad;
        d.error = kNotUtf8;
        out.push_back(d);
        return out;
    }
    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos && line[first] != '#')
            out.push_back(ParseLine(line, number));
        if (end == std::string_view::npos)
            break;
        pos = end + 1;
    }
    return out;
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (char c : text) {
        switch (c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out.push_back(c);
        }
    }
    out.push_back('"');
    return out;
}

} // namespace mirel::scenario
