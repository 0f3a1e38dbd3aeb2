// Selection commands, paste, clip art, printing and starting PinzFX.
#include "paint/canvas/mainpinz.h"

namespace pz {

void Tmainpinz::tpopdelClick() {}
void Tmainpinz::tpopcutClick() {}
void Tmainpinz::tpopcopyClick() { showPicture(); }
void Tmainpinz::tpopmaketextClick() {}
void Tmainpinz::popuppasteClick() {}
void Tmainpinz::popupclipartClick() {}
void Tmainpinz::popupprintClick() {}
void Tmainpinz::popupprintsetupClick() {}
void Tmainpinz::popupgetaviClick() {}
void Tmainpinz::popuptexteffectClick() {}
void Tmainpinz::popupgetwmfClick() {}
void Tmainpinz::drawPastePreview(QPoint) {}
void Tmainpinz::dropPaste(QPoint) {}

}  // namespace pz
