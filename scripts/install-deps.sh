#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Tessara need.
# Idempotent: packages already present are left alone and nothing is fetched
# when everything is installed. Works as root and through sudo.
set -euo pipefail

packages=(
    cmake g++ make ninja-build pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool fonts-dejavu-core
    locales
    clang libclang-rt-14-dev
    clang-tidy cppcheck
    dpkg-dev file desktop-file-utils python3
)

# The number readers are tested under a locale whose decimal symbol is a comma.
test_locale=de_DE.UTF-8

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$p")
    fi
done

have_locale() { locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; }

if [ "${#missing[@]}" -eq 0 ] && have_locale; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    run=()
elif command -v sudo >/dev/null 2>&1; then
    run=(sudo)
else
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if [ "${#missing[@]}" -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    "${run[@]}" apt-get update
    "${run[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

if ! have_locale; then
    echo "install-deps: generating the $test_locale locale"
    "${run[@]}" sed -i "s/^# *\($test_locale UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$test_locale UTF-8" /etc/locale.gen || echo "$test_locale UTF-8" | "${run[@]}" tee -a /etc/locale.gen >/dev/null
    "${run[@]}" locale-gen
fi
