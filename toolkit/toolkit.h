/* The kt_ window toolkit: plain functions over the Win32 ANSI API.
 *
 * Every operation takes its control's handle first (a creator takes the
 * parent's) and returns an int, a handle or a pointer. The toolkit keeps no
 * record per window; the few process-wide variables are declared here.
 * Usable from C and C++.
 */
#ifndef KT_TOOLKIT_H
#define KT_TOOLKIT_H

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <wchar.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Shared process-wide values ---------------------------------------- */

/* Two results of the query operations (GetPos, GetSize, kt_CursorGetPos) and
 * the current point of the drawing operations. */
extern int kt_LastX;
extern int kt_LastY;

/* Raised by Tab or Enter typed in an edit-like field; cleared by a focus
 * advance that takes place. */
extern int kt_AdvancePending;

/* The application's window procedure; kt_WindowCreate registers it for every
 * top-level window. The application defines it under this name. */
LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/* ---- Top-level window --------------------------------------------------- */

extern int kt_WindowNeverFlattened;

HWND kt_WindowCreate(HINSTANCE instance, const char *title, int x, int y, int width, int height,
                     const char *frame);
int kt_WindowDestroy(HWND window);
int kt_WindowShowAs(HWND window, const char *show);
int kt_WindowShow(HWND window);
int kt_WindowHide(HWND window);
int kt_WindowMaximize(HWND window);
int kt_WindowModify(HWND window, const char *frame);
int kt_WindowSetLook(HWND window, const char *look);
int kt_WindowSizable(HWND window, const char *onOff);
int kt_WindowMove(HWND window, int x, int y);
int kt_WindowCenter(HWND window);
int kt_WindowGetPos(HWND window);
int kt_WindowResize(HWND window, int width, int height);
int kt_WindowGetSize(HWND window);
int kt_WindowSetText(HWND window, const char *text);
int kt_WindowGetText(HWND window, char *buffer, int limit);
int kt_WindowRedraw(HWND window, const char *erase);
HWND kt_WindowSetFocus(HWND window);
HWND kt_WindowHasFocus(HWND window);
int kt_WindowSetBackColor(HWND window, COLORREF color);
int kt_WindowSetIcon(HWND window, const char *iconName);
int kt_WindowSetSystemIcon(HWND window, const char *systemIcon);

/* ---- Message boxes ------------------------------------------------------ */

/* Answer codes of kt_MessageBox. */
enum {
    KT_ANSWER_NO = 1,
    KT_ANSWER_IGNORE = 2,
    KT_ANSWER_RETRY = 3,
    KT_ANSWER_YES = 4,
    KT_ANSWER_OK = 5,
    KT_ANSWER_CANCEL = 6
};

int kt_MessageShow(HWND owner, const char *caption, char *text, const char *option);
int kt_MessageBox(HWND owner, const char *caption, const char *text, const char *icon,
                  const char *buttons);

/* ---- Painting effects --------------------------------------------------- */

HDC kt_DrawCreateCanvas(HWND window, int width, int height, COLORREF color);
HDC kt_DrawGradient(HWND window, int x1, int y1, int x2, int y2, double strength, int red,
                    int green, int blue, const char *direction);

/* ---- Single-line edit field --------------------------------------------- */

extern WNDPROC kt_EditPrevProc;
extern WNDPROC kt_EditPasswordPrevProc;

HWND kt_EditCreate(HWND parent, int x, int y, int width, int height, const char *align, int limit);
HWND kt_EditCreatePassword(HWND parent, int x, int y, int width, int height, int limit);
HWND kt_EditModify(HWND field, int x, int y, int width, int height, const char *border,
                   const char *align, int limit);
