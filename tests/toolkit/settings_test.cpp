// Settings files through the platform's profile reader and writer. The paths
// are absolute: a bare name would be looked for in the Windows folder.
#include <gtest/gtest.h>

#include <string>

#include "temp_folder.h"
#include "toolkit.h"

namespace {

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = MakeTempFolder("settings");
        ini_ = folder_ + "\\app.ini";
    }
    void TearDown() override {
        WritePrivateProfileStringA(NULL, NULL, NULL, ini_.c_str());  // drop any cached copy
        RemoveTree(folder_);
    }
    std::string folder_, ini_;
};

TEST_F(Settings, WriteIntoMissingFileCreatesFileSectionAndKey) {
    ASSERT_FALSE(FileExists(ini_));
    EXPECT_EQ(kt_IniWrite(ini_.c_str(), "Fönster", "Bredd", "800"), 0);
    WritePrivateProfileStringA(NULL, NULL, NULL, ini_.c_str());
    std::string bytes = ReadBytes(ini_);
    EXPECT_NE(bytes.find("[F\xF6nster]"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Bredd=800"), std::string::npos) << bytes;
    char value[16];
    EXPECT_EQ(kt_IniRead(ini_.c_str(), "Fönster", "Bredd", value, sizeof value), 3);
    EXPECT_STREQ(value, "800");
}

TEST_F(Settings, MissingKeyGivesMinusOneAndEmptyValueZero) {
    WriteBytes(ini_, "[Main]\r\nEmpty=\r\nBare\r\nSet=1\r\n");
    char value[32] = "untouched";
    EXPECT_EQ(kt_IniRead(ini_.c_str(), "Main", "Empty", value, sizeof value), 0);
    EXPECT_STREQ(value, "");
    struct {
        const char *section, *key;
    } missing[] = {{"Main", "Nothing"}, {"Other", "Set"}, {"Main", "Bare"}};
    for (const auto &m : missing) {
        SCOPED_TRACE(std::string(m.section) + "/" + m.key);
        strcpy(value, "untouched");
        EXPECT_EQ(kt_IniRead(ini_.c_str(), m.section, m.key, value, sizeof value), -1);
        EXPECT_STREQ(value, "          ");
    }
    std::string none = folder_ + "\\none.ini";
    EXPECT_EQ(kt_IniRead(none.c_str(), "Main", "Set", value, sizeof value), -1);
    EXPECT_FALSE(FileExists(none));
}

// The probes that tell a missing key are themselves values that must read back.
TEST_F(Settings, ValuesThatLookLikeTheDefaultsAreFound) {
    const char *values[] = {"\x01kt\x02", "\x02kt\x01", "kt"};
    for (const char *v : values) {
        ASSERT_EQ(kt_IniWrite(ini_.c_str(), "S", "K", v), 0);
        char value[16];
        EXPECT_EQ(kt_IniRead(ini_.c_str(), "S", "K", value, sizeof value), (int)strlen(v));
        EXPECT_STREQ(value, v);
    }
}

TEST_F(Settings, TextsRoundTrip) {
    const char *values[] = {"med mellanslag inuti", "a=b=c", "Längd Bredd Tjocklek åäö ÅÄÖ",
                            "x", "C:\\Program Files\\Arkmeter\\data.txt"};
    for (const char *v : values) {
        SCOPED_TRACE(v);
        ASSERT_EQ(kt_IniWrite(ini_.c_str(), "Texter", "Värde", v), 0);
        char value[128];
        EXPECT_EQ(kt_IniRead(ini_.c_str(), "Texter", "Värde", value, sizeof value), (int)strlen(v));
        EXPECT_STREQ(value, v);
    }
}

TEST_F(Settings, LongValueIsCutToTheBuffer) {
    ASSERT_EQ(kt_IniWrite(ini_.c_str(), "S", "Long", "0123456789abcdef"), 0);
    struct {
        int size;
        const char *expected;
    } cases[] = {{8, "0123456"}, {4, "012"}, {1, ""}, {16, "0123456789abcde"}, {17, "0123456789abcdef"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.size);
        char value[32];
        memset(value, '#', sizeof value);
        EXPECT_EQ(kt_IniRead(ini_.c_str(), "S", "Long", value, c.size), (int)strlen(c.expected));
        EXPECT_STREQ(value, c.expected);
        EXPECT_EQ(value[c.size], '#');  // nothing past the buffer
    }
}

TEST_F(Settings, MissingKeyWithSmallBufferStaysInTheBuffer) {
    char value[8];
    memset(value, '#', sizeof value);
    EXPECT_EQ(kt_IniRead(ini_.c_str(), "S", "None", value, 4), -1);
    EXPECT_STREQ(value, "   ");
    EXPECT_EQ(value[4], '#');
    memset(value, '#', sizeof value);
    EXPECT_EQ(kt_IniRead(ini_.c_str(), "S", "None", value, 0), -1);
    EXPECT_EQ(value[0], '#');
}

TEST_F(Settings, WriteIntoMissingFolderFails) {
    std::string path = folder_ + "\\no\\such\\app.ini";
    EXPECT_EQ(kt_IniWrite(path.c_str(), "S", "K", "v"), 1);
    EXPECT_FALSE(FileExists(folder_ + "\\no"));
}

TEST_F(Settings, LaterWritesReplaceAndKeepOtherKeys) {
    ASSERT_EQ(kt_IniWrite(ini_.c_str(), "S", "A", "1"), 0);
    ASSERT_EQ(kt_IniWrite(ini_.c_str(), "S", "B", "2"), 0);
    ASSERT_EQ(kt_IniWrite(ini_.c_str(), "S", "A", "3"), 0);
    char value[8];
    EXPECT_EQ(kt_IniRead(ini_.c_str(), "S", "A", value, sizeof value), 1);
    EXPECT_STREQ(value, "3");
    EXPECT_EQ(kt_IniRead(ini_.c_str(), "S", "B", value, sizeof value), 1);
    EXPECT_STREQ(value, "2");
}

}  // namespace
