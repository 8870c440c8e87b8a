// The common window verbs, written once. Each control family exposes its own
// copies (kt_EditMove, kt_ButtonMove, ...) through the KT_VERB_* macros below,
// which define thin C functions that call these bodies.
#ifndef KT_CORE_VERBS_H
#define KT_CORE_VERBS_H

#include "../toolkit.h"

#ifdef __cplusplus
extern "C" {
#endif

int ktVerbDestroy(HWND w);
int ktVerbHide(HWND w);
int ktVerbShow(HWND w, int showCommand);
int ktVerbMove(HWND w, int x, int y);
int ktVerbCenter(HWND w);
int ktVerbGetPos(HWND w);
int ktVerbResize(HWND w, int width, int height);
int ktVerbGetSize(HWND w);
int ktVerbFitParent(HWND w, int x, int y, int widthDiff, int heightDiff);
int ktVerbDisable(HWND w);
int ktVerbEnable(HWND w);
int ktVerbRedraw(HWND w);
int ktVerbRedrawKeyword(HWND w, const char *erase);
// "ERASED" or "UNERASED"; 1 for any other keyword. A null rectangle is the whole window.
int ktInvalidateByKeyword(HWND w, const RECT *rect, const char *erase);
HWND ktVerbSetFocus(HWND w);
HWND ktVerbClearFocus(void);
int ktVerbHasFocus(HWND w);
int ktVerbSetTextMessage(HWND w, const char *text);
int ktVerbSetWindowText(HWND w, const char *text);
int ktVerbGetTextLimited(HWND w, char *buffer);
HFONT ktVerbCreateFont(HWND w, int points, int weight, int style, int unused, const char *face);
int ktVerbSetFont(HWND w, HFONT font);
int ktVerbSetBackColor(HWND w, COLORREF color);
int ktVerbPress(HWND w);
int ktVerbRelease(HWND w);
int ktVerbGetState(HWND w);

#ifdef __cplusplus
}
#endif

#define KT_VERB_DESTROY(F) int kt_##F##Destroy(HWND w) { return ktVerbDestroy(w); }
#define KT_VERB_HIDE(F) int kt_##F##Hide(HWND w) { return ktVerbHide(w); }
#define KT_VERB_SHOW(F, command) int kt_##F##Show(HWND w) { return ktVerbShow(w, command); }
#define KT_VERB_MOVE(F) int kt_##F##Move(HWND w, int x, int y) { return ktVerbMove(w, x, y); }
#define KT_VERB_CENTER(F) int kt_##F##Center(HWND w) { return ktVerbCenter(w); }
#define KT_VERB_GETPOS(F) int kt_##F##GetPos(HWND w) { return ktVerbGetPos(w); }
#define KT_VERB_RESIZE(F) \
    int kt_##F##Resize(HWND w, int width, int height) { return ktVerbResize(w, width, height); }
#define KT_VERB_GETSIZE(F) int kt_##F##GetSize(HWND w) { return ktVerbGetSize(w); }
#define KT_VERB_FITPARENT(F)                                             \
    int kt_##F##FitParent(HWND w, int x, int y, int dw, int dh) {      \
        return ktVerbFitParent(w, x, y, dw, dh);                         \
    }
#define KT_VERB_DISABLE(F) int kt_##F##Disable(HWND w) { return ktVerbDisable(w); }
#define KT_VERB_ENABLE(F) int kt_##F##Enable(HWND w) { return ktVerbEnable(w); }
#define KT_VERB_REDRAW(F) int kt_##F##Redraw(HWND w) { return ktVerbRedraw(w); }
#define KT_VERB_REDRAW_KEYWORD(F) \
    int kt_##F##Redraw(HWND w, const char *erase) { return ktVerbRedrawKeyword(w, erase); }
#define KT_VERB_SETFOCUS(F) HWND kt_##F##SetFocus(HWND w) { return ktVerbSetFocus(w); }
#define KT_VERB_CLEARFOCUS(F) HWND kt_##F##ClearFocus(void) { return ktVerbClearFocus(); }
#define KT_VERB_HASFOCUS(F) int kt_##F##HasFocus(HWND w) { return ktVerbHasFocus(w); }
#define KT_VERB_SETTEXT_MESSAGE(F) \
    int kt_##F##SetText(HWND w, const char *text) { return ktVerbSetTextMessage(w, text); }
#define KT_VERB_SETTEXT_WINDOW(F) \
    int kt_##F##SetText(HWND w, const char *text) { return ktVerbSetWindowText(w, text); }
#define KT_VERB_GETTEXT_LIMITED(F) \
    int kt_##F##GetText(HWND w, char *buffer) { return ktVerbGetTextLimited(w, buffer); }
#define KT_VERB_CREATEFONT(F)                                                               \
    HFONT kt_##F##CreateFont(HWND w, int points, int weight, int style, int unused,       \
                             const char *face) {                                          \
        return ktVerbCreateFont(w, points, weight, style, unused, face);                  \
    }
#define KT_VERB_SETFONT(F) int kt_##F##SetFont(HWND w, HFONT font) { return ktVerbSetFont(w, font); }
#define KT_VERB_SETBACKCOLOR(F) \
    int kt_##F##SetBackColor(HWND w, COLORREF color) { return ktVerbSetBackColor(w, color); }
#define KT_VERB_PRESS(F) int kt_##F##Press(HWND w) { return ktVerbPress(w); }
#define KT_VERB_RELEASE(F) int kt_##F##Release(HWND w) { return ktVerbRelease(w); }
#define KT_VERB_GETSTATE(F) int kt_##F##GetState(HWND w) { return ktVerbGetState(w); }

// The full verb set of a control whose Part has every verb as defined.
#define KT_VERBS_STANDARD(F, showCommand)                                                   \
    KT_VERB_DESTROY(F) KT_VERB_HIDE(F) KT_VERB_SHOW(F, showCommand) KT_VERB_MOVE(F)      \
    KT_VERB_CENTER(F) KT_VERB_GETPOS(F) KT_VERB_RESIZE(F) KT_VERB_GETSIZE(F)              \
    KT_VERB_FITPARENT(F) KT_VERB_DISABLE(F) KT_VERB_ENABLE(F) KT_VERB_REDRAW(F)           \
    KT_VERB_SETFOCUS(F) KT_VERB_HASFOCUS(F)

#endif
