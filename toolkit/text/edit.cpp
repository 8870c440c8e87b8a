// Single-line edit fields that forward every key-down to their parent as a
// WM_COMMAND carrying the key code, and raise kt_AdvancePending on Tab/Enter.
#include <stdlib.h>
#include <string.h>

#include "../core/keywords.h"
#include "../core/verbs.h"

WNDPROC kt_EditPrevProc = NULL;
WNDPROC kt_EditPasswordPrevProc = NULL;

static HBRUSH gEditBrush = NULL;
static char *gEditSelection = NULL;

#define KT_EDIT_ID 1

struct StyleKeyword {
    const char *keyword;
    DWORD style;
};

static const StyleKeyword kCreateAlignments[] = {
    {"L", ES_LEFT}, {"C", ES_CENTER}, {"R", ES_RIGHT},
    {"NL", ES_NUMBER | ES_LEFT}, {"NC", ES_NUMBER | ES_CENTER}, {"NR", ES_NUMBER | ES_RIGHT},
};

static const StyleKeyword kModifyAlignments[] = {{"L", ES_LEFT}, {"C", ES_CENTER}, {"R", ES_RIGHT}};

struct BorderKeyword {
    const char *keyword;
    DWORD exStyle, style;
};

static const BorderKeyword kBorders[] = {
    {"FLAT", 0, 0},
    {"SMAL_SUNKEN", WS_EX_STATICEDGE, 0},
    {"SUNKEN", WS_EX_CLIENTEDGE, 0},
    {"MAX_SUNKEN", WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, 0},
    {"DOUBLE_EDGE", WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, WS_DLGFRAME},
    {"BAR", 0, WS_DLGFRAME},
    {"EDGE", WS_EX_CLIENTEDGE, WS_DLGFRAME},
};

template <size_t N> static DWORD AlignmentOf(const char *keyword, const StyleKeyword (&table)[N]) {
    const StyleKeyword *k = ktFindKeyword(table, keyword);
    return k ? k->style : ES_LEFT;
}

static LRESULT PassOn(WNDPROC previous, HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return previous ? CallWindowProcA(previous, w, m, wp, lp) : 0;
}

static BOOL IsCaretKey(WPARAM key) {
    return key == VK_END || key == VK_HOME || key == VK_LEFT || key == VK_RIGHT;
}

// Posted, not sent: the character message of the same key is already queued
// ahead of it, so the field raises the flag before the parent sees the key.
static BOOL ForwardKeyDown(HWND w, WPARAM key) {
    if (key > 255) return FALSE;
    PostMessageA(GetParent(w), WM_COMMAND, key, 0);
    return TRUE;
}

static BOOL SwallowAdvanceChar(UINT m, WPARAM wp) {
    if (m != WM_CHAR || (wp != '\t' && wp != '\r')) return FALSE;
    kt_AdvancePending = 1;
    return TRUE;
}

static LRESULT CALLBACK EditForwardProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_KEYDOWN && !IsCaretKey(wp) && ForwardKeyDown(w, wp)) return 0;
    if (SwallowAdvanceChar(m, wp)) return 0;
    return PassOn(kt_EditPrevProc, w, m, wp, lp);
}

static LRESULT CALLBACK PasswordForwardProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_KEYDOWN && ForwardKeyDown(w, wp)) return 0;
    if (SwallowAdvanceChar(m, wp)) return 0;
    return PassOn(kt_EditPasswordPrevProc, w, m, wp, lp);
}

static void Subclass(HWND field, WNDPROC *slot, WNDPROC proc) {
    if (!field) return;
    *slot = (WNDPROC)SetWindowLongPtrA(field, GWLP_WNDPROC, (LONG_PTR)proc);
}

static HWND CreateField(HWND parent, DWORD exStyle, DWORD style, int x, int y, int width, int height) {
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(parent, GWLP_HINSTANCE);
    return CreateWindowExA(exStyle, "EDIT", NULL, style, x, y, width, height, parent,
                           (HMENU)(INT_PTR)KT_EDIT_ID, instance, NULL);
}

HWND kt_EditCreate(HWND parent, int x, int y, int width, int height, const char *align, int limit) {
    DWORD style = AlignmentOf(align, kCreateAlignments) |
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | ES_AUTOHSCROLL | WS_CLIPCHILDREN;
    HWND field = CreateField(parent, WS_EX_CLIENTEDGE, style, x, y, width, height);
    SendMessageA(field, EM_LIMITTEXT, (WPARAM)limit, 0);
    Subclass(field, &kt_EditPrevProc, EditForwardProc);
    return field;
}

HWND kt_EditCreatePassword(HWND parent, int x, int y, int width, int height, int limit) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | ES_AUTOHSCROLL | ES_PASSWORD;
    HWND field = CreateField(parent, WS_EX_CLIENTEDGE, style, x, y, width, height);
    SendMessageA(field, EM_LIMITTEXT, (WPARAM)limit, 0);
    Subclass(field, &kt_EditPasswordPrevProc, PasswordForwardProc);
    return field;
}

// The whole text of a field in a heap block of its own, or null.
static char *CopyWholeText(HWND field) {
    int length = GetWindowTextLengthA(field);
    char *text = (char *)calloc((size_t)length + 1, 1);
    if (text) GetWindowTextA(field, text, length + 1);
    return text;
}

