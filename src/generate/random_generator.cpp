#include "generate/random_generator.h"

#include <QDateTime>
#include <QTime>

namespace razoz {

void RandomGenerator::seedFromClock()
{
    // Milliseconds since midnight, as a clock-seeded generator of this kind always did.
    seed_ = std::uint32_t(QTime::currentTime().msecsSinceStartOfDay());
}

RandomGenerator& RandomGenerator::shared()
{
    static RandomGenerator generator;
    return generator;
}

} // namespace razoz
