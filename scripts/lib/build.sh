# Configures and builds one build folder: velmora_build DIR [CMAKE-ARGS...]
# The compiler's output goes to DIR.log and is shown only when the build fails.
velmora_build() {
  local dir=$1
  shift
  local log="$dir.log"
  echo "Building in $dir ..." >&2
  if ! { cmake -S "$VELMORA_ROOT" -B "$dir" -DVELMORA_WERROR=ON "$@" &&
         cmake --build "$dir" -j "$(nproc)"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "The build failed; its output is above and in $log." >&2
    return 1
  fi
}
