#pragma once
// Compressed .x files for seeds: our own MSZIP writer over zlib's raw deflate, blocks of a chosen size
// whose deflate history carries over, the way the reader expects them.
#include <string>
#include <string_view>

namespace fuzz {

// A text ("txt ") or binary ("bin ") .x file turned into its compressed form ("tzip" / "bzip").
std::string CompressXFile(std::string_view xfile, std::size_t block_size);

}  // namespace fuzz
