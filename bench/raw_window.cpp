// The raw baseline of the start-up and footprint figures: what the
// calculator's first screen costs written straight on the platform. One
// class, one 800 by 200 window, six edit fields, one line of text; the
// focus goes to the first field in the first paint, as the calculator's does.
#include <windows.h>

#include <stdlib.h>

static HWND gFirstField;
static BOOL gFirstPaint = TRUE;

static void CreateFields(HWND window) {
    static const int kX[6] = {100, 200, 300, 400, 500, 650};
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE);
    for (int i = 0; i < 6; ++i) {
        HWND field = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", NULL,
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL,
                                     kX[i], 100, 60, 20, window, (HMENU)(INT_PTR)1, instance, NULL);
        if (i == 0) gFirstField = field;
    }
}

static void Paint(HWND window) {
    static const char kLine[] = "- Fyll i mått och tryck Enter";
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 100, 10, kLine, lstrlenA(kLine));
    EndPaint(window, &ps);
    if (gFirstPaint) {
        SetFocus(gFirstField);
        gFirstPaint = FALSE;
    }
}

static LRESULT CALLBACK RawWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateFields(window);
        return 0;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

int main() {
    HINSTANCE instance = GetModuleHandleA(NULL);
    WNDCLASSEXA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = RawWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "ArkmeterRaw";
    if (!RegisterClassExA(&wc)) return 1;
    HWND window = CreateWindowExA(0, "ArkmeterRaw", "ArkmeterRaw",
                                  WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                                  180, 200, 800, 200 + GetSystemMetrics(SM_CYCAPTION), NULL, NULL,
                                  instance, NULL);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    exit((int)msg.wParam);
}
