#include "solver/spare_memory.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tarnik::solver {

namespace {

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
  if (block && spares.blocks.size() * kBlockBytes < kMostSpareBytes)
    spares.blocks.push_back(std::move(block));
}

// Looks from the last table given back, which is mostly of the size asked
// (a search gives back the tables of its key sets, the next takes as many
// again), and fills the hole with the last: the spares can be hundreds.
void* TakeTable(size_t bytes) {
  for (size_t i = spares.tables.size(); i-- > 0;) {
    if (spares.tables[i].bytes != bytes) continue;
    void* at = spares.tables[i].at;
    spares.tableBytes -= bytes;
    spares.tables[i] = spares.tables.back();
    spares.tables.pop_back();
    std::memset(at, 0, bytes);
    return at;
  }
  void* at = std::calloc(1, bytes);
  if (!at) throw std::bad_alloc();
  return at;
}

void GiveTable(void* table, size_t bytes) {
  if (!table) return;
  if (spares.tableBytes + bytes > kMostSpareBytes) {
    std::free(table);
    return;
  }
  spares.tables.push_back({table, bytes});
  spares.tableBytes += bytes;
}

int64_t SpareBytes() {
  return static_cast<int64_t>(spares.blocks.size() * kBlockBytes + spares.tableBytes);
}

bool FreeSpares() {
  if (spares.blocks.empty() && spares.tables.empty()) return false;
  spares.blocks.clear();
  for (const Table& t : spares.tables) std::free(t.at);
  spares.tables.clear();
  spares.tableBytes = 0;
  return true;
}

// glibc keeps freed memory in its heap for later allocations, and after
// freeing a large block it serves blocks of up to that size from its heap
// too, so holes that no later request fits stay in memory: a long search,
// whose key tables and queues grow through every size, came to hold tens
// of megabytes more than it counted. Trimming hands back every free page.
void ReturnFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace tarnik::solver
