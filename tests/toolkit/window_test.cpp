// Top-level windows: the keyword tables against the real window and class
// styles, restyling, moving and sizing.
#include <gtest/gtest.h>

#include <cstdio>

#include "harness.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleA(NULL); }

DWORD StyleOf(HWND w) { return (DWORD)GetWindowLongPtrA(w, GWL_STYLE); }
DWORD ExStyleOf(HWND w) { return (DWORD)GetWindowLongPtrA(w, GWL_EXSTYLE); }
DWORD ClassStyleOf(HWND w) { return (DWORD)GetClassLongPtrA(w, GCL_STYLE); }

RECT OuterOf(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return r;
}

// Bits the system adds by itself (visibility, sibling clipping, the caption
// it gives every overlapped window).
const DWORD kSystemStyleBits = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION;
const DWORD kKeywordExBits = WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP;

struct FrameRow {
    const char *keyword;
    DWORD style, exStyle, classStyle;
};

class FrameKeywords : public ::testing::TestWithParam<FrameRow> {};

TEST_P(FrameKeywords, CreationAddsTheKeywordsStyles) {
    const FrameRow &row = GetParam();
    std::string title = UniqueTitle(row.keyword);
    HWND w = kt_WindowCreate(Instance(), title.c_str(), 10, 10, 300, 100, row.keyword);
    ASSERT_NE(w, nullptr) << GetLastError() << " " << title;
    DWORD expected = WS_CLIPCHILDREN | row.style;
    if (!(row.style & WS_POPUP)) expected &= ~kSystemStyleBits;
    DWORD actual = StyleOf(w);
    if (!(row.style & WS_POPUP)) actual &= ~kSystemStyleBits;
    else actual &= ~(WS_VISIBLE | WS_CLIPSIBLINGS);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(ExStyleOf(w) & kKeywordExBits, row.exStyle);
    EXPECT_EQ(ClassStyleOf(w), CS_DBLCLKS | row.classStyle);
    EXPECT_TRUE(IsWindowVisible(w));
    DestroyWindow(w);
}

const DWORD MM = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
INSTANTIATE_TEST_SUITE_P(
    Table, FrameKeywords,
    ::testing::Values(FrameRow{"NOLIST", WS_POPUP | WS_DLGFRAME, 0, 0},
                      FrameRow{"TOOLWIN", 0, WS_EX_TOOLWINDOW, 0},
                      FrameRow{"TOOLWIN_NOCLO", WS_SYSMENU, WS_EX_TOOLWINDOW, CS_NOCLOSE},
                      FrameRow{"TOOLWIN_CLO", WS_SYSMENU, WS_EX_TOOLWINDOW, 0},
                      FrameRow{"EMPTYLIST", WS_CAPTION, 0, 0},
                      FrameRow{"NOCLO", WS_CAPTION | WS_SYSMENU, 0, CS_NOCLOSE},
                      FrameRow{"CLO", WS_CAPTION | WS_SYSMENU, 0, 0},
                      FrameRow{"QUE_NOCLO", WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, CS_NOCLOSE},
                      FrameRow{"QUE_CLO", WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, 0},
                      FrameRow{"NOMIN_MAX_NOCLO", WS_SYSMENU | WS_MAXIMIZEBOX, 0, CS_NOCLOSE},
                      FrameRow{"MIN_NOMAX_NOCLO", WS_SYSMENU | WS_MINIMIZEBOX, 0, CS_NOCLOSE},
                      FrameRow{"MIN_NOMAX_CLO", WS_SYSMENU | WS_MINIMIZEBOX, 0, 0},
                      FrameRow{"NOMIN_MAX_CLO", WS_SYSMENU | WS_MAXIMIZEBOX, 0, 0},
                      FrameRow{"MIN_MAX_NOCLO", MM, 0, CS_NOCLOSE},
                      FrameRow{"MIN_MAX_CLO", MM, 0, 0},
                      FrameRow{"", 0, 0, 0},
                      FrameRow{"min_max_clo", 0, 0, 0}),
    [](const ::testing::TestParamInfo<FrameRow> &info) {
        return info.param.keyword[0] ? std::string(info.param.keyword) + "_" + std::to_string(info.index)
                                     : std::string("empty");
    });

