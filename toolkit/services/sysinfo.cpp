// The operating-system version as a code, and as a message for the user.
#include <string.h>

#include "../core/keywords.h"
#include "../toolkit.h"

enum { kAny = -1, kReal = -2 };
enum { kUpdateMax = 128, kMessageMax = 1024 };  // 1024: all wsprintfA ever writes

#define KT_NT_TEXT(name)                                                 \
    "OS          =  Windows " name "%i.%i  NT Technology\n"               \
    "Build       =  %i\n"                                                 \
    "Update   =  %s"

static const char kNineXText[] = "OS          =   Windows %i\nBuild       =  %i\nUpdate   =  %s";
static const char kNineXOtherText[] = "OS          =  Windows %i.%i\nBuild       =  %i\nUpdate   =  %s";
static const char kUnknownText[] =
    "OS          =  Windows Undknown %i.%i undknown Technology\nBuild       =  %i\nUpdate   =  %s";

// Rows are tried in order; kAny matches every value. The 9x rows name the
// version by the code, the others by the shown major and minor (kReal: the
// record's own numbers, for versions no row names).
struct VersionRow {
    DWORD platform;
    int major, minor;
    int code;
    int shownMajor, shownMinor;
    BOOL namedByCode;
    const char *text;
};

static const VersionRow kVersionRows[] = {
    {VER_PLATFORM_WIN32_WINDOWS, kAny, 0, 95, 0, 0, TRUE, kNineXText},
    {VER_PLATFORM_WIN32_WINDOWS, kAny, 10, 98, 0, 0, TRUE, kNineXText},
    {VER_PLATFORM_WIN32_WINDOWS, kAny, 90, 99, 0, 0, TRUE, kNineXText},
    {VER_PLATFORM_WIN32_WINDOWS, kAny, kAny, 0, kReal, kReal, FALSE, kNineXOtherText},
    {VER_PLATFORM_WIN32_NT, 3, kAny, 351, 3, 51, FALSE, KT_NT_TEXT("")},
    {VER_PLATFORM_WIN32_NT, 4, kAny, 400, 4, 0, FALSE, KT_NT_TEXT("")},
    {VER_PLATFORM_WIN32_NT, 5, 0, 500, 5, 0, FALSE, KT_NT_TEXT("2000 ")},
    {VER_PLATFORM_WIN32_NT, 5, 1, 510, 5, 10, FALSE, KT_NT_TEXT("XP ")},
    {VER_PLATFORM_WIN32_NT, 5, 2, 520, 5, 20, FALSE, KT_NT_TEXT(".NET Server 2003 family ")},
    {VER_PLATFORM_WIN32_NT, kAny, kAny, 0, kReal, kReal, FALSE, KT_NT_TEXT("")},
};

static const VersionRow kUnknownPlatform = {0, kAny, kAny, -1, 0, 0, FALSE, kUnknownText};

static BOOL Matches(int wanted, DWORD value) { return wanted == kAny || (DWORD)wanted == value; }

static const VersionRow *FindVersionRow(const OSVERSIONINFOA *version) {
    for (size_t i = 0; i < KT_ARRAY_SIZE(kVersionRows); ++i) {
        const VersionRow *row = &kVersionRows[i];
        if (row->platform == version->dwPlatformId && Matches(row->major, version->dwMajorVersion) &&
            Matches(row->minor, version->dwMinorVersion))
            return row;
    }
    return &kUnknownPlatform;
}

struct NineXUpdate {
    const char *servicePack;
    const char *text;
};

// Exact texts, " C" before " A".
static const NineXUpdate kNineXUpdates[] = {{" C", "OSR2"}, {" A", "Second Edition"}};

// The record's own text may lack its terminator; at most 127 characters.
static void CopyServicePack(char *update, const OSVERSIONINFOA *version) {
    size_t length = 0;
    while (length < kUpdateMax - 1 && version->szCSDVersion[length]) ++length;
    memcpy(update, version->szCSDVersion, length);
    update[length] = 0;
}

static void DeriveUpdate(char *update, const OSVERSIONINFOA *version) {
    CopyServicePack(update, version);
    if (version->dwPlatformId != VER_PLATFORM_WIN32_WINDOWS) return;
    const NineXUpdate *named = ktFindKeyword(kNineXUpdates, update);
    lstrcpyA(update, named ? named->text : "First Edition");
}

static int DeriveBuild(const OSVERSIONINFOA *version) {
    if (version->dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) return LOWORD(version->dwBuildNumber);
    return (int)version->dwBuildNumber;
}

static int Shown(int shown, DWORD real) { return shown == kReal ? (int)real : shown; }

static void FormatMessageText(char *message, const VersionRow *row, const OSVERSIONINFOA *version) {
    char update[kUpdateMax];
    DeriveUpdate(update, version);
    int build = DeriveBuild(version);
    if (row->namedByCode) {
        wsprintfA(message, row->text, row->code, build, update);
        return;
    }
    wsprintfA(message, row->text, Shown(row->shownMajor, version->dwMajorVersion),
              Shown(row->shownMinor, version->dwMinorVersion), build, update);
}

int kt_SysInfoDescribe(const OSVERSIONINFOA *version, char *text, int size) {
    OSVERSIONINFOA none;
    if (!version) {
        memset(&none, 0, sizeof none);
        version = &none;
    }
    const VersionRow *row = FindVersionRow(version);
    if (text && size > 0) {
        char message[kMessageMax];
        FormatMessageText(message, row, version);
        lstrcpynA(text, message, size);
    }
    return row->code;
}

int kt_SysInfoOsVersion(const char *keyword) {
    OSVERSIONINFOA version;
    memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    BOOL show = keyword && lstrcmpA(keyword, "SHOW") == 0;
    char message[kMessageMax];
    int code = kt_SysInfoDescribe(&version, message, sizeof message);
    if (show) MessageBoxA(NULL, message, "OS version info", MB_OK);
    return code;
}
