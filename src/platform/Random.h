#pragma once
// The program's one uniform generator of numbers in [0, 1). Deterministic for a given seed, so a
// recorded run can be repeated; reseeded from the clock where the saver asks for it.
#include <cstdint>
#include <cstring>

namespace hq {

class Random {
public:
    explicit Random(std::uint64_t seed = 0x9E3779B97F4A7C15ull) { Seed(seed); }

    void Seed(std::uint64_t seed) {
        m_state = seed ^ 0x853C49E6748FEA9Bull;
        Next();
    }
    // Reseeds from a clock reading such as the seconds since midnight.
    void Randomize(double clockValue) {
        std::uint64_t bits = 0;
        static_assert(sizeof bits == sizeof clockValue);
        std::memcpy(&bits, &clockValue, sizeof bits);
        Seed(bits ^ m_state);
    }
    // A uniform number in [0, 1).
    double Rnd() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    std::uint64_t Next() {  // splitmix64: small, fast and well distributed
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t m_state = 0;
};

}  // namespace hq
