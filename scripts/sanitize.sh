#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs
# every test there, leaks included. Slower than ./test, so CI runs it after ./test.
set -euo pipefail
cd "$(dirname "$0")/.."
# Any report fails the program that caused it: undefined behaviour stops it as an overflow would,
# instead of printing and going on. The build runs handbook-makedb, so these hold for it too.
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Leaks count. Stacks are taken in full (not by frame pointers, which Qt's and Firebird's
# libraries lack), so each suppression in lsan.supp matches the library frame it names; it costs
# the suite about half as much time again.
# Not intercepting __tls_get_addr: with it, LeakSanitizer's own tracer crashes now and then at a
# program's exit ("Tracer caught signal 11"; with verbosity=1 it was walking a dynamic TLS block it
# had recorded with garbage bounds, "DTLS 13 at 0x35a1-0x28000046a3"), in the signal-ending
# program and in the desktop tests alike; a fault of this GCC's sanitizer runtime, not of the
# programs. Without it the leak check runs in full and the whole suite reports no leak.
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" > /dev/null
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" "$@"
