#pragma once
// One set of factories for the hand-placed controls of every page: each control gets its designed
// name, caption, hint and place; numeric settings and check boxes take their range and design
// value from the settings schema, so no caption, range or default is written twice.
#include "app/setting_keys.h"

#include <QFont>
#include <QRect>
#include <QSpinBox>
#include <QString>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace razoz {

class ClickLabel;

// Any control with its designed name at its place (the typed factories below add caption and hint).
template <class W> W* makeControl(QWidget* parent, const char* name, QRect geometry)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

// The draw texts line their numbers up in a fixed-width font.
inline void useFixedWidthFont(QWidget* w)
{
    QFont mono = w->font();
    mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    w->setFont(mono);
}

// A numeric setting: the edit box and its up-down control in one. The widget answers to the edit's
// name (objectName, where the language files give the hint) and to the up-down's name (the
// "upDownName" property, where the settings store and the calculation read the position).
class SpinControl : public QSpinBox {
    Q_OBJECT
public:
    SpinControl(QWidget* parent, IntKey upDown, const QString& editName);
    QString upDownName() const { return property("upDownName").toString(); }
    // Where the up or down arrow sits, in the control's own coordinates.
    QRect arrowRect(bool up) const;

signals:
    // A mouse button goes down on one of the arrows, before the step it makes; and comes up again
    // after it. Couplings between settings act here, not on typed values.
    void arrowPressed();
    void arrowReleased();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool onArrow(const QPoint& at) const;
    bool pressedOnArrow_ = false;
};

// Builds a spin control from the schema entry of `upDown`: range and design position from there.
SpinControl* makeSpin(QWidget* parent, IntKey upDown, const char* editName, const QString& hint, QRect geometry = {});
// A check box; checked as designed when a "Chekcbox…" setting belongs to it.
QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QString& caption, const QString& hint = {},
                        QRect geometry = {});
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {},
                        QRect geometry = {});
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry = {});
// A label that opens something when clicked (a chart, a web page).
ClickLabel* makeLinkLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry = {});
// The small chart button that stands beside a rule and shows the statistic it relies on.
QToolButton* makeChartShortcut(QWidget* parent, const char* name, const QString& hint, QRect geometry = {});

} // namespace razoz
