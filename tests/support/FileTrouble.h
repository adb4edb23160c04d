#pragma once
// Ways to make a file system refuse a write, for tests of saves that must fail cleanly: a
// folder or file that cannot be changed, a small file system that fills up, and a limit on
// the size of the files this process writes. Each undoes itself when it goes out of scope.
//
// The superuser ignores permission bits, so for it "cannot be changed" is the immutable
// attribute instead (chattr +i), where the file system has one.
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <optional>
#include <string>

using namespace Qt::StringLiterals;

namespace quillmark::testing {

inline bool isSuperuser() { return geteuid() == 0; }

// The rows of a table that this machine cannot make fail their way, each with why; the test
// runs the other rows and ends with one GTEST_SKIP naming these.
class SkippedRows {
 public:
  void note(const char *row, const QString &why) {
    rows_ << QString::fromUtf8(row) + u" ("_s + why + u')';
  }
  bool any() const { return !rows_.isEmpty(); }
  std::string text() const { return "not tested here: " + rows_.join(u", "_s).toStdString(); }

 private:
  QStringList rows_;
};

// Makes `path` unchangeable: read-only permissions for an ordinary user, the immutable
// attribute for the superuser. ok() is false when neither is possible here.
class Unchangeable {
 public:
  explicit Unchangeable(QString path) : path_(std::move(path)) {
    if (isSuperuser()) {
      immutable_ = true;
      ok_ = QProcess::execute(u"chattr"_s, {u"+i"_s, path_}) == 0;
    } else {
      permissions_ = QFile::permissions(path_);
      ok_ = QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                             QFileDevice::ReadOther | QFileDevice::ExeOwner |
                                             QFileDevice::ExeGroup | QFileDevice::ExeOther);
    }
  }
  ~Unchangeable() {
    if (!ok_) return;
    if (immutable_)
      QProcess::execute(u"chattr"_s, {u"-i"_s, path_});
    else
      QFile::setPermissions(path_, permissions_);
  }
  Unchangeable(const Unchangeable &) = delete;
  Unchangeable &operator=(const Unchangeable &) = delete;

  bool ok() const { return ok_; }

 private:
  QString path_;
  bool immutable_ = false;
  bool ok_ = false;
  QFileDevice::Permissions permissions_;
};

// A 64 KB file system of its own (tmpfs), which only the superuser can mount. ok() is false
// where it cannot be made.
class SmallFileSystem {
 public:
  SmallFileSystem() {
    if (!isSuperuser() || !dir_.isValid()) return;
    ok_ = QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s,
                                         dir_.path()}) == 0;
  }
  ~SmallFileSystem() {
    if (ok_) QProcess::execute(u"umount"_s, {dir_.path()});
  }
  SmallFileSystem(const SmallFileSystem &) = delete;
  SmallFileSystem &operator=(const SmallFileSystem &) = delete;

  bool ok() const { return ok_; }
  QString filePath(const QString &name) const { return dir_.filePath(name); }
  // Fills what is left with one file, so that the next write of any size fails.
  void fill() const {
    QFile filler(dir_.filePath(u"filler"_s));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write(QByteArray(1, 'f')) == 1) {
    }
  }
  // Gives back the room fill() took.
  void empty() const { QFile::remove(dir_.filePath(u"filler"_s)); }

 private:
  QTemporaryDir dir_;
  bool ok_ = false;
};

// While it lives, this process cannot write files beyond `bytes` (RLIMIT_FSIZE): writes past
// it fail with "File too large", as writes on a full disk fail, for any user.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // else the process is killed
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit &) = delete;
  FileSizeLimit &operator=(const FileSizeLimit &) = delete;

  bool ok() const { return ok_; }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = SIG_DFL;
  bool ok_ = false;
};

}  // namespace quillmark::testing
