#pragma once

#include "generation/candidate_row.h"
#include "generation/engine_settings.h"
#include "numerology/rating.h"
#include "run/random_source.h"
#include "run/run_thread.h"
#include "run/stop_flag.h"
#include "text/result.h"
#include "text/user_message.h"

#include <functional>
#include <memory>
#include <optional>

namespace zeruda::generation {

// What the engine needs from outside besides its settings.
struct EngineServices {
  run::DrawInteger draw;                    // the random source
  double baseScore = 0;                     // the rating's base, fixed for the run
  numerology::ElementLookup elementLookup;  // the character table, for the rating
};

// Receives each accepted row, in order, on the engine's thread. Must not throw.
using RowConsumer = std::function<void(const CandidateRow&)>;

// A run whose filters no body passes would otherwise draw for ever: after this many
// attempts in a row without a row, the engine gives up by itself.
inline constexpr long long kFruitlessAttemptLimit = 200000;

struct EngineOutcome {
  int rows = 0;
  long long attempts = 0;
  std::optional<Error> refusal;  // set when the run ended before its first attempt
  bool capped = false;           // ended by itself past kRowCap rows
  std::optional<Error> gaveUp;   // ended by itself after kFruitlessAttemptLimit misses
};

// Why a run gave up: nothing passed the filters kFruitlessAttemptLimit times in a row.
Error fruitlessRunMessage();

// One attempt: draws a body on the settings' road, puts the fixed characters in, and
// filters and rates it; on the words road a body it may not list is rejected too. The row it would
// add as number `sequence`, or nothing when it is rejected.
std::optional<CandidateRow> attemptCandidate(const EngineSettings& settings, int sequence,
                                             EngineServices& services);

// The engine's whole run on the calling thread: attempts back to back, reading the
// settings afresh for each, until the run's stop flag is set at the end of an
// attempt. Past kRowCap rows, and after kFruitlessAttemptLimit attempts in a row
// without a row, the engine sets the flag itself. Nothing happens when
// the settings at the start are refused (see engineRefusal) or name a body length
// other than 2, 3 or 4.
EngineOutcome runEngine(const SettingsSnapshot& settings, run::StopFlag& stop,
                        EngineServices& services, const RowConsumer& consume);

// The engine on a thread of its own, as the company page runs it.
using EngineRun = run::RunThread<EngineOutcome>;

// Starts runEngine on a new thread with a stop flag of its own; `finished` is told
// on that thread when the run has ended (refused, stopped, capped or given up).
std::unique_ptr<EngineRun> startEngine(std::shared_ptr<const SettingsSnapshot> settings,
                                       EngineServices services, RowConsumer consume,
                                       EngineRun::FinishHandler finished = {});

}  // namespace zeruda::generation
