#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Paths.h"

TEST(Paths, FoldersFollowTheEnvironment) {
  EXPECT_EQ(Platform::ConfigFolder(), std::string(std::getenv("TAVRO_CONFIG_DIR")) + "/");
  EXPECT_EQ(Platform::LogFolder(), std::string(std::getenv("XDG_STATE_HOME")) + "/tavro/Log/");
}
