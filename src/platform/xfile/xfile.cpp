#include "platform/xfile/xfile.h"

#include <new>
#include <optional>
#include <string>

#include "platform/os/file.h"
#include "platform/xfile/lexer.h"
#include "platform/xfile/mszip.h"
#include "platform/xfile/parser.h"

namespace xfile {

const char* XErrorText(XError error) {
  switch (error) {
    case XError::CannotRead:
      return "the file cannot be read";
    case XError::NotAnXFile:
      return "not a DirectX .x file";
    case XError::UnsupportedVersion:
      return "unsupported .x version";
    case XError::UnsupportedFormat:
      return "unsupported .x format or float size";
    case XError::Truncated:
      return "the file ends early";
    case XError::Syntax:
      return "syntax error";
    case XError::BadCount:
      return "bad count";
    case XError::BadIndex:
      return "index out of range";
    case XError::DecompressionFailed:
      return "the compressed data is damaged";
    case XError::NoMesh:
      return "the file holds no mesh";
    case XError::TooLarge:
      return "the file is beyond the reader's limits";
  }
  return "unknown error";
}

namespace {

using detail::Fail;

bool IsDigits(std::string_view text) {
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Header: "xof ", a version "MMmm", a format ("txt ", "bin ", "tzip", "bzip") and a float size
// ("0032", "0064"), 16 bytes in all; the body follows.
XMesh Read(std::string_view bytes) {
  if (bytes.size() < 4 || bytes.substr(0, 4) != "xof ") Fail(XError::NotAnXFile, "byte 0: no \"xof \" signature");
  if (bytes.size() < 16) Fail(XError::Truncated, "byte " + std::to_string(bytes.size()) + ": the header is cut short");
  const std::string_view version = bytes.substr(4, 4);
  const std::string_view format = bytes.substr(8, 4);
  const std::string_view floatSize = bytes.substr(12, 4);
  if (!IsDigits(version) || version.substr(0, 2) != "03") {
    Fail(XError::UnsupportedVersion, "byte 4: version \"" + std::string(version) + "\"");
  }
  if (floatSize != "0032" && floatSize != "0064") {
    Fail(XError::UnsupportedFormat, "byte 12: float size \"" + std::string(floatSize) + "\"");
  }
  const bool doubles = floatSize == "0064";
  const std::string_view body = bytes.substr(16);
  if (format == "txt ") return detail::ParseTextBody(body, false);
  if (format == "bin ") return detail::ParseBinaryBody(body, doubles, false);
  if (format == "tzip") return detail::ParseTextBody(detail::InflateMsZip(body), true);
  if (format == "bzip") return detail::ParseBinaryBody(detail::InflateMsZip(body), doubles, true);
  Fail(XError::UnsupportedFormat, "byte 8: format \"" + std::string(format) + "\"");
}

}  // namespace

XFileResult ReadXFile(std::string_view bytes) {
  try {
    return Read(bytes);
  } catch (detail::Failure& failure) {
    return XFileError{failure.Code, std::move(failure.Message)};
  } catch (const std::bad_alloc&) {
    return XFileError{XError::TooLarge, "out of memory"};
  }
}

XFileResult LoadXFile(std::string_view path) {
  const std::optional<std::string> bytes = os::ReadWholeFile(path);
  if (!bytes) return XFileError{XError::CannotRead, std::string(path) + ": cannot be read"};
  XFileResult result = ReadXFile(*bytes);
  if (auto* error = std::get_if<XFileError>(&result)) error->Message = std::string(path) + ": " + error->Message;
  return result;
}

}  // namespace xfile
