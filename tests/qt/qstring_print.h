#pragma once
// Readable QString values in failure messages (found by argument lookup: QString is global).
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
