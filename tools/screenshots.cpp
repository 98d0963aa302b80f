// razoz-screenshots: pictures of every page and dialog of the program for the user guide and the
// README. scripts/make-screenshots runs it under a virtual X server on a copy of the program folder.
//
// usage: razoz-screenshots --program-folder DIR --out DIR [--settings FILE] [--seed N]
//                          [--action NAME]... [--click NAME]... [--prefix TEXT]
// --action triggers a menu entry by its name (e.g. "Englisch1"), --click presses a button by its
// name (e.g. "BitBtn4" computes the tips) before the pictures are taken.
#include "base/prompt.h"
#include "generate/random_generator.h"
#include "ui/long_action_runner.h"
#include "ui/tform1.h"
#include "ui/tiers_dialog.h"
#include "ui/windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

// The pictures show the program as it is; nothing asks, nothing is chosen.
class SilentPrompt : public razoz::Prompt {
public:
    void information(const QString&, const QString&) override {}
    void error(const QString&) override {}
    bool question(const QString&, const QString&) override { return false; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
};

void settle()
{
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool save(QWidget* w, const QString& path)
{
    settle();
    const bool ok = w->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

QString valueOf(QStringList& args, const QString& option)
{
    const int at = args.indexOf(option);
    if (at < 0 || at + 1 >= args.size()) return {};
    const QString value = args[at + 1];
    args.remove(at, 2);
    return value;
}

QStringList valuesOf(QStringList& args, const QString& option)
{
    QStringList out;
    for (QString v = valueOf(args, option); !v.isEmpty(); v = valueOf(args, option)) out << v;
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString folder = valueOf(args, QStringLiteral("--program-folder"));
    const QString out = valueOf(args, QStringLiteral("--out"));
    const QString settings = valueOf(args, QStringLiteral("--settings"));
    const QString seed = valueOf(args, QStringLiteral("--seed"));
    const QString prefix = valueOf(args, QStringLiteral("--prefix"));
    const QStringList actions = valuesOf(args, QStringLiteral("--action"));
    const QStringList clicks = valuesOf(args, QStringLiteral("--click"));
    const QStringList typed = valuesOf(args, QStringLiteral("--type"));
    if (folder.isEmpty() || out.isEmpty() || !args.isEmpty()) {
        std::fprintf(stderr, "usage: razoz-screenshots --program-folder DIR --out DIR [--settings FILE] [--seed N] "
                             "[--action NAME]... [--type NAME=TEXT]... [--click NAME]... [--prefix TEXT]\n");
        return 2;
    }
    QDir().mkpath(out);

    SilentPrompt prompt;
    razoz::TForm1::Environment env;
    env.programFolder = QDir(folder).absolutePath() + QLatin1Char('/');
    env.prompt = &prompt;
    env.settingsFile = settings.isEmpty() ? QDir(out).filePath(QStringLiteral("screenshots.ini")) : settings;
    razoz::TForm1 window(std::move(env));
    window.show();
    settle();
    if (!seed.isEmpty()) razoz::RandomGenerator::shared().setSeed(seed.toUInt());
    for (const QString& name : actions) {
        auto* a = window.findChild<QAction*>(name);
        if (!a) {
            std::fprintf(stderr, "razoz-screenshots: no menu entry %s\n", qPrintable(name));
            return 1;
        }
        a->trigger();
        window.runner().waitUntilIdle(); // a long action runs on its worker: the picture shows its end
        settle();
    }
    // Texts typed into edits before the clicks that use them.
    for (const QString& entry : typed) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        auto* e = window.findChild<QLineEdit*>(name);
        if (!e) {
            std::fprintf(stderr, "razoz-screenshots: no edit %s\n", qPrintable(name));
            return 1;
        }
        e->setText(entry.section(QLatin1Char('='), 1));
    }
    for (const QString& name : clicks) {
        auto* b = window.findChild<QAbstractButton*>(name);
        if (!b) {
            std::fprintf(stderr, "razoz-screenshots: no button %s\n", qPrintable(name));
            return 1;
        }
        b->click();
        window.runner().waitUntilIdle();
        settle();
    }

    bool ok = true;
    auto shot = [&](QWidget* w, const QString& name) {
        ok = save(w, QDir(out).filePath(prefix + name + QStringLiteral(".png"))) && ok;
    };
    // Every page of the main window, the inner pages of "Berechnung" one by one.
    QTabWidget* pages = window.pages();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QWidget* page = pages->widget(i);
        if (auto* inner = page->findChild<QTabWidget*>(QStringLiteral("PageControl2"))) {
            for (int k = 0; k < inner->count(); ++k) {
                inner->setCurrentIndex(k);
                shot(&window, QStringLiteral("page-%1-%2").arg(page->objectName(), inner->widget(k)->objectName()));
            }
            inner->setCurrentIndex(0);
        } else {
            shot(&window, QStringLiteral("page-") + page->objectName());
        }
    }
    pages->setCurrentIndex(0);
    // Every other window of the program, shown without waiting for it.
    for (QWidget* w : razoz::applicationWindows()) {
        if (w == &window) continue;
        const bool wasVisible = w->isVisible();
        w->show();
        shot(w, QStringLiteral("dialog-") + w->objectName());
        if (!wasVisible) w->hide();
    }
    // "Gewinnklassen" for the grid's rows over the whole archive, computed.
    window.showTiers();
    if (razoz::TiersDialog* tiers = window.tiersDialog()) {
        settle();
        tiers->compute();
        window.runner().waitUntilIdle();
        settle();
        shot(tiers, QStringLiteral("dialog-") + tiers->objectName());
        tiers->hide();
    }
    window.close();
    return ok ? 0 : 1;
}
