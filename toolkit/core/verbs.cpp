#include "verbs.h"

#include "keywords.h"

#include "../draw/fontmake.h"

static HWND ParentOf(HWND w) { return (HWND)GetWindowLongPtrA(w, GWLP_HWNDPARENT); }

static int SuccessCode(BOOL ok) { return ok ? 0 : 1; }

int ktVerbDestroy(HWND w) { return SuccessCode(DestroyWindow(w)); }

// ShowWindow reports whether the window was visible before.
int ktVerbHide(HWND w) { return ShowWindow(w, SW_HIDE) ? 0 : 1; }

int ktVerbShow(HWND w, int showCommand) { return ShowWindow(w, showCommand) ? 1 : 0; }

int ktVerbMove(HWND w, int x, int y) {
    return SuccessCode(SetWindowPos(w, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
}

int ktVerbCenter(HWND w) {
    RECT client, outer;
    GetClientRect(ParentOf(w), &client);
    GetWindowRect(w, &outer);
    int x = client.right / 2 - (outer.right - outer.left) / 2;
    int y = client.bottom / 2 - (outer.bottom - outer.top) / 2;
    SetWindowPos(w, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return 0;
}

// The parent's bottom border is taken to be as wide as its side border; the
// rest of its vertical frame (caption, menu bar) is counted on top.
int ktVerbGetPos(HWND w) {
    HWND parent = ParentOf(w);
    RECT self, outer, client;
    GetWindowRect(w, &self);
    GetWindowRect(parent, &outer);
    GetClientRect(parent, &client);
    int border = ((outer.right - outer.left) - client.right) / 2;
    int clientLeft = outer.left + border;
    int clientTop = outer.top + ((outer.bottom - outer.top) - client.bottom - border);
    kt_LastX = self.left - clientLeft;
    kt_LastY = self.top - clientTop;
    return 0;
}

int ktVerbResize(HWND w, int width, int height) {
    return SuccessCode(SetWindowPos(w, NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER));
}

int ktVerbGetSize(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    kt_LastX = r.right - r.left;
    kt_LastY = r.bottom - r.top;
    return 0;
}

int ktVerbFitParent(HWND w, int x, int y, int widthDiff, int heightDiff) {
    RECT client;
    GetClientRect(ParentOf(w), &client);
    return SuccessCode(MoveWindow(w, x, y, client.right + widthDiff, client.bottom + heightDiff, TRUE));
}

// EnableWindow reports whether the window was disabled before.
int ktVerbDisable(HWND w) { return EnableWindow(w, FALSE) ? 1 : 0; }

int ktVerbEnable(HWND w) { return EnableWindow(w, TRUE) ? 0 : 1; }

int ktVerbRedraw(HWND w) { return SuccessCode(InvalidateRect(w, NULL, TRUE)); }

struct EraseKeyword {
    const char *keyword;
    BOOL erase;
};

static const EraseKeyword kEraseKeywords[] = {{"ERASED", TRUE}, {"UNERASED", FALSE}};

int ktInvalidateByKeyword(HWND w, const RECT *rect, const char *erase) {
    const EraseKeyword *k = ktFindKeyword(kEraseKeywords, erase);
    return k ? SuccessCode(InvalidateRect(w, rect, k->erase)) : 1;
}

int ktVerbRedrawKeyword(HWND w, const char *erase) { return ktInvalidateByKeyword(w, NULL, erase); }

HWND ktVerbSetFocus(HWND w) { return SetFocus(w); }

HWND ktVerbClearFocus(void) { return SetFocus(NULL); }

int ktVerbHasFocus(HWND w) { return GetFocus() == w ? 0 : 1; }

int ktVerbSetTextMessage(HWND w, const char *text) {
    SendMessageA(w, WM_SETTEXT, 0, (LPARAM)text);
    return 0;
}

int ktVerbSetWindowText(HWND w, const char *text) {
    SetWindowTextA(w, text);
    return 0;
}

// The caller's buffer holds limit + 2 bytes, so at most limit + 1 characters.
int ktVerbGetTextLimited(HWND w, char *buffer) {
    int limit = (int)SendMessageA(w, EM_GETLIMITTEXT, 0, 0);
    return (int)SendMessageA(w, WM_GETTEXT, (WPARAM)(limit + 2), (LPARAM)buffer);
}

HFONT ktVerbCreateFont(HWND w, int points, int weight, int style, int unused, const char *face) {
    (void)unused;
    return ktFontFromPoints(w, points, weight, style, face);
}

int ktVerbSetFont(HWND w, HFONT font) {
    SendMessageA(w, WM_SETFONT, (WPARAM)font, TRUE);
    return 0;
}

int ktVerbSetBackColor(HWND w, COLORREF color) {
    SetClassLongPtrA(w, GCLP_HBRBACKGROUND, (LONG_PTR)CreateSolidBrush(color));
    InvalidateRect(w, NULL, TRUE);
    return 0;
}

int ktVerbPress(HWND w) {
    SendMessageA(w, BM_SETSTATE, TRUE, 0);
    return 0;
}

int ktVerbRelease(HWND w) {
    SendMessageA(w, BM_SETSTATE, FALSE, 0);
    return 0;
}

int ktVerbGetState(HWND w) { return (int)SendMessageA(w, BM_GETSTATE, 0, 0); }
