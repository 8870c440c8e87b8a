#include "harness.h"

#include <cstdio>
#include <ostream>

WNDPROC g_testWindowProc = nullptr;
std::vector<LoggedMessage> g_messageLog;

void PumpMessages(int milliseconds) {
    DWORD until = GetTickCount() + (DWORD)milliseconds;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if ((int)(until - GetTickCount()) <= 0) break;
        Sleep(5);
    }
}

static LPARAM KeyParam(UINT vk, bool up) {
    LPARAM scan = (LPARAM)MapVirtualKeyA(vk, 0 /* MAPVK_VK_TO_VSC */);
    LPARAM lp = 1 | (scan << 16);
    if (up) lp |= (LPARAM)(3u << 30);
    return lp;
}

void PressKey(HWND target, UINT virtualKey) {
    // The key-up is queued only after the key-down has been handled, as a
    // real key's is: the character message comes between them.
    PostMessageA(target, WM_KEYDOWN, virtualKey, KeyParam(virtualKey, false));
    PumpMessages();
    PostMessageA(target, WM_KEYUP, virtualKey, KeyParam(virtualKey, true));
    PumpMessages();
}

void TypeText(HWND target, const char *text) {
    for (const char *p = text; *p; ++p) {
        SHORT code = VkKeyScanA(*p);
        UINT vk = LOBYTE(code);
        bool shift = (HIBYTE(code) & 1) != 0;
        if (shift) {
            BYTE keys[256];
            GetKeyboardState(keys);
            keys[VK_SHIFT] = 0x80;
            SetKeyboardState(keys);
        }
        PressKey(target, vk);
        if (shift) {
            BYTE keys[256];
            GetKeyboardState(keys);
            keys[VK_SHIFT] = 0;
            SetKeyboardState(keys);
        }
    }
}

std::string TextOf(HWND window) {
    char buffer[1024] = "";
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::string UniqueTitle(const char *stem) {
    static int counter = 0;
    char title[128];
    snprintf(title, sizeof title, "%s %lu %d", stem, GetCurrentProcessId(), ++counter);
    return title;
}

void LogMessage(const char *who, UINT message, WPARAM wParam) {
    g_messageLog.push_back({who, message, wParam});
}

Canvas MakeCanvas(int width, int height, COLORREF fill) {
    Canvas c;
    HDC screen = GetDC(NULL);
    c.dc = CreateCompatibleDC(screen);
    c.bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(NULL, screen);
    c.old = SelectObject(c.dc, c.bitmap);
    RECT r = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(c.dc, &r, brush);
    DeleteObject(brush);
    return c;
}

void FreeCanvas(Canvas &c) {
    SelectObject(c.dc, c.old);
    DeleteObject(c.bitmap);
    DeleteDC(c.dc);
}

void PrintTo(const LoggedMessage &m, std::ostream *os) {
    *os << "{" << m.who << ", 0x" << std::hex << m.message << ", " << std::dec << m.wParam << "}";
}
