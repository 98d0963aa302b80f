#include "ui/settings_binder.h"

#include "base/day_count.h"
#include "print/slip.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QWidget>

namespace razoz {

namespace {

QList<QRadioButton*> radioItems(QGroupBox* box)
{
    return box->findChildren<QRadioButton*>();
}

} // namespace

QWidget* findWindow(const QList<QWidget*>& windows, const QString& name)
{
    for (QWidget* w : windows)
        if (w->objectName() == name) return w;
    for (QWidget* w : windows)
        for (QWidget* child : w->findChildren<QWidget*>(name))
            if (child->isWindow()) return child;
    return nullptr;
}

QObject* findControl(QWidget* window, const QString& name)
{
    if (!window) return nullptr;
    if (QObject* o = window->findChild<QObject*>(name)) return o;
    for (QObject* o : window->findChildren<QObject*>())
        if (o->property("upDownName").toString() == name || o->property("editName").toString() == name) return o;
    return nullptr;
}

bool applySetting(const QList<QWidget*>& windows, const SettingDef& def, const QVariant& value)
{
    QWidget* window = findWindow(windows, def.window);
    if (!window) return false;
    switch (def.binding) {
    case SettingBinding::Field: return false;
    case SettingBinding::WindowHeight: window->resize(window->width(), value.toInt()); return true;
    case SettingBinding::WindowWidth: window->resize(value.toInt(), window->height()); return true;
    case SettingBinding::FontStyle:
    case SettingBinding::FontColor:
    case SettingBinding::FontSize:
    case SettingBinding::FontName: {
        auto* w = qobject_cast<QWidget*>(findControl(window, def.control));
        if (!w) return false;
        QFont f = w->font();
        const int v = value.toInt();
        if (def.binding == SettingBinding::FontStyle) {
            f.setBold(v & 1);
            f.setItalic(v & 2);
            f.setUnderline(v & 4);
            f.setStrikeOut(v & 8);
        } else if (def.binding == SettingBinding::FontSize) {
            if (v > 0) f.setPointSize(v);
        } else if (def.binding == SettingBinding::FontName) {
            f.setFamily(value.toString());
        } else {
            QPalette p = w->palette();
            p.setColor(QPalette::ButtonText, fromWindowsColor(v));
            w->setPalette(p);
        }
        w->setFont(f);
        return true;
    }
    case SettingBinding::Control: break;
    }
    QObject* o = findControl(window, def.control);
    if (auto* c = qobject_cast<QCheckBox*>(o)) {
        c->setChecked(value.toBool());
    } else if (auto* s = qobject_cast<QSpinBox*>(o)) {
        s->setValue(value.toInt());
    } else if (auto* d = qobject_cast<QDateEdit*>(o)) {
        d->setDate(fromDays(value.toDouble()));
    } else if (auto* e = qobject_cast<QLineEdit*>(o)) {
        e->setText(value.toString());
    } else if (auto* b = qobject_cast<QComboBox*>(o)) {
        const int i = value.toInt();
        if (i >= -1 && i < b->count()) b->setCurrentIndex(i);
    } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
        const auto items = radioItems(g);
        const int i = value.toInt();
        if (i >= 0 && i < items.size()) items[i]->setChecked(true);
    } else {
        return false;
    }
    return true;
}

std::optional<QVariant> collectSetting(const QList<QWidget*>& windows, const SettingDef& def)
{
    QWidget* window = findWindow(windows, def.window);
    if (!window) return std::nullopt;
    switch (def.binding) {
    case SettingBinding::Field: return std::nullopt;
    case SettingBinding::WindowHeight: return window->height();
    case SettingBinding::WindowWidth: return window->width();
    case SettingBinding::FontStyle:
    case SettingBinding::FontColor:
    case SettingBinding::FontSize:
    case SettingBinding::FontName: {
        auto* w = qobject_cast<QWidget*>(findControl(window, def.control));
        if (!w) return std::nullopt;
        const QFont f = w->font();
        if (def.binding == SettingBinding::FontStyle)
            return int(f.bold()) | int(f.italic()) << 1 | int(f.underline()) << 2 | int(f.strikeOut()) << 3;
        if (def.binding == SettingBinding::FontSize) return f.pointSize();
        if (def.binding == SettingBinding::FontName) return f.family();
        return windowsColor(w->palette().color(QPalette::ButtonText));
    }
    case SettingBinding::Control: break;
    }
    QObject* o = findControl(window, def.control);
    if (auto* c = qobject_cast<QCheckBox*>(o)) return c->isChecked();
    if (auto* s = qobject_cast<QSpinBox*>(o)) return s->value();
    if (auto* d = qobject_cast<QDateEdit*>(o)) return toDays(d->date());
    if (auto* e = qobject_cast<QLineEdit*>(o)) return e->text();
    if (auto* b = qobject_cast<QComboBox*>(o)) return b->currentIndex();
    if (auto* g = qobject_cast<QGroupBox*>(o)) {
        const auto items = radioItems(g);
        for (int i = 0; i < items.size(); ++i)
            if (items[i]->isChecked()) return i;
        return -1;
    }
    return std::nullopt;
}

bool readSettingsGroup(const SettingsStore& store, SettingGroup group, const QList<QWidget*>& windows,
                       SettingsValues& values)
{
    return store.readGroup(group, [&](const SettingDef& def, const QVariant& value) {
        SettingsRows::setValue(values, def, value);
        applySetting(windows, def, value);
    });
}

void collectSettings(const QList<QWidget*>& windows, SettingsValues& values)
{
    for (const SettingDef& def : settingsSchema())
        if (const auto v = collectSetting(windows, def)) SettingsRows::setValue(values, def, *v);
}

} // namespace razoz
