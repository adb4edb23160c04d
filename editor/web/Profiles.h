#pragma once
// Forum profiles: where a post goes and in what markup. A profile is a name, the forum's
// address, the post format, the longest post the forum takes and whether it shows tables. The
// sites of the Web menu are built-in profiles, and so is each forum software's markup (no
// address, its software's own limit), so that every format can be chosen from the start; the
// user adds their own, which are kept in the application's settings together with the profile
// chosen last. Qt Core only, so it is tested without widgets.
#include <QList>
#include <QString>
#include <optional>

#include "quillmark/formats.h"

namespace quillmark::web {

struct Profile {
  QString name;
  QString address;  // host name and path, as the Web menu opens it
  Format format = Format::Html;
  int limit = 0;  // characters; 0 for no limit
  bool builtIn = false;
  // Whether the forum shows its format's tables; a board that has them switched off gets a
  // table as a code block of padded columns.
  bool tables = true;
  // Whether a post in parts marks each one "(1/3)", "(2/3)"...
  bool partMarks = true;

  bool operator==(const Profile &) const = default;
};

// The post-length limit given to the built-in profiles of the sites.
inline constexpr int kBuiltInLimit = 60000;

// A new profile for a forum of `format`: no name or address yet, the format's own limit, its
// tables shown, its parts numbered.
Profile newProfile(Format format);

class ProfileStore {
 public:
  // Reads the user's profiles and the current choice from the default QSettings.
  ProfileStore();

  // The built-in profiles first, the sites in the Web menu's order and then one per format
  // but html, then the user's, in the order they were added. A profile the user stored
  // under the name of a format's built-in one stands in its place.
  const QList<Profile> &profiles() const { return profiles_; }
  const Profile *find(const QString &name) const;

  // Adds a profile of the user's; false (nothing changed) when the name is empty or taken.
  bool add(Profile profile);
  // Replaces the user's profile `name`; false when there is none or the new name is empty
  // or another profile's. Built-in profiles cannot be changed.
  bool update(const QString &name, Profile profile);
  // Removes the user's profile `name`; false for a built-in or unknown one.
  bool remove(const QString &name);

  // The profile posts are made for: the one chosen last, or the first built-in.
  const Profile &current() const;
  // Chooses a profile by name; false (no change) for an unknown one.
  bool setCurrent(const QString &name);

 private:
  void save() const;

  QList<Profile> profiles_;
  QString current_;
};

}  // namespace quillmark::web
