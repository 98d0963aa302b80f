// What a new user trips over on the built pages: hints left behind, English dialog buttons, charts
// without exact values, dates that cannot be typed, a ticket number running under its neighbours.
#include "main_window.h"
#include "modal.h"
#include "test_support.h"
#include "ui/chart_view.h"
#include "ui/date_picker.h"
#include "ui/elided_label.h"
#include "ui/page_datenbank.h"
#include "ui/page_diagramm.h"
#include "ui/page_lottotipp.h"
#include "ui/qt_prompt.h"
#include "ui/qt_translations.h"
#include "ui/tform1.h"
#include "ui/tip_grid.h"

#include <QAbstractButton>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace razoz;

namespace {

struct Window : test::MainWindow {
    explicit Window(const test::ProgramDir& dir) : test::MainWindow(dir, {.settingsFile = false, .size = {900, 580}}) {}
    ~Window() { loadQtTranslations(QStringLiteral("de")); }
};

void hover(QWidget* w, QPoint at = {-1, -1})
{
    QTest::mouseMove(w, at.x() < 0 ? w->rect().center() : at);
    QApplication::processEvents();
}

} // namespace

// ---- status panel 1 ---------------------------------------------------------------------------

struct HintMove {
    int page;
    const char* from;
    const char* to;
    const char* expected; // "" : the panel is cleared
};

class StatusHint : public ::testing::TestWithParam<HintMove> {};

TEST_P(StatusHint, IsTheHintOfTheControlUnderTheMouse)
{
    const HintMove& m = GetParam();
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(40));
    Window w(dir);
    w.form.pages()->setCurrentIndex(m.page);
    QApplication::processEvents();
    auto* from = w.form.findChild<QWidget*>(m.from);
    auto* to = w.form.findChild<QWidget*>(m.to);
    ASSERT_TRUE(from && to) << m.from << " " << m.to;
    hover(from);
    EXPECT_FALSE(w.form.statusText(1).isEmpty()) << m.from;
    hover(to);
    EXPECT_EQ(w.form.statusText(1), QString::fromUtf8(m.expected)) << m.from << " -> " << m.to;
}

INSTANTIATE_TEST_SUITE_P(
    Moves, StatusHint,
    ::testing::Values(
        HintMove{2, "SpeedButton34", "SpeedButton1", "Diagramm der Paarbildung der Zahlen"},
        HintMove{2, "SpeedButton34", "SpeedButton2", "Diagramm der Vierergruppen der Zahlen"},
        HintMove{2, "SpeedButton200", "SpeedButton9", "wie lange sind die einzelnen Zahlen überfällig"},
        HintMove{2, "SpeedButton200", "SpeedButton900", "Verteilung der Quersummen der gezogenen Zahlen"},
        HintMove{2, "SpeedButton200", "Chart1", ""},
        HintMove{2, "SpeedButton200", "DateTimePicker2",
                 "Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht berücksichtigt"},
        HintMove{3, "Button4", "Button9", "Erzeugt die Grafik für die Primzahlen pro Tipp"},
        HintMove{3, "Button4", "Button11", "Erzeugt die Grafik für die geraden Zahlen pro Tipp"},
        HintMove{3, "Button4", "Button8", "Erzeugt die Grafik für die ausstehenden Superzahlen"},
        HintMove{0, "Label30", "Edit8", ""}, HintMove{0, "Label28", "Label35", ""},
        HintMove{0, "SpeedButton6", "Losnummer", "hier anklicken um die Scheinnummer einzugeben "}));

TEST(StatusHint, LeavingAControlForThePanelAroundItClearsIt)
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(40));
    Window w(dir);
    LottotippPage* page = w.form.lottotipp();
    hover(page->SpeedButton7);
    EXPECT_EQ(w.form.statusText(1), "nächste Ziehung anzeigen");
    // Between the arrow and the sum label: the draw panel itself, which has no hint.
    hover(page->Panel4, QPoint(page->SpeedButton7->geometry().right() + 3, 18));
    EXPECT_EQ(page->Panel4->childAt(page->SpeedButton7->geometry().right() + 3, 18), nullptr);
    EXPECT_EQ(w.form.statusText(1), "");
}

// ---- Qt's own dialog texts ---------------------------------------------------------------------

TEST(QtTranslations, MapTheProgramsCodesToQts)
{
    const QStringList ours{"de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"};
    const QStringList qts{"de", "en", "fr", "es", "tr", "ru", "nl", "cs", "pl"};
    for (int i = 0; i < ours.size(); ++i) EXPECT_EQ(qtLanguageFor(ours[i]), qts[i]) << ours[i].toStdString();
    // Every language of the menu has Qt's translation on this machine (qt6-translations-l10n).
    for (const QString& code : ours) EXPECT_TRUE(loadQtTranslations(code)) << code.toStdString();
    loadQtTranslations("de");
}

