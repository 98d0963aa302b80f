// An archive file of any length and content: every reader takes only whole records, the health
// check names a partial tail, stepping never leaves the file, and an append keeps every record.
#include "app/languages.h"
#include "archive/archive_health.h"
#include "archive/current_draw.h"
#include "archive/draw_archive.h"
#include "fuzz_support.h"

#include <QFileInfo>

#include <cstring>

using namespace razoz;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString path = fuzz::writeScratch(kArchiveFileName, bytes);
    const qint64 whole = qint64(size / kRecordSize);
    try {
        DrawArchive archive(path);
        if (archive.recordCount() != whole) fuzz::violated("record count is not size / 32");
        const std::vector<DrawRecord> before = archive.readAll();
        if (qint64(before.size()) != whole) fuzz::violated("readAll returned a partial record");
        if (!before.empty() && std::memcmp(before.data(), data, before.size() * kRecordSize) != 0)
            fuzz::violated("readAll changed a record");

        const HealthReport health = checkArchiveHealth(archive);
        bool partial = false;
        for (const auto& p : health.problems) partial |= p.kind == HealthProblem::Kind::PartialRecord;
        if (partial != (size % kRecordSize != 0)) fuzz::violated("partial tail misreported");
        // A fixed "today" keeps a crash reproducible from its input alone.
        (void)healthSummary(health, InterfaceTexts(germanInterfaceTexts()), 46000.0, QLocale(QLocale::German));

        // The stepping of the draw panel from a target date taken from the data.
        DrawNavigator nav;
        double target = 0;
        if (size >= 8) std::memcpy(&target, data, 8);
        nav.selectByDate(archive, target);
        const DrawDays days{size % 2 == 0, size % 3 == 0};
        for (int i = 0; i < 3; ++i) nav.showPrevious(archive, days);
        for (int i = 0; i < 5; ++i) nav.showNext(archive, days);
        if (nav.index() < 0 || (whole > 0 && nav.index() >= whole)) fuzz::violated("stepped outside the archive");
        (void)formatDraw(nav.current(), nav.separator(), QLocale::c());

        // An append cuts the partial tail and keeps every whole record in place.
        const DrawRecord added = firstDraw();
        archive.append(added);
        // Compared as bytes: a record may hold a NaN date, which equals nothing.
        const std::vector<DrawRecord> after = archive.readAll();
        if (after.size() != before.size() + 1 ||
            (!before.empty() && std::memcmp(after.data(), before.data(), before.size() * kRecordSize) != 0) ||
            std::memcmp(&after.back(), &added, kRecordSize) != 0)
            fuzz::violated("append lost or moved a record");
        if (QFileInfo(path).size() != qint64(after.size() * kRecordSize)) fuzz::violated("append left a partial tail");
    } catch (const ArchiveError&) {
        fuzz::violated("a readable archive file raised an error");
    }
    return 0;
}
