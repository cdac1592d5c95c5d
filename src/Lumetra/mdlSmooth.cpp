#include "Lumetra/mdlSmooth.h"

#include "core/conversions.h"

namespace lumetra::mdlSmooth {

void RoundCorners(forms::Form& form, double cornerSize) {
    const forms::ScreenMetrics& metrics = forms::screen();
    forms::Form::RoundRegion region;
    region.width = forms::twipsToPixels(form.width(), metrics.twipsPerPixelX);
    region.height = forms::twipsToPixels(form.height(), metrics.twipsPerPixelY);
    // The corner grows with the screen's DPI as everything else does.
    region.ellipse = rt::toInt32(cornerSize * forms::kTwipsPerPixelAt96Dpi / metrics.twipsPerPixelX);
    form.setRegion(region);
}

} // namespace lumetra::mdlSmooth
