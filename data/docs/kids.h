// The first part of the guide, for children who cannot read yet: every
// tool's picture beside what that tool does to a drawing, made by running
// the tool itself on a shipped drawing.
#pragma once

#include <QString>
#include <vector>

namespace pz {
class ArtCache;
}

namespace pz::guide {

// The tools shown, in the order of the tool chest's guide section.
const std::vector<int>& kidTools();

// The picture file of a tool's work, and of the drawing before any tool.
QString kidPicture(int tool);
inline QString kidBeforePicture() { return QStringLiteral("kid-before.png"); }
// The tool chest window as it opens.
inline QString kidChestPicture() { return QStringLiteral("kid-chest.png"); }

// Paints the drawing `drawingBmp` with each tool and writes the pictures
// into `picsDir`. False when the drawing cannot be read or a file written.
bool writeKidPictures(const QString& drawingBmp, const QString& programDir, const ArtCache& art,
                      const QString& picsDir);

// The section's HTML: no words a child must read.
QString kidsSection();

}  // namespace pz::guide
