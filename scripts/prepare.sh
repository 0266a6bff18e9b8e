# Shared set-up of play.sh and test.sh: installs the Debian packages that are
# missing, then configures and builds the game, its data and its tests.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

PACKAGES=(
  clang libclang-rt-14-dev
  g++ cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont libinih-dev
  libpng-dev libcli11-dev libenet-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick sox
  dpkg-dev file lintian desktop-file-utils appstream man-db
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "Installing packages needs root or sudo: $*" >&2
    return 1
  fi
}

install_missing_packages() {
  local missing=() package
  for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# build_all FOLDER [CMAKE OPTIONS...]: configures once, then builds incrementally.
build_all() {
  local folder=$ROOT/$1
  shift
  cmake -S "$ROOT" -B "$folder" -DCMAKE_BUILD_TYPE=Release "$@"
  cmake --build "$folder" -j "$(nproc)"
}
