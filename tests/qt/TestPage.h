// A page with one control of every kind, for the tests that drive the Qt host like a page does.
#pragma once

#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Template.h"

namespace mirel::qt::test {

enum : int {
    kLabel = 10,
    kName = 20,  // one line, limit 8
    kNotes = 21, // multi-line with want-return, limit 12
    kFixed = 22, // read-only one line
    kMemo = 23,  // multi-line without want-return
    kRadioA = 30,
    kRadioB = 31,
    kRadioC = 32,
    kCheck = 40,
    kList = 50,
    kNext = 60, // default button
    kOther = 61,
    kProduct = 70, // clickable picture
    kBox = 80,
    kHiddenText = 90,
};

inline const DialogTemplate& TestTemplate() {
    using K = ControlKind;
    static const DialogTemplate t = [] {
        DialogTemplate d{9001,
                         "Pr\xC3\xBC"
                         "fseite",
                         100,
                         100,
                         358,
                         280,
                         {}};
        d.controls = {
            {0, K::WhiteRect, "", kNone, 0, 0, 205, 38},
            {0, K::Picture, "", kNone, 206, 0, 152, 38, 150},
            {0, K::Picture, "", kNone, 0, 39, 200, 1, 153},
            {kLabel, K::Static, "&Name && Firma:", kNone, 10, 50, 60, 10},
            {kName, K::Edit, "", kTabStop | kGroup | kAutoHScroll, 70, 48, 100, 13, 0, {}, "name"},
            {kNotes,
             K::Edit,
             "",
             kMultiline | kWantReturn | kVScroll | kTabStop,
             10,
             66,
             160,
             40,
             0,
             {},
             "notes"},
            {kFixed, K::Edit, "fest", kReadOnly | kTabStop, 10, 110, 160, 13, 0, {}, "fixed"},
            {kMemo, K::Edit, "", kMultiline | kTabStop, 10, 126, 160, 24, 0, {}, "memo"},
            {kBox, K::GroupBox, "Auswahl", kNone, 180, 46, 170, 60},
            {kRadioA, K::RadioButton, "&Erste", kGroup | kTabStop, 188, 58, 70, 10, 0, {}, "radio-a"},
            {kRadioB, K::RadioButton, "&Zweite", kNone, 188, 72, 70, 10, 0, {}, "radio-b"},
            {kRadioC,
             K::RadioButton,
             "Dritte Wahl mit einem langen Text",
             kMultiline,
             188,
             86,
             70,
             18,
             0,
             {},
             "radio-c"},
            {kCheck, K::CheckBox, "&Merken", kGroup | kTabStop, 180, 112, 80, 10, 0, {}, "check"},
            {kList, K::ComboBox, "", kTabStop, 180, 128, 100, 60, 0, {"Alpha", "Beta", "Gamma"}, "list"},
            {kProduct, K::Picture, "", kNotify | kTabStop, 10, 160, 99, 17, 169, {}, "Quorix*Test"},
            {kHiddenText, K::Static, "versteckt", kHidden | kRight, 180, 160, 170, 10},
            {kOther, K::PushButton, "&Andere", kTabStop, 95, 255, 75, 20, 0, {}, "other"},
            {kNext, K::PushButton, "&Weiter >>", kDefault | kTabStop, 180, 255, 75, 20, 0, {}, "next"},
        };
        return d;
    }();
    return t;
}

// Logs every notification and the Enter/Escape/close commands, and binds members to controls
// as pages do.
class TestPage : public Dialog {
  public:
    TestPage() : Dialog(Register()) {}
    const char* ClassName() const override { return "CTestPage"; }

    void DoDataExchange(DataExchange& dx) override {
        dx.Text(kName, m_strName, 8);
        dx.Text(kNotes, m_strNotes, 12);
        dx.Radio(kRadioA, m_nChoice);
        dx.Check(kCheck, m_bKeep);
        dx.ListIndex(kList, m_nList);
    }
    void OnCommand(int id, Notify code) override {
        static const char* const names[] = {"clicked", "setfocus", "killfocus",
                                            "change",  "dropdown", "selchange"};
        log.push_back(std::to_string(id) + " " + names[static_cast<int>(code)]);
    }
    void OnOK() override { log.push_back("ok"); }
    void OnCancel() override { log.push_back("cancel"); }
    void OnClose() override { log.push_back("close"); }

    std::vector<std::string> log;
    std::string m_strName;
    std::string m_strNotes = "Zeile 1\r\nZeile 2";
    int m_nChoice = -1;
    int m_bKeep = 0;
    int m_nList = -1;

  private:
    static int Register() {
        RegisterTemplate(TestTemplate());
        return TestTemplate().id;
    }
};

} // namespace mirel::qt::test
