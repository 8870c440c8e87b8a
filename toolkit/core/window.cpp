// Top-level windows: one class per window (the class name is the title),
// every one with the application's AppWindowProc.
#include <string.h>

#include "keywords.h"
#include "verbs.h"

#include <commctrl.h>

int kt_WindowNeverFlattened = 1;

struct FrameAtCreation {
    const char *keyword;
    DWORD style, exStyle, classStyle;
};

static const FrameAtCreation kFramesAtCreation[] = {
    {"NOLIST", WS_POPUP | WS_DLGFRAME, 0, 0},
    {"TOOLWIN", 0, WS_EX_TOOLWINDOW, 0},
    {"TOOLWIN_NOCLO", WS_SYSMENU, WS_EX_TOOLWINDOW, CS_NOCLOSE},
    {"TOOLWIN_CLO", WS_SYSMENU, WS_EX_TOOLWINDOW, 0},
    {"EMPTYLIST", WS_CAPTION, 0, 0},
    {"NOCLO", WS_CAPTION | WS_SYSMENU, 0, CS_NOCLOSE},
    {"CLO", WS_CAPTION | WS_SYSMENU, 0, 0},
    {"QUE_NOCLO", WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, CS_NOCLOSE},
    {"QUE_CLO", WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, 0},
    {"NOMIN_MAX_NOCLO", WS_SYSMENU | WS_MAXIMIZEBOX, 0, CS_NOCLOSE},
    {"MIN_NOMAX_NOCLO", WS_SYSMENU | WS_MINIMIZEBOX, 0, CS_NOCLOSE},
    {"MIN_NOMAX_CLO", WS_SYSMENU | WS_MINIMIZEBOX, 0, 0},
    {"NOMIN_MAX_CLO", WS_SYSMENU | WS_MAXIMIZEBOX, 0, 0},
    {"MIN_MAX_NOCLO", WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, CS_NOCLOSE},
    {"MIN_MAX_CLO", WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0},
};

// What kt_WindowModify writes, whole, for each frame keyword.
struct FrameRestyle {
    const char *keyword;
    DWORD exStyle, style, classStyle;
};

#define KT_REDRAW_CLASS (CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS)
#define KT_CAPTION_MENU (WS_CAPTION | WS_SYSMENU)

static const FrameRestyle kFrameRestyles[] = {
    {"NOLIST", WS_EX_WINDOWEDGE, WS_POPUP | WS_DLGFRAME, KT_REDRAW_CLASS},
    {"TOOLWIN", WS_EX_TOOLWINDOW, WS_CAPTION, KT_REDRAW_CLASS},
    {"TOOLWIN_NOCLO", WS_EX_TOOLWINDOW, KT_CAPTION_MENU, CS_NOCLOSE | KT_REDRAW_CLASS},
    {"TOOLWIN_CLO", WS_EX_TOOLWINDOW, KT_CAPTION_MENU, KT_REDRAW_CLASS},
    {"EMPTYLIST", WS_EX_WINDOWEDGE, WS_CAPTION, KT_REDRAW_CLASS},
    {"NOCLO", WS_EX_WINDOWEDGE, KT_CAPTION_MENU, CS_NOCLOSE | KT_REDRAW_CLASS},
    {"CLO", WS_EX_WINDOWEDGE, KT_CAPTION_MENU, KT_REDRAW_CLASS},
    {"QUE_NOCLO", WS_EX_CONTEXTHELP, KT_CAPTION_MENU, CS_NOCLOSE | KT_REDRAW_CLASS},
    {"QUE_CLO", WS_EX_CONTEXTHELP, KT_CAPTION_MENU, KT_REDRAW_CLASS},
    {"NOMIN_MAX_NOCLO", WS_EX_WINDOWEDGE, KT_CAPTION_MENU | WS_MAXIMIZEBOX, CS_NOCLOSE | KT_REDRAW_CLASS},
    {"MIN_NOMAX_NOCLO", WS_EX_WINDOWEDGE, KT_CAPTION_MENU | WS_MINIMIZEBOX, CS_NOCLOSE | KT_REDRAW_CLASS},
    {"MIN_NOMAX_CLO", WS_EX_WINDOWEDGE, KT_CAPTION_MENU | WS_MINIMIZEBOX, KT_REDRAW_CLASS},
    {"NOMIN_MAX_CLO", WS_EX_WINDOWEDGE, KT_CAPTION_MENU | WS_MAXIMIZEBOX, KT_REDRAW_CLASS},
    {"MIN_MAX_NOCLO", WS_EX_WINDOWEDGE, KT_CAPTION_MENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
     CS_NOCLOSE | KT_REDRAW_CLASS},
    {"MIN_MAX_CLO", WS_EX_WINDOWEDGE, KT_CAPTION_MENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, KT_REDRAW_CLASS},
};

