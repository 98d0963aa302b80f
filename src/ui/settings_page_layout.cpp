#include "ui/settings_page_layout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

namespace razoz {

namespace {
constexpr int kChart = 0, kCaption = 1, kValue = 2, kColumns = 4;
}

SettingsPageLayout::SettingsPageLayout(QWidget* page) : grid_(new QGridLayout(page))
{
    grid_->setContentsMargins(10, 8, 10, 8);
    grid_->setHorizontalSpacing(8);
    grid_->setVerticalSpacing(3);
    grid_->setColumnStretch(kColumns - 1, 1);
}

void SettingsPageLayout::heading(QLabel* label)
{
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    if (row_ > 0) grid_->setRowMinimumHeight(row_++, 6);
    grid_->addWidget(label, row_++, kChart, 1, kColumns);
}

void SettingsPageLayout::note(QLabel* label)
{
    label->setWordWrap(true);
    grid_->addWidget(label, row_++, kCaption, 1, kColumns - kCaption);
}

void SettingsPageLayout::rule(QWidget* chart, QWidget* caption, QWidget* value)
{
    if (chart) grid_->addWidget(chart, row_, kChart, Qt::AlignLeft | Qt::AlignVCenter);
    grid_->addWidget(caption, row_, kCaption);
    if (value) grid_->addWidget(value, row_, kValue, Qt::AlignLeft | Qt::AlignVCenter);
    ++row_;
}

void SettingsPageLayout::sentence(QWidget* chart, QLayout* line)
{
    if (chart) grid_->addWidget(chart, row_, kChart, Qt::AlignLeft | Qt::AlignVCenter);
    grid_->addLayout(line, row_++, kCaption, 1, kColumns - kCaption);
}

void SettingsPageLayout::sentence(QWidget* chart, QWidget* line)
{
    if (chart) grid_->addWidget(chart, row_, kChart, Qt::AlignLeft | Qt::AlignVCenter);
    grid_->addWidget(line, row_++, kCaption, 1, kColumns - kCaption);
}

void SettingsPageLayout::finish()
{
    grid_->setRowStretch(row_, 1);
}

} // namespace razoz
