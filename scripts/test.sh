#!/usr/bin/env bash
# Sets up the machine, builds every target and runs every test: the pure logic
# natively and under AddressSanitizer/UndefinedBehaviorSanitizer, the Win32
# adapter and end-to-end tests under Wine (x86_64), and a check of the i686
# release program, which this kernel cannot run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
jobs=$(nproc)
failed=0

step() { echo; echo "=== $*"; }

for preset in native native-sanitize; do
  step "$preset: build and test"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" || failed=1
done

step "win32: the release program"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs" --target tarnquil
exe=build/win32/tarnquil.exe
kind=$(file -b "$exe")
echo "$exe: $kind"
flags=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^Characteristics *//p;/large address aware/p' | tr '\n' ' ')
if [[ "$kind" == *"PE32 executable (GUI) Intel 80386"* && "$flags" == *"large address aware"* ]]; then
  echo "release program: PE32, Intel 80386, GUI subsystem, large-address-aware: ok"
else
  echo "release program: unexpected format ($kind; $flags)"; failed=1
fi

step "win64: build, then the Win32 and end-to-end tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs"
# shellcheck source=scripts/wine_env.sh
source scripts/wine_env.sh
wine_env_start
ctest --preset win64 || failed=1

exit "$failed"
