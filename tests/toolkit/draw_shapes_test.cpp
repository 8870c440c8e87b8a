// Lines, pixels, grids, rectangles and 3D lines and frames, read back from
// a memory canvas.
#include "draw_support.h"

namespace {

class Shapes : public MemoryDrawing {
protected:
    void ExpectCurrentPoint(int x, int y) {
        EXPECT_EQ(kt_LastX, x);
        EXPECT_EQ(kt_LastY, y);
    }
};

struct LineCase {
    int x1, y1, x2, y2;
    int paintedX, paintedY;  // the pixel next to the end point, painted
};

std::ostream &operator<<(std::ostream &out, const LineCase &c) {
    return out << "(" << c.x1 << "," << c.y1 << ")-(" << c.x2 << "," << c.y2 << ")";
}

class Lines : public Shapes, public ::testing::WithParamInterface<LineCase> {};

TEST_P(Lines, StartPaintedEndLeftAsCurrentPoint) {
    const LineCase &c = GetParam();
    kt_DrawLine(window, c.x1, c.y1, c.x2, c.y2, kRed);
    EXPECT_EQ(At(c.x1, c.y1), kRed);
    EXPECT_EQ(At(c.paintedX, c.paintedY), kRed);
    EXPECT_EQ(At(c.x2, c.y2), kPaper);
    ExpectCurrentPoint(c.x2, c.y2);
}

INSTANTIATE_TEST_SUITE_P(Directions, Lines,
                         ::testing::Values(LineCase{0, 0, 10, 0, 9, 0},
                                           LineCase{30, 5, 30, 40, 30, 39},
                                           LineCase{60, 50, 20, 50, 21, 50}));

TEST_F(Shapes, LineFromOriginPaintsPixelsZeroToNineOfRowZero) {
    kt_DrawLine(window, 0, 0, 10, 0, kRed);
    RECT painted = {0, 0, 10, 1};
    EXPECT_EQ(CountPixels(canvas, painted, kRed), 10);
    EXPECT_EQ(At(10, 0), kPaper);
    EXPECT_EQ(At(0, 1), kPaper);
}

typedef int (*StyledLine)(HWND, int, int, int, int, COLORREF, COLORREF);

struct StyledCase {
    const char *name;
    StyledLine draw;
};

const StyledCase kStyledLines[] = {
    {"Dashed", kt_DrawLineDashed},
    {"Dotted", kt_DrawLineDotted},
    {"DashDot", kt_DrawLineDashDot},
    {"DashDotDot", kt_DrawLineDashDotDot},
};

std::ostream &operator<<(std::ostream &out, const StyledCase &c) { return out << c.name; }

class StyledLines : public Shapes, public ::testing::WithParamInterface<StyledCase> {
protected:
    static const int kRow = 10, kFrom = 0, kTo = 200;
    // Along the line only the pen colour and the gaps' colour, both present.
    void ExpectOnlyTwoColours(COLORREF gaps) {
        RECT row = {kFrom, kRow, kTo, kRow + 1};
        int pen = CountPixels(canvas, row, kRed), gap = CountPixels(canvas, row, gaps);
        EXPECT_GT(pen, 0);
        EXPECT_GT(gap, 0);
        EXPECT_EQ(pen + gap, kTo - kFrom);
    }
};

TEST_P(StyledLines, TransparentGapsKeepWhatWasThere) {
    GetParam().draw(window, kFrom, kRow, kTo, kRow, kRed, 0);
    ExpectOnlyTwoColours(kPaper);
    ExpectCurrentPoint(kTo, kRow);
}

TEST_P(StyledLines, BackgroundColourFillsGaps) {
    GetParam().draw(window, kFrom, kRow, kTo, kRow, kRed, kGreen);
    ExpectOnlyTwoColours(kGreen);
    EXPECT_EQ(At(kTo, kRow), kPaper);
    ExpectCurrentPoint(kTo, kRow);
}

// A transparent line must not leave the memory context transparent for the
// next one, nor change its background for later text.
TEST_P(StyledLines, GapsAreSetUpForOneLineOnly) {
    SetBkColor(canvas.dc, kWhite);
    GetParam().draw(window, kFrom, kRow + 20, kTo, kRow + 20, kRed, 0);
    EXPECT_EQ(GetBkMode(canvas.dc), OPAQUE);
    GetParam().draw(window, kFrom, kRow, kTo, kRow, kRed, kGreen);
    ExpectOnlyTwoColours(kGreen);
    EXPECT_EQ(GetBkColor(canvas.dc), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Styles, StyledLines, ::testing::ValuesIn(kStyledLines),
                         [](const ::testing::TestParamInfo<StyledCase> &i) {
                             return std::string(i.param.name);
                         });

TEST_F(Shapes, EachStyleHasItsOwnPattern) {
    std::vector<std::string> patterns;
    for (const StyledCase &s : kStyledLines) {
        s.draw(window, 0, 10, 200, 10, kRed, kGreen);
        std::string pattern;
        for (int x = 0; x < 200; ++x) pattern += At(x, 10) == kRed ? '-' : ' ';
        for (const std::string &earlier : patterns) EXPECT_NE(pattern, earlier) << s.name;
        patterns.push_back(pattern);
    }
}

TEST_F(Shapes, PixelSetAndReadBackFromMemory) {
    kt_DrawPixel(window, 3, 4, kRed);
    EXPECT_EQ(At(3, 4), kRed);
    EXPECT_EQ(At(4, 4), kPaper);
    EXPECT_EQ(At(3, 5), kPaper);
    ExpectCurrentPoint(3, 4);
    EXPECT_EQ(kt_DrawGetPixel(window, 3, 4), kRed);
    SetPixelV(canvas.dc, 100, 50, kGreen);
    EXPECT_EQ(kt_DrawGetPixel(window, 100, 50), kGreen);
}

TEST_F(Shapes, FillRectExcludesRightAndBottomEdges) {
    kt_DrawFillRect(window, 5, 6, 10, 20, kRed);
    RECT inside = {5, 6, 15, 26};
    EXPECT_EQ(CountPixels(canvas, inside, kRed), 10 * 20);
    RECT all = {0, 0, kWidth, kHeight};
    EXPECT_EQ(CountPixels(canvas, all, kRed), 10 * 20);
    ExpectCurrentPoint(5, 6);
}

struct PixelSample {
    int x, y;
    COLORREF colour;
};

TEST_F(Shapes, RectangleOutlinedAndFilled) {
    kt_DrawRectangle(window, 10, 10, 50, 40, kGreen, 1, kRed);
    const PixelSample samples[] = {
        {10, 25, kRed},   {49, 25, kRed},   {30, 10, kRed},    {30, 39, kRed},
        {30, 25, kGreen}, {50, 25, kPaper}, {30, 40, kPaper},
    };
    for (const PixelSample &s : samples) EXPECT_EQ(At(s.x, s.y), s.colour) << s.x << "," << s.y;
    ExpectCurrentPoint(10, 10);
}

TEST_F(Shapes, RectanglePenWidthWidensTheOutline) {
    kt_DrawRectangle(window, 20, 20, 80, 70, kGreen, 5, kRed);
    const PixelSample samples[] = {{20, 45, kRed}, {21, 45, kRed}, {50, 45, kGreen}, {10, 45, kPaper}};
    for (const PixelSample &s : samples) EXPECT_EQ(At(s.x, s.y), s.colour) << s.x << "," << s.y;
}

TEST_F(Shapes, GridEveryTwentyFivePixels) {
    kt_DrawGrid(window, 10, 10, 100, 50, 25, kRed);
    for (int y : {10, 35, 60}) EXPECT_EQ(At(22, y), kRed) << "row " << y;
    for (int y : {9, 11, 34, 36, 59, 61}) EXPECT_EQ(At(22, y), kPaper) << "row " << y;
    for (int x : {10, 35, 60, 85, 110}) EXPECT_EQ(At(x, 22), kRed) << "column " << x;
    for (int x : {9, 11, 36, 84, 111, 135}) EXPECT_EQ(At(x, 22), kPaper) << "column " << x;
    EXPECT_EQ(At(22, 85), kPaper);
    ExpectCurrentPoint(110, 60);
}

TEST_F(Shapes, GridWithSpacingZeroDrawsTopAndLeftOnly) {
    kt_DrawGrid(window, 10, 10, 100, 50, 0, kRed);
    RECT top = {10, 10, 110, 11}, left = {10, 10, 11, 60};
    EXPECT_EQ(CountPixels(canvas, top, kRed), 100);
    EXPECT_EQ(CountPixels(canvas, left, kRed), 50);
    RECT all = {0, 0, kWidth, kHeight};
    EXPECT_EQ(CountPixels(canvas, all, kRed), 100 + 50 - 1);
    ExpectCurrentPoint(10, 60);
}

// Greys across a 3D line, from its first row (or column) on; 0 for paper.
struct Line3DCase {
    const char *direction, *look;
    int thickness;
    int greys[5];
};

std::ostream &operator<<(std::ostream &out, const Line3DCase &c) {
    return out << c.direction << " " << c.look << " thickness " << c.thickness;
}

class Lines3D : public Shapes, public ::testing::WithParamInterface<Line3DCase> {};

const int kPaperGrey = -1;

TEST_P(Lines3D, StrokesAcrossTheLine) {
    const Line3DCase &c = GetParam();
    const int x = 20, y = 30, length = 50;
    kt_DrawLine3D(window, x, y, length, c.direction, c.look, c.thickness);
    bool right = strcmp(c.direction, "RIGHT") == 0;
    for (int i = 0; i < 5; ++i) {
        int px = right ? x + 25 : x + i, py = right ? y + i : y + 25;
        COLORREF expected = c.greys[i] == kPaperGrey ? kPaper : Grey(c.greys[i]);
        EXPECT_EQ(At(px, py), expected) << "stroke " << i;
        // Each stroke starts on the line's start and stops short of its length.
        int sx = right ? x : x + i, sy = right ? y + i : y;
        int ex = right ? x + length : x + i, ey = right ? y + i : y + length;
        EXPECT_EQ(At(sx, sy), expected) << "start of stroke " << i;
        EXPECT_EQ(At(ex, ey), kPaper) << "end of stroke " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Lines3D,
    ::testing::Values(
        Line3DCase{"RIGHT", "RAISE", 1, {255, kPaperGrey, 0, kPaperGrey, kPaperGrey}},
        Line3DCase{"RIGHT", "LOWER", 1, {0, kPaperGrey, 255, kPaperGrey, kPaperGrey}},
        Line3DCase{"DOWN", "LOWER", 1, {0, kPaperGrey, 255, kPaperGrey, kPaperGrey}},
        Line3DCase{"RIGHT", "RAISE", 3, {255, 170, kPaperGrey, 130, 0}},
        Line3DCase{"DOWN", "RAISE", 3, {255, 170, kPaperGrey, 130, 0}},
        Line3DCase{"DOWN", "LOWER", 3, {0, 130, kPaperGrey, 170, 255}},
        Line3DCase{"RIGHT", "lower", 2, {255, 170, 130, 0, kPaperGrey}}));

TEST_F(Shapes, Line3DUnknownDirectionDrawsNothing) {
    kt_LastX = kt_LastY = -1;
    kt_DrawLine3D(window, 20, 30, 50, "right", "LOWER", 3);
    kt_DrawLine3D(window, 20, 30, 50, "UP", "LOWER", 3);
    EXPECT_TRUE(Blank(canvas));
    ExpectCurrentPoint(-1, -1);
}

TEST_F(Shapes, Line3DLeavesTheEndOfItsLastStroke) {
    kt_DrawLine3D(window, 20, 30, 50, "RIGHT", "LOWER", 3);
    ExpectCurrentPoint(70, 34);
    kt_DrawLine3D(window, 20, 30, 40, "DOWN", "LOWER", 1);
    ExpectCurrentPoint(22, 70);
}

// The eight lines of a 3D frame: pen A black and B white when raised,
// swapped for "LOWER".
struct FrameCase {
    const char *look;
    int inset;
};

std::ostream &operator<<(std::ostream &out, const FrameCase &c) {
    return out << (c.look[0] ? c.look : "(empty)") << " inset " << c.inset;
}

class Frames3D : public Shapes, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(Frames3D, EachLineInItsPen) {
    const FrameCase &c = GetParam();
    const int x = 20, y = 10, w = 120, h = 60, d = c.inset;
    kt_DrawFrame3D(window, x, y, w, h, c.look, d);
    bool lower = strcmp(c.look, "LOWER") == 0;
    COLORREF a = lower ? kWhite : kBlack, b = lower ? kBlack : kWhite;
    const int midX = x + w / 2, midY = y + h / 2;
    struct Sample {
        const char *line;
        int px, py;
        COLORREF colour;
    } samples[] = {
        {"inner top", midX, y + 1 + d, a},
        {"outer bottom", midX, y + h + 1, a},
        {"outer right", x + w, midY, a},
        {"inner left", x + 1 + d, midY, a},
        {"outer top", midX, y, b},
        {"inner bottom", midX, y + h - d, b},
        {"inner right", x + w - 1 - d, midY, b},
        {"outer left", x, midY, b},
        // Second points are not painted, so the pen A lines show there.
        {"top right corner", x + w, y, a},
        {"bottom left corner", x, y + h + 1, a},
        {"past outer bottom", x + w + 1, y + h + 1, kPaper},
        {"inside", midX, midY, kPaper},
    };
    for (const Sample &s : samples) EXPECT_EQ(At(s.px, s.py), s.colour) << s.line;
    if (d > 1) {
        EXPECT_EQ(At(midX, y + 2), kPaper) << "between the two rectangles";
        EXPECT_EQ(At(x + 2, midY), kPaper) << "between the two rectangles";
    }
}

INSTANTIATE_TEST_SUITE_P(Looks, Frames3D,
                         ::testing::Values(FrameCase{"LOWER", 0}, FrameCase{"RAISE", 0},
                                           FrameCase{"LOWER", 4}, FrameCase{"", 6}));

TEST_F(Shapes, FrameLeavesTheCurrentPointAlone) {
    kt_LastX = 7;
    kt_LastY = 8;
    kt_DrawFrame3D(window, 20, 10, 120, 60, "LOWER", 0);
    ExpectCurrentPoint(7, 8);
}

}  // namespace
