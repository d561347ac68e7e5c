#include "cli/svg_file.h"

#include <fstream>

#include "pictures/svg_writer.h"

namespace zeruda::cli {

bool writeSvgFile(const std::string& file, const pictures::Picture& picture, std::ostream& err,
                  std::string_view command) {
  const std::string svg = pictures::svgDocument(picture);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(svg.data(), static_cast<std::streamsize>(svg.size()));
  out.close();
  if (out) return true;
  err << "zeruda-cli " << command << ": cannot write " << file << '\n';
  return false;
}

}  // namespace zeruda::cli
