// Reading the files of the help folder for the help window. A page or image
// is read only when it is a regular file inside the help folder and no larger
// than kHelpFileLimit, and a page is shown only when its lists, tables and
// other containers nest no deeper than kHelpNestingLimit, so a damaged or
// hostile help folder can neither exhaust memory nor hold the window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnik {

constexpr uint64_t kHelpFileLimit = 1u << 20;  // 1 MiB: pages and pictures alike
constexpr int kHelpNestingLimit = 32;

// The bytes of `path` when it lies inside the folder `helpRoot` (after every
// symbolic link is followed), is a regular file and is within the limit.
std::optional<std::vector<unsigned char>> ReadHelpFile(const std::string& helpRoot,
                                                       const std::string& path);
// The deepest nesting of container elements (lists, tables, block quotes,
// divisions) in an HTML text.
int HelpNestingDepth(const std::string& html);

}  // namespace tarnik
