// Verb overhead: each toolkit verb against the platform calls it makes,
// written out directly, on the same field or window, call for call. The two
// sides take turns in short blocks; every call changes what it touches (the
// text or the position alternates from call to call, whichever side makes it).
//   bench_verbs [--rounds N] [--round-ms T]
#include "bench.h"

#include <stdlib.h>

#include "toolkit.h"

LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

static HWND gWindow, gField;
static HFONT gFont;
static unsigned gTurn;
static const char *const kTexts[2] = {"1234", "98765"};
static const char kLabel[] = "Tjocklek";
static volatile int gSink;

#define BENCH_CALLS(body)                                  \
    for (int i = 0; i < calls; ++i, ++gTurn) {             \
        body;                                              \
    }

static void ToolkitSetText(int calls) { BENCH_CALLS(kt_EditSetText(gField, kTexts[gTurn & 1])) }
static void RawSetText(int calls) { BENCH_CALLS(SendMessageA(gField, WM_SETTEXT, 0, (LPARAM)kTexts[gTurn & 1])) }

static void ToolkitGetText(int calls) {
    char buffer[16];
    BENCH_CALLS(gSink += kt_EditGetText(gField, buffer))
}
static void RawGetText(int calls) {
    char buffer[16];
    BENCH_CALLS(int limit = (int)SendMessageA(gField, EM_GETLIMITTEXT, 0, 0);
                gSink += (int)SendMessageA(gField, WM_GETTEXT, (WPARAM)(limit + 2), (LPARAM)buffer))
}

static int FieldX(void) { return 100 + (int)(gTurn & 1) * 4; }
static void ToolkitMove(int calls) { BENCH_CALLS(kt_EditMove(gField, FieldX(), 100)) }
static void RawMove(int calls) {
    BENCH_CALLS(SetWindowPos(gField, NULL, FieldX(), 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER))
}

static void ToolkitDrawText(int calls) { BENCH_CALLS(kt_DrawText(gWindow, 100, 10, kLabel, 0, gFont, 0)) }
// What kt_DrawText does on the client target, call for call.
static void DrawTextDirectly(HWND window, int x, int y, const char *text, COLORREF color, HFONT font) {
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
static void RawDrawText(int calls) { BENCH_CALLS(DrawTextDirectly(gWindow, 100, 10, kLabel, 0, gFont)) }

static void ToolkitDrawLine(int calls) { BENCH_CALLS(kt_DrawLine(gWindow, 100, 150, 700, 150, RGB(0, 0, 128))) }
// The calls that draw the line kt_DrawLine draws on the client target. The
// toolkit also reads the context's background mode and colour, which only
// its styled lines change: that is part of what the figure measures.
static void DrawLineDirectly(HWND window, int x1, int y1, int x2, int y2, COLORREF color) {
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
static void RawDrawLine(int calls) { BENCH_CALLS(DrawLineDirectly(gWindow, 100, 150, 700, 150, RGB(0, 0, 128))) }

struct VerbPair {
    const char *figure;
    const char *baseline;
    BenchBlock toolkit;
    BenchBlock raw;
};

static const VerbPair kPairs[] = {
    {"3 kt_EditSetText", "WM_SETTEXT", ToolkitSetText, RawSetText},
    {"3 kt_EditGetText", "EM_GETLIMITTEXT + WM_GETTEXT", ToolkitGetText, RawGetText},
    {"3 kt_EditMove", "SetWindowPos", ToolkitMove, RawMove},
    {"3 kt_DrawText", "GetDC, BeginPaint, TextOutA, ...", ToolkitDrawText, RawDrawText},
    {"3 kt_DrawLine", "GetDC, BeginPaint, CreatePen, LineTo, ...", ToolkitDrawLine, RawDrawLine},
};

int main(int argc, char **argv) {
    int rounds = BenchRounds(argc, argv, 31);
    const char *roundMs = BenchOption(argc, argv, "--round-ms");
    double roundSeconds = (roundMs ? atof(roundMs) : 100) / 1000.0;
    gWindow = kt_WindowCreate(GetModuleHandleA(NULL), "BenchVerbs", 180, 200, 800, 200, "MIN_MAX_CLO");
    if (!gWindow) BenchFail("the window");
    gField = kt_EditCreate(gWindow, 100, 100, 60, 20, "R", 6);
    gFont = kt_FontCreate(14, 6, 0, 400, 0, 0, "verdana");
    BenchPump();
    for (const VerbPair &p : kPairs)
        BenchReport(p.figure, p.baseline, BenchCompareBlocks(p.toolkit, p.raw, rounds, roundSeconds),
                    "ns", 0, 1.02);
    return 0;
}