struct ShowKeyword {
    const char *keyword;
    int command;
};

static const ShowKeyword kShowKeywords[] = {
    {"HIDE", SW_HIDE},
    {"MAXI", SW_SHOWMAXIMIZED},
    {"MINI", SW_MINIMIZE},
    {"RESTORE", SW_RESTORE},
    {"SHOW", SW_SHOW},
    {"DEFAULT", SW_SHOWDEFAULT},
    {"ACTIVMAXI", SW_SHOWMAXIMIZED},
    {"ACTIVMINI", SW_SHOWMINIMIZED},
    {"INACTMINI", SW_SHOWMINNOACTIVE},
    {"INACTIV", SW_SHOWNA},
    {"INACTRESENT", SW_SHOWNOACTIVATE},
    {"NORMAL", SW_SHOWNORMAL},
};

HWND kt_WindowCreate(HINSTANCE instance, const char *title, int x, int y, int width, int height,
                     const char *frame) {
    InitCommonControls();
    char className[250];
    // The platform's own string calls: a C99 snprintf would link a printf
    // emulation into every program just for these two lines.
    if (title && title[0]) lstrcpynA(className, title, sizeof className);
    else wsprintfA(className, "Class%li", (long)(LONG_PTR)instance);

    DWORD style = WS_CLIPCHILDREN, exStyle = 0, classStyle = CS_DBLCLKS;
    if (const FrameAtCreation *f = ktFindKeyword(kFramesAtCreation, frame)) {
        style |= f->style;
        exStyle |= f->exStyle;
        classStyle |= f->classStyle;
    }

    WNDCLASSEXA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = AppWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.lpszClassName = className;
    if (!RegisterClassExA(&wc)) return NULL;

    HWND window = CreateWindowExA(exStyle, className, title ? title : "", style, x, y, width,
                                  height + GetSystemMetrics(SM_CYCAPTION), NULL, NULL, instance, NULL);
    ShowWindow(window, SW_SHOWNORMAL);
    kt_WindowSetBackColor(window, GetSysColor(COLOR_BTNFACE));
    return window;
}

int kt_WindowDestroy(HWND window) { return ktVerbDestroy(window); }

static int ShowReportingHidden(HWND window, int command) { return ShowWindow(window, command) ? 0 : 1; }

int kt_WindowShowAs(HWND window, const char *show) {
    if (const ShowKeyword *k = ktFindKeyword(kShowKeywords, show)) return ShowReportingHidden(window, k->command);
    // No command for an unknown keyword: report the state without changing it.
    return IsWindowVisible(window) ? 0 : 1;
}

int kt_WindowShow(HWND window) { return ktVerbShow(window, SW_SHOW); }

int kt_WindowHide(HWND window) {
    return SetWindowPos(window, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW) ? 0 : 1;
}

int kt_WindowMaximize(HWND window) { return ShowReportingHidden(window, SW_SHOWMAXIMIZED); }

// The new frame takes effect by moving the window onto its own rectangle.
static int FinishRestyle(HWND window) {
    kt_WindowGetSize(window);
    RECT r;
    GetWindowRect(window, &r);
    MoveWindow(window, r.left, r.top, kt_LastX, kt_LastY, TRUE);
    ShowWindow(window, SW_SHOWNORMAL);
    kt_LastX = 0;
    kt_LastY = 0;
    return 0;
}

int kt_WindowModify(HWND window, const char *frame) {
    if (const FrameRestyle *f = ktFindKeyword(kFrameRestyles, frame)) {
        SetWindowLongPtrA(window, GWL_EXSTYLE, (LONG_PTR)f->exStyle);
        SetWindowLongPtrA(window, GWL_STYLE, (LONG_PTR)f->style);
        SetClassLongPtrA(window, GCL_STYLE, (LONG_PTR)f->classStyle);
    }
    return FinishRestyle(window);
}

static void SetLong(HWND window, int index, DWORD value) { SetWindowLongPtrA(window, index, (LONG_PTR)value); }

// Look keywords, checked in this order. The style is written before the
// extended style; "NORMAL" writes its style only after a flattening look.
enum { STYLE_KEEP, STYLE_SET, STYLE_SET_IF_FLATTENED };

