#pragma once

#include "registration/finding.h"
#include "registration/text_index.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::registration {

// The kinds of organisation form, as industry words are limited to them.
enum class FormKind {
  LimitedLiability,
  JointStock,
  Partnership,
  SoleProprietorship,
  Cooperative,
  Other
};

// An organisation form a name may end with (data/registration/forms.txt).
struct FormRule {
  FormKind kind = FormKind::Other;
  std::optional<Finding> finding;  // a form that is itself a problem (只写“公司”)
};

// An industry word (data/registration/industries.txt).
struct IndustryRule {
  std::vector<FormKind> forms;  // the forms it may go with; empty: any
  std::string mismatch;         // why another form will not do
  std::string note;             // said whenever the word is used
  std::string source;
};

// How the end of a name divides: industry words, then the organisation form.
struct SuffixMatch {
  std::size_t industry = 0;  // bytes of the industry part
  std::size_t form = 0;      // bytes of the organisation form
  std::size_t length() const { return industry + form; }
};

// The industry words and organisation forms that end company names.
class SuffixList {
 public:
  static const SuffixList& builtIn();

  SuffixList(std::string_view formRules, std::string_view industryRules);

  // The longest run of known industry words + organisation form ending `name`, either
  // part possibly absent; on equal lengths the one with a form wins (律师 + 事务所 over
  // 律师事务所 alone). The industry run stops where a longer one would leave a single
  // character before it (航天 + 信息, not 航天信息 as industry alone), and a run that
  // leaves two or more characters is preferred to one that leaves none.
  SuffixMatch longestAtEnd(std::string_view name) const;

  // The start of the longest run of industry words ending at byte `end` of `text`
  // under the same preferences; `end` when no word ends there.
  std::size_t industryRunStart(std::string_view text, std::size_t end) const;

  // The industry words an industry part is made of, left to right, in the fewest
  // words; empty when it is not a run of known words.
  std::vector<std::string_view> industryWords(std::string_view industry) const;
  // Their rules, in the same order.
  std::vector<const IndustryRule*> industryRules(std::string_view industry) const;

  // The longest known organisation form ending `suffix`: a trade suffix typed as a
  // whole, whose rest is taken as its industry part whatever it says.
  std::size_t formAtEnd(std::string_view suffix) const;

  const FormRule* form(std::string_view text) const;
  const IndustryRule* industry(std::string_view text) const;

 private:
  // Every form and industry word and every ending of one (with no rule), so that a
  // search leftwards stops as soon as the text can no longer become one.
  TextMap<std::optional<FormRule>> forms_;
  TextMap<const IndustryRule*> industries_;
  std::vector<IndustryRule> industryRules_;
  std::size_t longestIndustry_ = 0;  // bytes
};

// The character boundaries of a GBK text from byte `from` on, the end included.
std::vector<std::size_t> characterStarts(std::string_view text, std::size_t from = 0);

}  // namespace zeruda::registration
