#pragma once
// Both wizards ask about a running copy of the product instead of failing
// halfway on a file that cannot be replaced or deleted.
#include "platform/files.h"
#include "platform/message_boxes.h"

#include <string>

namespace wizard {

// While `program` is in use, asks `question` with Retry and Cancel. True once
// it is closed (or was never running); false when the user pressed Cancel.
bool programClosed(platform::FileSystem& files, platform::MessageBoxes& boxes, const std::string& program,
                   const std::string& question, const std::string& title);

} // namespace wizard
