// Text drawn straight into the drawing target.
#include "target.h"

// A background colour of 0 means none: the text is drawn transparently.
static void ApplyBackground(HDC dc, COLORREF back) {
    if (back != 0) SetBkColor(dc, back);
    else SetBkMode(dc, TRANSPARENT);
}

static void RestoreDefaults(HDC dc) {
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, OPAQUE);
}

int kt_DrawText(HWND window, int x, int y, const char *text, COLORREF color, HFONT font,
                COLORREF back) {
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    SetTextColor(dc, color);
    SelectObject(dc, font ? (HGDIOBJ)font : GetStockObject(SYSTEM_FONT));
    ApplyBackground(dc, back);
    TextOutA(dc, x, y, text, lstrlenA(text));
    RestoreDefaults(dc);
    ktPaintEnd(&paint);
    return 0;
}
