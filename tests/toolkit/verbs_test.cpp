// The common verbs on real controls, through the edit field's copies.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

class Verbs : public ::testing::Test {
protected:
    void SetUp() override {
        top = kt_WindowCreate(GetModuleHandleA(NULL), UniqueTitle("verbs").c_str(), 20, 20, 900, 300, "MIN_MAX_CLO");
        // A borderless child whose client area is exactly 800 by 200.
        area = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 800, 200, top, NULL,
                               GetModuleHandleA(NULL), NULL);
        field = kt_EditCreate(area, 100, 100, 60, 20, "L", 10);
        PumpMessages();
    }
    RECT InParent(HWND w) {
        RECT r;
        GetWindowRect(w, &r);
        MapWindowPoints(NULL, GetParent(w), (POINT *)&r, 2);
        return r;
    }
    HWND top = nullptr, area = nullptr, field = nullptr;
};

TEST_F(Verbs, HideAndShowReportWhetherTheControlWasVisible) {
    EXPECT_EQ(kt_EditHide(field), 0);
    EXPECT_EQ(kt_EditHide(field), 1);
    EXPECT_EQ(kt_EditShow(field), 0);
    EXPECT_EQ(kt_EditShow(field), 1);
    EXPECT_TRUE(IsWindowVisible(field));
}

TEST_F(Verbs, DisableAndEnableReportThePreviousState) {
    EXPECT_EQ(kt_EditDisable(field), 0);
    EXPECT_EQ(kt_EditDisable(field), 1);
    EXPECT_EQ(kt_EditEnable(field), 0);
    EXPECT_EQ(kt_EditEnable(field), 1);
    EXPECT_TRUE(IsWindowEnabled(field));
}

TEST_F(Verbs, CenterInAnEightHundredByTwoHundredClientArea) {
    EXPECT_EQ(kt_EditCenter(field), 0);
    RECT r = InParent(field);
    EXPECT_EQ(r.left, 370);
    EXPECT_EQ(r.top, 90);
}

TEST_F(Verbs, MoveResizeAndSizeQueries) {
    EXPECT_EQ(kt_EditMove(field, 7, 9), 0);
    RECT r = InParent(field);
    EXPECT_EQ(r.left, 7);
    EXPECT_EQ(r.top, 9);
    EXPECT_EQ(kt_EditResize(field, 33, 44), 0);
    EXPECT_EQ(kt_EditGetSize(field), 0);
    EXPECT_EQ(kt_LastX, 33);
    EXPECT_EQ(kt_LastY, 44);
    r = InParent(field);
    EXPECT_EQ(r.left, 7);
    EXPECT_EQ(kt_EditMove(NULL, 1, 1), 1);
    EXPECT_EQ(kt_EditResize(NULL, 1, 1), 1);
}

TEST_F(Verbs, GetPosInACaptionedParent) {
    HWND inTop = kt_EditCreate(top, 100, 100, 60, 20, "L", 10);
    EXPECT_EQ(kt_EditGetPos(inTop), 0);
    EXPECT_EQ(kt_LastX, 100);
    EXPECT_EQ(kt_LastY, 100);
}

TEST_F(Verbs, FitParentLeavesTheMarginsAsked) {
    EXPECT_EQ(kt_EditFitParent(field, 0, 0, -10, -10), 0);
    RECT r = InParent(field);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 790);
    EXPECT_EQ(r.bottom, 190);
    kt_EditFitParent(field, 0, 0, 0, 0);
    r = InParent(field);
    EXPECT_EQ(r.right, 800);
    EXPECT_EQ(r.bottom, 200);
}

TEST_F(Verbs, FocusAndRedraw) {
    HWND other = kt_EditCreate(area, 10, 10, 60, 20, "L", 10);
    SetFocus(other);
    EXPECT_EQ(kt_EditHasFocus(field), 1);
    EXPECT_EQ(kt_EditSetFocus(field), other);
    EXPECT_EQ(kt_EditHasFocus(field), 0);
    EXPECT_EQ(kt_EditRedraw(field), 0);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(field, &update, FALSE));
    EXPECT_EQ(kt_WindowRedraw(top, "NONE"), 1);
}

TEST_F(Verbs, UnknownRedrawKeywordInvalidatesNothing) {
    UpdateWindow(top);
    PumpMessages();
    RECT update;
    ASSERT_FALSE(GetUpdateRect(top, &update, FALSE));
    EXPECT_EQ(kt_WindowRedraw(top, "erased"), 1);
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
    EXPECT_EQ(kt_WindowRedraw(top, "UNERASED"), 0);
    EXPECT_TRUE(GetUpdateRect(top, &update, FALSE));
}

TEST_F(Verbs, FontFromPointsAndSetFont) {
    HFONT font = kt_EditCreateFont(field, 10, FW_BOLD, 12, 0, "Tahoma");
    ASSERT_NE(font, nullptr);
    LOGFONTA lf;
    GetObjectA(font, sizeof lf, &lf);
    HDC dc = GetDC(field);
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(field, dc);
    EXPECT_EQ(lf.lfHeight, -MulDiv(10, dpi, 72));
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_FALSE(lf.lfStrikeOut);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(kt_EditSetFont(field, font), 0);
    EXPECT_EQ((HFONT)SendMessageA(field, WM_GETFONT, 0, 0), font);
    DeleteObject(font);
}

TEST_F(Verbs, DestroyReportsSuccessOnce) {
    EXPECT_EQ(kt_EditDestroy(field), 0);
    EXPECT_EQ(kt_EditDestroy(field), 1);
}

}  // namespace
