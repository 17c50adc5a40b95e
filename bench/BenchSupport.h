// What the page benchmarks share: quiet services, a user that acts once on a shown page, a
// headless session, filler text at a field's input limit and a record filled the way a user
// with a lot to say fills it (every typed field at its limit, the deepest question path, the
// exception, hardware and POST card blocks composed by their pages).
#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/QuietSession.h"
#include "pages/BootExceptionDlg.h"
#include "pages/DosExceptionDlg.h"
#include "pages/HardwareDlg.h"
#include "pages/PostCardDlg.h"
#include "pages/QuestionDlg.h"
#include "pages/QuestionTrees.h"
#include "platform/Dialog.h"
#include "platform/Services.h"
#include "platform/Template.h"
#include "platform/Text.h"
#include "platform/headless/HeadlessHost.h"
#include "report/ReportRecord.h"

namespace mirel::bench {

// ---- text ----------------------------------------------------------------------------------

// `chars` characters of German text with umlauts and other non-ASCII cp1252 characters (two or
// three bytes each in UTF-8), with a CR LF line break (two characters, as an edit counts them)
// about every 60 characters in a multi-line field. A colon and a slash come early, so the
// exception pages' format checks pass.
inline std::string Filler(std::size_t chars, bool multiline) {
    static const std::string_view kWords[] = {
        "Prüfung:", "12/34",    "Größe", "äöü",   "ÄÖÜ",   "Maß",       "€",       "–",
        "„Fehler“", "Speicher", "Gerät", "läuft", "nicht", "Überhitzt", "Ausfall", "Zündung",
    };
    std::string text;
    std::size_t count = 0;
    std::size_t lineChars = 0;
    for (std::size_t w = 0; count < chars; ++w) {
        const std::string_view word = kWords[w % std::size(kWords)];
        std::string_view gap = " ";
        if (multiline && lineChars >= 60)
            gap = "\r\n";
        if (count > 0) {
            // Room for at least one character after the gap, so the text never ends in one.
            if (count + gap.size() >= chars)
                break;
            text += gap;
            count += gap.size();
            lineChars = gap.size() == 2 ? 0 : lineChars + 1;
        }
        const std::size_t wordChars = CharCount(word);
        if (count + wordChars > chars) {
            text += TruncateChars(word, chars - count);
            count = chars;
            break;
        }
        text += word;
        count += wordChars;
        lineChars += wordChars;
    }
    while (count < chars) {
        text += 'x';
        ++count;
    }
    return text;
}

// Filler for an edit of a page's template at `limit` characters, multi-line as the edit is.
inline std::string FillerFor(int templateId, int controlId, std::size_t limit) {
    const ControlTemplate* c = GetTemplate(templateId).Find(controlId);
    if (c == nullptr || c->kind != ControlKind::Edit)
        throw std::logic_error("no edit " + std::to_string(controlId) + " in template " +
                               std::to_string(templateId));
    return Filler(limit, (c->style & kMultiline) != 0);
}

// Filler of `chars` characters for edit `id` of a shown page, multi-line as the edit is.
inline std::string FillerFor(const Dialog& page, int id, std::size_t chars) {
    return FillerFor(page.Template().id, id, chars);
}

// Types into each edit among `ids` up to the limit its page set.
inline void TypeAtLimit(Dialog& page, std::initializer_list<int> ids) {
    for (const int id : ids) {
        const int limit = page.GetWindow()->GetLimit(id);
        if (limit <= 0)
            throw std::logic_error("edit " + std::to_string(id) + " of " + page.ClassName() +
                                   " has no limit");
        page.UserType(id, FillerFor(page, id, static_cast<std::size_t>(limit)));
    }
}

// ---- the full record -----------------------------------------------------------------------

// A typed field of the record: the page template and edit it comes from, and the input limit
// that page's data exchange gives the edit.
struct TypedField {
    std::string ReportRecord::*member;
    int templateId;
    int controlId;
    std::size_t limit;
};

// clang-format off
inline const TypedField kTypedFields[] = {
    // contact data
    {&ReportRecord::m_strDate, 129, 1002, 15},        {&ReportRecord::m_strCompany, 129, 1003, 100},
    {&ReportRecord::m_strCustomerNo, 129, 1005, 20},  {&ReportRecord::m_strContact, 129, 1004, 50},
    {&ReportRecord::m_strPhone, 129, 1006, 30},       {&ReportRecord::m_strEmail, 129, 1008, 100},
    {&ReportRecord::m_strFax, 129, 1007, 30},
    // start of the test and Vexometer products
    {&ReportRecord::m_strTestMedium, 151, 1125, 500}, {&ReportRecord::m_strTestVersion, 151, 1129, 20},
    {&ReportRecord::m_strTestDosVersion, 151, 1049, 30}, {&ReportRecord::m_strTestNote, 151, 1116, 1000},
    // Windows product; its version box has no input limit, 20 as the other version boxes
    {&ReportRecord::m_strWinVersion, 152, 1133, 20},  {&ReportRecord::m_strWinMedium, 152, 1148, 30},
    {&ReportRecord::m_strWinServicePack, 152, 1139, 20}, {&ReportRecord::m_strWinIeVersion, 152, 1049, 20},
    {&ReportRecord::m_strWinBatch, 152, 1146, 150},   {&ReportRecord::m_strWinNote, 152, 1150, 200},
    // info product
    {&ReportRecord::m_strInfoDetail, 158, 1139, 20},  {&ReportRecord::m_strInfoVersion, 158, 1155, 20},
    {&ReportRecord::m_strInfoBatch, 158, 1146, 500},  {&ReportRecord::m_strInfoNote, 158, 1116, 500},
};
// clang-format on

// The product of a version index 0..13.
inline int ProductOf(int version) {
    return version <= 3 ? 1 : version <= 5 ? 2 : version <= 8 ? 3 : version <= 11 ? 4 : 5;
}

// The question tree the question page uses for a version.
inline const QuestionTree& TreeOf(int version) {
    if (version >= 12)
        return VexometerTree();
    if (version >= 6)
        return WinTree();
    if (version >= 4)
        return InfoTree();
    return TestTree();
}

// The option indices of the longest path from the root to a leaf (the first one found).
inline std::vector<int> DeepestPath(const QuestionTree& tree) {
    std::vector<int> best;
    std::vector<int> path;
    std::function<void(int)> walk = [&](int id) {
        const TreeNode* node = tree.Find(id);
        if (node == nullptr || path.size() > 16)
            return;
        if (node->IsLeaf()) {
            if (path.size() > best.size())
                best = path;
            return;
        }
        for (int k = 0; k < 4; ++k) {
            const TreeOption& option = node->options[static_cast<std::size_t>(k)];
            if (option.label.empty())
                continue;
            path.push_back(k);
            walk(option.next);
            path.pop_back();
        }
    };
    walk(0);
    return best;
}

// Walks the question page down `path` with a remark of `remarkChars` characters typed at every
// level and the fault description at the leaf, then Next ends the page.
inline void WalkQuestions(Dialog& page, const std::vector<int>& path, std::size_t remarkChars) {
    for (const int option : path) {
        page.UserClick(1067 + option);
        page.UserType(1202, FillerFor(page, 1202, remarkChars));
        page.UserClick(1016);
    }
    page.UserType(1202, FillerFor(page, 1202, remarkChars));
    page.UserClick(1016);
}

// What the POST card page is given at each node: answer (1067/1068) and option (1069..1071) to
// click, 0 none, and whether the one-line and the multi-line field are typed. The choices open
// every typed field the summary can show.
struct PostCardAnswer {
    int node;
    int answer;
    int option;
    bool line;
    bool text;
};
// clang-format off
inline constexpr PostCardAnswer kPostCardAnswers[] = {
    {3, 0, 0, true, false},        // name of the card
    {4, 1067, 1069, false, true},  // only in a certain slot: which
    {5, 1067, 0, false, false},
    {6, 1068, 0, true, false},     // not all LEDs light: which not
    {7, 1068, 1069, false, false},
    {8, 1068, 0, false, false},
    {9, 1068, 0, false, false},
    {10, 1067, 0, false, false},
    {11, 0, 0, true, true},        // BIOS maker and date
    {12, 1067, 1070, false, true}, // other codes before 00/FF: which
    {13, 0, 1070, false, true},    // the system has problems: symptoms
    {14, 1067, 0, true, false},    // beep code
    {15, 0, 1071, false, true},    // boot abort with a message
    {16, 0, 0, false, true},       // problem description
};
// clang-format on

// Walks the POST card page from its first question to the end, every field typed at its limit.
inline void WalkPostCard(Dialog& page, ReportRecord& r) {
    for (int guard = 0; page.IsOpen(); ++guard) {
        if (guard > 20)
            throw std::logic_error("POST card page does not end");
        const int node = r.m_nPostNode;
        for (const PostCardAnswer& a : kPostCardAnswers) {
            if (a.node != node)
                continue;
            if (a.answer != 0)
                page.UserClick(a.answer);
            if (a.option != 0)
                page.UserClick(a.option);
            if (a.line)
                TypeAtLimit(page, {1192});
            if (a.text)
                TypeAtLimit(page, {1092});
        }
        page.UserClick(1016);
        if (page.IsOpen() && r.m_nPostNode == node)
            throw std::logic_error("POST card page refused Next at node " + std::to_string(node));
    }
}

// A record of version `version` (0..13) with every typed field at its input limit, the deepest
// question path with remarks at their limit, and the exception, hardware and POST card blocks
// composed by their pages from fields at their limits. The pages run on `session`.
inline ReportRecord FullRecord(Session& session, int version) {
    ReportRecord r;
    ResetForRun(r);
    r.m_strTitle = "Varenta Support Bericht - Version 1.22+";
    r.m_nProduct = ProductOf(version);
    r.m_nVersion = version;
    for (const TypedField& f : kTypedFields)
        r.*f.member = FillerFor(f.templateId, f.controlId, f.limit);
    // The choices that print the most lines.
    r.m_nTestStartDos = 1;
    r.m_nTestOtherMedium = 1;
    r.m_nTestReproducible = 1;
    r.m_bTestFloppySame = 1;
    r.m_bTestFromBatch = 1;
    r.m_nTestDosType = 7;
    r.m_nWinStartFrom = 1;
    r.m_strWinOs = "Windows XP";
    r.m_nWinAdmin = 1;
    r.m_bWinAdminSame = 1;
    r.m_nWinReproducible = 1;
    r.m_nInfoStartEnv = 0;
    r.m_nInfoWinVersion = 0;

    const int before = session.services.messages;
    if (version >= 9 && version <= 11) {
        session.Run<CPostCardDlg>(r, [&r](Dialog& page) { WalkPostCard(page, r); });
    } else {
        const std::vector<int> path = DeepestPath(TreeOf(version));
        session.Run<CQuestionDlg>(r, [&path](Dialog& page) { WalkQuestions(page, path, 200); });
        if (r.m_strQuestionText.empty())
            throw std::logic_error("question page did not finish");
    }
    // The exception page the question path leads to, if any.
    auto typeAll = [](Dialog& page) {
        for (const ControlTemplate& c : page.Template().controls)
            if (c.kind == ControlKind::Edit && c.id != 1171 && page.IsItemVisible(c.id) &&
                page.IsItemEnabled(c.id) && !page.IsReadOnly(c.id))
                TypeAtLimit(page, {c.id});
        page.UserClick(1016);
    };
    if (r.m_nExceptionPage == 1)
        session.Run<CBootExceptionDlg>(r, typeAll);
    else if (r.m_nExceptionPage == 2)
        session.Run<CDosExceptionDlg>(r, typeAll);
    session.Run<CHardwareDlg>(r, typeAll);
    if (session.services.messages != before)
        throw std::logic_error("a page refused the filled fields: " + session.services.lastMessage);
    r.m_bBack = 0;
    return r;
}

// Every text of the record, for records scaled beyond the limits.
inline std::vector<std::string*> RecordTexts(ReportRecord& r) {
    std::vector<std::string*> texts = {
        &r.m_strDate,           &r.m_strCustomerNo,   &r.m_strPhone,          &r.m_strFax,
        &r.m_strCompany,        &r.m_strContact,      &r.m_strEmail,          &r.m_strTestVersion,
        &r.m_strTestDosVersion, &r.m_strTestMedium,   &r.m_strTestNote,       &r.m_strWinVersion,
        &r.m_strWinMedium,      &r.m_strWinIeVersion, &r.m_strWinServicePack, &r.m_strWinBatch,
        &r.m_strWinNote,        &r.m_strInfoDetail,   &r.m_strInfoVersion,    &r.m_strInfoBatch,
        &r.m_strInfoNote,       &r.m_strOtherCard,    &r.m_strPostSlot,       &r.m_strPostBios,
        &r.m_strPostBiosDate,   &r.m_strPostCodes,    &r.m_strPostBeepCode,   &r.m_strPostBootMessage,
        &r.m_strPostProblem,    &r.m_strPostDarkLeds, &r.m_strPostOsSymptoms, &r.m_strPostCardText,
        &r.m_strQuestionText,
    };
    for (std::string& s : r.m_astrDosException)
        texts.push_back(&s);
    for (std::string& s : r.m_astrHardware)
        texts.push_back(&s);
    for (QuestionStep& step : r.m_aSteps)
        texts.push_back(&step.m_strNote);
    return texts;
}

// Every text of the record repeated `factor` times.
inline void ScaleTexts(ReportRecord& r, std::size_t factor) {
    for (std::string* s : RecordTexts(r)) {
        std::string one = *s;
        s->reserve(one.size() * factor);
        for (std::size_t i = 1; i < factor; ++i)
            *s += one;
    }
}

} // namespace mirel::bench
