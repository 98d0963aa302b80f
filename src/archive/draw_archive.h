#pragma once
// The archive file "dovovuduv.dat": 32-byte draw records, no header, reread in full by every reader.
#include "archive/draw_filter.h"
#include "archive/draw_record.h"

#include <QFile>
#include <QString>

#include <functional>
#include <span>
#include <stdexcept>
#include <vector>

namespace razoz {

inline const QString kArchiveFileName = QStringLiteral("dovovuduv.dat");

// A failed open, read or write of the archive: ends the action in progress, shown as an error.
class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

class DrawArchive {
public:
    explicit DrawArchive(QString path);
    // The archive inside a program folder (with or without trailing separator).
    static DrawArchive inFolder(const QString& programFolder);
    ~DrawArchive();
    DrawArchive(const DrawArchive&) = delete;
    DrawArchive& operator=(const DrawArchive&) = delete;

    const QString& path() const { return path_; }
    bool exists() const;
    // Whole records in the file; a partial tail does not count.
    qint64 recordCount() const;

    // Sequential reading, in blocks; a trailing partial record is never returned.
    void openForReading();
    bool atEnd() const { return pos_ == len_ && remaining_ == 0; }
    DrawRecord readNext();
    void close();

    // Appends after the last whole record, cutting a partial tail first so later records stay aligned.
    // Returns the record that was last before the append (all zero for an empty file).
    DrawRecord append(const DrawRecord& record);
    DrawRecord append(std::span<const DrawRecord> records);

    void createEmpty();
    void createWithFirstDraw();
    void remove();

    // Copies every record through `rule` into the scratch file next to the archive, then `atEnd`,
    // and replaces the archive by an atomic rename; the archive is untouched until the copy is complete.
    using RewriteRule = std::function<void(const DrawRecord&, std::vector<DrawRecord>& out)>;
    using RewriteTail = std::function<void(std::vector<DrawRecord>& out)>;
    void rewriteFiltered(const QString& scratchName, const RewriteRule& rule, const RewriteTail& atEnd = {});

    // Reads every whole record in file order: f(record, index).
    template <class F> void forEach(F&& f)
    {
        openForReading();
        qint64 index = 0;
        while (!atEnd()) f(readNext(), index++);
        close();
    }
    // Reads the records that pass the filter.
    template <class F> void forEachFiltered(const DrawFilter& filter, F&& f)
    {
        forEach([&](const DrawRecord& r, qint64 index) {
            if (filter.accepts(r)) f(r, index);
        });
    }
    std::vector<DrawRecord> readAll();

private:
    void fill();
    [[noreturn]] void fail(const QString& what) const;

    QString path_;
    QFile file_;
    static constexpr qint64 kBlock = 512;
    std::vector<DrawRecord> buffer_;
    qint64 pos_ = 0, len_ = 0, remaining_ = 0;
};

} // namespace razoz
