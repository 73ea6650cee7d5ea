#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when missing.
set -euo pipefail
packages=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
    libsqlite3-dev qt6-translations-l10n libgl-dev libbenchmark-dev fonts-dejavu-core)
if [ "${SYTOMIR_EXTRA_PACKAGES:-}" != "" ]; then
    read -r -a extra <<< "$SYTOMIR_EXTRA_PACKAGES"
    packages+=("${extra[@]}")
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
