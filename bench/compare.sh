#!/usr/bin/env bash
# Whole-process speed and peak memory of quillmark-convert on generated posts of 1, 5, 10 and
# 50 MB, beside unrtf (a general RTF converter) and quillmark-byte-scan (one plain pass over
# the bytes, the least any RTF reader does), then PASS or FAIL for each of the engine's
# targets. Exits with status 1 when a target fails.
set -euo pipefail
export LC_ALL=C

usage() {
  cat <<'EOF'
Usage: bench/compare.sh [--build-dir DIR] [--data-dir DIR] [--runs N] [--unrtf-runs-50 N]

  --build-dir DIR     build tree holding the programs (default: build/default, or
                      $QUILLMARK_BUILD_DIR); build them with
                      cmake --build DIR --target quillmark-convert quillmark-generate-post quillmark-byte-scan
  --data-dir DIR      where the generated posts are kept between runs (default:
                      build/bench-data, or $QUILLMARK_BENCH_DATA)
  --runs N            timed runs of each program per file; the median counts (default 5)
  --unrtf-runs-50 N   runs of unrtf on the 50 MB post, about 30 s each (default 1; 0 skips it)

1 MB = 1,048,576 bytes. Times are wall-clock times of the whole process, output to /dev/null.
With QUILLMARK_BENCH_FORMATS set to a list of formats ("phpbb markdown"), the 10 MB post is
also converted --format FORMAT for each, beside html, and the table shows their speeds and
checks each against its target, 0.4 x the byte scan's speed.
EOF
}

die() {
  echo "compare.sh: $*" >&2
  exit 2
}

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUILLMARK_BUILD_DIR:-$repo/build/default}
data=${QUILLMARK_BENCH_DATA:-$repo/build/bench-data}
runs=5
unrtf_runs_50=1

while (($# > 0)); do
  case $1 in
    --build-dir) build=${2:?--build-dir needs a directory}; shift 2 ;;
    --data-dir) data=${2:?--data-dir needs a directory}; shift 2 ;;
    --runs) runs=${2:?--runs needs a number}; shift 2 ;;
    --unrtf-runs-50) unrtf_runs_50=${2:?--unrtf-runs-50 needs a number}; shift 2 ;;
    -h | --help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
  esac
done
[[ $runs =~ ^[1-9][0-9]*$ ]] || die "--runs needs a positive number"
[[ $unrtf_runs_50 =~ ^[0-9]+$ ]] || die "--unrtf-runs-50 needs a number"
((BASH_VERSINFO[0] >= 5)) || die "needs bash 5 or later (for EPOCHREALTIME)"

build=$(cd "$build" 2>/dev/null && pwd) || die "no build directory $build"
convert=$build/cli/quillmark-convert
generate=$build/bench/quillmark-generate-post
scan=$build/bench/quillmark-byte-scan
for program in "$convert" "$generate" "$scan"; do
  [[ -x $program ]] || die "$program is missing; build it with: cmake --build $build" \
    "--target quillmark-convert quillmark-generate-post quillmark-byte-scan"
done
have_unrtf=$(command -v unrtf >/dev/null && echo yes || echo no)
have_time=$(/usr/bin/time -f %M true >/dev/null 2>&1 && echo yes || echo no)

readonly MB=1048576
sizes=(1 5 10 50)

# The posts, generated again only when missing or older than the generator.
mkdir -p "$data"
declare -A file
for size in "${sizes[@]}"; do
  file[$size]=$data/post-${size}MB.rtf
  if [[ ! -f ${file[$size]} || $generate -nt ${file[$size]} ]]; then
    "$generate" $((size * MB)) >"${file[$size]}.tmp"
    mv "${file[$size]}.tmp" "${file[$size]}"
  fi
done

# Median wall time, in microseconds, of N runs of a command with its output discarded (the
# lower of the two middle ones for an even N).
median_us() {
  local n=$1 i start end
  shift
  local times=()
  for ((i = 0; i < n; i++)); do
    start=${EPOCHREALTIME/./}
    "$@" >/dev/null || die "failed: $*"
    end=${EPOCHREALTIME/./}
    times+=($((end - start)))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((n + 1) / 2))p"
}

# Peak resident memory of a command, in KiB.
peak_kib() {
  local out
  out=$(mktemp)
  /usr/bin/time -f %M -o "$out" "$@" >/dev/null || die "failed: $*"
  tail -n 1 "$out"
  rm -f "$out"
}

# calc <printf format> <awk expression>
calc() { awk "BEGIN { printf \"$1\", $2 }"; }
# speed <size in MB> <microseconds>: MB/s
speed() { calc '%.1f' "$1 / ($2 / 1e6)"; }

echo "Programs from $build; posts in $data"
echo "Median of $runs runs each; unrtf at 50 MB: $( ((unrtf_runs_50 > 0)) &&
  echo "$unrtf_runs_50 run(s)" || echo "skipped"); unrtf not run on the 5 MB post (used for linearity only)"
echo "Load average before: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo

