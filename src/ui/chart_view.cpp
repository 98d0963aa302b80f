#include "ui/chart_view.h"

#include "base/locale_format.h"

#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QFontMetrics>
#include <QGraphicsSimpleTextItem>
#include <QHelpEvent>
#include <QLineSeries>
#include <QPen>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace razoz {

namespace {

constexpr int kColours = 3; // set 0 green, 1 red, 2 series colour

int setOf(BarColor c)
{
    switch (c) {
    case BarColor::Green: return 0;
    case BarColor::Red: return 1;
    case BarColor::Series: return 2;
    }
    return 2;
}

// Label every step-th x so that neighbouring labels keep about 30 pixels apart (the sum chart has
// some 200 bars). Charts of up to 49 bars label every bar: a player looks a number up.
int labelStep(int bars, int width)
{
    if (bars <= 49) return 1;
    const double perBar = double(std::max(width - 80, 100)) / std::max(bars, 1);
    for (int step : {1, 2, 5, 10, 20, 50, 100})
        if (perBar * step >= 30) return step;
    return 200;
}

// A whole step of 1, 2 or 5 times a power of ten giving at most ten intervals.
double tickInterval(double span)
{
    for (double scale = 1;; scale *= 10)
        for (double step : {1.0, 2.0, 5.0})
            if (span / (step * scale) <= 10) return step * scale;
}

QString numberText(double v)
{
    return v == std::floor(v) ? QString::number(qint64(v)) : QString::number(v);
}

} // namespace

ChartView::ChartView(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("Chart1"));
    setRenderHint(QPainter::Antialiasing, false);

    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setTitle({});
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));

    series1_ = new QBarSeries(chart);
    series1_->setObjectName(QStringLiteral("Series1"));
    series2_ = new QStackedBarSeries(chart);
    series2_->setObjectName(QStringLiteral("Series2"));
    series2_->setBarWidth(0.8);
    series2_->setLabelsVisible(false);

    left_ = new QValueAxis(chart);
    left_->setObjectName(QStringLiteral("LeftAxis"));
    left_->setLabelFormat(QStringLiteral("%.0f"));
    bottom_ = new QCategoryAxis(chart);
    bottom_->setObjectName(QStringLiteral("BottomAxis"));
    bottom_->setGridLineVisible(false);

    chart->addSeries(series1_);
    chart->addSeries(series2_);
    chart->addAxis(left_, Qt::AlignLeft);
    chart->addAxis(bottom_, Qt::AlignBottom);
    series2_->attachAxis(left_);
    series2_->attachAxis(bottom_);
    series1_->setVisible(false);

    // Drawn over the bars: a translucent band and a dark line, so the bars stay readable.
    bandUpper_ = new QLineSeries(chart);
    bandLower_ = new QLineSeries(chart);
    band_ = new QAreaSeries(bandUpper_, bandLower_);
    band_->setObjectName(QStringLiteral("ExpectedBand"));
    band_->setColor(QColor(30, 60, 200, 50));
    band_->setBorderColor(QColor(30, 60, 200, 90));
    expected_ = new QLineSeries(chart);
    expected_->setObjectName(QStringLiteral("ExpectedLine"));
    QPen pen(QColor(20, 30, 140));
    pen.setWidth(2);
    expected_->setPen(pen);
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(band_), static_cast<QAbstractSeries*>(expected_)}) {
        chart->addSeries(series);
        series->attachAxis(left_);
        series->attachAxis(bottom_);
        series->setVisible(false);
    }
    setChart(chart);

    rangeItem_ = new QGraphicsSimpleTextItem(chart);
    connect(chart, &QChart::plotAreaChanged, this, [this] { placeRangeItem(); });
    connect(series2_, &QStackedBarSeries::hovered, this,
            [this](bool on, int index, QBarSet*) { barHovered(on, index); });
    setBarChart({});
}

void ChartView::setRangeWords(const QString& smallest, const QString& largest)
{
    smallestWord_ = smallest;
    largestWord_ = largest;
    rangeItem_->setText(rangeText());
    placeRangeItem();
}

QString ChartView::rangeText() const
{
    if (chart_.bars.empty()) return {};
    double lo = chart_.bars.front().y, hi = lo;
    for (const auto& b : chart_.bars) {
        lo = std::min(lo, b.y);
        hi = std::max(hi, b.y);
    }
    return QStringLiteral("%1: %2    %3: %4").arg(smallestWord_, numberText(lo), largestWord_, numberText(hi));
}

