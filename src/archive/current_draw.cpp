#include "archive/current_draw.h"

#include "archive/dates.h"

#include <cmath>

namespace razoz {

CurrentDraw CurrentDraw::from(const DrawRecord& r)
{
    CurrentDraw d;
    d.date = r.date;
    for (std::size_t i = 0; i < 6; ++i) d.numbers[i] = r.numbers[i];
    d.complementary = r.complementary;
    d.reintegro = r.reintegro;
    return d;
}

int CurrentDraw::sum() const
{
    int s = 0;
    for (int n : numbers) s += n;
    return s;
}

QString formatDraw(const CurrentDraw& draw, DrawSeparator separator, const QLocale& locale)
{
    const QDate date = fromDays(draw.date);
    QString text = locale.dayName(date.isValid() ? date.dayOfWeek() : 6, QLocale::ShortFormat);
    text += QLatin1Char(' ') + date.toString(QStringLiteral("dd.MM.yy"));
    text += separator == DrawSeparator::Selected ? QStringLiteral("   ") : QStringLiteral("  ");
    for (int n : draw.numbers) text += QStringLiteral("  ") + QString::number(n);
    text += QStringLiteral(" C:") + QString::number(draw.complementary);
    text += QStringLiteral(" R:") + QString::number(draw.reintegro);
    return text;
}

QString formatSum(const CurrentDraw& draw)
{
    return QStringLiteral("QS: ") + QString::number(draw.sum());
}

namespace {

// Reads records by position: a step costs a seek and one read, not a pass over the file.
class PositionReader {
public:
    explicit PositionReader(const QString& path) : file_(path)
    {
        if (!file_.open(QIODevice::ReadOnly))
            throw ArchiveError(QStringLiteral("Die Datei kann nicht geöffnet werden: %1").arg(path));
    }
    qint64 count() const { return file_.size() / qint64(kRecordSize); }
    DrawRecord at(qint64 index)
    {
        DrawRecord r;
        if (!file_.seek(index * qint64(kRecordSize)) ||
            file_.read(reinterpret_cast<char*>(&r), qint64(kRecordSize)) != qint64(kRecordSize))
            throw ArchiveError(QStringLiteral("Lesefehler in der Datei: %1").arg(file_.fileName()));
        return r;
    }

private:
    QFile file_;
};

} // namespace

DrawNavigator::Selection DrawNavigator::selectByDate(DrawArchive& archive, double target)
{
    if (!archive.exists()) return Selection::MissingArchive;
    target = std::nearbyint(target);
    archive.openForReading();
    int counter = 1;
    DrawRecord last;
    const bool empty = archive.atEnd();
    if (!empty) {
        last = archive.readNext();
        if (last.date >= target) current_ = CurrentDraw::from(last);
    }
    while (!archive.atEnd() && target > last.date) {
        last = archive.readNext();
        ++counter;
        if (last.date >= target) current_ = CurrentDraw::from(last);
    }
    index_ = counter - 1;
    if (archive.atEnd() && last.date > 0) current_ = CurrentDraw::from(last);
    archive.close();
    // An empty archive selects nothing: the text on display keeps its separator.
    if (!empty) separator_ = DrawSeparator::Selected;
    return Selection::Selected;
}

void DrawNavigator::showPrevious(DrawArchive& archive, DrawDays days)
{
    PositionReader reader(archive.path());
    const qint64 count = reader.count();
    separator_ = DrawSeparator::Stepped;
    if (count == 0) {
        current_ = CurrentDraw{};
        index_ = 0;
        return;
    }
    qint64 wanted = std::max<qint64>(index_ - 1, 1);
    for (;;) {
        wanted = std::min(wanted, count - 1);
        index_ = int(wanted);
        current_ = CurrentDraw::from(reader.at(wanted));
        if (wanted <= 1 || navigationAccepts(days, current_.date)) return;
        wanted = std::max<qint64>(wanted - 1, 1);
    }
}

void DrawNavigator::showNext(DrawArchive& archive, DrawDays days)
{
    PositionReader reader(archive.path());
    const qint64 count = reader.count();
    separator_ = DrawSeparator::Stepped;
    if (count == 0) {
        current_ = CurrentDraw{};
        index_ = 0;
        return;
    }
    for (qint64 pos = std::min<qint64>(std::max(index_, -1) + 1, count - 1); pos < count; ++pos) {
        const DrawRecord r = reader.at(pos);
        if (navigationAccepts(days, r.date) || pos == count - 1) {
            index_ = int(pos);
            current_ = CurrentDraw::from(r);
            if (navigationAccepts(days, r.date)) return;
            break;
        }
    }
    // The last draw is deselected: go back to the latest accepted draw before it.
    for (qint64 pos = count - 2; pos >= 0; --pos) {
        const DrawRecord r = reader.at(pos);
        if (navigationAccepts(days, r.date)) {
            index_ = int(pos);
            current_ = CurrentDraw::from(r);
            return;
        }
    }
}

} // namespace razoz
