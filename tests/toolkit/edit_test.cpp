// Edit fields: key forwarding through the real message loop, focus advance,
// text limits, restyling and the file operations.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "harness.h"

namespace {

HWND gParentForLog = nullptr;

LRESULT CALLBACK LoggingParent(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (w == gParentForLog && m == WM_COMMAND && lp == 0) {
        LogMessage("parent", m, wp);
        LogMessage(kt_AdvancePending ? "pending=1" : "pending=0", m, wp);
    }
    return DefWindowProcA(w, m, wp, lp);
}

WNDPROC gFieldProc = nullptr;
LRESULT CALLBACK LoggingField(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_KEYDOWN || m == WM_CHAR || m == WM_KEYUP) LogMessage("field", m, wp);
    return CallWindowProcA(gFieldProc, w, m, wp, lp);
}

class EditTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_testWindowProc = LoggingParent;
        g_messageLog.clear();
        kt_AdvancePending = 0;
        parent = kt_WindowCreate(GetModuleHandleA(NULL), UniqueTitle("edit").c_str(), 50, 50, 400, 200, "CLO");
        gParentForLog = parent;
        PumpMessages();
    }
    void TearDown() override {
        DestroyWindow(parent);
        g_testWindowProc = nullptr;
    }
    HWND Field(const char *align = "L", int limit = 20) {
        HWND f = kt_EditCreate(parent, 10, 10 + 30 * count++, 120, 22, align, limit);
        PumpMessages();
        return f;
    }
    void Spy(HWND field) { gFieldProc = (WNDPROC)SetWindowLongPtrA(field, GWLP_WNDPROC, (LONG_PTR)LoggingField); }
    int Caret(HWND field) {
        DWORD start = 0, end = 0;
        SendMessageA(field, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        return (int)end;
    }
    HWND parent = nullptr;
    int count = 0;
};

TEST_F(EditTest, EnterCharacterReachesFieldBeforeTheForwardedCommand) {
    HWND field = Field("R", 6);
    Spy(field);
    SetFocus(field);
    PressKey(field, VK_RETURN);
    const std::vector<LoggedMessage> expected = {
        {"field", WM_KEYDOWN, VK_RETURN},
        {"field", WM_CHAR, '\r'},
        {"parent", WM_COMMAND, VK_RETURN},
        {"pending=1", WM_COMMAND, VK_RETURN},
        {"field", WM_KEYUP, VK_RETURN},
    };
    EXPECT_EQ(g_messageLog, expected);
    EXPECT_EQ(TextOf(field), "");
}

TEST_F(EditTest, EveryKeyDownIsForwardedAsItsKeyCode) {
    HWND field = Field();
    SetFocus(field);
    TypeText(field, "a");
    PressKey(field, VK_TAB);
    PressKey(field, VK_DELETE);
    PressKey(field, VK_HOME);  // passed on to the control, not forwarded
    std::vector<WPARAM> commands;
    for (const LoggedMessage &m : g_messageLog)
        if (m.who == "parent") commands.push_back(m.wParam);
    EXPECT_EQ(commands, (std::vector<WPARAM>{'A', VK_TAB, VK_DELETE}));
    EXPECT_EQ(TextOf(field), "a");
    EXPECT_EQ(kt_AdvancePending, 1);
}

TEST_F(EditTest, DeleteDoesNothingWhileBackspaceAndCaretKeysWork) {
    HWND field = Field("L", 20);
    SetFocus(field);
    TypeText(field, "abcd");
    PressKey(field, VK_HOME);
    EXPECT_EQ(Caret(field), 0);
    PressKey(field, VK_RIGHT);
    PressKey(field, VK_DELETE);
    EXPECT_EQ(TextOf(field), "abcd");
    TypeText(field, "\b");
    EXPECT_EQ(TextOf(field), "bcd");
    PressKey(field, VK_END);
    EXPECT_EQ(Caret(field), 3);
    PressKey(field, VK_LEFT);
    TypeText(field, "\b");
    EXPECT_EQ(TextOf(field), "bd");
}

