#include "engine/library/library_merge.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "engine/library/library.h"
#include "engine/cards/cards.h"

namespace tarnik {

namespace {

int RecordCount(const LibraryImage& library) {
  return static_cast<int>(library.size() / kGameRecordSize);
}

const unsigned char* Record(const LibraryImage& library, int index) {
  return library.data() + static_cast<size_t>(index) * kGameRecordSize;
}

// Each name of a library with the first place that holds it.
std::map<std::string, int> NamePlaces(const LibraryImage& library) {
  std::map<std::string, int> places;
  for (int i = 0; i < RecordCount(library); ++i) places.emplace(RecordName(library, i), i);
  return places;
}

}  // namespace

std::string RecordName(const LibraryImage& library, int index) {
  const char* name = reinterpret_cast<const char*>(Record(library, index));
  return std::string(name, strnlen(name, kNameSize - 1));
}

bool SameGame(const unsigned char* a, const unsigned char* b) {
  const auto nameA = strnlen(reinterpret_cast<const char*>(a), kNameSize - 1);
  const auto nameB = strnlen(reinterpret_cast<const char*>(b), kNameSize - 1);
  return nameA == nameB && std::memcmp(a, b, nameA) == 0 &&
         std::memcmp(a + kNameSize, b + kNameSize, kGameRecordSize - kNameSize) == 0;
}

LibraryMerge MergeLibrary(const std::optional<LibraryImage>& oldShipped,
                          const LibraryImage& newShipped, const LibraryImage& player) {
  LibraryMerge merge;
  const int kept = RecordCount(player);
  merge.Records.assign(player.begin(), player.begin() + static_cast<long>(kept) * kGameRecordSize);
  const auto oldPlaces = oldShipped ? NamePlaces(*oldShipped) : std::map<std::string, int>{};
  const auto newPlaces = NamePlaces(newShipped);

  std::set<std::string> playerNames;
  for (int i = 0; i < kept; ++i) {
    const std::string name = RecordName(merge.Records, i);
    playerNames.insert(name);
    const auto was = oldPlaces.find(name);
    const auto now = newPlaces.find(name);
    if (was == oldPlaces.end() || now == newPlaces.end()) continue;
    unsigned char* mine = merge.Records.data() + static_cast<size_t>(i) * kGameRecordSize;
    if (!SameGame(mine, Record(*oldShipped, was->second))) continue;  // edited: the player's
    const unsigned char* newer = Record(newShipped, now->second);
    if (SameGame(mine, newer)) continue;
    std::memcpy(mine, newer, kGameRecordSize);
    merge.Updated.push_back(i);
  }

  for (int k = 0; k < RecordCount(newShipped); ++k) {
    const std::string name = RecordName(newShipped, k);
    if (playerNames.count(name) || oldPlaces.count(name)) continue;
    playerNames.insert(name);  // a name shipped twice is added once
    if (RecordCount(merge.Records) >= kMaxGames) {
      merge.LeftOut.push_back(name);
      continue;
    }
    merge.Added.push_back(RecordCount(merge.Records));
    const unsigned char* record = Record(newShipped, k);
    merge.Records.insert(merge.Records.end(), record, record + kGameRecordSize);
  }
  return merge;
}

}  // namespace tarnik
