# Sourced by run.sh and test.sh: the Debian packages Orbisco needs, and a way to install the
# missing ones. Installs nothing that is already there.

BUILD_PACKAGES=(cmake g++ make qt6-base-dev libicu-dev fonts-liberation tzdata qt6-translations-l10n
    iso-codes)
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xauth xfonts-base xdotool faketime imagemagick
    tesseract-ocr file
    tesseract-ocr-eng desktop-file-utils valgrind clang libclang-rt-14-dev clang-format clang-tidy
    dpkg-dev lintian appstream man-db librsvg2-bin weston qt6-wayland
    gmt-dcw python3-netcdf4 iso-flags-svg)

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "Run this as root (or install sudo): apt-get must install ${missing[*]}" >&2
            return 1
        }
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}
