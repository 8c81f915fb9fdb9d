#!/usr/bin/env bash
# The Debian packages Velmora needs to build, test and run. Sourced by scripts/run and scripts/test;
# installs only what is missing.
VELMORA_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  xvfb xauth imagemagick fonts-dejavu-core locales-all poppler-utils
  librsvg2-bin desktop-file-utils appstream dpkg-dev
  python3-fluids
)

# Only for scripts/fuzz: clang with libFuzzer and the sanitizer runtimes. The normal build and
# the tests use g++.
VELMORA_FUZZ_PACKAGES=(clang libclang-rt-dev llvm)

velmora_install_deps() {
  velmora_install_packages "${VELMORA_PACKAGES[@]}"
}

velmora_install_fuzz_deps() {
  velmora_install_packages "${VELMORA_FUZZ_PACKAGES[@]}"
}

velmora_install_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# velmora_configure <build-dir> [cmake options...]
# Uses ccache when the machine has it (a developer's machine; CI builds without).
velmora_configure() {
  local dir=$1; shift
  local launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
}
