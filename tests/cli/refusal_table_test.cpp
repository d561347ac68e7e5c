// The shared table of refusals (tests/refusals.tsv), as the command line gives them:
// each case refused with exit code 1 and one line, the table's message after the
// option that gave the field. The browser module's test reads the same table.
#include "cli_support.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace zeruda::cli {
namespace {

struct RefusalCase {
  std::string name;
  std::vector<std::string> args;
  std::string message;
};

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = std::min(text.find(separator, start), text.size());
    parts.push_back(text.substr(start, end - start));
    if (end == text.size()) return parts;
    start = end + 1;
  }
}

std::vector<RefusalCase> refusalCases() {
  std::ifstream in(ZERUDA_REFUSALS);
  std::vector<RefusalCase> cases;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const auto columns = split(line, '\t');
    if (columns.size() != 5) throw std::runtime_error("malformed line: " + line);
    RefusalCase refusal{columns[0], split(columns[1], '|'), columns[4]};
    for (std::string& arg : refusal.args) {
      if (arg == "''") arg.clear();
    }
    cases.push_back(std::move(refusal));
  }
  return cases;
}

TEST(RefusalTable, EveryCaseIsRefusedWithItsMessageAfterItsOption) {
  const test::SandboxedRoots sandbox;
  const auto cases = refusalCases();
  ASSERT_GE(cases.size(), 40u);
  for (const RefusalCase& refusal : cases) {
    const test::CliRun run = test::runCli(refusal.args);
    EXPECT_EQ(run.code, kExitRefused) << refusal.name << ": " << run.err;
    const std::string prefix = "zeruda-cli " + refusal.args[0] + ": ";
    EXPECT_TRUE(run.err.starts_with(prefix)) << refusal.name << ": " << run.err;
    EXPECT_TRUE(run.err.ends_with(refusal.message + "\n")) << refusal.name << ": " << run.err;
    // Between the command and the message stands at most the option, never a key.
    const std::string between =
        run.err.substr(prefix.size(), run.err.size() - prefix.size() - refusal.message.size() - 1);
    EXPECT_TRUE(between.empty() ||
                (between.ends_with(": ") && between.find(' ') == between.size() - 1))
        << refusal.name << ": '" << between << "'";
  }
}

}  // namespace
}  // namespace zeruda::cli
