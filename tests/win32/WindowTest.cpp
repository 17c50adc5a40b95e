// The win32 host's page window: the state the page sets lives in the real controls, and what
// the system's controls report of real input reaches the page as its notifications.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Agent.h"
#include "platform/Scope.h"
#include "platform/win32/Win32Window.h"
#include "tests/unit/Gallery.h"

namespace mirel::win32 {
namespace {

// Runs `act` on the shown gallery page, then closes it.
class OneStep : public Agent {
  public:
    explicit OneStep(std::function<void(test::GalleryDlg&, Win32Window&)> act) : m_act(std::move(act)) {}
    void PageShown(Dialog& page) override {
        auto& gallery = static_cast<test::GalleryDlg&>(page);
        auto* window = dynamic_cast<Win32Window*>(page.GetWindow());
        ASSERT_NE(window, nullptr);
        window->Pump();
        m_act(gallery, *window);
    }
    void Step(Dialog& page) override { page.EndDialog(kIdCancel); }

  private:
    std::function<void(test::GalleryDlg&, Win32Window&)> m_act;
};

void WithGallery(const std::function<void(test::GalleryDlg&, Win32Window&)>& act) {
    Win32Host host;
    OneStep agent(act);
    const PlatformScope scope(&host, nullptr, &agent);
    test::GalleryDlg page;
    page.DoModal();
}

// A person's click: the press and release go through the page's message handling.
void Click(Win32Window& w, int id) {
    const HWND h = w.Item(id);
    RECT rc{};
    ::GetClientRect(h, &rc);
    const LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
    for (const UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
        ::PostMessageW(h, m, m == WM_LBUTTONDOWN ? MK_LBUTTON : 0, at);
        w.Pump();
    }
}

void Type(Win32Window& w, int id, const wchar_t* text) {
    for (const wchar_t* c = text; *c != 0; ++c)
        ::SendMessageW(w.Item(id), WM_CHAR, static_cast<WPARAM>(*c), 1);
    w.Pump();
}

TEST(Win32Window, ProgramStateLivesInTheControls) {
    WithGallery([](test::GalleryDlg& page, Win32Window& w) {
        EXPECT_EQ(w.GetText(1101), "line"); // data exchange on opening
        EXPECT_EQ(w.GetLimit(1101), 8);
        w.SetText(1102, "Gr\xC3\xBC\xC3\x9F"
                        "e\r\n\xE2\x82\xAC und \xE6\x97\xA5");
        EXPECT_EQ(w.GetText(1102), "Gr\xC3\xBC\xC3\x9F"
                                   "e\r\n\xE2\x82\xAC und ?");
        EXPECT_FALSE(w.GetModify(1102));
        w.SetModify(1102, true);
        EXPECT_TRUE(w.GetModify(1102));
        w.SetCheck(1130, 1);
        EXPECT_EQ(w.GetCheck(1130), 1);
        EXPECT_EQ(w.GetCount(1140), 3);
        w.SetCurSel(1140, 1);
        EXPECT_EQ(w.GetCurSel(1140), 1);
        EXPECT_EQ(w.GetText(1140), "DR-DOS");
        w.SetCurSel(1140, 7);
        EXPECT_EQ(w.GetCurSel(1140), -1);
        EXPECT_FALSE(w.IsVisible(1121));
        EXPECT_FALSE(w.IsEnabled(1151));
        EXPECT_TRUE(w.IsReadOnly(1103));
        w.SetReadOnly(1103, false);
        EXPECT_FALSE(w.IsReadOnly(1103));
        w.Show(1121, true);
        EXPECT_TRUE(w.IsVisible(1121));
        w.SetCaption("Pr\xC3\xBC"
                     "fung");
        EXPECT_EQ(w.GetCaption(), "Pr\xC3\xBC"
                                  "fung");
        // Nothing of this was user input; only the opening focus was reported.
        EXPECT_EQ(page.m_strTrace, "setfocus 1171\n");
    });
}

TEST(Win32Window, RealInputReachesThePage) {
    struct Case {
        const char* what;
        std::function<void(Win32Window&)> input;
        const char* trace;
        int checkBox;
        const char* line;
    };
    const Case cases[] = {
        {"a click on a check box moves the focus, then toggles it", [](Win32Window& w) { Click(w, 1130); },
         "setfocus 1171\nkillfocus 1171\nsetfocus 1130\nclick 1130\n", 1, "line"},
        {"a click on a radio button", [](Win32Window& w) { Click(w, 1112); },
         "setfocus 1171\nkillfocus 1171\nsetfocus 1112\nclick 1112\n", 0, "line"},
        {"typed keys: one change each, the limit refuses the rest",
         [](Win32Window& w) {
             ::SendMessageW(w.Item(1101), EM_SETSEL, 4, 4);
             Type(w, 1101, L"12345");
         },
         "setfocus 1171\nchange 1101\nchange 1101\nchange 1101\nchange 1101\n", 0, "line1234"},
        {"the close box", [](Win32Window& w) { ::SendMessageW(w.Handle(), WM_CLOSE, 0, 0); },
         "setfocus 1171\nclose\n", 0, "line"},
        {"Escape goes to the page", [](Win32Window& w) { w.InputKey(Key::Escape); },
         "setfocus 1171\ncancel\n", 0, "line"},
        {"a key press of the person in the modal loop: Space on the focused check box",
         [](Win32Window& w) {
             Click(w, 1130);
             MSG msg{w.Item(1130), WM_KEYDOWN, VK_SPACE, 1, 0, {}};
             EXPECT_TRUE(w.RouteKey(msg));
         },
         "setfocus 1171\nkillfocus 1171\nsetfocus 1130\nclick 1130\nclick 1130\n", 0, "line"},
        {"typed characters through the host: '?' for what cp1252 lacks, the limit refuses",
         [](Win32Window& w) {
             w.InputClick(1101);
             w.InputKey(Key::End);
             w.InputKey(Key::SelectAll);
             for (const char* ch : {"\xC3\xA4", "\xE6\x97\xA5", "b", "c", "d", "e", "f", "g", "h", "i"})
                 w.InputChar(ch);
         },
         "setfocus 1171\nkillfocus 1171\nsetfocus 1101\nchange 1101\nchange 1101\nchange 1101\nchange 1101\n"
         "change 1101\nchange 1101\nchange 1101\nchange 1101\n",
         0, "\xC3\xA4?bcdefg"},
        {"a paste is one change, cut by the limit",
         [](Win32Window& w) {
             w.InputClick(1101);
             w.InputPaste("12\n345678");
         },
         "setfocus 1171\nkillfocus 1171\nsetfocus 1101\nchange 1101\n", 0, "line1234"},
    };
    for (const Case& c : cases) {
        WithGallery([&c](test::GalleryDlg& page, Win32Window& w) {
            c.input(w);
            EXPECT_EQ(page.m_strTrace, c.trace) << c.what;
            EXPECT_EQ(w.GetCheck(1130), c.checkBox) << c.what;
            EXPECT_EQ(w.GetText(1101), c.line) << c.what;
        });
    }
}

} // namespace
} // namespace mirel::win32
