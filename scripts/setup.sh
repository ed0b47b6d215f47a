#!/usr/bin/env bash
# Installs the Debian packages Quizra needs to build, run and test; quiet and quick
# when everything is already there.
set -euo pipefail

packages=(
    cmake g++ make ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n qt6-l10n-tools libxkbcommon-dev fonts-ipafont-gothic
    libgtest-dev libbenchmark-dev libcsv-dev libpng-dev
    libxlsxwriter-dev libzip-dev libexpat1-dev # the bank tool's .xlsx workbooks
    desktop-file-utils appstream dpkg-dev
    xvfb xauth metacity openbox xdotool x11-utils imagemagick # the desktop test
    qt6ct # a platform theme that replaces fonts, for the layout tests
)
if [[ "${1:-}" == "--fuzz" ]]; then
    packages+=(clang libclang-rt-14-dev) # libFuzzer and the sanitizers' runtimes
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
