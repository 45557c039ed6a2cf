# Chooses SDL's silent dummy output when no sound server or sound card can be
# reached, and says so once.
velmora_choose_audio() {
  [ -n "${SDL_AUDIODRIVER:-}" ] && return 0
  local runtime=${XDG_RUNTIME_DIR:-/run/user/$(id -u)}
  if [ -S "$runtime/pulse/native" ] || [ -S "$runtime/pipewire-0" ] || [ -n "${PULSE_SERVER:-}" ]; then
    return 0
  fi
  if compgen -G "/dev/snd/pcmC*p" >/dev/null; then
    return 0
  fi
  echo "No sound server or sound card found: playing silently (SDL_AUDIODRIVER=dummy)." >&2
  export SDL_AUDIODRIVER=dummy
}
