// Timing and reporting shared by the benchmark programs. Every figure is a
// ratio of two sides timed back to back in the same process run, so that
// the machine's noise falls on both alike.
#ifndef KT_BENCH_H
#define KT_BENCH_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#define BENCH_MAX_ROUNDS 64

// Seconds on the performance counter.
double BenchNow(void);

// The median of the values (reordered in place).
double BenchMedian(double *values, int count);

// One round of one side: its time (any unit, the same for both sides).
typedef double (*BenchSide)(void);

typedef struct BenchResult {
    double measured;  // median of the measured side's rounds
    double baseline;  // median of the baseline's rounds
    double ratio;     // median of the rounds' measured / baseline
} BenchResult;

// Times both sides in turn for the given rounds, alternating which goes
// first, after one untimed round of each.
BenchResult BenchCompare(BenchSide measured, BenchSide baseline, int rounds);

// A block of calls of one side.
typedef void (*BenchBlock)(int calls);

// For calls of a few microseconds: within each round the two sides take
// turns in blocks of about 20 us (so that a burst of load falls on both),
// and a round lasts about roundSeconds. The results are per call, in ns.
BenchResult BenchCompareBlocks(BenchBlock measured, BenchBlock baseline, int rounds,
                               double roundSeconds);

// "--rounds N" on the command line, or the default (at most BENCH_MAX_ROUNDS).
int BenchRounds(int argc, char **argv, int fallback);
// The value after a "--name" option, or null.
const char *BenchOption(int argc, char **argv, const char *name);

// One table row: figure | measured | baseline | ratio | goal | PASS or MISS | build.
// The values are printed with the unit; the goal is a ratio at most `goal`.
void BenchReport(const char *figure, const char *baselineName, BenchResult r, const char *unit,
                 int decimals, double goal);
// A row whose result the caller decided (goals of more than one part), for
// the named build (null: this program's).
void BenchReportRow(const char *figure, const char *measured, const char *baseline, double ratio,
                    const char *goal, BOOL pass, const char *build);

// Ends the program with a message when a check of the sides' results fails.
void BenchFail(const char *what);

// Runs the queue dry through the real loop: GetMessage's peek twin,
// TranslateMessage and DispatchMessage.
void BenchPump(void);

#ifdef __cplusplus
}
#endif

#endif