QString ChartView::barToolTip(int i) const
{
    if (i < 0 || i >= int(chart_.bars.size())) return {};
    const ChartPoint& b = chart_.bars[std::size_t(i)];
    QString text = QStringLiteral("%1: %2\n%3").arg(numberText(b.x), numberText(b.y), rangeText());
    if (chart_.chance && i < int(chart_.chance->expected.size())) {
        const double e = chart_.chance->expected[std::size_t(i)], sd = chart_.chance->sd[std::size_t(i)];
        text += QStringLiteral("\nZufall erwartet %1 (±2σ: %2 bis %3)")
                    .arg(formatNumber(e, 1), formatNumber(std::max(0.0, e - 2 * sd), 1), formatNumber(e + 2 * sd, 1));
    }
    return text;
}

void ChartView::barHovered(bool on, int index)
{
    hoveredBar_ = on ? index : -1;
    if (on)
        QToolTip::showText(QCursor::pos(), barToolTip(index), this);
    else
        QToolTip::hideText();
}

void ChartView::placeRangeItem()
{
    const QRectF plot = chart()->plotArea();
    const QRectF text = rangeItem_->boundingRect();
    rangeItem_->setPos(plot.right() - text.width() - 4, std::max(0.0, plot.top() - text.height() - 2));
    if (barLabels_.empty() || plot.width() <= 0) return;
    // The numbers under the bars: as large as fits the narrowest bar width, centred on their bar.
    const double perBar = plot.width() / double(barLabels_.size());
    QFont font = barLabels_.front()->font();
    font.setPixelSize(12);
    QString widest;
    for (const QGraphicsSimpleTextItem* item : barLabels_)
        if (item->text().size() > widest.size()) widest = item->text();
    while (font.pixelSize() > 7 && QFontMetrics(font).horizontalAdvance(widest) + 2 > perBar)
        font.setPixelSize(font.pixelSize() - 1);
    const double bottom = chart()->mapToPosition(QPointF(0, left_->min()), series2_).y();
    for (int i = 0; i < int(barLabels_.size()); ++i) {
        QGraphicsSimpleTextItem* item = barLabels_[std::size_t(i)];
        item->setFont(font);
        const double centre = chart()->mapToPosition(QPointF(i, left_->min()), series2_).x();
        item->setPos(centre - item->boundingRect().width() / 2, bottom + 4);
    }
}

QStringList ChartView::barLabelTexts() const
{
    QStringList out;
    for (const QGraphicsSimpleTextItem* item : barLabels_) out << item->text();
    return out;
}

QList<QRectF> ChartView::barLabelRects() const
{
    QList<QRectF> out;
    for (const QGraphicsSimpleTextItem* item : barLabels_) out << item->sceneBoundingRect();
    return out;
}

void ChartView::setBarChart(const BarChart& value)
{
    chart_ = value;
    const auto& bars = chart_.bars;
    const int n = int(bars.size());

    // Series2 on, Series1 off; all points replaced, in ascending order of x.
    series1_->setVisible(false);
    series2_->setVisible(true);
    series2_->clear();
    const QColor colours[kColours] = {kGreen, kRed, kGreen};
    QList<QBarSet*> sets;
    for (int c = 0; c < kColours; ++c) {
        auto* set = new QBarSet(QString());
        set->setColor(colours[c]);
        set->setBorderColor(colours[c].darker(130));
        QList<qreal> values(n, 0.0);
        for (int i = 0; i < n; ++i)
            if (setOf(bars[std::size_t(i)].color) == c) values[i] = bars[std::size_t(i)].y;
        set->append(values);
        sets << set;
    }
    series2_->append(sets);

    updateBottomLabels();
    bottom_->setRange(-0.5, std::max(n, 1) - 0.5);
    // The axis title is rich text: keep the title's runs of blanks, which separate its parts.
    bottom_->setTitleText(chart_.title.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));

    // Left axis: the statistic's fixed limits, else scaled to the bars. Counts are whole numbers, so
    // the ticks run in whole steps from the lower limit.
    double lo = 0, hi = 0;
    if (chart_.leftAxis) {
        lo = chart_.leftAxis->min;
        hi = chart_.leftAxis->max;
    } else {
        for (const auto& b : bars) {
            lo = std::min(lo, b.y);
            hi = std::max(hi, b.y);
        }
    }
    // Equal limits leave no height to draw in; the value keeps them, the drawing widens by one.
    if (hi <= lo) hi = lo + 1;
    double interval = tickInterval(hi - lo);
    if (chart_.leftAxis && lo > 0) {
        // Bars grow from 0, so at a lower limit equal to the smallest bar that bar would vanish and
        // read as "never drawn". The drawing starts at the whole tick below it; the value keeps its limits.
        const auto tickBelow = [lo](double step) {
            const double t = std::floor(lo / step) * step;
            return std::max(0.0, t < lo ? t : t - step);
        };
        interval = tickInterval(hi - tickBelow(interval));
        lo = tickBelow(interval);
    }
    if (!chart_.leftAxis) hi = lo + std::ceil((hi - lo) / interval) * interval;
    left_->setRange(lo, hi);
    left_->setTickType(QValueAxis::TicksDynamic);
    left_->setTickAnchor(lo);
    left_->setTickInterval(interval);

    showChance();
    rangeItem_->setText(rangeText());
    placeRangeItem();
}

