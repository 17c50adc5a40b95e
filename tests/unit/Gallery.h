// A test page with one control of every kind, which records every notification it receives.
#pragma once

#include <string>

#include "platform/Dialog.h"
#include "platform/Services.h"

namespace mirel::test {

inline const DialogTemplate& GalleryTemplate() {
    using K = ControlKind;
    static const DialogTemplate t{
        900,
        "Gallery",
        100,
        100,
        358,
        280,
        {
            {0, K::WhiteRect, "", kNone, 0, 0, 205, 38},
            {0, K::Picture, "", kNone, 206, 0, 152, 38, 150},
            {1171, K::Edit, "", kMultiline | kNoBorder | kTabStop, 5, 5, 175, 30},
            {1100, K::Static, "Label &text", kRight, 5, 45, 60, 10},
            {1101, K::Edit, "", kAutoHScroll | kTabStop | kGroup, 70, 45, 100, 12},
            {1102, K::Edit, "", kMultiline | kWantReturn | kVScroll | kTabStop, 70, 60, 150, 40},
            {1103, K::Edit, "fixed", kReadOnly | kTabStop, 230, 45, 100, 12},
            {1104, K::Edit, "", kAutoHScroll, 230, 60, 100, 12},
            {1110, K::GroupBox, "Group", kNone, 5, 105, 170, 60},
            {1111, K::RadioButton, "One", kGroup | kTabStop, 10, 115, 60, 10},
            {1112, K::RadioButton, "Two", kNone, 10, 130, 60, 10},
            {1113, K::Static, "between", kNone, 80, 130, 60, 10},
            {1114, K::RadioButton, "Three", kNone, 10, 145, 60, 10},
            {1120, K::RadioButton, "Other group", kGroup | kTabStop, 190, 115, 80, 10},
            {1121, K::RadioButton, "Hidden", kHidden, 190, 130, 80, 10},
            {1130, K::CheckBox, "Check", kTabStop | kGroup, 190, 145, 80, 10},
            {1140,
             K::ComboBox,
             "",
             kTabStop | kGroup,
             10,
             175,
             100,
             80,
             {},
             {"MS-DOS", "DR-DOS", "Andere/Other"}},
            {1150, K::Picture, "", kNotify | kTabStop, 120, 175, 99, 17, 169, {}, "Quorix*Test"},
            {1151, K::Edit, "", kDisabled | kTabStop, 230, 175, 100, 12},
            {1015, K::PushButton, "<< &Zurück", kTabStop, 95, 255, 75, 20},
            {1016, K::PushButton, "&Weiter >>", kDefault | kTabStop, 180, 255, 75, 20},
        },
    };
    return t;
}

class GalleryDlg : public Dialog {
  public:
    GalleryDlg() : Dialog((RegisterTemplate(GalleryTemplate()), 900)) {}
    const char* ClassName() const override { return "GalleryDlg"; }

    void DoDataExchange(DataExchange& dx) override {
        dx.Text(1101, m_strLine, 8);
        dx.Text(1102, m_strLines, 40);
        dx.Text(1104, m_strRefreshed, 20);
        dx.Radio(1111, m_nRadio);
        dx.Check(1130, m_bCheck);
        dx.ListIndex(1140, m_nList);
    }
    void OnCommand(int id, Notify code) override {
        // 1104 refreshes every control on each key, as many pages do, and reports nothing.
        if (id == 1104) {
            UpdateData(true);
            UpdateData(false);
            return;
        }
        static const char* const kCodes[] = {"click",  "setfocus", "killfocus",
                                             "change", "dropdown", "selchange"};
        m_strTrace += std::string(kCodes[static_cast<int>(code)]) + ' ' + std::to_string(id) + '\n';
        if (id == 1016 && code == Notify::Clicked) {
            UpdateData(true);
            EndDialog(kIdOk);
        }
        if (id == 1015 && code == Notify::Clicked)
            EndDialog(kIdCancel);
    }
    void OnOK() override { m_strTrace += "ok\n"; }
    void OnCancel() override { m_strTrace += "cancel\n"; }
    void OnClose() override { m_strTrace += "close\n"; }

    std::string m_strTrace;
    std::string m_strLine = "line";
    std::string m_strLines;
    std::string m_strRefreshed;
    int m_nRadio = -1;
    int m_bCheck = 0;
    int m_nList = -1;
};

} // namespace mirel::test
