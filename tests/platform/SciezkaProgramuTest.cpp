#include "platform/SciezkaProgramu.h"

#include <gtest/gtest.h>

namespace orbaklaw::platform {
namespace {

TEST(SciezkaProgramu, NamesTheRunningProgramsFile) {
    const auto program = SciezkaProgramu();
    EXPECT_TRUE(program.is_absolute());
    EXPECT_EQ(program.stem(), "test_platform");
    EXPECT_TRUE(std::filesystem::is_regular_file(program));
}

} // namespace
} // namespace orbaklaw::platform
