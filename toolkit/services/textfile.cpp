// Whole-file text services through the runtime's text-mode streams: a line
// feed in memory is carriage return + line feed on disk.
#include <shlobj.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>

#include "../core/keywords.h"
#include "../toolkit.h"

enum {
    kLineBufferSize = 2000,  // a longer line is read as pieces of 1999
    kFirstLineBufferSize = 10,
    kHeadLines = 10,
};

enum { kCountCannotOpen = -2, kCountReadFailed = -3 };
enum { kDone = 0, kCannotOpen = 2, kReadWriteFailed = 3 };

static FILE *OpenStream(const char *path, const char *mode) {
    if (!path) return NULL;
    return fopen(path, mode);
}

// Closes a stream, clearing its error indicator first; reports whether the
// stream saw an error or the close (the final flush) failed.
static BOOL CloseStreamFailed(FILE *file) {
    BOOL failed = ferror(file) != 0;
    clearerr(file);
    if (fclose(file) != 0) failed = TRUE;
    return failed;
}

// Lines as fgets reads them, with their true length: fgets cannot report
// how many bytes it stored, and a NUL byte inside a line would hide the
// rest from strlen. The buffer is filled with line feeds beforehand, so the
// first line feed in it tells where fgets stopped; only the bytes the
// previous line used need refilling.
struct LineReader {
    FILE *file;
    int size;
    int used;
    char text[kLineBufferSize];
};

static void LineReaderStart(LineReader *reader, FILE *file, int size) {
    reader->file = file;
    reader->size = size;
    reader->used = size;
}

// The length of the next line (its line feed included), or -1 at the end of
// the file or on a read error.
static int LineReaderNext(LineReader *reader) {
    memset(reader->text, '\n', reader->used);
    reader->used = reader->size;
    if (!fgets(reader->text, reader->size, reader->file)) return -1;
    // The first line feed is the line's own, with the terminator right after
    // it, or else the first fill byte, right after the terminator; none at
    // all means a full buffer. The search costs the line, not the buffer.
    const char *feed = (const char *)memchr(reader->text, '\n', reader->size);
    int length;
    if (!feed) length = reader->size - 1;
    else if (feed + 1 < reader->text + reader->size && feed[1] == 0) length = (int)(feed - reader->text) + 1;
    else length = (int)(feed - reader->text) - 1;
    reader->used = length + 1;
    return length;
}

// The next line without its length, for counts of lines alone: 0, or -1 at
// the end of the file or on a read error. A reader either measures every
// line or none.
static int LineReaderSkip(LineReader *reader) {
    return fgets(reader->text, reader->size, reader->file) ? 0 : -1;
}

struct FileTally {
    int lines;
    int chars;
};

static int Saturated(long long value) { return value > INT_MAX ? INT_MAX : (int)value; }

// Reads up to lineLimit lines (0: all) and counts them and, if asked, their
// characters. Returns 0, or the counting codes; the tally holds what was
// read either way.
static int TallyLines(const char *path, int lineLimit, BOOL countChars, FileTally *tally) {
    tally->lines = 0;
    tally->chars = 0;
    FILE *file = OpenStream(path, "r");
    if (!file) return kCountCannotOpen;
    LineReader reader;
    LineReaderStart(&reader, file, kLineBufferSize);
    int (*next)(LineReader *) = countChars ? LineReaderNext : LineReaderSkip;
    long long lines = 0, chars = 0;
    int length;
    while ((lineLimit == 0 || lines < lineLimit) && (length = next(&reader)) >= 0) {
        ++lines;
        chars += length;
    }
    tally->lines = Saturated(lines);
    tally->chars = Saturated(chars);
    return CloseStreamFailed(file) ? kCountReadFailed : 0;
}

static int WriteStream(const char *path, const char *mode, const char *text, const char *tail) {
    FILE *file = OpenStream(path, mode);
    if (!file) return kCannotOpen;
    BOOL failed = fputs(text ? text : "", file) == EOF;
    if (!failed && *tail) failed = fputs(tail, file) == EOF;
    if (CloseStreamFailed(file)) failed = TRUE;
    return failed ? kReadWriteFailed : kDone;
}

int kt_FileWriteText(const char *path, const char *text) { return WriteStream(path, "w", text, ""); }

int kt_FileClear(const char *path) { return WriteStream(path, "w", "", ""); }

