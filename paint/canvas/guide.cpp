#include "paint/canvas/guide.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace pz {

Tguide::Tguide(const QString& page, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Pinzola User Guide"));
  browser = new QTextBrowser(this);
  browser->setObjectName(QStringLiteral("guide_browser"));
  browser->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser);
  QFile file(page);
  if (file.open(QIODevice::ReadOnly)) {
    // The page's pictures/ are read from beside it.
    browser->setSearchPaths({QFileInfo(page).absolutePath()});
    browser->document()->setBaseUrl(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    QString html = QString::fromUtf8(file.readAll());
    // This renderer draws no colour gradients: the header's white text would
    // stand on the pale page. These rules come last, so they win here only.
    html.replace(QStringLiteral("</style>"), QStringLiteral("header h1, header p { color: #e64a19; }\n</style>"));
    browser->setHtml(html);
    if (!browser->documentTitle().isEmpty()) setWindowTitle(browser->documentTitle());
  } else {
    browser->setPlainText(tr("The User Guide is missing from this folder:") + QLatin1Char('\n') +
                          QFileInfo(page).absolutePath());
  }
  QSize size(1000, 760);
  if (QScreen* s = QGuiApplication::primaryScreen()) size = size.boundedTo(s->availableGeometry().size() * 9 / 10);
  resize(size);
}

}  // namespace pz
