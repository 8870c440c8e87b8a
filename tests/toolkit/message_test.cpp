// Message boxes driven as a user drives them: a thread timer, which the
// box's modal loop dispatches, reads the box on the screen and presses its
// buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "harness.h"

namespace {

const int kEnter = 0;  // a press that is the Enter key rather than a button
const int kHelpId = 9;

// What the user sees of a box on one timer tick.
struct BoxView {
    std::string caption;
    std::vector<int> buttons;  // visible buttons, left to right, by control id
    int defPushId = 0;         // the button drawn as the default (BS_DEFPUSHBUTTON)
    int focusId = 0;           // the button Enter presses
    HICON icon = nullptr;      // the visible icon, if any
    std::vector<std::string> texts;
};

struct Driver {
    std::vector<int> presses;  // done one per tick while the box is open
    size_t next = 0;
    std::vector<BoxView> views;  // one per tick on which a box was open
    bool stuck = false;          // the box stayed open after the last press
    int ticks = 0;
};
Driver g_driver;

std::string ClassOf(HWND w) {
    char name[64] = "";
    GetClassNameA(w, name, sizeof name);
    return name;
}

BOOL CALLBACK FindBox(HWND w, LPARAM lp) {
    if (ClassOf(w) == "#32770" && IsWindowVisible(w)) {
        *reinterpret_cast<HWND *>(lp) = w;
        return FALSE;
    }
    return TRUE;
}

HWND ThreadBox() {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, (LPARAM)&box);
    return box;
}

struct SeenButton {
    int id;
    LONG left;
};

struct Reading {
    BoxView view;
    std::vector<SeenButton> buttons;
};

BOOL CALLBACK ReadChild(HWND child, LPARAM lp) {
    Reading &r = *reinterpret_cast<Reading *>(lp);
    if (!IsWindowVisible(child)) return TRUE;
    LONG style = GetWindowLongA(child, GWL_STYLE);
    std::string cls = ClassOf(child);
    if (lstrcmpiA(cls.c_str(), "Button") == 0) {
        RECT rect;
        GetWindowRect(child, &rect);
        r.buttons.push_back({GetDlgCtrlID(child), rect.left});
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) r.view.defPushId = GetDlgCtrlID(child);
    } else if (lstrcmpiA(cls.c_str(), "Static") == 0) {
        if ((style & SS_TYPEMASK) == SS_ICON)
            r.view.icon = (HICON)SendMessageA(child, STM_GETICON, 0, 0);
        else
            r.view.texts.push_back(TextOf(child));
    }
    return TRUE;
}

BoxView Read(HWND box) {
    Reading r;
    r.view.caption = TextOf(box);
    EnumChildWindows(box, ReadChild, (LPARAM)&r);
    std::sort(r.buttons.begin(), r.buttons.end(),
              [](const SeenButton &a, const SeenButton &b) { return a.left < b.left; });
    for (const SeenButton &b : r.buttons) r.view.buttons.push_back(b.id);
    // Wine's box marks its default by style and focus only; DM_GETDEFID
    // answers IDOK whatever the default.
    HWND focus = GetFocus();
    if (focus && IsChild(box, focus)) r.view.focusId = GetDlgCtrlID(focus);
    return r.view;
}

void Press(HWND box, int what) {
    if (what == kEnter) {
        HWND focus = GetFocus();
        HWND target = focus && IsChild(box, focus) ? focus : box;
        PostMessageA(target, WM_KEYDOWN, VK_RETURN, 1 | (0x1C << 16));
        PostMessageA(target, WM_KEYUP, VK_RETURN, 1 | (0x1C << 16) | (3u << 30));
    } else {
        SendMessageA(GetDlgItem(box, what), BM_CLICK, 0, 0);
    }
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    ++g_driver.ticks;
    HWND box = ThreadBox();
    if (!box) return;
    g_driver.views.push_back(Read(box));
    if (g_driver.next < g_driver.presses.size()) {
        Press(box, g_driver.presses[g_driver.next++]);
    } else {
        // The presses did not close it: close it so the test ends.
        g_driver.stuck = true;
        EndDialog(box, 0);
    }
}

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override {
        g_driver = Driver();
        owner = kt_WindowCreate(GetModuleHandleA(NULL), UniqueTitle("boxes").c_str(), 40, 40, 300,
                                200, "MIN_MAX_CLO");
        ASSERT_NE(owner, nullptr);
        PumpMessages();
    }
    void TearDown() override {
        kt_WindowDestroy(owner);
        PumpMessages();
    }
    // Arms the timer, then shows the box through the toolkit.
    int Answer(std::vector<int> presses, const char *icon, const char *buttons) {
        g_driver.presses = std::move(presses);
        UINT_PTR timer = SetTimer(NULL, 0, 50, OnTick);
        int answer = kt_MessageBox(owner, "Arkmeter", "Fortsätta?", icon, buttons);
        KillTimer(NULL, timer);
        return answer;
    }
    int Show(std::vector<int> presses, char *text, const char *option) {
        g_driver.presses = std::move(presses);
        UINT_PTR timer = SetTimer(NULL, 0, 50, OnTick);
        int result = kt_MessageShow(owner, "Meddelande", text, option);
        KillTimer(NULL, timer);
        return result;
    }
    HWND owner = nullptr;
};

