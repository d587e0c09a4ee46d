// The named texts and the string table agree both ways: every name has its
// text, and the table holds no text without a name.
#include <gtest/gtest.h>

#include <set>

#include "resources/strings.h"

TEST(StringTable, EveryNamedTextIsInTheTableAndNothingElse) {
  std::set<int> named;
  for (TextId id : kTextIds) {
    const char* text = StringTableEntry(id);
    ASSERT_NE(text, nullptr) << "no text for id " << id;
    EXPECT_NE(*text, '\0') << "empty text for id " << id;
    EXPECT_TRUE(named.insert(id).second) << "id " << id << " named twice";
  }
  int entries = 0;
  for (int id = 0; id <= 0xFFFF; ++id) entries += StringTableEntry(id) != nullptr ? 1 : 0;
  EXPECT_EQ(entries, static_cast<int>(named.size()));
}
