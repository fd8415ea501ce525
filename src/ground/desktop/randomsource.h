#pragma once

#include <random>

// Uniform random numbers in [0, 1), seeded from the clock whenever a caller asks.
class RandomSource
{
public:
    virtual ~RandomSource();
    // Seeds from the time of day, in seconds since midnight.
    virtual void seedFromClock() = 0;
    virtual double next() = 0;
};

class ClockRandomSource : public RandomSource
{
public:
    void seedFromClock() override;
    double next() override;

private:
    std::mt19937 m_engine;
};
