#include "fontmake.h"

KtFontStyle ktFontStyleFromCode(int code) {
    KtFontStyle s = {FALSE, FALSE, FALSE};
    for (int rest = code < 0 ? -code : code; rest > 0; rest /= 10) {
        switch (rest % 10) {
        case 1: s.italic = TRUE; break;
        case 2: s.underline = TRUE; break;
        case 3: s.strikeOut = TRUE; break;
        default: break;
        }
    }
    return s;
}

HFONT kt_FontCreate(int height, int width, int angle, int weight, int style, int pitchFamily,
                    const char *face) {
    KtFontStyle s = ktFontStyleFromCode(style);
    return CreateFontA(height, width, angle, angle, weight, s.italic, s.underline, s.strikeOut,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       pitchFamily, face);
}

// A character height from a size in points, at the vertical resolution of
// the window's screen.
HFONT ktFontFromPoints(HWND w, int points, int weight, int style, const char *face) {
    HDC dc = GetDC(w);
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(w, dc);
    KtFontStyle s = ktFontStyleFromCode(style);
    return CreateFontA(-MulDiv(points, dpi, 72), 0, 0, 0, weight, s.italic, s.underline,
                       s.strikeOut, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, face);
}
