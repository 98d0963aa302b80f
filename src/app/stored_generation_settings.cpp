#include "app/stored_generation_settings.h"

#include "archive/dates.h"

namespace razoz {

namespace {

// The check boxes and spin controls the calculation reads, by the number of their getter.
constexpr std::pair<int, BoolKey> kChecks[] = {
    {1, key::PreferFrequentPairs},
    {2, key::PreferMostDrawn},
    {3, key::DemandMaxOverlap},
    {4, key::LimitSharedWithLastDraw},
    {5, key::LimitSharedWithSecondLastDraw},
    {6, key::PreferFrequentTriples},
    {7, key::PreferFrequentQuads},
    {8, key::DemandConsecutivePair},
    {9, key::AvoidPastDrawHits},
    {10, key::PreferOverdue},
    {11, key::PreferRarestPairs},
    {12, key::PreferRarestTriples},
    {13, key::PreferRarestQuads},
    {14, key::PreferLeastDrawn},
    {15, key::DrawOnlyPreferred},
    {16, key::CountSaturdayDraws},
    {17, key::CountThursdayDraws},
    {18, key::ForbidConsecutiveTriple},
    {19, key::PreferLastDrawNeighbours},
    {20, key::ShowNumberListFirst},
    {22, key::DemandMinPrimes},
    {23, key::LimitSharedWithThirdLastDraw},
    {24, key::DemandMinOverlap},
    {25, key::DemandMinEven},
    {26, key::DemandMinOdd},
    {27, key::OverlapBoundsForEveryRow},
    {28, key::LimitFirstWindowHits},
    {29, key::AvoidOneToTwelve},
    {30, key::LessWeightUpToThirtyOne},
    {31, key::RecomputeOnlyAfterThree},
    {32, key::PlaysSaturdayOnly},
    {34, key::LimitSecondWindowHits},
    {35, key::ComplementaryCountsAsHit},
};
constexpr std::pair<int, IntKey> kSpins[] = {
    {1, key::LowestSum},
    {2, key::HighestSum},
    {3, key::MaxOverlap},
    {4, key::SharedWithLastDrawLimit},
    {5, key::SharedWithSecondLastDrawLimit},
    {6, key::PastDrawHits},
    {7, key::RunBudgetThousands},
    {8, key::RowsToCompute},
    {9, key::MinOverlap},
    {10, key::MinPrimes},
    {11, key::SharedWithThirdLastDrawLimit},
    {12, key::MostDrawnSharePercent},
    {13, key::OverdueSharePercent},
    {14, key::LeastDrawnSharePercent},
    {15, key::MinEven},
    {16, key::MinOdd},
    {17, key::FirstWindowHits},
    {18, key::FirstWindowDraws},
    {20, key::SecondWindowHits},
    {21, key::SecondWindowDraws},
};

} // namespace

StoredGenerationSettings::StoredGenerationSettings(SettingsValues& values) : values_(values)
{
    load();
}

void StoredGenerationSettings::load()
{
    for (const auto& [n, k] : kChecks) check_[std::size_t(n)] = values_.get(k);
    for (const auto& [n, k] : kSpins) spin_[std::size_t(n)] = values_.get(k);
    start_ = values_.get(key::RangeStartDate);
    end_ = values_.contains(key::RangeEndDate) ? values_.get(key::RangeEndDate) : today();
}

void StoredGenerationSettings::set(BoolKey k, bool value)
{
    values_.set(k, value);
    load();
}

void StoredGenerationSettings::set(IntKey k, int position)
{
    // The control keeps its position within its range; so do the values.
    values_.set(k, position);
    values_.set(k, values_.get(k));
    load();
}

void StoredGenerationSettings::set(DateKey k, double date)
{
    values_.set(k, date);
    load();
}

void StoredGenerationSettings::setDateTimePicker1(double date)
{
    set(key::RangeEndDate, date);
}

void StoredGenerationSettings::setCheckBox8(bool checked)
{
    set(key::DemandConsecutivePair, checked);
}

void StoredGenerationSettings::setUpDown4(int position)
{
    set(key::SharedWithLastDrawLimit, position);
}

void StoredGenerationSettings::setUpDown5(int position)
{
    set(key::SharedWithSecondLastDrawLimit, position);
}

void StoredGenerationSettings::setUpDown6(int position)
{
    set(key::PastDrawHits, position);
}

} // namespace razoz
