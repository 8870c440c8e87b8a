// Start-up to first paint and footprint, seen from outside as a user's
// desktop sees them: each program is started, and the time runs until its
// window exists and its first field has the focus (both programs give it
// in their first paint). The peak working set is read at that moment.
//   bench_startup --measured arkmeter.exe --baseline bench_raw_window.exe
//                 [--ship-measured A.exe --ship-baseline B.exe] [--rounds N]
#include "bench.h"

#include <psapi.h>
#include <stdio.h>
#include <string.h>

typedef struct Program {
    const char *path;
    const char *windowName;  // class name and title
    double peakKiB[BENCH_MAX_ROUNDS + 1];
    int peaks;
} Program;

static Program gMeasured = {NULL, "Arkmeter", {0}, 0};
static Program gBaseline = {NULL, "ArkmeterRaw", {0}, 0};

static BOOL FirstFieldHasFocus(HWND main, DWORD thread) {
    HWND first = FindWindowExA(main, NULL, "EDIT", NULL);
    GUITHREADINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    return first && GetGUIThreadInfo(thread, &info) && info.hwndFocus == first;
}

// Polls without sleeping (a sleep's granularity would swamp the figure),
// yielding the processor to the program being started.
static HWND WaitForFirstPaint(const Program *p, DWORD thread, double limitSeconds) {
    double until = BenchNow() + limitSeconds;
    while (BenchNow() < until) {
        HWND main = FindWindowA(p->windowName, p->windowName);
        if (main && FirstFieldHasFocus(main, thread)) return main;
        SwitchToThread();
    }
    return NULL;
}

static double PeakWorkingSetKiB(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters;
    ZeroMemory(&counters, sizeof counters);
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    return (double)counters.PeakWorkingSetSize / 1024.0;
}

static double StartOnce(Program *p) {
    char commandLine[MAX_PATH + 2];
    snprintf(commandLine, sizeof commandLine, "\"%s\"", p->path);
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child;
    double start = BenchNow();
    if (!CreateProcessA(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &child))
        BenchFail(p->path);
    HWND main = WaitForFirstPaint(p, child.dwThreadId, 30);
    double elapsed = BenchNow() - start;
    if (!main) {
        TerminateProcess(child.hProcess, 1);
        BenchFail("the program's first paint never came");
    }
    if (p->peaks < BENCH_MAX_ROUNDS + 1) p->peakKiB[p->peaks++] = PeakWorkingSetKiB(child.hProcess);
    PostMessageA(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(child.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(child.hProcess, 1);
        BenchFail("the program did not close");
    }
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return elapsed * 1000.0;
}

static double StartMeasured(void) { return StartOnce(&gMeasured); }
static double StartBaseline(void) { return StartOnce(&gBaseline); }

static long long FileBytes(const char *path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) BenchFail(path);
    return ((long long)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

static const char *ArchOf(const char *path) {
    // The PE header's machine field: 0x14c is i386.
    FILE *f = fopen(path, "rb");
    unsigned char header[0x200];
    size_t got = f ? fread(header, 1, sizeof header, f) : 0;
    if (f) fclose(f);
    if (got < 0x40) return "?";
    unsigned offset = header[0x3c] | header[0x3d] << 8;
    if (offset + 6 > got) return "?";
    return (header[offset + 4] | header[offset + 5] << 8) == 0x14c ? "i686" : "x86_64";
}

#define KT_SIZE_GOAL_RATIO 1.5
#define KT_SIZE_GOAL_BYTES (64 * 1024)

static void ReportSize(const char *measuredPath, const char *baselinePath) {
    long long m = FileBytes(measuredPath), b = FileBytes(baselinePath);
    double ratio = (double)m / (double)b;
    char measured[48], baseline[80];
    snprintf(measured, sizeof measured, "%.1f KiB", m / 1024.0);
    snprintf(baseline, sizeof baseline, "raw window program: %.1f KiB", b / 1024.0);
    BenchReportRow("4a Size of the program, stripped", measured, baseline, ratio, "<= 1.50 and < 64 KiB",
                   ratio <= KT_SIZE_GOAL_RATIO && m < KT_SIZE_GOAL_BYTES, ArchOf(measuredPath));
}

static void ReportMemory(void) {
    BenchResult r;
    r.measured = BenchMedian(gMeasured.peakKiB, gMeasured.peaks);
    r.baseline = BenchMedian(gBaseline.peakKiB, gBaseline.peaks);
    r.ratio = r.measured / r.baseline;
    BenchReport("4b Peak working set after first paint", "raw window program", r, "KiB", 0, 1.10);
}

int main(int argc, char **argv) {
    gMeasured.path = BenchOption(argc, argv, "--measured");
    gBaseline.path = BenchOption(argc, argv, "--baseline");
    if (!gMeasured.path || !gBaseline.path) BenchFail("--measured and --baseline are needed");
    int rounds = BenchRounds(argc, argv, 21);
    BenchResult r = BenchCompare(StartMeasured, StartBaseline, rounds);
    BenchReport("1 Start-up to first paint", "raw window program", r, "ms", 1, 1.05);
    const char *shipMeasured = BenchOption(argc, argv, "--ship-measured");
    const char *shipBaseline = BenchOption(argc, argv, "--ship-baseline");
    ReportSize(shipMeasured ? shipMeasured : gMeasured.path, shipBaseline ? shipBaseline : gBaseline.path);
    ReportMemory();
    return 0;
}
