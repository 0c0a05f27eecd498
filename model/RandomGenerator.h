#pragma once

// The pseudo-random source of the random test systems: a 64-bit Mersenne
// twister, reseeded from the high-resolution clock at every reseed so that
// every generated system starts a new sequence.

void ReseedRandomGenerator();
// A uniformly distributed integer from 0 to 999 (no modulo bias).
int RandomInteger0To999();
