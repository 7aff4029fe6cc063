#include "engine/library/help_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "engine/files/file_io.h"

namespace fs = std::filesystem;

namespace tarnik {

namespace {

// Whether `path` is `root` or lies below it; both are canonical.
bool Inside(const fs::path& root, const fs::path& path) {
  auto r = root.begin(), p = path.begin();
  for (; r != root.end(); ++r, ++p)
    if (p == path.end() || *r != *p) return false;
  return true;
}

// Whether the tag name at `pos` is one of the elements that nest blocks.
bool IsContainer(const std::string& html, size_t pos) {
  static constexpr std::array<std::string_view, 8> kNames = {
      "ul", "ol", "dl", "table", "blockquote", "div", "pre", "center"};
  size_t end = pos;
  while (end < html.size() && std::isalnum(static_cast<unsigned char>(html[end]))) ++end;
  std::string name = html.substr(pos, end - pos);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

}  // namespace

std::optional<std::vector<unsigned char>> ReadHelpFile(const std::string& helpRoot,
                                                       const std::string& path) {
  std::error_code ec;
  const fs::path root = fs::canonical(helpRoot, ec);
  if (ec) return std::nullopt;
  const fs::path file = fs::canonical(path, ec);
  if (ec || !Inside(root, file)) return std::nullopt;
  return ReadWholeFile(file.string(), kHelpFileLimit);
}

int HelpNestingDepth(const std::string& html) {
  int depth = 0, deepest = 0;
  for (size_t i = html.find('<'); i != std::string::npos; i = html.find('<', i + 1)) {
    const bool closing = i + 1 < html.size() && html[i + 1] == '/';
    if (!IsContainer(html, i + (closing ? 2 : 1))) continue;
    depth = closing ? std::max(0, depth - 1) : depth + 1;
    deepest = std::max(deepest, depth);
  }
  return deepest;
}

}  // namespace tarnik
