// A second program for the draft tests: keeps a draft in the folder given as its argument,
// prints the draft's path, and then waits until it is killed (or its input closes).
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <iostream>
#include <string>

#include "writing/DraftKeeper.h"

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  // The real program's name, which differs from this executable's.
  QCoreApplication::setApplicationName(QStringLiteral("Quillmark"));
  if (argc < 3) return 2;
  quillmark::DraftKeeper keeper(QString::fromLocal8Bit(argv[1]));
  if (!keeper.write(QByteArray(argv[2]))) return 1;
  std::cout << keeper.path().toStdString() << std::endl;
  std::string line;
  std::getline(std::cin, line);
  return 0;
}