// The buttons of the question a real message box shows, read while it is open; answered "No".
QStringList questionButtons(Prompt& prompt)
{
    QStringList texts;
    test::whenModal([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons()) texts << b->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(prompt.question("Tipps löschen", "Sollen alle nicht gesperrten Tipps gelöscht werden?"));
    texts.sort();
    return texts;
}

TEST(QtTranslations, MessageBoxButtonsFollowTheLanguageChoice)
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(10));
    Window w(dir); // starts in German
    QtPrompt real(&w.form);
    EXPECT_EQ(questionButtons(real), (QStringList{"&Ja", "&Nein"}));
    w.form.LanguageClick(1);
    EXPECT_EQ(questionButtons(real), (QStringList{"&No", "&Yes"}));
    w.form.LanguageClick(3);
    EXPECT_EQ(questionButtons(real), (QStringList{"&No", "&Sí"}));
    w.form.LanguageClick(0);
    EXPECT_EQ(questionButtons(real), (QStringList{"&Ja", "&Nein"}));
    QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Abbrechen");
}

// ---- charts ------------------------------------------------------------------------------------

namespace {

BarChart perNumberChart()
{
    BarChart c;
    for (int x = 1; x <= 49; ++x) c.bars.push_back({double(x), double(250 + (x * 37) % 81), BarColor::Green});
    c.bars[6].y = 312;
    c.bars[10].y = 250;
    c.bars[20].y = 330;
    double lo = 1e9, hi = 0;
    for (const auto& b : c.bars) lo = std::min(lo, b.y), hi = std::max(hi, b.y);
    c.leftAxis = AxisLimits{lo, hi};
    return c;
}

} // namespace

TEST(Chart, LabelsEveryNumberAtTheDesignedWindowSize)
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(400));
    Window w(dir);
    w.form.pages()->setCurrentWidget(w.form.diagramm());
    QApplication::processEvents();
    ChartView* chart = w.form.diagramm()->Chart1;
    ASSERT_EQ(chart->barChart().bars.size(), 49u); // the frequency chart of the start
    QStringList expected;
    for (int n = 1; n <= 49; ++n) expected << QString::number(n);
    EXPECT_EQ(chart->bottomAxis()->categoriesLabels(), expected);
    // The axis would shorten two digits to "..."; the view draws every number under its bar,
    // each inside its bar's width, in order, none overlapping, below the plot.
    EXPECT_EQ(chart->bottomAxis()->labelsBrush().color().alpha(), 0);
    EXPECT_EQ(chart->barLabelTexts(), expected);
    const QList<QRectF> rects = chart->barLabelRects();
    const QRectF plot = chart->chart()->plotArea();
    const double perBar = plot.width() / 49;
    for (int i = 0; i < rects.size(); ++i) {
        EXPECT_LE(rects[i].width(), perBar) << i;
        EXPECT_GE(rects[i].top(), plot.bottom()) << i;
        EXPECT_GE(rects[i].height(), 7) << i;
        const double centre = chart->chart()->mapToPosition(QPointF(i, 0), chart->series2()).x();
        EXPECT_NEAR(rects[i].center().x(), centre, 1) << i;
        if (i > 0) {
            EXPECT_LT(rects[i - 1].right(), rects[i].left()) << i;
        }
    }
    // The sum chart keeps a step: some 200 labels would not fit.
    w.form.diagramm()->DateTimePicker2->setDate(QDate(1985, 10, 17));
    w.form.diagramm()->SpeedButton9Click();
    ASSERT_GT(chart->barChart().bars.size(), 100u);
    EXPECT_EQ(chart->bottomAxis()->labelsBrush().color().alpha(), 255);
    EXPECT_TRUE(chart->barLabelTexts().isEmpty());
    EXPECT_LT(chart->bottomAxis()->categoriesLabels().size(), int(chart->barChart().bars.size()) / 2);
}

