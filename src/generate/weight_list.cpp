#include "generate/weight_list.h"

#include "base/text_files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace razoz {

NumberListEntries savedWeights(const NumberListEntries& entries)
{
    NumberListEntries out = entries;
    for (NumberListEntry& e : out)
        if (e.checked && e.weight.isEmpty()) e.weight = QStringLiteral("1");
    return out;
}

QByteArray formatWeightList(const NumberListEntries& entries)
{
    QByteArray out;
    for (const NumberListEntry& e : savedWeights(entries)) {
        // A weight is written as the dialog holds it; a line break in it would shift every later number.
        if (e.checked) out += e.weight.simplified().toLatin1();
        out += "\r\n";
    }
    return out;
}

NumberListEntries parseWeightList(const QByteArray& bytes)
{
    QStringList lines = splitLines(QString::fromLatin1(bytes));
    while (lines.size() > kWeightListLines && lines.back().trimmed().isEmpty()) lines.pop_back();
    if (lines.size() != kWeightListLines)
        throw WeightListError(QStringLiteral("Die Datei ist keine Werteliste: sie hat %1 statt %2 Zeilen.")
                                  .arg(lines.size())
                                  .arg(kWeightListLines));
    NumberListEntries entries;
    for (int k = 0; k < kWeightListLines; ++k) {
        const QString line = lines[k].trimmed();
        entries[std::size_t(k)] =
            line.isEmpty() ? NumberListEntry{false, QStringLiteral("1")} : NumberListEntry{true, line};
    }
    return entries;
}

NumberListEntries readWeightList(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw WeightListError(QStringLiteral("Die Werteliste kann nicht geöffnet werden: %1 (%2)")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    try {
        return parseWeightList(bytes);
    } catch (const WeightListError& e) {
        throw WeightListError(QDir::toNativeSeparators(path) + QStringLiteral(": ") + e.text);
    }
}

void writeWeightList(const QString& path, const NumberListEntries& entries)
{
    QSaveFile file(path);
    const QByteArray bytes = formatWeightList(entries);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw WeightListError(QStringLiteral("Die Werteliste kann nicht geschrieben werden: %1 (%2)")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
}

QString proposedWeightListName(const QDate& today)
{
    return today.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + kWeightListExtension;
}

QString steppedWeight(const QString& weight, bool decrement)
{
    bool ok = false;
    long long w = weight.trimmed().toLongLong(&ok);
    if (!ok) w = 0;
    w = std::max<long long>(decrement ? w - 1 : w + 1, 0);
    return QString::number(w);
}

} // namespace razoz
