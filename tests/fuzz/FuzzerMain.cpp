// A libFuzzer binary for the entry named by FUZZ_ENTRY.

#include "FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) { return FUZZ_ENTRY(data, size); }
