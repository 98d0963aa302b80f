#include "generate/reference_draws.h"

#include "archive/current_draw.h"

namespace razoz {

namespace {
DrawValues valuesOf(const CurrentDraw& d)
{
    return {d.numbers[0], d.numbers[1], d.numbers[2],    d.numbers[3],
            d.numbers[4], d.numbers[5], d.complementary, d.reintegro};
}
} // namespace

std::optional<ReferenceDraws> captureReferenceDraws(const QString& archivePath, double endDate, DrawDays days)
{
    DrawArchive archive(archivePath);
    DrawNavigator nav;
    if (nav.selectByDate(archive, endDate) == DrawNavigator::Selection::MissingArchive) return std::nullopt;
    ReferenceDraws ref;
    ref.last = valuesOf(nav.current());
    ref.lastDate = nav.current().date;
    nav.showPrevious(archive, days);
    ref.secondLast = valuesOf(nav.current());
    nav.showPrevious(archive, days);
    ref.thirdLast = valuesOf(nav.current());
    return ref;
}

} // namespace razoz
