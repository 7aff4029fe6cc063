#include "engine/library/help_page.h"

#include <cctype>

#include "engine/cards/cards.h"

namespace tarnik {

std::string RulesPagePath(const char* name) { return "Rules/" + NameSlug(name) + ".html"; }

std::string NameSlug(const char* name) {
  std::string slug;
  for (const char* p = name; *p && p < name + kNameSize; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (std::isalnum(c))
      slug += static_cast<char>(std::tolower(c));
    else if (!slug.empty() && slug.back() != '-')
      slug += '-';
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  if (slug.empty()) slug = "game";
  return slug;
}

}  // namespace tarnik
