#pragma once
// PrefetchLine: asks the memory for the cache line holding `p`, without
// waiting for it. GCC drops a loop of __builtin_prefetch as a loop without
// effect, so on x86 the instruction is written out; elsewhere the builtin.

inline void PrefetchLine(const void* p)
{
#if defined(__x86_64__) || defined(__i386__)
    asm volatile("prefetcht0 %0" : : "m"(*static_cast<const char*>(p)));
#else
    __builtin_prefetch(p);
#endif
}
