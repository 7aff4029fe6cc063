// Memory the searches of one thread hand on to the next. A search touches
// megabytes of fresh memory, and the system maps each new page in on its
// first touch, which cost a FreeCell deal about a fifth of its time; the
// hint, the check of each deal offered and a bench search again and again
// on one thread, so the blocks of the stores and the tables of the key sets
// a search leaves are kept, up to a few megabytes, for the next search on
// the same thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace tarnik::solver {

// The size of a store's block (see ChunkedStore): a little under 256 KiB,
// so that a block the allocator maps on its own fills its pages with its
// header, where 256 KiB to the byte would take a page more (1.6 % of every
// block, uncounted).
constexpr size_t kBlockBytes = (size_t{1} << 18) - 64;

using Block = std::unique_ptr<unsigned char[]>;

// The most a thread keeps between searches: blocks and tables each.
constexpr size_t kMostSpareBytes = size_t{16} << 20;

// A block of kBlockBytes, not cleared: a spare one when this thread has one.
Block TakeBlock();
// Keeps a block for the next search on this thread, or frees it when
// enough are kept.
void GiveBlock(Block block);

// A table of `bytes` bytes, all zero: a spare one of that size cleared, or
// fresh memory (which the system gives cleared). Free it with GiveTable.
void* TakeTable(size_t bytes);
// Keeps a table for the next search on this thread, or frees it.
void GiveTable(void* table, size_t bytes);

// The bytes this thread keeps in spare blocks and tables: memory held all
// the same, which a search counts with its own.
int64_t SpareBytes();
// Frees them, for a search short of memory; false when there were none.
bool FreeSpares();

// Gives memory freed by the search back to the system, so that what the
// process holds falls with what the search holds.
void ReturnFreedMemory();

}  // namespace tarnik::solver
