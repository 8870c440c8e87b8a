// Internal: font style codes and the per-family font creator.
#ifndef KT_DRAW_FONTMAKE_H
#define KT_DRAW_FONTMAKE_H

#include "../toolkit.h"

#ifdef __cplusplus
extern "C" {
#endif

// Decimal digits of the style code name the attributes: 1 italic, 2 underline, 3 strike-out.
typedef struct KtFontStyle {
    BOOL italic, underline, strikeOut;
} KtFontStyle;

KtFontStyle ktFontStyleFromCode(int code);
HFONT ktFontFromPoints(HWND w, int points, int weight, int style, const char *face);

#ifdef __cplusplus
}
#endif

#endif
