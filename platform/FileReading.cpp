// What the file readers of every system share: the pieces from one buffer, and whole files
// read through the reader that hands them over piece by piece.
#include "platform/FileReading.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace mirel {

ReadResult::Status FeedPieces(PieceSink& sink, std::size_t maxBytes,
                              const std::function<long long(char* buffer, std::size_t room)>& read) {
    constexpr std::size_t kBuffer = std::size_t{64} << 10;
    const std::unique_ptr<char[]> buffer(new char[kBuffer]);
    std::size_t kept = 0;  // bytes the sink left at the buffer's front
    std::size_t total = 0; // bytes read so far
    for (;;) {
        const long long n = read(buffer.get() + kept, kBuffer - kept);
        if (n < 0)
            return ReadResult::Status::Unreadable;
        total += static_cast<std::size_t>(n);
        if (total > maxBytes)
            return ReadResult::Status::TooLarge;
        const std::size_t held = kept + static_cast<std::size_t>(n);
        const bool last = n == 0;
        const std::size_t taken = std::min(sink.Take(std::string_view(buffer.get(), held), last), held);
        if (last)
            return ReadResult::Status::Ok;
        kept = held - taken;
        std::memmove(buffer.get(), buffer.get() + taken, kept);
        if (kept == kBuffer) // a sink must take something from a full buffer
            return ReadResult::Status::Unreadable;
    }
}

ReadResult Services::ReadFile(const std::string& path, std::size_t maxBytes) {
    struct Whole : PieceSink {
        std::string bytes;
        void Begin(std::size_t size) override { bytes.reserve(size); }
        std::size_t Take(std::string_view piece, bool /*last*/) override {
            bytes.append(piece);
            return piece.size();
        }
    } whole;
    ReadResult result;
    result.status = ReadFileInPieces(path, maxBytes, whole);
    if (result.status == ReadResult::Status::Ok)
        result.bytes = std::move(whole.bytes);
    return result;
}

} // namespace mirel
