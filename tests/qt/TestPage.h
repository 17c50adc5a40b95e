// A page with one control of every kind that logs what reaches it, for the tests that drive
// the Qt host as pages and users do.
#pragma once

#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/Template.h"

namespace mirel::qt::test {

// Edits: kName one line with limit 8, kNotes multi-line taking Return with limit 12, kFixed
// read-only, kMemo multi-line without Return. kNext is the default button, kProduct a clickable
// picture, kHint a hidden static text.
enum : int { kLabel = 10, kName = 20, kNotes = 21, kFixed = 22, kMemo = 23, kRadioA = 30, kRadioB = 31 };
enum : int { kRadioC = 32, kCheck = 40, kList = 50, kNext = 60, kOther = 61, kProduct = 70, kHint = 90 };

inline const DialogTemplate& TestTemplate() {
    using K = ControlKind;
    static const DialogTemplate t = [] {
        DialogTemplate d{9001, "Prüfseite", 100, 100, 358, 280, {}};
        d.controls = {
            {0, K::WhiteRect, "", kNone, 0, 0, 205, 38},
            {0, K::Picture, "", kNone, 206, 0, 152, 38, 150},
            {kLabel, K::Static, "&Name && Firma:", kNone, 10, 50, 60, 10},
            {kName, K::Edit, "", kTabStop | kGroup | kAutoHScroll, 70, 48, 100, 13},
            {kNotes, K::Edit, "", kMultiline | kWantReturn | kVScroll | kTabStop, 10, 66, 160, 40},
            {kFixed, K::Edit, "fest", kReadOnly | kTabStop, 10, 110, 160, 13},
            {kMemo, K::Edit, "", kMultiline | kTabStop, 10, 126, 160, 24},
            {kRadioA, K::RadioButton, "&Erste", kGroup | kTabStop, 188, 58, 70, 10},
            {kRadioB, K::RadioButton, "&Zweite", kNone, 188, 72, 70, 10},
            {kRadioC, K::RadioButton, "Dritte", kNone, 188, 86, 70, 10},
            {kCheck, K::CheckBox, "&Merken", kGroup | kTabStop, 180, 112, 80, 10},
            {kList, K::ComboBox, "", kTabStop, 180, 128, 100, 60, 0, {"Alpha", "Beta", "Gamma"}},
            {kProduct, K::Picture, "", kNotify | kTabStop, 10, 160, 99, 17, 169, {}, "Quorix*Test"},
            {kHint, K::Static, "versteckt", kHidden | kRight, 180, 160, 170, 10},
            {kOther, K::PushButton, "&Andere", kTabStop, 95, 255, 75, 20},
            {kNext, K::PushButton, "&Weiter >>", kDefault | kTabStop, 180, 255, 75, 20},
        };
        return d;
    }();
    return t;
}

class TestPage : public Dialog {
  public:
    TestPage() : Dialog((RegisterTemplate(TestTemplate()), TestTemplate().id)) {}
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
    std::string m_strNotes;
    int m_nChoice = -1;
    int m_bKeep = 0;
    int m_nList = -1;
};

} // namespace mirel::qt::test
