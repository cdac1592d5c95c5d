#include "Lumetra/SliderTable.h"

namespace lumetra {

// Each rate sits somewhere inside the band of rates that read 400 + n, not at
// a fixed place in it, so the table is kept as it is rather than computed.
const std::array<std::int32_t, kSliderPositions> kSliderRightRates{{
    13397, 13403, 13444, 13480, 13500, 13550, 13570, 13600, 13650, 13680,  //  0..9
    13710, 13740, 13770, 13800, 13850, 13880, 13920, 13950, 13980, 14010,  // 10..19
    14040, 14070, 14110, 14140, 14170, 14200, 14240, 14270, 14300, 14360,  // 20..29
    14380,                                                                 // 30
}};

} // namespace lumetra
