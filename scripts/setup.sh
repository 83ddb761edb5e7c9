#!/usr/bin/env bash
# Installs what the program, its tests and benchmarks need on Debian 12, if missing (python3
# writes the whole-contest test's expected files again, as a test).
set -euo pipefail
packages=(g++ cmake make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core pkg-config libhamlib-dev libhamlib-utils python3)
# `setup.sh fuzz` adds clang and its libFuzzer runtime, for scripts/fuzz.sh; `setup.sh shots` the
# desktop tools of scripts/screenshots.sh.
case "${1:-}" in
    fuzz) packages+=(clang libclang-rt-dev) ;;
    shots) packages+=(xvfb openbox xdotool imagemagick) ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
