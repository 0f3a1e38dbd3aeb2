// What each tool identifier is: its name, the tool chest image that selects
// it, the hint of that image, and the set-up made when it is chosen.
#pragma once

namespace pz {

struct ToolInfo {
  int id;
  const char* name;
  const char* chestImage;  // the tool chest's image component, empty for temporary tools
  const char* hint;
  int cursorKind;
  int optionsStrip;  // 0 none, 1 brush sizes, 2 stroke widths, 3 razor modes
};

// The row for `id`, or nullptr for an identifier without one.
const ToolInfo* toolInfo(int id);

// All rows, in table order.
const ToolInfo* toolTable(int* count);

}  // namespace pz
