#pragma once

#include <cstddef>
#include <cstdint>

// The entry point of one reader under fuzzing, in the form libFuzzer calls: one input, never
// kept. Each reader's file defines it; FuzzDriver.cpp feeds it files when libFuzzer is not used.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace FuzzTarget {
// The readers that lay text out need a GUI application; made once, offscreen.
void ensureApplication();
} // namespace FuzzTarget
