#pragma once
// The result of every statistic: the bars of the chart on the "Diagramm" page, handed over by value.
// The chart shows it; tip generation and slip printing read the same value (bar heights, axis limits).
#include <QString>

#include <optional>
#include <vector>

namespace razoz {

enum class BarColor {
    Red,
    Green,
    Series, // the bar series' own colour (green as well)
};

// One bar: x is the number, sum or digit, y the count.
struct ChartPoint {
    double x = 0;
    double y = 0;
    BarColor color = BarColor::Series;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// Fixed left-axis limits; without them the left axis scales itself.
struct AxisLimits {
    double min = 0;
    double max = 0;
    friend bool operator==(const AxisLimits&, const AxisLimits&) = default;
};

// What chance alone gives for each bar of a chart over the same draws: the expected height and its
// standard deviation (the chart draws the band of ±2 of them), and how well the whole chart fits.
struct ChanceBaseline {
    std::vector<double> expected; // per bar, in bar order
    std::vector<double> sd;       // per bar
    double chiSquare = 0;         // the goodness-of-fit statistic, scaled where the bars are not free
    int degrees = 0;
    double p = 1; // chance alone giving a chart at least this far from the expectation
    QString hint; // the chart's hint: expectation, band and the test in words
    friend bool operator==(const ChanceBaseline&, const ChanceBaseline&) = default;
};

struct BarChart {
    std::vector<ChartPoint> bars;         // ascending x, in the order the callers read them
    std::optional<AxisLimits> leftAxis;   // nullopt: automatic scaling
    QString title;                        // shown as the bottom axis title
    std::optional<ChanceBaseline> chance; // the frequency and per-draw charts only

    bool empty() const { return bars.empty(); }
    // The limits of the left axis as a reader of the chart sees them: the fixed ones, else
    // the smallest and largest bar (0 and 0 without bars).
    AxisLimits limits() const
    {
        if (leftAxis) return *leftAxis;
        if (bars.empty()) return {};
        AxisLimits l{bars.front().y, bars.front().y};
        for (const auto& b : bars) {
            if (b.y < l.min) l.min = b.y;
            if (b.y > l.max) l.max = b.y;
        }
        return l;
    }
    friend bool operator==(const BarChart&, const BarChart&) = default;
};

} // namespace razoz
