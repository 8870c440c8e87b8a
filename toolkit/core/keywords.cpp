#include "keywords.h"

#include <string.h>

int ktKeywordIndex(const void *table, size_t rowSize, size_t rowCount, const char *text) {
    if (!text) return -1;
    const char *row = (const char *)table;
    for (size_t i = 0; i < rowCount; ++i, row += rowSize) {
        const char *keyword = *(const char *const *)row;
        if (strcmp(keyword, text) == 0) return (int)i;
    }
    return -1;
}
