#!/usr/bin/env bash
# Builds the libFuzzer programs of tests/fuzz with clang into build-fuzz and
# runs them, several at once, then prints a line for every target given.
#
#   scripts/fuzz.sh [-t seconds] [-j jobs] [-p seconds] [-r runs] [target...]
#
#   -t  the longest time a target runs (default 300 seconds)
#   -j  targets at once (default 4)
#   -p  stop a target once its coverage (libFuzzer's cov) has not grown for
#       this long (default 0: never)
#   -r  stop a target after this many executions (default 0: no limit)
#
# Every target given runs even when another cannot start or finds a fault.
# The closing table gives each target's executions, its corpus, its coverage,
# its findings and why it stopped ("failed to start" with libFuzzer's reason
# where it did). The exit status is 1 when any target found a fault or failed
# to start, 0 when none did, 2 on a wrong command line.
#
# Each target's corpus grows in build-fuzz/fuzz/corpus/<target> (seeded from
# tests/fuzz/corpus/<target>, the shipped data and generated pictures); a
# crashing input is left in build-fuzz/fuzz/findings/<target>/ and libFuzzer's
# output in build-fuzz/fuzz/logs/<target>.log. Keep each mended finding's
# input as a seed in tests/fuzz/corpus/<target>/.
set -euo pipefail

seconds=300
jobs=4
plateau=0
runs=0
usage() { echo "usage: $0 [-t seconds] [-j jobs] [-p plateau seconds] [-r runs] [target...]" >&2; exit 2; }
while getopts "t:j:p:r:" option; do
  case $option in
    t) seconds=$OPTARG ;;
    j) jobs=$OPTARG ;;
    p) plateau=$OPTARG ;;
    r) runs=$OPTARG ;;
    *) usage ;;
  esac
done
for number in "$seconds" "$jobs" "$plateau" "$runs"; do
  [[ $number =~ ^[0-9]+$ ]] || usage
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
# A target that does not build is reported as not started; the others run.
if ! cmake --build "$build" --parallel "${VELMORA_BUILD_JOBS:-3}" --target fuzz_picture_seeds "${programs[@]}" -- -k 0; then
  echo "some fuzz targets did not build; they are listed as failed to start" >&2
fi

mkdir -p "$work/corpus" "$work/findings" "$work/logs"
# Each input is written to a file the loader then reads: in memory that goes
# twenty times faster than on a disk.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

# The coverage (cov) of libFuzzer's last status line in a log, or nothing.
last_cov() {
  tail -c 65536 "$1" 2>/dev/null | grep -o 'cov: [0-9]*' | tail -1 | grep -o '[0-9]*$' || true
}
export -f last_cov

# Runs one target and leaves, beside its log, a .result file with the reason
# it stopped.
run_one() {
  local target=$1 seconds=$2 plateau=$3 runs=$4 source_dir=$5 work=$6 build=$7
  local corpus=$work/corpus/$target findings=$work/findings/$target
  local log=$work/logs/$target.log result=$work/logs/$target.result
  local program=$build/tests/fuzz/fuzz_$target
  mkdir -p "$corpus" "$findings"
  rm -f "$log" "$result"
  if [ ! -x "$program" ]; then
    echo "failed to start: fuzz_$target did not build" >"$result"
    return 0
  fi
  # The seeds join the corpus under names of their own.
  while read -r seed; do
    [ -n "$seed" ] || continue
    if [ -d "$seed" ]; then
      find "$seed" -maxdepth 1 -type f -exec sh -c 'cp -f "$1" "$2/seed-$(basename "$1")"' _ {} "$corpus" \;
    elif [ -f "$seed" ]; then
      cp -f "$seed" "$corpus/seed-$(basename "$seed")"
    else
      echo "failed to start: the seed $seed is missing" >"$result"
      return 0
    fi
  done <"$work/$target.seeds"
  local options=(-max_total_time="$seconds" -timeout=25 -rss_limit_mb=4096 -max_len=65536
    -print_final_stats=1 -artifact_prefix="$findings/")
  [ -f "$source_dir/tests/fuzz/dict/$target.dict" ] && options+=(-dict="$source_dir/tests/fuzz/dict/$target.dict")
  [ "$runs" -gt 0 ] && options+=(-runs="$runs")
  local leaks
  leaks=$(cat "$work/$target.leaks")
  ASAN_OPTIONS=detect_leaks=$leaks:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$program" "${options[@]}" -detect_leaks="$leaks" "$corpus" >"$log" 2>&1 &
  local pid=$! cov="" grown=$SECONDS now reason=""
  while kill -0 "$pid" 2>/dev/null; do
    sleep 5
    [ "$plateau" -gt 0 ] || continue
    now=$(last_cov "$log")
    if [ -n "$now" ] && [ "$now" != "$cov" ]; then
      cov=$now
      grown=$SECONDS
    elif [ $((SECONDS - grown)) -ge "$plateau" ] && kill -0 "$pid" 2>/dev/null; then
      # libFuzzer ends its run on SIGUSR1 as at the end of its time, with
      # its final figures.
      reason="plateau: no new coverage for ${plateau}s"
      kill -USR1 "$pid" 2>/dev/null || true
      break
    fi
  done
  local status=0
  wait "$pid" || status=$?
  if [ -n "$(find "$findings" -type f -print -quit)" ]; then
    reason="finding"
  elif [ -n "$reason" ]; then
    :
  elif [ "$status" -ne 0 ] && ! grep -q 'INITED' "$log"; then
    reason="failed to start: $(grep -m1 -E 'ERROR|[Ee]rror|cannot|No such' "$log" || tail -1 "$log")"
  elif [ "$status" -ne 0 ]; then
    reason="stopped with status $status: $(tail -1 "$log")"
  elif [ "$runs" -gt 0 ] && grep -q "Done $runs runs" "$log"; then
    reason="$runs runs"
  else
    reason="time: ${seconds}s"
  fi
  echo "$reason" >"$result"
  return 0
}
export -f run_one

printf '%s\n' "$@" | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$plateau" "$runs" \
  "$source_dir" "$work" "$build" || true

# The figures of one log: executions from libFuzzer's final figures, else
# from its last status line; coverage and features from its last status line.
figure() {
  grep -o "$2" "$1" 2>/dev/null | tail -1 | grep -o '[0-9]*$' || true
}

printf '\n%-16s %12s %8s %8s %8s %8s %8s  %s\n' target executions "exec/s" corpus cov ft findings stopped
status=0
for target in "$@"; do
  log=$work/logs/$target.log
  runs_done=$(figure "$log" 'stat::number_of_executed_units: *[0-9]*')
  [ -n "$runs_done" ] || runs_done=$(grep -o '^#[0-9]*' "$log" 2>/dev/null | tail -1 | tr -d '#' || true)
  rate=$(figure "$log" 'stat::average_exec_per_sec: *[0-9]*')
  cov=$(figure "$log" 'cov: [0-9]*')
  ft=$(figure "$log" 'ft: [0-9]*')
  corpus_size=$(find "$work/corpus/$target" -type f 2>/dev/null | wc -l)
  found=$(find "$work/findings/$target" -type f 2>/dev/null | wc -l)
  reason=$(cat "$work/logs/$target.result" 2>/dev/null || echo "failed to start: no result")
  if [ "$found" -ne 0 ] || [[ $reason == failed* ]] || [[ $reason == stopped* ]]; then
    status=1
  fi
  printf '%-16s %12s %8s %8s %8s %8s %8s  %s\n' "$target" "${runs_done:--}" "${rate:--}" "$corpus_size" \
    "${cov:--}" "${ft:--}" "$found" "$reason"
done
exit $status
