// The calculator through the real message loop and real keystrokes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "harness.h"

namespace {

struct Fields {
    HWND main, length, width, thickness, weight, vendor, count;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM lp) {
    auto *list = reinterpret_cast<std::vector<HWND> *>(lp);
    list->push_back(child);
    return TRUE;
}

Fields OpenCalculator() {
    Fields f{};
    f.main = kt_WindowCreate(GetModuleHandleA(NULL), "Arkmeter", 180, 200, 800, 200, "MIN_MAX_CLO");
    std::vector<HWND> children;
    EnumChildWindows(f.main, CollectChild, (LPARAM)&children);
    if (children.size() == 6) {
        f.length = children[0]; f.width = children[1]; f.thickness = children[2];
        f.weight = children[3]; f.vendor = children[4]; f.count = children[5];
    }
    UpdateWindow(f.main);
    PumpMessages(50);
    return f;
}

void Replace(HWND field, const char *text) {
    SetFocus(field);
    PressKey(field, VK_END);
    for (int i = 0; i < 12; ++i) TypeText(field, "\b");
    TypeText(field, text);
}

TEST(Calculator, FirstPaintFocusesLengthAndSetsCountOne) {
    Fields f = OpenCalculator();
    ASSERT_NE(f.count, nullptr);
    EXPECT_EQ(GetFocus(), f.length);
    EXPECT_EQ(TextOf(f.count), "1");
    EXPECT_FALSE(IsWindowEnabled(f.vendor));
}

struct Row {
    const char *length, *width, *thickness, *count, *weightTyped;
    int enterIn;  // 0 length .. 5 count
    const char *weight, *vendor, *countAfter;
    int focusAfter;
};

class CalculatorRows : public ::testing::TestWithParam<Row> {};

TEST_P(CalculatorRows, EnterComputes) {
    const Row &r = GetParam();
    Fields f = OpenCalculator();
    HWND fields[] = {f.length, f.width, f.thickness, f.weight, f.vendor, f.count};
    Replace(f.length, r.length);
    Replace(f.width, r.width);
    Replace(f.thickness, r.thickness);
    if (r.count) Replace(f.count, r.count);
    if (r.weightTyped) Replace(f.weight, r.weightTyped);
    SetFocus(fields[r.enterIn]);
    PressKey(fields[r.enterIn], VK_RETURN);
    EXPECT_EQ(TextOf(f.weight), r.weight);
    EXPECT_EQ(TextOf(f.vendor), r.vendor);
    EXPECT_EQ(TextOf(f.count), r.countAfter);
    EXPECT_EQ(GetFocus(), fields[r.focusAfter]);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CalculatorRows,
    ::testing::Values(Row{"1000", "1000", "1", "1", nullptr, 5, "7.85", "8.00", "1", 5},
                      Row{"2000", "1000", "10", "3", nullptr, 2, "471.00", "480.00", "3", 0},
                      Row{"1000", "1000", "1", nullptr, "20", 3, "23.55", "24.00", "3", 3},
                      Row{"1000", "1000", "1", nullptr, "3", 3, "7.85", "8.00", "1", 3},
                      Row{"", "", "", "1", nullptr, 0, "0.00", "0.00", "1", 1},
                      // A decimal comma ends the number: 2,5 reads as 2.
                      Row{"2,5", "1000", "1", "1", nullptr, 5, "0.02", "0.02", "1", 5},
                      // Weight 0 with nothing else: 0 / 0 is no count, so 1.
                      Row{"", "", "", nullptr, "0", 3, "0.00", "0.00", "1", 3},
                      // A plate of no size cannot make up a weight: the count
                      // would be infinite; it becomes 1 like a count of 0.
                      Row{"", "1000", "1", nullptr, "50", 3, "0.00", "0.00", "1", 3},
                      Row{"1000", "1000", "0", nullptr, "50", 3, "0.00", "0.00", "1", 3},
                      // An eight-character result is shown whole; Enter in that
                      // field reads its first seven characters.
                      Row{"1000", "1000", "1", "9999", nullptr, 5, "78492.15", "79992.00", "9999", 5},
                      Row{"1000", "1000", "1", nullptr, "78492.15", 3, "78492.15", "79992.00", "9999", 3}),
    [](const ::testing::TestParamInfo<Row> &info) { return "row" + std::to_string(info.index); });

// Results too long for the 20-byte value buffer are written in exponent
// notation, never cut into a wrong-looking number.
TEST(Calculator, HugeResultsFitTheirBufferInExponentNotation) {
    Fields f = OpenCalculator();
    Replace(f.length, "9e99");
    Replace(f.width, "1000");
    Replace(f.thickness, "1");
    Replace(f.count, "1");
    SetFocus(f.count);
    PressKey(f.count, VK_RETURN);
    std::string weight = TextOf(f.weight), vendor = TextOf(f.vendor);
    EXPECT_LE(weight.size(), 19u);
    EXPECT_NE(weight.find('e'), std::string::npos) << weight;
    EXPECT_NEAR(atof(weight.c_str()) / 7.065e97, 1.0, 0.01) << weight;
    EXPECT_NEAR(atof(vendor.c_str()) / 7.2e97, 1.0, 0.01) << vendor;
}

// The count is read back whole, not cut at the count field's limit, so the
// weight belongs to the count shown.
TEST(Calculator, LargeCountsKeepTheirWeight) {
    Fields f = OpenCalculator();
    Replace(f.length, "10");
    Replace(f.width, "10");
    Replace(f.thickness, "1");
    Replace(f.weight, "999999");
    SetFocus(f.weight);
    PressKey(f.weight, VK_RETURN);
    double count = atof(TextOf(f.count).c_str());
    EXPECT_NEAR(count, 999999 / 0.000785, 1.0) << TextOf(f.count);
    EXPECT_NEAR(atof(TextOf(f.weight).c_str()), 999999, 0.5) << TextOf(f.weight);
}

TEST(Calculator, TabDoesNothingVisibleAndRepaintKeepsFieldsAndFocus) {
    Fields f = OpenCalculator();
    Replace(f.width, "12");
    SetFocus(f.width);
    PressKey(f.width, VK_TAB);
    EXPECT_EQ(TextOf(f.width), "12");
    EXPECT_EQ(GetFocus(), f.width);
    InvalidateRect(f.main, NULL, TRUE);
    UpdateWindow(f.main);
    PumpMessages(20);
    EXPECT_EQ(TextOf(f.width), "12");
    EXPECT_EQ(TextOf(f.count), "1");
    EXPECT_EQ(GetFocus(), f.width);
}

TEST(Calculator, ClosingTheWindowPostsQuitWithZero) {
    Fields f = OpenCalculator();
    DestroyWindow(f.main);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

}  // namespace
