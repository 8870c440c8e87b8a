#include "target.h"

#include "../core/keywords.h"
#include "../core/verbs.h"

int kt_DrawTarget = KT_DRAW_CLIENT;
HDC kt_DrawMemoryDC = NULL;

struct TargetKeyword {
    const char *keyword;
    int target;
};

static const TargetKeyword kTargets[] = {
    {"CLIENT", KT_DRAW_CLIENT},
    {"WINDOW", KT_DRAW_WINDOW},
    {"MEMORY", KT_DRAW_MEMORY},
};

int kt_DrawSetTarget(HWND window, const char *target) {
    (void)window;
    if (const TargetKeyword *k = ktFindKeyword(kTargets, target)) kt_DrawTarget = k->target;
    return 0;
}

HDC kt_DrawSetMemoryDC(HDC dc) {
    HDC previous = kt_DrawMemoryDC;
    kt_DrawMemoryDC = dc;
    return previous;
}

HDC ktTargetAcquire(HWND w) {
    switch (kt_DrawTarget) {
    case KT_DRAW_WINDOW: return GetWindowDC(w);
    case KT_DRAW_MEMORY: return kt_DrawMemoryDC;
    default: return GetDC(w);
    }
}

void ktTargetRelease(HWND w, HDC dc) {
    if (kt_DrawTarget != KT_DRAW_MEMORY && dc) ReleaseDC(w, dc);
}

HDC ktPaintBegin(KtPaint *paint, HWND w) {
    paint->window = w;
    paint->dc = ktTargetAcquire(w);
    BeginPaint(w, &paint->ps);
    return paint->dc;
}

void ktPaintEnd(KtPaint *paint) {
    ktTargetRelease(paint->window, paint->dc);
    EndPaint(paint->window, &paint->ps);
}

int kt_DrawInvalidateRect(HWND window, RECT rect, const char *erase) {
    return ktInvalidateByKeyword(window, &rect, erase);
}
