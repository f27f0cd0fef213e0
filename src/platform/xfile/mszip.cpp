#include "platform/xfile/mszip.h"

#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/xfile/lexer.h"

namespace xfile::detail {
namespace {

std::uint32_t Load16(std::string_view data, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(data[at])) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 1])) << 8);
}

std::string At(std::size_t offset) { return "byte " + std::to_string(16 + offset); }

// Ends the inflate stream however the function is left.
class Inflater {
 public:
  Inflater() {
    if (inflateInit2(&stream_, -MAX_WBITS) != Z_OK) {
      Fail(XError::DecompressionFailed, "the decompressor could not be started");
    }
  }
  ~Inflater() { inflateEnd(&stream_); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;
  z_stream& Stream() { return stream_; }

 private:
  z_stream stream_{};
};

}  // namespace

std::string InflateMsZip(std::string_view data) {
  if (data.size() < 4) Fail(XError::Truncated, At(data.size()) + ": the compressed data has no size");
  const std::uint32_t total = Load16(data, 0) | (Load16(data, 2) << 16);
  if (total > kMaxDecompressedBytes) {
    Fail(XError::TooLarge, At(0) + ": declared decompressed size " + std::to_string(total) + " exceeds " +
                               std::to_string(kMaxDecompressedBytes));
  }

  Inflater inflater;
  z_stream& zs = inflater.Stream();
  std::string out;
  std::size_t pos = 4;
  while (pos < data.size()) {
    if (data.size() - pos < 6) Fail(XError::Truncated, At(pos) + ": the data ends inside a block header");
    const std::uint32_t expected = Load16(data, pos);
    const std::uint32_t packed = Load16(data, pos + 2);
    if (packed < 2) Fail(XError::DecompressionFailed, At(pos) + ": block with no room for its signature");
    if (data.size() - pos - 4 < packed) Fail(XError::Truncated, At(pos) + ": the data ends inside a block");
    if (data[pos + 4] != 'C' || data[pos + 5] != 'K') {
      Fail(XError::DecompressionFailed, At(pos) + ": block without the CK signature");
    }
    if (out.size() + expected > total) {
      Fail(XError::DecompressionFailed, At(pos) + ": the blocks exceed the declared size " + std::to_string(total));
    }

    if (inflateReset(&zs) != Z_OK) Fail(XError::DecompressionFailed, At(pos) + ": the decompressor failed");
    if (!out.empty()) {
      // The deflate history carries over between blocks: the last 32 KiB written are the dictionary.
      const std::size_t window = std::min<std::size_t>(out.size(), 32768);
      if (inflateSetDictionary(&zs, reinterpret_cast<const Bytef*>(out.data() + out.size() - window),
                               static_cast<uInt>(window)) != Z_OK) {
        Fail(XError::DecompressionFailed, At(pos) + ": the decompressor failed");
      }
    }
    const std::size_t before = out.size();
    // One byte of spare room tells a block that inflates to more than its stated size.
    out.resize(before + expected + 1);
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + pos + 6));
    zs.avail_in = packed - 2;
    zs.next_out = reinterpret_cast<Bytef*>(out.data() + before);
    zs.avail_out = expected + 1;
    const int result = inflate(&zs, Z_FINISH);
    const std::size_t produced = expected + 1 - zs.avail_out;
    if (result != Z_STREAM_END && result != Z_OK && result != Z_BUF_ERROR) {
      Fail(XError::DecompressionFailed,
           At(pos) + ": damaged deflate data" + (zs.msg != nullptr ? std::string(" (") + zs.msg + ")" : ""));
    }
    if (produced != expected) {
      Fail(XError::DecompressionFailed, At(pos) + ": block inflates to " + (produced > expected ? "more than " : "") +
                                            std::to_string(produced) + " bytes, not its stated " +
                                            std::to_string(expected));
    }
    out.resize(before + produced);
    pos += 4 + packed;
  }
  // The declared size counts the 16-byte header; accept writers that leave it out too.
  if (total >= 16 && out.size() < total - 16) {
    Fail(XError::Truncated, At(data.size()) + ": the compressed data ends after " + std::to_string(out.size()) +
                                " of " + std::to_string(total - 16) + " bytes");
  }
  return out;
}

}  // namespace xfile::detail
