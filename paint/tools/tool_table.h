// What each tool identifier stands for: its name, the tool chest image that
// selects it, that image's hint, the pointer sprite kind and the choices the
// control strip offers while it is current.
#pragma once

namespace pz {

enum OptionsStrip : int {
  StripUnchanged = -1,  // temporary tools leave the strip as it was
  StripNone = 0,
  StripBrushSizes = 1,
  StripStrokeWidths = 2,
  StripRazorModes = 3,
};

struct ToolInfo {
  int id;
  const char* name;        // the identifier's name, e.g. "ToolPastel"
  const char* chestImage;  // component name in the tool chest ("" for popup-only tools)
  const char* hint;        // hint of the chest image ("" for popup-only tools)
  int cursorKind;
  int optionsStrip;
};

// Every tool, in identifier order.
extern const ToolInfo kToolTable[20];

// The row for an identifier, or nullptr for a value without a tool.
const ToolInfo* toolInfo(int id);

}  // namespace pz
