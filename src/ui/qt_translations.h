#pragma once
// Qt's own texts (the standard buttons of message boxes, the context menus of edits) in the
// interface language: Qt ships them as "qtbase_<lang>.qm" in its translations folder.
#include <QString>

namespace razoz {

// The Qt language for one of the program's language codes ("sp" → "es", "cz" → "cs").
QString qtLanguageFor(const QString& code);

// Replaces the Qt translation in use by the one for the code. False when Qt has none for it: Qt
// then speaks its own English.
bool loadQtTranslations(const QString& code);

} // namespace razoz
