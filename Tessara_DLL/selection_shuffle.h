// The shuffle of the simple random selection.
#pragma once
#include <cstdint>
#include <vector>

// Exchanges each position p = 1 .. n-1, in ascending order, with a
// position j drawn from 0 .. p: j is R modulo p + 1, where R is built from
// as many 15-bit draws of NextRandom as cover p + 1 values (one draw while
// p + 1 <= 32767, so short lists cost one draw per position).
void ShuffleIndices(std::vector<std::int32_t>& indices);
