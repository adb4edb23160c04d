// A second program for the draft tests: "draft_keeper_helper FOLDER [TEXT]" claims a draft in
// FOLDER, writes TEXT to it when given (else it holds the lock only, as a program whose
// document is unchanged), prints the draft's path, and then waits until it is killed (or its
// input closes).
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
  if (argc < 2) return 2;
  quillmark::DraftKeeper keeper(QString::fromLocal8Bit(argv[1]));
  if (!keeper.isReady() || (argc > 2 && !keeper.write(QByteArray(argv[2])))) return 1;
  std::cout << keeper.path().toStdString() << std::endl;
  std::string line;
  std::getline(std::cin, line);
  return 0;
}
