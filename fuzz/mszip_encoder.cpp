#include "mszip_encoder.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace fuzz {
namespace {

void Put16(std::string& out, std::size_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

// One block: its input deflated on its own, with the bytes before it as the dictionary.
std::string DeflateBlock(std::string_view before, std::string_view block) {
  z_stream zs{};
  if (deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) std::abort();
  const std::size_t window = std::min<std::size_t>(before.size(), 32768);
  if (window > 0) {
    deflateSetDictionary(&zs, reinterpret_cast<const Bytef*>(before.data() + before.size() - window),
                         static_cast<uInt>(window));
  }
  std::string out(deflateBound(&zs, static_cast<uLong>(block.size())) + 16, '\0');
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(block.data()));
  zs.avail_in = static_cast<uInt>(block.size());
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = static_cast<uInt>(out.size());
  if (deflate(&zs, Z_FINISH) != Z_STREAM_END) std::abort();
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return out;
}

}  // namespace

std::string CompressXFile(std::string_view xfile, std::size_t block_size) {
  const std::string_view header = xfile.substr(0, 16), body = xfile.substr(std::min<std::size_t>(16, xfile.size()));
  std::string out(header);
  out.replace(8, 4, header.substr(8, 4) == "bin " ? "bzip" : "tzip");
  const std::size_t total = xfile.size();  // the declared size counts the header
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((total >> (8 * i)) & 0xFF));
  for (std::size_t at = 0; at < body.size(); at += block_size) {
    const std::string_view block = body.substr(at, block_size);
    const std::string packed = DeflateBlock(body.substr(0, at), block);
    Put16(out, block.size());
    Put16(out, packed.size() + 2);
    out += "CK" + packed;
  }
  return out;
}

}  // namespace fuzz
