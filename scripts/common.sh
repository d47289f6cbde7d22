# SPDX-FileCopyrightText: 2026 The Luna developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by scripts/run and scripts/test: the Debian packages they need, and
# the build. Meant to be sourced.

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

build_packages=(cmake ninja-build g++ pkg-config libbenchmark-dev liberfa-dev libgeonames-dev libgeographiclib-dev libhowardhinnant-date-dev libicu-dev qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins qt6-wayland fonts-dejavu-core)
test_packages=(weston xvfb xauth xdotool openbox wmctrl x11-utils desktop-file-utils appstream dpkg-dev file man-db locales lintian reuse poppler-utils python3-icalendar tzdata dbus-daemon python3-dbusmock at-spi2-core python3-pyatspi)
# The tests switch to these, to check that Luna reads and writes the same in
# every locale and speaks English where asked.
test_locales=(it_IT.UTF-8 en_US.UTF-8 en_GB.UTF-8)
check_packages=(clang libclang-rt-14-dev clang-tidy cppcheck)

# Installs the packages that are missing when run as root; otherwise prints
# the one line that installs them and stops.
ensure_packages() {
    command -v dpkg-query >/dev/null || return 0
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "Luna needs Debian packages that are not installed yet. Install them with:" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..." >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >&2
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Generates the locales the tests use when run as root; otherwise prints
# the lines that generate them and stops.
ensure_locales() {
    local missing=() name
    for name in "$@"; do
        locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || missing+=("$name")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "The tests need the locales ${missing[*]}. Generate them with:" >&2
        for name in "${missing[@]}"; do
            echo "  sudo sed -i 's/^# *$name UTF-8/$name UTF-8/' /etc/locale.gen" >&2
        done
        echo "  sudo locale-gen" >&2
        exit 1
    fi
    echo "Generating the locales ${missing[*]} ..." >&2
    for name in "${missing[@]}"; do
        grep -q "^# *$name UTF-8" /etc/locale.gen && sed -i "s/^# *$name UTF-8/$name UTF-8/" /etc/locale.gen
        grep -q "^$name UTF-8" /etc/locale.gen || echo "$name UTF-8" >> /etc/locale.gen
    done
    locale-gen >/dev/null
}

# Configures once, then builds only what changed.
build_luna() {
    if [ ! -f "$build/compile_commands.json" ]; then
        cmake --preset default -S "$root" >/dev/null
    fi
    cmake --build "$build" "$@"
}

# The same for the build of another preset (asan, fuzz).
build_preset() {
    local preset=$1
    shift
    if [ ! -f "$root/build-$preset/build.ninja" ]; then
        cmake --preset "$preset" -S "$root" >/dev/null
    fi
    cmake --build "$root/build-$preset" "$@"
}
