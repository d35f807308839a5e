#!/usr/bin/env bash
# Installs the Debian packages the project needs (quietly when all are there), then configures
# and builds one build folder. Usage: scripts/setup.sh BUILD_DIR [CMAKE_OPTION...]
set -euo pipefail

packages=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-svg-dev libgtest-dev
          libbenchmark-dev fonts-liberation fonts-dejavu-core qt6-translations-l10n
          libdxflib-dev poppler-utils python3-ezdxf)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
shift
cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build" -- -j2
