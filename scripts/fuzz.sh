#!/usr/bin/env bash
# Fuzzes the readers of outside input with libFuzzer (clang, ASan and UBSan).
#   scripts/fuzz.sh TARGET SECONDS   fuzz one target for that long
#   scripts/fuzz.sh --replay         run every seed corpus once through the libFuzzer programs
#   scripts/fuzz.sh --list           name the targets
# Builds into build-fuzz/ (or $NOCTURNA_FUZZ_BUILD_DIR). Inputs that reach new code collect in
# <build>/fuzz-work/TARGET/corpus; the seed corpus fuzz/corpus/TARGET is only read. A crash, leak,
# hang or memory blow-up is copied into fuzz/corpus/TARGET (so the test suite replays it until the
# fault is fixed) and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${NOCTURNA_FUZZ_BUILD_DIR:-build-fuzz}"
targets=()
for source in fuzz/*_fuzz.cpp; do
  name="$(basename "$source" _fuzz.cpp)"
  [ -d "fuzz/corpus/$name" ] && targets+=("$name")
done

usage() {
  echo "usage: $0 TARGET SECONDS | --replay | --list   (targets: ${targets[*]})" >&2
  exit 2
}

# Configures and builds the named programs; two fuzzing runs side by side take turns here.
build() {
  mkdir -p "$build_dir"
  (
    flock 9
    CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DNOCTURNA_FUZZ=ON -DNOCTURNA_BUILD_UI=OFF -DNOCTURNA_BUILD_BENCH=OFF >/dev/null
    cmake --build "$build_dir" --target "$@"
  ) 9>"$build_dir/.build-lock"
}

export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

case "${1:-}" in
  --list)
    printf '%s\n' "${targets[@]}"
    exit 0
    ;;
  --replay)
    build "${targets[@]/#/fuzz_}"
    for target in "${targets[@]}"; do
      echo "== $target"
      log="$build_dir/fuzz-replay-$target.log"
      if ! "$build_dir/fuzz/fuzz_$target" -runs=0 -timeout=10 -rss_limit_mb=2048 \
          "fuzz/corpus/$target" >"$log" 2>&1; then
        cat "$log" >&2
        echo "$target: the corpus fails" >&2
        exit 1
      fi
      grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)" "$log" | tail -1 || true
    done
    exit 0
    ;;
esac

[ $# -eq 2 ] || usage
target="$1"
seconds="$2"
[[ " ${targets[*]} " == *" $target "* ]] || usage
[[ "$seconds" =~ ^[0-9]+$ ]] || usage

build "fuzz_$target"
work="$build_dir/fuzz-work/$target"
mkdir -p "$work/corpus" "$work/artifacts"
rm -f "$work/artifacts/"*
dictionary=()
[ -f "fuzz/$target.dict" ] && dictionary=("-dict=fuzz/$target.dict")

status=0
"$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$work/artifacts/" "${dictionary[@]}" \
  "$work/corpus" "fuzz/corpus/$target" >"$work/log" 2>&1 || status=$?

grep -E "^#[0-9]+[[:space:]]+DONE" "$work/log" | tail -1 || true
grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)" "$work/log" || true
found=0
for artifact in "$work/artifacts/"*; do
  [ -f "$artifact" ] || continue
  cp "$artifact" "fuzz/corpus/$target/"
  echo "fault found: fuzz/corpus/$target/$(basename "$artifact")" >&2
  found=1
done
if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
  echo "$target: libFuzzer stopped with status $status; see $work/log" >&2
  exit 1
fi
echo "$target: no crash, leak or hang in $seconds s"
