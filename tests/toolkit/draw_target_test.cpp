// The drawing target and the protocol around every drawing operation, on
// real windows read back with GetDC/GetWindowDC and GetPixel.
#include "draw_support.h"

namespace {

class WindowDrawing : public ::testing::Test {
protected:
    HWND window = NULL;
    void SetUp() override {
        g_messageLog.clear();
        window = OpenTestWindow();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        g_testWindowProc = nullptr;
        kt_DrawSetTarget(NULL, "CLIENT");
        kt_DrawSetMemoryDC(NULL);
        DestroyWindow(window);
    }
    // Where the client area's top-left corner lies in window coordinates.
    POINT ClientOrigin() {
        POINT p = {0, 0};
        ClientToScreen(window, &p);
        RECT r;
        GetWindowRect(window, &r);
        return POINT{p.x - r.left, p.y - r.top};
    }
    bool HasUpdateRegion() { return GetUpdateRect(window, NULL, FALSE) != 0; }
};

TEST_F(WindowDrawing, WindowTargetStartsOnTheFrameClientInsideIt) {
    POINT client = ClientOrigin();
    ASSERT_GT(client.y, 2) << "the window has a caption";

    kt_DrawSetTarget(window, "WINDOW");
    kt_DrawFillRect(window, 0, 0, 3, 3, kRed);
    EXPECT_EQ(WindowPixel(window, 1, 1), kRed);
    EXPECT_NE(ClientPixel(window, 1, 1), kRed);

    kt_DrawSetTarget(window, "CLIENT");
    kt_DrawFillRect(window, 0, 0, 3, 3, kGreen);
    EXPECT_EQ(ClientPixel(window, 1, 1), kGreen);
    EXPECT_EQ(WindowPixel(window, client.x + 1, client.y + 1), kGreen);
    EXPECT_EQ(WindowPixel(window, 1, 1), kRed);
}

TEST_F(WindowDrawing, MemoryTargetLeavesTheWindowAndTheContextAlone) {
    Canvas canvas = MakeCanvas(20, 20, kPaper);
    kt_DrawSetTarget(window, "MEMORY");
    kt_DrawSetMemoryDC(canvas.dc);
    COLORREF before = ClientPixel(window, 5, 5);
    kt_DrawFillRect(window, 0, 0, 10, 10, kRed);
    EXPECT_EQ(GetPixel(canvas.dc, 9, 9), kRed);
    kt_DrawText(window, 0, 0, "Text", kGreen, NULL, 0);
    EXPECT_EQ(GetObjectType(canvas.dc), (DWORD)OBJ_MEMDC);
    EXPECT_EQ(ClientPixel(window, 5, 5), before);
    FreeCanvas(canvas);
}

TEST_F(WindowDrawing, ChildWindowGetsItsOwnClientCoordinates) {
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 50, 40, 60, 40, window,
                                 NULL, GetModuleHandleA(NULL), NULL);
    UpdateWindow(child);
    kt_DrawFillRect(child, 0, 0, 5, 5, kRed);
    EXPECT_EQ(ClientPixel(child, 2, 2), kRed);
    EXPECT_EQ(ClientPixel(window, 52, 42), kRed);
    EXPECT_NE(ClientPixel(window, 2, 2), kRed);
    DestroyWindow(child);
}

struct TargetCase {
    const char *keyword;
    int target;
};

std::ostream &operator<<(std::ostream &out, const TargetCase &c) { return out << c.keyword; }

class GetPixelByTarget : public WindowDrawing, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(GetPixelByTarget, ReadsTheTargetsContextWithoutValidating) {
    const TargetCase &c = GetParam();
    Canvas canvas = MakeCanvas(20, 20, kPaper);
    kt_DrawSetMemoryDC(canvas.dc);
    kt_DrawSetTarget(window, c.keyword);
    ASSERT_EQ(kt_DrawTarget, c.target);
    HDC dc = c.target == KT_DRAW_CLIENT   ? GetDC(window)
             : c.target == KT_DRAW_WINDOW ? GetWindowDC(window)
                                          : canvas.dc;
    SetPixelV(dc, 6, 7, kRed);
    if (c.target != KT_DRAW_MEMORY) ReleaseDC(window, dc);
    InvalidateRect(window, NULL, FALSE);
    EXPECT_EQ(kt_DrawGetPixel(window, 6, 7), kRed);
    EXPECT_TRUE(HasUpdateRegion()) << "a read-back is no paint";
    FreeCanvas(canvas);
}

