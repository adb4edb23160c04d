#!/usr/bin/env bash
# Makes the Debian package from the build tree with cpack, and checks what it declares and
# holds: its name and version, dependencies worked out from the programs, the dictionaries it
# recommends, every file a desktop, a shell and the manual expect.
#
# Usage: deb.sh <cpack> <build dir> <output dir> <version>
# Exit status: 0 pass, 1 fail, 77 skipped (dpkg-deb or dpkg-shlibdeps is not installed).
set -uo pipefail

cpack=${1:?usage: deb.sh <cpack> <build dir> <output dir> <version>}
build=${2:?} out=${3:?} version=${4:?}
for tool in dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/install-deps.sh installs dpkg-dev)"
    exit 77
  fi
done

rm -rf "$out"
mkdir -p "$out" || exit 1
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  echo "FAIL: cpack failed:"
  cat "$out/cpack.log"
  exit 1
fi
deb=$out/quillmark_${version}_$(dpkg --print-architecture).deb
if [[ ! -f $deb ]]; then
  echo "FAIL: cpack made no $deb:"
  ls -l "$out"
  exit 1
fi

failures=0
fail() {
  echo "FAIL: $*"
  ((failures++))
}

[[ $(dpkg-deb -f "$deb" Package) == quillmark ]] || fail "the package is not named quillmark"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] ||
  fail "the package's version is '$(dpkg-deb -f "$deb" Version)', not the project's $version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 'libstdc\+\+6' libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6; do
  [[ $depends =~ (^|[ ,])$library( |,|$) ]] || fail "Depends lacks ${library//\\/}: $depends"
done

# A fresh install can check British as well as American spelling, and the spelling of each
# language the program is translated into.
recommends=$(dpkg-deb -f "$deb" Recommends)
for dictionary in hunspell-en-us hunspell-en-gb hunspell-de-de hunspell-fr hunspell-es; do
  [[ $recommends =~ (^|[ ,|])$dictionary( |,|$) ]] ||
    fail "Recommends lacks $dictionary: $recommends"
done
# .odt and .docx documents open through LibreOffice Writer without its window.
suggests=$(dpkg-deb -f "$deb" Suggests)
[[ $suggests =~ (^|[ ,])libreoffice-writer-nogui( |,|$) ]] ||
  fail "Suggests lacks libreoffice-writer-nogui: $suggests"

contents=$(dpkg-deb -c "$deb" | awk '{ print $1, $6 }')
for file in \
    usr/bin/quillmark usr/bin/quillmark-convert \
    usr/libexec/quillmark/quillmark-convert-via-editor \
    usr/share/applications/quillmark.desktop \
    usr/share/icons/hicolor/scalable/apps/quillmark.svg \
    usr/share/metainfo/org.norvane.Quillmark.metainfo.xml \
    usr/share/man/man1/quillmark.1.gz usr/share/man/man1/quillmark-convert.1.gz \
    usr/share/bash-completion/completions/quillmark-convert \
    usr/share/doc/quillmark/copyright usr/share/doc/quillmark/changelog.gz \
    usr/share/doc/quillmark/guide/index.html; do
  grep -q " \./$file\$" <<<"$contents" || fail "the package lacks /$file"
done
# Software centres find the program through the desktop entry the metainfo names.
launchable=$(dpkg-deb --fsys-tarfile "$deb" |
  tar -xOf - ./usr/share/metainfo/org.norvane.Quillmark.metainfo.xml 2>/dev/null |
  sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p')
if [[ $launchable != *.desktop ]] ||
  ! grep -q " \./usr/share/applications/$launchable\$" <<<"$contents"; then
  fail "the metainfo's launchable '$launchable' is not a desktop entry of the package"
fi
# Programs are executable by everyone, everything else is only readable.
while read -r mode path; do
  case $path in
    */) expected=drwxr-xr-x ;;
    ./usr/bin/* | ./usr/libexec/quillmark/*) expected=-rwxr-xr-x ;;
    *) expected=-rw-r--r-- ;;
  esac
  [[ $mode == "$expected" ]] || fail "$path has mode $mode, expected $expected"
done <<<"$contents"

echo "Made $deb"
dpkg-deb -f "$deb"
((failures == 0))
