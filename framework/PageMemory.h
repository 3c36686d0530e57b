#pragma once
// PageMemory: large blocks that are about to be written through (the chunks
// of a trend series). Page-aligned, and their pages are made present in one
// call where the system offers it (Linux: MADV_POPULATE_WRITE) instead of a
// page fault each: filling fresh memory costs mostly those faults, several
// times more on a virtual machine. Memory the allocator hands back already
// present costs the call a walk over its page table only. Freed with
// std::free; throws std::bad_alloc when out of memory.

#include <cstddef>

namespace PageMemory {

constexpr size_t PageSize = 4096;

// bytes: a multiple of PageSize.
void* AllocateWritable(size_t bytes);

} // namespace PageMemory
