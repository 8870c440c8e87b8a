// Named values in initialisation files, through the platform's profile API.
#include <string.h>

#include "../core/keywords.h"
#include "../toolkit.h"

// What the buffer holds after a key without a value.
static const char kMissingValue[] = "          ";

// The profile reader strips trailing blanks from its default, so the blank
// sentinel cannot tell a missing key by itself. Two defaults that differ do:
// a value can equal at most one of them.
static const char *const kProbeDefaults[] = {"\x01kt\x02", "\x02kt\x01"};

static BOOL KeyHasValue(const char *path, const char *section, const char *key) {
    for (size_t i = 0; i < KT_ARRAY_SIZE(kProbeDefaults); ++i) {
        char probe[16];
        GetPrivateProfileStringA(section, key, kProbeDefaults[i], probe, sizeof probe, path);
        if (strcmp(probe, kProbeDefaults[i]) != 0) return TRUE;
    }
    return FALSE;
}

static void CopyCut(char *buffer, int size, const char *text) {
    if (size <= 0) return;
    size_t length = strlen(text);
    if (length > (size_t)size - 1) length = (size_t)size - 1;
    memcpy(buffer, text, length);
    buffer[length] = 0;
}

int kt_IniRead(const char *path, const char *section, const char *key, char *buffer, int size) {
    if (!KeyHasValue(path, section, key)) {
        CopyCut(buffer, size, kMissingValue);
        return -1;
    }
    if (size <= 0) return 0;
    // A longer value is cut to the buffer; the count says how much arrived.
    return (int)GetPrivateProfileStringA(section, key, "", buffer, (DWORD)size, path);
}

int kt_IniWrite(const char *path, const char *section, const char *key, const char *value) {
    return WritePrivateProfileStringA(section, key, value, path) ? 0 : 1;
}