TEST(Window, CalculatorFrameGivesClassAndStylesAndCaptionHeight) {
    HWND w = kt_WindowCreate(Instance(), "Arkmeter", 180, 200, 800, 200, "MIN_MAX_CLO");
    ASSERT_NE(w, nullptr);
    char name[64];
    GetClassNameA(w, name, sizeof name);
    EXPECT_STREQ(name, "Arkmeter");
    EXPECT_EQ(ClassStyleOf(w), (DWORD)CS_DBLCLKS);
    EXPECT_EQ(StyleOf(w) & ~kSystemStyleBits, (DWORD)(WS_CLIPCHILDREN | MM));
    EXPECT_EQ(ExStyleOf(w) & ~WS_EX_WINDOWEDGE, 0u);
    RECT r = OuterOf(w);
    EXPECT_EQ(r.left, 180);
    EXPECT_EQ(r.top, 200);
    EXPECT_EQ(r.right - r.left, 800);
    EXPECT_EQ(r.bottom - r.top, 200 + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), (LONG_PTR)AppWindowProc);
}

TEST(Window, SameTitleTwiceGivesNullEvenAfterTheFirstIsGone) {
    std::string title = UniqueTitle("twice");
    HWND first = kt_WindowCreate(Instance(), title.c_str(), 0, 0, 100, 100, "CLO");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(kt_WindowCreate(Instance(), title.c_str(), 0, 0, 100, 100, "CLO"), nullptr);
    EXPECT_EQ(kt_WindowDestroy(first), 0);
    EXPECT_EQ(kt_WindowCreate(Instance(), title.c_str(), 0, 0, 100, 100, "CLO"), nullptr);
    EXPECT_EQ(kt_WindowDestroy(first), 1);
}

TEST(Window, EmptyTitleNamesTheClassAfterTheInstance) {
    HWND w = kt_WindowCreate(Instance(), "", 0, 0, 100, 100, "CLO");
    ASSERT_NE(w, nullptr);
    char expected[64], name[64];
    snprintf(expected, sizeof expected, "Class%li", (long)(LONG_PTR)Instance());
    GetClassNameA(w, name, sizeof name);
    EXPECT_STREQ(name, expected);
}

TEST(Window, LongTitlesAreCutToTheClassNameBuffer) {
    std::string title(400, 'T');
    HWND w = kt_WindowCreate(Instance(), title.c_str(), 0, 0, 100, 100, "CLO");
    ASSERT_NE(w, nullptr);
    char name[300];
    GetClassNameA(w, name, sizeof name);
    EXPECT_EQ(std::string(name), std::string(249, 'T'));
}

struct RestyleRow {
    const char *keyword;
    DWORD exStyle, style, classStyle;
};

class ModifyKeywords : public ::testing::TestWithParam<RestyleRow> {};

const DWORD RC = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
const DWORD CM = WS_CAPTION | WS_SYSMENU;

TEST_P(ModifyKeywords, WritesAllThreeStylesWholeAndKeepsTheRectangle) {
    const RestyleRow &row = GetParam();
    HWND w = kt_WindowCreate(Instance(), UniqueTitle("modify").c_str(), 40, 30, 300, 100, "MIN_MAX_CLO");
    kt_WindowHide(w);
    RECT before = OuterOf(w);
    EXPECT_EQ(kt_WindowModify(w, row.keyword), 0);
    EXPECT_EQ(StyleOf(w) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), row.style);
    EXPECT_EQ(ExStyleOf(w) & (WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP), row.exStyle & (WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP));
    EXPECT_EQ(ClassStyleOf(w), row.classStyle);
    RECT after = OuterOf(w);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(kt_LastX, 0);
    EXPECT_EQ(kt_LastY, 0);
    EXPECT_TRUE(IsWindowVisible(w));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ModifyKeywords,
    ::testing::Values(RestyleRow{"NOLIST", WS_EX_WINDOWEDGE, WS_POPUP | WS_DLGFRAME, RC},
                      RestyleRow{"TOOLWIN", WS_EX_TOOLWINDOW, WS_CAPTION, RC},
                      RestyleRow{"TOOLWIN_NOCLO", WS_EX_TOOLWINDOW, CM, CS_NOCLOSE | RC},
                      RestyleRow{"TOOLWIN_CLO", WS_EX_TOOLWINDOW, CM, RC},
                      RestyleRow{"EMPTYLIST", WS_EX_WINDOWEDGE, WS_CAPTION, RC},
                      RestyleRow{"NOCLO", WS_EX_WINDOWEDGE, CM, CS_NOCLOSE | RC},
                      RestyleRow{"CLO", WS_EX_WINDOWEDGE, CM, RC},
                      RestyleRow{"QUE_NOCLO", WS_EX_CONTEXTHELP, CM, CS_NOCLOSE | RC},
                      RestyleRow{"QUE_CLO", WS_EX_CONTEXTHELP, CM, RC},
                      RestyleRow{"NOMIN_MAX_NOCLO", WS_EX_WINDOWEDGE, CM | WS_MAXIMIZEBOX, CS_NOCLOSE | RC},
                      RestyleRow{"MIN_NOMAX_NOCLO", WS_EX_WINDOWEDGE, CM | WS_MINIMIZEBOX, CS_NOCLOSE | RC},
                      RestyleRow{"MIN_NOMAX_CLO", WS_EX_WINDOWEDGE, CM | WS_MINIMIZEBOX, RC},
                      RestyleRow{"NOMIN_MAX_CLO", WS_EX_WINDOWEDGE, CM | WS_MAXIMIZEBOX, RC},
                      RestyleRow{"MIN_MAX_NOCLO", WS_EX_WINDOWEDGE, CM | MM, CS_NOCLOSE | RC},
                      RestyleRow{"MIN_MAX_CLO", WS_EX_WINDOWEDGE, CM | MM, RC}),
    [](const ::testing::TestParamInfo<RestyleRow> &info) { return std::string(info.param.keyword); });

