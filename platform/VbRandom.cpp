#include "platform/VbRandom.h"

namespace vireo::vb {

double Random::next()
{
    seed_ = (seed_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<double>(seed_) / 16777216.0;
}

double Rnd()
{
    static Random generator;
    return generator.next();
}

} // namespace vireo::vb
