// An application object set up as the program body sets up Quorvin's.
#include "tests/support/TestApplication.h"

#include "resources/Product.h"
#include "resources/ResourceIds.h"

namespace support {

std::unique_ptr<ui::Application> MakeQuorvinApplication() {
    auto app = std::make_unique<ui::Application>();
    app->Initialize(GetModuleHandleA(nullptr), QUORVIN_MAINICON, kUnknownErrorText);
    app->SetTitle(QUORVIN_PROGRAM_NAME);
    return app;
}

}  // namespace support
