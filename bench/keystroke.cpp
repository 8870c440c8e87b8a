// Keystroke to result, in one process: Enter in the calculator's count field
// through the real message loop (key-down, the character, the field's
// forwarded command, key-up) until the weight fields hold their new texts,
// against a raw loop that reads the same four fields, does the same
// arithmetic and writes the same two results with direct messages. Both
// sides then let the fields repaint, and both get a new count typed in
// beforehand (untimed), so that every result is a new text.
//   bench_keystroke [--rounds N] [--keys K]   (N rounds of K keystrokes a side)
#include "bench.h"

#include <stdio.h>
#include <stdlib.h>

#include "toolkit.h"

enum { kLength, kWidth, kThickness, kWeight, kVendorWeight, kCount, kFieldCount };

// The result fields hold at most 19 characters; the limits are the calculator's.
#define KT_BENCH_VALUE 20
static const int kLimits[kFieldCount] = {6, 6, 4, 6, 6, 4};
static const int kX[kFieldCount] = {100, 200, 300, 400, 500, 650};
static const int kWidths[kFieldCount] = {60, 60, 40, 90, 90, 60};

static HWND gCalculator[kFieldCount];
static HWND gRaw[kFieldCount];
static int gCollected;
static int gKeys = 1000;

static BOOL CALLBACK CollectField(HWND child, LPARAM) {
    if (gCollected < kFieldCount) gCalculator[gCollected++] = child;
    return TRUE;
}

static void SetText(HWND field, const char *text) { SendMessageA(field, WM_SETTEXT, 0, (LPARAM)text); }

static void SetDimensions(HWND *fields) {
    SetText(fields[kLength], "2000");
    SetText(fields[kWidth], "1000");
    SetText(fields[kThickness], "10");
}

static void OpenCalculator(void) {
    HWND window = kt_WindowCreate(GetModuleHandleA(NULL), "Arkmeter", 180, 200, 800, 200, "MIN_MAX_CLO");
    if (!window) BenchFail("the calculator window");
    EnumChildWindows(window, CollectField, 0);
    if (gCollected != kFieldCount) BenchFail("the calculator's six fields");
    // The first paint gives the length field the focus and writes the count.
    for (int i = 0; i < 500 && GetFocus() != gCalculator[kLength]; ++i) {
        BenchPump();
        Sleep(2);
    }
    if (GetFocus() != gCalculator[kLength]) BenchFail("the calculator's first paint");
    SetDimensions(gCalculator);
}

static void OpenRawWindow(void) {
    HINSTANCE instance = GetModuleHandleA(NULL);
    WNDCLASSEXA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "BenchRawKeys";
    RegisterClassExA(&wc);
    HWND window = CreateWindowExA(0, "BenchRawKeys", "BenchRawKeys",
                                  WS_CLIPCHILDREN | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 180, 450,
                                  800, 200, NULL, NULL, instance, NULL);
    if (!window) BenchFail("the raw window");
    for (int i = 0; i < kFieldCount; ++i) {
        gRaw[i] = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", NULL,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL | ES_NOHIDESEL,
                                  kX[i], 100, kWidths[i], 20, window, (HMENU)(INT_PTR)1, instance, NULL);
        SendMessageA(gRaw[i], EM_LIMITTEXT, (WPARAM)kLimits[i], 0);
    }
    SetDimensions(gRaw);
    BenchPump();
}

static double ReadNumber(HWND field) {
    char text[KT_BENCH_VALUE];
    SendMessageA(field, WM_GETTEXT, sizeof text, (LPARAM)text);
    return atof(text);
}

static double UnitWeight(double factor, double length, double width, double thickness) {
    return factor * ((length / 1000.0 * width / 1000.0) * thickness);
}

static void FormatWeight(char *text, double value) {
    _snprintf(text, KT_BENCH_VALUE - 1, "%.2f", value);
    text[KT_BENCH_VALUE - 1] = 0;
}

