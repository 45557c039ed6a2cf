# Installs the Debian packages the project needs, only those that are missing.
# Sourced by scripts/run and scripts/test.

# What building and playing needs.
VELMORA_BUILD_PACKAGES=(cmake g++ make pkg-config libc-bin libsndfile1-dev libsdl2-dev libpulse-dev libedit-dev
  libavformat-dev libavcodec-dev libswresample-dev)
# What the test suite needs on top.
VELMORA_TEST_PACKAGES=(libgtest-dev sox libsox-fmt-all ffmpeg pulseaudio pulseaudio-utils tmux)

velmora_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  else
    sudo "$@"
  fi
}

# velmora_install_packages PACKAGE...
velmora_install_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  velmora_as_root apt-get update -q >&2
  velmora_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >&2
}
