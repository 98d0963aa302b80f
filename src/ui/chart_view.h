#pragma once
// Chart1: the bar chart of the "Diagramm" page. It shows one BarChart value at a time; the value
// itself (bars, axis limits) stays with the caller, the chart only draws it.
#include "stats/bar_chart.h"

#include <QChartView>
#include <QColor>

#include <vector>

class QAreaSeries;
class QBarSeries;
class QLineSeries;
class QBarSet;
class QGraphicsSimpleTextItem;
class QCategoryAxis;
class QStackedBarSeries;
class QValueAxis;

namespace razoz {

class ChartView : public QChartView {
    Q_OBJECT
public:
    static inline const QColor kGreen{0, 128, 0}; // the bar series' colour, also used for "green" bars
    static inline const QColor kRed{255, 0, 0};

    explicit ChartView(QWidget* parent = nullptr);

    // Replaces the bars, the left-axis scaling and the bottom axis title.
    void setBarChart(const BarChart& chart);
    const BarChart& barChart() const { return chart_; }

    // Series2 carries every statistic; Qt 6.4 has no per-bar colour, so it stacks one bar set per colour
    // (green, red, series colour), each holding zeros where a bar has another colour. Series1 stays off.
    QStackedBarSeries* series2() const { return series2_; }
    QBarSeries* series1() const { return series1_; }
    QValueAxis* leftAxis() const { return left_; }
    QCategoryAxis* bottomAxis() const { return bottom_; }
    // The expectation of chance over the same draws, as a line over the bars with a band of ±2
    // standard deviations (only for charts that carry one; hidden otherwise).
    QLineSeries* expectedLine() const { return expected_; }
    QAreaSeries* expectedBand() const { return band_; }
    // Height and colour of bar i as drawn (the sum over the stacked sets; the set that is not zero).
    double drawnHeight(int i) const;
    QColor drawnColour(int i) const;
    int drawnBarCount() const;

    // The words before the smallest and the largest value (numbered texts of the language); the chart
    // names both values in its top right corner, since the drawn left axis may start below them.
    void setRangeWords(const QString& smallest, const QString& largest);
    QString rangeText() const;
    // What hovering bar i shows: its x and its exact height, then the range.
    QString barToolTip(int i) const;
    // The numbers drawn under the bars when every bar is labelled, and where they stand (scene).
    QStringList barLabelTexts() const;
    QList<QRectF> barLabelRects() const;

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    void updateBottomLabels();
    void placeRangeItem();
    void showChance();
    void barHovered(bool on, int index);

    BarChart chart_;
    QBarSeries* series1_;
    QStackedBarSeries* series2_;
    QValueAxis* left_;
    QCategoryAxis* bottom_;
    QLineSeries* expected_;
    QLineSeries* bandUpper_;
    QLineSeries* bandLower_;
    QAreaSeries* band_;
    QGraphicsSimpleTextItem* rangeItem_;
    std::vector<QGraphicsSimpleTextItem*> barLabels_;
    int hoveredBar_ = -1;
    QString smallestWord_ = QStringLiteral("kleinster Wert");
    QString largestWord_ = QStringLiteral("größter Wert");
};

} // namespace razoz
