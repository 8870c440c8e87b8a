#include "arguments.h"

#include <string.h>

// Only the space separates (a tab does not). A quote that never closes makes
// the whole line, quote included, the argument text.
const char *StartupArgumentText(const char *commandLine) {
    const char *p = commandLine;
    if (*p == '"') {
        const char *close = strchr(p + 1, '"');
        if (!close) return commandLine;
        p = close + 1;
    } else {
        while (*p && *p != ' ') ++p;
    }
    while (*p == ' ') ++p;
    return p;
}
