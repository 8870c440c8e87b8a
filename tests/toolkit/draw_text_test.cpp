// Text and numbers drawn into memory canvases, compared pixel for pixel with
// the plain text they must amount to (glyph shapes vary between fonts).
#include "draw_support.h"

namespace {

class TextDrawing : public MemoryDrawing {
protected:
    HFONT font = NULL;
    void SetUp() override {
        MemoryDrawing::SetUp();
        font = kt_FontCreate(-16, 0, 0, 400, 0, 0, "Tahoma");
        ASSERT_NE(font, nullptr);
    }
    void TearDown() override {
        MemoryDrawing::TearDown();
        DeleteObject(font);
    }
    RECT CellOf(int x, int y, const char *text) {
        HGDIOBJ old = SelectObject(canvas.dc, font);
        SIZE size;
        GetTextExtentPoint32A(canvas.dc, text, lstrlenA(text), &size);
        SelectObject(canvas.dc, old);
        return RECT{x, y, x + size.cx, y + size.cy};
    }
};

TEST_F(TextDrawing, NoBackgroundLeavesGapsAndGreenFillsCells) {
    const char *text = "W I W";
    RECT cell = CellOf(10, 10, text);
    int cellPixels = (cell.right - cell.left) * (cell.bottom - cell.top);

    kt_DrawText(window, 10, 10, text, kBlack, font, 0);
    int untouched = CountPixels(canvas, cell, kPaper);
    EXPECT_GT(untouched, cellPixels / 2);
    EXPECT_LT(untouched, cellPixels) << "the text itself was drawn";

    Canvas green = DrawApart([&] { kt_DrawText(window, 10, 10, text, kBlack, font, kGreen); });
    EXPECT_EQ(CountPixels(green, cell, kPaper), 0);
    EXPECT_GT(CountPixels(green, cell, kGreen), cellPixels / 2);
    EXPECT_EQ(GetPixel(green.dc, cell.right, cell.top), kPaper);
    EXPECT_EQ(GetPixel(green.dc, cell.left, cell.bottom), kPaper);
    FreeCanvas(green);
}

TEST_F(TextDrawing, NullFontDrawsInTheSystemFont) {
    SelectObject(canvas.dc, font);  // not the font a null one stands for
    kt_DrawText(window, 5, 5, "Hello 123", kBlack, NULL, 0);
    HFONT system = (HFONT)GetStockObject(SYSTEM_FONT);
    Canvas expected = DrawApart([&] { kt_DrawText(window, 5, 5, "Hello 123", kBlack, system, 0); });
    Canvas other = DrawApart([&] { kt_DrawText(window, 5, 5, "Hello 123", kBlack, font, 0); });
    EXPECT_TRUE(SamePixels(canvas, expected));
    EXPECT_FALSE(SamePixels(canvas, other));
    FreeCanvas(expected);
    FreeCanvas(other);
}

struct NumberCase {
    double value;
    int decimals;
    const char *text;  // what the number must look like on screen
};

std::ostream &operator<<(std::ostream &out, const NumberCase &c) {
    return out << c.value << " with " << c.decimals << " decimals";
}

class NumberDrawing : public TextDrawing, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(NumberDrawing, LooksLikeItsText) {
    const NumberCase &c = GetParam();
    kt_DrawNumber(window, 4, 20, c.value, c.decimals, kRed, font, kGreen);
    Canvas expected = DrawApart([&] { kt_DrawText(window, 4, 20, c.text, kRed, font, kGreen); });
    EXPECT_TRUE(SamePixels(canvas, expected)) << c.text;
    EXPECT_EQ(Blank(canvas), c.text[0] == 0);
    FreeCanvas(expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberDrawing,
    ::testing::Values(NumberCase{2.5, 2, "2.50"},
                      NumberCase{2.5, 9, "2.50000000"},   // more than 8 decimals gives 8
                      NumberCase{3.14159, 3, "3.142"},
                      NumberCase{-7, 0, "-7"},
                      NumberCase{1e300, 2, "1.00e+300"},  // too long for the 100-byte text
                      NumberCase{2.5, -1, ""}));

TEST_F(TextDrawing, NumberWithNineDecimalsIsNotNineDigits) {
    kt_DrawNumber(window, 4, 20, 2.5, 9, kBlack, font, 0);
    Canvas nine = DrawApart([&] { kt_DrawText(window, 4, 20, "2.500000000", kBlack, font, 0); });
    EXPECT_FALSE(SamePixels(canvas, nine));
    FreeCanvas(nine);
}

TEST_F(TextDrawing, NumberWithNullFontUsesTheSystemFont) {
    kt_DrawNumber(window, 4, 20, 12.25, 2, kBlack, NULL, 0);
    HFONT system = (HFONT)GetStockObject(SYSTEM_FONT);
    Canvas expected = DrawApart([&] { kt_DrawText(window, 4, 20, "12.25", kBlack, system, 0); });
    EXPECT_TRUE(SamePixels(canvas, expected));
    FreeCanvas(expected);
}

// The coloured copy over a white one, offset clamped to 3 either way; the
// background colour never shows.
struct EmbossCase {
    int offset, shift;
};

std::ostream &operator<<(std::ostream &out, const EmbossCase &c) {
    return out << "offset " << c.offset;
}

class EmbossedDrawing : public TextDrawing, public ::testing::WithParamInterface<EmbossCase> {};

TEST_P(EmbossedDrawing, WhiteCopyUnderShiftedColouredCopy) {
    const EmbossCase &c = GetParam();
    kt_DrawTextEmbossed(window, 20, 20, c.offset, "Embossed", kRed, font, kGreen);
    Canvas expected = DrawApart([&] {
        kt_DrawText(window, 20, 20, "Embossed", kWhite, font, 0);
        kt_DrawText(window, 20 + c.shift, 20 + c.shift, "Embossed", kRed, font, 0);
    });
    EXPECT_TRUE(SamePixels(canvas, expected)) << "offset " << c.offset;
    FreeCanvas(expected);
}

TEST_P(EmbossedDrawing, VerticalWhiteColumnUnderShiftedColouredColumn) {
    const EmbossCase &c = GetParam();
    kt_DrawTextVerticalEmbossed(window, 30, 10, 18, c.offset, "XYZ", kRed, font, kGreen);
    Canvas expected = DrawApart([&] {
        const char *letters[] = {"X", "Y", "Z"};
        for (int i = 0; i < 3; ++i) kt_DrawText(window, 30, 10 + i * 18, letters[i], kWhite, font, 0);
        for (int i = 0; i < 3; ++i)
            kt_DrawText(window, 30 + c.shift, 10 + c.shift + i * 18, letters[i], kRed, font, 0);
    });
    EXPECT_TRUE(SamePixels(canvas, expected)) << "offset " << c.offset;
    FreeCanvas(expected);
}

INSTANTIATE_TEST_SUITE_P(Offsets, EmbossedDrawing,
                         ::testing::Values(EmbossCase{5, 3}, EmbossCase{3, 3}, EmbossCase{1, 1},
                                           EmbossCase{0, 0}, EmbossCase{-2, -2},
                                           EmbossCase{-9, -3}));

struct VerticalCase {
    int step;
    COLORREF back;
};

std::ostream &operator<<(std::ostream &out, const VerticalCase &c) {
    return out << "step " << c.step << (c.back ? " on green" : "");
}

class VerticalDrawing : public TextDrawing, public ::testing::WithParamInterface<VerticalCase> {};

TEST_P(VerticalDrawing, CharacterIAtStepTimesI) {
    const VerticalCase &c = GetParam();
    kt_DrawTextVertical(window, 40, 8, c.step, "ABC", kBlack, font, c.back);
    Canvas expected = DrawApart([&] {
        kt_DrawText(window, 40, 8, "A", kBlack, font, c.back);
        kt_DrawText(window, 40, 8 + c.step, "B", kBlack, font, c.back);
        kt_DrawText(window, 40, 8 + 2 * c.step, "C", kBlack, font, c.back);
    });
    EXPECT_TRUE(SamePixels(canvas, expected)) << "step " << c.step;
    FreeCanvas(expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, VerticalDrawing,
                         ::testing::Values(VerticalCase{12, 0}, VerticalCase{12, kGreen},
                                           VerticalCase{30, 0}, VerticalCase{0, 0}));

// Only kt_DrawText and kt_DrawNumber stand in the system font for a null
// one; the others keep the font the context has.
TEST_F(TextDrawing, VerticalWithNullFontKeepsTheContextsFont) {
    SelectObject(canvas.dc, font);
    kt_DrawTextVertical(window, 40, 8, 20, "ABC", kBlack, NULL, 0);
    Canvas expected = DrawApart([&] { kt_DrawTextVertical(window, 40, 8, 20, "ABC", kBlack, font, 0); });
    EXPECT_TRUE(SamePixels(canvas, expected));
    FreeCanvas(expected);
}

TEST_F(TextDrawing, NullTextDrawsNothing) {
    kt_DrawText(window, 5, 5, NULL, kBlack, font, kGreen);
    kt_DrawTextVertical(window, 5, 5, 10, NULL, kBlack, font, kGreen);
    kt_DrawTextEmbossed(window, 5, 5, 2, NULL, kBlack, font, kGreen);
    kt_DrawTextVerticalEmbossed(window, 5, 5, 10, 2, NULL, kBlack, font, kGreen);
    EXPECT_TRUE(Blank(canvas));
}

}  // namespace
