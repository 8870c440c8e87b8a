// Date and time fields of a moment as text, chosen by keyword.
#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include "../core/keywords.h"
#include "../toolkit.h"

static char timeText[KT_TIME_TEXT_MAX];

struct TimeField {
    size_t offset;  // of the WORD in SYSTEMTIME
    int digits;     // at least this many, "0" in front
};

// Single-field keywords put the second argument in front; the combined ones
// put it between their fields.
struct TimeKeyword {
    const char *keyword;
    BOOL prefixed;
    int fieldCount;
    TimeField fields[3];
};

#define KT_FIELD(member, digits) {offsetof(SYSTEMTIME, member), digits}

static const TimeKeyword kTimeKeywords[] = {
    {"YY_MM_DD", FALSE, 3, {KT_FIELD(wYear, 1), KT_FIELD(wMonth, 2), KT_FIELD(wDay, 2)}},
    {"HH_MM_SS", FALSE, 3, {KT_FIELD(wHour, 2), KT_FIELD(wMinute, 2), KT_FIELD(wSecond, 2)}},
    {"YEAR", TRUE, 1, {KT_FIELD(wYear, 1)}},
    {"MONTH", TRUE, 1, {KT_FIELD(wMonth, 2)}},
    {"DAY_OF_WEEK", TRUE, 1, {KT_FIELD(wDayOfWeek, 2)}},
    {"DAY", TRUE, 1, {KT_FIELD(wDay, 2)}},
    {"HOUR", TRUE, 1, {KT_FIELD(wHour, 2)}},
    {"MINUTE", TRUE, 1, {KT_FIELD(wMinute, 2)}},
    {"SECOND", TRUE, 1, {KT_FIELD(wSecond, 2)}},
    {"MILLISEC", TRUE, 1, {KT_FIELD(wMilliseconds, 2)}},
};

// Appends what fits, keeping the buffer terminated; a long separator is cut.
static void AppendCut(char *buffer, size_t size, size_t *used, const char *text) {
    size_t length = strlen(text);
    if (length > size - 1 - *used) length = size - 1 - *used;
    memcpy(buffer + *used, text, length);
    *used += length;
    buffer[*used] = 0;
}

static void AppendField(char *buffer, size_t size, size_t *used, const SYSTEMTIME *moment,
                        const TimeField *field) {
    WORD value;
    memcpy(&value, (const char *)moment + field->offset, sizeof value);
    char digits[8];
    _snprintf(digits, sizeof digits - 1, "%0*i", field->digits, (int)value);
    digits[sizeof digits - 1] = 0;
    AppendCut(buffer, size, used, digits);
}

static void BuildTimeText(const SYSTEMTIME *moment, const TimeKeyword *entry, const char *separator) {
    size_t used = 0;
    timeText[0] = 0;
    for (int i = 0; i < entry->fieldCount; ++i) {
        if (i > 0 || entry->prefixed) AppendCut(timeText, sizeof timeText, &used, separator);
        AppendField(timeText, sizeof timeText, &used, moment, &entry->fields[i]);
    }
}

char *kt_TimeTextOf(const SYSTEMTIME *moment, const char *keyword, const char *separator) {
    const TimeKeyword *entry = ktFindKeyword(kTimeKeywords, keyword);
    if (entry && moment) BuildTimeText(moment, entry, separator ? separator : "");
    return timeText;
}

char *kt_TimeText(const char *keyword, const char *separator) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return kt_TimeTextOf(&now, keyword, separator);
}
