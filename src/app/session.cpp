#include "app/session.h"

#include "app/languages.h"
#include "base/day_count.h"

#include <algorithm>

namespace razoz {

Session::Session(QString programFolder, Prompt& prompt, QObject* parent)
    : QObject(parent), programFolder_(std::move(programFolder)), archiveFileName_(kArchiveFileName),
      hitSoundFile_(QStringLiteral("yippee.wav")), prompt_(prompt), texts_(germanInterfaceTexts()), endDate_(today())
{
    if (!programFolder_.endsWith(QLatin1Char('/')) && !programFolder_.endsWith(QLatin1Char('\\')))
        programFolder_ += QLatin1Char('/');
}

void Session::setTexts(const QStringList& lines)
{
    texts_.setLines(lines);
    emit languageChanged();
}

void Session::setLanguage(int sprache)
{
    language_ = sprache;
}

void Session::setTicketNumber(const QString& number)
{
    ticketNumber_ = number;
    emit ticketNumberChanged();
}

} // namespace razoz
