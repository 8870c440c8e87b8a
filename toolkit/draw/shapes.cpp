// Lines, pixels, grids, rectangles and three-dimensional lines and frames
// drawn into the drawing target.
#include "target.h"

#include "../core/keywords.h"

// One-pixel line; the end point itself is not painted.
static void Stroke(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, NULL);
    LineTo(dc, x2, y2);
}

static void StrokeWithPen(HDC dc, int penStyle, COLORREF color, int x1, int y1, int x2, int y2) {
    HPEN pen = CreatePen(penStyle, 0, color);
    HGDIOBJ old = SelectObject(dc, pen);
    Stroke(dc, x1, y1, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

static void SetCurrentPoint(int x, int y) {
    kt_LastX = x;
    kt_LastY = y;
}

// How a styled line fills the gaps between its dashes: a background colour
// of 0 leaves them as they were.
struct LineGaps {
    BOOL styled;
    COLORREF back;
};

// The gaps are set up for this line only: a memory context keeps its mode
// and colour across calls, and a transparent mode left behind would stop a
// later line from filling its gaps.
static void DrawLineWithPen(HWND window, int x1, int y1, int x2, int y2, int penStyle,
                            COLORREF color, LineGaps gaps) {
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    int oldMode = 0;
    COLORREF oldBack = 0;
    if (gaps.styled) {
        oldMode = GetBkMode(dc);
        oldBack = GetBkColor(dc);
        if (gaps.back != 0) SetBkColor(dc, gaps.back);
        SetBkMode(dc, gaps.back != 0 ? OPAQUE : TRANSPARENT);
    }
    StrokeWithPen(dc, penStyle, color, x1, y1, x2, y2);
    if (gaps.styled) {
        SetBkMode(dc, oldMode);
        SetBkColor(dc, oldBack);
    }
    ktPaintEnd(&paint);
    SetCurrentPoint(x2, y2);
}

int kt_DrawLine(HWND window, int x1, int y1, int x2, int y2, COLORREF color) {
    LineGaps solid = {FALSE, 0};
    DrawLineWithPen(window, x1, y1, x2, y2, PS_SOLID, color, solid);
    return 0;
}

static int DrawStyledLine(HWND window, int x1, int y1, int x2, int y2, int penStyle,
                          COLORREF color, COLORREF back) {
    LineGaps gaps = {TRUE, back};
    DrawLineWithPen(window, x1, y1, x2, y2, penStyle, color, gaps);
    return 0;
}

int kt_DrawLineDashed(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF back) {
    return DrawStyledLine(window, x1, y1, x2, y2, PS_DASH, color, back);
}

int kt_DrawLineDotted(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF back) {
    return DrawStyledLine(window, x1, y1, x2, y2, PS_DOT, color, back);
}

int kt_DrawLineDashDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF back) {
    return DrawStyledLine(window, x1, y1, x2, y2, PS_DASHDOT, color, back);
}

int kt_DrawLineDashDotDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color,
                          COLORREF back) {
    return DrawStyledLine(window, x1, y1, x2, y2, PS_DASHDOTDOT, color, back);
}

int kt_DrawPixel(HWND window, int x, int y, COLORREF color) {
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    SetPixelV(dc, x, y, color);
    ktPaintEnd(&paint);
    SetCurrentPoint(x, y);
    return 0;
}

// A read-back validates nothing: no BeginPaint, only the target's context.
COLORREF kt_DrawGetPixel(HWND window, int x, int y) {
    HDC dc = ktTargetAcquire(window);
    COLORREF color = dc ? GetPixel(dc, x, y) : CLR_INVALID;
    ktTargetRelease(window, dc);
    return color;
}

// Lines every `spacing` pixels, the first on the top and left edges; each a
// whole kt_DrawLine, so the current point ends on the last vertical line.
// The products are taken wide so that no spacing overflows them.
int kt_DrawGrid(HWND window, int x, int y, int width, int height, int spacing, COLORREF color) {
    int right = x + width, bottom = y + height;
    for (int i = 0; i < bottom && (long long)i * spacing <= height; ++i) {
        int lineY = y + i * spacing;
        kt_DrawLine(window, x, lineY, right, lineY, color);
    }
    for (int j = 0; j < right && (long long)j * spacing <= width; ++j) {
        int lineX = x + j * spacing;
        kt_DrawLine(window, lineX, y, lineX, bottom, color);
    }
    return 0;
}