int kt_EditSetText(HWND field, const char *text);
/* The buffer must hold the field's limit + 2 bytes. */
int kt_EditGetText(HWND field, char *buffer);
int kt_EditGetLength(HWND field);
char *kt_EditGetSelText(HWND field);
int kt_EditSetLimit(HWND field, int limit);
int kt_EditGetLimit(HWND field);
int kt_EditSetLeftMargin(HWND field, int margin);
int kt_EditSetEditable(HWND field, const char *onOff);
HBRUSH kt_EditColors(HWND field, COLORREF text, COLORREF back, HDC dc, HWND control);
int kt_EditAdvanceFocus(HWND from, HWND to);
int kt_EditSaveFile(HWND field, const char *path);
int kt_EditLoadFile(HWND field, const char *path);
HFONT kt_EditCreateFont(HWND field, int points, int weight, int style, int unused, const char *face);
int kt_EditSetFont(HWND field, HFONT font);
int kt_EditDestroy(HWND field);
int kt_EditHide(HWND field);
int kt_EditShow(HWND field);
int kt_EditMove(HWND field, int x, int y);
int kt_EditCenter(HWND field);
int kt_EditGetPos(HWND field);
int kt_EditResize(HWND field, int width, int height);
int kt_EditGetSize(HWND field);
int kt_EditFitParent(HWND field, int x, int y, int widthDiff, int heightDiff);
int kt_EditDisable(HWND field);
int kt_EditEnable(HWND field);
int kt_EditRedraw(HWND field);
HWND kt_EditSetFocus(HWND field);
int kt_EditHasFocus(HWND field);

/* ---- Drawing target, text and fonts -------------------------------------- */

enum { KT_DRAW_CLIENT = 0, KT_DRAW_WINDOW = 1, KT_DRAW_MEMORY = 2 };

extern int kt_DrawTarget;
extern HDC kt_DrawMemoryDC;

int kt_DrawSetTarget(HWND window, const char *target);
HDC kt_DrawSetMemoryDC(HDC dc);
int kt_DrawText(HWND window, int x, int y, const char *text, COLORREF color, HFONT font,
                COLORREF back);
int kt_DrawNumber(HWND window, int x, int y, double value, int decimals, COLORREF color,
                  HFONT font, COLORREF back);
int kt_DrawTextEmbossed(HWND window, int x, int y, int offset, const char *text, COLORREF color,
                        HFONT font, COLORREF back);
int kt_DrawTextVertical(HWND window, int x, int y, int step, const char *text, COLORREF color,
                        HFONT font, COLORREF back);
int kt_DrawTextVerticalEmbossed(HWND window, int x, int y, int step, int offset, const char *text,
                                COLORREF color, HFONT font, COLORREF back);
int kt_DrawInvalidateRect(HWND window, RECT rect, const char *erase);
HFONT kt_FontCreate(int height, int width, int angle, int weight, int style, int pitchFamily,
                    const char *face);

/* ---- Lines, frames and shapes ------------------------------------------- */

int kt_DrawPixel(HWND window, int x, int y, COLORREF color);
COLORREF kt_DrawGetPixel(HWND window, int x, int y);
int kt_DrawLine(HWND window, int x1, int y1, int x2, int y2, COLORREF color);
int kt_DrawLineDashed(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF back);
int kt_DrawLineDotted(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF back);
int kt_DrawLineDashDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF back);
int kt_DrawLineDashDotDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color,
                          COLORREF back);
int kt_DrawGrid(HWND window, int x, int y, int width, int height, int spacing, COLORREF color);
int kt_DrawFillRect(HWND window, int x, int y, int width, int height, COLORREF color);
int kt_DrawRectangle(HWND window, int left, int top, int right, int bottom, COLORREF fill,
                     int penWidth, COLORREF penColor);
int kt_DrawLine3D(HWND window, int x, int y, int length, const char *direction, const char *look,
                  int thickness);
int kt_DrawFrame3D(HWND window, int x, int y, int width, int height, const char *look, int inset);
int kt_DrawBlit(HWND window, HDC source, int x, int y, int width, int height);
int kt_DrawIcon(HWND window, int x, int y, const char *iconName);
int kt_DrawSystemIcon(HWND window, int x, int y, const char *systemIcon);
int kt_DrawBitmap(HWND window, int x, int y, const char *bitmapName);
int kt_DrawBitmapStretched(HWND window, int x, int y, int width, int height,
                           const char *bitmapName);
int kt_DrawGetScreenMax(int *maxWidth, int *maxHeight);

/* ---- Number and string helpers ------------------------------------------ */

