// What the file readers of every system share: handing a file over to a PieceSink piece by
// piece from one buffer.
#pragma once

#include <cstddef>
#include <functional>

#include "platform/Services.h"

namespace mirel {

// Reads with `read` into one buffer of 64 KiB, small enough to stay in the cache while the
// sink converts each piece from it, and hands the pieces to `sink` (Begin is the caller's).
// `read(buffer, room)` gives the bytes read, 0 at the end, or a negative number on an error.
// More than `maxBytes` in all (a file that grows while it is read, a device without end) is
// TooLarge; a sink that takes nothing from a full buffer ends the read as Unreadable.
ReadResult::Status FeedPieces(PieceSink& sink, std::size_t maxBytes,
                              const std::function<long long(char* buffer, std::size_t room)>& read);

} // namespace mirel
