#pragma once
// The hand-over to a portal as the running program gives it: the session's prompt, folder,
// opener and hint line.
#include "app/session.h"
#include "online/submission.h"

namespace razoz {

inline HandOver handOverOf(Session& session)
{
    return {session.prompt(), session.programFolder(),
            [&session](const QUrl& url) { return session.openExternally(url); },
            [&session](const QString& text) { session.showStatus(1, text); }, session.text(55)};
}

} // namespace razoz