declare -A t_convert t_scan t_unrtf rss
for size in "${sizes[@]}"; do
  f=${file[$size]}
  median_us 1 "$convert" --engine "$f" >/dev/null  # a warm-up run, which also brings the file into the cache
  t_scan[$size]=$(median_us "$runs" "$scan" "$f")
  t_convert[$size]=$(median_us "$runs" "$convert" --engine "$f")
  case $size in
    5) unrtf_runs=0 ;;
    50) unrtf_runs=$unrtf_runs_50 ;;
    *) unrtf_runs=$runs ;;
  esac
  if [[ $have_unrtf == yes ]] && ((unrtf_runs > 0)); then
    t_unrtf[$size]=$(median_us "$unrtf_runs" unrtf --html "$f")
  fi
  if [[ $have_time == yes ]]; then
    rss[$size]=$(peak_kib "$convert" --engine "$f")
  fi
done

row() { printf '%6s  %10s  %12s  %10s  %9s  %12s  %13s  %11s  %9s  %12s\n' "$@"; }
row size "convert ms" "convert MB/s" "unrtf MB/s" "scan MB/s" convert/scan \
  convert/unrtf "peak RSS MB" RSS/input "RSS limit MB"
for size in "${sizes[@]}"; do
  unrtf_speed=- unrtf_ratio=- peak=n/a per_input=n/a limit=$((3 * size + 32))
  if [[ -n ${t_unrtf[$size]-} ]]; then
    unrtf_speed=$(speed "$size" "${t_unrtf[$size]}")
    unrtf_ratio=$(calc '%.1f' "${t_unrtf[$size]} / ${t_convert[$size]}")
  fi
  if [[ -n ${rss[$size]-} ]]; then
    peak=$(calc '%.1f' "${rss[$size]} / 1024")
    per_input=$(calc '%.2f' "${rss[$size]} / 1024 / $size")
  fi
  row "$size MB" "$(calc '%.1f' "${t_convert[$size]} / 1000")" \
    "$(speed "$size" "${t_convert[$size]}")" "$unrtf_speed" "$(speed "$size" "${t_scan[$size]}")" \
    "$(calc '%.3f' "${t_scan[$size]} / ${t_convert[$size]}")" "$unrtf_ratio" "$peak" \
    "$per_input" "$limit"
done

# The post formats on the 10 MB post, each beside html (the engine's output as it is) and
# the byte scan.
declare -A t_format
if [[ -n ${QUILLMARK_BENCH_FORMATS-} ]]; then
  echo
  printf '%-10s  %8s  %8s  %11s  %8s  %8s\n' format ms "MB/s" "peak RSS MB" "/ html" "scan/it"
  for format in html $QUILLMARK_BENCH_FORMATS; do
    t=$(median_us "$runs" "$convert" --format "$format" "${file[10]}")
    [[ $format == html ]] && t_html=$t
    t_format[$format]=$t
    peak=n/a
    if [[ $have_time == yes ]]; then
      peak=$(calc '%.1f' "$(peak_kib "$convert" --format "$format" "${file[10]}") / 1024")
    fi
    printf '%-10s  %8s  %8s  %11s  %8s  %8s\n' "$format" "$(calc '%.1f' "$t / 1000")" \
      "$(speed 10 "$t")" "$peak" "$(calc '%.2f' "$t / $t_html")" \
      "$(calc '%.3f' "${t_scan[10]} / $t")"
  done
fi
linearity=$(calc '%.2f' "${t_convert[50]} / ${t_convert[5]}")
echo
echo "Linearity: t(50 MB) / t(5 MB) = $linearity (10 for linear time)"
echo

failed=0
# verdict <PASS|FAIL|SKIP> <what>
verdict() {
  printf '%-4s  %s\n' "$1" "$2"
  [[ $1 != FAIL ]] || failed=1
}
check() {  # check <awk condition> <what>
  verdict "$(awk "BEGIN { print ($1) ? \"PASS\" : \"FAIL\" }")" "$2"
}
for size in 10 50; do
  check "${t_scan[$size]} / ${t_convert[$size]} >= 0.5" \
    "quillmark-convert at least 0.5 x the byte scan's speed at $size MB"
done
if [[ -n ${t_unrtf[10]-} ]]; then
  check "${t_unrtf[10]} / ${t_convert[10]} >= 50" "quillmark-convert at least 50 x unrtf's speed at 10 MB"
else
  verdict SKIP "quillmark-convert at least 50 x unrtf's speed at 10 MB (unrtf not installed)"
fi
check "$linearity <= 11" "t(50 MB) / t(5 MB) at most 11"
for format in ${QUILLMARK_BENCH_FORMATS-}; do
  check "${t_scan[10]} / ${t_format[$format]} >= 0.4" \
    "--format $format at least 0.4 x the byte scan's speed at 10 MB"
done
if [[ $have_time == yes ]]; then
  condition=1
  for size in "${sizes[@]}"; do condition+=" && ${rss[$size]} <= (3 * $size + 32) * 1024"; done
  check "$condition" "peak RSS at most 3 x input + 32 MB, on every post"
else
  verdict SKIP "peak RSS at most 3 x input + 32 MB (needs GNU time at /usr/bin/time)"
fi
exit $failed
