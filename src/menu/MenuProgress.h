#pragma once

#include <cstddef>
#include <functional>

namespace torvex {

// k * 100 / total rounded to the nearest whole number, halves to the even neighbour.
// total 0 gives 100.
int progressPercent(std::size_t k, std::size_t total);

// Called with a percentage (a multiple of 10) whenever the progress reaches a new one.
using ProgressFn = std::function<void(int percent)>;

// Tracks progress over `total` steps and reports each new multiple of 10.
class ProgressCounter
{
public:
    ProgressCounter(std::size_t total, ProgressFn report);
    // Step k of total, k counted from 1.
    void step(std::size_t k);

private:
    std::size_t m_total;
    ProgressFn m_report;
    int m_last = -1;
};

} // namespace torvex
