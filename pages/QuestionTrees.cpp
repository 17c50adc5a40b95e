#include "pages/QuestionTrees.h"

#include <vector>

namespace mirel {
namespace {

// Texts most nodes share.
constexpr std::string_view kRemark = "Anmerkung: ";
constexpr std::string_view kLeafLabel = "Bitte tragen Sie hier die genaue Fehlerbeschreibung ein:";
constexpr std::string_view kLeafInfo = "Bitte schildern Sie den Fehler genau.";

// A leaf: its statement, and the request for the fault description every leaf shows.
constexpr TreeNode Leaf(int id, std::string_view statement) {
    return {id, statement, "", {}, kLeafLabel, kLeafInfo, NodeAction::None};
}

constexpr NodeAction kNone = NodeAction::None;
constexpr NodeAction kNoException = NodeAction::NoExceptionPage;
constexpr NodeAction kExceptionByStart = NodeAction::ExceptionPageByStart;

// clang-format off

// Quorix*Test (and, with two texts changed below, Vexometer).
// id, statement, question, options (label, next node), lower label, info text, action
const TreeNode kTestNodes[] = {
    {0, "",
     "Zu welchem Zeitpunkt tritt das Problem auf?",
     {{{"Bevor das Logo erscheint", 2}, {"Nachdem das Logo erschienen ist", 3}, {"Während eines Test", 4}}},
     kRemark, "Bitte schränken Sie den Zeitpunkt ein, an dem das Problem auftritt.", kNone},
    {2, "Das Problem tritt auf, noch bevor das Logo erscheint.",
     "Was geschieht?",
     {{{"Es erscheint eine Fehlermeldung, der PC bleibt stehen", 5}, {"Der PC bleibt ohne Fehlermeldung stehen", 6}}},
     "Bitte tragen Sie ein, was Sie als letztes auf dem Bildschirm sehen.", "", kNone},
    {3, "Das Problem tritt auf, nachdem das Logo sichtbar ist.",
     "Ist das Hauptmenü schon zu sehen?",
     {{{"Ja", 10}, {"Nein", 11}, {"Quorix*Test wird beendet", 86}, {"Es tritt sofort eine Exception auf", 9}}},
     kRemark, "Wurde das Hauptmenü geladen?", kNoException},
    {4, "Das Problem tritt bei einem Tests auf.",
     "Wann kommt es zum Fehler?",
     {{{"Bevor der Test los läuft", 5}, {"Während eines Tests", 5}, {"Es erscheint ein unerwartetes/falsches Testergebnis", 7}}},
     "Um welchen Test handelt es sich?", "", kNone},
    {5, "Eine Fehlermeldung wird angezeigt.",
     "Welche Fehlermeldung wird angezeigt?",
     {{{"Es erscheint eine Exception", 9}, {"Die Fehlermeldung ist keine Exception", 87}, {"Sonstiges (bitte unter Anmerkung erläutern)", 81}}},
     kRemark, "", kNoException},
    {6, "Der PC bleibt stehen.",
     "Sind noch Tastatureingaben möglich (z.B. \"Strg + Alt + Entf\")?",
     {{{"Ja (bitte unter Anmerkung vermerken)", 12}, {"Nein, der PC reagiert auf keine Eingabe.", 8}}},
     kRemark, "", kNone},
    {7, "Es wird ein \"falsches\" oder unerwartetes Ergebnis angezeigt.",
     "Ist danach ein normaler Weiterbetrieb möglich?",
     {{{"Ja", 84}, {"Nein", 85}}},
     kRemark, "Bitte speichern Sie das Ergebnis und fügen Sie es dem Report bei.", kNone},
    {8, "Es ist keine Eingabe mehr möglich.",
     "Arbeitet der \"Puls\" in der rechten unteren Ecke noch?",
     {{{"Ja, der Kreis wird größer und kleiner", 82}, {"Nein, er steht", 83}}},
     kRemark, "", kNone},
    {9, "Eine Exception tritt auf.",
     "Ist nach dieser Exception ein Weiterbetrieb möglich?",
     {{{"Ja", 84}, {"Nein", 85}}},
     kRemark, "Für die Exception erscheint im Folgenden ein eigenses Fenster, in welches Sie die Werte schreiben können",
     kExceptionByStart},
    {10, "Das Hauptmenü ist bereits sichtbar.",
     "Erscheint eine Fehlermeldung?",
     {{{"Ja", 5}, {"Nein", 13}}},
     kRemark, "", kNone},
    {11, "Das Hauptmenü ist noch nicht sichtbar.",
     "Erscheint eine Fehlermeldung?",
     {{{"Ja", 5}, {"Nein", 13}}},
     kRemark, "", kNone},
    {12, "Es sind noch Eingaben möglich.",
     "Ist ein Weiterbetrieb möglich?",
     {{{"Ja", 84}, {"Nein", 85}}},
     kRemark, "", kNone},
    {13, "Es erscheint keine Fehlermeldung.",
     "Ist ein Weiterbetrieb möglich?",
     {{{"Ja", 84}, {"Nein", 85}}},
     kRemark, "", kNone},
    Leaf(81, "Sonstige Fehler treten auf."),
    Leaf(82, "Der Puls arbeitet noch."),
    Leaf(83, "Der Puls steht."),
    Leaf(84, "Es ist ein Weiterbetrieb möglich."),
    Leaf(85, "Es ist kein ein Weiterbetrieb möglich."),
    Leaf(86, "Quorix*Test wird von selbst beendet."),
    Leaf(87, "Es tritt ein Fehler auf, der aber keine Exception ist."),
};

// The Vexometer tree is the test product's tree with these two texts changed.
// node, option (1..4; 0 = the statement), Vexometer text
struct TextChange {
    int node;
    int option;
    std::string_view text;
};
const TextChange kVexometerChanges[] = {
    {3, 3, "Vexomether wird beendet"},
    {86, 0, "Vexometer wird von selbst beendet."},
};

// Quorix*Info.
// id, statement, question, options (label, next node), lower label, info text, action
const TreeNode kInfoNodes[] = {
    {0, "",
     "Zu welchem Zeitpunkt tritt das Problem auf?",
     {{{"Während des Starts", 2}, {"Während eines Seitenaufrufes", 3}}},
     kRemark, "Bitte grenzen Sie den Problem-Zeitpunkt ein.", kNone},
    {2, "Das Problem tritt während des Starts auf.",
     "Was geschieht?",
     {{{"Es erscheint eine Fehlermeldung", 4}, {"Der PC bleibt stehen", 6}, {"Quorix*Info startet nicht", 5}}},
     kRemark, "Wie äußert sich der Fehler?", kNone},
    {3, "Das Problem tritt während eines Seitenaufrufes auf.",
     "Was geschieht?",
     {{{"Es erscheint eine Fehlermeldung", 4}, {"Der PC bleibt stehen", 6}, {"Quorix*Info wird beendet", 89}}},
     kRemark, "Wie äußert sich der Fehler?", kNone},
    {4, "Es erscheint eine Fehlermeldung",
     "Wie äußert sich der Fehler?",
     {{{"Ein normaler Weiterbetrieb ist möglich", 81}, {"Der Weiterbetrieb ist NICHT möglich", 82}, {"Quorix*Info wird nach der Fehlermeldung beendet", 83}}},
     "Bitte schreiben Sie die Fehlermeldung hier hinein:", "", kNone},
    {5, "Quorix*Info startet nicht",
     "Wird eine Fehlermeldung angezeigt?",
     {{{"Ja", 7}, {"Nein", 84}}},
     "Bitte schreiben Sie die Fehlermeldung hier hinein:", "", kNone},
    {6, "Der PC bleibt stehen",
     "Sind noch Tastatureingaben möglich (z.B. \"Strg + Alt + Entf\")?",
     {{{"Ja", 85}, {"Nein", 86}}},
     kRemark, "Hat sich nur die Anwendung aufgehangen, oder ist das gesammte System davon betroffen?", kNone},
    {7, "Es erscheint eine Fehlermeldung",
     "Nach der Fehlermeldung läuft das Betriebssystem instabil (evtl. ist ein Neustart erforderlich)?",
     {{{"Ja", 87}, {"Nein", 88}}},
     "Bitte schreiben Sie die Fehlermeldung hier hinein:", "", kNone},
    Leaf(81, "Ein normaler Weiterbetrieb ist möglich"),
    Leaf(82, "Der Weiterbetrieb ist NICHT möglich"),
    Leaf(83, "Quorix*Info wird nach der Fehlermeldung beendet"),
    Leaf(84, "Es wird keine Fehlermeldung angezeigt."),
    Leaf(85, "Tastatureingaben sind noch möglich."),
    Leaf(86, "Tastatureingaben sind nicht mehr möglich."),
    Leaf(87, "Das Betriebssystem läuft nach der Fehlermeldung instabil."),
    Leaf(88, "Das Betriebssystem läuft nach der Fehlermeldung NICHT instabil."),
    Leaf(89, "Quorix*Info wird von selbst beendet."),
};

// Quorix*Win.
// id, statement, question, options (label, next node), lower label, info text, action
const TreeNode kWinNodes[] = {
    {0, "",
     "Zu welchem Zeitpunkt tritt das Problem auf?",
     {{{"Während des Programmstarts", 2}, {"Während einer Datenabfrage oder eines Tests", 3}}},
     kRemark, "Bitte grenzen Sie den Problem-Zeitpunkt ein.", kNone},
    {2, "Das Problem tritt während des Programmstarts auf.",
     "Was geschieht?",
     {{{"Das Logo erscheint nicht", 4}, {"Das Logo ist bereits sichtbar", 5}, {"Es erscheint eine Fehlermeldung", 6}, {"Quorix*Win wird von selbst beendet", 81}}},
     kRemark, "Wie äußert sich der Fehler?", kNone},
    {3, "Das Problem tritt während einer Datenabfrage oder eines Tests auf.",
     "Was geschieht?",
     {{{"Der PC reagiert nicht mehr", 7}, {"Quorix*Win wird von selbst beendet", 81}, {"Es erscheint eine Fehlermeldung", 6}}},
     kRemark, "Wie äußert sich der Fehler?", kNone},
    {4, "Das Logo erscheint nicht",
     "Was geschieht?",
     {{{"Der PC reagiert nicht mehr", 7}, {"Es erscheint eine Fehlermeldung", 6}, {"Sonstiges", 82}}},
     kRemark, "", kNone},
    {5, "Das Logo ist bereits sichtbar",
     "Was geschieht?",
     {{{"Der PC reagiert nicht mehr", 7}, {"Quorix*Win wird von selbst beendet", 81}, {"Es erscheint eine Fehlermeldung", 6}}},
     kRemark, "", kNone},
    {6, "Eine Fehlermeldung wird angezeigt.",
     "Ist ein normaler Weiterbetrieb möglich?",
     {{{"Ja", 83}, {"Nein", 84}}},
     "Tragen Sie die Fehlermeldung bitte hier ein:", "", kNone},
    {7, "Der PC reagiert nicht mehr",
     "Sind noch Tastatureingaben möglich (z.B. \"Strg + Alt + Entf\")?",
     {{{"Ja", 85}, {"Nein", 86}}},
     "Tragen Sie die Fehlermeldung bitte hier ein:", "", kNone},
    Leaf(81, "Quorix*Win wird von selbst beendet"),
    Leaf(82, "Sonstiges tritt auf (siehe Fehlerbeschreibung)."),
    Leaf(83, "Ein normaler Weiterbetrieb ist möglich."),
    Leaf(84, "Ein normaler Weiterbetrieb ist NICHT möglich."),
    Leaf(85, "Tastatureingaben sind noch möglich."),
    Leaf(86, "Tastatureingaben sind nicht mehr möglich."),
};

// clang-format on

std::vector<TreeNode> MakeVexometerNodes() {
    std::vector<TreeNode> nodes(std::begin(kTestNodes), std::end(kTestNodes));
    for (const TextChange& change : kVexometerChanges) {
        for (TreeNode& node : nodes) {
            if (node.id != change.node)
                continue;
            if (change.option == 0)
                node.statement = change.text;
            else
                node.options[change.option - 1].label = change.text;
        }
    }
    return nodes;
}

} // namespace

int TreeNode::OptionCount() const {
    int count = 0;
    for (const TreeOption& option : options)
        count += option.label.empty() ? 0 : 1;
    return count;
}

const TreeNode* QuestionTree::Find(int id) const {
    for (const TreeNode& node : nodes)
        if (node.id == id)
            return &node;
    return nullptr;
}

const QuestionTree& TestTree() {
    static const QuestionTree tree{kTestNodes};
    return tree;
}

const QuestionTree& VexometerTree() {
    static const std::vector<TreeNode> nodes = MakeVexometerNodes();
    static const QuestionTree tree{nodes};
    return tree;
}

const QuestionTree& InfoTree() {
    static const QuestionTree tree{kInfoNodes};
    return tree;
}

const QuestionTree& WinTree() {
    static const QuestionTree tree{kWinNodes};
    return tree;
}

} // namespace mirel
