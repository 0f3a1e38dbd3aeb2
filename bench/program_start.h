// Times a real program of the program folder from its start until its first
// window is up: the widget map (PINZ_WIDGET_MAP) is first written once the
// event loop runs with the window shown.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

namespace pzbench {

inline void timeProgramStart(benchmark::State& state, const QString& name, const QStringList& args) {
  // Benchmarks live in build/bench, the program folder is build/pinzola.
  const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../pinzola/") + name;
  if (!QFile::exists(program)) {
    state.SkipWithError("program not built");
    return;
  }
  QTemporaryDir dir;
  for (auto _ : state) {
    const QString map = dir.filePath(QStringLiteral("map.txt"));
    QFile::remove(map);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PINZ_WIDGET_MAP"), map);
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM"))) env.insert(QStringLiteral("QT_QPA_PLATFORM"), "offscreen");
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    while (!QFile::exists(map) && t.elapsed() < 10000) QThread::usleep(500);
    state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
    if (!QFile::exists(map)) state.SkipWithError("the window did not appear within 10 s");
    p.kill();
    p.waitForFinished();
  }
}

}  // namespace pzbench
