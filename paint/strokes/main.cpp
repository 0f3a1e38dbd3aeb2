// pinz-strokes SCENARIO.json: replays the strokes of a scenario through the
// program's own tool step and writes the resulting picture.
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "paint/strokes/scenario.h"

namespace {
constexpr qint64 kMaxScenarioBytes = 64LL << 20;

int failWith(const QString& msg, int code) {
  std::fprintf(stderr, "pinz-strokes: %s\n", msg.toLocal8Bit().constData());
  return code;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return failWith(QStringLiteral("usage: pinz-strokes SCENARIO.json"), 2);
  const QString path = QString::fromLocal8Bit(argv[1]);
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return failWith(QStringLiteral("%1: cannot read the scenario").arg(path), 2);
  if (f.size() > kMaxScenarioBytes) return failWith(QStringLiteral("%1: the scenario is too large").arg(path), 2);
  const QByteArray bytes = f.read(kMaxScenarioBytes + 1);
  if (bytes.size() > kMaxScenarioBytes) return failWith(QStringLiteral("%1: the scenario is too large").arg(path), 2);

  QString error;
  const auto sc = pz::parseScenario(bytes, QFileInfo(path).absolutePath(), &error);
  if (!sc) return failWith(QStringLiteral("%1: %2").arg(path, error), 2);
  if (!pz::runScenario(*sc, &error)) return failWith(error, 1);
  return 0;
}
