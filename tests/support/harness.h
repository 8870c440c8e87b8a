// Test helpers: the real message loop, keys as a user types them, a message log.
#ifndef KT_TEST_HARNESS_H
#define KT_TEST_HARNESS_H

#include <iosfwd>
#include <string>
#include <vector>

#include "toolkit.h"

// Set by a test to receive the messages of the top-level windows it creates
// with kt_WindowCreate; null passes them to DefWindowProcA.
extern WNDPROC g_testWindowProc;

// Runs GetMessage/TranslateMessage/DispatchMessage, as the program's loop
// does, until the queue is empty (and at least for the given time).
void PumpMessages(int milliseconds = 0);

// Key-down and key-up through the queue of the window, then the loop.
void PressKey(HWND target, UINT virtualKey);
// Each character as the key a user presses for it.
void TypeText(HWND target, const char *text);

std::string TextOf(HWND window);

// A unique title, since the class name is the title.
std::string UniqueTitle(const char *stem);

struct LoggedMessage {
    std::string who;
    UINT message;
    WPARAM wParam;
    bool operator==(const LoggedMessage &o) const {
        return who == o.who && message == o.message && wParam == o.wParam;
    }
};
void PrintTo(const LoggedMessage &m, std::ostream *os);
extern std::vector<LoggedMessage> g_messageLog;
void LogMessage(const char *who, UINT message, WPARAM wParam);

// Pixels of a memory context painted by a test.
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};
Canvas MakeCanvas(int width, int height, COLORREF fill);
void FreeCanvas(Canvas &canvas);

#endif
