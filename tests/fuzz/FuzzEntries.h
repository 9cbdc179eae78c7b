#pragma once
// Fuzzing entries: one function per parser that feeds it arbitrary bytes and
// checks what must hold for any input. The libFuzzer binaries and the replay
// test call the same functions; each returns 0 as libFuzzer expects.

#include <cstddef>
#include <cstdint>
#include <span>

int fuzzNumberText(const uint8_t *data, size_t size);
int fuzzDateText(const uint8_t *data, size_t size);
int fuzzHistoryText(const uint8_t *data, size_t size);
int fuzzChartFile(const uint8_t *data, size_t size);
int fuzzHttpResponse(const uint8_t *data, size_t size);
int fuzzCsvHistory(const uint8_t *data, size_t size);

struct FuzzEntry {
    const char *name;   // also its seed folder under tests/fuzz/corpus
    int (*run)(const uint8_t *data, size_t size);
};

// Every entry, for the replay test.
std::span<const FuzzEntry> fuzzEntries();

// A broken rule is reported to the handler. The default prints the rule and
// aborts, which a fuzzer turns into a saved crashing input; the replay test
// installs one that throws so it can name the input.
using FuzzFailureHandler = void (*)(const char *rule);
void setFuzzFailureHandler(FuzzFailureHandler handler);   // nullptr: the default
void fuzzExpect(bool holds, const char *rule);