TEST(Window, UnknownRestyleKeywordWritesNothingButStillShows) {
    HWND w = kt_WindowCreate(Instance(), UniqueTitle("unknown").c_str(), 40, 30, 300, 100, "MIN_MAX_CLO");
    DWORD style = StyleOf(w), classStyle = ClassStyleOf(w);
    kt_WindowHide(w);
    EXPECT_EQ(kt_WindowModify(w, "clo"), 0);
    EXPECT_EQ(StyleOf(w), style);
    EXPECT_EQ(ClassStyleOf(w), classStyle);
    EXPECT_TRUE(IsWindowVisible(w));
}

TEST(Window, LookNormalSetsTheDialogFrameOnlyAfterAFlatteningLook) {
    HWND a = kt_WindowCreate(Instance(), UniqueTitle("lookA").c_str(), 0, 0, 200, 100, "CLO");
    HWND b = kt_WindowCreate(Instance(), UniqueTitle("lookB").c_str(), 0, 0, 200, 100, "CLO");
    DWORD styleBefore = StyleOf(a);
    ASSERT_EQ(kt_WindowNeverFlattened, 1);
    kt_WindowSetLook(a, "NORMAL");
    EXPECT_EQ(StyleOf(a), styleBefore);
    EXPECT_TRUE(ExStyleOf(a) & WS_EX_WINDOWEDGE);
    kt_WindowSetLook(b, "FLAT");
    EXPECT_EQ(StyleOf(b) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), (DWORD)WS_POPUP);
    EXPECT_EQ(kt_WindowNeverFlattened, 0);
    kt_WindowSetLook(a, "NORMAL");
    EXPECT_EQ(StyleOf(a) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), (DWORD)WS_DLGFRAME);
    kt_WindowSetLook(b, "SUNKEN");
    EXPECT_TRUE(ExStyleOf(b) & WS_EX_CLIENTEDGE);
    kt_WindowSetLook(b, "FLAT_BORDER");
    EXPECT_EQ(StyleOf(b) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), (DWORD)(WS_POPUP | WS_BORDER));
}

TEST(Window, SizableOnAddsAndOffTogglesTheSizingBorder) {
    HWND w = kt_WindowCreate(Instance(), UniqueTitle("size").c_str(), 0, 0, 200, 100, "CLO");
    ASSERT_FALSE(StyleOf(w) & WS_THICKFRAME);
    kt_WindowSizable(w, "OFF");
    EXPECT_TRUE(StyleOf(w) & WS_THICKFRAME);
    kt_WindowSizable(w, "OFF");
    EXPECT_FALSE(StyleOf(w) & WS_THICKFRAME);
    kt_WindowSizable(w, "ON");
    kt_WindowSizable(w, "ON");
    EXPECT_TRUE(StyleOf(w) & WS_THICKFRAME);
}

