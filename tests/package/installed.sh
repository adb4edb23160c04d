#!/usr/bin/env bash
# The package installed into this machine with dpkg, the programs run from their installed
# places, and the package removed again. Three steps, so that CTest runs the removal even
# when a check fails or times out:
#
#   installed.sh install <output dir of deb.sh>
#   installed.sh check <output dir> <source dir> <build tree's quillmark-convert> <version>
#   installed.sh remove <output dir>
#
# Installing needs root and dpkg; without them every step is skipped. A quillmark package
# or program already on the machine is never touched: install fails and says so, and check
# and remove skip, since only what this test installed is removed.
# Exit status: 0 pass, 1 fail, 77 skipped.
set -uo pipefail

step=${1:?usage: installed.sh install|check|remove <output dir> ...}
out=${2:?usage: installed.sh install|check|remove <output dir> ...}
marker=$out/installed-by-test

case $step in
  install)
    if ((EUID != 0)); then
      echo "SKIP: installing a package needs root"
      exit 77
    fi
    if ! command -v dpkg >/dev/null 2>&1; then
      echo "SKIP: dpkg is not installed"
      exit 77
    fi
    rm -f "$marker"
    debs=("$out"/quillmark_*.deb)
    if [[ ! -f ${debs[0]} ]]; then
      echo "FAIL: no package in $out (package.deb makes it)"
      exit 1
    fi
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' quillmark 2>/dev/null)
    if [[ -n $status && $status != un* ]]; then
      echo "FAIL: a quillmark package is already on this machine ($(dpkg-query -W quillmark));" \
        "this test installs and removes its own, so it leaves that one alone." \
        "Remove it (dpkg -r quillmark) to run this test."
      exit 1
    fi
    while read -r path; do
      path=${path#.}
      if [[ -n $path && ! -d $path && -e $path ]]; then
        echo "FAIL: $path already exists (installed by hand?); the package would replace it."
        exit 1
      fi
    done < <(dpkg-deb -c "${debs[0]}" | awk '{ print $6 }')
    if ! dpkg -i "${debs[0]}"; then
      echo "FAIL: dpkg -i ${debs[0]} failed"
      dpkg -r quillmark >/dev/null 2>&1
      exit 1
    fi
    touch "$marker"
    ;;

  check)
    source=${3:?} built=${4:?} version=${5:?}
    if [[ ! -e $marker ]]; then
      echo "SKIP: the package is not installed by this test"
      exit 77
    fi
    failures=0
    fail() {
      echo "FAIL: $*"
      ((failures++))
    }
    work=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-package.XXXXXX") || exit 1
    trap 'rm -rf "$work"' EXIT

    line=$(/usr/bin/quillmark-convert --version) || fail "quillmark-convert --version failed"
    [[ $line == "quillmark-convert $version" ]] || fail "quillmark-convert --version says '$line'"
    # The editor prints its version without a window; Qt still wants a platform to start.
    line=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen /usr/bin/quillmark --version 2>"$work/err") ||
      fail "quillmark --version failed: $(cat "$work/err")"
    [[ $line == "Quillmark $version" ]] || fail "quillmark --version says '$line'"

    sample=$source/examples/sample-post.rtf
    if /usr/bin/quillmark-convert "$sample" >"$work/sample.html"; then
      cmp "$work/sample.html" "$source/examples/sample-post.html" ||
        fail "the installed converter's HTML of the sample post differs from examples/sample-post.html"
    else
      fail "the installed converter failed on the sample post"
    fi
    # The default road (spelt --via-editor here) finds its helper in libexec, as the one in
    # the build tree finds its own; --engine needs no helper.
    if env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/quillmark-convert --via-editor "$sample" \
        >"$work/via.html" 2>"$work/err"; then
      "$built" --via-editor "$sample" >"$work/via-built.html" 2>/dev/null
      cmp "$work/via.html" "$work/via-built.html" ||
        fail "the installed converter's --via-editor differs from the build tree's"
    else
      fail "the installed converter's --via-editor failed: $(cat "$work/err")"
    fi
    env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/quillmark-convert --engine "$sample" >/dev/null ||
      fail "the installed converter's --engine failed"

    if command -v man >/dev/null 2>&1; then
      for page in quillmark quillmark-convert; do
        where=$(man -w "$page" 2>/dev/null)
        [[ $where == /usr/share/man/man1/$page.1.gz ]] || fail "man -w $page finds '$where'"
      done
    fi
    if [[ -r /usr/share/bash-completion/bash_completion ]]; then
      # bash-completion loads a command's completion the first time Tab is pressed after it.
      bash -c 'set +u; source /usr/share/bash-completion/bash_completion
               __load_completion quillmark-convert && complete -p quillmark-convert' \
        >/dev/null 2>&1 || fail "bash-completion does not find the completion of quillmark-convert"
    fi
    if command -v appstreamcli >/dev/null 2>&1; then
      appstreamcli validate --no-net /usr/share/metainfo/org.norvane.Quillmark.metainfo.xml \
        >"$work/as" 2>&1 || fail "the installed metainfo is not valid: $(cat "$work/as")"
    fi
    ((failures == 0)) && echo "The installed package works"
    ((failures == 0))
    ;;

  remove)
    if [[ ! -e $marker ]]; then
      echo "SKIP: the package is not installed by this test"
      exit 77
    fi
    rm -f "$marker"
    dpkg --purge quillmark || {
      echo "FAIL: dpkg --purge quillmark failed"
      exit 1
    }
    for path in /usr/bin/quillmark /usr/bin/quillmark-convert /usr/libexec/quillmark; do
      if [[ -e $path ]]; then
        echo "FAIL: $path is still there after the package was removed"
        exit 1
      fi
    done
    ;;

  *)
    echo "usage: installed.sh install|check|remove <output dir> ..." >&2
    exit 2
    ;;
esac
