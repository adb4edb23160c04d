#pragma once
// "Forums...": the profiles in a list, the chosen one's fields beside it, and buttons to add
// a profile (its format chosen first, from the button's menu), keep the changes to one and
// remove one. Works on the store directly, so every change is kept at once. Built-in profiles
// are shown read-only and cannot be removed.
#include <QDialog>

#include "quillmark/format.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace quillmark::web {

class ProfileStore;
struct Profile;

class ForumsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ForumsDialog(ProfileStore &store, QWidget *parent = nullptr);

  QListWidget &list() const { return *list_; }
  QLineEdit &nameField() const { return *name_; }
  QLineEdit &addressField() const { return *address_; }
  QComboBox &formatField() const { return *format_; }
  QSpinBox &limitField() const { return *limit_; }
  QCheckBox &tablesField() const { return *tables_; }
  QCheckBox &partMarksField() const { return *partMarks_; }

  QPushButton &addButton() const { return *add_; }

  // The buttons' commands. A profile added is an empty one for a forum of `format`.
  void addProfile(quillmark::Format format);
  void keepChanges();
  void removeProfile();

 private:
  QFormLayout *buildFields();
  QHBoxLayout *buildButtons();
  void fill(const QString &select);
  void showChosen();
  bool readFields(Profile &profile) const;

  ProfileStore &store_;
  QListWidget *list_;
  QLineEdit *name_;
  QLineEdit *address_;
  QComboBox *format_;
  QSpinBox *limit_;
  QCheckBox *tables_;
  QCheckBox *partMarks_;
  quillmark::Format shownFormat_ =
      quillmark::Format::Html;  // the format field's choice before the user's last
  QPushButton *add_;
  QPushButton *keep_;
  QPushButton *remove_;
};

}  // namespace quillmark::web
