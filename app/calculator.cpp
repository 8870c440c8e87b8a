// The plate weight calculator: the main window's procedure.
#include <math.h>

#include "toolkit.h"

static const double kDivisor = 1000.0;
static const double kDensity = 7.85;
static const double kVendorFactor = 8.0;

// Every value passes through this buffer: a result text has at most 19 characters.
#define KT_VALUE_BUFFER 20
static char gValue[KT_VALUE_BUFFER];

static HWND gLength, gWidth, gThickness, gWeight, gVendorWeight, gCount;
static HFONT gLabelFont;
static BOOL gFirstPaint = TRUE;

struct FieldSpec {
    HWND *slot;
    int x, y, width, height, limit;
};

static const FieldSpec kFields[] = {
    {&gLength, 100, 100, 60, 20, 6},     {&gWidth, 200, 100, 60, 20, 6},
    {&gThickness, 300, 100, 40, 20, 4},  {&gWeight, 400, 100, 90, 20, 6},
    {&gVendorWeight, 500, 100, 90, 20, 6}, {&gCount, 650, 100, 60, 20, 4},
};

struct TextSpec {
    int x, y;
    const char *text;
};

static const TextSpec kTexts[] = {
    {100, 10, "- Fyll i önskat mått och tryck 'Enter' i varje fält"},
    {100, 25, "- Decimaltecken anges som punkt."},
    {100, 40, "- Genom att fylla i egen vikt beräknas antal och exakt vikt."},
    {100, 55, "- Genom att fylla i eget antal beräknas exakt vikt."},
    {100, 80, "Längd"},
    {175, 101, "X"},
    {200, 80, "Bredd"},
    {275, 101, "X"},
    {300, 80, "Tjocklek"},
    {375, 101, "="},
    {400, 80, "Vikt"},
    {500, 80, "Brenok Vikt"},
    {650, 80, "Antal"},
};

static void CreateFields(HWND window) {
    gLabelFont = kt_FontCreate(14, 6, 0, 400, 0, 0, "verdana");
    for (const FieldSpec &f : kFields) {
        *f.slot = kt_EditCreate(window, f.x, f.y, f.width, f.height, "R", f.limit);
        if (f.slot == &gVendorWeight) kt_EditDisable(gVendorWeight);
    }
}

static void Paint(HWND window) {
    kt_DrawFrame3D(window, 95, 5, 400, 70, "LOWER", 0);
    for (const TextSpec &t : kTexts) kt_DrawText(window, t.x, t.y, t.text, 0, gLabelFont, 0);
    if (gFirstPaint) {
        kt_EditSetFocus(gLength);
        kt_EditSetText(gCount, "1");
        gFirstPaint = FALSE;
    }
}

// An empty or non-numeric text reads as 0; a decimal comma ends the number.
static double ReadField(HWND field) {
    kt_EditGetText(field, gValue);
    return kt_NumParse(gValue);
}

static void WriteField(HWND field, double value, int decimals) {
    kt_NumFormatSized(gValue, KT_VALUE_BUFFER, value, decimals);
    kt_EditSetText(field, gValue);
}

static double UnitWeight(double factor, double length, double width, double thickness) {
    return factor * ((length / kDivisor * width / kDivisor) * thickness);
}

static void WriteWeights(double length, double width, double thickness, double count) {
    WriteField(gWeight, UnitWeight(kDensity, length, width, thickness) * count, 2);
    WriteField(gVendorWeight, UnitWeight(kVendorFactor, length, width, thickness) * count, 2);
}

static void WeightFromCount(void) {
    kt_EditAdvanceFocus(gThickness, gLength);
    double length = ReadField(gLength), width = ReadField(gWidth), thickness = ReadField(gThickness);
    WriteWeights(length, width, thickness, ReadField(gCount));
}

// The count is read back whole from the text just written, so that the
// weights belong to the count the field shows even when it is longer than
// the field's limit. A count that is zero or not finite (a plate of no size
// gives an infinite or undefined count) becomes 1.
static void CountFromWeight(void) {
    double length = ReadField(gLength), width = ReadField(gWidth), thickness = ReadField(gThickness);
    double weight = ReadField(gWeight);
    WriteField(gCount, weight / UnitWeight(kDensity, length, width, thickness), 0);
    double count = kt_NumParse(gValue);
    if (count == 0 || !isfinite(count)) {
        count = 1;
        kt_EditSetText(gCount, "1");
    }
    WriteWeights(length, width, thickness, count);
}

static void Compute(void) {
    kt_EditAdvanceFocus(gLength, gWidth);
    kt_EditAdvanceFocus(gWidth, gThickness);
    if (kt_EditHasFocus(gWeight) != 0) WeightFromCount();
    else CountFromWeight();
}

LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateFields(window);
        return 0;
    case WM_PAINT:
        Paint(window);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_COMMAND:
        if (wParam == VK_RETURN) Compute();
        return 0;
    case WM_SIZE:
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
