#pragma once
// The MSZIP layer of "tzip" and "bzip" .x files. Internal to the .x reader.
#include <string>
#include <string_view>

namespace xfile::detail {

// Inflates what follows the 16-byte header: a 32-bit total size, then blocks of a 16-bit uncompressed
// size, a 16-bit compressed size (counting the "CK" that follows), "CK" and raw deflate data whose
// history carries over from the blocks before. Throws Failure (DecompressionFailed, Truncated,
// TooLarge).
std::string InflateMsZip(std::string_view data);

}  // namespace xfile::detail
