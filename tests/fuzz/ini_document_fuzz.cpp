// The INI reader and writer: any bytes read as a document; a document written and
// read back is the same document; a value that set() takes reads back exactly.
#include "property.h"
#include "storage/ini_document.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using zeruda::storage::IniDocument;

namespace {

// The input cut at its first two zero bytes: a section, a key and a value to set.
struct Setting {
  std::string_view section, key, value;
};

Setting settingIn(std::string_view bytes) {
  const std::size_t first = bytes.find('\0');
  if (first == std::string_view::npos) return {"s", "k", bytes};
  const std::size_t second = bytes.find('\0', first + 1);
  if (second == std::string_view::npos)
    return {"s", bytes.substr(0, first), bytes.substr(first + 1)};
  return {bytes.substr(0, first), bytes.substr(first + 1, second - first - 1),
          bytes.substr(second + 1)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // As a file: written out and read back it is the same, line for line.
  const IniDocument read = IniDocument::parse(bytes);
  const std::string written = read.text();
  FUZZ_PROPERTY(IniDocument::parse(written).text() == written);

  // As a setting: taken, it reads back exactly, in the document and in its text;
  // refused, the document is as it was.
  const Setting setting = settingIn(bytes);
  IniDocument document = IniDocument::parse("[s]\r\nk=1\r\n[t]\r\nq=2\r\n");
  const std::string before = document.text();
  if (document.set(setting.section, setting.key, setting.value).ok()) {
    FUZZ_PROPERTY(document.get(setting.section, setting.key) == setting.value);
    const IniDocument reread = IniDocument::parse(document.text());
    FUZZ_PROPERTY(reread.get(setting.section, setting.key) == setting.value);
  } else {
    FUZZ_PROPERTY(document.text() == before);
  }
  return 0;
}
