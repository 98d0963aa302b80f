#include "ui/tier_charts.h"

#include "archive/dates.h"
#include "base/locale_format.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace razoz {

namespace {

const QColor kObserved{0, 128, 0};
const QColor kExpected{150, 150, 150};
const QColor kCost{200, 40, 40};
const QColor kWinnings{0, 128, 0};
const QColor kBalance{30, 80, 200};

void legendEntry(QPainter& p, QPoint at, const QColor& colour, const QString& text)
{
    p.fillRect(QRect(at.x(), at.y() - 9, 12, 10), colour);
    p.setPen(Qt::black);
    p.drawText(at + QPoint(16, 0), text);
}

void drawEmpty(QPainter& p, const QRect& r, const QString& text)
{
    p.setPen(Qt::darkGray);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace

TierBarsView::TierBarsView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(360, 220);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void TierBarsView::setBars(std::vector<Bar> bars)
{
    bars_ = std::move(bars);
    update();
}

void TierBarsView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect area = rect().adjusted(8, 22, -8, -36);
    legendEntry(p, {10, 15}, kObserved, QStringLiteral("gewonnen"));
    legendEntry(p, {100, 15}, kExpected, QStringLiteral("erwartet bei reinem Zufall"));
    if (bars_.empty()) {
        drawEmpty(p, area, QStringLiteral("Noch nicht berechnet"));
        return;
    }
    // The counts of the tiers lie orders of magnitude apart, so every tier is drawn against its own
    // larger value; the numbers above the bars carry the comparison between tiers.
    const double slot = double(area.width()) / double(bars_.size());
    const double barWidth = std::min(28.0, slot * 0.32);
    const QFontMetrics fm = p.fontMetrics();
    const int valueSpace = fm.height() + 2;
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const Bar& b = bars_[i];
        const double top = std::max(double(b.observed), b.expected);
        const double x0 = area.left() + slot * double(i) + slot / 2 - barWidth - 2;
        const double full = area.height() - valueSpace;
        const auto drawBar = [&](double x, double value, const QColor& colour, const QString& label) {
            const double h = top > 0 ? full * value / top : 0;
            const QRectF bar(x, area.bottom() - h, barWidth, h);
            p.fillRect(bar, colour);
            p.setPen(Qt::black);
            p.drawText(QRectF(x - 20, bar.top() - valueSpace, barWidth + 40, valueSpace), Qt::AlignCenter, label);
        };
        drawBar(x0, b.observed, kObserved, QString::number(b.observed));
        // Fewer decimals for larger counts, so that the two labels of a tier stay apart.
        drawBar(x0 + barWidth + 4, b.expected, kExpected,
                formatNumber(b.expected, b.expected >= 100  ? 0
                                         : b.expected >= 10 ? 1
                                                            : 2));
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left() + slot * double(i), area.bottom() + 4, slot, fm.height()), Qt::AlignCenter,
                   b.tier);
    }
    p.setPen(Qt::gray);
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.setPen(Qt::darkGray);
    p.drawText(QRect(area.left(), area.bottom() + 6 + fm.height(), area.width(), fm.height()), Qt::AlignCenter,
               QStringLiteral("jede Gewinnklasse auf ihren größeren Wert skaliert"));
}

BalanceLineView::BalanceLineView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(360, 220);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void BalanceLineView::setSeries(std::vector<BalancePoint> series)
{
    series_ = std::move(series);
    update();
}

void BalanceLineView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = p.fontMetrics();
    legendEntry(p, {10, 15}, kCost, QStringLiteral("Einsatz"));
    legendEntry(p, {90, 15}, kWinnings, QStringLiteral("Gewinne"));
    legendEntry(p, {180, 15}, kBalance, QStringLiteral("Bilanz"));
    const int axisWidth = fm.horizontalAdvance(QStringLiteral("-1.000.000,00 €")) + 6;
    const QRect area = rect().adjusted(axisWidth, 26, -10, -fm.height() - 8);
    if (series_.empty()) {
        drawEmpty(p, area, QStringLiteral("Einsatz und Gewinne eintragen und berechnen"));
        return;
    }
    Cents low = 0, high = 0;
    for (const BalancePoint& b : series_) {
        low = std::min({low, b.cost, b.winnings, b.balance()});
        high = std::max({high, b.cost, b.winnings, b.balance()});
    }
    if (high == low) high = low + 100;
    const double first = series_.front().date, last = series_.back().date;
    const auto xOf = [&](double date) {
        return last > first ? area.left() + area.width() * (date - first) / (last - first) : double(area.center().x());
    };
    const auto yOf = [&](Cents c) { return area.bottom() - area.height() * double(c - low) / double(high - low); };

    p.setPen(Qt::gray);
    p.drawLine(QPointF(area.left(), yOf(0)), QPointF(area.right(), yOf(0)));
    p.drawLine(area.topLeft(), area.bottomLeft());
    p.setPen(Qt::black);
    for (Cents c : {high, Cents(0), low}) {
        const double y = yOf(c);
        if (c != 0 && std::abs(y - yOf(0)) < fm.height()) continue;
        p.drawText(QRectF(0, y - fm.height() / 2.0, axisWidth - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   formatCents(c));
    }
    const QRectF dates(area.left(), area.bottom() + 4, area.width(), fm.height());
    p.drawText(dates, Qt::AlignLeft, formatDate(first));
    p.drawText(dates, Qt::AlignRight, formatDate(last));

    const auto line = [&](const QColor& colour, auto value) {
        QPainterPath path;
        path.moveTo(xOf(series_.front().date), yOf(value(series_.front())));
        for (const BalancePoint& b : series_) path.lineTo(xOf(b.date), yOf(value(b)));
        p.setPen(QPen(colour, 1.6));
        p.drawPath(path);
    };
    line(kCost, [](const BalancePoint& b) { return b.cost; });
    line(kWinnings, [](const BalancePoint& b) { return b.winnings; });
    line(kBalance, [](const BalancePoint& b) { return b.balance(); });
}

} // namespace razoz
