#!/usr/bin/env bash
# Installs what is needed, builds, checks formatting and lint, and runs every test twice: in a
# plain build and in a build with AddressSanitizer and UndefinedBehaviorSanitizer. Tests that need
# a display get their own virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# Several checkouts' worth of builds can live side by side: YLCS_BUILD=build-x uses build-x and
# build-x-sanitize.
plain=${YLCS_BUILD:-build}
sanitize="$plain-sanitize"
tools/install-packages.sh

echo "== format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== build"
tools/build.sh "$plain"
tools/build.sh "$sanitize" -DYLCS_SANITIZE=ON

echo "== lint"
sources=$(git ls-files '*.cpp' | grep -v '^tests/')
run-clang-tidy -quiet -p "$plain" -j "$(nproc)" $sources >"$plain/clang-tidy.log" 2>&1 || {
  grep -E 'error|warning' "$plain/clang-tidy.log" | grep -v 'warnings generated' | head -50
  echo "clang-tidy found problems ($plain/clang-tidy.log)"
  exit 1
}

for dir in "$plain" "$sanitize"; do
  echo "== tests ($dir)"
  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$root/tools/lsan.supp" \
    xvfb-run -a -s "-screen 0 1920x1080x24" ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" --timeout 300
done
echo "All tests passed."
