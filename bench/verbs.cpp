// Verb overhead: each toolkit verb against the platform calls it makes,
// written out directly, on the same field or window, call for call.
//   bench_verbs [--rounds N] [--calls C]
#include "bench.h"

#include <stdlib.h>

#include "toolkit.h"

LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

static HWND gWindow, gField;
static HFONT gFont;
static int gCalls = 2000;
static const char *const kTexts[2] = {"1234", "98765"};
static const char kLabel[] = "Tjocklek";
static volatile int gSink;

// Per call in nanoseconds; the queue is run dry first, untimed, so that
// neither side pays for the other's repaints.
#define BENCH_TIMED(body)                                  \
    BenchPump();                                           \
    double start = BenchNow();                             \
    for (int i = 0; i < gCalls; ++i) {                     \
        body;                                              \
    }                                                      \
    return (BenchNow() - start) / gCalls * 1e9;

static double ToolkitSetText(void) { BENCH_TIMED(kt_EditSetText(gField, kTexts[i & 1])) }
static double RawSetText(void) { BENCH_TIMED(SendMessageA(gField, WM_SETTEXT, 0, (LPARAM)kTexts[i & 1])) }

static double ToolkitGetText(void) {
    char buffer[16];
    BENCH_TIMED(gSink += kt_EditGetText(gField, buffer))
}
static double RawGetText(void) {
    char buffer[16];
    BENCH_TIMED(int limit = (int)SendMessageA(gField, EM_GETLIMITTEXT, 0, 0);
                gSink += (int)SendMessageA(gField, WM_GETTEXT, (WPARAM)(limit + 2), (LPARAM)buffer))
}

static double ToolkitMove(void) { BENCH_TIMED(kt_EditMove(gField, 100 + (i & 1) * 4, 100)) }
static double RawMove(void) {
    BENCH_TIMED(SetWindowPos(gField, NULL, 100 + (i & 1) * 4, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER))
}

static double ToolkitDrawText(void) { BENCH_TIMED(kt_DrawText(gWindow, 100, 10, kLabel, 0, gFont, 0)) }
// What kt_DrawText does on the client target, call for call.
static void RawDrawText(HWND window, int x, int y, const char *text, COLORREF color, HFONT font) {
    HDC dc = GetDC(window);
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    SetTextColor(dc, color);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, x, y, text, lstrlenA(text));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, OPAQUE);
    ReleaseDC(window, dc);
    EndPaint(window, &ps);
}
static double RawDrawTextRound(void) { BENCH_TIMED(RawDrawText(gWindow, 100, 10, kLabel, 0, gFont)) }

static double ToolkitDrawLine(void) { BENCH_TIMED(kt_DrawLine(gWindow, 100, 150, 700, 150, RGB(0, 0, 128))) }
// What kt_DrawLine does on the client target, call for call.
static void RawDrawLine(HWND window, int x1, int y1, int x2, int y2, COLORREF color) {
    HDC dc = GetDC(window);
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    HPEN pen = CreatePen(PS_SOLID, 0, color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, NULL);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
    ReleaseDC(window, dc);
    EndPaint(window, &ps);
}
static double RawDrawLineRound(void) { BENCH_TIMED(RawDrawLine(gWindow, 100, 150, 700, 150, RGB(0, 0, 128))) }

struct VerbPair {
    const char *figure;
    const char *baseline;
    BenchSide toolkit;
    BenchSide raw;
};

static const VerbPair kPairs[] = {
    {"3 kt_EditSetText", "WM_SETTEXT", ToolkitSetText, RawSetText},
    {"3 kt_EditGetText", "EM_GETLIMITTEXT + WM_GETTEXT", ToolkitGetText, RawGetText},
    {"3 kt_EditMove", "SetWindowPos", ToolkitMove, RawMove},
    {"3 kt_DrawText", "GetDC, BeginPaint, TextOutA, ...", ToolkitDrawText, RawDrawTextRound},
    {"3 kt_DrawLine", "GetDC, BeginPaint, CreatePen, LineTo, ...", ToolkitDrawLine, RawDrawLineRound},
};

int main(int argc, char **argv) {
    int rounds = BenchRounds(argc, argv, 21);
    if (const char *calls = BenchOption(argc, argv, "--calls")) gCalls = atoi(calls) > 0 ? atoi(calls) : 1;
    gWindow = kt_WindowCreate(GetModuleHandleA(NULL), "BenchVerbs", 180, 200, 800, 200, "MIN_MAX_CLO");
    if (!gWindow) BenchFail("the window");
    gField = kt_EditCreate(gWindow, 100, 100, 60, 20, "R", 6);
    gFont = kt_FontCreate(14, 6, 0, 400, 0, 0, "verdana");
    BenchPump();
    for (const VerbPair &p : kPairs)
        BenchReport(p.figure, p.baseline, BenchCompare(p.toolkit, p.raw, rounds), "ns", 0, 1.02);
    return 0;
}
