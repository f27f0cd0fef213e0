#pragma once
// The components keep UTF-8 text; Qt keeps UTF-16. These are the only conversions between them.
#include <QString>
#include <string>

namespace qtfe {

inline QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace qtfe
