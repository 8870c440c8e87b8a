// Numbers to fixed-point text and back, by the platform runtime's sprintf and atof.
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "../toolkit.h"

static int DecimalsFor(int decimals) { return decimals > 8 ? 8 : decimals; }

// Copies a text only when it fits whole; reports whether it did.
static BOOL CopyIfFits(char *buffer, int size, const char *text) {
    size_t length = strlen(text);
    if (length + 1 > (size_t)size) return FALSE;
    memcpy(buffer, text, length + 1);
    return TRUE;
}

// The runtime writes infinities as "1.#INF00", which reads back as 1.
static const char *NonFiniteText(double value) {
    if (isnan(value)) return "nan";
    return value < 0 ? "-inf" : "inf";
}

char *kt_NumFormatSized(char *buffer, int size, double value, int decimals) {
    if (decimals < 0 || size <= 0) return buffer;
    int d = DecimalsFor(decimals);
    char text[KT_NUM_TEXT_MAX];
    if (!isfinite(value)) {
        if (!CopyIfFits(buffer, size, NonFiniteText(value))) buffer[0] = 0;
        return buffer;
    }
    int n = _snprintf(text, sizeof text - 1, "%.*f", d, value);
    text[sizeof text - 1] = 0;
    if (n >= 0 && CopyIfFits(buffer, size, text)) return buffer;
    // Too long for the buffer: the same value in exponent notation, with as
    // many of the asked decimals as fit.
    for (int p = d; p >= 0; --p) {
        n = _snprintf(text, sizeof text - 1, "%.*e", p, value);
        text[sizeof text - 1] = 0;
        if (n >= 0 && CopyIfFits(buffer, size, text)) return buffer;
    }
    buffer[0] = 0;
    return buffer;
}

char *kt_NumFormat(char *buffer, double value, int decimals) {
    return kt_NumFormatSized(buffer, KT_NUM_TEXT_MAX, value, decimals);
}

double kt_NumParse(const char *text) { return atof(text); }

char *kt_NumToText(char *buffer, int value) {
    wsprintfA(buffer, "%i", value);
    return buffer;
}

int kt_NumParseInt(const char *text) { return atoi(text); }
