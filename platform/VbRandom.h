#pragma once

namespace vireo::vb {

// The runtime's uniform pseudo-random generator in [0, 1) (its Rnd function): a 24-bit linear
// congruential generator that starts from the same seed in every run, since the program never
// seeds it. The first draws are 0.7055475, 0.533424, 0.5795186...
class Random {
public:
    double next();

private:
    unsigned seed_ = 0x50000;
};

// The process-wide generator: every caller draws from the one sequence, as from Rnd.
double Rnd();

} // namespace vireo::vb
