#include "stats/tip_distribution.h"

#include "stats/statistics.h"

#include <algorithm>
#include <array>

namespace razoz {

BarChart tipDistribution(const TipRows& rows, const InterfaceTexts& texts)
{
    std::array<int, 50> count{};
    [&] {
        for (const TipRowTexts& row : rows)
            for (const QString& box : row) {
                const std::optional<int> n = tipNumber(box);
                if (!n) return;
                ++count[std::size_t(*n)];
            }
    }();
    BarChart chart;
    for (int k = 1; k <= 49; ++k)
        chart.bars.push_back({double(k), double(count[std::size_t(k)]), isPrime(k) ? BarColor::Red : BarColor::Green});
    const auto [low, high] = std::minmax_element(count.begin() + 1, count.end());
    chart.leftAxis = AxisLimits{double(*low), double(*high)};
    chart.title = texts.text(29);
    return chart;
}

} // namespace razoz
