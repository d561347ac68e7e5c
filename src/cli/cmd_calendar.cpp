// zeruda-cli calendar --from DATE --to DATE [--time TIME]: one line per day with its
// lunar date and four pillars, tab separated.
#include "cli/command_list.h"

#include "actions/calendar_actions.h"
#include "calendar/ganzhi.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/refusals.h"
#include "cli/terminal.h"

#include <array>
#include <cstring>
#include <string>

namespace zeruda::cli {
namespace {

// The sixty pair texts in UTF-8, converted once: a run over the whole calendar then
// writes its lines straight into one buffer without a conversion per field.
const std::array<std::string, calendar::kPairCount + 1>& utf8Pairs() {
  static const auto pairs = [] {
    std::array<std::string, calendar::kPairCount + 1> texts;
    for (int n = 1; n <= calendar::kPairCount; ++n) {
      texts[static_cast<std::size_t>(n)] = fromGbk(calendar::Pair::numbered(n).text());
    }
    return texts;
  }();
  return pairs;
}

// Longest line: date, lunar year, month, day and leap flag, four pillars of six UTF-8
// bytes, the tabs and the line end.
constexpr std::size_t kMaxLineBytes = 10 + 5 + 3 + 3 + 2 + 4 * 7 + 1;

// Writes into a buffer that the caller keeps room in, so no append checks the capacity.
class LineWriter {
 public:
  explicit LineWriter(char* at) : at_(at) {}
  char* end() const { return at_; }
  void rewind(char* at) { at_ = at; }

  void put(char c) { *at_++ = c; }
  void put(const std::string& text) {
    std::memcpy(at_, text.data(), text.size());
    at_ += text.size();
  }
  // A non-negative number, zero-padded to `width` digits.
  void number(int value, int width = 1) {
    char digits[12];
    int count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value > 0);
    for (; count < width; --width) put('0');
    while (count > 0) put(digits[--count]);
  }

 private:
  char* at_;
};

void writeDay(LineWriter& out, const calendar::Date& date, const calendar::DateTime& time) {
  out.number(date.year, 4);
  out.put('-');
  out.number(date.month, 2);
  out.put('-');
  out.number(date.day, 2);
  if (const auto lunar = calendar::solarToLunar(date)) {
    for (int part : {lunar->year, lunar->month, lunar->day}) {
      out.put('\t');
      out.number(part);
    }
    out.put('\t');
    out.put(lunar->leap ? '1' : '0');
  } else {
    for (int i = 0; i < 4; ++i) out.put('\t');
  }
  const auto pillars =
      calendar::fourPillars(calendar::DateTime::of(date, time.hour, time.minute, time.second));
  const auto& texts = utf8Pairs();
  for (calendar::Pair pair : {pillars.year, pillars.month, pillars.day, pillars.hour}) {
    out.put('\t');
    out.put(texts[static_cast<std::size_t>(pair.number())]);
  }
  out.put('\n');
}

}  // namespace

int runCalendar(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  const Args parsed(args, {"from", "to", "time"});
  parsed.expectPositional(0, "");
  const FieldOptions kOptions = {
      {Field::FromDate, "--from"}, {Field::ToDate, "--to"}, {Field::Time, "--time"}};
  const actions::TimedRange range =
      orRefuse(actions::calendarRange(
                   gbkOption(parsed.value("from"), Field::FromDate, kOptions).value_or(""),
                   gbkOption(parsed.value("to"), Field::ToDate, kOptions).value_or(""),
                   gbkOption(parsed.value("time"), Field::Time, kOptions)),
               kOptions);
  const calendar::Date from = range.days.from;
  const calendar::Date to = range.days.to;
  const calendar::DateTime time = range.time;

  // One buffer, written out whenever it cannot take another line: it stays in the
  // cache, and the lines go out in large blocks.
  std::array<char, 1 << 16> buffer;
  LineWriter writer(buffer.data());
  for (calendar::Date day = from;; day = calendar::nextDay(day)) {
    writeDay(writer, day, time);
    if (day == to || writer.end() + kMaxLineBytes > buffer.data() + buffer.size()) {
      out.write(buffer.data(), writer.end() - buffer.data());
      writer.rewind(buffer.data());
    }
    if (day == to) break;
  }
  return kExitOk;
}

}  // namespace zeruda::cli
