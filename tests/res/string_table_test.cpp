#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "res/resource_lookup.h"

namespace {

TEST(StringTableTest, AboutEntryTextCarriesItsMnemonic) {
  ASSERT_NE(FindString(IDS_ABOUTBOX), nullptr);
  EXPECT_STREQ(FindString(IDS_ABOUTBOX), "&About Quillet...");
}

TEST(StringTableTest, IdsWithoutAStringFindNone) {
  for (unsigned id : {0u, 100u, 102u, 128u}) {
    EXPECT_EQ(FindString(id), nullptr) << id;
  }
}

}  // namespace
