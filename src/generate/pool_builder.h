#pragma once
// Building the number pool of a calculation from the statistics, the last draws and the number list.
#include "base/interface_texts.h"
#include "base/run_control.h"
#include "generate/calculation_settings.h"
#include "generate/generation_observer.h"
#include "generate/number_list.h"
#include "generate/number_pool.h"
#include "generate/reference_draws.h"

#include <optional>
#include <vector>

namespace razoz {

struct PoolBuild {
    NumberPool pool;
    bool cancelled = false; // the number list was closed with "Abbruch"
};

// The steps in their order: consecutive pairs, triples and quads (frequent, then rarest), most and
// least often drawn, longest overdue, neighbours of the last draw, the base block, the removal of
// recent numbers, 1..12 avoided, 1..31 lowered, compaction, and the number list when it is switched
// on and `numberList` is given. The statistics read the archive between the start and the end date
// under the draw-day boxes; each is handed to `observer`. Status texts go to panel 1 of `run`.
// Throws ArchiveError when the archive cannot be read.
PoolBuild buildNumberPool(const CalculationSettings& settings, const QString& archivePath, const ReferenceDraws& ref,
                          const InterfaceTexts& texts, RunControl& run, NumberList* numberList = nullptr,
                          GenerationObserver* observer = nullptr);

// The different numbers of the pool a calculation with these settings draws from (without the
// number list), ascending: the end date moved onto the draw it selects, as the calculation does.
// nullopt when there is no archive file; ArchiveError when it cannot be read.
std::optional<std::vector<int>> calculationPoolNumbers(CalculationSettings settings, const QString& archivePath,
                                                       const InterfaceTexts& texts, RunControl& run);

} // namespace razoz
