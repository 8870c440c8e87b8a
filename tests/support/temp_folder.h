// A fresh folder under the temporary directory for one test's files, and
// whole files read and written byte for byte (what is on disk).
#ifndef KT_TEST_TEMP_FOLDER_H
#define KT_TEST_TEMP_FOLDER_H

#include <stdio.h>

#include <string>

#include "toolkit.h"

inline void RemoveTree(const std::string &folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

// Absolute, unique per process and call, created empty.
inline std::string MakeTempFolder(const char *stem) {
    static int serial = 0;
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    char name[MAX_PATH + 64];
    wsprintfA(name, "%skt-%s-%lu-%lu-%d", base, stem, GetCurrentProcessId(), GetTickCount(), ++serial);
    RemoveTree(name);
    CreateDirectoryA(name, NULL);
    return name;
}

inline void WriteBytes(const std::string &path, const std::string &bytes) {
    FILE *file = fopen(path.c_str(), "wb");
    if (!file) return;
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

inline std::string ReadBytes(const std::string &path) {
    std::string bytes;
    FILE *file = fopen(path.c_str(), "rb");
    if (!file) return "<missing>";
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
    fclose(file);
    return bytes;
}

inline bool FileExists(const std::string &path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

#endif
