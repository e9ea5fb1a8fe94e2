// Random damage to a good input: bytes set, inserted, cut away or flipped, or the rest dropped.
#pragma once

#include <random>
#include <string>

// One to four changes; half the bytes set or inserted are taken from `interesting`.
std::string Damage(std::string bytes, std::mt19937& random, const std::string& interesting);
