#include "components/RandomSource.h"

ProcessRandom::ProcessRandom() : m_engine(std::random_device{}()) {}

int ProcessRandom::uniform(int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(m_engine);
}
