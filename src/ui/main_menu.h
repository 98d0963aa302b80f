#pragma once
// The main window's menu bar, in its designed order: "&Aktualisieren", "&Berechnen", "Ab&geben",
// "Schein &drucken" (with their shortcuts), "Ge&winnklassen", the language menu with its nine entries and "Export",
// "Hilfe" and "S&chließen". The window connects the entries.
#include <QList>

class QAction;
class QMainWindow;
class QMenu;

namespace razoz {

struct MainMenu {
    QAction* update = nullptr;
    QAction* calculate = nullptr;
    QAction* handOver = nullptr;
    QAction* print = nullptr;
    QAction* tiers = nullptr; // "Gewinnklassen": the prize tiers of the grid's rows over the archive
    QMenu* languageMenu = nullptr;
    QList<QAction*> languages; // Deutsch1 … Niederlndisch1, checkable and exclusive, German checked
    QAction* exportLanguage = nullptr;
    QAction* documentation = nullptr;
    QAction* about = nullptr;
    QAction* close = nullptr;
};

MainMenu buildMainMenu(QMainWindow& window);

} // namespace razoz
