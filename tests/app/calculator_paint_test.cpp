// The calculator's painted help box, read back from its client area, and
// repainting after the window was covered.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

BOOL CALLBACK CollectChild(HWND child, LPARAM lp) {
    reinterpret_cast<std::vector<HWND> *>(lp)->push_back(child);
    return TRUE;
}

class CalculatorPaint : public ::testing::Test {
protected:
    HWND main = NULL;
    std::vector<HWND> fields;  // length, width, thickness, weight, vendor weight, count

    void SetUp() override {
        main = kt_WindowCreate(GetModuleHandleA(NULL), "Arkmeter", 180, 200, 800, 200, "MIN_MAX_CLO");
        ASSERT_NE(main, nullptr);
        UpdateWindow(main);
        PumpMessages(50);
        EnumChildWindows(main, CollectChild, (LPARAM)&fields);
        ASSERT_EQ(fields.size(), 6u);
    }
    void TearDown() override {
        if (IsWindow(main)) DestroyWindow(main);
        PumpMessages();
    }

    COLORREF Pixel(int x, int y) {
        HDC dc = GetDC(main);
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(main, dc);
        return c;
    }

    // The sunken groove at (95, 5), 400 by 70: each line sampled where no
    // other line or text crosses it.
    void ExpectHelpBox() {
        struct Sample {
            const char *line;
            int x, y;
            COLORREF colour;
        } samples[] = {
            {"inner top", 300, 6, kWhite},    {"inner left", 96, 40, kWhite},
            {"outer bottom", 300, 76, kWhite}, {"outer right", 495, 40, kWhite},
            {"outer top", 300, 5, kBlack},    {"outer left", 95, 40, kBlack},
            {"inner bottom", 300, 75, kBlack}, {"inner right", 494, 40, kBlack},
        };
        for (const Sample &s : samples) EXPECT_EQ(Pixel(s.x, s.y), s.colour) << s.line;
        COLORREF inside = Pixel(480, 30);
        EXPECT_NE(inside, kWhite);
        EXPECT_NE(inside, kBlack);
    }

    // Paint over the client area as a covering window would leave it.
    void Smear() {
        HDC dc = GetDC(main);
        RECT r;
        GetClientRect(main, &r);
        HBRUSH brush = CreateSolidBrush(RGB(200, 30, 30));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        ReleaseDC(main, dc);
        ASSERT_EQ(Pixel(300, 5), RGB(200, 30, 30));
    }
};

TEST_F(CalculatorPaint, SunkenHelpBoxAroundTheHelpText) { ExpectHelpBox(); }

TEST_F(CalculatorPaint, InvalidatedWindowRepaintsWithoutTouchingFieldsOrFocus) {
    SetFocus(fields[2]);
    TypeText(fields[2], "12");
    SetWindowTextA(fields[5], "7");
    Smear();
    InvalidateRect(main, NULL, TRUE);
    UpdateWindow(main);
    PumpMessages(20);
    ExpectHelpBox();
    EXPECT_EQ(GetFocus(), fields[2]) << "only the first paint moves the focus";
    EXPECT_EQ(TextOf(fields[5]), "7") << "only the first paint sets the count";
    EXPECT_EQ(TextOf(fields[2]), "12");
}

TEST_F(CalculatorPaint, UncoveredWindowRepaints) {
    SetFocus(fields[1]);
    RECT frame;
    GetWindowRect(main, &frame);
    // A window over the calculator that does not take the activation.
    HWND cover = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP | WS_BORDER,
                                 frame.left, frame.top, frame.right - frame.left,
                                 frame.bottom - frame.top, NULL, NULL, GetModuleHandleA(NULL), NULL);
    ShowWindow(cover, SW_SHOWNOACTIVATE);
    UpdateWindow(cover);
    PumpMessages(30);
    DestroyWindow(cover);
    PumpMessages(50);
    ExpectHelpBox();
    EXPECT_EQ(GetFocus(), fields[1]);
    EXPECT_EQ(TextOf(fields[5]), "1");
}

}  // namespace
