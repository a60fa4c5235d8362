#pragma once

#include <cstddef>
#include <cstdint>

// Properties that must hold for any input. The libFuzzer targets feed them generated inputs; the regression test
// replays the committed corpus and every input that once failed. Each aborts (via qFatal) when a property breaks.
void checkBirReader(const std::uint8_t* data, std::size_t size);
void checkScrambling(const std::uint8_t* data, std::size_t size);
void checkNumericBox(const std::uint8_t* data, std::size_t size);
