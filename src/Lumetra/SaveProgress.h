#pragma once
// The small window a long write shows: which file, how far, and Cancel (Esc).
#include "Lumetra/SaveWavTexts.h"

#include "forms/controls.h"
#include "forms/form.h"

#include <string>

namespace lumetra {

class SaveProgress : public forms::Form {
public:
    SaveProgress();

    // Captions for a new write of `fileName`, the bar empty.
    void prepare(const SaveWavTexts& texts, const std::string& fileName);
    // The bar's filled share, 0 to 1.
    void setFraction(double fraction);

    forms::Label What{*this, "What"};
    forms::Shape BarFrame{*this, "BarFrame"};
    forms::Label Bar{*this, "Bar"};
    forms::CommandButton Cancel{*this, "Cancel"};
};

} // namespace lumetra
