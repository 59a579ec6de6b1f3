#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Each fuzz target is one entry point, run by libFuzzer under `make fuzz` and, over the kept
// corpus, by corpus_replay in every test run.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

inline std::string_view Bytes(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The bytes as a regular file that lives until the next call: its path.
std::string AsFile(std::string_view bytes, const char* name);

// Stops the run as a finding when a promise of the code is broken.
void Require(bool promise, const char* what);
