// A small PNG writer for the screenshots: 8-bit RGB, every row filtered against the row above,
// compressed with runs of repeated bytes in one fixed-Huffman deflate block. Screenshots of
// dialogs are mostly flat areas, which this keeps small without a compression library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mirel::win32 {

// The PNG file of `width` x `height` pixels, given as rows of RGB bytes from the top.
std::string EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

// The zlib stream of `data` (exposed for the tests).
std::string Deflate(const std::string& data);

} // namespace mirel::win32
