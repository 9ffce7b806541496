// An application object set up as the program body sets up Quorvin's.
#include "tests/support/TestApplication.h"

#include "resources/ProgramSetup.h"

namespace support {

std::unique_ptr<ui::Application> MakeQuorvinApplication() {
    return std::make_unique<ui::Application>(kProgramSetup);
}

}  // namespace support
