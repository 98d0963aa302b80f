#include "archive/archive_health.h"

#include "archive/dates.h"
#include "archive/draw_rules.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <set>

namespace razoz {

namespace {

// The draw calendar as it really was. A span without end runs on.
struct DrawDaySpan {
    int weekday;
    QDate from, to;
};
const DrawDaySpan kDrawDays[] = {
    {Thursday, QDate(1985, 10, 17), {}},
    {Saturday, QDate(1990, 5, 19), QDate(1990, 8, 30)},
    {Saturday, QDate(1991, 6, 15), {}},
    {Monday, QDate(2022, 7, 11), {}},
};
struct NoDrawSpan {
    QDate from, to;
};
const NoDrawSpan kNoDraws[] = {
    {QDate(1985, 12, 26), QDate(1985, 12, 26)},
    {QDate(1986, 12, 25), QDate(1986, 12, 25)},
    {QDate(2020, 3, 15), QDate(2020, 5, 20)},
};

const char* fieldOf(RecordFault fault)
{
    switch (fault) {
    case RecordFault::Date: return "date";
    case RecordFault::Number: return "number";
    case RecordFault::Complementary: return "complementary";
    case RecordFault::Reintegro: return "reintegro";
    case RecordFault::Digit: return "digit";
    default: return "";
    }
}

} // namespace

bool isRealDrawDay(double date)
{
    const QDate d = fromDays(date);
    if (!d.isValid() || date != std::floor(date)) return false;
    for (const auto& no : kNoDraws)
        if (d >= no.from && d <= no.to) return false;
    const int wd = weekdayOf(date);
    for (const auto& span : kDrawDays)
        if (span.weekday == wd && d >= span.from && (!span.to.isValid() || d <= span.to)) return true;
    return false;
}

QString kindName(HealthProblem::Kind kind)
{
    switch (kind) {
    case HealthProblem::Kind::OutOfOrder: return QStringLiteral("out-of-order");
    case HealthProblem::Kind::DuplicateDate: return QStringLiteral("duplicate-date");
    case HealthProblem::Kind::OutOfRange: return QStringLiteral("out-of-range");
    case HealthProblem::Kind::RepeatedNumber: return QStringLiteral("repeated-number");
    case HealthProblem::Kind::PartialRecord: return QStringLiteral("partial-record");
    case HealthProblem::Kind::MissingDrawDay: return QStringLiteral("missing-draw-day");
    }
    return {};
}

HealthReport checkArchiveHealth(DrawArchive& archive)
{
    using Kind = HealthProblem::Kind;
    HealthReport report;
    std::set<double> dates;
    double previous = 0, first = 0, last = 0;
    bool any = false;
    archive.forEach([&](const DrawRecord& r, qint64 index) {
        ++report.records;
        const RecordFault fault = recordFault(r);
        if (fault == RecordFault::RepeatedNumber)
            report.problems.push_back({Kind::RepeatedNumber, index, r.date, faultText(fault, r)});
        else if (fault != RecordFault::None)
            report.problems.push_back({Kind::OutOfRange, index, r.date, QString::fromLatin1(fieldOf(fault))});
        if (index > 0 && r.date < previous) report.problems.push_back({Kind::OutOfOrder, index, r.date, {}});
        previous = r.date;
        if (fault == RecordFault::Date) return;
        if (!dates.insert(r.date).second) report.problems.push_back({Kind::DuplicateDate, index, r.date, {}});
        first = any ? std::min(first, r.date) : r.date;
        last = any ? std::max(last, r.date) : r.date;
        any = true;
    });
    const qint64 tail = QFileInfo(archive.path()).size() % qint64(kRecordSize);
    if (tail) report.problems.push_back({Kind::PartialRecord, report.records, 0, QString::number(tail)});
    report.lastDate = any ? last : 0;
    if (any) {
        for (double d = first; d <= last; ++d)
            if (isRealDrawDay(d) && !dates.count(d)) report.problems.push_back({Kind::MissingDrawDay, -1, d, {}});
    }
    return report;
}

double lastRealDrawDayBefore(double today)
{
    for (double d = std::floor(today) - 1; d >= kEarliestDrawDay; --d)
        if (isRealDrawDay(d)) return d;
    return 0;
}

QString healthSummary(const HealthReport& report, const InterfaceTexts& texts, double today, const QLocale& locale)
{
    using Kind = HealthProblem::Kind;
    QString text = report.records == 1 ? texts.text(65) : texts.text(64).arg(report.records);
    QStringList missing;
    int other = 0;
    for (const auto& p : report.problems) {
        if (p.kind == Kind::MissingDrawDay)
            missing << locale.dayName(fromDays(p.date).dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
                           formatDate(p.date);
        else
            ++other;
    }
    if (!missing.isEmpty())
        text += QStringLiteral("; ") +
                texts.text(67).arg(missing.size() <= 3 ? missing.join(QStringLiteral(", "))
                                                       : texts.text(68).arg(missing.size()).arg(missing.first()));
    if (other) text += QStringLiteral("; ") + texts.text(69).arg(other);
    // Reads as a whole archive only when it is also up to date.
    const double due = lastRealDrawDayBefore(today);
    const bool stale = report.records > 0 && report.lastDate > 0 && report.lastDate < due;
    if (report.problems.empty() && !stale) text += QStringLiteral(", ") + texts.text(66);
    if (stale) text += QStringLiteral("; ") + texts.text(70).arg(formatDate(report.lastDate));
    return text;
}

} // namespace razoz
