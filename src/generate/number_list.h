#pragma once
// The number list step of a calculation ("Welche Zahlen für die Berechnung"): the user sees every
// number with its weight (its entries in the pool) and may change both before the rows are drawn.
// The dialog implements NumberList; the calculation only sees its outcome.
#include "generate/number_pool.h"

#include <QString>

#include <array>

namespace razoz {

struct NumberListEntry {
    bool checked = false; // the number takes part
    QString weight;       // its weight as the dialog holds it (decimal text; may be anything)
    friend bool operator==(const NumberListEntry&, const NumberListEntry&) = default;
};
// Entry k - 1 is number k.
using NumberListEntries = std::array<NumberListEntry, 49>;

enum class NumberListOutcome {
    Keep,    // OK (Enter): the pool stays as it was built
    Rebuild, // "&Rechnen": the pool is built anew from the list
    Cancel,  // "Abbruch" or closed: the calculation ends at once
};

class NumberList {
public:
    virtual ~NumberList() = default;
    // Shows the list modally; the entries come back as the user left them.
    virtual NumberListOutcome edit(NumberListEntries& entries) = 0;
};

// The list the pool gives: a number is checked when it has an entry, its weight is its count.
NumberListEntries numberListOf(const NumberPool& pool);

// A weight's count for AddToPool: the integer it holds; text that is no integer, and a negative
// one, count as 0. Very large weights are held at kMaxListWeight so a typing slip cannot exhaust
// memory.
inline constexpr int kMaxListWeight = 100000;
int listWeight(const QString& weight);

// BuildPoolFromList: slot 0 stays empty, then every checked number k = 1..49 in order with
// AddToPool and its weight.
NumberPool buildPoolFromList(const NumberListEntries& entries);

} // namespace razoz
