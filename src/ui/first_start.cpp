#include "ui/first_start.h"

#include "archive/draw_archive.h"
#include "base/day_count.h"
#include "base/prompt.h"

#include <QFile>
#include <QFileInfo>

namespace razoz {

bool offerFirstDraws(const QString& archivePath, Prompt& prompt, const InterfaceTexts& texts,
                     const FirstDrawSources& sources)
{
    if (DrawArchive(archivePath).recordCount() > 0) return false;
    const QString caption = texts.text(59);
    // Yes takes the results list; a file choice the user cancels is an answer too.
    if (prompt.question(caption, texts.text(60))) {
        if (sources.importCsv) sources.importCsv();
        return true;
    }
    const auto address = prompt.inputText(caption, texts.text(61), sources.serverUrl);
    if (!address || !sources.update) return true;
    const QString chosen = address->trimmed();
    if (chosen != sources.serverUrl && sources.setServerUrl) sources.setServerUrl(chosen);
    // The update continues an archive after its last draw and starts a missing one with the first
    // draw of the game; an empty file holds nothing, so it goes and every draw is loaded.
    const QFileInfo file(archivePath);
    if (file.isFile() && file.size() == 0) QFile::remove(archivePath);
    sources.update(kEarliestDrawDay);
    // Nothing came: the game's first draw alone is no archive; back to the empty one.
    if (DrawArchive(archivePath).recordCount() <= 1) {
        QFile empty(archivePath);
        if (empty.open(QIODevice::WriteOnly | QIODevice::Truncate)) empty.close();
        if (sources.status) sources.status(0, QString());
        prompt.information(texts.text(72), caption);
    }
    return true;
}

} // namespace razoz
