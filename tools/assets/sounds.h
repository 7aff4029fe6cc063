// The game's sound effects, synthesised: a riffle shuffle and five soft
// sounds of a card landing on cloth, each a little different.
#pragma once

#include <cstdint>
#include <vector>

namespace tarnik::assets {

constexpr int kSampleRate = 44100;

// About one second of a deck being riffled and squared, 16-bit mono.
std::vector<int16_t> ShuffleSound();
// Drop sound n (1 … 5): under 0.3 seconds, 16-bit mono.
std::vector<int16_t> DropSound(int n);

}  // namespace tarnik::assets
