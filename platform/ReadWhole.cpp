// A whole file read through the reader that hands it over piece by piece, on every system.
#include <string>
#include <string_view>

#include "platform/Services.h"

namespace mirel {

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
