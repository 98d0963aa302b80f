// A results file: either a clear line error or draws the archive may hold, each date once; the
// export of those draws imports again to the same draws.
#include "archive/draw_csv.h"
#include "archive/draw_rules.h"
#include "fuzz_support.h"

#include <set>

using namespace razoz;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<DrawRecord> draws;
    try {
        draws = parseResultsCsv(fuzz::bytesOf(data, size), QStringLiteral("fuzz.csv"));
    } catch (const CsvLineError& e) {
        if (e.line() < 1 || e.message().isEmpty()) fuzz::violated("line error without line or text");
        return 0;
    }
    std::set<double> dates;
    for (const DrawRecord& r : draws) {
        if (recordFault(r) != RecordFault::None) fuzz::violated("a draw the archive may not hold was taken");
        if (!dates.insert(r.date).second) fuzz::violated("a date taken twice");
    }
    QByteArray csv = "Datum;Z1;Z2;Z3;Z4;Z5;Z6;C;R\n";
    for (const DrawRecord& r : draws) csv += resultsCsvLine(r) + '\n';
    try {
        if (parseResultsCsv(csv, QStringLiteral("export.csv")) != draws) fuzz::violated("export does not read back");
    } catch (const CsvLineError&) {
        fuzz::violated("export does not read back");
    }
    return 0;
}
