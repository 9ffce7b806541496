// An application object set up as the program body sets up Quorvin's.
#include "tests/driver/TestApplication.h"

namespace driver {

std::unique_ptr<ui::Application> MakeQuorvinApplication() {
    auto app = std::make_unique<ui::Application>();
    app->Initialize(GetModuleHandleA(nullptr));
    app->SetTitle("Quorvin");
    return app;
}

}  // namespace driver
