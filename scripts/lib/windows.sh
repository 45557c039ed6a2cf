# Builds the Windows program and prepares Wine to run it. Sets
# VELMORA_WINDOWS_ARGS to the CMake settings that make the Linux test build
# check and run it.
VELMORA_WINDOWS_PACKAGES=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 python3-pefile)

velmora_install_windows_packages() {
  # Debian's 32-bit Wine needs the i386 architecture.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    velmora_as_root dpkg --add-architecture i386
    velmora_as_root apt-get update -q >&2
  fi
  velmora_install_packages "${VELMORA_WINDOWS_PACKAGES[@]}" wine32:i386
}

velmora_build_windows() {
  local root=$VELMORA_ROOT
  velmora_build "$root/build-win32" --toolchain "$root/cmake/mingw-w64-i686.cmake"
  velmora_build "$root/build-win64" --toolchain "$root/cmake/mingw-w64-x86_64.cmake"

  # The 32-bit program is the one we ship. Where the kernel cannot start
  # 32-bit programs, Wine cannot either, and the 64-bit build of the same
  # sources stands in for it under Wine.
  export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$root/build"
  local loader=wine exe="$root/build-win32/velmora.exe"
  if ! echo exit | timeout 300 wine "$exe" >/dev/null 2>&1; then
    loader=/usr/lib/wine/wine64
    exe="$root/build-win64/velmora.exe"
    echo "Wine cannot run 32-bit programs here; the Wine tests run the 64-bit build." >&2
    echo exit | timeout 300 "$loader" "$exe" >/dev/null 2>&1 || true
  fi
  VELMORA_WINDOWS_ARGS=(
    "-DVELMORA_WINDOWS_EXES=$root/build-win32/velmora.exe=i386;$root/build-win64/velmora.exe=amd64"
    "-DVELMORA_WINE_LOADER=$loader"
    "-DVELMORA_WINE_EXE=$exe")
}
