#pragma once
// Carries settings values between the store and the controls of the live windows. Controls are
// found by objectName in their window ("Form1", "Form5", "Form8"); a spin box may also answer to
// the dynamic properties "upDownName" or "editName". Values whose control does not exist are kept
// in SettingsValues and written back unchanged.
#include "app/settings_store.h"

#include <QList>

#include <optional>

class QWidget;
class QObject;

namespace razoz {

// The window of that objectName among the windows (or owned by one of them).
QWidget* findWindow(const QList<QWidget*>& windows, const QString& name);
// The control of that name inside the window (not the window itself).
QObject* findControl(QWidget* window, const QString& name);

// Puts a value into its control; false when the control does not exist (or is a field).
bool applySetting(const QList<QWidget*>& windows, const SettingDef& def, const QVariant& value);
// The value a control holds now; nullopt for fields and missing controls.
std::optional<QVariant> collectSetting(const QList<QWidget*>& windows, const SettingDef& def);

// Reads one group from the store into `values` and the controls. False when a value of the wrong
// type ended the group.
bool readSettingsGroup(const SettingsStore& store, SettingGroup group, const QList<QWidget*>& windows,
                       SettingsValues& values);
// Takes every control's value into `values` (fields stay as they are).
void collectSettings(const QList<QWidget*>& windows, SettingsValues& values);

} // namespace razoz
