// POST card diagnosis page: one page for every question node. The labels and option texts are
// placeholders; each node sets the texts it shows.
#include "res/templates/Template162.h"
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template162() {
    static const DialogTemplate t{
        162,
        "Bericht zur technischen Unterstützung - Alphaversion",
        100,
        100,
        358,
        280,
        {
            // Answers of the main question.
            {id162::kAnswer1, ControlKind::RadioButton, "Ja", kGroup, 170, 65, 185, 10},
            {id162::kAnswer2, ControlKind::RadioButton, "Nein", kNone, 170, 80, 185, 10},
            // One-line field, with its prompt.
            {id162::kLineField, ControlKind::Edit, "", kAutoHScroll | kGroup | kTabStop, 170, 114, 150, 15},
            // Answers of the second or follow-up question.
            {id162::kOption3, ControlKind::RadioButton, "Drei", kGroup, 170, 161, 185, 10},
            {id162::kOption4, ControlKind::RadioButton, "Vier", kNone, 170, 175, 185, 10},
            {id162::kOption5, ControlKind::RadioButton, "Fünf", kNone, 170, 189, 185, 10},
            // Multi-line field, with its prompt.
            {id162::kTextField, ControlKind::Edit, "",
             kMultiline | kWantReturn | kVScroll | kGroup | kTabStop, 170, 210, 165, 35},
            {id162::kNext, ControlKind::PushButton, "&Weiter >>", kTabStop, 180, 255, 75, 20},
            {id162::kBack, ControlKind::PushButton, "<< &Zurück", kTabStop, 95, 255, 75, 20},
            {id162::kQuestion, ControlKind::Static, "Textfeld\nOben", kGroup, 170, 45, 185, 17},
            {id162::kLinePrompt, ControlKind::Static, "Textfeld\nMitte", kGroup, 170, 95, 185, 17},
            {id162::kSubQuestion, ControlKind::Static, "Textfeld\nUnten", kGroup, 170, 140, 185, 17},
            {id162::kTextPrompt, ControlKind::Static, "Textfeld Unten 2", kGroup, 170, 200, 185, 10},
            {id162::kInfoBox, ControlKind::Edit, "", kMultiline | kNoBorder, 5, 5, 175, 30, 0, {}, "Info"},
            // Summary of all questions and answers.
            {id162::kSummary, ControlKind::Edit, "", kMultiline | kReadOnly | kWantReturn | kVScroll, 5, 45,
             153, 200},
            frame::HeaderRect(207),
            frame::Logo(205),
            frame::Separator(0),
            frame::Separator(158),
        },
    };
    return t;
}

} // namespace mirel
