#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace torvex::test {

// The length of the longest common subsequence of two lists of lines, by the textbook table:
// the plain model the line diff is compared with.
inline std::size_t lcsLength(const std::vector<std::string> &a, const std::vector<std::string> &b)
{
    std::vector<std::vector<std::size_t>> table(
        a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j)
            table[i][j] = a[i - 1] == b[j - 1] ? table[i - 1][j - 1] + 1
                                               : std::max(table[i - 1][j], table[i][j - 1]);
    return table[a.size()][b.size()];
}

} // namespace torvex::test
