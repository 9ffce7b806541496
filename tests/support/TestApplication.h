// An application object set up as the program body sets up Quorvin's, for tests and
// benchmarks that show the program's boxes and dialogs in their own process.
#pragma once

#include <memory>

#include "ui/Application.h"

namespace support {

std::unique_ptr<ui::Application> MakeQuorvinApplication();

}  // namespace support
