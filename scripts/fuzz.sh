#!/usr/bin/env bash
# Builds the libFuzzer programs of tests/fuzz with clang into build-fuzz and
# runs them for a chosen time, several at once, then prints the executions
# and the findings of each target.
#
#   scripts/fuzz.sh [-t seconds per target] [-j targets at once] [target...]
#
# Defaults: 300 seconds, 4 at once, every target. Each target's corpus grows in
# build-fuzz/fuzz/corpus/<target> (seeded from tests/fuzz/corpus/<target>, the
# shipped data and generated pictures); a crashing input is left in
# build-fuzz/fuzz/findings/<target>/ and libFuzzer's output in
# build-fuzz/fuzz/logs/<target>.log. Keep each mended finding's input as a
# seed in tests/fuzz/corpus/<target>/.
set -euo pipefail

seconds=300
jobs=4
while getopts "t:j:" option; do
  case $option in
    t) seconds=$OPTARG ;;
    j) jobs=$OPTARG ;;
    *) echo "usage: $0 [-t seconds] [-j jobs] [target...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_FUZZ_BUILD:-$source_dir/build-fuzz}

"$source_dir/scripts/setup.sh" --fuzz
if ! command -v clang++ >/dev/null; then
  echo "clang++ is missing: scripts/setup.sh --fuzz installs it" >&2
  exit 2
fi

CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMORA_FUZZ=ON -DVELMORA_TESTS=OFF -DVELMORA_BENCHMARKS=OFF \
  ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} \
  ${CMAKE_C_COMPILER_LAUNCHER:+-DCMAKE_C_COMPILER_LAUNCHER=$CMAKE_C_COMPILER_LAUNCHER} >/dev/null

work=$build/fuzz
if [ $# -eq 0 ]; then
  set -- $(cd "$work" && ls ./*.seeds | sed 's|^\./||; s|\.seeds$||')
fi
programs=()
for target in "$@"; do
  [ -f "$work/$target.seeds" ] || { echo "no fuzz target named $target" >&2; exit 2; }
  programs+=("fuzz_$target")
done
cmake --build "$build" --parallel "${VELMORA_BUILD_JOBS:-3}" --target fuzz_picture_seeds "${programs[@]}"

mkdir -p "$work/corpus" "$work/findings" "$work/logs"
# Each input is written to a file the loader then reads: in memory that goes
# twenty times faster than on a disk.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

run_one() {
  local target=$1 seconds=$2 source_dir=$3 work=$4 build=$5
  local corpus=$work/corpus/$target findings=$work/findings/$target
  mkdir -p "$corpus" "$findings"
  # The seeds join the corpus under names of their own.
  while read -r seed; do
    [ -n "$seed" ] || continue
    if [ -d "$seed" ]; then
      find "$seed" -maxdepth 1 -type f -exec sh -c 'cp -f "$1" "$2/seed-$(basename "$1")"' _ {} "$corpus" \;
    elif [ -f "$seed" ]; then
      cp -f "$seed" "$corpus/seed-$(basename "$seed")"
    fi
  done <"$work/$target.seeds"
  local dict=()
  [ -f "$source_dir/tests/fuzz/dict/$target.dict" ] && dict=(-dict="$source_dir/tests/fuzz/dict/$target.dict")
  local leaks
  leaks=$(cat "$work/$target.leaks")
  ASAN_OPTIONS=detect_leaks=$leaks:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/tests/fuzz/fuzz_$target" "${dict[@]}" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=4096 \
    -max_len=65536 -detect_leaks="$leaks" -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" \
    >"$work/logs/$target.log" 2>&1 || true
}
export -f run_one

printf '%s\n' "$@" | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$source_dir" "$work" "$build"

printf '\n%-16s %14s %10s %8s\n' target executions "exec/s" findings
status=0
for target in "$@"; do
  log=$work/logs/$target.log
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  found=$(find "$work/findings/$target" -type f | wc -l)
  [ "$found" -eq 0 ] || status=1
  printf '%-16s %14s %10s %8s\n' "$target" "${runs:-?}" "${rate:-?}" "$found"
done
exit $status
