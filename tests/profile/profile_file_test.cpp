#include "profile/profile_file.h"

#include "profile/profile.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace zeruda::profile {
namespace {

using test::gbk;

class ProfileBaseScore : public testing::Test {
 protected:
  std::filesystem::path profilePath() const { return folder_ / kProfileFileName; }
  int profileBaseScore() { return profile_.baseScore(); }
  int personalBaseScore() { return profile_.personalBaseScore(); }

  void writeLegal(const char* missing, const char* favourable) {
    LegalPersonProfile profile;
    profile.missingElements = gbk(missing);
    profile.favourable = gbk(favourable);
    ASSERT_TRUE(writeLegalPersonProfile(profilePath(), profile).ok());
  }

  test::TempFolder folder_;
  ProfileFile profile_{profilePath()};
};

TEST_F(ProfileBaseScore, IsZeroWithoutAProfile) {
  EXPECT_EQ(profileBaseScore(), 0);
  EXPECT_EQ(personalBaseScore(), 0);
}

TEST_F(ProfileBaseScore, IsTheStoredNumber) {
  writeLegal("木火", "");
  EXPECT_EQ(profileBaseScore(), 3);
  EXPECT_EQ(personalBaseScore(), 0) << "the personal section is not there";
}

TEST_F(ProfileBaseScore, SeesARewriteOfTheSameSizeAtOnce) {
  // Same file size, written within the same clock tick: only the file's identity
  // tells the two apart.
  writeLegal("木", "土土");
  EXPECT_EQ(profileBaseScore(), 4);
  writeLegal("木火", "土");
  EXPECT_EQ(profileBaseScore(), 3);
}

TEST_F(ProfileBaseScore, SeesAFileEditedInPlace) {
  writeLegal("木", "");
  EXPECT_EQ(profileBaseScore(), 4);
  test::writeFile(profilePath(), gbk("[法人资料]\r\n吉数=2\r\n"));
  EXPECT_EQ(profileBaseScore(), 2);
  std::filesystem::remove(profilePath());
  EXPECT_EQ(profileBaseScore(), 0);
}

TEST_F(ProfileBaseScore, ThePersonalScoreComesFromItsOwnSection) {
  writeLegal("", "");
  PersonalChartProfile chart;
  chart.favourable = gbk("金水");
  writePersonalChartProfile(profilePath(), chart);
  EXPECT_EQ(profileBaseScore(), 5);
  EXPECT_EQ(personalBaseScore(), 3);
}

// A base no chart gives (a hand-edited file) reads as missing, not as a huge base.
TEST_F(ProfileBaseScore, OutsideZeroToFiveReadsAsMissing) {
  const struct {
    const char* stored;
    int base;
  } cases[] = {{"5", 5}, {"0", 0}, {"6", 0}, {"-1", 0}, {"99999999999", 0}, {"x", 0}};
  for (const auto& c : cases) {
    test::writeFile(profilePath(), gbk("[法人资料]\r\n吉数=") + c.stored +
                                       gbk("\r\n[先天八字]\r\n吉数=") + c.stored + "\r\n");
    ProfileFile fresh(profilePath());  // no stamp kept from the case before
    EXPECT_EQ(fresh.baseScore(), c.base) << c.stored;
    EXPECT_EQ(fresh.personalBaseScore(), c.base) << c.stored;
  }
}

TEST_F(ProfileBaseScore, AWorkerReadingWhileTheProfileIsRewrittenSeesOnlyWholeValues) {
  writeLegal("木", "");
  std::atomic<bool> done{false};
  std::atomic<int> wrong{0};
  std::thread worker([&] {
    while (!done) {
      int score = profileBaseScore();
      if (score != 4 && score != 3) ++wrong;
    }
  });
  for (int i = 0; i < 50; ++i) writeLegal(i % 2 ? "木" : "木火", "");
  done = true;
  worker.join();
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace zeruda::profile