TEST_F(EditTest, PasswordFieldSwallowsCaretKeysToo) {
    HWND field = kt_EditCreatePassword(parent, 10, 10, 120, 22, 20);
    SetFocus(field);
    TypeText(field, "abcd");
    PressKey(field, VK_HOME);
    PressKey(field, VK_LEFT);
    EXPECT_EQ(Caret(field), 4);
    TypeText(field, "\b");
    EXPECT_EQ(kt_EditGetLength(field), 3);
    std::vector<WPARAM> commands;
    for (const LoggedMessage &m : g_messageLog)
        if (m.who == "parent") commands.push_back(m.wParam);
    EXPECT_EQ(commands, (std::vector<WPARAM>{'A', 'B', 'C', 'D', VK_HOME, VK_LEFT, VK_BACK}));
}

TEST_F(EditTest, LimitGovernsTypingAndReading) {
    HWND field = Field("R", 6);
    EXPECT_TRUE(GetWindowLongPtrA(field, GWL_STYLE) & ES_RIGHT);
    SetFocus(field);
    TypeText(field, "12345678");
    EXPECT_EQ(TextOf(field), "123456");
    kt_EditSetText(field, "87654321");
    char buffer[8] = "";  // limit + 2
    EXPECT_EQ(kt_EditGetText(field, buffer), 7);
    EXPECT_STREQ(buffer, "8765432");
    EXPECT_EQ(kt_EditSetLimit(field, 10), 6);
    EXPECT_EQ(kt_EditGetLimit(field), 10);
}

TEST_F(EditTest, AdvanceMovesOneStepAlongAChain) {
    HWND a = Field(), b = Field(), c = Field();
    SetFocus(a);
    PressKey(a, VK_RETURN);
    ASSERT_EQ(kt_AdvancePending, 1);
    kt_EditAdvanceFocus(a, b);
    kt_EditAdvanceFocus(b, c);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(kt_AdvancePending, 0);
}

TEST_F(EditTest, PendingStaysRaisedUntilAnAdvanceTakesPlace) {
    HWND a = Field(), b = Field(), c = Field();
    SetFocus(c);
    PressKey(c, VK_TAB);
    kt_EditAdvanceFocus(a, b);
    EXPECT_EQ(kt_AdvancePending, 1);
    EXPECT_EQ(GetFocus(), c);
    kt_EditAdvanceFocus(c, a);
    EXPECT_EQ(kt_AdvancePending, 0);
    EXPECT_EQ(GetFocus(), a);
}

