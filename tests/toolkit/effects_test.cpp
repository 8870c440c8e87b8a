// Canvases and gradients, checked by the pixels read back from the canvas.
#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <string>

#include "harness.h"

namespace {

// The toolkit hands the canvas over; the caller deletes it and its bitmap.
void FreeToolkitCanvas(HDC canvas) {
    HGDIOBJ bitmap = GetCurrentObject(canvas, OBJ_BITMAP);
    DeleteDC(canvas);
    DeleteObject(bitmap);
}

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream &operator<<(std::ostream &out, const Rgb &c) {
    return out << "(" << c.r << "," << c.g << "," << c.b << ")";
}

Rgb PixelAt(HDC dc, int x, int y) {
    COLORREF c = GetPixel(dc, x, y);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

Rgb Grey(int level) { return {level, level, level}; }

struct ColumnLevel {
    int column, level;
};

void ExpectGreyColumns(HDC canvas, std::initializer_list<ColumnLevel> columns,
                       std::initializer_list<int> rows) {
    for (const ColumnLevel &c : columns)
        for (int row : rows) EXPECT_EQ(PixelAt(canvas, c.column, row), Grey(c.level)) << c.column;
}

class Effects : public ::testing::Test {
protected:
    void SetUp() override {
        window = kt_WindowCreate(GetModuleHandleA(NULL), UniqueTitle("effects").c_str(), 30, 30,
                                 400, 300, "MIN_MAX_CLO");
        ASSERT_NE(window, nullptr);
        PumpMessages();
        savedMemoryDC = kt_DrawMemoryDC;
        kt_DrawTarget = KT_DRAW_CLIENT;
    }
    void TearDown() override {
        kt_DrawSetMemoryDC(savedMemoryDC);
        kt_DrawTarget = KT_DRAW_CLIENT;
        kt_WindowDestroy(window);
        PumpMessages();
    }
    HWND window = nullptr;
    HDC savedMemoryDC = nullptr;
};

TEST_F(Effects, CanvasIsFilledAndBecomesTheMemoryContext) {
    kt_DrawTarget = KT_DRAW_WINDOW;
    HDC canvas = kt_DrawCreateCanvas(window, 40, 30, RGB(10, 20, 30));
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(kt_DrawMemoryDC, canvas);
    EXPECT_EQ(kt_DrawTarget, KT_DRAW_WINDOW);
    const POINT corners[] = {{0, 0}, {39, 0}, {0, 29}, {39, 29}, {20, 15}};
    for (POINT p : corners) EXPECT_EQ(PixelAt(canvas, p.x, p.y), (Rgb{10, 20, 30})) << p.x;
    FreeToolkitCanvas(canvas);
}

TEST_F(Effects, LeftToRightFromBlackBrightensByColumn) {
    HDC canvas = kt_DrawGradient(window, 0, 0, 256, 50, 1.0, 0, 0, 0, "LEFT_TO_RIGHT");
    ASSERT_NE(canvas, nullptr);
    ExpectGreyColumns(canvas, {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {129, 127}, {255, 253}}, {0, 25, 49});
    FreeToolkitCanvas(canvas);
}

TEST_F(Effects, SaturatedChannelStaysWhileTheOthersRise) {
    HDC canvas = kt_DrawGradient(window, 0, 0, 256, 10, 2.0, 200, 0, 0, "LEFT_TO_RIGHT");
    ASSERT_NE(canvas, nullptr);
    // The line at column c is brightened by (c - 1) * 510 / 256, truncated.
    EXPECT_EQ(PixelAt(canvas, 0, 5), (Rgb{200, 0, 0}));
    EXPECT_EQ(PixelAt(canvas, 28, 5), (Rgb{253, 53, 53}));
    EXPECT_EQ(PixelAt(canvas, 30, 5), (Rgb{255, 57, 57}));
    EXPECT_EQ(PixelAt(canvas, 100, 5), (Rgb{255, 197, 197}));
    EXPECT_EQ(PixelAt(canvas, 200, 5), (Rgb{255, 255, 255}));
    Rgb previous = PixelAt(canvas, 0, 5);
    bool redReached = false;
    for (int x = 1; x < 256; ++x) {
        Rgb now = PixelAt(canvas, x, 5);
        if (redReached) {
            EXPECT_EQ(now.r, 255) << x;
        }
        redReached = now.r == 255;
        EXPECT_GE(now.g, previous.g) << x;
        EXPECT_EQ(now.g, now.b) << x;
        if (x > 1 && previous.g < 254) {
            EXPECT_GT(now.g, previous.g) << x;
        }
        previous = now;
    }
    FreeToolkitCanvas(canvas);
}

TEST_F(Effects, RightToLeftBrightensTowardsTheLeftAndLeavesColumnZero) {
    HDC canvas = kt_DrawGradient(window, 0, 0, 100, 20, 1.0, 0, 0, 0, "RIGHT_TO_LEFT");
    ASSERT_NE(canvas, nullptr);
    ExpectGreyColumns(canvas, {{99, 0}, {98, 2}, {50, 124}, {1, 249}, {0, 0}}, {0, 19});
    FreeToolkitCanvas(canvas);
}

TEST_F(Effects, TopToBottomPaintsRowsOfTheArea) {
    HDC canvas = kt_DrawGradient(window, 10, 5, 60, 105, 1.0, 0, 0, 0, "TOP_TO_BOTTOM");
    ASSERT_NE(canvas, nullptr);
    // Row t is brightened by (t - 1) * 255 / 105; rows above 5 and columns
    // left of 10 keep the canvas's black.
    EXPECT_EQ(PixelAt(canvas, 30, 4), Grey(0));
    EXPECT_EQ(PixelAt(canvas, 30, 6), Grey(12));
    EXPECT_EQ(PixelAt(canvas, 30, 55), Grey(131));
    EXPECT_EQ(PixelAt(canvas, 59, 104), Grey(250));
    EXPECT_EQ(PixelAt(canvas, 9, 104), Grey(0));
    FreeToolkitCanvas(canvas);
}

TEST_F(Effects, UnknownDirectionGivesABlackCanvas) {
    for (const char *direction : {"left_to_right", "BOTTOM_TO_TOP", ""}) {
        kt_DrawTarget = KT_DRAW_WINDOW;
        HDC canvas = kt_DrawGradient(window, 0, 0, 50, 40, 1.0, 90, 90, 90, direction);
        ASSERT_NE(canvas, nullptr);
        EXPECT_EQ(kt_DrawTarget, KT_DRAW_CLIENT);
        for (int x : {0, 25, 49})
            for (int y : {0, 39}) EXPECT_EQ(PixelAt(canvas, x, y), Grey(0)) << direction;
        FreeToolkitCanvas(canvas);
    }
}

TEST_F(Effects, TargetIsClientAfterAnyGradient) {
    // With the MEMORY target the canvas is made compatible with the memory
    // context held, so one must be held.
    Canvas held = MakeCanvas(4, 4, RGB(0, 0, 0));
    for (const char *direction : {"LEFT_TO_RIGHT", "RIGHT_TO_LEFT", "TOP_TO_BOTTOM"}) {
        for (int before : {KT_DRAW_WINDOW, KT_DRAW_MEMORY, KT_DRAW_CLIENT}) {
            kt_DrawSetMemoryDC(held.dc);
            kt_DrawTarget = before;
            HDC canvas = kt_DrawGradient(window, 0, 0, 20, 20, 1.0, 0, 0, 0, direction);
            EXPECT_EQ(kt_DrawTarget, KT_DRAW_CLIENT) << direction;
            ASSERT_NE(canvas, nullptr);
            EXPECT_EQ(kt_DrawMemoryDC, canvas);
            FreeToolkitCanvas(canvas);
        }
    }
    FreeCanvas(held);
}

// Without brightening the whole area keeps the given colour.
TEST_F(Effects, NegativeOrZeroStrengthPaintsTheStartColourFlat) {
    for (double strength : {-1.0, 0.0, -1e300}) {
        HDC canvas = kt_DrawGradient(window, 0, 0, 64, 8, strength, 100, 50, 25, "LEFT_TO_RIGHT");
        ASSERT_NE(canvas, nullptr);
        for (int x : {0, 1, 32, 63}) EXPECT_EQ(PixelAt(canvas, x, 4), (Rgb{100, 50, 25})) << strength;
        FreeToolkitCanvas(canvas);
    }
}

TEST_F(Effects, ChannelsOutsideTheByteRangeAreHeldToIt) {
    HDC canvas = kt_DrawGradient(window, 0, 0, 64, 8, 0.0, 300, -20, 128, "LEFT_TO_RIGHT");
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(PixelAt(canvas, 10, 4), (Rgb{255, 0, 128}));
    FreeToolkitCanvas(canvas);
}

TEST_F(Effects, HugeStrengthSaturatesAtOnce) {
    HDC canvas = kt_DrawGradient(window, 0, 0, 64, 8, 1e300, 10, 20, 30, "LEFT_TO_RIGHT");
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(PixelAt(canvas, 0, 4), (Rgb{10, 20, 30}));
    EXPECT_EQ(PixelAt(canvas, 1, 4), (Rgb{10, 20, 30}));  // the offset after t = 0 is 0
    EXPECT_EQ(PixelAt(canvas, 2, 4), Grey(255));
    EXPECT_EQ(PixelAt(canvas, 63, 4), Grey(255));
    FreeToolkitCanvas(canvas);
}

TEST_F(Effects, ZeroExtentDividesByNothing) {
    // The area runs from -5 to 0: lines left of the canvas, offset from an
    // extent of 0.
    HDC canvas = kt_DrawGradient(window, -5, 0, 0, 10, 1.0, 0, 0, 0, "LEFT_TO_RIGHT");
    EXPECT_EQ(kt_DrawTarget, KT_DRAW_CLIENT);
    if (canvas) FreeToolkitCanvas(canvas);
    canvas = kt_DrawGradient(window, 0, -5, 10, 0, 1.0, 0, 0, 0, "TOP_TO_BOTTOM");
    EXPECT_EQ(kt_DrawTarget, KT_DRAW_CLIENT);
    if (canvas) FreeToolkitCanvas(canvas);
}

TEST_F(Effects, AbsurdCanvasGivesNullAndKeepsTheMemoryContext) {
    Canvas previous = MakeCanvas(20, 20, RGB(0, 0, 0));
    kt_DrawSetMemoryDC(previous.dc);
    kt_DrawTarget = KT_DRAW_WINDOW;
    const SIZE absurd[] = {{100000, 100000}, {1000000, 1000000}, {INT_MAX, INT_MAX}};
    for (SIZE s : absurd) {
        EXPECT_EQ(kt_DrawCreateCanvas(window, s.cx, s.cy, RGB(1, 2, 3)), nullptr) << s.cx;
        EXPECT_EQ(kt_DrawMemoryDC, previous.dc);
        EXPECT_EQ(kt_DrawTarget, KT_DRAW_WINDOW);
    }
    // The context held before is still whole and usable.
    kt_DrawTarget = KT_DRAW_MEMORY;
    kt_DrawPixel(window, 7, 8, RGB(40, 50, 60));
    EXPECT_EQ(PixelAt(previous.dc, 7, 8), (Rgb{40, 50, 60}));
    FreeCanvas(previous);
}

// Without a canvas the lines go to the memory context held before.
TEST_F(Effects, GradientWithoutCanvasDrawsIntoThePreviousContext) {
    Canvas previous = MakeCanvas(20, 20, RGB(0, 0, 0));
    kt_DrawSetMemoryDC(previous.dc);
    // Lines at x = 100000 - t for t from 99995: columns 5 down to 1.
    HDC canvas =
        kt_DrawGradient(window, 99995, 0, 100000, 100000, 0.0, 0, 200, 0, "RIGHT_TO_LEFT");
    EXPECT_EQ(canvas, nullptr);
    EXPECT_EQ(kt_DrawMemoryDC, previous.dc);
    EXPECT_EQ(kt_DrawTarget, KT_DRAW_CLIENT);
    EXPECT_EQ(PixelAt(previous.dc, 0, 10), Grey(0));
    for (int x = 1; x <= 5; ++x) EXPECT_EQ(PixelAt(previous.dc, x, 10), (Rgb{0, 200, 0})) << x;
    EXPECT_EQ(PixelAt(previous.dc, 6, 10), Grey(0));
    FreeCanvas(previous);
}

// The platform holds about 65536 GDI handles per process (Wine 8, and Windows
// at most): a context lost on each failure would use them up within the loop.
TEST_F(Effects, FailedCanvasesLeakNoDeviceContexts) {
    DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const int failures = before ? 200 : 70000;  // Wine's GetGuiResources answers 0
    for (int i = 0; i < failures; ++i) {
        ASSERT_EQ(kt_DrawCreateCanvas(window, 100000, 100000, 0), nullptr) << i;
    }
    if (before) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
    }
    HDC canvas = kt_DrawCreateCanvas(window, 8, 8, RGB(5, 6, 7));
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(PixelAt(canvas, 7, 7), (Rgb{5, 6, 7}));
    FreeToolkitCanvas(canvas);
}

}  // namespace
