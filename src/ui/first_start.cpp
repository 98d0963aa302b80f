#include "ui/first_start.h"

#include "app/session.h"
#include "archive/draw_archive.h"
#include "base/day_count.h"
#include "base/prompt.h"
#include "ui/datenbank_actions.h"
#include "ui/long_action_runner.h"
#include "ui/page_datenbank.h"
#include "ui/page_internet.h"
#include "ui/tform1.h"

#include <QDateEdit>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

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

bool offerFirstDraws(TForm1& form, DatenbankActions& actions)
{
    Session& session = form.session();
    InternetPage* internet = form.internet();
    return offerFirstDraws(session.archivePath(), session.prompt(), session.texts(),
                           // The first charts wait for the draws the user chose to get.
                           {[&form, &actions] {
                                actions.importCsv();
                                form.runner().waitUntilIdle();
                            },
                            [&form, &actions](double fromDay) {
                                form.datenbank()->DateTimePicker1->setDate(fromDays(fromDay));
                                actions.updateArchive();
                                form.runner().waitUntilIdle();
                            },
                            internet->ServerURLEdit->text().trimmed(),
                            [internet](const QString& url) { internet->ServerURLEdit->setText(url); },
                            [&form](int panel, const QString& text) { form.setStatus(panel, text); }});
}

} // namespace razoz
