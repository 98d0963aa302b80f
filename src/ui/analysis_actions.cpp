#include "ui/analysis_actions.h"

#include "analysis/analysis_reports.h"
#include "analysis/parameter_analysis.h"
#include "analysis/repeat_analysis.h"
#include "app/session.h"
#include "archive/current_draw.h"
#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "base/day_count.h"
#include "base/run_control.h"
#include "ui/calculation_settings_link.h"
#include "ui/long_action_runner.h"
#include "ui/page_datenbank.h"
#include "ui/page_lottotipp.h"
#include "ui/settings_binder.h"
#include "ui/tform1.h"
#include "ui/tip_grid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

#include <climits>
#include <memory>
#include <optional>

namespace razoz {

namespace {

// The range the seed box names.
constexpr std::uint32_t kMaxSeed = 99999999;
constexpr int kSeedRangeText = 62;
constexpr int kStopCaptionText = 71; // "Analyse &stoppen"

// The number-list box shows off from now until the analysis ends, however it ends.
class NumberListOff {
public:
    explicit NumberListOff(std::function<void(bool)> show) : show_(std::move(show))
    {
        if (show_) show_(true);
    }
    ~NumberListOff()
    {
        if (show_) show_(false);
    }
    NumberListOff(const NumberListOff&) = delete;
    NumberListOff& operator=(const NumberListOff&) = delete;

private:
    std::function<void(bool)> show_;
};

void setLabelColour(QLabel* label, const QColor& colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

std::optional<int> askThreshold(Session& s, int promptText)
{
    const QString preset = QStringLiteral("6");
    const QString answer = s.prompt().inputText(s.text(4), s.text(promptText), preset).value_or(preset);
    const auto n = readWholeNumber(answer);
    if (!n || *n < INT_MIN || *n > INT_MAX) {
        s.prompt().error(notWholeNumberText(answer));
        return std::nullopt;
    }
    return int(*n);
}

void openReport(Session& s, const ReportFile& file)
{
    if (!file.written) {
        s.prompt().error(file.error);
        return;
    }
    s.showStatus(0, QDir::toNativeSeparators(file.path));
    s.openExternally(QUrl::fromLocalFile(file.path));
}

} // namespace

// The button that started an analysis becomes its stop button while the runner runs it.
class AnalysisActions::Busy {
public:
    Busy(AnalysisActions& a, QPushButton* button, Kind kind) : a_(a), button_(button)
    {
        if (button_) {
            caption_ = button_->text();
            button_->setText(a.session_.text(kStopCaptionText));
        }
        a_.runningKind_ = kind;
    }
    ~Busy()
    {
        a_.runningKind_ = Kind::None;
        if (button_) button_->setText(caption_);
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    AnalysisActions& a_;
    QPointer<QPushButton> button_;
    QString caption_;
};

AnalysisActions::AnalysisActions(Session& session, LongActionRunner& runner, Window window)
    : currentFolder([] { return QDir::currentPath(); }), session_(session), runner_(runner), w_(std::move(window))
{
}

AnalysisActions::~AnalysisActions() = default;

void AnalysisActions::showSearchState(const SearchResult& state)
{
    for (int r = 0; r < kTipRows; ++r) {
        const auto& label = state.labels[std::size_t(r)];
        if (!label) continue;
        QLabel* hit = w_.grid->hitLabel(r);
        hit->setText(label->text);
        setLabelColour(hit, label->red ? QColor(Qt::red) : QColor(Qt::black));
    }
    if (state.examined) {
        session_.navigator().setCurrent(state.lastDraw, session_.currentDrawIndex(), DrawSeparator::Stepped);
        if (w_.showDraw) w_.showDraw(state.lastDraw);
    }
}

void AnalysisActions::SpeedButton4Click()
{
    if (runner_.busy()) return;
    const auto threshold = askThreshold(session_, 5);
    if (!threshold) return;
    // What the search looks at is read now; it runs on the worker with these values.
    SearchOptions options;
    options.start = session_.calculation().snapshot().rangeStart;
    options.end = w_.endPicker ? toDays(w_.endPicker->date()) : session_.endDate();
    options.days = session_.drawDays();
    options.threshold = *threshold;
    options.losnummer = session_.ticketNumber();
    const QString archivePath = session_.archivePath();
    const TipRows rows = w_.grid->texts();
    const QString caption = session_.text(8);
    const InterfaceTexts texts = session_.texts();
    struct Outcome {
        std::optional<SearchResult> result;
        QString failure;
    };
    const auto outcome = std::make_shared<Outcome>();
    auto job = [this, options, archivePath, rows, caption, texts, outcome](RunControl&, Prompt& prompt) {
        try {
            const auto reply = [&](const SearchReport& report, const SearchResult& sofar) {
                // The hit is shown before the question about it.
                runner_.onWindow([this, sofar] { showSearchState(sofar); });
                return prompt.question(caption, searchReportText(texts, report.date));
            };
            outcome->result = searchTips(archivePath, rows, options, reply);
        } catch (const ArchiveError& e) {
            outcome->failure = e.message();
        }
    };
    runner_.start(std::move(job), [this, outcome, threshold = options.threshold] {
        if (outcome->result) {
            showSearchState(*outcome->result);
            session_.showStatus(1, searchChanceText(*outcome->result, threshold));
        }
        if (!outcome->failure.isEmpty()) session_.prompt().error(outcome->failure);
    });
}

bool AnalysisActions::stopIfRunning(Kind kind)
{
    if (runningKind_ == kind) runner_.requestStop();
    return runner_.busy(); // a click that slipped through while another action runs
}

void AnalysisActions::BitBtn9Click()
{
    if (stopIfRunning(Kind::Parameters)) return;
    // The replayed calculations never show the number list; the box says so while they run.
    auto numberListOff = std::make_shared<NumberListOff>(w_.showNumberListOff);
    const double from = w_.endPicker ? toDays(w_.endPicker->date()) : session_.endDate();
    if (w_.selectDrawByDate) w_.selectDrawByDate();

    RandomGenerator& random = RandomGenerator::shared();
    // The proposal lies within the range the caption names; "Abbrechen" runs nothing.
    const QString preset = QString::number(random.seed() % kMaxSeed + 1);
    const auto answer =
        session_.prompt().inputText(session_.text(30) + QStringLiteral(" (1-99999999)?"), session_.text(31), preset);
    if (!answer) return;
    const auto seed = readWholeNumber(*answer);
    if (!seed) {
        session_.prompt().information(session_.text(34));
        return;
    }
    if (*seed < 1 || *seed > kMaxSeed) {
        session_.prompt().information(session_.text(kSeedRangeText));
        return;
    }
    session_.showStatus(1, session_.text(31) + QLatin1Char(' ') + QString::number(*seed));

    ParameterAnalysisOptions options;
    options.from = from;
    options.seed = std::uint32_t(*seed);
    options.onlyAfterThree = w_.checkBox31 && w_.checkBox31->isChecked();
    for (int r = 0; r < kTipRows; ++r)
        if (w_.grid->rowLocked(r)) options.locked[std::size_t(r)] = w_.grid->rowTexts(r);
    options.losnummer = session_.ticketNumber();

    // The replayed calculations read the settings as the user edits them meanwhile.
    const auto result = std::make_shared<ParameterAnalysisResult>();
    auto busy = std::make_shared<Busy>(*this, w_.parameterButton, Kind::Parameters);
    auto job = [this, result, options, archivePath = session_.archivePath(), texts = session_.texts()](RunControl& run,
                                                                                                       Prompt&) {
        *result =
            runParameterAnalysis(session_.calculation(), archivePath, options, run, RandomGenerator::shared(), texts);
    };
    runner_.start(std::move(job),
                  [this, result, options, busy, numberListOff]() mutable {
                      busy.reset();
                      numberListOff.reset();
                      showParameterAnalysis(*result, options);
                  },
                  {w_.parameterButton});
}

void AnalysisActions::showParameterAnalysis(const ParameterAnalysisResult& result,
                                            const ParameterAnalysisOptions& options)
{
    // The window where the last pass left it: its rows checked against its draw.
    if (result.calculations > 0)
        for (int r = 0; r < kTipRows; ++r)
            if (!options.locked[std::size_t(r)]) w_.grid->setRowTexts(r, result.rows[std::size_t(r)]);
    if (result.hasDraw) {
        session_.navigator().setCurrent(result.draw, result.drawIndex, DrawSeparator::Selected);
        session_.announceDrawChanged();
    }
    w_.grid->Komplettcheck();

    switch (result.end) {
    case AnalysisEnd::Finished: {
        const QByteArray text = plainTextReport(parameterReportLines(result.table, session_.texts()));
        const ReportFile file = writeReport(kParameterReportName, text, currentFolder(), session_.programFolder());
        if (file.fellBack)
            session_.prompt().information(
                QStringLiteral("Der Ordner %1 ist nicht beschreibbar; der Bericht steht in %2")
                    .arg(QDir::toNativeSeparators(currentFolder()), QDir::toNativeSeparators(file.path)));
        openReport(session_, file);
        break;
    }
    case AnalysisEnd::Stopped: session_.showStatus(0, QStringLiteral("Analyse abgebrochen")); break;
    case AnalysisEnd::Declined: break;
    case AnalysisEnd::Failed: session_.prompt().information(session_.text(34)); break;
    }
}

// The question about a match is asked over the draw it concerns: row 1 holds its numbers and the
// draw panel shows it, as the analysis left them before the history pass.
void AnalysisActions::showAnalysedDraw(double date)
{
    DrawArchive archive(session_.archivePath());
    DrawNavigator nav;
    if (nav.selectByDate(archive, date) != DrawNavigator::Selection::Selected) return;
    const CurrentDraw& d = nav.current();
    TipRowTexts row;
    for (std::size_t i = 0; i < row.size(); ++i) row[i] = QString::number(d.numbers[i]);
    w_.grid->SpeedButton11Click();
    w_.grid->setRowTexts(0, row);
    if (w_.showDraw) w_.showDraw(d);
    if (w_.mainWindow) w_.mainWindow->repaint();
}

void AnalysisActions::BitBtn19Click()
{
    if (stopIfRunning(Kind::Repeat)) return;
    const double chosen = w_.endPicker ? toDays(w_.endPicker->date()) : session_.endDate();
    if (w_.selectDrawByDate) w_.selectDrawByDate();
    if (w_.lottotippPage) session_.showPage(w_.lottotippPage);
    const auto threshold = askThreshold(session_, 39);
    if (!threshold) return;

    RepeatAnalysisOptions options;
    options.chosen = chosen;
    options.start = session_.calculation().snapshot().rangeStart;
    options.days = session_.drawDays();
    options.threshold = *threshold;

    const auto result = std::make_shared<RepeatAnalysisResult>();
    auto busy = std::make_shared<Busy>(*this, w_.repeatButton, Kind::Repeat);
    auto job = [this, result, options, archivePath = session_.archivePath(), texts = session_.texts()](RunControl& run,
                                                                                                       Prompt& prompt) {
        *result = runRepeatAnalysis(archivePath, options, run, [&](const RepeatMatch& m) {
            // The question is asked over the draw it concerns, with the normal cursor.
            runner_.onWindow([this, m] {
                QApplication::restoreOverrideCursor();
                showAnalysedDraw(m.draw);
            });
            const bool yes = prompt.question(texts.text(8), repeatMatchText(texts, m.earlier));
            runner_.onWindow([] { QApplication::setOverrideCursor(Qt::WaitCursor); });
            return yes;
        });
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    runner_.start(std::move(job),
                  [this, result, busy]() mutable {
                      QApplication::restoreOverrideCursor();
                      busy.reset();
                      showRepeatAnalysis(*result);
                  },
                  {w_.repeatButton});
}

void AnalysisActions::showRepeatAnalysis(const RepeatAnalysisResult& result)
{
    if (result.passes > 0 || result.end == AnalysisEnd::Declined) {
        w_.grid->SpeedButton11Click();
        w_.grid->setRowTexts(0, result.row1);
    }
    if (result.hasCurrent) {
        if (result.end == AnalysisEnd::Declined) {
            // The earlier draw of the declined match stays current; the picker keeps its date.
            session_.navigator().setCurrent(result.current, result.currentIndex, DrawSeparator::Stepped);
            if (w_.showDraw) w_.showDraw(result.current);
        } else if (result.passes > 0) {
            session_.navigator().setCurrent(result.current, result.currentIndex, DrawSeparator::Stepped);
            session_.announceDrawChanged();
        }
        w_.grid->Komplettcheck();
    }

    switch (result.end) {
    case AnalysisEnd::Finished:
        openReport(session_,
                   writeReport(kRepeatReportName, rtfReport(repeatReportLines(result.table, session_.texts())),
                               session_.programFolder()));
        break;
    case AnalysisEnd::Stopped: session_.showStatus(0, QStringLiteral("Analyse abgebrochen")); break;
    case AnalysisEnd::Declined: break;
    case AnalysisEnd::Failed: session_.prompt().error(result.message); break;
    }
}

std::unique_ptr<AnalysisActions> connectAnalysisActions(TForm1& form)
{
    LottotippPage* lotto = form.lottotipp();
    DatenbankPage* db = form.datenbank();
    AnalysisActions::Window w;
    w.mainWindow = &form;
    w.grid = form.tipGrid();
    w.endPicker = db->DateTimePicker1;
    w.checkBox31 = db->CheckBox31;
    w.parameterButton = db->BitBtn9;
    w.repeatButton = db->BitBtn19;
    w.lottotippPage = lotto;
    w.selectDrawByDate = [&form] { form.SelectDrawByDate(); };
    w.showNumberListOff = [&form](bool off) { form.calculationSettings().showNumberListOff(off); };
    w.showDraw = [lotto, db, &form](const CurrentDraw& d) {
        const QString text = formatDraw(d, form.session().navigator().separator());
        db->Label29->setText(text);
        lotto->Label35->setText(text);
        lotto->Label13->setText(formatSum(d));
    };
    auto actions = std::make_unique<AnalysisActions>(form.session(), form.runner(), std::move(w));
    AnalysisActions* a = actions.get();
    QObject::connect(lotto->SpeedButton4, &QToolButton::clicked, &form, [a] { a->SpeedButton4Click(); });
    QObject::connect(db->BitBtn9, &QPushButton::clicked, &form, [a] { a->BitBtn9Click(); });
    QObject::connect(db->BitBtn19, &QPushButton::clicked, &form, [a] { a->BitBtn19Click(); });
    return actions;
}

} // namespace razoz
