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
    constexpr std::size_t kHuge = std::size_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const auto lead = static_cast<std::size_t>((kHuge - begin % kHuge) % kHuge); // to the first boundary
    if (size <= lead)
        return;
    const std::size_t whole = (size - lead) / kHuge * kHuge;
    if (whole > 0)
        ::madvise(static_cast<char*>(data) + lead, whole, MADV_HUGEPAGE); // a hint: failure changes nothing
#else
    (void)data;
    (void)size;
#endif
}

} // namespace mirel
