// Fields for the RTF reader: a field instruction taken apart into its arguments, and the
// address of a hyperlink among them.
#include "RtfFields.h"

#include <QList>
#include <utility>

#include "DocumentModel.h"

namespace quillmark::richtext {

namespace {

// One argument of a field instruction; a switch ("\l") is never quoted.
struct FieldArgument {
  QString text;
  bool quoted = false;
};

QList<FieldArgument> fieldArguments(QStringView instruction) {
  QList<FieldArgument> arguments;
  qsizetype i = 0;
  const qsizetype size = instruction.size();
  while (i < size) {
    if (instruction[i].isSpace()) {
      ++i;
      continue;
    }
    FieldArgument argument;
    if (instruction[i] == u'"') {
      argument.quoted = true;
      for (++i; i < size && instruction[i] != u'"'; ++i) {
        if (instruction[i] == u'\\' && i + 1 < size &&
            (instruction[i + 1] == u'\\' || instruction[i + 1] == u'"')) {
          ++i;
        }
        argument.text += instruction[i];
      }
      ++i;  // the closing quote
    } else {
      for (; i < size && !instruction[i].isSpace(); ++i) argument.text += instruction[i];
    }
    arguments << argument;
  }
  return arguments;
}

}  // namespace

QString hyperlinkAddress(QStringView instruction) {
  const QList<FieldArgument> arguments = fieldArguments(instruction);
  if (arguments.isEmpty() || arguments.front().quoted ||
      arguments.front().text.compare(u"HYPERLINK", Qt::CaseInsensitive) != 0) {
    return {};
  }
  QString address;
  QString bookmark;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const FieldArgument &argument = arguments[i];
    if (!argument.quoted && argument.text.startsWith(u'\\')) {
      const QString name = argument.text.mid(1).toLower();
      const bool next = i + 1 < arguments.size();
      if (name == u"l" && next) {
        bookmark = arguments[++i].text;
      } else if ((name == u"o" || name == u"t") && next) {
        ++i;
      }
    } else if (address.isEmpty()) {
      address = argument.text;
    }
  }
  if (!bookmark.isEmpty()) address += u'#' + bookmark;
  return address;
}

QString includePictureAddress(QStringView instruction) {
  const QList<FieldArgument> arguments = fieldArguments(instruction);
  if (arguments.isEmpty() || arguments.front().quoted ||
      arguments.front().text.compare(u"INCLUDEPICTURE", Qt::CaseInsensitive) != 0) {
    return {};
  }
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const FieldArgument &argument = arguments[i];
    if (!argument.quoted && argument.text.startsWith(u'\\')) {
      if (argument.text.compare(u"\\c", Qt::CaseInsensitive) == 0) ++i;
      continue;
    }
    const QString &address = argument.text;
    const bool web = address.startsWith(u"http://", Qt::CaseInsensitive) ||
                     address.startsWith(u"https://", Qt::CaseInsensitive);
    return web ? address : QString();
  }
  return {};
}

int Fields::open() {
  fields_.emplace_back();
  return int(fields_.size());
}

void Fields::instructionCharacter(int field, char16_t c) {
  if (isTextCharacter(c)) fields_[std::size_t(field - 1)].instruction += QChar(c);
}

QString Fields::takeAddress(int field) {
  Field &own = fields_[std::size_t(field - 1)];
  const QString instruction = std::exchange(own.instruction, {});
  own.picture = addressText(includePictureAddress(instruction));
  return addressText(hyperlinkAddress(instruction));
}

void Fields::altCharacter(int field, char16_t c) {
  QString &alt = fields_[std::size_t(field - 1)].alt;
  if (c == u'\t') c = u' ';
  if (isTextCharacter(c) && alt.size() < kMaxAltTextLength) alt += QChar(c);
}

std::pair<QString, QString> Fields::takePicture(int field) {
  Field &own = fields_[std::size_t(field - 1)];
  return {std::exchange(own.picture, {}), std::exchange(own.alt, {}).trimmed()};
}

void Fields::setAddress(int field, QString address) {
  fields_[std::size_t(field - 1)].address = std::move(address);
}

}  // namespace quillmark::richtext
