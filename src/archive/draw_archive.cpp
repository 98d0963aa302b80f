#include "archive/draw_archive.h"

#include "archive/archive_rewrite.h"
#include "base/day_count.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <filesystem>

namespace razoz {

DrawRecord firstDraw()
{
    DrawRecord r;
    r.date = kEarliestDrawDay;
    r.numbers = {3, 11, 13, 15, 34, 35};
    r.complementary = 27;
    r.reintegro = 0;
    return r;
}

DrawArchive::DrawArchive(QString path) : path_(std::move(path)) {}

DrawArchive DrawArchive::inFolder(const QString& programFolder)
{
    return DrawArchive(QDir(programFolder).filePath(kArchiveFileName));
}

DrawArchive::~DrawArchive()
{
    close();
}

bool DrawArchive::exists() const
{
    return QFileInfo::exists(path_);
}

qint64 DrawArchive::recordCount() const
{
    return QFileInfo(path_).size() / qint64(kRecordSize);
}

void DrawArchive::fail(const QString& what) const
{
    throw ArchiveError(QStringLiteral("%1: %2").arg(what, QDir::toNativeSeparators(path_)));
}

void DrawArchive::openForReading()
{
    close();
    file_.setFileName(path_);
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        fail(QStringLiteral("Die Datei kann nicht geöffnet werden"));
    remaining_ = file_.size() / qint64(kRecordSize);
    buffer_.resize(kBlock);
    pos_ = len_ = 0;
}

void DrawArchive::fill()
{
    const qint64 want = std::min(remaining_, kBlock);
    const qint64 bytes = want * qint64(kRecordSize);
    char* out = reinterpret_cast<char*>(buffer_.data());
    qint64 got = 0;
    while (got < bytes) {
        const qint64 n = file_.read(out + got, bytes - got);
        if (n <= 0) fail(QStringLiteral("Lesefehler in der Datei"));
        got += n;
    }
    remaining_ -= want;
    pos_ = 0;
    len_ = want;
}

DrawRecord DrawArchive::readNext()
{
    if (pos_ == len_) {
        if (remaining_ == 0) fail(QStringLiteral("Lesen über das Dateiende hinaus"));
        fill();
    }
    return buffer_[std::size_t(pos_++)];
}

void DrawArchive::close()
{
    if (file_.isOpen()) file_.close();
    pos_ = len_ = remaining_ = 0;
}

DrawRecord DrawArchive::append(const DrawRecord& record)
{
    return append(std::span(&record, 1));
}

DrawRecord DrawArchive::append(std::span<const DrawRecord> records)
{
    close();
    QFile f(path_);
    if (!f.open(QIODevice::ReadWrite)) fail(QStringLiteral("Die Datei kann nicht zum Schreiben geöffnet werden"));
    const qint64 whole = f.size() / qint64(kRecordSize) * qint64(kRecordSize);
    if (whole != f.size() && !f.resize(whole))
        fail(QStringLiteral("Der unvollständige Datensatz am Dateiende kann nicht entfernt werden"));
    DrawRecord last;
    if (whole > 0) {
        if (!f.seek(whole - qint64(kRecordSize)) ||
            f.read(reinterpret_cast<char*>(&last), qint64(kRecordSize)) != qint64(kRecordSize))
            fail(QStringLiteral("Lesefehler in der Datei"));
    }
    if (!f.seek(whole)) fail(QStringLiteral("Schreibfehler in der Datei"));
    const qint64 bytes = qint64(records.size_bytes());
    if (bytes && f.write(reinterpret_cast<const char*>(records.data()), bytes) != bytes)
        fail(QStringLiteral("Schreibfehler in der Datei"));
    if (!f.flush()) fail(QStringLiteral("Schreibfehler in der Datei"));
    return last;
}

void DrawArchive::createEmpty()
{
    close();
    QFile f(path_);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("Die Datei kann nicht angelegt werden"));
}

void DrawArchive::createWithFirstDraw()
{
    createEmpty();
    append(firstDraw());
}

void DrawArchive::remove()
{
    close();
    if (exists() && !QFile::remove(path_)) fail(QStringLiteral("Die Datei kann nicht gelöscht werden"));
}

void DrawArchive::rewriteFiltered(const QString& scratchName, const RewriteRule& rule, const RewriteTail& atEnd)
{
    ScratchFile scratch(path_, scratchName);
    std::vector<DrawRecord> out;
    auto flush = [&] {
        scratch.write(out);
        out.clear();
    };
    forEach([&](const DrawRecord& r, qint64) {
        rule(r, out);
        if (out.size() >= std::size_t(kBlock)) flush();
    });
    if (atEnd) atEnd(out);
    flush();
    scratch.commit();
}

std::vector<DrawRecord> DrawArchive::readAll()
{
    std::vector<DrawRecord> all;
    all.reserve(std::size_t(recordCount()));
    forEach([&](const DrawRecord& r, qint64) { all.push_back(r); });
    return all;
}

} // namespace razoz
