#pragma once
// The report files of the analyses, overwritten by every run: "Test.txt" (plain text, CR LF) and
// "Test.rtf" (rich text). Both are written to a scratch file first and renamed into place.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace razoz {

inline const QString kParameterReportName = QStringLiteral("Test.txt");
inline const QString kRepeatReportName = QStringLiteral("Test.rtf");

// Every line followed by CR LF, UTF-8 without a byte-order mark.
QByteArray plainTextReport(const QStringList& lines);
// One paragraph per line; characters outside ASCII as Unicode escapes, so any language reads
// back in every word processor.
QByteArray rtfReport(const QStringList& lines);

struct ReportFile {
    bool written = false;
    QString path;          // where it went (or, on failure, where it was meant to go)
    bool fellBack = false; // the preferred folder could not be written: it went to the fallback
    QString error;         // why nothing could be written
};

// Writes `bytes` as `name` into `folder`; when that fails and a different `fallbackFolder` is
// given, into that one instead.
ReportFile writeReport(const QString& name, const QByteArray& bytes, const QString& folder,
                       const QString& fallbackFolder = {});

} // namespace razoz
