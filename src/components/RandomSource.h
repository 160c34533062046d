#pragma once

#include <random>

// The one source of chance of the program. The process owns one generator, seeded once at start;
// tests hand in their own sources to make draws predictable.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number from lo to hi, both included, every value equally likely. Requires lo <= hi.
    virtual int uniform(int lo, int hi) = 0;
};

// Uniform draws from a Mersenne twister seeded once from std::random_device.
class ProcessRandom final : public RandomSource {
public:
    ProcessRandom();
    int uniform(int lo, int hi) override;

private:
    std::mt19937 m_engine;
};
