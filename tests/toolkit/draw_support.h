// Pixels drawn through the toolkit: memory canvases as the drawing target,
// real windows read back with GetDC/GetPixel.
#ifndef KT_TEST_DRAW_SUPPORT_H
#define KT_TEST_DRAW_SUPPORT_H

#include <gtest/gtest.h>

#include "harness.h"

const COLORREF kPaper = RGB(0x20, 0x40, 0x60);  // a colour nothing draws by itself
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

inline COLORREF Grey(int v) { return RGB(v, v, v); }

// A visible top-level window of the toolkit with a title no other test uses.
inline HWND OpenTestWindow(int x = 40, int y = 40, int width = 300, int height = 200) {
    std::string title = UniqueTitle("Draw");
    HWND w = kt_WindowCreate(GetModuleHandleA(NULL), title.c_str(), x, y, width, height, "CLO");
    UpdateWindow(w);
    PumpMessages(20);
    return w;
}

inline COLORREF ClientPixel(HWND w, int x, int y) {
    HDC dc = GetDC(w);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return c;
}

inline COLORREF WindowPixel(HWND w, int x, int y) {
    HDC dc = GetWindowDC(w);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return c;
}

// The target is MEMORY into a fresh canvas for each test; a hidden window
// stands for the window every drawing operation takes.
class MemoryDrawing : public ::testing::Test {
protected:
    static constexpr int kWidth = 220, kHeight = 120;
    Canvas canvas{};
    HWND window = NULL;

    void SetUp() override {
        window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, NULL, NULL,
                                 GetModuleHandleA(NULL), NULL);
        canvas = MakeCanvas(kWidth, kHeight, kPaper);
        kt_DrawSetTarget(NULL, "MEMORY");
        kt_DrawSetMemoryDC(canvas.dc);
    }
    void TearDown() override {
        kt_DrawSetMemoryDC(NULL);
        kt_DrawSetTarget(NULL, "CLIENT");
        FreeCanvas(canvas);
        DestroyWindow(window);
    }

    COLORREF At(int x, int y) const { return GetPixel(canvas.dc, x, y); }

    // Draws into a canvas of its own, leaving the fixture's canvas as the target after.
    template <class Draw> Canvas DrawApart(Draw draw) {
        Canvas apart = MakeCanvas(kWidth, kHeight, kPaper);
        HDC previous = kt_DrawSetMemoryDC(apart.dc);
        draw();
        kt_DrawSetMemoryDC(previous);
        return apart;
    }

    static bool SamePixels(const Canvas &a, const Canvas &b) {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (GetPixel(a.dc, x, y) != GetPixel(b.dc, x, y)) return false;
        return true;
    }

    static int CountPixels(const Canvas &c, RECT r, COLORREF color) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += GetPixel(c.dc, x, y) == color;
        return n;
    }

    static bool Blank(const Canvas &c) {
        RECT all = {0, 0, kWidth, kHeight};
        return CountPixels(c, all, kPaper) == kWidth * kHeight;
    }
};

#endif
