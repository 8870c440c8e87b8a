// Internal: the drawing protocol every drawing operation follows.
#ifndef KT_DRAW_TARGET_H
#define KT_DRAW_TARGET_H

#include "../toolkit.h"

#ifdef __cplusplus
extern "C" {
#endif

// The device context chosen by kt_DrawTarget, without BeginPaint.
HDC ktTargetAcquire(HWND w);
void ktTargetRelease(HWND w, HDC dc);

// Acquire, then BeginPaint (validating the update region); End releases a
// window context and calls EndPaint.
typedef struct KtPaint {
    HWND window;
    HDC dc;
    PAINTSTRUCT ps;
} KtPaint;

HDC ktPaintBegin(KtPaint *paint, HWND w);
void ktPaintEnd(KtPaint *paint);

#ifdef __cplusplus
}
#endif

#endif
