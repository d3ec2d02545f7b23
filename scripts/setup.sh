#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
# Usage: scripts/setup.sh [test]   ("test" adds what the tests need)
set -euo pipefail

# qt6-translations-l10n: Qt's own dialogs (print, preview, file) in Italian.
# xdg-utils: xdg-open, which hands documents, mail and links to the desktop's
# programs and says whether one took them.
packages=(build-essential cmake pkg-config qt6-base-dev libgl-dev libhpdf-dev
          fonts-dejavu-core fonts-liberation qt6-translations-l10n xdg-utils)
if [[ "${1:-}" == "test" ]]; then
  packages+=(libgtest-dev libgmock-dev poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
