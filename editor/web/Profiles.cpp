// The profile store: the built-in profiles from the site table, the user's from QSettings.
#include "web/Profiles.h"

#include <QSettings>

#include "quillmark/split.h"
#include "richtext/DocumentModel.h"
#include "web/Sites.h"

using namespace Qt::StringLiterals;

namespace quillmark::web {

namespace {

using richtext::qs;

// A menu caption as a name: the access-key '&' dropped.
QString withoutAccessKey(std::u16string_view caption) {
  QString name = qs(caption);
  name.remove(u'&');
  return name;
}

std::optional<Format> formatOf(const QString &name) { return formatByName(name.toStdString()); }

QString nameOf(Format format) { return QString::fromStdString(std::string(formatName(format))); }

// A format's built-in profile, which has no address of its own (the sites' profiles all have
// one).
bool isFormatProfile(const Profile &profile) {
  return profile.builtIn && profile.address.isEmpty();
}

// A profile stored for one of our own pages (as an older store kept every site), where no
// post goes.
bool isOurPage(const Profile &profile) {
  for (const Site &site : kSites)
    if (!site.forum &&
        (profile.name == withoutAccessKey(site.caption) || profile.address == qs(site.address)))
      return true;
  return false;
}

constexpr auto kGroup = "forums/profiles";
constexpr auto kCurrent = "forums/current";

}  // namespace

Profile newProfile(Format format) {
  Profile profile;
  profile.format = format;
  profile.limit = int(postLimit(format).characters);
  return profile;
}

// The sites that are forums and the formats but html are the built-in profiles. Our own pages
// stored as profiles are dropped, and the settings written again without them.
ProfileStore::ProfileStore() {
  for (const Site &site : kSites)
    if (site.forum)
      profiles_.append(
          {withoutAccessKey(site.caption), qs(site.address), Format::Html, kBuiltInLimit, true});
  for (const FormatInfo &info : allFormats()) {
    if (info.format == Format::Html) continue;
    Profile profile = newProfile(info.format);
    profile.name = QString::fromStdString(std::string(info.displayName));
    profile.builtIn = true;
    profiles_.append(profile);
  }
  bool dropped = false;
  QSettings settings;
  const int count = settings.beginReadArray(kGroup);
  for (int i = 0; i < count; ++i) {
    settings.setArrayIndex(i);
    Profile profile;
    profile.name = settings.value("name").toString().trimmed();
    profile.address = settings.value("address").toString().trimmed();
    profile.format = formatOf(settings.value("format").toString()).value_or(Format::Html);
    profile.limit = qMax(0, settings.value("limit").toInt());
    // Settings kept before the forum could say so read as a forum that shows tables.
    profile.tables = settings.value("tables", true).toBool();
    profile.partMarks = settings.value("partMarks", true).toBool();
    if (isOurPage(profile)) {
      dropped = true;
      continue;
    }
    // Settings kept before the formats had profiles of their own may hold one of their
    // names: the writer's profile is kept, in the built-in one's place.
    if (const Profile *taken = find(profile.name); taken && isFormatProfile(*taken))
      profiles_.removeAt(profiles_.indexOf(*taken));
    // A damaged entry (no name, or a name taken) is skipped rather than shadowing another.
    if (!profile.name.isEmpty() && find(profile.name) == nullptr) profiles_.append(profile);
  }
  settings.endArray();
  current_ = settings.value(kCurrent).toString();
  if (!current_.isEmpty() && find(current_) == nullptr) {
    current_.clear();
    dropped = true;
  }
  if (dropped) save();
}

const Profile *ProfileStore::find(const QString &name) const {
  for (const Profile &profile : profiles_)
    if (profile.name == name) return &profile;
  return nullptr;
}

bool ProfileStore::add(Profile profile) {
  profile.name = profile.name.trimmed();
  profile.address = profile.address.trimmed();
  profile.builtIn = false;
  if (profile.name.isEmpty() || find(profile.name)) return false;
  profiles_.append(profile);
  save();
  return true;
}

bool ProfileStore::update(const QString &name, Profile profile) {
  profile.name = profile.name.trimmed();
  profile.address = profile.address.trimmed();
  profile.builtIn = false;
  const Profile *old = find(name);
  if (old == nullptr || old->builtIn || profile.name.isEmpty()) return false;
  if (profile.name != name && find(profile.name)) return false;
  profiles_[profiles_.indexOf(*old)] = profile;
  if (current_ == name) current_ = profile.name;
  save();
  return true;
}

bool ProfileStore::remove(const QString &name) {
  const Profile *old = find(name);
  if (old == nullptr || old->builtIn) return false;
  profiles_.removeAt(profiles_.indexOf(*old));
  if (current_ == name) current_.clear();
  save();
  return true;
}

const Profile &ProfileStore::current() const {
  const Profile *chosen = find(current_);
  return chosen ? *chosen : profiles_.front();
}

bool ProfileStore::setCurrent(const QString &name) {
  if (find(name) == nullptr) return false;
  current_ = name;
  save();
  return true;
}

void ProfileStore::save() const {
  QSettings settings;
  settings.remove(kGroup);
  settings.beginWriteArray(kGroup);
  int i = 0;
  for (const Profile &profile : profiles_) {
    if (profile.builtIn) continue;
    settings.setArrayIndex(i++);
    settings.setValue("name", profile.name);
    settings.setValue("address", profile.address);
    settings.setValue("format", nameOf(profile.format));
    settings.setValue("limit", profile.limit);
    settings.setValue("tables", profile.tables);
    settings.setValue("partMarks", profile.partMarks);
  }
  settings.endArray();
  if (current_.isEmpty())
    settings.remove(kCurrent);
  else
    settings.setValue(kCurrent, current_);
}

}  // namespace quillmark::web