/* Room for the fixed-point text of any double with up to 8 decimals. */
#define KT_NUM_TEXT_MAX 330

/* Writes at most KT_NUM_TEXT_MAX bytes: the buffer must hold that many. */
char *kt_NumFormat(char *buffer, double value, int decimals);
/* The same rule into a buffer of the given size. A fixed-point text that does
 * not fit is written in exponent notation instead; nothing is ever cut. */
char *kt_NumFormatSized(char *buffer, int size, double value, int decimals);
double kt_NumParse(const char *text);
char *kt_NumToText(char *buffer, int value);
int kt_NumParseInt(const char *text);
char *kt_StrFormatValues(char *destination, const char *format, ...);

extern char kt_StrDiffSame[256];
extern char kt_StrDiffFirst[256];
extern char kt_StrDiffSecond[256];
extern int kt_StrDiffLength;

int kt_StrCompare(const char *text1, const char *text2, int mode);
int kt_StrCompareDiff(const char *text1, const char *text2, int mode);
char *kt_StrAppend(char *destination, const char *source);
char *kt_StrCopyN(char *destination, const char *source, int count);
int kt_StrLength(const char *text);
int kt_StrChangeCase(int mode, const char *second, char *text);
int kt_StrCharClass(const char *text, int position);
int kt_StrCharAt(const char *text, int position);
int kt_StrExpandedLength(const char *text);
int kt_StrCountLineFeeds(const char *text);
int kt_StrLastLineIndex(const char *text);
int kt_CursorGetPos(HWND window);
void *kt_MemAlloc(int count);
void *kt_MemAlloc2(int count);
void *kt_MemAlloc3(int count);

/* ---- Text file helpers -------------------------------------------------- */

/* kt_FileReadHead appends at most this many characters (10 lines of at most
 * 1999): the destination needs that much room beyond its current text, plus
 * the terminator. */
#define KT_FILE_HEAD_MAX (10 * 1999)

int kt_FileWriteText(const char *path, const char *text);
/* Writes the text and then the separator (0 none, 1 a space, 2 a line feed,
 * 11..16 one to six tabs); a file shorter than two characters is rewritten
 * with the text alone. 0, 2 (the file is missing or cannot be written) or 3. */
int kt_FileAppendText(const char *path, const char *text, int separator);
int kt_FileClear(const char *path);
int kt_FileCountLines(const char *path);
int kt_FileLastLineIndex(const char *path);
int kt_FileCountChars(const char *path);
int kt_FileCountCharsAndLines(const char *path);
/* 0, 2 (cannot open) or 3 (read failed: the destination is left as it was). */
int kt_FileReadHead(const char *path, char *destination);
/* "SAVE_IF_EXIST" or "NO_SAVE_IF_EXIST"; 0 copied, 1 not copied (any other
 * keyword copies nothing). */
int kt_FileCopy(HWND ignored, const char *destination, const char *source, const char *keyword);
int kt_FileRemove(const char *path);
int kt_DirCreate(const char *path);
int kt_DirCreateTree(HWND owner, const wchar_t *path);

/* ---- Settings and date/time text ---------------------------------------- */

/* The number of characters copied (a longer value is cut to the buffer), or
 * -1 when the key has no value; the buffer then holds ten spaces, cut to
 * its size. */
int kt_IniRead(const char *path, const char *section, const char *key, char *buffer, int size);
int kt_IniWrite(const char *path, const char *section, const char *key, const char *value);

/* The size of the text kt_TimeText returns; a longer separator or prefix is
 * cut to fit. */
#define KT_TIME_TEXT_MAX 256

char *kt_TimeText(const char *keyword, const char *separator);
/* The same text for a given moment instead of the clock. */
char *kt_TimeTextOf(const SYSTEMTIME *moment, const char *keyword, const char *separator);

/* ---- System information ------------------------------------------------- */

int kt_SysInfoOsVersion(const char *keyword);
/* The code of a version record, and its message text into a buffer of the
 * given size (the text "SHOW" would display). */
int kt_SysInfoDescribe(const OSVERSIONINFOA *version, char *text, int size);

#ifdef __cplusplus
}
#endif

#endif
