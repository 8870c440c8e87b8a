// Text file services on a large generated text file against raw fgets loops
// that read it the same way (text mode, lines of at most 1999 characters).
//   bench_textfile [--file PATH] [--size-mb M] [--rounds N] [--heads H]
// The file is made once (CR LF lines of words) and kept for later runs.
#include "bench.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "toolkit.h"

#define BENCH_LINE 2000

static const char *gPath = "bench-text.txt";
static int gHeads = 200;
static char gHead[KT_FILE_HEAD_MAX + 1];
static char gRawHead[KT_FILE_HEAD_MAX + 1];
static int gToolkitResult, gRawResult;

static long long FileBytes(const char *path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return -1;
    return ((long long)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

// Lines of 0 to about 120 characters of lower-case words, from a fixed seed.
static void MakeFile(long long bytes) {
    if (FileBytes(gPath) >= bytes) return;
    FILE *f = fopen(gPath, "w");
    if (!f) BenchFail("cannot write the text file");
    unsigned seed = 12345;
    char line[160];
    long long written = 0;
    while (written < bytes) {
        seed = seed * 1103515245u + 12345u;
        int target = (int)((seed >> 16) % 121), length = 0;
        while (length < target) {
            seed = seed * 1103515245u + 12345u;
            int word = 1 + (int)((seed >> 16) % 9);
            for (int i = 0; i < word && length < target; ++i) line[length++] = (char)('a' + (seed >> (i + 8)) % 26);
            if (length < target) line[length++] = ' ';
        }
        line[length++] = '\n';
        line[length] = 0;
        if (fputs(line, f) == EOF) BenchFail("cannot write the text file");
        written += length + 1;  // the line feed is two bytes on disk
    }
    if (fclose(f) != 0) BenchFail("cannot write the text file");
}

static double Milliseconds(double start) { return (BenchNow() - start) * 1000.0; }

static int RawCountLines(const char *path) {
    FILE *f = fopen(path, "r");
    if (!f) return -2;
    char line[BENCH_LINE];
    int lines = 0;
    while (fgets(line, sizeof line, f)) ++lines;
    fclose(f);
    return lines;
}

static int RawCountChars(const char *path) {
    FILE *f = fopen(path, "r");
    if (!f) return -2;
    char line[BENCH_LINE];
    int chars = 0;
    while (fgets(line, sizeof line, f)) chars += (int)strlen(line);
    fclose(f);
    return chars;
}

static int RawReadHead(const char *path, char *destination) {
    FILE *f = fopen(path, "r");
    if (!f) return 2;
    char line[BENCH_LINE];
    int chars = 0;
    for (int i = 0; i < 10 && fgets(line, sizeof line, f); ++i) chars += (int)strlen(line);
    fclose(f);
    f = fopen(path, "r");
    if (!f) return 2;
    char *end = destination + strlen(destination);
    int c;
    for (int i = 0; i < chars && (c = getc(f)) != EOF; ++i) *end++ = (char)c;
    *end = 0;
    fclose(f);
    return 0;
}

// Several heads a round: one is over in a fraction of a millisecond.
static int ReadHeads(int (*read)(const char *, char *), char *destination) {
    int result = 0;
    for (int i = 0; i < gHeads; ++i) {
        destination[0] = 0;
        result = read(gPath, destination);
    }
    return result;
}

// One side: the call's result kept for the check, its time per call in ms.
#define BENCH_FILE_SIDE(name, result, call, callsPerRound) \
    static double name(void) {                            \
        double start = BenchNow();                        \
        result = call;                                    \
        return Milliseconds(start) / (callsPerRound);     \
    }

BENCH_FILE_SIDE(ToolkitLines, gToolkitResult, kt_FileCountLines(gPath), 1)
BENCH_FILE_SIDE(RawLines, gRawResult, RawCountLines(gPath), 1)
BENCH_FILE_SIDE(ToolkitChars, gToolkitResult, kt_FileCountChars(gPath), 1)
BENCH_FILE_SIDE(RawChars, gRawResult, RawCountChars(gPath), 1)
BENCH_FILE_SIDE(ToolkitHead, gToolkitResult, ReadHeads(kt_FileReadHead, gHead), gHeads)
BENCH_FILE_SIDE(RawHead, gRawResult, ReadHeads(RawReadHead, gRawHead), gHeads)

static void ExpectSameResults(const char *what) {
    if (gToolkitResult != gRawResult) BenchFail(what);
}

int main(int argc, char **argv) {
    int rounds = BenchRounds(argc, argv, 15);
    if (const char *path = BenchOption(argc, argv, "--file")) gPath = path;
    if (const char *heads = BenchOption(argc, argv, "--heads")) gHeads = atoi(heads) > 0 ? atoi(heads) : 1;
    const char *megabytes = BenchOption(argc, argv, "--size-mb");
    long long bytes = (megabytes ? atoll(megabytes) : 50) * 1024 * 1024;
    MakeFile(bytes);
    char figure[96];
    snprintf(figure, sizeof figure, "5 kt_FileCountLines (%lld MiB)", bytes >> 20);
    BenchResult r = BenchCompare(ToolkitLines, RawLines, rounds);
    ExpectSameResults("kt_FileCountLines and the fgets loop disagree");
    BenchReport(figure, "fgets loop", r, "ms", 1, 1.05);
    snprintf(figure, sizeof figure, "5 kt_FileCountChars (%lld MiB)", bytes >> 20);
    r = BenchCompare(ToolkitChars, RawChars, rounds);
    ExpectSameResults("kt_FileCountChars and the fgets loop disagree");
    BenchReport(figure, "fgets + strlen loop", r, "ms", 1, 1.05);
    snprintf(figure, sizeof figure, "5 kt_FileReadHead (%lld MiB)", bytes >> 20);
    r = BenchCompare(ToolkitHead, RawHead, rounds);
    ExpectSameResults("kt_FileReadHead and the fgets loop disagree");
    if (strcmp(gHead, gRawHead) != 0) BenchFail("kt_FileReadHead read another head");
    BenchReport(figure, "fgets + getc loop", r, "ms", 3, 1.05);
    return 0;
}
