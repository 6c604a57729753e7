#!/usr/bin/env bash
# Installs what the build needs and is missing (Debian, as root); run by run.sh and test.sh.
set -euo pipefail

# The last five serve the desktop tests: a virtual X server, a window manager, xprop, and XTest.
packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev fonts-urw-base35
  xvfb openbox x11-utils libx11-dev libxtst-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
