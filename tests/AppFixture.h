// The library's units and an application set up as Quorvin's, for the whole suite of a fixture
// whose tests show the program's boxes and windows in this process.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "lib/ZDQUnits.h"
#include "tests/support/TestApplication.h"
#include "ui/Application.h"

class QuorvinAppTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        units = std::make_unique<LibraryUnits>();
        app = support::MakeQuorvinApplication();
    }
    static void TearDownTestSuite() {
        app.reset();
        units.reset();
    }

    static inline std::unique_ptr<LibraryUnits> units;
    static inline std::unique_ptr<ui::Application> app;
};