INSTANTIATE_TEST_SUITE_P(Targets, GetPixelByTarget,
                         ::testing::Values(TargetCase{"CLIENT", KT_DRAW_CLIENT},
                                           TargetCase{"WINDOW", KT_DRAW_WINDOW},
                                           TargetCase{"MEMORY", KT_DRAW_MEMORY}));

TEST(DrawTarget, UnknownKeywordKeepsTheTarget) {
    for (const char *k : {"client", "", "WINDOWS"}) {
        kt_DrawSetTarget(NULL, "WINDOW");
        EXPECT_EQ(kt_DrawSetTarget(NULL, k), 0);
        EXPECT_EQ(kt_DrawTarget, KT_DRAW_WINDOW) << k;
    }
    kt_DrawSetTarget(NULL, "CLIENT");
    EXPECT_EQ(kt_DrawTarget, KT_DRAW_CLIENT);
}

TEST(DrawTarget, SetMemoryContextReturnsThePreviousOne) {
    HDC a = CreateCompatibleDC(NULL), b = CreateCompatibleDC(NULL);
    kt_DrawSetMemoryDC(a);
    EXPECT_EQ(kt_DrawSetMemoryDC(b), a);
    EXPECT_EQ(kt_DrawSetMemoryDC(NULL), b);
    EXPECT_EQ(kt_DrawMemoryDC, nullptr);
    DeleteDC(a);
    DeleteDC(b);
}

// Every drawing operation runs BeginPaint/EndPaint, so a pending update
// region is validated whatever it draws, even nothing.
struct Operation {
    const char *name;
    void (*draw)(HWND);
};

const Operation kOperations[] = {
    {"Text", [](HWND w) { kt_DrawText(w, 5, 5, "x", kBlack, NULL, 0); }},
    {"Number", [](HWND w) { kt_DrawNumber(w, 5, 5, 1.5, 1, kBlack, NULL, 0); }},
    {"Embossed", [](HWND w) { kt_DrawTextEmbossed(w, 5, 5, 1, "x", kBlack, NULL, 0); }},
    {"Vertical", [](HWND w) { kt_DrawTextVertical(w, 5, 5, 9, "xy", kBlack, NULL, 0); }},
    {"VerticalEmbossed",
     [](HWND w) { kt_DrawTextVerticalEmbossed(w, 5, 5, 9, 1, "xy", kBlack, NULL, 0); }},
    {"Pixel", [](HWND w) { kt_DrawPixel(w, 5, 5, kRed); }},
    {"Line", [](HWND w) { kt_DrawLine(w, 5, 5, 20, 5, kRed); }},
    {"Dashed", [](HWND w) { kt_DrawLineDashed(w, 5, 5, 20, 5, kRed, 0); }},
    {"Dotted", [](HWND w) { kt_DrawLineDotted(w, 5, 5, 20, 5, kRed, kGreen); }},
    {"DashDot", [](HWND w) { kt_DrawLineDashDot(w, 5, 5, 20, 5, kRed, 0); }},
    {"DashDotDot", [](HWND w) { kt_DrawLineDashDotDot(w, 5, 5, 20, 5, kRed, 0); }},
    {"Grid", [](HWND w) { kt_DrawGrid(w, 5, 5, 20, 20, 10, kRed); }},
    {"FillRect", [](HWND w) { kt_DrawFillRect(w, 5, 5, 5, 5, kRed); }},
    {"Rectangle", [](HWND w) { kt_DrawRectangle(w, 5, 5, 15, 15, kRed, 1, kGreen); }},
    {"Line3D", [](HWND w) { kt_DrawLine3D(w, 5, 5, 20, "RIGHT", "LOWER", 2); }},
    {"Line3DUnknownDirection", [](HWND w) { kt_DrawLine3D(w, 5, 5, 20, "UP", "LOWER", 2); }},
    {"Frame3D", [](HWND w) { kt_DrawFrame3D(w, 5, 5, 30, 20, "LOWER", 0); }},
    {"BlitFailing", [](HWND w) { kt_DrawBlit(w, NULL, 0, 0, 5, 5); }},
    {"MissingIcon", [](HWND w) { kt_DrawIcon(w, 5, 5, "NoSuchIcon"); }},
    {"SystemIcon", [](HWND w) { kt_DrawSystemIcon(w, 5, 5, IDI_APPLICATION); }},
    {"MissingBitmap", [](HWND w) { kt_DrawBitmap(w, 5, 5, "NoSuchBitmap"); }},
    {"MissingBitmapStretched",
     [](HWND w) { kt_DrawBitmapStretched(w, 5, 5, 9, 9, "NoSuchBitmap"); }},
};

