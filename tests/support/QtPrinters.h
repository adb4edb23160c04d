#pragma once
// Readable GoogleTest messages for Qt values: a QString prints as its text, not its bytes.
#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out) {
  *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray &bytes, std::ostream *out) {
  *out << '"' << bytes.toStdString() << '"';
}