HWND kt_EditModify(HWND field, int x, int y, int width, int height, const char *border,
                   const char *align, int limit) {
    HWND parent = (HWND)GetWindowLongPtrA(field, GWLP_HWNDPARENT);
    const BorderKeyword *look = ktFindKeyword(kBorders, border);
    DWORD exStyle = look ? look->exStyle : 0;
    DWORD style = AlignmentOf(align, kModifyAlignments) |
                  (look ? look->style : 0) | WS_TABSTOP | WS_VISIBLE | WS_CHILD | ES_NOHIDESEL |
                  ES_AUTOHSCROLL;
    char *text = CopyWholeText(field);
    DestroyWindow(field);
    HWND successor = CreateField(parent, exStyle, style, x, y, width, height);
    SendMessageA(successor, EM_LIMITTEXT, (WPARAM)limit, 0);
    SetWindowTextA(successor, text ? text : "");
    free(text);
    Subclass(successor, &kt_EditPrevProc, EditForwardProc);
    return successor;
}

KT_VERB_SETTEXT_MESSAGE(Edit)
KT_VERB_GETTEXT_LIMITED(Edit)

int kt_EditGetLength(HWND field) { return GetWindowTextLengthA(field); }

char *kt_EditGetSelText(HWND field) {
    free(gEditSelection);
    gEditSelection = NULL;
    DWORD start = 0, end = 0;
    SendMessageA(field, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    if (start + end == 0) return NULL;
    char *text = CopyWholeText(field);
    size_t length = text ? strlen(text) : 0;
    if (end > length) end = (DWORD)length;
    if (start > end) start = end;
    gEditSelection = (char *)calloc((size_t)(end - start) + 1, 1);
    if (gEditSelection && text) memcpy(gEditSelection, text + start, end - start);
    free(text);
    return gEditSelection;
}

int kt_EditSetLimit(HWND field, int limit) {
    int previous = kt_EditGetLimit(field);
    SendMessageA(field, EM_LIMITTEXT, (WPARAM)limit, 0);
    return previous;
}

int kt_EditGetLimit(HWND field) { return (int)SendMessageA(field, EM_GETLIMITTEXT, 0, 0); }

int kt_EditSetLeftMargin(HWND field, int margin) {
    DWORD previous = (DWORD)SendMessageA(field, EM_GETMARGINS, 0, 0);
    SendMessageA(field, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(LOWORD(margin), 0));
    return LOWORD(previous);
}

int kt_EditSetEditable(HWND field, const char *onOff) {
    if (strcmp(onOff, "OFF") == 0) return (int)SendMessageA(field, EM_SETREADONLY, TRUE, 0);
    if (strcmp(onOff, "ON") == 0) return (int)SendMessageA(field, EM_SETREADONLY, FALSE, 0);
    return 0;
}

HBRUSH kt_EditColors(HWND field, COLORREF text, COLORREF back, HDC dc, HWND control) {
    if (control == field) {
        if (gEditBrush) DeleteObject(gEditBrush);
        gEditBrush = CreateSolidBrush(back);
        SetTextColor(dc, text);
        SetBkColor(dc, back);
    }
    return gEditBrush;
}

int kt_EditAdvanceFocus(HWND from, HWND to) {
    // The flag first: asking for the focus is a round trip on some platforms.
    if (kt_AdvancePending == 1 && GetFocus() == from) {
        SetFocus(to);
        kt_AdvancePending = 0;
    }
    return 0;
}

int kt_EditSaveFile(HWND field, const char *path) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_ARCHIVE | FILE_FLAG_SEQUENTIAL_SCAN, NULL);
    if (file == INVALID_HANDLE_VALUE) return 2;
    char *text = CopyWholeText(field);
    DWORD length = text ? (DWORD)strlen(text) : 0, written = 0;
    BOOL ok = text != NULL && WriteFile(file, text, length, &written, NULL);
    free(text);
    CloseHandle(file);
    return ok && written == length ? 0 : 3;
}

#define KT_LOAD_CHUNK 999

int kt_EditLoadFile(HWND field, const char *path) {
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_ALWAYS,
                              FILE_FLAG_SEQUENTIAL_SCAN, NULL);
    if (file == INVALID_HANDLE_VALUE) return 2;
    DWORD high = 0, low = GetFileSize(file, &high);
    if (high != 0 || low >= 65536) {
        CloseHandle(file);
        return 4;
    }
    SendMessageA(field, WM_SETTEXT, 0, (LPARAM)"");
    char chunk[KT_LOAD_CHUNK + 1];
    DWORD got = 0;
    do {
        if (!ReadFile(file, chunk, KT_LOAD_CHUNK, &got, NULL)) {
            CloseHandle(file);
            return 3;
        }
        chunk[got] = 0;
        SendMessageA(field, EM_SETSEL, (WPARAM)-1, (LPARAM)-1);
        SendMessageA(field, EM_REPLACESEL, FALSE, (LPARAM)chunk);
    } while (got == KT_LOAD_CHUNK);
    CloseHandle(file);
    SendMessageA(field, EM_SETSEL, 0, 0);
    SendMessageA(field, EM_SCROLLCARET, 0, 0);
    SendMessageA(field, EM_SETMODIFY, FALSE, 0);
    return 0;
}

KT_VERB_CREATEFONT(Edit)
KT_VERB_SETFONT(Edit)
KT_VERBS_STANDARD(Edit, SW_SHOW)
