#include <gtest/gtest.h>

#include "arguments.h"

namespace {

struct Case {
    const char *commandLine, *arguments;
};

class ArgumentText : public ::testing::TestWithParam<Case> {};

TEST_P(ArgumentText, FollowsTheProgramName) {
    EXPECT_STREQ(StartupArgumentText(GetParam().commandLine), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(Table, ArgumentText,
                         ::testing::Values(Case{"\"C:\\Program Files\\arkmeter.exe\"  plate", "plate"},
                                           Case{"arkmeter.exe", ""},
                                           Case{"arkmeter.exe   a b", "a b"},
                                           Case{"\"C:\\no end quote a", "\"C:\\no end quote a"},
                                           Case{"arkmeter.exe\ttab", ""},
                                           Case{"\"x\"\tafter", "\tafter"},
                                           Case{"", ""}));

}  // namespace
