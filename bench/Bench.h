// Shared parts of the benchmarks: wall-clock timing, starting a reference tool, the ratio line.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bench {

double SecondsOf(const std::function<void()>& work);

// Starts a program found on PATH with its arguments, output discarded; exits on failure.
void RunTool(const std::vector<std::string>& argv);

// Times `runs` pairs (ours, reference), alternating which goes first, after one warm-up of
// each; prints every pair and ends with "bench NAME ratio VALUE vs REFERENCE (goal at most
// GOAL)", VALUE the median.
void ComparePaired(const std::string& name, const std::string& reference, double goal, int runs,
                   const std::function<void()>& ours, const std::function<void()>& theirs);

} // namespace bench
