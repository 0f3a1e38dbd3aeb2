// The file menu and the colours window of the main window.
#include "paint/canvas/mainpinz.h"

namespace pz {

void Tmainpinz::openpinzpicClick() { endPaste(); }
void Tmainpinz::opensavedClick() { endPaste(); }
void Tmainpinz::savepinzpicClick() { endPaste(); }
void Tmainpinz::savepinzpicasClick() { endPaste(); }
void Tmainpinz::Image1Click() { endPaste(); }

}  // namespace pz
