// What the tests of damaged PC files share: files changed at random, and the check on what a reader made of them.
#pragma once

#include <random>
#include <string>
#include <vector>

// The file with one to four random changes: a byte set, inserted or cut away, a bit flipped (when flipBits) or the
// rest of the file dropped. Half the bytes set or inserted are taken from interesting.
std::string Mutate(std::string file, std::mt19937& random, const std::string& interesting, size_t longestCut,
                   bool flipBits);

// Whether every field after the first of every record is a number text.
bool NumbersAreNumbers(const std::vector<std::vector<std::string>>& records);