TEST(Chart, HoveringABarShowsItsValueAndTheRange)
{
    QWidget window;
    window.resize(900, 500);
    auto* chart = new ChartView(&window);
    chart->setGeometry(0, 0, 900, 500);
    chart->setBarChart(perNumberChart());
    window.show();
    QTest::qWait(20);
    const QString range = "kleinster Wert: 250    größter Wert: 330";
    EXPECT_EQ(chart->rangeText(), range);
    EXPECT_EQ(chart->barToolTip(6), "7: 312\n" + range);
    EXPECT_EQ(chart->barToolTip(0), "1: 287\n" + range);
    EXPECT_EQ(chart->barToolTip(49), "");

    const QPointF bar = chart->chart()->mapToPosition(QPointF(6, 290), chart->series2());
    hover(chart->viewport(), chart->mapFromScene(bar));
    hover(chart->viewport(), chart->mapFromScene(bar) + QPoint(0, 2));
    EXPECT_EQ(QToolTip::text(), "7: 312\n" + range);
    // The mouse resting on the bar (the view's hint request) keeps the value shown.
    const QPoint at = chart->mapFromScene(bar) + QPoint(0, 2);
    QHelpEvent rest(QEvent::ToolTip, at, chart->viewport()->mapToGlobal(at));
    QApplication::sendEvent(chart->viewport(), &rest);
    QTest::qWait(400);
    EXPECT_EQ(QToolTip::text(), "7: 312\n" + range);

    chart->setRangeWords("smallest value", "largest value");
    EXPECT_EQ(chart->barToolTip(6), "7: 312\nsmallest value: 250    largest value: 330");
    chart->setBarChart({});
    EXPECT_EQ(chart->rangeText(), "");
    QToolTip::hideText();
}

// ---- date pickers ------------------------------------------------------------------------------

struct Typed {
    const char* text;
    bool finished;
    TypedDate::Kind kind;
    QDate date;
};

class TypedDates : public ::testing::TestWithParam<Typed> {};

TEST_P(TypedDates, AreRead)
{
    const Typed& t = GetParam();
    const TypedDate r = readTypedDate(QString::fromLatin1(t.text), QDate(2005, 4, 2), t.finished);
    EXPECT_EQ(r.kind, t.kind) << t.text;
    if (t.kind == TypedDate::Complete) {
        EXPECT_EQ(r.date, t.date) << t.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, TypedDates,
                         ::testing::Values(Typed{"17.10.1985", false, TypedDate::Complete, QDate(1985, 10, 17)},
                                           Typed{"17101985", false, TypedDate::Complete, QDate(1985, 10, 17)},
                                           Typed{"1.2.2000", false, TypedDate::Complete, QDate(2000, 2, 1)},
                                           Typed{"01/02-2000", false, TypedDate::Complete, QDate(2000, 2, 1)},
                                           Typed{"17.10.198", false, TypedDate::Incomplete, {}},
                                           Typed{"1710198", false, TypedDate::Incomplete, {}},
                                           Typed{"17.10.198", true, TypedDate::Bad, {}},
                                           Typed{"171", true, TypedDate::Bad, {}},
                                           Typed{"1.123", false, TypedDate::Bad, {}},
                                           Typed{"17..", false, TypedDate::Bad, {}},
                                           Typed{"5", true, TypedDate::Complete, QDate(2005, 4, 5)},
                                           Typed{"0503", true, TypedDate::Complete, QDate(2005, 3, 5)},
                                           Typed{"5.3.", true, TypedDate::Complete, QDate(2005, 3, 5)},
                                           Typed{"31.02.2000", false, TypedDate::Complete, QDate()}));

namespace {

struct PickerWindow {
    QWidget window;
    DatePicker* picker = new DatePicker(&window);
    QLineEdit* other = new QLineEdit(&window);
    PickerWindow()
    {
        picker->setGeometry(10, 10, 120, 24);
        other->setGeometry(10, 50, 120, 24);
        picker->setDate(QDate(2005, 4, 2));
        window.show();
        window.activateWindow();
        picker->setFocus();
        QApplication::processEvents();
    }
    void typeFromStart(const QString& text)
    {
        picker->setFocus();
        picker->selectAll();
        QTest::keyClicks(picker, text);
    }
};

} // namespace

TEST(DatePicker, TakesADateTypedInOneGo)
{
    PickerWindow w;
    EXPECT_TRUE(w.picker->calendarPopup());
    w.typeFromStart("17.10.1985");
    EXPECT_EQ(w.picker->date(), QDate(1985, 10, 17));
    EXPECT_EQ(w.picker->text(), "17.10.1985");
    w.typeFromStart("24101985");
    EXPECT_EQ(w.picker->date(), QDate(1985, 10, 24));
    EXPECT_EQ(w.picker->text(), "24.10.1985");
    EXPECT_FALSE(w.picker->isRefused());
    // A day typed alone and confirmed keeps month and year.
    w.typeFromStart("5");
    QTest::keyClick(w.picker, Qt::Key_Return);
    EXPECT_EQ(w.picker->date(), QDate(1985, 10, 24));
    EXPECT_TRUE(w.picker->isRefused()) << "5.10.1985 lies before the first draw";
    w.picker->setDate(QDate(2001, 3, 1));
    w.typeFromStart("9");
    w.other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.picker->date(), QDate(2001, 3, 9));
    EXPECT_EQ(w.picker->text(), "09.03.2001");
}