TEST(Window, MoveAndResizeKeepWhatIs999999) {
    HWND w = kt_WindowCreate(Instance(), UniqueTitle("move").c_str(), 100, 120, 300, 100, "CLO");
    EXPECT_EQ(kt_WindowMove(w, 999999, 999999), 0);
    RECT r = OuterOf(w);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 120);
    kt_WindowMove(w, 999999, 50);
    kt_WindowGetPos(w);
    EXPECT_EQ(kt_LastX, 100);
    EXPECT_EQ(kt_LastY, 50);
    kt_WindowResize(w, 999999, 200);
    kt_WindowGetSize(w);
    EXPECT_EQ(kt_LastX, 300);
    EXPECT_EQ(kt_LastY, 200 + GetSystemMetrics(SM_CYCAPTION));
    kt_WindowResize(w, 250, 999999);
    kt_WindowGetSize(w);
    EXPECT_EQ(kt_LastX, 250);
    EXPECT_EQ(kt_LastY, 200 + GetSystemMetrics(SM_CYCAPTION));
}

TEST(Window, CenterSitsHalfACaptionAboveTheMiddle) {
    HWND w = kt_WindowCreate(Instance(), UniqueTitle("center").c_str(), 0, 0, 301, 100, "CLO");
    kt_WindowCenter(w);
    RECT r = OuterOf(w);
    int height = r.bottom - r.top;
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 301) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height - GetSystemMetrics(SM_CYCAPTION)) / 2);
}

TEST(Window, ShowHideAndMaximizeReportThePreviousVisibility) {
    HWND w = kt_WindowCreate(Instance(), UniqueTitle("show").c_str(), 0, 0, 200, 100, "MIN_MAX_CLO");
    EXPECT_EQ(kt_WindowHide(w), 0);
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_EQ(kt_WindowShow(w), 0);
    EXPECT_EQ(kt_WindowShow(w), 1);
    EXPECT_EQ(kt_WindowShowAs(w, "HIDE"), 0);
    EXPECT_EQ(kt_WindowShowAs(w, "SHOW"), 1);
    EXPECT_EQ(kt_WindowShowAs(w, "bogus"), 0);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(kt_WindowMaximize(w), 0);
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(kt_WindowShowAs(w, "RESTORE"), 0);
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_EQ(kt_WindowShowAs(w, "MINI"), 0);
    EXPECT_TRUE(IsIconic(w));
}

TEST(Window, TextFocusRedrawAndBackground) {
    HWND w = kt_WindowCreate(Instance(), UniqueTitle("text").c_str(), 0, 0, 200, 100, "CLO");
    kt_WindowSetText(w, "Vikt och längd");
    char buffer[6];
    EXPECT_EQ(kt_WindowGetText(w, buffer, 4), 4);
    EXPECT_STREQ(buffer, "Vikt");
    EXPECT_EQ(kt_WindowRedraw(w, "ERASED"), 0);
    EXPECT_EQ(kt_WindowRedraw(w, "UNERASED"), 0);
    EXPECT_EQ(kt_WindowRedraw(w, "erased"), 1);
    kt_WindowSetFocus(w);
    EXPECT_EQ(kt_WindowHasFocus(w), w);
    HWND other = kt_WindowCreate(Instance(), UniqueTitle("other").c_str(), 0, 0, 200, 100, "CLO");
    SetFocus(other);
    EXPECT_EQ(kt_WindowHasFocus(w), nullptr);
    LONG_PTR brush = GetClassLongPtrA(w, GCLP_HBRBACKGROUND);
    kt_WindowSetBackColor(w, RGB(255, 0, 0));
    EXPECT_EQ(GetClassLongPtrA(w, GCLP_HBRBACKGROUND), brush);
    kt_WindowSetFocus(w);
    kt_WindowSetBackColor(w, RGB(255, 0, 0));
    EXPECT_NE(GetClassLongPtrA(w, GCLP_HBRBACKGROUND), brush);
}

TEST(Window, SystemIconBecomesTheClassIcon) {
    HWND w = kt_WindowCreate(Instance(), UniqueTitle("icon").c_str(), 0, 0, 200, 100, "CLO");
    EXPECT_EQ(GetClassLongPtrA(w, GCLP_HICON), 0);
    kt_WindowSetSystemIcon(w, (const char *)IDI_QUESTION);
    EXPECT_NE(GetClassLongPtrA(w, GCLP_HICON), 0);
}

}  // namespace
