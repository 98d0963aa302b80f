#include "analysis/parameter_analysis.h"

#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "base/day_count.h"
#include "generate/draw_history.h"

namespace razoz {

namespace {

// The calculation settings as a replayed calculation sees them: everything live from the
// window's settings, except the end date, which is the replay's, and the number list, which
// would stop every pass for the player.
class ReplaySettings : public GenerationSettings {
public:
    explicit ReplaySettings(GenerationSettings& base) : b_(base) {}
    double end = 0;

#define RAZOZ_FORWARD_BOOL(N)                                                                                          \
    bool checkBox##N() const override                                                                                  \
    {                                                                                                                  \
        return b_.checkBox##N();                                                                                       \
    }
#define RAZOZ_FORWARD_INT(N)                                                                                           \
    int upDown##N() const override                                                                                     \
    {                                                                                                                  \
        return b_.upDown##N();                                                                                         \
    }
    RAZOZ_FORWARD_BOOL(1)
    RAZOZ_FORWARD_BOOL(2)
    RAZOZ_FORWARD_BOOL(3)
    RAZOZ_FORWARD_BOOL(4)
    RAZOZ_FORWARD_BOOL(5)
    RAZOZ_FORWARD_BOOL(6)
    RAZOZ_FORWARD_BOOL(7)
    RAZOZ_FORWARD_BOOL(8)
    RAZOZ_FORWARD_BOOL(9)
    RAZOZ_FORWARD_BOOL(10)
    RAZOZ_FORWARD_BOOL(11)
    RAZOZ_FORWARD_BOOL(12)
    RAZOZ_FORWARD_BOOL(13)
    RAZOZ_FORWARD_BOOL(14)
    RAZOZ_FORWARD_BOOL(15)
    RAZOZ_FORWARD_BOOL(16)
    RAZOZ_FORWARD_BOOL(17)
    RAZOZ_FORWARD_BOOL(18)
    RAZOZ_FORWARD_BOOL(19)
    RAZOZ_FORWARD_BOOL(22)
    RAZOZ_FORWARD_BOOL(23)
    RAZOZ_FORWARD_BOOL(24)
    RAZOZ_FORWARD_BOOL(25)
    RAZOZ_FORWARD_BOOL(26)
    RAZOZ_FORWARD_BOOL(27)
    RAZOZ_FORWARD_BOOL(28)
    RAZOZ_FORWARD_BOOL(29)
    RAZOZ_FORWARD_BOOL(30)
    RAZOZ_FORWARD_BOOL(34)
    RAZOZ_FORWARD_BOOL(35)
    RAZOZ_FORWARD_INT(1)
    RAZOZ_FORWARD_INT(2)
    RAZOZ_FORWARD_INT(3)
    RAZOZ_FORWARD_INT(4)
    RAZOZ_FORWARD_INT(5)
    RAZOZ_FORWARD_INT(6)
    RAZOZ_FORWARD_INT(7)
    RAZOZ_FORWARD_INT(8)
    RAZOZ_FORWARD_INT(9)
    RAZOZ_FORWARD_INT(10)
    RAZOZ_FORWARD_INT(11)
    RAZOZ_FORWARD_INT(12)
    RAZOZ_FORWARD_INT(13)
    RAZOZ_FORWARD_INT(14)
    RAZOZ_FORWARD_INT(15)
    RAZOZ_FORWARD_INT(16)
    RAZOZ_FORWARD_INT(17)
    RAZOZ_FORWARD_INT(18)
    RAZOZ_FORWARD_INT(20)
    RAZOZ_FORWARD_INT(21)
#undef RAZOZ_FORWARD_BOOL
#undef RAZOZ_FORWARD_INT

