// Set-up of the Wine prefix that the GUI tests and the program share.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

class WinePrefixEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ui::PrepareWinePrefix(); }
};

const ::testing::Environment* const kPrefixEnvironment =
    ::testing::AddGlobalTestEnvironment(new WinePrefixEnvironment);

}  // namespace