struct ButtonSet {
    const char *keyword;
    std::vector<int> buttons;
    int defaultId;
    int answerOnEnter;  // a Help default answers after a second press of the first button
};

const char *Shown(const char *keyword) { return keyword ? (*keyword ? keyword : "(empty)") : "(null)"; }

void PrintTo(const ButtonSet &s, std::ostream *out) { *out << Shown(s.keyword); }

class ButtonSets : public MessageBoxes, public ::testing::WithParamInterface<ButtonSet> {};

TEST_P(ButtonSets, ShowTheButtonsAndAnswerEnterWithTheDefault) {
    const ButtonSet &s = GetParam();
    bool helpDefault = s.defaultId == kHelpId;
    std::vector<int> presses = {kEnter};
    if (helpDefault) presses.push_back(s.buttons[0]);
    EXPECT_EQ(Answer(presses, "", s.keyword), s.answerOnEnter);
    EXPECT_FALSE(g_driver.stuck);
    ASSERT_FALSE(g_driver.views.empty()) << "no box appeared";
    const BoxView &v = g_driver.views[0];
    EXPECT_EQ(v.buttons, s.buttons);
    EXPECT_EQ(v.defPushId, s.defaultId);
    EXPECT_EQ(v.focusId, s.defaultId);
    EXPECT_EQ(v.icon, nullptr);
    EXPECT_EQ(v.caption, "Arkmeter");
    if (helpDefault) {
        EXPECT_EQ(g_driver.views.size(), 2u) << "Enter on Help must leave the box open";
    }
}

const int OK = IDOK, CA = IDCANCEL, AB = IDABORT, RE = IDRETRY, IG = IDIGNORE, YE = IDYES,
          NO = IDNO, HE = kHelpId;

INSTANTIATE_TEST_SUITE_P(
    Boxes, ButtonSets,
    ::testing::Values(
        ButtonSet{"OK", {OK}, OK, 5}, ButtonSet{"OK_help", {OK, HE}, OK, 5},
        ButtonSet{"ok_HELP", {OK, HE}, HE, 5}, ButtonSet{"OK_cancel", {OK, CA}, OK, 5},
        ButtonSet{"ok_CANCEL", {OK, CA}, CA, 6},
        ButtonSet{"OK_cancel_help", {OK, CA, HE}, OK, 5},
        ButtonSet{"ok_CANCEL_help", {OK, CA, HE}, CA, 6},
        ButtonSet{"ok_cancel_HELP", {OK, CA, HE}, HE, 5},
        ButtonSet{"RETRY_cancel", {RE, CA}, RE, 3}, ButtonSet{"retry_CANCEL", {RE, CA}, CA, 6},
        ButtonSet{"RETRY_cancel_help", {RE, CA, HE}, RE, 3},
        ButtonSet{"retry_CANCEL_help", {RE, CA, HE}, CA, 6},
        ButtonSet{"retry_cancel_HELP", {RE, CA, HE}, HE, 3},
        ButtonSet{"YES_no", {YE, NO}, YE, 4}, ButtonSet{"yes_NO", {YE, NO}, NO, 1},
        ButtonSet{"YES_no_help", {YE, NO, HE}, YE, 4},
        ButtonSet{"yes_NO_help", {YE, NO, HE}, NO, 1},
        ButtonSet{"yes_no_HELP", {YE, NO, HE}, HE, 4},
        ButtonSet{"YES_no_cancel", {YE, NO, CA}, YE, 4},
        ButtonSet{"yes_NO_cancel", {YE, NO, CA}, NO, 1},
        ButtonSet{"yes_no_CANCEL", {YE, NO, CA}, CA, 6},
        ButtonSet{"YES_no_cancel_help", {YE, NO, CA, HE}, YE, 4},
        ButtonSet{"yes_NO_cancel_help", {YE, NO, CA, HE}, NO, 1},
        ButtonSet{"yes_no_CANCEL_help", {YE, NO, CA, HE}, CA, 6},
        ButtonSet{"yes_no_cancel_HELP", {YE, NO, CA, HE}, HE, 4},
        ButtonSet{"CANCEL_retry_ignore", {AB, RE, IG}, AB, 6},
        ButtonSet{"cancel_RETRY_ignore", {AB, RE, IG}, RE, 3},
        ButtonSet{"cancel_retry_IGNORE", {AB, RE, IG}, IG, 2},
        ButtonSet{"CANCEL_retry_ignore_help", {AB, RE, IG, HE}, AB, 6},
        ButtonSet{"cancel_RETRY_ignore_help", {AB, RE, IG, HE}, RE, 3},
        ButtonSet{"cancel_retry_IGNORE_help", {AB, RE, IG, HE}, IG, 2},
        ButtonSet{"cancel_retry_ignore_HELP", {AB, RE, IG, HE}, HE, 6},
        // Outside the table: OK alone.
        ButtonSet{"yes_no_cancel", {OK}, OK, 5}, ButtonSet{"YES_NO", {OK}, OK, 5},
        ButtonSet{"ok", {OK}, OK, 5}, ButtonSet{"", {OK}, OK, 5},
        ButtonSet{nullptr, {OK}, OK, 5}));

