# Sourced by scripts/test and scripts/run: one Wine prefix inside the build folder, an Xvfb
# display, a persistent wineserver and a desktop, all stopped again by vx_wine_stop.
#
# Helpers that inherit the caller's pipes make ctest wait seconds per test, so every
# long-lived process here has its output sent to /dev/null.

VX_WINE=/usr/lib/wine/wine64
VX_WINESERVER=/usr/lib/wine/wineserver

vx_free_display() {
  local n
  for n in $(seq 91 150); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      echo "$n"
      return
    fi
  done
  return 1
}

# vx_wine_start <prefix folder>
vx_wine_start() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEARCH=win64

  # VX_USER_DISPLAY=1 keeps the caller's DISPLAY (scripts/run shows the editor there).
  if [ -z "${VX_USER_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    local display
    display=$(vx_free_display)
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    VX_XVFB_PID=$!
    export DISPLAY=":$display"
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$display" ] && break
      sleep 0.1
    done
  fi

  local fresh=0
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    fresh=1
    mkdir -p "$WINEPREFIX"
  fi
  "$VX_WINESERVER" -p >/dev/null 2>&1 </dev/null
  if [ "$fresh" = 1 ]; then
    "$VX_WINE" wineboot -i >/dev/null 2>&1 </dev/null
    # Without a window manager every hide or destroy stalls two seconds unless Wine manages
    # its windows itself.
    "$VX_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    "$VX_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 </dev/null
    "$VX_WINE" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1 </dev/null
    "$VX_WINE" reg add 'HKCR\txtfile\shell\open\command' /ve /d 'notepad.exe "%1"' /f >/dev/null 2>&1 </dev/null
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # Restart the server so the new prefix's registry is on disk before anything reads it.
    "$VX_WINESERVER" -k >/dev/null 2>&1 || true
    "$VX_WINESERVER" -w >/dev/null 2>&1 || true
    "$VX_WINESERVER" -p >/dev/null 2>&1 </dev/null
  fi
  "$VX_WINE" explorer.exe /desktop=Default,1280x1024 >/dev/null 2>&1 </dev/null &
  VX_DESKTOP_PID=$!
  # Warm up: the first process in a prefix pays for loading the system DLLs.
  "$VX_WINE" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}

vx_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && "$VX_WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "${VX_DESKTOP_PID:-}" ] && kill "$VX_DESKTOP_PID" >/dev/null 2>&1 || true
  [ -n "${VX_XVFB_PID:-}" ] && kill "$VX_XVFB_PID" >/dev/null 2>&1 || true
  wait >/dev/null 2>&1 || true
}
