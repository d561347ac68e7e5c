#include "profile/legal_birth.h"

#include "profile/birth_text.h"
#include "profile/profile.h"

namespace zeruda::profile {
namespace {

int numberWithin(std::string_view text, int count) {
  const int value = profileNumber(text);
  return value >= 0 && value < count ? value : 0;
}

}  // namespace

std::optional<SavedLegalPerson> savedLegalPerson(const std::filesystem::path& profile) {
  const LegalPersonProfile saved = readLegalPersonProfile(profile);
  const auto birth = parseBirthText(saved.solarBirth);
  if (!birth) return std::nullopt;
  return SavedLegalPerson{saved.surname + saved.givenName,
                          calendar::DateTime::of(birth->date(), numberWithin(saved.hourText, 24),
                                                 numberWithin(saved.minuteText, 60))};
}

}  // namespace zeruda::profile
