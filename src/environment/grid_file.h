#pragma once
// A string grid filled from a text file's lines, column by column, and written back the same way. It
// keeps the bytes each cell was read from, so that cells nobody edited (Shift-JIS labels included)
// go back to the file exactly as they came.
#include <vector>

#include "platform/os/codepage.h"
#include "platform/ui/components.h"
#include "platform/ui/string_list.h"

class GridFile {
 public:
  // Cell (c, r) gets line c * RowCount + r, shown as UTF-8. A missing line throws ListIndexError with
  // its index; the cells before it keep their new texts, the rest their old ones.
  void Load(ui::StringGrid& grid, const ui::StringList& lines);

  // Every cell as a line in the same order: the bytes it was loaded from while its text is unchanged,
  // otherwise its text in the system code page.
  ui::StringList Lines(const ui::StringGrid& grid) const;

 private:
  std::vector<os::SystemText> loaded_;  // by c * RowCount + r
};
