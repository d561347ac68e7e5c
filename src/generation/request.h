#pragma once

#include "generation/company_form.h"
#include "generation/engine_settings.h"
#include "storage/data_table.h"
#include "text/result.h"
#include "text/user_message.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zeruda::generation {

// What the window does when the request has passed: empty the result list, show
// the chart summary beside it, start the engine on these settings, show the
// birth-chart page the same person, and hold the wait message up until the user
// closes it, which stops the engine.
struct EngineStart {
  EngineSettings settings;
  // The run's base score: "吉数", 5 less the legal representative's missing elements.
  double baseScore = 0;
  std::string chartSummary;
  UserMessage waitMessage;
};

struct RequestOutcome {
  // The request as it leaves it, failed or not: the wanted elements chosen from the
  // favourable ones, texts reduced to their Chinese part.
  CompanyForm form;
  // What to start when every check passed and the profile was written; else the
  // failed check to show (nothing was written).
  Result<EngineStart> start;
};

// The generate button of the company page: checks the form, computes the legal
// representative's chart, writes the profile section "法人资料" into `profileFile`
// (none when empty), and says what the window must do. A profile that cannot be
// written stops the request with the reason, since the user would lose the saved
// legal representative; so does a character table of `tables` that cannot be read,
// before anything is written.
RequestOutcome runGenerationRequest(CompanyForm form, storage::TableSet& tables,
                                    const std::filesystem::path& profileFile);

// Shown while the engine runs.
UserMessage generatingMessage();

// The status bar's word when a run has ended by itself at the row cap (GBK).
std::string namesMadeStatus(int rows);

}  // namespace zeruda::generation