TEST_F(EditTest, ModifyKeepsTheWholeTextAndForwardingStays) {
    HWND field = Field("L", 4);
    kt_EditSetText(field, "abcdefgh");
    HWND successor = kt_EditModify(field, 10, 10, 100, 24, "EDGE", "C", 4);
    EXPECT_FALSE(IsWindow(field));
    EXPECT_EQ(TextOf(successor), "abcdefgh");
    LONG_PTR style = GetWindowLongPtrA(successor, GWL_STYLE);
    EXPECT_TRUE(style & ES_CENTER);
    EXPECT_TRUE(style & WS_DLGFRAME);
    EXPECT_TRUE(GetWindowLongPtrA(successor, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    SetFocus(successor);
    PressKey(successor, VK_RETURN);
    EXPECT_EQ(kt_AdvancePending, 1);
}

TEST_F(EditTest, EditableKeywords) {
    HWND field = Field();
    EXPECT_NE(kt_EditSetEditable(field, "OFF"), 0);
    EXPECT_TRUE(GetWindowLongPtrA(field, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(kt_EditSetEditable(field, "off"), 0);
    EXPECT_TRUE(GetWindowLongPtrA(field, GWL_STYLE) & ES_READONLY);
    EXPECT_NE(kt_EditSetEditable(field, "ON"), 0);
    EXPECT_FALSE(GetWindowLongPtrA(field, GWL_STYLE) & ES_READONLY);
}

TEST_F(EditTest, SelectedTextAndLeftMargin) {
    HWND field = Field();
    kt_EditSetText(field, "plate weight");
    SendMessageA(field, EM_SETSEL, 6, 12);
    EXPECT_STREQ(kt_EditGetSelText(field), "weight");
    SendMessageA(field, EM_SETSEL, 0, 0);
    EXPECT_EQ(kt_EditGetSelText(field), nullptr);
    kt_EditSetLeftMargin(field, 7);
    EXPECT_EQ(kt_EditSetLeftMargin(field, 2), 7);
}

std::string TempPath(const char *name) {
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    return std::string(dir) + name + std::to_string(GetCurrentProcessId());
}

std::string ReadAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string &path, size_t size, char fill) {
    std::ofstream out(path, std::ios::binary);
    out << std::string(size, fill);
}

TEST_F(EditTest, LoadingAMissingFileCreatesItEmpty) {
    HWND field = Field();
    kt_EditSetText(field, "old");
    std::string path = TempPath("missing");
    DeleteFileA(path.c_str());
    EXPECT_EQ(kt_EditLoadFile(field, path.c_str()), 0);
    EXPECT_EQ(TextOf(field), "");
    EXPECT_EQ(GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES, true);
    EXPECT_EQ(ReadAll(path), "");
    DeleteFileA(path.c_str());
}

TEST_F(EditTest, LoadingTooLargeAFileLeavesTheFieldAsItWas) {
    HWND field = Field();
    kt_EditSetText(field, "kept");
    std::string path = TempPath("large");
    WriteBytes(path, 65536, 'x');
    EXPECT_EQ(kt_EditLoadFile(field, path.c_str()), 4);
    EXPECT_EQ(TextOf(field), "kept");
    WriteBytes(path, 65535, 'y');
    kt_EditSetLimit(field, 70000);
    EXPECT_EQ(kt_EditLoadFile(field, path.c_str()), 0);
    EXPECT_EQ(kt_EditGetLength(field), 65535);
    DeleteFileA(path.c_str());
}

TEST_F(EditTest, LoadingReadsChunksWholeAndObeysTheLimit) {
    HWND field = Field("L", 5000);
    std::string path = TempPath("chunks");
    for (size_t size : {998u, 999u, 1000u, 2500u}) {
        std::string content;
        for (size_t i = 0; i < size; ++i) content += (char)('a' + i % 26);
        std::ofstream(path, std::ios::binary) << content;
        EXPECT_EQ(kt_EditLoadFile(field, path.c_str()), 0) << size;
        char *text = new char[size + 10];
        GetWindowTextA(field, text, (int)size + 10);
        EXPECT_EQ(std::string(text), content) << size;
        delete[] text;
        EXPECT_FALSE(SendMessageA(field, EM_GETMODIFY, 0, 0));
    }
    kt_EditSetLimit(field, 100);
    EXPECT_EQ(kt_EditLoadFile(field, path.c_str()), 0);
    EXPECT_EQ(kt_EditGetLength(field), 100);
    DeleteFileA(path.c_str());
}

TEST_F(EditTest, SavingWritesExactlyTheText) {
    HWND field = Field();
    std::string path = TempPath("save");
    WriteBytes(path, 50, 'z');
    EXPECT_EQ(kt_EditSaveFile(field, path.c_str()), 0);
    EXPECT_EQ(ReadAll(path), "");
    kt_EditSetText(field, "Längd 12");
    EXPECT_EQ(kt_EditSaveFile(field, path.c_str()), 0);
    EXPECT_EQ(ReadAll(path), "L\xE4ngd 12");
    DeleteFileA(path.c_str());
}

TEST_F(EditTest, FileOperationsReportPathsThatCannotBeUsed) {
    HWND field = Field();
    kt_EditSetText(field, "kept");
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    EXPECT_EQ(kt_EditSaveFile(field, dir), 2);
    EXPECT_EQ(kt_EditLoadFile(field, "C:\\no\\such\\folder\\f.txt"), 2);
    EXPECT_EQ(TextOf(field), "kept");
}

}  // namespace