struct Pressing {
    const char *keyword;
    int button;
    int answer;
};

void PrintTo(const Pressing &p, std::ostream *out) { *out << p.keyword << " button " << p.button; }

class Pressings : public MessageBoxes, public ::testing::WithParamInterface<Pressing> {};

TEST_P(Pressings, EachButtonHasItsAnswer) {
    const Pressing &p = GetParam();
    EXPECT_EQ(Answer({p.button}, "QUESTION", p.keyword), p.answer);
    EXPECT_EQ(g_driver.views.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, Pressings,
    ::testing::Values(Pressing{"YES_no_cancel", IDNO, 1}, Pressing{"cancel_retry_IGNORE", IDIGNORE, 2},
                      Pressing{"cancel_retry_IGNORE", IDRETRY, 3}, Pressing{"yes_NO", IDYES, 4},
                      Pressing{"ok_CANCEL", IDOK, 5}, Pressing{"OK_cancel", IDCANCEL, 6},
                      // The abort button answers like Cancel.
                      Pressing{"cancel_retry_IGNORE", IDABORT, 6},
                      Pressing{"RETRY_cancel_help", IDCANCEL, 6}));

// Help is for the owner (WM_HELP; Wine 8 does not send it yet): the box stays.
TEST_F(MessageBoxes, HelpKeepsTheBoxOpen) {
    EXPECT_EQ(Answer({kHelpId, IDOK}, "INFORMATION", "OK_cancel_help"), 5);
    ASSERT_EQ(g_driver.views.size(), 2u);
    EXPECT_FALSE(g_driver.stuck);
    EXPECT_EQ(g_driver.views[1].buttons, (std::vector<int>{IDOK, IDCANCEL, kHelpId}));
}

struct IconCase {
    const char *keyword;
    LPCSTR systemIcon;  // null: no icon
};

void PrintTo(const IconCase &c, std::ostream *out) { *out << Shown(c.keyword); }

class Icons : public MessageBoxes, public ::testing::WithParamInterface<IconCase> {};

TEST_P(Icons, KeywordChoosesTheSystemIcon) {
    const IconCase &c = GetParam();
    EXPECT_EQ(Answer({kEnter}, c.keyword, "OK"), 5);
    ASSERT_EQ(g_driver.views.size(), 1u);
    HICON expected = c.systemIcon ? LoadIconA(NULL, c.systemIcon) : nullptr;
    EXPECT_EQ(g_driver.views[0].icon, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, Icons,
    ::testing::Values(IconCase{"EXCLAMATION", IDI_EXCLAMATION},
                      IconCase{"INFORMATION", IDI_ASTERISK}, IconCase{"QUESTION", IDI_QUESTION},
                      IconCase{"STOP", IDI_HAND}, IconCase{"question", nullptr},
                      IconCase{"WARNING", nullptr}, IconCase{"", nullptr},
                      IconCase{nullptr, nullptr}));

struct ShowOption {
    const char *option;
    bool emptied;
};

void PrintTo(const ShowOption &o, std::ostream *out) { *out << "option " << Shown(o.option); }

class ShowOptions : public MessageBoxes, public ::testing::WithParamInterface<ShowOption> {};

TEST_P(ShowOptions, OnlyDEmptiesTheText) {
    char text[32] = "Plåten är klar";
    EXPECT_EQ(Show({kEnter}, text, GetParam().option), 0);
    ASSERT_EQ(g_driver.views.size(), 1u);
    const BoxView &v = g_driver.views[0];
    EXPECT_EQ(v.caption, "Meddelande");
    EXPECT_EQ(v.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(v.icon, nullptr);
    EXPECT_NE(std::find(v.texts.begin(), v.texts.end(), "Plåten är klar"), v.texts.end());
    EXPECT_STREQ(text, GetParam().emptied ? "" : "Plåten är klar");
}

INSTANTIATE_TEST_SUITE_P(Boxes, ShowOptions,
                         ::testing::Values(ShowOption{"D", true}, ShowOption{"d", false},
                                           ShowOption{"DD", false}, ShowOption{"", false},
                                           ShowOption{nullptr, false}));

}  // namespace
