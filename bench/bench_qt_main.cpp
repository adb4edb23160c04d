// main() for the benchmarks of the editor's parts: a QApplication (fonts, layout, widgets) on
// the offscreen platform unless another is asked for, with settings, drafts and the personal
// word list in throw-away test folders.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
