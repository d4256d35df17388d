#include "menu/MenuProgress.h"



namespace torvex {

int progressPercent(std::size_t k, std::size_t total)
{
    if (total == 0)
        return 100;
    const std::size_t scaled = k * 100;
    std::size_t q = scaled / total;
    const std::size_t twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && q % 2 == 1))
        ++q;
    return static_cast<int>(q);
}

ProgressCounter::ProgressCounter(std::size_t total, ProgressFn report)
    : m_total(total)
    , m_report(std::move(report))
{ }

void ProgressCounter::step(std::size_t k)
{
    const int percent = progressPercent(k, m_total);
    // Only a new multiple of 10 is reported: repeating the same text would only repaint.
    if (percent % 10 == 0 && percent != m_last) {
        m_last = percent;
        if (m_report)
            m_report(percent);
    }
}

} // namespace torvex