std::ostream &operator<<(std::ostream &out, const Operation &o) { return out << o.name; }

class Protocol : public WindowDrawing, public ::testing::WithParamInterface<Operation> {};

TEST_P(Protocol, ValidatesThePendingUpdateRegion) {
    InvalidateRect(window, NULL, FALSE);
    ASSERT_TRUE(HasUpdateRegion());
    GetParam().draw(window);
    EXPECT_FALSE(HasUpdateRegion());
}

TEST_P(Protocol, ValidatesWithTheMemoryTargetToo) {
    Canvas canvas = MakeCanvas(60, 60, kPaper);
    kt_DrawSetMemoryDC(canvas.dc);
    kt_DrawSetTarget(window, "MEMORY");
    InvalidateRect(window, NULL, FALSE);
    GetParam().draw(window);
    EXPECT_FALSE(HasUpdateRegion());
    EXPECT_EQ(GetObjectType(canvas.dc), (DWORD)OBJ_MEMDC);
    FreeCanvas(canvas);
}

INSTANTIATE_TEST_SUITE_P(Operations, Protocol, ::testing::ValuesIn(kOperations),
                         [](const ::testing::TestParamInfo<Operation> &i) {
                             return std::string(i.param.name);
                         });

// In WM_PAINT the first operation validates the region; the later ones still
// draw, and nothing is clipped to the region that was invalid.
LRESULT CALLBACK PaintTwoShapes(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        kt_DrawFillRect(w, 40, 40, 10, 10, kRed);
        kt_DrawPixel(w, 70, 60, kGreen);
        return 0;
    }
    return DefWindowProcA(w, message, wParam, lParam);
}

TEST_F(WindowDrawing, PaintDrawsOutsideTheUpdateRegion) {
    g_testWindowProc = PaintTwoShapes;
    RECT corner = {0, 0, 5, 5};
    InvalidateRect(window, &corner, FALSE);
    UpdateWindow(window);
    EXPECT_FALSE(HasUpdateRegion());
    EXPECT_EQ(ClientPixel(window, 45, 45), kRed);
    EXPECT_EQ(ClientPixel(window, 70, 60), kGreen);
}

LRESULT CALLBACK LogErase(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) LogMessage("window", message, 0);
    return DefWindowProcA(w, message, wParam, lParam);
}

struct InvalidateCase {
    const char *keyword;
    int result;
    bool invalidated, erased;
};

std::ostream &operator<<(std::ostream &out, const InvalidateCase &c) {
    return out << (c.keyword[0] ? c.keyword : "(empty)");
}

class Invalidate : public WindowDrawing, public ::testing::WithParamInterface<InvalidateCase> {};

TEST_P(Invalidate, KeywordChoosesErasing) {
    const InvalidateCase &c = GetParam();
    g_testWindowProc = LogErase;
    g_messageLog.clear();
    RECT r = {10, 10, 60, 40};
    EXPECT_EQ(kt_DrawInvalidateRect(window, r, c.keyword), c.result);
    RECT update = {0, 0, 0, 0};
    EXPECT_EQ(GetUpdateRect(window, &update, FALSE) != 0, c.invalidated);
    if (c.invalidated) {
        EXPECT_TRUE(EqualRect(&update, &r));
    }
    UpdateWindow(window);
    EXPECT_EQ(!g_messageLog.empty(), c.erased);
}

INSTANTIATE_TEST_SUITE_P(Keywords, Invalidate,
                         ::testing::Values(InvalidateCase{"ERASED", 0, true, true},
                                           InvalidateCase{"UNERASED", 0, true, false},
                                           InvalidateCase{"erased", 1, false, false},
                                           InvalidateCase{"ERASE", 1, false, false},
                                           InvalidateCase{"", 1, false, false}));

TEST(Invalidation, DestroyedWindowFails) {
    HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    DestroyWindow(w);
    RECT r = {0, 0, 5, 5};
    EXPECT_EQ(kt_DrawInvalidateRect(w, r, "ERASED"), 1);
}

}  // namespace
