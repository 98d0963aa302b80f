#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace razoz {

QString qtLanguageFor(const QString& code)
{
    if (code == QLatin1String("sp")) return QStringLiteral("es");
    if (code == QLatin1String("cz")) return QStringLiteral("cs");
    return code;
}

bool loadQtTranslations(const QString& code)
{
    // One translator for the whole run, swapped on every language choice.
    static std::unique_ptr<QTranslator> installed;
    if (installed) QCoreApplication::removeTranslator(installed.get());
    installed.reset();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + qtLanguageFor(code),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

} // namespace razoz
