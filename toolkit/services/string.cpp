// String services: value-list formatting, comparison with a difference
// report, case change, character classes, line-feed counts, the mouse
// position and zeroed arrays.
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "../toolkit.h"
#include "../core/keywords.h"

char kt_StrDiffSame[256];
char kt_StrDiffFirst[256];
char kt_StrDiffSecond[256];
int kt_StrDiffLength = 0;

/* ---- Value lists -------------------------------------------------------- */

// Decimal counts are single digits, one per "f" conversion; a format holds
// at most this many of either (more are ignored).
#define KT_MAX_FLOAT_DECIMALS 10
#define KT_DEFAULT_DECIMALS 2
// Longest text one value may append.
#define KT_VALUE_TEXT_MAX 99

enum ValueKind { VALUE_INT, VALUE_UINT, VALUE_LONG, VALUE_ULONG, VALUE_DOUBLE, VALUE_TEXT };

struct Conversion {
    char letter;
    ValueKind kind;
    const char *format;  // for VALUE_DOUBLE the precision comes separately
};

static const Conversion kConversions[] = {
    {'i', VALUE_INT, "%i"},
    {'u', VALUE_UINT, "%u"},
    {'l', VALUE_LONG, "%li"},
    {'U', VALUE_ULONG, "%lu"},
    {'f', VALUE_DOUBLE, "%.*f"},
    {'s', VALUE_TEXT, "%s"},
};

static const Conversion *FindConversion(char letter) {
    for (size_t i = 0; i < KT_ARRAY_SIZE(kConversions); ++i)
        if (kConversions[i].letter == letter) return &kConversions[i];
    return NULL;
}

// Every digit of the format, in order, is the decimal count of the next "f";
// returns how many were collected.
static int CollectDecimalCounts(const char *format, int counts[KT_MAX_FLOAT_DECIMALS]) {
    int found = 0;
    for (const char *p = format; *p && found < KT_MAX_FLOAT_DECIMALS; ++p)
        if (*p >= '0' && *p <= '9') counts[found++] = *p - '0';
    return found;
}

// The value's text, cut to KT_VALUE_TEXT_MAX characters.
static void FormatValue(char *text, const Conversion *c, int decimals, va_list *values) {
    const size_t room = KT_VALUE_TEXT_MAX;
    switch (c->kind) {
    case VALUE_INT: _snprintf(text, room, c->format, va_arg(*values, int)); break;
    case VALUE_UINT: _snprintf(text, room, c->format, va_arg(*values, unsigned int)); break;
    case VALUE_LONG: _snprintf(text, room, c->format, va_arg(*values, long)); break;
    case VALUE_ULONG: _snprintf(text, room, c->format, va_arg(*values, unsigned long)); break;
    case VALUE_DOUBLE: _snprintf(text, room, c->format, decimals, va_arg(*values, double)); break;
    case VALUE_TEXT: {
        const char *source = va_arg(*values, const char *);
        _snprintf(text, room, c->format, source ? source : "");
        break;
    }
    }
    text[room] = 0;  // _snprintf leaves a cut text unterminated
}

char *kt_StrFormatValues(char *destination, const char *format, ...) {
    int counts[KT_MAX_FLOAT_DECIMALS];
    int countsFound = CollectDecimalCounts(format, counts);
    int floatsSeen = 0;
    va_list values;
    va_start(values, format);
    for (const char *p = format; *p; ++p) {
        if (*p != '%') continue;  // ordinary characters are not copied
        if (!p[1]) break;
        const Conversion *c = FindConversion(*++p);
        if (!c) continue;
        int decimals = KT_DEFAULT_DECIMALS;
        if (c->kind == VALUE_DOUBLE) {
            if (floatsSeen < countsFound) decimals = counts[floatsSeen];
            ++floatsSeen;
        }
        char text[KT_VALUE_TEXT_MAX + 1];
        FormatValue(text, c, decimals, &values);
        lstrcatA(destination, text);
    }
    va_end(values);
    lstrcatA(destination, "\n");
    return destination;
}

/* ---- Comparison ----------------------------------------------------------- */

typedef int(WINAPI *TextComparer)(LPCSTR, LPCSTR);

// By mode: 0 ignores case, 1 respects it; both by the user's locale.
static const TextComparer kComparers[] = {lstrcmpiA, lstrcmpA};

