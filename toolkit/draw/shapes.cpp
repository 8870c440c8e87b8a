// Lines, frames and shapes drawn into the drawing target.
#include "target.h"

// One-pixel solid line; the end point itself is not painted.
static void Stroke(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, NULL);
    LineTo(dc, x2, y2);
}

int kt_DrawLine(HWND window, int x1, int y1, int x2, int y2, COLORREF color) {
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    HPEN pen = CreatePen(PS_SOLID, 0, color);
    HGDIOBJ old = SelectObject(dc, pen);
    Stroke(dc, x1, y1, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
    ktPaintEnd(&paint);
    kt_LastX = x2;
    kt_LastY = y2;
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
    BOOL lower = lstrcmpA(look, "LOWER") == 0;
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
