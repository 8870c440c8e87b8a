// Fonts as the platform records them (GetObjectA on the handle).
#include "draw_support.h"

namespace {

LOGFONTA Describe(HFONT font) {
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof lf);
    EXPECT_EQ(GetObjectA(font, sizeof lf, &lf), (int)sizeof lf);
    return lf;
}

// The fields that the creators set from their arguments.
struct FontFields {
    LONG height, width, escapement, orientation, weight;
    BYTE pitchAndFamily;
    const char *face;
};

void ExpectFields(HFONT font, const FontFields &f) {
    ASSERT_NE(font, nullptr);
    LOGFONTA lf = Describe(font);
    EXPECT_EQ(lf.lfHeight, f.height);
    EXPECT_EQ(lf.lfWidth, f.width);
    EXPECT_EQ(lf.lfEscapement, f.escapement);
    EXPECT_EQ(lf.lfOrientation, f.orientation);
    EXPECT_EQ(lf.lfWeight, f.weight);
    EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(lf.lfPitchAndFamily, f.pitchAndFamily);
    EXPECT_STREQ(lf.lfFaceName, f.face);
}

TEST(FamilyFont, TenPointsAtNinetySixDpiAskForThirteenPixels) {
    HWND w = OpenTestWindow();
    HDC dc = GetDC(w);
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(w, dc);
    ASSERT_EQ(dpi, 96);
    HFONT font = kt_EditCreateFont(w, 10, 700, 0, 12345, "Tahoma");
    ExpectFields(font, FontFields{-13, 0, 0, 0, 700, FF_SWISS | DEFAULT_PITCH, "Tahoma"});
    DeleteObject(font);
    DestroyWindow(w);
}

TEST(FontCreate, PassesSizeAngleWeightAndFamilyThrough) {
    HFONT font = kt_FontCreate(14, 6, 450, 400, 0, FF_ROMAN | VARIABLE_PITCH, "verdana");
    ExpectFields(font, FontFields{14, 6, 450, 450, 400, FF_ROMAN | VARIABLE_PITCH, "verdana"});
    DeleteObject(font);
}

struct StyleCase {
    int code;
    bool italic, underline, strikeOut;
};

std::ostream &operator<<(std::ostream &out, const StyleCase &c) {
    return out << "style " << c.code;
}

class StyleCodes : public ::testing::TestWithParam<StyleCase> {};

TEST_P(StyleCodes, DigitsSwitchAttributesOnInBothCreators) {
    const StyleCase &c = GetParam();
    HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    HFONT fonts[] = {kt_FontCreate(-12, 0, 0, 400, c.code, 0, "Tahoma"),
                     kt_EditCreateFont(w, 9, 400, c.code, 0, "Tahoma")};
    for (HFONT font : fonts) {
        LOGFONTA lf = Describe(font);
        EXPECT_EQ(lf.lfItalic != 0, c.italic) << c.code;
        EXPECT_EQ(lf.lfUnderline != 0, c.underline) << c.code;
        EXPECT_EQ(lf.lfStrikeOut != 0, c.strikeOut) << c.code;
        DeleteObject(font);
    }
    DestroyWindow(w);
}

INSTANTIATE_TEST_SUITE_P(Table, StyleCodes,
                         ::testing::Values(StyleCase{0, false, false, false},
                                           StyleCase{1, true, false, false},
                                           StyleCase{2, false, true, false},
                                           StyleCase{3, false, false, true},
                                           StyleCase{12, true, true, false},
                                           StyleCase{13, true, false, true},
                                           StyleCase{23, false, true, true},
                                           StyleCase{123, true, true, true}));

}  // namespace
