#include "ui/first_start.h"

#include "app/day_count.h"
#include "app/prompt.h"
#include "archive/draw_archive.h"

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
    QString question = texts.text(61);
    if (!sources.serverUrl.isEmpty()) question += QStringLiteral("\n") + sources.serverUrl;
    if (!prompt.question(caption, question) || !sources.update) return true;
    // The update continues an archive after its last draw and starts a missing one with the first
    // draw of the game; an empty file holds nothing, so it goes and every draw is loaded.
    const QFileInfo file(archivePath);
    if (file.isFile() && file.size() == 0) QFile::remove(archivePath);
    sources.update(kEarliestDrawDay);
    return true;
}

} // namespace razoz
