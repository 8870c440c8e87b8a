#include "bench.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef __x86_64__
#define BENCH_BUILD "x86_64"
#else
#define BENCH_BUILD "i686"
#endif

double BenchNow(void) {
    static double period = 0;
    LARGE_INTEGER now;
    if (period == 0) {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        period = 1.0 / (double)frequency.QuadPart;
    }
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart * period;
}

static int CompareDoubles(const void *a, const void *b) {
    double x = *(const double *)a, y = *(const double *)b;
    return x < y ? -1 : x > y ? 1 : 0;
}

double BenchMedian(double *values, int count) {
    if (count <= 0) return 0;
    qsort(values, (size_t)count, sizeof *values, CompareDoubles);
    if (count % 2) return values[count / 2];
    return (values[count / 2 - 1] + values[count / 2]) / 2;
}

BenchResult BenchCompare(BenchSide measured, BenchSide baseline, int rounds) {
    double m[BENCH_MAX_ROUNDS], b[BENCH_MAX_ROUNDS], q[BENCH_MAX_ROUNDS];
    if (rounds > BENCH_MAX_ROUNDS) rounds = BENCH_MAX_ROUNDS;
    if (rounds < 1) rounds = 1;
    measured();
    baseline();
    for (int i = 0; i < rounds; ++i) {
        // Each side goes first in every other round, so that neither always
        // inherits the other's cache and allocator state.
        if (i % 2 == 0) {
            m[i] = measured();
            b[i] = baseline();
        } else {
            b[i] = baseline();
            m[i] = measured();
        }
        q[i] = b[i] > 0 ? m[i] / b[i] : 0;
    }
    BenchResult r;
    r.measured = BenchMedian(m, rounds);
    r.baseline = BenchMedian(b, rounds);
    r.ratio = BenchMedian(q, rounds);
    return r;
}

static double TimeBlock(BenchBlock block, int calls) {
    double start = BenchNow();
    block(calls);
    return BenchNow() - start;
}

#define BENCH_BLOCK_SECONDS 20e-6

BenchResult BenchCompareBlocks(BenchBlock measured, BenchBlock baseline, int rounds,
                               double roundSeconds) {
    double m[BENCH_MAX_ROUNDS], b[BENCH_MAX_ROUNDS], q[BENCH_MAX_ROUNDS];
    if (rounds > BENCH_MAX_ROUNDS) rounds = BENCH_MAX_ROUNDS;
    if (rounds < 1) rounds = 1;
    measured(8);
    double perCall = TimeBlock(baseline, 8) / 8;
    int calls = perCall > 0 ? (int)(BENCH_BLOCK_SECONDS / perCall) : 1;
    if (calls < 1) calls = 1;
    int blocks = (int)(roundSeconds / (2 * calls * (perCall > 0 ? perCall : 1e-6)));
    if (blocks < 1) blocks = 1;
    for (int r = 0; r < rounds; ++r) {
        BenchPump();
        double sumM = 0, sumB = 0;
        for (int k = 0; k < blocks; ++k) {
            if ((k + r) % 2 == 0) {
                sumM += TimeBlock(measured, calls);
                sumB += TimeBlock(baseline, calls);
            } else {
                sumB += TimeBlock(baseline, calls);
                sumM += TimeBlock(measured, calls);
            }
        }
        m[r] = sumM / ((double)blocks * calls) * 1e9;
        b[r] = sumB / ((double)blocks * calls) * 1e9;
        q[r] = sumM / sumB;
    }
    BenchResult result;
    result.measured = BenchMedian(m, rounds);
    result.baseline = BenchMedian(b, rounds);
    result.ratio = BenchMedian(q, rounds);
    return result;
}

const char *BenchOption(int argc, char **argv, const char *name) {
    for (int i = 1; i + 1 < argc; ++i)
        if (strcmp(argv[i], name) == 0) return argv[i + 1];
    return NULL;
}

int BenchRounds(int argc, char **argv, int fallback) {
    const char *value = BenchOption(argc, argv, "--rounds");
    int rounds = value ? atoi(value) : fallback;
    if (rounds < 1) rounds = 1;
    return rounds > BENCH_MAX_ROUNDS ? BENCH_MAX_ROUNDS : rounds;
}

void BenchReportRow(const char *figure, const char *measured, const char *baseline, double ratio,
                    const char *goal, BOOL pass, const char *build) {
    printf("| %s | %s | %s | %.3f | %s | %s | %s |\n", figure, measured, baseline, ratio, goal,
           pass ? "PASS" : "MISS", build ? build : BENCH_BUILD);
    fflush(stdout);
}

void BenchReport(const char *figure, const char *baselineName, BenchResult r, const char *unit,
                 int decimals, double goal) {
    char measured[64], baseline[160], goalText[32];
    snprintf(measured, sizeof measured, "%.*f %s", decimals, r.measured, unit);
    snprintf(baseline, sizeof baseline, "%s: %.*f %s", baselineName, decimals, r.baseline, unit);
    snprintf(goalText, sizeof goalText, "<= %.2f", goal);
    BenchReportRow(figure, measured, baseline, r.ratio, goalText, r.ratio <= goal, NULL);
}

void BenchFail(const char *what) {
    printf("benchmark check failed: %s\n", what);
    fflush(stdout);
    exit(1);
}

void BenchPump(void) {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
