# Configures and builds one build folder: velmora_build DIR [CMAKE-ARGS...]
velmora_build() {
  local dir=$1
  shift
  cmake -S "$VELMORA_ROOT" -B "$dir" -DVELMORA_WERROR=ON "$@" >&2
  cmake --build "$dir" -j "$(nproc)" >&2
}
