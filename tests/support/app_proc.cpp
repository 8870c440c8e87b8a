// The application window procedure of the toolkit's tests.
#include "harness.h"

LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_testWindowProc) return g_testWindowProc(window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}
