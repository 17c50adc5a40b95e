#include "platform/Memory.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace mirel {

void AdviseLargeWrite(void* data, std::size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Transparent huge pages are 2 MiB on the machines the program runs on; the advice must
    // start on a page boundary, and only the huge pages wholly inside the range are advised, so
    // no memory outside it is touched or changed.
    constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kHuge - 1) & ~(kHuge - 1);
    const std::uintptr_t end = (begin + size) & ~(kHuge - 1);
    if (end > first)
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE); // a hint: failure changes nothing
#else
    (void)data;
    (void)size;
#endif
}

} // namespace mirel
