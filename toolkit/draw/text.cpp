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

// The number's text is formatted into a fixed buffer that a bounded formatter
// can never overrun; a negative count of decimals leaves it empty.
#define KT_DRAW_NUMBER_TEXT 100

int kt_DrawNumber(HWND window, int x, int y, double value, int decimals, COLORREF color,
                  HFONT font, COLORREF back) {
    char text[KT_DRAW_NUMBER_TEXT] = "";
    kt_NumFormatSized(text, sizeof text, value, decimals);
    return kt_DrawText(window, x, y, text, color, font, back);
}

// The whole text at (x, y), or, in a column, character i alone at (x, y + i * step).
struct TextLayout {
    BOOL column;
    int step;
};

static void PutText(HDC dc, int x, int y, const char *text, TextLayout layout) {
    if (!text) return;
    if (!layout.column) {
        TextOutA(dc, x, y, text, lstrlenA(text));
        return;
    }
    for (int i = 0; text[i]; ++i) TextOutA(dc, x, y + i * layout.step, text + i, 1);
}

// A null font keeps whatever font the context has.
static void SelectFontIfAny(HDC dc, HFONT font) {
    if (font) SelectObject(dc, font);
}

// Embossing shifts the coloured copy at most 3 pixels off the white one.
static int ClampOffset(int offset) {
    if (offset < -3) return -3;
    if (offset > 3) return 3;
    return offset;
}

// A white copy, then the coloured copy shifted by the offset on both axes;
// always transparent, so the background colour shows nowhere.
static int DrawEmbossed(HWND window, int x, int y, int offset, const char *text, COLORREF color,
                        HFONT font, COLORREF back, TextLayout layout) {
    int shift = ClampOffset(offset);
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    ApplyBackground(dc, back);
    SetTextColor(dc, RGB(255, 255, 255));
    SelectFontIfAny(dc, font);
    SetBkMode(dc, TRANSPARENT);
    PutText(dc, x, y, text, layout);
    SetTextColor(dc, color);
    PutText(dc, x + shift, y + shift, text, layout);
    RestoreDefaults(dc);
    ktPaintEnd(&paint);
    return 0;
}

int kt_DrawTextEmbossed(HWND window, int x, int y, int offset, const char *text, COLORREF color,
                        HFONT font, COLORREF back) {
    TextLayout line = {FALSE, 0};
    return DrawEmbossed(window, x, y, offset, text, color, font, back, line);
}

int kt_DrawTextVertical(HWND window, int x, int y, int step, const char *text, COLORREF color,
                        HFONT font, COLORREF back) {
    TextLayout column = {TRUE, step};
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    SelectFontIfAny(dc, font);
    SetTextColor(dc, color);
    ApplyBackground(dc, back);
    PutText(dc, x, y, text, column);
    RestoreDefaults(dc);
    ktPaintEnd(&paint);
    return 0;
}

int kt_DrawTextVerticalEmbossed(HWND window, int x, int y, int step, int offset, const char *text,
                                COLORREF color, HFONT font, COLORREF back) {
    TextLayout column = {TRUE, step};
    return DrawEmbossed(window, x, y, offset, text, color, font, back, column);
}