TEST(DatePicker, RefusesAnEarlyDateVisiblyAndKeepsTheDateShownBefore)
{
    PickerWindow w;
    QStringList refusals;
    QObject::connect(w.picker, &DatePicker::refused, [&](const QString& t) { refusals << t; });
    const QColor normal = w.picker->palette().color(QPalette::Base);
    w.typeFromStart("16101985");
    EXPECT_EQ(w.picker->date(), QDate(2005, 4, 2));
    EXPECT_TRUE(w.picker->isRefused());
    EXPECT_EQ(refusals, QStringList{"16101985"});
    EXPECT_EQ(w.picker->text(), "16101985") << "the typed text stays for correcting";
    EXPECT_NE(w.picker->palette().color(QPalette::Base), normal);
    EXPECT_EQ(QToolTip::text(), "Bitte ein gültiges Datum ab dem 17.10.1985 eingeben");
    // Leaving shows the date kept, still marked.
    w.other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.picker->text(), "02.04.2005");
    EXPECT_TRUE(w.picker->isRefused());
    // A date that does not exist is refused the same way; a good one clears the mark.
    w.typeFromStart("31.02.2000");
    EXPECT_EQ(w.picker->date(), QDate(2005, 4, 2));
    EXPECT_EQ(refusals.size(), 2);
    w.typeFromStart("18.10.1985");
    EXPECT_EQ(w.picker->date(), QDate(1985, 10, 18));
    EXPECT_FALSE(w.picker->isRefused());
    EXPECT_EQ(w.picker->palette().color(QPalette::Base), normal);
    QToolTip::hideText();
}

TEST(DatePicker, DigitsInsideTheFieldStillEditTheirSection)
{
    PickerWindow w;
    w.picker->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(w.picker, "2001");
    w.other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(w.picker->date(), QDate(2001, 4, 2));
    EXPECT_FALSE(w.picker->isRefused());
}

TEST(DatePicker, BothPickersOfTheWindowAreDatePickersWithTheLanguagesText)
{
    test::ProgramDir dir;
    dir.copyInstallData();
    dir.writeArchive(test::syntheticArchive(10));
    Window w(dir);
    auto* end = qobject_cast<DatePicker*>(w.form.datenbank()->DateTimePicker1);
    auto* start = qobject_cast<DatePicker*>(w.form.diagramm()->DateTimePicker2);
    ASSERT_TRUE(end && start);
    w.form.LanguageClick(1);
    EXPECT_EQ(end->refusalText(), "Please enter a valid date from 17.10.1985 on");
    EXPECT_EQ(start->refusalText(), end->refusalText());
    w.form.LanguageClick(0);
    EXPECT_EQ(start->refusalText(), "Bitte ein gültiges Datum ab dem 17.10.1985 eingeben");
}

// ---- ticket number -----------------------------------------------------------------------------

TEST(TicketLabel, ElidesALongNumberAndNamesItInItsHint)
{
    test::ProgramDir dir;
    dir.writeArchive(test::syntheticArchive(10));
    Window w(dir);
    auto* label = qobject_cast<ElidedClickLabel*>(w.form.lottotipp()->Losnummer);
    ASSERT_TRUE(label);
    const QString hint = "hier anklicken um die Scheinnummer einzugeben ";
    w.prompt.inputAnswers.push_back(QString("12345"));
    w.form.EditLosnummer();
    label->repaint();
    EXPECT_EQ(label->shownText(), "Losnummer: 12345");
    EXPECT_EQ(label->toolTip(), hint);

    w.prompt.inputAnswers.push_back(QString("9876543210987654321098765"));
    w.form.EditLosnummer();
    label->repaint();
    EXPECT_NE(label->shownText(), label->text());
    EXPECT_TRUE(label->shownText().contains(QChar(0x2026)));
    EXPECT_TRUE(label->shownText().endsWith("5")) << "the digit checked against the Reintegro stays";
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->shownText()), label->width());
    EXPECT_LE(label->geometry().right(), w.form.lottotipp()->CheckBox16->geometry().left());
    EXPECT_EQ(label->toolTip(), hint.trimmed() + " — Losnummer: 9876543210987654321098765");
    // A hint set anew (a language choice) is kept and extended the same way.
    label->setToolTip("click here to enter the ticket number");
    EXPECT_EQ(label->givenHint(), "click here to enter the ticket number");
    EXPECT_EQ(label->toolTip(), "click here to enter the ticket number — Losnummer: 9876543210987654321098765");
}
