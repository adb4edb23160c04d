// main() for test programs that need Qt widgets: a QApplication on the offscreen platform
// (set by quillmark_add_test), then every GoogleTest test.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                  : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
