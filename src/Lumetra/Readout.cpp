#include "Lumetra/Readout.h"

#include <cmath>

namespace lumetra {

std::int32_t nominalHertz(std::int32_t rate, double baseFrequency) {
    // volatile: each step is a rounded double, on x87 and with FMA alike.
    volatile double quotient = rate / 11025.0;
    volatile double product = quotient * baseFrequency;
    return static_cast<std::int32_t>(std::trunc(product));
}

} // namespace lumetra
