// Every shipped language applied to the live windows: the captions, hints and numbered texts of
// the language, and every caption fits its control.
#include "app/languages.h"
#include "base/text_files.h"
#include "main_window.h"
#include "test_support.h"
#include "ui/click_label.h"
#include "ui/page_lottotipp.h"
#include "ui/tform1.h"
#include "ui/windows.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

QString withoutAccelerator(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Controls placed by hand whose caption needs more room than they have (the text itself against
// the room the control leaves it beside its box, indicator or frame).
QStringList clippedCaptions(QWidget* window)
{
    QStringList out;
    const auto check = [&](QWidget* w, const QString& text, int room) {
        int need = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            need = std::max(need, w->fontMetrics().horizontalAdvance(line));
        if (need > room)
            out << QStringLiteral("%1.%2 \"%3\" needs %4, has %5")
                       .arg(window->objectName(), w->objectName(), text)
                       .arg(need)
                       .arg(room);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        // Controls a layout sizes grow with their text.
        if (w->parentWidget() && w->parentWidget()->layout()) continue;
        QStyle* style = w->style();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull()) continue;
            if (label->wordWrap()) {
                const int need = label->heightForWidth(label->width());
                if (need > label->height())
                    out << QStringLiteral("%1.%2 \"%3\" needs %4 lines of height, has %5")
                               .arg(window->objectName(), w->objectName(), label->text())
                               .arg(need)
                               .arg(label->height());
            } else {
                check(w, label->text(), label->contentsRect().width());
            }
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            check(w, withoutAccelerator(box->text()),
                  w->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
                      style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
        } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            check(w, withoutAccelerator(radio->text()),
                  w->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                      style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing));
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (!button->text().isEmpty()) check(w, withoutAccelerator(button->text()), w->width() - 6);
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            check(w, group->title(), w->width() - 16);
        }
    }
    return out;
}

// A shipped file read as the program reads it for that language.
QStringList fileLines(const QString& name, const QString& code = {})
{
    QStringList lines;
    readTextLines(QStringLiteral(RAZOZ_SOURCE_DIR "/data/land/") + name, lines, code);
    return lines;
}

class EveryLanguage : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(EveryLanguage, AppliesItsTextsAndEveryCaptionFits)
{
    const Language& language = languageAt(GetParam());
    test::ProgramDir dir;
    dir.copyInstallData();
    test::MainWindow w(dir);
    w.form.LanguageClick(language.index);
    EXPECT_EQ(w.form.session().language(), language.index);

    const QStringList messages = fileLines("meldungen.txt." + language.code, language.code);
    ASSERT_EQ(messages.size(), kInterfaceTextCount);
    EXPECT_EQ(w.form.session().texts().lines().join('\n').toStdString(), messages.join('\n').toStdString());
    // The first entries of the base file are the window title and the first page.
    const QStringList translation =
        language.index == 0 ? QStringList() : fileLines("bezeich.txt." + language.code, language.code);
    const QStringList base = fileLines("bezeich.txt");
    EXPECT_EQ(w.form.windowTitle().toStdString(), (language.index == 0 ? base[2] : translation[0]).toStdString());
    EXPECT_EQ(w.form.pages()->tabText(0).toStdString(), (language.index == 0 ? base[7] : translation[2]).toStdString());
    // The ticket label shows the language's own prompt, not the base file's design caption.
    EXPECT_EQ(w.form.lottotipp()->Losnummer->text().toStdString(), messages[54].toStdString());

    QStringList clipped;
    for (QWidget* window : applicationWindows()) clipped += clippedCaptions(window);
    EXPECT_TRUE(clipped.isEmpty()) << language.code.toStdString() << ":\n" << clipped.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryLanguage, ::testing::Range(0, 9),
                         [](const auto& info) { return languageAt(info.param).code.toStdString(); });

TEST(LanguageSwitch, GermanAfterAnotherLanguageRestoresTheDesignTexts)
{
    test::ProgramDir dir;
    dir.copyInstallData();
    test::MainWindow w(dir);
    const QString title = w.form.windowTitle();
    const QString button = w.form.lottotipp()->BitBtn4->text();
    w.form.LanguageClick(5);
    EXPECT_NE(w.form.windowTitle(), title);
    EXPECT_NE(w.form.lottotipp()->BitBtn4->text(), button);
    w.form.LanguageClick(0);
    EXPECT_EQ(w.form.windowTitle(), title);
    EXPECT_EQ(w.form.lottotipp()->BitBtn4->text(), button);
    EXPECT_EQ(w.form.session().text(0), "Verteilung der gezogenen Zahlen");
}
