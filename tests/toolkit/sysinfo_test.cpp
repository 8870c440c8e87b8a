// The version code and message for every kind of version record, and the
// real call with its message box.
#include <gtest/gtest.h>

#include <string>

#include "toolkit.h"

namespace {

OSVERSIONINFOA Record(DWORD platform, DWORD major, DWORD minor, DWORD build, const char *servicePack) {
    OSVERSIONINFOA v;
    memset(&v, 0, sizeof v);
    v.dwOSVersionInfoSize = sizeof v;
    v.dwPlatformId = platform;
    v.dwMajorVersion = major;
    v.dwMinorVersion = minor;
    v.dwBuildNumber = build;
    lstrcpynA(v.szCSDVersion, servicePack, sizeof v.szCSDVersion);
    return v;
}

std::string Describe(const OSVERSIONINFOA &v, int *code) {
    char text[512];
    memset(text, '#', sizeof text);
    *code = kt_SysInfoDescribe(&v, text, sizeof text);
    return text;
}

#define NINE_X(version, build, update) \
    "OS          =   Windows " version "\nBuild       =  " build "\nUpdate   =  " update
#define NT(name, build, update) \
    "OS          =  Windows " name "  NT Technology\nBuild       =  " build "\nUpdate   =  " update

struct VersionCase {
    const char *name;
    DWORD platform, major, minor, build;
    const char *servicePack;
    int code;
    const char *text;
};

class Versions : public ::testing::TestWithParam<VersionCase> {};

TEST_P(Versions, CodeAndMessage) {
    const VersionCase &c = GetParam();
    int code;
    std::string text = Describe(Record(c.platform, c.major, c.minor, c.build, c.servicePack), &code);
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(text, c.text);
}

const DWORD kWin = VER_PLATFORM_WIN32_WINDOWS, kNt = VER_PLATFORM_WIN32_NT;

INSTANTIATE_TEST_SUITE_P(
    Records, Versions,
    ::testing::Values(
        // 9x family: the build is the low 16 bits; the update follows the exact text.
        VersionCase{"Win95", kWin, 4, 0, 0x040003B6, "", 95, NINE_X("95", "950", "First Edition")},
        VersionCase{"Win95Osr2", kWin, 4, 0, 0x04000457, " C", 95, NINE_X("95", "1111", "OSR2")},
        VersionCase{"Win98", kWin, 4, 10, 0x040A07CE, " ", 98, NINE_X("98", "1998", "First Edition")},
        VersionCase{"Win98Se", kWin, 4, 10, 0x040A08AE, " A", 98,
                    NINE_X("98", "2222", "Second Edition")},
        VersionCase{"Win98LowerCaseA", kWin, 4, 10, 2222, " a", 98,
                    NINE_X("98", "2222", "First Edition")},
        VersionCase{"Win98LongerText", kWin, 4, 10, 2222, " A ", 98,
                    NINE_X("98", "2222", "First Edition")},
        VersionCase{"WinMe", kWin, 4, 90, 0x045A0BB8, " C", 99, NINE_X("99", "3000", "OSR2")},
        VersionCase{"Win9xOther", kWin, 4, 3, 0x04030064, " A", 0,
                    "OS          =  Windows 4.3\nBuild       =  100\nUpdate   =  Second Edition"},
        // NT family: the whole build and the service-pack text as it is.
        VersionCase{"Nt310", kNt, 3, 10, 511, "Service Pack 3", 351,
                    NT("3.51", "511", "Service Pack 3")},
        VersionCase{"Nt351", kNt, 3, 51, 1057, "", 351, NT("3.51", "1057", "")},
        VersionCase{"Nt4", kNt, 4, 0, 1381, "Service Pack 6", 400, NT("4.0", "1381", "Service Pack 6")},
        VersionCase{"Win2000", kNt, 5, 0, 2195, "Service Pack 4", 500,
                    NT("2000 5.0", "2195", "Service Pack 4")},
        VersionCase{"WinXp", kNt, 5, 1, 999, "Service Pack 2", 510, NT("XP 5.10", "999", "Service Pack 2")},
        VersionCase{"Server2003", kNt, 5, 2, 3790, "", 520,
                    NT(".NET Server 2003 family 5.20", "3790", "")},
        VersionCase{"NtWholeBuild", kNt, 5, 1, 0x12345678, " C", 510,
                    NT("XP 5.10", "305419896", " C")},
        // Versions no row names: the real numbers, in the same form.
        VersionCase{"Vista", kNt, 6, 0, 6000, "", 0, NT("6.0", "6000", "")},
        VersionCase{"Nt53", kNt, 5, 3, 1, "x", 0, NT("5.3", "1", "x")},
        VersionCase{"Win10", kNt, 10, 0, 19045, "", 0, NT("10.0", "19045", "")},
        // Any other platform.
        VersionCase{"Win32s", VER_PLATFORM_WIN32s, 3, 10, 77, "sp", -1,
                    "OS          =  Windows Undknown 0.0 undknown Technology\nBuild       =  77\n"
                    "Update   =  sp"},
        VersionCase{"Zeroed", 0, 0, 0, 0, "", -1,
                    "OS          =  Windows Undknown 0.0 undknown Technology\nBuild       =  0\n"
                    "Update   =  "}),
    [](const ::testing::TestParamInfo<VersionCase> &info) { return std::string(info.param.name); });

TEST(SysInfo, UnterminatedServicePackTextIsBounded) {
    OSVERSIONINFOA v = Record(kNt, 5, 1, 2600, "");
    memset(v.szCSDVersion, 'Z', sizeof v.szCSDVersion);
    int code;
    std::string text = Describe(v, &code);
    EXPECT_EQ(code, 510);
    EXPECT_EQ(text, NT("XP 5.10", "2600", "") + std::string(127, 'Z'));
}

TEST(SysInfo, SmallOrNoBufferStillGivesTheCode) {
    OSVERSIONINFOA v = Record(kWin, 4, 10, 2222, " A");
    char text[16];
    memset(text, '#', sizeof text);
    EXPECT_EQ(kt_SysInfoDescribe(&v, text, 10), 98);
    EXPECT_STREQ(text, "OS       ");
    EXPECT_EQ(text[10], '#');
    EXPECT_EQ(kt_SysInfoDescribe(&v, text, 0), 98);
    EXPECT_EQ(kt_SysInfoDescribe(&v, NULL, 100), 98);
    EXPECT_EQ(kt_SysInfoDescribe(NULL, text, sizeof text), -1);
}

// ---- The real call -----------------------------------------------------

OSVERSIONINFOA RealRecord() {
    OSVERSIONINFOA v;
    memset(&v, 0, sizeof v);
    v.dwOSVersionInfoSize = sizeof v;
    GetVersionExA(&v);
    return v;
}

struct SeenBox {
    int count;
    std::string caption, text;
};
SeenBox g_seen;

BOOL CALLBACK CloseMessageBox(HWND window, LPARAM) {
    char name[16];
    GetClassNameA(window, name, sizeof name);
    if (strcmp(name, "#32770") != 0) return TRUE;
    char caption[128], text[1024];
    GetWindowTextA(window, caption, sizeof caption);
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
    ++g_seen.count;
    g_seen.caption = caption;
    g_seen.text = text;
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

VOID CALLBACK OnBoxTimer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CloseMessageBox, 0);
}

