#include "FuzzEntries.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

void abortOnBrokenRule(const char *rule)
{
    std::fprintf(stderr, "fuzz rule broken: %s\n", rule);
    std::abort();
}

FuzzFailureHandler failureHandler = abortOnBrokenRule;

constexpr std::array<FuzzEntry, 6> entries = {{
    {"number_text", fuzzNumberText},
    {"date_text", fuzzDateText},
    {"history_text", fuzzHistoryText},
    {"chart_file", fuzzChartFile},
    {"http_response", fuzzHttpResponse},
    {"csv_history", fuzzCsvHistory},
}};

}   // namespace

std::span<const FuzzEntry> fuzzEntries() { return entries; }

void setFuzzFailureHandler(FuzzFailureHandler handler) { failureHandler = handler ? handler : abortOnBrokenRule; }

void fuzzExpect(bool holds, const char *rule)
{
    if (!holds)
        failureHandler(rule);
}
