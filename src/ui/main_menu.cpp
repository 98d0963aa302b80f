#include "ui/main_menu.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace razoz {

MainMenu buildMainMenu(QMainWindow& window)
{
    MainMenu m;
    QMenuBar* menu = window.menuBar();
    menu->setObjectName(QStringLiteral("MainMenu1"));
    auto action = [&](QMenu* in, const char* name, const QString& caption) {
        QAction* a = in ? in->addAction(caption) : menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    m.update = action(nullptr, "Aktualisieren1", QStringLiteral("&Aktualisieren"));
    m.update->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    m.calculate = action(nullptr, "Berechnen1", QStringLiteral("&Berechnen"));
    m.calculate->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    m.handOver = action(nullptr, "Abgeben1", QStringLiteral("Ab&geben"));
    m.handOver->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
    m.print = action(nullptr, "Scheindrucken1", QStringLiteral("Schein &drucken"));
    m.print->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    // Shortcuts of menu-bar entries only fire when the window knows them.
    window.addActions({m.update, m.calculate, m.handOver, m.print});
    m.tiers = action(nullptr, "Gewinnklassen1", QStringLiteral("Ge&winnklassen"));

    m.languageMenu = menu->addMenu(QStringLiteral("Sprache/Language/Langue"));
    m.languageMenu->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
    m.languageMenu->menuAction()->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
    const struct {
        const char* name;
        const char* caption;
    } languages[] = {{"Deutsch1", "Deutsch"},   {"Englisch1", "Englisch"},       {"Franzsisch1", "Französisch"},
                     {"Spanisch1", "Spanisch"}, {"Trkisch1", "Türkisch"},        {"Russisch1", "Russisch"},
                     {"Polnisch1", "Polnisch"}, {"Tschechisch1", "Tschechisch"}, {"Niederlndisch1", "Niederländisch"}};
    auto* exclusive = new QActionGroup(&window);
    for (const auto& l : languages) {
        QAction* a = action(m.languageMenu, l.name, QString::fromUtf8(l.caption));
        a->setCheckable(true);
        exclusive->addAction(a);
        m.languages << a;
    }
    m.languages.first()->setChecked(true);
    m.languageMenu->addSeparator();
    m.exportLanguage = action(m.languageMenu, "Export1", QStringLiteral("Export"));

    QMenu* help = menu->addMenu(QStringLiteral("Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    help->menuAction()->setObjectName(QStringLiteral("Hilfe1"));
    m.documentation = action(help, "Dokumentationanzeigen1", QStringLiteral("Dokumentation anzeigen"));
    m.about = action(help, "berRazozQuorex1", QStringLiteral("Über Razoz-Quorex"));
    m.close = action(nullptr, "Schlieen1", QStringLiteral("S&chließen"));
    return m;
}

} // namespace razoz
