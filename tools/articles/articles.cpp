// zeruda_articles: compiles the article sources of the reference library into one
// C++ source while the program is built.
//
//   zeruda_articles [--deferred OUT.bin] ROOT OUT.cpp SOURCE...
//
// Each SOURCE is a path under ROOT (data/library), such as "yxzs/01.md": a UTF-8
// article in the format markdown.h describes. The output defines
// zeruda::library::articleSources(), one record per source in path order, with the
// title, group, body HTML and plain text converted to GBK. A character GBK lacks or
// a format fault stops the build with the file and line. The output holds no
// absolute path, so the same sources give the same bytes anywhere.
// With --deferred (the browser edition) the records go to OUT.bin instead, each
// field as its length, a colon and its bytes, and the output reads them from the
// block the page provides (embedded/deferred_data.h) at the first call.
#include "common/cpp_literal.h"
#include "markdown.h"

#include <iconv.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using zeruda::articles::Article;
using zeruda::articles::FormatError;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FormatError("cannot read the file");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string toGbk(const std::string& utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw FormatError("iconv cannot convert to GBK");
  std::string in = utf8, out(utf8.size() * 2 + 16, '\0');
  char* src = in.data();
  char* dst = out.data();
  std::size_t srcLeft = in.size(), dstLeft = out.size();
  const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) {
    const std::size_t at = static_cast<std::size_t>(src - in.data());
    throw FormatError("no GBK form for the text at \"" + utf8.substr(at, 12) + "\"");
  }
  out.resize(out.size() - dstLeft);
  return out;
}

// Every line of a source has a GBK form. Checked on the source, line by line, so a
// character GBK lacks is reported where it stands; the rendered texts hold the same
// characters.
void requireGbk(const std::string& source) {
  int number = 1;
  for (std::size_t start = 0; start < source.size(); ++number) {
    const std::size_t end = std::min(source.find('\n', start), source.size());
    try {
      toGbk(source.substr(start, end - start));
    } catch (const FormatError& error) {
      throw FormatError(number, error.what());
    }
    start = end + 1;
  }
}

// "path:line: what", the form editors and build logs know how to follow.
std::string located(const std::string& path, const FormatError& error) {
  const std::string line = error.line() > 0 ? ":" + std::to_string(error.line()) : "";
  return path + line + ": " + error.what();
}

// A string_view with its length, so GBK bytes with NULs or odd ends stay whole.
std::string literal(const std::string& bytes) {
  return "std::string_view{" + zeruda::tools::cppLiteral(bytes) + ", " +
         std::to_string(bytes.size()) + "}";
}

std::string record(const std::string& id, const Article& article) {
  return "    {" + literal(id) + ",\n     " + literal(toGbk(article.title)) + ",\n     " +
         literal(article.file) + ",\n     " + literal(toGbk(article.group)) + ",\n     " +
         std::to_string(article.order) + ",\n     " + literal(toGbk(article.bodyHtml)) +
         ",\n     " + literal(toGbk(article.text)) + "},\n";
}

// The same record as fields of the deferred block.
std::string field(const std::string& bytes) { return std::to_string(bytes.size()) + ":" + bytes; }

std::string blobRecord(const std::string& id, const Article& article) {
  return field(id) + field(toGbk(article.title)) + field(article.file) +
         field(toGbk(article.group)) + field(std::to_string(article.order)) +
         field(toGbk(article.bodyHtml)) + field(toGbk(article.text));
}

// Reads the block's records once, keeping views into the block.
constexpr const char* kDeferredReader = R"(#include "embedded/deferred_data.h"

#include <string>
#include <vector>

namespace zeruda::library {
namespace {

const data::DeferredData kArticleSources{"kArticleSources"};

std::vector<ArticleSource> readSources(std::string_view block) {
  std::vector<ArticleSource> sources;
  const auto next = [&block]() {
    const std::size_t colon = block.find(':');
    const std::size_t length = std::stoul(std::string(block.substr(0, colon)));
    const std::string_view bytes = block.substr(colon + 1, length);
    block.remove_prefix(colon + 1 + length);
    return bytes;
  };
  while (!block.empty()) {
    ArticleSource source;
    source.id = next();
    source.title = next();
    source.file = next();
    source.group = next();
    source.order = std::stoi(std::string(next()));
    source.bodyHtml = next();
    source.text = next();
    sources.push_back(source);
  }
  return sources;
}

}  // namespace

std::span<const ArticleSource> articleSources() {
  static const std::vector<ArticleSource> sources = readSources(kArticleSources);
  return sources;
}

}  // namespace zeruda::library
)";

std::string sourceId(std::string path) {
  if (path.size() > 3 && path.ends_with(".md")) path.resize(path.size() - 3);
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  std::string deferredPath;
  if (argc > 2 && std::string(argv[1]) == "--deferred") {
    deferredPath = argv[2];
    argv += 2;
    argc -= 2;
  }
  if (argc < 4) {
    std::cerr << "usage: zeruda_articles [--deferred OUT.bin] ROOT OUT.cpp SOURCE...\n";
    return 2;
  }
  const std::string root = argv[1], outPath = argv[2];
  std::vector<std::string> sources(argv + 3, argv + argc);
  // Ordered by id, so the program can look ids up by halving.
  std::sort(sources.begin(), sources.end(),
            [](const std::string& a, const std::string& b) { return sourceId(a) < sourceId(b); });

  std::string records, blob;
  for (const std::string& source : sources) {
    const std::string path = root + "/" + source;
    try {
      const std::string text = readFile(path);
      requireGbk(text);
      const Article article = zeruda::articles::parseArticle(text);
      if (deferredPath.empty()) {
        records += record(sourceId(source), article);
      } else {
        blob += blobRecord(sourceId(source), article);
      }
    } catch (const FormatError& error) {
      std::cerr << "zeruda_articles: " << located(path, error) << "\n";
      return 1;
    }
  }

  if (!deferredPath.empty()) {
    std::ofstream bin(deferredPath, std::ios::binary);
    bin << blob;
    std::ofstream out(outPath, std::ios::binary);
    out << "// Generated by zeruda_articles from data/library; do not edit.\n"
        << "#include \"library/article_sources.h\"\n\n"
        << kDeferredReader;
    if (!bin || !out) {
      std::cerr << "zeruda_articles: cannot write " << outPath << "\n";
      return 1;
    }
    return 0;
  }

  std::ofstream out(outPath, std::ios::binary);
  out << "// Generated by zeruda_articles from data/library; do not edit.\n"
      << "#include \"library/article_sources.h\"\n\n"
      << "namespace zeruda::library {\nnamespace {\n\n"
      << "constexpr ArticleSource kSources[] = {\n"
      << records << "};\n\n}  // namespace\n\n"
      << "std::span<const ArticleSource> articleSources() { return kSources; }\n\n"
      << "}  // namespace zeruda::library\n";
  if (!out) {
    std::cerr << "zeruda_articles: cannot write " << outPath << "\n";
    return 1;
  }
  return 0;
}
