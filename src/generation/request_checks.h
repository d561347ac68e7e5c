#pragma once

#include "generation/company_form.h"
#include "text/result.h"
#include "text/user_message.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeruda::generation {

// The request's checks and form changes, in the order the request runs them. Each
// check gives the refusal to show when it fails; the front end shows it, turns to
// the input it names, and the request ends there.

// The wanted elements become the favourable ones.
void chooseFavourableElements(CompanyForm& form, const ElementSet& favourable);

// More elements asked for than the body has characters.
Check elementCountCheck(const CompanyForm& form);

// A field's value for the first check: as typed when the texts are taken as typed,
// else its Chinese part.
std::string checkedValue(const CompanyForm& form, std::string_view boxText);

// The first check, on the values above: a name, prefix or suffix that comes out
// empty while a company (not a shop) is named.
Check firstCheck(const CompanyForm& form);

// Unless taken as typed, the prefix, suffix, surname, given name and the four fixed
// characters keep only their Chinese part.
void normaliseTexts(CompanyForm& form);

// The second check, on the texts as they now stand: the name is always required,
// prefix and suffix unless a shop is named.
Check secondCheck(const CompanyForm& form);

// Then the name fields as they now stand, in the order of the page: no control
// character in any, and no more characters than each takes (text/field_limits.h);
// the fixed boxes only as far as the body reaches.
Check fieldLimitCheck(const CompanyForm& form);

// Before a run, on the settings the engine would get: the engine's own refusal (as
// many fixed characters as body characters), then required elements that the fixed
// characters do not already carry and that outnumber the free positions, which no
// drawn body could ever satisfy.
Check runCheck(const EngineSettings& settings);

// The warning when a minimum of stars is switched on; nothing when it is switched off.
std::optional<UserMessage> autoPickToggled(bool ticked);

}  // namespace zeruda::generation