// Calls the operation with a thread timer armed that closes any message box
// it opens.
int CallWithBoxCloser(const char *keyword) {
    g_seen = SeenBox{0, "", ""};
    UINT_PTR timer = SetTimer(NULL, 0, 50, OnBoxTimer);
    int code = kt_SysInfoOsVersion(keyword);
    KillTimer(NULL, timer);
    return code;
}

TEST(SysInfo, RealCallGivesTheCodeOfTheRecordItRead) {
    OSVERSIONINFOA v = RealRecord();
    int code;
    Describe(v, &code);
    EXPECT_EQ(CallWithBoxCloser(""), code);
    EXPECT_EQ(CallWithBoxCloser("anything"), code);
    EXPECT_EQ(g_seen.count, 0);
}

TEST(SysInfo, ShowDisplaysTheDerivedText) {
    int code;
    std::string expected = Describe(RealRecord(), &code);
    EXPECT_EQ(CallWithBoxCloser("SHOW"), code);
    EXPECT_EQ(g_seen.count, 1);
    EXPECT_EQ(g_seen.caption, "OS version info");
    EXPECT_EQ(g_seen.text, expected);
}

TEST(SysInfo, LowerCaseShowDisplaysNothing) {
    int code;
    Describe(RealRecord(), &code);
    EXPECT_EQ(CallWithBoxCloser("show"), code);
    EXPECT_EQ(CallWithBoxCloser("SHOW "), code);
    EXPECT_EQ(g_seen.count, 0);
}

}  // namespace
