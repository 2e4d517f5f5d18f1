#include <gtest/gtest.h>

#include "md4.h"

TEST(Placeholder, Builds) { EXPECT_TRUE(lm::TDCP_md4().SelfTest()); }
