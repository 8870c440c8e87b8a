#include "target.h"

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
    for (const TargetKeyword &k : kTargets)
        if (lstrcmpA(target, k.keyword) == 0) kt_DrawTarget = k.target;
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
    BOOL ok;
    if (lstrcmpA(erase, "ERASED") == 0) ok = InvalidateRect(window, &rect, TRUE);
    else if (lstrcmpA(erase, "UNERASED") == 0) ok = InvalidateRect(window, &rect, FALSE);
    else return 1;
    return ok ? 0 : 1;
}
