#include "ui/draw_selection.h"

#include "app/session.h"
#include "archive/draw_archive.h"
#include "ui/tip_grid.h"

#include <functional>

namespace razoz {

namespace {

void guarded(Session& session, const std::function<void()>& action)
{
    try {
        action();
    } catch (const ArchiveError& e) {
        session.prompt().error(e.message());
    }
}

} // namespace

void selectDrawByDate(Session& session, TipGrid& grid)
{
    guarded(session, [&] {
        DrawArchive archive(session.archivePath());
        if (session.navigator().selectByDate(archive, session.endDate()) == DrawNavigator::Selection::MissingArchive) {
            // The request comes first, so a folder where the file cannot be created still explains it.
            session.prompt().information(QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
            archive.createEmpty();
            return;
        }
        if (session.currentDraw().date > 0) session.announceDrawChanged();
        grid.Komplettcheck();
    });
}

void stepDraw(Session& session, TipGrid& grid, void (DrawNavigator::*step)(DrawArchive&, DrawDays))
{
    guarded(session, [&] {
        DrawArchive archive(session.archivePath());
        (session.navigator().*step)(archive, session.drawDays());
        session.announceDrawChanged();
        grid.Komplettcheck();
    });
}

} // namespace razoz
