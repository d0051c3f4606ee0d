#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it under Wine on the
# sample book folder. Without a display it runs inside Wine's virtual desktop
# on a private Xvfb, takes a screenshot and prints its path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)"

# The program keeps its INI beside itself: run a copy in build/run, pointed at
# the sample books. The INI is code page 936 like every text of the program.
run_dir=$root/build/run
mkdir -p "$run_dir"
cp build/win64/tarnquil.exe "$run_dir/"
if [ ! -f "$run_dir/配置文件.ini" ]; then
  samples_windows_path="Z:${root//\//\\}\\samples"
  printf '[初始化]\r\n文件框=%s\r\n' "$samples_windows_path" | iconv -f UTF-8 -t GBK > "$run_dir/配置文件.ini"
fi

headless=0
[ -n "${DISPLAY:-}" ] || headless=1
# shellcheck source=scripts/wine_env.sh
source scripts/wine_env.sh
if [ "$headless" = 1 ]; then wine_env_start; else wine_env_start --use-display; fi

cd "$run_dir"
if [ "$headless" = 1 ]; then
  "$WINE" explorer /desktop=shell,1280x800 tarnquil.exe &
  sleep 8
  shot=$root/build/screenshots/run.png
  mkdir -p "$(dirname "$shot")"
  import -window root "$shot"
  echo "The reader is running on a private display; screenshot: $shot"
  echo "Press Enter to end it."
  read -r _ || true
else
  "$WINE" tarnquil.exe
fi
