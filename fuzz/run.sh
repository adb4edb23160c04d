#!/usr/bin/env bash
# Fuzzes one target with libFuzzer for a fixed time. Usage:
#
#   fuzz/run.sh [--ci] TARGET SECONDS [FLAG...]   fuzz TARGET (convert, carry_over,
#                                                 tokenizer, formats, bbcode_to_html,
#                                                 post_reader, rtf_reader or round_trip;
#                                                 "fuzz_" in front is fine); FLAGs go to
#                                                 libFuzzer
#   fuzz/run.sh merge TARGET                      add the scratch finds that bring new
#                                                 coverage to the committed corpus
#
# Builds the fuzz preset (build/fuzz) first; the build does nothing when it is up to date.
# The run reads fuzz/corpus/TARGET and tests/regression/ and writes what it finds to the
# scratch corpus build/fuzz/corpus/TARGET, never to the committed one; `merge` copies the
# finds that add coverage over deliberately. A crash, sanitizer report or broken property
# stops the run: the input is kept under build/fuzz/artifacts/TARGET/ and the script exits 1.
# Extra flags go to libFuzzer, e.g. -max_len=16384 or -seed=1. A target with a dictionary of
# its own (fuzz/TARGET.dict) gets that one, the others fuzz/rtf.dict.
#
# --ci runs as continuous integration must, the same way on every machine and every time:
# the scratch corpus is emptied first, so the run starts from the committed corpus and
# tests/regression/ alone and no earlier run on the machine changes the ground it explores;
# and libFuzzer's random numbers start from -seed=1 unless a FLAG gives a seed, so the same
# inputs are tried in the same order (how many in the time given depends on the machine).
# A find in such a run is a real fault, never a leftover of an earlier run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build/fuzz

usage() {
  sed -n '2,11s/^# \{0,1\}//p' "${BASH_SOURCE[0]}" >&2
  exit 2
}

target_name() {
  local name=${1#fuzz_}
  case $name in
    convert | carry_over | tokenizer | formats | bbcode_to_html | post_reader | rtf_reader | \
      round_trip) echo "$name" ;;
    *) echo "unknown target '$1'" >&2; usage ;;
  esac
}

build_target() {
  if ! command -v clang++-14 >/dev/null; then
    echo "fuzzing needs clang 14 with libFuzzer: apt-get install clang-14 libclang-rt-14-dev" >&2
    exit 1
  fi
  cd "$root"
  [[ -f $build/CMakeCache.txt ]] || cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz --target "fuzz_$1" >/dev/null
}

ci=false
if [[ ${1:-} == --ci ]]; then
  ci=true
  shift
fi
(($# >= 2)) || usage
if [[ $1 == merge ]]; then
  target=$(target_name "$2")
  build_target "$target"
  mkdir -p "$build/corpus/$target"
  "$build/fuzz/fuzz_$target" -merge=1 "$root/fuzz/corpus/$target" "$build/corpus/$target"
  exit
fi

target=$(target_name "$1")
seconds=$2
[[ $seconds =~ ^[0-9]+$ ]] || usage
shift 2
build_target "$target"

scratch=$build/corpus/$target
artifacts=$build/artifacts/$target
work=$build/run/$target  # -jobs=1 writes its worker's log, fuzz-0.log, here
if $ci; then
  rm -rf "$scratch"
  [[ " $* " == *" -seed="* ]] || set -- -seed=1 "$@"
fi
mkdir -p "$scratch" "$artifacts" "$work"
log=$build/run/$target.log
rm -f "$work"/fuzz-*.log
dict=$root/fuzz/$target.dict
[[ -f $dict ]] || dict=$root/fuzz/rtf.dict

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
echo "fuzz_$target: ${seconds}s, log in ${log#"$root"/}"
status=0
(
  cd "$work"
  exec "$build/fuzz/fuzz_$target" \
    -max_total_time="$seconds" -jobs=1 -timeout=10 -print_final_stats=1 \
    -dict="$dict" -artifact_prefix="$artifacts/" "$@" \
    "$scratch" "$root/fuzz/corpus/$target" "$root/tests/regression"
) >"$log" 2>&1 || status=$?

# The last status line ("#runs DONE cov: ... exec/s ...") and libFuzzer's totals.
grep -a -E '^#[0-9]+' "$log" | tail -n 1 || true
grep -a -E '^(Done [0-9]+ runs|stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb))' \
  "$log" || true
if ((status != 0)); then
  echo "fuzz_$target FAILED (status $status); the report:" >&2
  grep -a -E -A 40 '^(==[0-9]+==ERROR|\*\*\* fuzz property broken|.*runtime error:|==[0-9]+== ERROR)' \
    "$log" | head -n 80 >&2 || tail -n 60 "$log" >&2
  grep -a -Eo 'Test unit written to [^ ]+' "$log" >&2 || ls -1 "$artifacts" >&2
  exit 1
fi