int kt_StrCompare(const char *text1, const char *text2, int mode) {
    if (mode < 0 || mode >= (int)KT_ARRAY_SIZE(kComparers)) return 0;
    return kComparers[mode](text1, text2);
}

int kt_StrCompareDiff(const char *text1, const char *text2, int mode) {
    int n1 = lstrlenA(text1), n2 = lstrlenA(text2);
    // The report holds 256 positions; a longer text 2 is reported that far.
    int reported = n2 < (int)sizeof kt_StrDiffSame ? n2 : (int)sizeof kt_StrDiffSame;
    memset(kt_StrDiffSame, '=', reported);
    memset(kt_StrDiffFirst, '=', reported);
    memset(kt_StrDiffSecond, '=', reported);
    int result = kt_StrCompare(text1, text2, mode);
    for (int i = 0; i < reported; ++i) {
        if (i < n1 && text1[i] == text2[i]) kt_StrDiffSame[i] = text1[i];
        else if (i < n1) kt_StrDiffFirst[i] = text1[i];
        else kt_StrDiffSecond[i] = text2[i];
    }
    kt_StrDiffLength = n2 - n1;
    return result;
}

/* ---- Copies and lengths --------------------------------------------------- */

char *kt_StrAppend(char *destination, const char *source) { return lstrcatA(destination, source); }

char *kt_StrCopyN(char *destination, const char *source, int count) {
    if (count <= 0) return lstrcpyA(destination, source);
    // Stops at the end of the source even when the count reaches beyond it.
    int i = 0;
    for (; i < count && source[i]; ++i) destination[i] = source[i];
    destination[i] = 0;
    return destination;
}

int kt_StrLength(const char *text) { return lstrlenA(text); }

int kt_StrChangeCase(int mode, const char *second, char *text) {
    if (mode != 0 && mode != 1) return second ? lstrlenA(second) : 0;
    if (!text) return 0;
    if (mode == 0) CharLowerA(text);
    else CharUpperA(text);
    return lstrlenA(text);
}

/* ---- Characters ----------------------------------------------------------- */

enum { CLASS_SPACE, CLASS_OTHER, CLASS_DIGIT, CLASS_LOWER, CLASS_UPPER };

struct ByteRangeClass {
    unsigned char first, last;
    int charClass;
};

// Windows-1252 bytes; a later row overrides an earlier one.
static const ByteRangeClass kByteClasses[] = {
    {' ', ' ', CLASS_SPACE},
    {'0', '9', CLASS_DIGIT},
    {'a', 'z', CLASS_LOWER},
    {224, 254, CLASS_LOWER},  // à to þ
    {'A', 'Z', CLASS_UPPER},
    {192, 223, CLASS_UPPER},  // À to ß
    {215, 215, CLASS_OTHER},  // multiplication sign
    {247, 247, CLASS_OTHER},  // division sign
};

int kt_StrCharClass(const char *text, int position) {
    unsigned char b = (unsigned char)text[position];
    int charClass = CLASS_OTHER;
    for (size_t i = 0; i < KT_ARRAY_SIZE(kByteClasses); ++i)
        if (b >= kByteClasses[i].first && b <= kByteClasses[i].last)
            charClass = kByteClasses[i].charClass;
    return charClass;
}

int kt_StrCharAt(const char *text, int position) { return (signed char)text[position]; }

static int CountByte(const char *text, char wanted) {
    int count = 0;
    if (!text) return 0;
    for (const char *p = text; *p; ++p)
        if (*p == wanted) ++count;
    return count;
}

int kt_StrExpandedLength(const char *text) {
    return lstrlenA(text) + CountByte(text, '\n') + CountByte(text, '\t');
}

int kt_StrCountLineFeeds(const char *text) { return CountByte(text, '\n'); }

int kt_StrLastLineIndex(const char *text) { return CountByte(text, '\n') - 1; }

/* ---- Mouse and memory ----------------------------------------------------- */

int kt_CursorGetPos(HWND window) {
    POINT p = {0, 0};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    kt_LastX = p.x;
    kt_LastY = p.y;
    return 0;
}

// Arrays of 4-byte elements.
void *kt_MemAlloc(int count) {
    if (count < 0) return NULL;
    return calloc((size_t)count, 4);
}

void *kt_MemAlloc2(int count) { return kt_MemAlloc(count); }

void *kt_MemAlloc3(int count) { return kt_MemAlloc(count); }