// The raw side's whole work for one Enter: four reads, two writes.
static void RawCompute(HWND *fields) {
    double length = ReadNumber(fields[kLength]), width = ReadNumber(fields[kWidth]);
    double thickness = ReadNumber(fields[kThickness]), count = ReadNumber(fields[kCount]);
    char weight[KT_BENCH_VALUE], vendor[KT_BENCH_VALUE];
    FormatWeight(weight, UnitWeight(7.85, length, width, thickness) * count);
    FormatWeight(vendor, UnitWeight(8.0, length, width, thickness) * count);
    SetText(fields[kWeight], weight);
    SetText(fields[kVendorWeight], vendor);
}

static LPARAM KeyParam(BOOL up) {
    LPARAM lp = 1 | ((LPARAM)MapVirtualKeyA(VK_RETURN, 0) << 16);
    return up ? lp | (LPARAM)(3u << 30) : lp;
}

// The key-up is queued only after the key-down has been handled, as a real
// key's is.
static void PressEnter(HWND field) {
    PostMessageA(field, WM_KEYDOWN, VK_RETURN, KeyParam(FALSE));
    BenchPump();
    PostMessageA(field, WM_KEYUP, VK_RETURN, KeyParam(TRUE));
    BenchPump();
}

// Untimed: a new count typed in, and its repaint done. Each side runs
// through the same counts.
static void TypeNewCount(HWND *fields, int *next) {
    char text[8];
    snprintf(text, sizeof text, "%d", *next);
    *next = *next % 9999 + 1;
    SetText(fields[kCount], text);
    BenchPump();
}

// Untimed: the calculator's weights are the ones the raw formula gives for
// the texts its fields hold.
static void ExpectRawWeights(HWND *fields) {
    double length = ReadNumber(fields[kLength]), width = ReadNumber(fields[kWidth]);
    double thickness = ReadNumber(fields[kThickness]), count = ReadNumber(fields[kCount]);
    char expected[KT_BENCH_VALUE], shown[KT_BENCH_VALUE];
    FormatWeight(expected, UnitWeight(7.85, length, width, thickness) * count);
    SendMessageA(fields[kWeight], WM_GETTEXT, sizeof shown, (LPARAM)shown);
    if (lstrcmpA(expected, shown) != 0) BenchFail("the weight is not the raw formula's");
    FormatWeight(expected, UnitWeight(8.0, length, width, thickness) * count);
    SendMessageA(fields[kVendorWeight], WM_GETTEXT, sizeof shown, (LPARAM)shown);
    if (lstrcmpA(expected, shown) != 0) BenchFail("the vendor weight is not the raw formula's");
}

static int gCalculatorCount = 1, gRawCount = 1;

static double CalculatorRound(void) {
    SetFocus(gCalculator[kCount]);
    double total = 0;
    for (int i = 0; i < gKeys; ++i) {
        TypeNewCount(gCalculator, &gCalculatorCount);
        double start = BenchNow();
        PressEnter(gCalculator[kCount]);
        total += BenchNow() - start;
        ExpectRawWeights(gCalculator);
    }
    return total / gKeys * 1e6;
}

static double RawRound(void) {
    double total = 0;
    for (int i = 0; i < gKeys; ++i) {
        TypeNewCount(gRaw, &gRawCount);
        double start = BenchNow();
        RawCompute(gRaw);
        BenchPump();
        total += BenchNow() - start;
    }
    return total / gKeys * 1e6;
}

int main(int argc, char **argv) {
    int rounds = BenchRounds(argc, argv, 10);
    if (const char *keys = BenchOption(argc, argv, "--keys")) gKeys = atoi(keys) > 0 ? atoi(keys) : 1;
    OpenCalculator();
    OpenRawWindow();
    BenchResult r = BenchCompare(CalculatorRound, RawRound, rounds);
    BenchReport("2 Keystroke to result (Enter in the count field)", "raw message loop", r, "us", 1, 1.10);
    return 0;
}
