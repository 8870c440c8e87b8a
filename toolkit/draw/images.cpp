// Copies, icons and bitmaps drawn into the drawing target, and the largest
// display size.
#include "target.h"

int kt_DrawBlit(HWND window, HDC source, int x, int y, int width, int height) {
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    BOOL copied = dc && BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
    ktPaintEnd(&paint);
    return copied ? 0 : 1;
}

static HINSTANCE InstanceOf(HWND window) {
    return (HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE);
}

// The protocol runs even when the icon is missing, so that a window painting
// nothing else still has its update region validated.
static int DrawIconFrom(HWND window, HINSTANCE instance, int x, int y, const char *name) {
    HICON icon = LoadIconA(instance, name);
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    if (dc && icon) {
        int oldMode = SetMapMode(dc, MM_TEXT);
        DrawIcon(dc, x, y, icon);
        SetMapMode(dc, oldMode);
    }
    ktPaintEnd(&paint);
    return 0;
}

int kt_DrawIcon(HWND window, int x, int y, const char *iconName) {
    return DrawIconFrom(window, InstanceOf(window), x, y, iconName);
}

int kt_DrawSystemIcon(HWND window, int x, int y, const char *systemIcon) {
    return DrawIconFrom(window, NULL, x, y, systemIcon);
}

// The bitmap at its own size, or stretched to the one asked.
struct BitmapPlacement {
    int x, y, width, height;
    BOOL ownSize;
};

static void CopyBitmap(HDC dc, HBITMAP bitmap, BitmapPlacement at) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BITMAP info;
    ZeroMemory(&info, sizeof info);
    GetObjectA(bitmap, sizeof info, &info);
    int width = at.ownSize ? info.bmWidth : at.width;
    int height = at.ownSize ? info.bmHeight : at.height;
    StretchBlt(dc, at.x, at.y, width, height, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

static int DrawBitmapAt(HWND window, const char *name, BitmapPlacement at) {
    HBITMAP bitmap = LoadBitmapA(InstanceOf(window), name);
    KtPaint paint;
    HDC dc = ktPaintBegin(&paint, window);
    if (dc && bitmap) CopyBitmap(dc, bitmap, at);
    ktPaintEnd(&paint);
    if (bitmap) DeleteObject(bitmap);
    return 0;
}

int kt_DrawBitmap(HWND window, int x, int y, const char *bitmapName) {
    BitmapPlacement at = {x, y, 0, 0, TRUE};
    return DrawBitmapAt(window, bitmapName, at);
}

int kt_DrawBitmapStretched(HWND window, int x, int y, int width, int height,
                           const char *bitmapName) {
    BitmapPlacement at = {x, y, width, height, FALSE};
    return DrawBitmapAt(window, bitmapName, at);
}

// The widest and the tallest of all display modes, each on its own: the two
// may come from different modes. A null result pointer is skipped.
int kt_DrawGetScreenMax(int *maxWidth, int *maxHeight) {
    int widest = 0, tallest = 0;
    DEVMODEA mode;
    ZeroMemory(&mode, sizeof mode);
    mode.dmSize = sizeof mode;
    for (DWORD n = 0; EnumDisplaySettingsA(NULL, n, &mode); ++n) {
        if ((int)mode.dmPelsWidth > widest) widest = (int)mode.dmPelsWidth;
        if ((int)mode.dmPelsHeight > tallest) tallest = (int)mode.dmPelsHeight;
    }
    if (maxWidth) *maxWidth = widest;
    if (maxHeight) *maxHeight = tallest;
    return 0;
}
