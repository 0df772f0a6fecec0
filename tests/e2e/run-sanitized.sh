#!/usr/bin/env bash
# The project under AddressSanitizer and UndefinedBehaviorSanitizer.
#   run-sanitized.sh build  <source> <dir>   configure <dir>, build only what the next two steps run
#   run-sanitized.sh frames <source> <dir>   run the demo 2,200 frames (on the current display)
#   run-sanitized.sh suite  <source> <dir>   run the unit suites whose paths the demo does not take
# Every sanitizer report goes to a log file under <dir>/reports, so that one raised in a child
# process whose exit code nobody checks still fails the step. Memory errors and undefined
# behaviour always fail. A leak report fails when an allocation in it was made from our sources
# (a stack frame names one of their files); one whose allocations all come from modules already
# unloaded at exit (the OpenGL driver and its helpers, which SDL unloads with the last window) is
# the system's, and is counted but not failed.
set -uo pipefail
step=$1 source=$2 dir=$3
# The program's own run covers the maths, the readers on good files, the character and the
# renderer's frame; these cover error paths, input events, the panel's definitions and edge cases.
suites=(ShellTests TweakBarTests RenderTests AnimationTests CharacterPathTests)
reports=$dir/reports/$step
rm -rf "$reports"
mkdir -p "$reports"

# Leaks inside the system's graphics and windowing libraries are theirs, not ours.
export LSAN_OPTIONS="suppressions=$source/tests/e2e/lsan-system-libraries.supp:print_suppressions=0:exitcode=0"
export ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1:halt_on_error=1"

fail_on_reports() {
  local failed=0 system=0 f
  for f in $(find "$reports" -type f -size +0 2>/dev/null); do
    if grep -qE "ERROR: AddressSanitizer|runtime error|ERROR: UndefinedBehaviorSanitizer" "$f" ||
       { grep -q "LeakSanitizer" "$f" && grep -E '^ +#[0-9]+ 0x[0-9a-f]+ in ' "$f" | grep -qF " $source/"; }; then
      echo "== sanitizer report $f"
      head -n 80 "$f"
      failed=1
    else
      system=$((system + 1))
    fi
  done
  [ "$system" -eq 0 ] || echo "($system leak report(s) from unloaded system libraries, not ours)"
  return $failed
}

case $step in
  build)
    # -O1 -g1: quick to build, fast enough to run, with file and line in every report. The assets
    # are the main build's, linked in: they are byte-for-byte the same whatever builds the generator.
    cmake -S "$source" -B "$dir" -DVANTOR_SANITIZE=ON -DVANTOR_BUILD_BENCHMARKS=OFF -DVANTOR_GENERATE_RESOURCES=OFF \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
      -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
    cmake --build "$dir" -j2 --target vantor-frametime "${suites[@]}" >"$dir.build.log" 2>&1 ||
      { tail -n 80 "$dir.build.log"; exit 1; }
    [ -L "$dir/resources" ] || rm -rf "$dir/resources"
    ln -sfn "$(dirname "$dir")/resources" "$dir/resources"
    fail_on_reports
    ;;
  frames)
    cd "$dir" || exit 1
    # ASan's quarantine holds freed memory back, so the resident set is not judged here. A small
    # window, as in the soak: our code does the same work at any size, the software rasteriser less.
    ./vantor-frametime --frames 2200 --window 320x180 --empty-frames 0 --check --max-rss-slope 1000000
    code=$?
    fail_on_reports || code=1
    exit $code
    ;;
  suite)
    cd "$dir" || exit 1
    # ShellTests run one test per process (the quit flag stays raised once set), as CTest lists them.
    ctest -L shell -LE 'x11|e2e' -j2 --output-on-failure
    code=$?
    for suite in "${suites[@]:1}"; do
      echo "== $suite"
      "$(find "$dir/tests" -name "$suite" -type f -executable | head -n 1)" --gtest_brief=1 || code=1
    done
    fail_on_reports || code=1
    exit $code
    ;;
  *)
    echo "usage: $0 build|frames|suite <source> <dir>" >&2
    exit 2
    ;;
esac
