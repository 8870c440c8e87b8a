// The calculator through the real message loop and real keystrokes.
#include <gtest/gtest.h>

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
                      Row{"", "", "", "1", nullptr, 0, "0.00", "0.00", "1", 1}));

}  // namespace