// Right and bottom edges excluded.
int kt_DrawFillRect(HWND window, int x, int y, int width, int height, COLORREF color) {
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    RECT r = {x, y, x + width, y + height};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ktPaintEnd(&paint);
    SetCurrentPoint(x, y);
    return 0;
}

int kt_DrawRectangle(HWND window, int left, int top, int right, int bottom, COLORREF fill,
                     int penWidth, COLORREF penColor) {
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    HPEN pen = CreatePen(PS_SOLID, penWidth, penColor);
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, left, top, right, bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    ktPaintEnd(&paint);
    SetCurrentPoint(left, top);
    return 0;
}

// Three-dimensional line: four grey strokes side by side, light to dark for
// a raised line, dark to light for a sunken one.
struct Line3DDirection {
    const char *keyword;
    int alongX, alongY;  // unit step along the line; the strokes lie side by side across it
};

static const Line3DDirection kLine3DDirections[] = {
    {"RIGHT", 1, 0},
    {"DOWN", 0, 1},
};

static const BYTE kRaisedGreys[4] = {255, 170, 130, 0};
static const BYTE kLoweredGreys[4] = {0, 130, 170, 255};

struct Line3DStroke {
    int across;       // offset across the line, added to the thickness when scaled
    BOOL scaled;      // offset is thickness + across
    BOOL thickOnly;   // drawn only when the thickness is above 1
};

static const Line3DStroke kLine3DStrokes[4] = {
    {0, FALSE, FALSE},
    {1, FALSE, TRUE},
    {0, TRUE, TRUE},
    {1, TRUE, FALSE},
};

// "LOWER" is the sunken look; anything else is raised.
static BOOL IsLowered(const char *look) { return look && lstrcmpA(look, "LOWER") == 0; }

// The current point ends where the last stroke ends, as for any line.
int kt_DrawLine3D(HWND window, int x, int y, int length, const char *direction, const char *look,
                  int thickness) {
    const Line3DDirection *d = ktFindKeyword(kLine3DDirections, direction);
    const BYTE *greys = IsLowered(look) ? kLoweredGreys : kRaisedGreys;
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    for (int i = 0; d && i < 4; ++i) {
        const Line3DStroke &s = kLine3DStrokes[i];
        if (s.thickOnly && thickness <= 1) continue;
        int across = s.scaled ? thickness + s.across : s.across;
        int x1 = x + across * d->alongY, y1 = y + across * d->alongX;
        int x2 = x1 + length * d->alongX, y2 = y1 + length * d->alongY;
        StrokeWithPen(dc, PS_SOLID, RGB(greys[i], greys[i], greys[i]), x1, y1, x2, y2);
        SetCurrentPoint(x2, y2);
    }
    ktPaintEnd(&paint);
    return 0;
}

struct FrameLine {
    int x1, y1, x2, y2;
};

int kt_DrawFrame3D(HWND window, int x, int y, int w, int h, const char *look, int d) {
    const FrameLine penA[] = {
        {x + 1 + d, y + 1 + d, x + w - d, y + 1 + d},     // inner top
        {x, y + h + 1, x + w + 1, y + h + 1},             // outer bottom
        {x + w, y, x + w, y + h + 1},                     // outer right
        {x + 1 + d, y + 1 + d, x + 1 + d, y + h - d},     // inner left
    };
    const FrameLine penB[] = {
        {x, y, x + w, y},                                 // outer top
        {x + d + 1, y + h - d, x + w - d, y + h - d},     // inner bottom
        {x + w - 1 - d, y + 1 + d, x + w - 1 - d, y + h - d}, // inner right
        {x, y, x, y + h + 1},                             // outer left
    };
    BOOL lower = IsLowered(look);
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    HPEN black = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(dc, lower ? white : black);
    for (const FrameLine &l : penA) Stroke(dc, l.x1, l.y1, l.x2, l.y2);
    SelectObject(dc, lower ? black : white);
    for (const FrameLine &l : penB) Stroke(dc, l.x1, l.y1, l.x2, l.y2);
    SelectObject(dc, old);
    DeleteObject(black);
    DeleteObject(white);
    ktPaintEnd(&paint);
    return 0;
}
