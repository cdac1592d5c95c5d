#include "mdlSmooth.h"

#include "core/conversions.h"

namespace lumetra::mdlSmooth {

void RoundCorners(forms::Form& form, double cornerSize) {
    const forms::ScreenMetrics& metrics = forms::screen();
    forms::Form::RoundRegion region;
    region.width = rt::toInt32(static_cast<double>(form.width()) / metrics.twipsPerPixelX);
    region.height = rt::toInt32(static_cast<double>(form.height()) / metrics.twipsPerPixelY);
    region.ellipse = rt::toInt32(cornerSize);
    form.setRegion(region);
}

} // namespace lumetra::mdlSmooth
