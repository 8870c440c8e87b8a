// Off-screen painting: a filled memory canvas, and a colour gradient painted
// into one line by line through the drawing target.
#include "../draw/target.h"
#include "keywords.h"

HDC kt_DrawCreateCanvas(HWND window, int width, int height, COLORREF color) {
    HDC source = ktTargetAcquire(window);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HDC canvas = CreateCompatibleDC(source);
    ktTargetRelease(window, source);
    // No canvas results: the toolkit's memory context stays the one it was.
    if (!bitmap || !canvas) {
        if (canvas) DeleteDC(canvas);
        if (bitmap) DeleteObject(bitmap);
        return NULL;
    }
    kt_DrawSetMemoryDC(canvas);
    SelectObject(canvas, bitmap);
    RECT area = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(canvas, &area, brush);
    DeleteObject(brush);
    return canvas;
}

// Lines run across the direction; the step runs along it.
struct GradientDirection {
    const char *keyword;
    BOOL vertical;  // the step runs down the rows
    BOOL mirrored;  // lines from the far edge back towards the start
};

static const GradientDirection kDirections[] = {
    {"LEFT_TO_RIGHT", FALSE, FALSE},
    {"RIGHT_TO_LEFT", FALSE, TRUE},
    {"TOP_TO_BOTTOM", TRUE, FALSE},
};

struct GradientArea {
    int x1, y1, x2, y2;
};

static int ClampChannel(int value) { return value < 0 ? 0 : value > 255 ? 255 : value; }

// How much the colour has brightened after the line at the step. A negative
// or zero strength, or an empty extent, does not brighten at all; beyond 255
// every channel has saturated, so the offset stops there.
static int BrighteningAfter(double step, double extent, double strength) {
    if (!(strength > 0) || !(extent > 0)) return 0;
    double offset = step / ((extent / strength) / 255);
    if (!(offset > 0)) return 0;
    return offset > 255 ? 255 : (int)offset;
}

static void DrawGradientLine(HWND window, const GradientDirection *d, const GradientArea *a,
                             int step, COLORREF color) {
    if (d->vertical) kt_DrawLine(window, a->x1, step, a->x2, step, color);
    else if (d->mirrored) kt_DrawLine(window, a->x2 - step, a->y1, a->x2 - step, a->y2, color);
    else kt_DrawLine(window, step, a->y1, step, a->y2, color);
}

static void PaintGradient(HWND window, const GradientDirection *d, const GradientArea *a,
                          double strength, int rgb[3]) {
    double start = d->vertical ? a->y1 : a->x1;
    double end = d->vertical ? a->y2 : a->x2;
    int k = 0;  // the first line keeps the given colour
    for (double t = start; t < end; t += 1) {
        // A channel that would pass 255 is lowered for good, so it stays at 255.
        for (int c = 0; c < 3; ++c)
            if (rgb[c] + k > 255) rgb[c] = 255 - k;
        DrawGradientLine(window, d, a, (int)t, RGB(rgb[0] + k, rgb[1] + k, rgb[2] + k));
        k = BrighteningAfter(t, end, strength);
    }
}

HDC kt_DrawGradient(HWND window, int x1, int y1, int x2, int y2, double strength, int red,
                    int green, int blue, const char *direction) {
    // A new canvas is the memory context already; without one the lines go
    // to the memory context held before.
    HDC canvas = kt_DrawCreateCanvas(window, x2, y2, RGB(0, 0, 0));
    kt_DrawSetTarget(window, "MEMORY");
    const GradientDirection *d = ktFindKeyword(kDirections, direction);
    if (d) {
        GradientArea area = {x1, y1, x2, y2};
        int rgb[3] = {ClampChannel(red), ClampChannel(green), ClampChannel(blue)};
        PaintGradient(window, d, &area, strength, rgb);
    }
    kt_DrawSetTarget(window, "CLIENT");
    return canvas;
}