void ChartView::showChance()
{
    QList<QPointF> line, upper, lower;
    if (chart_.chance && chart_.chance->expected.size() == chart_.bars.size()) {
        // A level step across each bar, so a per-bar expectation reads as that bar's own.
        for (std::size_t i = 0; i < chart_.bars.size(); ++i) {
            const double e = chart_.chance->expected[i], sd = chart_.chance->sd[i];
            for (double x : {double(i) - 0.45, double(i) + 0.45}) {
                line << QPointF(x, e);
                upper << QPointF(x, e + 2 * sd);
                lower << QPointF(x, std::max(0.0, e - 2 * sd));
            }
        }
    }
    expected_->replace(line);
    bandUpper_->replace(upper);
    bandLower_->replace(lower);
    expected_->setVisible(!line.isEmpty());
    band_->setVisible(!line.isEmpty());
    setToolTip(chart_.chance ? chart_.chance->hint : QString());
}

void ChartView::updateBottomLabels()
{
    // Bar i sits at i and is labelled with its x; on long charts only the multiples of the step are,
    // each label centred on its bar in a category step bars wide.
    for (const QString& label : bottom_->categoriesLabels()) bottom_->remove(label);
    const auto& bars = chart_.bars;
    const int step = labelStep(int(bars.size()), viewport()->width());
    // The axis shortens a label to "..." that does not fit its category with room to spare, as two
    // digits under a bar of the per-number charts: where every bar is labelled the view draws them.
    const bool own = step == 1 && !bars.empty();
    // The axis keeps its (unseen) labels, so it keeps their room between the bars and the title.
    bottom_->setLabelsBrush(own ? QBrush(Qt::transparent) : QBrush(Qt::black));
    if (own != !barLabels_.empty() || (own && barLabels_.size() != bars.size())) {
        for (QGraphicsSimpleTextItem* item : barLabels_) delete item;
        barLabels_.clear();
        for (std::size_t i = 0; own && i < bars.size(); ++i) barLabels_.push_back(new QGraphicsSimpleTextItem(chart()));
    }
    for (std::size_t i = 0; i < barLabels_.size(); ++i) barLabels_[i]->setText(numberText(bars[i].x));
    bool first = true;
    for (int i = 0; i < int(bars.size()); ++i) {
        const double x = bars[std::size_t(i)].x;
        if (step > 1 && std::fmod(x, step) != 0) continue;
        if (first) bottom_->setStartValue(i - step / 2.0);
        first = false;
        bottom_->append(numberText(x), i + step / 2.0);
    }
}

bool ChartView::viewportEvent(QEvent* e)
{
    // The scene answers a resting mouse with the hint of the item under it, which bars have not: it
    // would take the bar's value away again.
    if (e->type() == QEvent::ToolTip && hoveredBar_ >= 0) {
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), barToolTip(hoveredBar_), this);
        return true;
    }
    return QChartView::viewportEvent(e);
}

void ChartView::resizeEvent(QResizeEvent* e)
{
    QChartView::resizeEvent(e);
    updateBottomLabels();
    placeRangeItem();
}

int ChartView::drawnBarCount() const
{
    const auto sets = series2_->barSets();
    return sets.isEmpty() ? 0 : int(sets.first()->count());
}

double ChartView::drawnHeight(int i) const
{
    double h = 0;
    for (const QBarSet* set : series2_->barSets()) h += set->at(i);
    return h;
}

QColor ChartView::drawnColour(int i) const
{
    const auto sets = series2_->barSets();
    for (QBarSet* set : sets)
        if (set->at(i) != 0) return set->color();
    // A zero-height bar has no colour of its own on screen; report the colour it would have.
    return i < int(chart_.bars.size()) && chart_.bars[std::size_t(i)].color == BarColor::Red ? kRed : kGreen;
}

} // namespace razoz
