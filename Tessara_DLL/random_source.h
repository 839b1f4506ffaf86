// The random source of the selections: the generator of the Windows C
// runtime, reproduced here so that every build, on every platform, draws
// the same numbers. Each thread has its own state, which starts at 1 when
// the thread starts and is never seeded: a fresh process (or thread) draws
// the same sequence, and the sequence goes on from call to call.
#pragma once
#include <cstdint>

// The largest value NextRandom returns.
inline constexpr std::uint32_t kRandomMaximum = 0x7FFF;

// state = state * 214013 + 2531011 (modulo 2^32); returns bits 16 to 30 of
// the new state, a value from 0 to 32767.
std::uint32_t NextRandom();