struct LookKeyword {
    const char *keyword;
    int styleRule;
    DWORD style;
    BOOL setsExStyle;
    DWORD exStyle;
    BOOL flattens;
};

static const LookKeyword kLooks[] = {
    {"TRANSPARENT", STYLE_KEEP, 0, TRUE, WS_EX_TRANSPARENT, TRUE},
    {"FLAT", STYLE_SET, WS_POPUP, FALSE, 0, TRUE},
    {"FLAT_BORDER", STYLE_SET, WS_POPUP | WS_BORDER, FALSE, 0, TRUE},
    {"SUNKEN", STYLE_SET, WS_POPUP, TRUE, WS_EX_CLIENTEDGE, TRUE},
    {"NORMAL", STYLE_SET_IF_FLATTENED, WS_DLGFRAME, TRUE, WS_EX_WINDOWEDGE, FALSE},
    {"NORMAL_SUNKEN", STYLE_KEEP, 0, TRUE, WS_EX_CLIENTEDGE, FALSE},
};

int kt_WindowSetLook(HWND window, const char *look) {
    if (const LookKeyword *k = ktFindKeyword(kLooks, look)) {
        if (k->styleRule == STYLE_SET || (k->styleRule == STYLE_SET_IF_FLATTENED && !kt_WindowNeverFlattened))
            SetLong(window, GWL_STYLE, k->style);
        if (k->setsExStyle) SetLong(window, GWL_EXSTYLE, k->exStyle);
        if (k->flattens) kt_WindowNeverFlattened = 0;
    }
    return FinishRestyle(window);
}

int kt_WindowSizable(HWND window, const char *onOff) {
    DWORD style = (DWORD)GetWindowLongPtrA(window, GWL_STYLE);
    if (strcmp(onOff, "ON") == 0) SetLong(window, GWL_STYLE, style | WS_THICKFRAME);
    else if (strcmp(onOff, "OFF") == 0) SetLong(window, GWL_STYLE, style ^ WS_THICKFRAME);
    return FinishRestyle(window);
}

#define KT_KEEP 999999

int kt_WindowMove(HWND window, int x, int y) {
    RECT r;
    GetWindowRect(window, &r);
    if (x == KT_KEEP) x = r.left;
    if (y == KT_KEEP) y = r.top;
    MoveWindow(window, x, y, r.right - r.left, r.bottom - r.top, TRUE);
    return 0;
}

// Half a caption height above the exact centre, as the frame is subtracted twice.
int kt_WindowCenter(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top) - GetSystemMetrics(SM_CYCAPTION)) / 2;
    SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return 0;
}

int kt_WindowGetPos(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    kt_LastX = r.left;
    kt_LastY = r.top;
    return 0;
}

int kt_WindowResize(HWND window, int width, int height) {
    RECT r;
    GetWindowRect(window, &r);
    if (width == KT_KEEP) width = r.right - r.left;
    if (height == KT_KEEP) height = r.bottom - r.top;
    else height += GetSystemMetrics(SM_CYCAPTION);
    MoveWindow(window, r.left, r.top, width, height, TRUE);
    return 0;
}

int kt_WindowGetSize(HWND window) { return ktVerbGetSize(window); }

int kt_WindowSetText(HWND window, const char *text) { return ktVerbSetWindowText(window, text); }

int kt_WindowGetText(HWND window, char *buffer, int limit) {
    return GetWindowTextA(window, buffer, limit + 1);
}

int kt_WindowRedraw(HWND window, const char *erase) { return ktVerbRedrawKeyword(window, erase); }

HWND kt_WindowSetFocus(HWND window) { return ktVerbSetFocus(window); }

HWND kt_WindowHasFocus(HWND window) { return GetFocus() == window && window ? window : NULL; }

int kt_WindowSetBackColor(HWND window, COLORREF color) {
    if (!kt_WindowHasFocus(window)) return 0;
    SetClassLongPtrA(window, GCLP_HBRBACKGROUND, (LONG_PTR)CreateSolidBrush(color));
    InvalidateRgn(window, NULL, TRUE);
    return 0;
}

static int SetClassIcon(HWND window, HINSTANCE instance, const char *name) {
    SetClassLongPtrA(window, GCLP_HICON, (LONG_PTR)LoadIconA(instance, name));
    return 0;
}

int kt_WindowSetIcon(HWND window, const char *iconName) {
    return SetClassIcon(window, (HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE), iconName);
}

int kt_WindowSetSystemIcon(HWND window, const char *systemIcon) {
    return SetClassIcon(window, NULL, systemIcon);
}
