#include "json/name_json.h"

#include <gtest/gtest.h>

namespace zeruda::json {
namespace {

TEST(ScoreJson, KeepsEveryNameWithItsRankFromOne) {
  std::vector<shortlist::ScoredName> names(3);
  for (std::size_t k = 0; k < names.size(); ++k) names[k].name = "n" + std::to_string(k);
  const std::string text = scoreJson(names);
  for (const char* part : {"[{\"rank\":1,\"name\":\"n0\"", ",{\"rank\":2,\"name\":\"n1\"",
                           ",{\"rank\":3,\"name\":\"n2\""}) {
    EXPECT_NE(text.find(part), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace zeruda::json
