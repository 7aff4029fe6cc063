// Where the rules page of a game lives in the program's help folder. The page
// is found by the game's name alone, so the library and the help agree
// without any table between them.
#pragma once

#include <string>

namespace tarnik {

// The page's file name, relative to the help folder: "Rules/", then the name
// in lower case, letters and digits kept, every run of other characters one
// hyphen and none at either end, then ".html" ("Baker's Dozen" →
// "Rules/baker-s-dozen.html"). The help window finds pages by the same rule.
std::string RulesPagePath(const char* name);
// The name as a file name: lower case, letters and digits kept, every run of
// other characters one hyphen and none at either end ("game" when nothing is
// left). Rules pages and game files are named by it.
std::string NameSlug(const char* name);

}  // namespace tarnik
