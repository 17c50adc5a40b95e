// Hints to the system about memory the program is about to fill.
#pragma once

#include <cstddef>

namespace mirel {

// `size` bytes from `data` are about to be written front to back, many megabytes of them (an
// appended file going into the report text). Where the system can back such memory with large
// pages, it is asked to: a fresh 4 KiB page costs a fault of its own, and at the millions of
// bytes an appended file has those faults cost more than converting the bytes. Only whole
// large pages inside the range are affected; nothing is written, and memory not touched still
// costs nothing. A system without the feature ignores the hint.
void AdviseLargeWrite(void* data, std::size_t size);

} // namespace mirel
