// The draw-results server's answer: whatever arrives, only draws this game can have are taken,
// dated the asked day, and an answer written by the server side reads back the same.
#include "archive/draw_rules.h"
#include "archive/results_answer.h"
#include "fuzz_support.h"

using namespace razoz;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const double date = 40000; // a Saturday in 2009
    const std::vector<DrawRecord> records = parseAnswer(fuzz::bytesOf(data, size), date);
    for (const DrawRecord& r : records) {
        if (r.date != date) fuzz::violated("a record of another day");
        const RecordFault fault = recordFault(r);
        if (fault != RecordFault::None) fuzz::violated("a draw the game cannot have was taken");
    }
    // What razoz-server writes for these records reads back as the same records.
    const std::vector<DrawRecord> again = parseAnswer(answerLines(records, 1), date);
    if (again != records) fuzz::violated("written answer does not read back");
    return 0;
}
