#include "solver/spare_memory.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace tarnik::solver {

namespace {

// The most a thread keeps between searches: blocks and tables each.
constexpr size_t kSpareBytes = size_t{16} << 20;

struct Table {
  void* at;
  size_t bytes;
};

// What this thread keeps; given back to the system when the thread ends.
struct Spares {
  std::vector<Block> blocks;
  std::vector<Table> tables;
  size_t tableBytes = 0;
  ~Spares() {
    for (const Table& t : tables) std::free(t.at);
  }
};

thread_local Spares spares;

}  // namespace

Block TakeBlock() {
  if (spares.blocks.empty()) return std::make_unique_for_overwrite<unsigned char[]>(kBlockBytes);
  Block b = std::move(spares.blocks.back());
  spares.blocks.pop_back();
  return b;
}

void GiveBlock(Block block) {
  if (block && spares.blocks.size() * kBlockBytes < kSpareBytes)
    spares.blocks.push_back(std::move(block));
}

void* TakeTable(size_t bytes) {
  for (size_t i = 0; i < spares.tables.size(); ++i) {
    if (spares.tables[i].bytes != bytes) continue;
    void* at = spares.tables[i].at;
    spares.tableBytes -= bytes;
    spares.tables.erase(spares.tables.begin() + static_cast<std::ptrdiff_t>(i));
    std::memset(at, 0, bytes);
    return at;
  }
  void* at = std::calloc(1, bytes);
  if (!at) throw std::bad_alloc();
  return at;
}

void GiveTable(void* table, size_t bytes) {
  if (!table) return;
  if (spares.tableBytes + bytes > kSpareBytes) {
    std::free(table);
    return;
  }
  spares.tables.push_back({table, bytes});
  spares.tableBytes += bytes;
}

}  // namespace tarnik::solver