struct Separator {
    int code;
    const char *text;
};

static const Separator kSeparators[] = {
    {1, " "},        {2, "\n"},         {11, "\t"},           {12, "\t\t"},
    {13, "\t\t\t"},  {14, "\t\t\t\t"}, {15, "\t\t\t\t\t"}, {16, "\t\t\t\t\t\t"},
};

static const char *SeparatorText(int code) {
    for (size_t i = 0; i < KT_ARRAY_SIZE(kSeparators); ++i)
        if (kSeparators[i].code == code) return kSeparators[i].text;
    return "";
}

// Whether the whole file is shorter than two characters: such a file is
// taken as not started yet and is rewritten instead of appended to. A file
// that only begins with a short line keeps its content.
static int ProbeBarelyStarted(const char *path, BOOL *barelyStarted) {
    FILE *file = OpenStream(path, "r");
    if (!file) return kCannotOpen;
    LineReader reader;
    LineReaderStart(&reader, file, kFirstLineBufferSize);
    int length = LineReaderNext(&reader);
    *barelyStarted = length < 2 && getc(file) == EOF;
    return CloseStreamFailed(file) ? kReadWriteFailed : kDone;
}

int kt_FileAppendText(const char *path, const char *text, int separator) {
    if (!text || !*text) return kDone;
    BOOL barelyStarted;
    int probe = ProbeBarelyStarted(path, &barelyStarted);
    if (probe != kDone) return probe;
    if (barelyStarted) return WriteStream(path, "w", text, "");
    return WriteStream(path, "a", text, SeparatorText(separator));
}

int kt_FileCountLines(const char *path) {
    FileTally tally;
    int result = TallyLines(path, 0, FALSE, &tally);
    return result ? result : tally.lines;
}

int kt_FileLastLineIndex(const char *path) {
    FileTally tally;
    int result = TallyLines(path, 0, FALSE, &tally);
    if (result) return result;
    return tally.lines > 0 ? tally.lines - 1 : 0;
}

// Counts up to the end or the first read error; only a failed open is told.
int kt_FileCountChars(const char *path) {
    FileTally tally;
    int result = TallyLines(path, 0, TRUE, &tally);
    return result == kCountCannotOpen ? result : tally.chars;
}

int kt_FileCountCharsAndLines(const char *path) {
    FileTally tally;
    int result = TallyLines(path, 0, TRUE, &tally);
    if (result) return result;
    return Saturated((long long)tally.chars + tally.lines);
}

// Appends the characters of the first ten lines. A read error leaves the
// destination as it was and returns 3.
int kt_FileReadHead(const char *path, char *destination) {
    FileTally tally;
    int result = TallyLines(path, kHeadLines, TRUE, &tally);
    if (result == kCountCannotOpen) return kCannotOpen;
    if (result == kCountReadFailed) return kReadWriteFailed;
    FILE *file = OpenStream(path, "r");
    if (!file) return kCannotOpen;
    char *start = destination + strlen(destination);
    char *end = start;
    int wanted = tally.chars < KT_FILE_HEAD_MAX ? tally.chars : KT_FILE_HEAD_MAX;
    int c;
    for (int i = 0; i < wanted && (c = getc(file)) != EOF; ++i)
        if (c != 0) *end++ = (char)c;  // a NUL byte appends nothing, as an empty string would
    *end = 0;
    if (CloseStreamFailed(file)) {
        *start = 0;
        return kReadWriteFailed;
    }
    return kDone;
}

struct CopyKeyword {
    const char *keyword;
    BOOL failIfExists;
};

static const CopyKeyword kCopyKeywords[] = {
    {"SAVE_IF_EXIST", FALSE},
    {"NO_SAVE_IF_EXIST", TRUE},
};

int kt_FileCopy(HWND ignored, const char *destination, const char *source, const char *keyword) {
    (void)ignored;
    const CopyKeyword *row = ktFindKeyword(kCopyKeywords, keyword);
    if (!row) return 1;
    return CopyFileA(source, destination, row->failIfExists) ? 0 : 1;
}

int kt_FileRemove(const char *path) { return path && remove(path) == 0 ? 0 : 3; }

int kt_DirCreate(const char *path) { return CreateDirectoryA(path, NULL) ? 0 : 1; }

int kt_DirCreateTree(HWND owner, const wchar_t *path) { return SHCreateDirectory(owner, path); }
