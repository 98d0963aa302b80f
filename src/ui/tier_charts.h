#pragma once
// The two charts of "Gewinnklassen": per tier the wins of all rows beside the number chance alone
// gives, and the money of the range cumulated draw by draw.
#include "check/prize_balance.h"

#include <QString>
#include <QWidget>

#include <vector>

namespace razoz {

class TierBarsView : public QWidget {
    Q_OBJECT
public:
    struct Bar {
        QString tier;
        int observed = 0;
        double expected = 0;
    };
    explicit TierBarsView(QWidget* parent = nullptr);
    void setBars(std::vector<Bar> bars);
    const std::vector<Bar>& bars() const { return bars_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<Bar> bars_;
};

class BalanceLineView : public QWidget {
    Q_OBJECT
public:
    explicit BalanceLineView(QWidget* parent = nullptr);
    void setSeries(std::vector<BalancePoint> series);
    const std::vector<BalancePoint>& series() const { return series_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<BalancePoint> series_;
};

} // namespace razoz
