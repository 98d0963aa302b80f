// A weight list (".wgl") of any content: refused as a whole or loaded as 49 entries, and a list
// saved from those entries loads the same again.
#include "fuzz_support.h"
#include "generate/weight_list.h"

using namespace razoz;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    NumberListEntries entries;
    try {
        entries = parseWeightList(fuzz::bytesOf(data, size));
    } catch (const WeightListError&) {
        return 0;
    }
    for (const NumberListEntry& e : entries) {
        const int w = listWeight(e.weight);
        if (w < 0 || w > kMaxListWeight) fuzz::violated("a weight counts outside its bounds");
    }
    // A save writes each weight with its blanks tidied, in Latin-1; weights already in that form
    // must come back as they were.
    bool plain = true;
    for (const NumberListEntry& e : entries) {
        plain = plain && e.weight == e.weight.simplified();
        for (QChar c : e.weight) plain = plain && c.unicode() < 128;
    }
    if (!plain) return 0;
    const NumberListEntries saved = savedWeights(entries);
    NumberListEntries again;
    try {
        again = parseWeightList(formatWeightList(saved));
    } catch (const WeightListError&) {
        fuzz::violated("a saved weight list is refused");
    }
    if (again != saved) fuzz::violated("a saved weight list loads differently");
    return 0;
}
