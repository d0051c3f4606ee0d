#!/usr/bin/env bash
# Installs everything the builds and tests need on a Debian 12 machine, from
# Debian's own packages only, and builds libjpeg for both MinGW targets from
# Debian's source package. Safe to run again: each step is skipped when its
# result is already there.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/build/deps"

packages=(
  g++ cmake ninja-build make file git
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine64 xvfb xdotool imagemagick
  fonts-wqy-microhei fonts-wqy-zenhei locales
  googletest libgtest-dev libgmock-dev libbenchmark-dev libjpeg62-turbo-dev
  dpkg-dev
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine must report code page 936 as the ANSI code page: that needs the locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating zh_CN.UTF-8"
  as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

# libjpeg is not packaged for MinGW: build Debian's libjpeg-turbo source for
# both Windows targets as static libraries.
build_libjpeg() {
  local triplet=$1 prefix="$deps/libjpeg-$1"
  [ -f "$prefix/lib/libjpeg.a" ] && return 0
  local src
  src=$(ls -d "$deps"/src/libjpeg-turbo-*/ 2>/dev/null | head -n 1 || true)
  if [ -z "$src" ]; then
    if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
      echo "setup: enabling Debian source packages"
      local uris signed
      uris=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources | head -n 1)
      signed=$(sed -n 's/^Signed-By: *//p' /etc/apt/sources.list.d/debian.sources | head -n 1)
      printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: %s\n' \
        "${uris:-http://deb.debian.org/debian}" "${signed:-/usr/share/keyrings/debian-archive-keyring.gpg}" \
        | as_root tee /etc/apt/sources.list.d/tarnquil-src.sources >/dev/null
      as_root apt-get update -qq
    fi
    mkdir -p "$deps/src"
    (cd "$deps/src" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1) || (as_root apt-get update -qq && cd "$deps/src" && apt-get source -qq libjpeg-turbo)
    src=$(ls -d "$deps"/src/libjpeg-turbo-*/ | head -n 1)
  fi
  echo "setup: building libjpeg for $triplet"
  cmake -S "$src" -B "$deps/build-libjpeg-$triplet" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$triplet.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_POSITION_INDEPENDENT_CODE=OFF >/dev/null
  cmake --build "$deps/build-libjpeg-$triplet" --target install >/dev/null
}
build_libjpeg x86_64-w64-mingw32
build_libjpeg i686-w64-mingw32
echo "setup: done"
