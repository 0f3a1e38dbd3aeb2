#include "paint/canvas/toolform.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QPushButton>

#include "paint/tools/tool_table.h"
#include "platform/folders.h"

namespace pz {

// A plain chooser until the picture chest lands: one button per tool.
Ttoolform::Ttoolform(PaintState& st, QWidget* parent) : QDialog(parent), st_(st) {
  setWindowTitle(QStringLiteral("Pinzola's Tools"));
  auto* grid = new QGridLayout(this);
  int count = 0;
  const ToolInfo* tools = toolTable(&count);
  int n = 0;
  for (int i = 0; i < count; ++i) {
    if (!*tools[i].chestImage) continue;
    auto* b = new QPushButton(QString::fromLatin1(tools[i].name), this);
    b->setToolTip(QString::fromLatin1(tools[i].hint));
    const int id = tools[i].id;
    connect(b, &QPushButton::clicked, this, [this, id] {
      st_.currentTool = id;
      accept();
    });
    grid->addWidget(b, n / 3, n % 3);
    ++n;
  }
}

QString usableTextureFile(const PaintState& st) {
  if (!st.textureFile.isEmpty() && QFileInfo(st.textureFile).isFile()) return st.textureFile;
  const QString dir = st.programDir + QStringLiteral("/textures");
  const QStringList all = listFolder(dir, QStringLiteral("bmp"));
  return all.isEmpty() ? QString() : dir + QLatin1Char('/') + all.first();
}

}  // namespace pz
