#include "cli/svg_file.h"

#include "cli/terminal.h"
#include "pictures/svg_writer.h"
#include "storage/atomic_file.h"

namespace zeruda::cli {

bool writeSvgFile(const std::string& file, const pictures::Picture& picture, std::ostream& err,
                  std::string_view command) {
  // The exports' writer: an existing picture stays whole when the new one cannot be.
  const auto written = storage::writeFileAtomically(file, pictures::svgDocument(picture));
  if (written.ok()) return true;
  err << "zeruda-cli " << command << ": cannot write " << file << ": " << fromGbk(written.error())
      << '\n';
  return false;
}

}  // namespace zeruda::cli