    bool checkBox20() const override
    {
        return false;
    }
    double dateTimePicker1() const override
    {
        return end;
    }
    double dateTimePicker2() const override
    {
        return b_.dateTimePicker2();
    }
    void setDateTimePicker1(double date) override
    {
        end = date;
    }
    void setCheckBox8(bool checked) override
    {
        b_.setCheckBox8(checked);
    }
    void setUpDown4(int position) override
    {
        b_.setUpDown4(position);
    }
    void setUpDown5(int position) override
    {
        b_.setUpDown5(position);
    }
    void setUpDown6(int position) override
    {
        b_.setUpDown6(position);
    }

private:
    GenerationSettings& b_;
};

TipRows rowsOf(const GenerationResult& result, const LockedRows& locked)
{
    TipRows rows;
    for (int r = 0; r < kTipRows; ++r) {
        const auto i = std::size_t(r);
        if (locked[i]) {
            rows[i] = *locked[i];
            continue;
        }
        if (result.rows[i][0] == 0) continue;
        for (int c = 0; c < kTipColumns; ++c) rows[i][std::size_t(c)] = QString::number(result.rows[i][std::size_t(c)]);
    }
    return rows;
}

QString tableLine(const QString& label, std::uint32_t weekend, std::uint32_t other)
{
    return label + QStringLiteral("\t=>\t") + QString::number(weekend) + QStringLiteral("\t=>\t") +
           QString::number(other);
}

} // namespace

int replayStep(bool saturday, bool thursday)
{
    return saturday && thursday ? 1 : 6;
}

ParameterAnalysisResult runParameterAnalysis(GenerationSettings& settings, const QString& archivePath,
                                             const ParameterAnalysisOptions& options, RunControl& run,
                                             RandomGenerator& random, const InterfaceTexts& texts)
{
    ParameterAnalysisResult res;
    auto fail = [&](const QString& message) {
        res.end = AnalysisEnd::Failed;
        res.message = message;
        return res;
    };
    std::optional<ArchiveCopy> copy;
    try {
        copy = ArchiveCopy::read(archivePath);
    } catch (const ArchiveError& e) {
        return fail(e.message());
    }
    const ArchiveCopy& archive = *copy;
    // Without a draw no selection can move, and the replay would walk the date on for ever.
    if (archive.empty()) return fail(QStringLiteral("Die Datenbank enthält keine Ziehungen"));

    ReplaySettings replay(settings);
    DrawHistory history(archivePath);
    GenerationHooks hooks;
    hooks.history = &history;

    int index = archive.selectByDate(options.from);
    double picker = archive.at(index).date;
    auto show = [&](int i) {
        res.hasDraw = true;
        res.drawIndex = i;
        res.draw = CurrentDraw::from(archive.at(i));
    };
    show(index);

    double previous = options.from;
    double last = today();
    bool generate = true;
    bool firstPass = true;
    while (last != previous) {
        last = previous;
        random.setSeed(options.seed);
        ParameterPass pass;
        pass.known = picker;
        pass.computed = !options.onlyAfterThree || generate;
        if (pass.computed) {
            replay.end = picker;
            const GenerationResult g = generateTips(replay, archivePath, options.locked, run, random, texts, hooks);
            ++res.calculations;
            if (!g.rowsWritten || g.end == GenerationEnd::ArchiveFailure) return fail(g.message);
            res.rows = rowsOf(g, options.locked);
        }
        if (run.stopRequested()) {
            res.end = AnalysisEnd::Stopped;
            return res;
        }

        const double before = picker;
        index = archive.selectByDate(picker + replayStep(settings.checkBox16(), settings.checkBox17()));
        picker = archive.at(index).date;
        show(index);
        ++res.table.draws;
        res.check = Komplettcheck(res.rows, res.draw, options.losnummer);
        const int wd = weekdayOf(picker);
        const bool weekend = wd == Saturday || wd == Sunday;
        int scored = 0;
        for (int h = 0; h <= kMaxHits; ++h) {
            auto& line = res.table.counts[std::size_t(h)];
            const auto& tally = res.check.tally[h];
            line[weekend ? ParameterAnalysisTable::WeekendPlain : ParameterAnalysisTable::OtherPlain] +=
                std::uint32_t(tally[0]);
            line[weekend ? ParameterAnalysisTable::WeekendComplementary : ParameterAnalysisTable::OtherComplementary] +=
                std::uint32_t(tally[1]);
            if (h >= 3) scored += tally[0] + tally[1];
        }
        generate = scored != 0;
        pass.checked = picker;
        pass.scored = scored;
        res.passes.push_back(pass);
        previous = picker;
        run.status(0, formatDate(picker));
        // The last draw is checked a second time and ends the replay; a selection that falls back
        // (an archive out of order) ends it too instead of going round in circles.
        if (!firstPass && !(picker > before)) break;
        firstPass = false;
    }
    return res;
}

QStringList parameterReportLines(const ParameterAnalysisTable& table, const InterfaceTexts& texts)
{
    using T = ParameterAnalysisTable;
    QStringList lines;
    lines << texts.text(33);
    for (int h = 0; h <= 6; ++h) {
        const auto& c = table.counts[std::size_t(h)];
        lines << tableLine(QString::number(h) + QStringLiteral("x"), c[T::WeekendPlain], c[T::OtherPlain]);
    }
    for (int h = 0; h <= 5; ++h) {
        const auto& c = table.counts[std::size_t(h)];
        lines << tableLine(QString::number(h) + QStringLiteral("x + ZZ"), c[T::WeekendComplementary],
                           c[T::OtherComplementary]);
    }
    lines << QString() << QString::number(table.draws) + QLatin1Char(' ') + texts.text(1);
    return lines;
}

} // namespace razoz
