// Looks at a running calculator from another process, as the desktop sees it:
//   probe wait        until the window is up and its length field has the focus
//   probe center N    screen point in the middle of field N (0 length .. 5 count)
//   probe outer       the window's outer rectangle: x y width height
//   probe dump        the six field texts and the focused field's number
//   probe close       asks the window to close
#include <windows.h>

#include <stdio.h>
#include <string.h>

static HWND gFields[6];
static int gFieldCount;

static BOOL CALLBACK CollectField(HWND child, LPARAM) {
    if (gFieldCount < 6) gFields[gFieldCount++] = child;
    return TRUE;
}

static HWND FindCalculator(void) {
    HWND main = FindWindowA("Arkmeter", "Arkmeter");
    gFieldCount = 0;
    if (main) EnumChildWindows(main, CollectField, 0);
    return main;
}

static int FocusedField(HWND main) {
    GUITHREADINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, NULL), &info)) return -1;
    for (int i = 0; i < gFieldCount; ++i)
        if (gFields[i] == info.hwndFocus) return i;
    return -1;
}

int main(int argc, char **argv) {
    const char *command = argc > 1 ? argv[1] : "";
    if (strcmp(command, "wait") == 0) {
        for (int tries = 0; tries < 600; ++tries) {
            HWND main = FindCalculator();
            if (main && gFieldCount == 6 && IsWindowVisible(main) && FocusedField(main) == 0) {
                puts("ready");
                return 0;
            }
            Sleep(50);
        }
        puts("not ready");
        return 1;
    }
    HWND main = FindCalculator();
    if (!main || gFieldCount != 6) {
        puts("no calculator");
        return 1;
    }
    if (strcmp(command, "center") == 0 && argc > 2) {
        int n = atoi(argv[2]);
        if (n < 0 || n > 5) return 1;
        RECT r;
        GetWindowRect(gFields[n], &r);
        printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    } else if (strcmp(command, "outer") == 0) {
        RECT r;
        GetWindowRect(main, &r);
        printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (strcmp(command, "dump") == 0) {
        for (int i = 0; i < 6; ++i) {
            char text[64] = "";
            SendMessageA(gFields[i], WM_GETTEXT, sizeof text, (LPARAM)text);
            printf("%s|", text);
        }
        printf("focus=%d\n", FocusedField(main));
    } else if (strcmp(command, "close") == 0) {
        PostMessageA(main, WM_CLOSE, 0, 0);
    } else {
        return 2;
    }
    return 0;
}
