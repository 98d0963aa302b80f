#pragma once
// The real results of every draw from 17.10.1985 to 07.09.2026 (draws.csv beside this file) as
// archive records, for the tests and benchmarks of the tip calculation.
#include "archive/dates.h"
#include "archive/draw_record.h"

#include <QDate>
#include <QFile>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <stdexcept>
#include <vector>

namespace razoz::test {

inline QString realDrawsCsv()
{
#ifdef RAZOZ_SOURCE_DIR
    // Where the build may have shortened __FILE__ (a compiler cache), the source folder still holds.
    return QStringLiteral(RAZOZ_SOURCE_DIR "/tests/generate/draws.csv");
#else
    return QString::fromStdString((std::filesystem::path(__FILE__).parent_path() / "draws.csv").string());
#endif
}

// "dd.mm.yyyy;n1;…;n6;C;R" after one header line; an empty R is 0.
inline std::vector<DrawRecord> realDraws()
{
    QFile f(realDrawsCsv());
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("draws.csv is missing");
    std::vector<DrawRecord> out;
    bool header = true;
    while (!f.atEnd()) {
        const QString line = QString::fromLatin1(f.readLine()).trimmed();
        if (header || line.isEmpty()) {
            header = false;
            continue;
        }
        const QStringList fields = line.split(QLatin1Char(';'));
        if (fields.size() != 9) throw std::runtime_error("draws.csv: a line without nine fields");
        DrawRecord r;
        r.date = toDays(QDate::fromString(fields[0], QStringLiteral("dd.MM.yyyy")));
        for (int i = 0; i < 6; ++i) r.numbers[std::size_t(i)] = std::uint8_t(fields[i + 1].toInt());
        r.complementary = std::uint8_t(fields[7].toInt());
        r.reintegro = std::uint8_t(fields[8].toInt());
        out.push_back(r);
    }
    return out;
}

} // namespace razoz::test
