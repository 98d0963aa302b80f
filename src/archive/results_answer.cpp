#include "archive/results_answer.h"

#include "archive/dates.h"
#include "archive/draw_rules.h"

#include <QStringList>

namespace razoz {

namespace {

const QLatin1String kQueryProgram("Dovovuduv");
const QLatin1String kQueryDateFormat("yyyyMMdd");

} // namespace

QString resultsQuery(double date)
{
    return QStringLiteral("Programm=%1&Datum=%2").arg(kQueryProgram, fromDays(date).toString(kQueryDateFormat));
}

std::optional<double> resultsQueryDay(const QString& programm, const QString& datum)
{
    if (programm != kQueryProgram || datum.size() != 8) return std::nullopt;
    for (const QChar c : datum)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    const QDate date = QDate::fromString(datum, kQueryDateFormat);
    if (!date.isValid()) return std::nullopt;
    return toDays(date);
}

namespace {

// Decimal without sign, blanks around allowed; -1 otherwise.
int readNumber(QStringView text)
{
    return parseSmallNumber(text.trimmed());
}

} // namespace

std::optional<DrawRecord> parseAnswerLine(const QString& line, double date)
{
    QStringView rest(line);
    qsizetype comma = rest.indexOf(QLatin1Char(','));
    if (comma < 0) return std::nullopt;
    rest = rest.mid(comma + 1); // the leading field is not used
    int values[7];
    for (int& v : values) {
        comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0) return std::nullopt;
        v = readNumber(rest.left(comma));
        if (v < 0) return std::nullopt;
        rest = rest.mid(comma + 1);
    }
    const qsizetype semicolon = rest.indexOf(QLatin1Char(';'));
    int reintegro = readNumber(semicolon < 0 ? QStringView() : rest.left(semicolon));
    if (reintegro < 0) reintegro = 0;

    DrawRecord r;
    r.date = date;
    for (std::size_t i = 0; i < 6; ++i) {
        if (values[i] > 255) return std::nullopt;
        r.numbers[i] = std::uint8_t(values[i]);
    }
    if (values[6] > 255 || reintegro > 255) return std::nullopt;
    r.complementary = std::uint8_t(values[6]);
    r.reintegro = std::uint8_t(reintegro);
    const RecordFault fault = recordFault(r);
    if (fault != RecordFault::None && fault != RecordFault::Date) return std::nullopt;
    return r;
}

std::vector<DrawRecord> parseAnswer(const QByteArray& body, double date)
{
    std::vector<DrawRecord> out;
    const QStringList lines = QString::fromLatin1(body).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) continue;
        auto r = parseAnswerLine(line, date);
        if (!r) break;
        out.push_back(*r);
    }
    return out;
}

QByteArray answerLines(const std::vector<DrawRecord>& records, int firstNumber)
{
    QByteArray out;
    int n = firstNumber;
    for (const auto& r : records) {
        out += QByteArray::number(n++);
        for (auto x : r.numbers) out += ',' + QByteArray::number(x);
        out += ',' + QByteArray::number(r.complementary) + ',' + QByteArray::number(r.reintegro) + ";\r\n";
    }
    return out;
}

} // namespace razoz
