#include "ui/control_factory.h"

#include "app/settings_schema.h"
#include "ui/click_label.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QToolButton>

namespace razoz {

namespace {

template <class W> W* placed(W* w, const char* name, QRect geometry)
{
    w->setObjectName(QString::fromLatin1(name));
    if (geometry.isValid()) w->setGeometry(geometry);
    return w;
}

void setHint(QWidget* w, const QString& hint)
{
    if (!hint.isEmpty()) w->setToolTip(hint);
}

// The small bar chart the shortcut buttons carry instead of a caption.
QIcon chartIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const int heights[] = {7, 12, 5, 10};
    for (int i = 0; i < 4; ++i)
        p.fillRect(1 + i * 4, 15 - heights[i], 3, heights[i], i == 1 ? QColor(255, 0, 0) : QColor(0, 128, 0));
    p.setPen(Qt::black);
    p.drawLine(0, 15, 15, 15);
    return QIcon(pixmap);
}

const SettingDef* checkBoxSetting(const QString& control)
{
    for (const SettingDef& d : settingsSchema())
        if (d.type == SettingType::Bool && d.window == QLatin1String("Form1") && d.control == control) return &d;
    return nullptr;
}

} // namespace

SpinControl::SpinControl(QWidget* parent, IntKey upDown, const QString& editName) : QSpinBox(parent)
{
    setObjectName(editName);
    setProperty("upDownName", upDown.def().control);
    setProperty("editName", editName);
    const SettingDef& def = upDown.def();
    setRange(def.minimum, def.maximum);
    setValue(def.defaultValue.toInt());
    // The position is what counts: typing past the range keeps the nearest bound.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QRect SpinControl::arrowRect(bool up) const
{
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown,
                                   this);
}

bool SpinControl::onArrow(const QPoint& at) const
{
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QStyle::SubControl hit = style()->hitTestComplexControl(QStyle::CC_SpinBox, &option, at, this);
    return hit == QStyle::SC_SpinBoxUp || hit == QStyle::SC_SpinBoxDown;
}

void SpinControl::mousePressEvent(QMouseEvent* e)
{
    pressedOnArrow_ = e->button() == Qt::LeftButton && onArrow(e->position().toPoint());
    if (pressedOnArrow_) emit arrowPressed();
    QSpinBox::mousePressEvent(e);
}

void SpinControl::mouseReleaseEvent(QMouseEvent* e)
{
    QSpinBox::mouseReleaseEvent(e);
    if (pressedOnArrow_ && e->button() == Qt::LeftButton) {
        pressedOnArrow_ = false;
        emit arrowReleased();
    }
}

SpinControl* makeSpin(QWidget* parent, IntKey upDown, const char* editName, const QString& hint, QRect geometry)
{
    auto* s = new SpinControl(parent, upDown, QString::fromLatin1(editName));
    if (geometry.isValid()) s->setGeometry(geometry);
    setHint(s, hint);
    return s;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QString& caption, const QString& hint, QRect geometry)
{
    auto* c = placed(new QCheckBox(caption, parent), name, geometry);
    if (const SettingDef* def = checkBoxSetting(c->objectName())) c->setChecked(def->defaultValue.toBool());
    setHint(c, hint);
    return c;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint, QRect geometry)
{
    auto* b = placed(new QPushButton(caption, parent), name, geometry);
    setHint(b, hint);
    return b;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    return placed(new QLabel(caption, parent), name, geometry);
}

ClickLabel* makeLinkLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* l = placed(new ClickLabel(caption, parent), name, geometry);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

QToolButton* makeChartShortcut(QWidget* parent, const char* name, const QString& hint, QRect geometry)
{
    auto* b = placed(new QToolButton(parent), name, geometry);
    b->setIcon(chartIcon());
    b->setAutoRaise(true);
    setHint(b, hint);
    return b;
}

} // namespace razoz
