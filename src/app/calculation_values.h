#pragma once
// Which setting each field of the calculation settings comes from, and the value razoz-cli, the
// tests and the analyses compute with: the program's settings values.
#include "app/settings_store.h"
#include "generate/calculation_settings.h"

namespace razoz {

// X(field of CalculationSettings, key constant of the setting)
// clang-format off
#define RAZOZ_CALCULATION_FIELDS(X) \
    X(preferFrequentPairs, PreferFrequentPairs) \
    X(preferRarestPairs, PreferRarestPairs) \
    X(preferFrequentTriples, PreferFrequentTriples) \
    X(preferRarestTriples, PreferRarestTriples) \
    X(preferFrequentQuads, PreferFrequentQuads) \
    X(preferRarestQuads, PreferRarestQuads) \
    X(preferMostDrawn, PreferMostDrawn) \
    X(mostDrawnSharePercent, MostDrawnSharePercent) \
    X(preferLeastDrawn, PreferLeastDrawn) \
    X(leastDrawnSharePercent, LeastDrawnSharePercent) \
    X(preferOverdue, PreferOverdue) \
    X(overdueSharePercent, OverdueSharePercent) \
    X(preferLastDrawNeighbours, PreferLastDrawNeighbours) \
    X(avoidOneToTwelve, AvoidOneToTwelve) \
    X(lessWeightUpToThirtyOne, LessWeightUpToThirtyOne) \
    X(runBudgetThousands, RunBudgetThousands) \
    X(showNumberListFirst, ShowNumberListFirst) \
    X(drawOnlyPreferred, DrawOnlyPreferred) \
    X(rowsToCompute, RowsToCompute) \
    X(countSaturdayDraws, CountSaturdayDraws) \
    X(countThursdayDraws, CountThursdayDraws) \
    X(rangeStart, RangeStartDate) \
    X(rangeEnd, RangeEndDate) \
    X(lowestSum, LowestSum) \
    X(highestSum, HighestSum) \
    X(demandMinPrimes, DemandMinPrimes) \
    X(minPrimes, MinPrimes) \
    X(demandMinEven, DemandMinEven) \
    X(minEven, MinEven) \
    X(demandMinOdd, DemandMinOdd) \
    X(minOdd, MinOdd) \
    X(demandConsecutivePair, DemandConsecutivePair) \
    X(forbidConsecutiveTriple, ForbidConsecutiveTriple) \
    X(demandMinOverlap, DemandMinOverlap) \
    X(minOverlap, MinOverlap) \
    X(demandMaxOverlap, DemandMaxOverlap) \
    X(maxOverlap, MaxOverlap) \
    X(overlapBoundsForEveryRow, OverlapBoundsForEveryRow) \
    X(limitSharedWithLastDraw, LimitSharedWithLastDraw) \
    X(sharedWithLastDrawLimit, SharedWithLastDrawLimit) \
    X(limitSharedWithSecondLastDraw, LimitSharedWithSecondLastDraw) \
    X(sharedWithSecondLastDrawLimit, SharedWithSecondLastDrawLimit) \
    X(limitSharedWithThirdLastDraw, LimitSharedWithThirdLastDraw) \
    X(sharedWithThirdLastDrawLimit, SharedWithThirdLastDrawLimit) \
    X(complementaryCountsAsHit, ComplementaryCountsAsHit) \
    X(avoidPastDrawHits, AvoidPastDrawHits) \
    X(pastDrawHits, PastDrawHits) \
    X(limitFirstWindowHits, LimitFirstWindowHits) \
    X(firstWindowHits, FirstWindowHits) \
    X(firstWindowDraws, FirstWindowDraws) \
    X(limitSecondWindowHits, LimitSecondWindowHits) \
    X(secondWindowHits, SecondWindowHits) \
    X(secondWindowDraws, SecondWindowDraws)
// clang-format on

// The calculation settings of these values; the end of the evaluated range is today when it was
// never set.
CalculationSettings calculationSettingsFrom(const SettingsValues& values);
// Puts the calculation settings back into the values they belong to.
void storeCalculationSettings(const CalculationSettings& settings, SettingsValues& values);

} // namespace razoz
