// Random.h -- the program's one random sequence.
#pragma once

// A whole number from 0 to n - 1 from the program's one random sequence (the same in every run).
int RandomBelow(int n);
