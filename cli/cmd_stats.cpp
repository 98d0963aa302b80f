// stats KIND: one statistic of the archive as the "Diagramm" page would chart it.
#include "cli.h"

#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "stats/statistics.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringDecoder>

#include <cmath>

namespace razoz::cli {

namespace {

// The code page of a language's 8-bit message files.
const char* codePageFor(const QString& code)
{
    if (code == QLatin1String("cz") || code == QLatin1String("pl")) return "windows-1250";
    if (code == QLatin1String("ru")) return "windows-1251";
    if (code == QLatin1String("tr")) return "windows-1254";
    return "windows-1252";
}

// The numbered texts of a language: "land/meldungen.txt.<code>" in the program folder. A byte-order
// mark decides the encoding, else UTF-8 when the bytes are valid UTF-8, else the language's code page.
// A missing file gives empty texts: the titles then hold separators and numbers only.
InterfaceTexts loadMessages(const QString& programFolder, const QString& code)
{
    QFile file(programFolder + QStringLiteral("land/meldungen.txt.") + code);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    QString text;
    if (auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom);
        text = decoder(bytes);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8(bytes);
        if (utf8.hasError()) {
            QStringDecoder cp(codePageFor(code));
            text = cp.isValid() ? cp(bytes) : QString::fromLatin1(bytes);
        }
    }
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast(); // a final line end adds no line
    return InterfaceTexts(lines);
}

// The stored start date as the desktop program applies it at start-up: absent → 02.04.2005,
// present but unreadable → 17.10.1985, and 17.10.1985 again when it lies within the last seven days
// or in the future.
double storedStartDate(const CliContext& ctx)
{
    const QString key = QStringLiteral("DateTimePicker2");
    double start = toDays(QDate(2005, 4, 2));
    if (ctx.settings().contains(key)) {
        const auto stored = ctx.dateSetting(key);
        start = stored && std::isfinite(*stored) && fromDays(*stored).isValid() ? *stored : kEarliestDrawDay;
    }
    if (start > today() - 7) start = kEarliestDrawDay;
    return start;
}

const char* colourName(BarColor c)
{
    switch (c) {
    case BarColor::Red: return "red";
    case BarColor::Green: return "green";
    case BarColor::Series: return "series";
    }
    return "series";
}

} // namespace

int statsCommand(CliContext& ctx)
{
    const QString kind = ctx.takeWord(QStringLiteral("statistic (frequency, overdue, sums, reintegro, "
                                                     "reintegro-overdue, pairs, triples, quads, primes, odd, "
                                                     "even)"));
    const auto statistic = statisticFromName(kind);
    if (!statistic) throw UsageError(QStringLiteral("unknown statistic: %1").arg(kind));
    const auto start = ctx.takeOption(QStringLiteral("--start"));
    const auto end = ctx.takeOption(QStringLiteral("--end"));
    DrawDays days{ctx.boolSetting(QStringLiteral("Chekcbox16"), true),
                  ctx.boolSetting(QStringLiteral("Chekcbox17"), true)};
    if (!days.saturday && !days.thursday) days = {true, true}; // at least one draw day, as at start-up
    if (ctx.takeFlag(QStringLiteral("--no-saturday"))) days.saturday = false;
    if (ctx.takeFlag(QStringLiteral("--no-thursday"))) days.thursday = false;
    ctx.expectNoMore();

    StatsRange range;
    range.start = start ? parseDateOption(QStringLiteral("--start"), *start) : storedStartDate(ctx);
    range.end = end ? parseDateOption(QStringLiteral("--end"), *end) : today();
    range.days = days;

    const DrawArchive archive = DrawArchive::inFolder(ctx.programFolder());
    if (!archive.exists()) throw Failure(QStringLiteral("no archive at %1").arg(archive.path()));
    BarChart chart;
    try {
        chart = runStatistic(*statistic, archive.path(), range,
                             loadMessages(ctx.programFolder(), ctx.languageCode()));
    } catch (const ArchiveError& e) {
        throw Failure(QStringLiteral("%1: %2").arg(archive.path(), e.message()));
    }

    if (ctx.json()) {
        QJsonArray bars;
        for (const auto& b : chart.bars)
            bars.append(QJsonObject{{"x", b.x}, {"y", b.y}, {"color", QLatin1String(colourName(b.color))}});
        QJsonValue axis = QJsonValue::Null;
        if (chart.leftAxis) axis = QJsonObject{{"min", chart.leftAxis->min}, {"max", chart.leftAxis->max}};
        ctx.printJson(QJsonObject{{"bars", bars}, {"axis", axis}, {"title", chart.title}});
        return 0;
    }
    ctx.out() << chart.title << '\n';
    if (chart.leftAxis)
        ctx.out() << "axis: " << chart.leftAxis->min << ".." << chart.leftAxis->max << '\n';
    else
        ctx.out() << "axis: automatic\n";
    for (const auto& b : chart.bars) {
        ctx.out() << QStringLiteral("%1 %2").arg(b.x, 3).arg(b.y, 6);
        if (b.color != BarColor::Series) ctx.out() << ' ' << colourName(b.color);
        ctx.out() << '\n';
    }
    return 0;
}

} // namespace razoz::cli
