#pragma once

#include "numerology/grids.h"
#include "text/result.h"

#include <string>

namespace zeruda::personal {

// One generated name as the scratch table "xm" keeps it: the given name, the eight
// grid numbers and the stars.
struct NameRecord {
  std::string given;
  numerology::GridNumbers grids{};
  int stars = 1;
};

// Where the worker keeps its records. Record numbers count from 1 in the order the
// records were given.
class NameRecorder {
 public:
  virtual ~NameRecorder() = default;
  // Takes a record and gives its number; an error when the records cannot be kept.
  virtual Result<int> record(const NameRecord& name) = 0;
  // Stores what is still held back; called when the run ends.
  virtual Result<Done> flush() = 0;
};

}  // namespace zeruda::personal
