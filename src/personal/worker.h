#pragma once

#include "calendar/element_set.h"
#include "naming/judgement.h"
#include "numerology/grids.h"
#include "numerology/rating.h"
#include "numerology/score_parts.h"
#include "personal/name_record.h"
#include "personal/personal_form.h"
#include "run/random_source.h"
#include "run/run_thread.h"
#include "run/stop_flag.h"
#include "text/result.h"
#include "text/user_message.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zeruda::personal {

// A run ends by itself after this many names: a user's own stop is the only other
// end, and at a million names a second the lists and "xm" would fill memory within
// a minute.
inline constexpr int kNameCap = 2000;

// What the worker takes from the request, fixed for the whole run.
struct WorkerSettings {
  std::string surname;                                 // GBK, as the rows show it
  std::vector<numerology::CharStroke> surnameEntries;  // one or two, strokes from "zk"
  int givenLength = 2;                                 // 1-3
  int fixedPosition = -1;                              // 1-3, or -1 when nothing is fixed
  numerology::CharStroke fixedEntry;                   // the character at fixedPosition
  Gender gender = Gender::Male;
  int wantedLevel = 4;                  // stars the recommendation list takes
  calendar::ElementSet soughtElements;  // the chart's missing elements
  double baseScore = 0;                 // "吉数" of "先天八字" as stored
  NamingRoad road = NamingRoad::Verse;
};

// One generated name as the lists show it.
struct NameRow {
  int recordNumber = 0;  // of its record in "xm", the list row's data
  std::string given;     // GBK
  std::string text;      // surname + given + "[" + "☆" × stars + "]"
  numerology::GridNumbers grids{};
  long long score = 0;  // rounded
  int stars = 1;
  bool recommended = false;      // new to the recommendation list
  numerology::ScoreParts parts;  // what the score was counted from
  // Its reading, meanings, source and warnings; shared by the rows of one run that
  // give the same name.
  std::shared_ptr<const naming::NameJudgement> judgement;
};

// What the worker needs from outside besides its settings.
struct WorkerServices {
  run::DrawInteger draw;                    // the random source
  numerology::ElementLookup elementLookup;  // the character table, for the sought elements
  std::unique_ptr<NameRecorder> recorder;   // the scratch table
};

// Receives each name, in order, on the worker's thread. Must not throw.
using NameConsumer = std::function<void(const NameRow&)>;

struct WorkerOutcome {
  int names = 0;
  bool capped = false;  // ended by itself at kNameCap names
  // The scratch table failed, or the road found no name clear of the words to avoid;
  // the run ended there.
  std::optional<Error> failure;
};

// The worker's whole run on the calling thread: names back to back until the run's
// stop flag is set at the start of one. At kNameCap names the worker sets the flag
// itself.
WorkerOutcome runNamingWorker(const WorkerSettings& settings, run::StopFlag& stop,
                              WorkerServices& services, const NameConsumer& consume);

// The score of a name: the base, the three-talent luck, the luck of the five grids
// and the count of sought elements among the name's characters, rounded halves away
// from zero.
long long nameScore(const numerology::NameGrids& name, double baseScore,
                    const numerology::ElementLookup& lookup);

// The worker on a thread of its own, as the 取名 page runs it.
using WorkerRun = run::RunThread<WorkerOutcome>;

// Starts runNamingWorker on a new thread with a stop flag of its own; `finished` is
// told on that thread when the run has ended (stopped, capped or failed).
std::unique_ptr<WorkerRun> startNamingWorker(WorkerSettings settings, WorkerServices services,
                                             NameConsumer consume,
                                             WorkerRun::FinishHandler finished = {});

}  // namespace zeruda::personal
