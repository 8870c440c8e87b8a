// Copies, icons and bitmaps into a memory canvas, and the largest display size.
#include "draw_support.h"

namespace {

// A module of the platform whose resources stand in for an application's.
const char *kResourceModule = "user32.dll";
const char *kIconName = MAKEINTRESOURCEA(32512);    // the application icon
const char *kBitmapName = MAKEINTRESOURCEA(32754);  // the close box

class Images : public MemoryDrawing {
protected:
    HWND resourceWindow = NULL;  // its instance holds the icon and the bitmap
    void SetUp() override {
        MemoryDrawing::SetUp();
        resourceWindow = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                         GetModuleHandleA(kResourceModule), NULL);
        ASSERT_NE(resourceWindow, nullptr);
    }
    void TearDown() override {
        DestroyWindow(resourceWindow);
        MemoryDrawing::TearDown();
    }
    SIZE BitmapSize() {
        HBITMAP b = LoadBitmapA(GetModuleHandleA(kResourceModule), kBitmapName);
        BITMAP info;
        GetObjectA(b, sizeof info, &info);
        DeleteObject(b);
        return SIZE{info.bmWidth, info.bmHeight};
    }
    // Every pixel of the rectangle drawn, the ring just around it untouched.
    void ExpectCovers(RECT r) {
        int area = (r.right - r.left) * (r.bottom - r.top);
        EXPECT_GT(area, 0);
        EXPECT_EQ(CountPixels(canvas, r, kPaper), 0);
        RECT around = {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
        int ring = (r.right - r.left + 2) * (r.bottom - r.top + 2) - area;
        EXPECT_EQ(CountPixels(canvas, around, kPaper), ring);
    }
};

TEST_F(Images, BlitCopiesFromTheSourceOrigin) {
    Canvas source = MakeCanvas(40, 40, kGreen);
    RECT corner = {0, 0, 10, 10};
    HBRUSH red = CreateSolidBrush(kRed);
    FillRect(source.dc, &corner, red);
    DeleteObject(red);
    EXPECT_EQ(kt_DrawBlit(window, source.dc, 30, 20, 15, 12), 0);
    RECT copied = {30, 20, 40, 30};
    EXPECT_EQ(CountPixels(canvas, copied, kRed), 100);
    EXPECT_EQ(At(44, 31), kGreen);
    EXPECT_EQ(At(45, 20), kPaper);
    EXPECT_EQ(At(30, 32), kPaper);
    FreeCanvas(source);
}

TEST_F(Images, BlitReportsAFailedCopy) {
    EXPECT_EQ(kt_DrawBlit(window, NULL, 0, 0, 10, 10), 1);
    Canvas source = MakeCanvas(10, 10, kGreen);
    kt_DrawSetMemoryDC(NULL);
    EXPECT_EQ(kt_DrawBlit(window, source.dc, 0, 0, 10, 10), 1);
    kt_DrawSetMemoryDC(canvas.dc);
    EXPECT_TRUE(Blank(canvas));
    FreeCanvas(source);
}

TEST_F(Images, SystemIconAtItsTopLeftCorner) {
    kt_DrawSystemIcon(window, 10, 10, IDI_APPLICATION);
    RECT icon = {10, 10, 10 + GetSystemMetrics(SM_CXICON), 10 + GetSystemMetrics(SM_CYICON)};
    int iconArea = (icon.right - icon.left) * (icon.bottom - icon.top);
    RECT all = {0, 0, kWidth, kHeight};
    int untouchedInside = CountPixels(canvas, icon, kPaper);
    EXPECT_LT(untouchedInside, iconArea);
    EXPECT_EQ(CountPixels(canvas, all, kPaper) - untouchedInside, kWidth * kHeight - iconArea)
        << "nothing outside the icon's square";
}

// Drawn in pixels whatever the context's mapping mode, which is kept.
TEST_F(Images, IconsIgnoreAndKeepTheMappingMode) {
    kt_DrawIcon(resourceWindow, 20, 15, kIconName);
    EXPECT_FALSE(Blank(canvas));
    Canvas metric = DrawApart([&] {
        SetMapMode(kt_DrawMemoryDC, MM_LOMETRIC);
        kt_DrawIcon(resourceWindow, 20, 15, kIconName);
        EXPECT_EQ(GetMapMode(kt_DrawMemoryDC), MM_LOMETRIC);
        SetMapMode(kt_DrawMemoryDC, MM_TEXT);
    });
    EXPECT_TRUE(SamePixels(canvas, metric));
    FreeCanvas(metric);
}

TEST_F(Images, IconComesFromTheWindowsModule) {
    kt_DrawIcon(window, 20, 15, kIconName);  // this test program has no icons
    EXPECT_TRUE(Blank(canvas));
    kt_DrawIcon(resourceWindow, 20, 15, "NoSuchIcon");
    EXPECT_TRUE(Blank(canvas));
    kt_DrawIcon(resourceWindow, 20, 15, kIconName);
    EXPECT_FALSE(Blank(canvas));
}

TEST_F(Images, BitmapAtItsOwnSize) {
    SIZE size = BitmapSize();
    ASSERT_GT(size.cx, 0);
    kt_DrawBitmap(resourceWindow, 7, 9, kBitmapName);
    ExpectCovers(RECT{7, 9, 7 + size.cx, 9 + size.cy});
}

TEST_F(Images, BitmapStretchedOrShrunkToTheSizeAsked) {
    SIZE size = BitmapSize();
    ASSERT_GT(size.cx, 2);
    kt_DrawBitmapStretched(resourceWindow, 7, 9, 2 * size.cx, 3 * size.cy, kBitmapName);
    ExpectCovers(RECT{7, 9, 7 + 2 * size.cx, 9 + 3 * size.cy});
    Canvas shrunk = DrawApart(
        [&] { kt_DrawBitmapStretched(resourceWindow, 100, 50, size.cx / 2, 5, kBitmapName); });
    RECT small = {100, 50, 100 + (int)size.cx / 2, 55};
    EXPECT_EQ(CountPixels(shrunk, small, kPaper), 0);
    RECT all = {0, 0, kWidth, kHeight};
    EXPECT_EQ(CountPixels(shrunk, all, kPaper), kWidth * kHeight - (size.cx / 2) * 5);
    FreeCanvas(shrunk);
}

TEST_F(Images, MissingBitmapDrawsNothing) {
    kt_DrawBitmap(resourceWindow, 7, 9, "NoSuchBitmap");
    kt_DrawBitmapStretched(resourceWindow, 7, 9, 20, 20, "NoSuchBitmap");
    kt_DrawBitmap(window, 7, 9, kBitmapName);
    EXPECT_TRUE(Blank(canvas));
}

TEST(ScreenMax, LargestWidthAndHeightOfAllModesEachOnItsOwn) {
    int width = -5, height = -5;
    EXPECT_EQ(kt_DrawGetScreenMax(&width, &height), 0);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
    bool widthSeen = false, heightSeen = false;
    DEVMODEA mode;
    ZeroMemory(&mode, sizeof mode);
    mode.dmSize = sizeof mode;
    for (DWORD n = 0; EnumDisplaySettingsA(NULL, n, &mode); ++n) {
        EXPECT_LE((int)mode.dmPelsWidth, width);
        EXPECT_LE((int)mode.dmPelsHeight, height);
        widthSeen |= (int)mode.dmPelsWidth == width;
        heightSeen |= (int)mode.dmPelsHeight == height;
    }
    EXPECT_TRUE(widthSeen);
    EXPECT_TRUE(heightSeen);
    EXPECT_GE(width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_GE(height, GetSystemMetrics(SM_CYSCREEN));
}

TEST(ScreenMax, NullResultsAreSkipped) {
    int width = 0;
    EXPECT_EQ(kt_DrawGetScreenMax(&width, NULL), 0);
    EXPECT_GT(width, 0);
    EXPECT_EQ(kt_DrawGetScreenMax(NULL, NULL), 0);
}

}  // namespace
