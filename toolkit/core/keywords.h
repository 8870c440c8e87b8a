// Internal: keyword tables. A table is an array of structs whose first
// member is `const char *keyword`; the rest of each row is its values.
#ifndef KT_CORE_KEYWORDS_H
#define KT_CORE_KEYWORDS_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// Index of the first row whose keyword equals the text exactly
// (case-sensitive), or -1; a null text matches nothing.
int ktKeywordIndex(const void *table, size_t rowSize, size_t rowCount, const char *text);

#ifdef __cplusplus
}
#endif

#define KT_ARRAY_SIZE(a) (sizeof(a) / sizeof((a)[0]))

#ifdef __cplusplus
// The matching row of a keyword table, or null.
template <typename Row, size_t N>
static inline const Row *ktFindKeyword(const Row (&table)[N], const char *text) {
    int i = ktKeywordIndex(table, sizeof(Row), N, text);
    return i < 0 ? NULL : &table[i];
}
#endif

#endif
