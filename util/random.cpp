#include "util/random.h"

#include <deque>
#include <stdexcept>
#include <string>

namespace {

uint32_t g_seed = 0;
std::deque<int32_t> g_script;

}  // namespace

int32_t Random(int32_t n) {
    if (!g_script.empty()) {
        const int32_t value = g_script.front();
        g_script.pop_front();
        if (value < 0 || value >= n) {
            throw std::logic_error("scripted draw " + std::to_string(value) + " outside 0.." +
                                   std::to_string(n - 1));
        }
        return value;
    }
    // Linear congruential generator; the high bits of seed * n give a uniform 0 .. n - 1.
    g_seed = g_seed * 134775813u + 1u;
    if (n <= 0) return 0;
    return int32_t((uint64_t(g_seed) * uint32_t(n)) >> 32);
}

void SeedRandom(uint32_t seed) { g_seed = seed; }

void ScriptRandom(std::vector<int32_t> draws) { g_script.assign(draws.begin(), draws.end()); }

std::size_t ScriptedDrawsLeft() { return g_script.size(); }
