#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: a normal build, a build under
# AddressSanitizer + UndefinedBehaviorSanitizer, and the thread tests under ThreadSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"
scripts/bootstrap
jobs=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1

configure() {  # dir, extra cmake arguments...
  local dir=$1; shift
  # Test files are compiled in batches (unity build): the three builds take much less time.
  cmake -S . -B "$dir" -G Ninja -DVERITOME_BENCH=ON -DVERITOME_UNITY_TESTS=ON "$@" >/dev/null
}
quiet_build() {  # dir, targets...
  local dir=$1; shift
  cmake --build "$dir" -j "$jobs" "$@" | grep -vE '^\[[0-9]+/[0-9]+\] ' || true
  cmake --build "$dir" -j "$jobs" "$@" >/dev/null  # fails the script when the build failed
}

status=0
passed=0
failed=0
run_ctest() {  # dir, ctest arguments...: runs, tallies, never stops the script
  local dir=$1; shift
  local log="$dir/ctest.log"
  (cd "$dir" && ctest -j "$jobs" "$@") 2>&1 | tee "$log" || true
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    grep -q 'No tests were found' "$log" && return 0
    status=1; return 0
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
  [ "$bad" -eq 0 ] || status=1
}

echo "== normal build"
configure build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
quiet_build build/test
run_ctest build/test --timeout 600

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
configure build/asan -DCMAKE_BUILD_TYPE=Debug -DVERITOME_SANITIZE=address -DVERITOME_BENCH=OFF
quiet_build build/asan
LSAN_OPTIONS="print_suppressions=0" \
  run_ctest build/asan --timeout 900

echo "== ThreadSanitizer (thread tests and the whole toolkit test program)"
configure build/tsan -DCMAKE_BUILD_TYPE=Debug -DVERITOME_SANITIZE=thread -DVERITOME_BENCH=OFF
# Only the test programs that hold thread suites (or run whole under TSan) are built here; a new
# "Thread" suite in another program needs its target added to this list.
quiet_build build/tsan --target foundation_tests settings_tests job_tests app_tests \
  platform_window_tests gui_tests frame_tests
run_ctest build/tsan --timeout 900 -R 'Thread'
# The toolkit's tests change widget trees from several threads: all of them run under TSan.
run_ctest build/tsan --timeout 900 -L '^gui_tests$' -E 'Thread'

# ---- fuzz stage: libFuzzer over the parsers of outside input --------------------------------
# Built with clang in its own directory; the fuzzing minute is shared by the targets, each
# starting from its seeds in tests/data/<folder>/corpus (new inputs go to build/fuzz/corpus/).
# A failing input is left in build/fuzz/artifacts: copy it into tests/data/<folder>/, where
# the target's replay test (and for XML, XmlParser.FixtureDocumentsParseAndRewrite) runs it.
fuzz_targets=(xml:xml checksum_line:checksum lang_pack:lang registry_value:reg jpeg_decode:jpeg
  drop_paths:drop)
fuzz_seconds=$((60 / ${#fuzz_targets[@]}))
echo "== libFuzzer: ${#fuzz_targets[@]} targets, ${fuzz_seconds} seconds each"
CC=clang CXX=clang++ configure build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERITOME_FUZZ=ON \
  -DVERITOME_BENCH=OFF
quiet_build build/fuzz --target $(printf 'fuzz_%s ' "${fuzz_targets[@]%%:*}")
mkdir -p build/fuzz/artifacts
for target in "${fuzz_targets[@]}"; do
  name=${target%%:*} data=tests/data/${target#*:}
  mkdir -p "build/fuzz/corpus/$name"
  if ! "build/fuzz/fuzz_$name" -max_total_time="$fuzz_seconds" -print_final_stats=0 \
      -artifact_prefix="build/fuzz/artifacts/$name-" "build/fuzz/corpus/$name" "$data/corpus" \
      >"build/fuzz/$name.log" 2>&1; then
    tail -n 40 "build/fuzz/$name.log"
    echo "fuzz_$name found a failing input: see build/fuzz/artifacts/ (a fixture goes to $data/)"
    failed=$((failed + 1)); status=1
  else
    echo "fuzz_$name: $(tail -n 1 "build/fuzz/$name.log")"
  fi
done
# ---- end of fuzz stage ------------------------------------------------------------------------

# ---- package stage (desktop area): the Debian package of the normal build ----------------------
# cpack -G DEB, lintian without errors, then the package unpacked into a scratch root: its
# veritome-cli answers --version and its desktop entry passes desktop-file-validate.
echo "== Debian package"
deb_ok=1
rm -f build/test/veritome_*.deb
if ! (cd build/test && cpack -G DEB >cpack.log 2>&1); then
  tail -n 20 build/test/cpack.log; deb_ok=0
else
  deb=$(ls build/test/veritome_*_amd64.deb)
  root=build/test/deb-root
  rm -rf "$root" && dpkg -x "$deb" "$root"
  lintian --fail-on error "$deb" >build/test/lintian.log 2>&1 || deb_ok=0
  grep -v 'root privileges' build/test/lintian.log || true
  "$root/usr/bin/veritome-cli" --version || deb_ok=0
  desktop-file-validate "$root/usr/share/applications/example.zarnek.Veritome.desktop" ||
    deb_ok=0
fi
if [ $deb_ok -eq 1 ]; then
  echo "$(basename "$deb"): ok"; passed=$((passed + 1))
else
  echo "Debian package: failed"; failed=$((failed + 1)); status=1
fi
# ---- end of package stage ---------------------------------------------------------------------

echo "all builds: $passed passed, $failed failed"
exit $status
