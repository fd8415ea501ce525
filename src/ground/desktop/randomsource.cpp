#include "desktop/randomsource.h"

#include <QTime>

#include <cstdint>
#include <cstring>

RandomSource::~RandomSource() = default;

void ClockRandomSource::seedFromClock()
{
    const float seconds = float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    std::uint32_t clockBits = 0;
    std::memcpy(&clockBits, &seconds, sizeof clockBits);
    // The clock is mixed into the running state rather than replacing it, so two seedings
    // within one tick of the clock still go on to different numbers.
    std::seed_seq seeds{clockBits, std::uint32_t(m_engine())};
    m_engine.seed(seeds);
}

double ClockRandomSource::next()
{
    // 32 random bits over 2^32: never 1, and exact in a double.
    return double(m_engine()) / 4294967296.0;
}
