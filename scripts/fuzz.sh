#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# into build-fuzz/ and runs each for a bounded time from its seeds. A crash fails the run and
# leaves its input in build-fuzz/crashes/<target>/ to become a unit test.
# Usage: scripts/fuzz.sh [seconds per target, default 30] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
shift || true
sanitizers="address,undefined"
# The build runs handbook-makedb, so the sanitizers' settings hold for it too.
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DHANDBOOK_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,$sanitizers -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=$sanitizers" > /dev/null
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_update_document fuzz_update_application fuzz_extract_tag fuzz_format_ex
                                      fuzz_transliteration_table fuzz_protocol_proxy fuzz_term_line)
cmake --build build-fuzz --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
failed=0
for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  crashes="build-fuzz/crashes/$target"
  mkdir -p "$corpus" "$crashes"
  # The seeds stay as they are in the sources; what the fuzzer finds grows the corpus in the build.
  if ! build-fuzz/bin/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$crashes/" -print_final_stats=1 "$corpus" "tests/fuzz/corpus/$target" \
       > "build-fuzz/$target.log" 2>&1; then
    failed=1
    echo "$target: FAILED (see build-fuzz/$target.log and $crashes/)"
    tail -n 40 "build-fuzz/$target.log"
  else
    echo "$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/$target.log" | grep -o '[0-9]*$') executions in ${seconds} s"
  fi
done
exit $failed
