// Process entry of the plate calculator.
#include <float.h>
#include <stdlib.h>

#include "arguments.h"
#include "toolkit.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HWND window = kt_WindowCreate(instance, "Arkmeter", 180, 200, 800, 200, "MIN_MAX_CLO");
    // Without a window nothing could ever end the loop below.
    if (!window) return 1;
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}

int main() {
#ifdef __i386__
    // The computation runs in extended precision; masks and rounding stay.
    _controlfp(_PC_64, _MCW_PC);
#endif
    const char *arguments = StartupArgumentText(GetCommandLineA());
    exit(WinMain(GetModuleHandleA(NULL), NULL, (LPSTR)arguments, SW_SHOWNORMAL));
}
