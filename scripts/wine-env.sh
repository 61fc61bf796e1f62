# Sourced by the scripts: a Wine prefix of the project's own that never waits for Mono or Gecko
# downloads, which cannot arrive here.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# The 32-bit Wine runs the 32-bit program and its tests. Some virtual machines' kernels run no
# 32-bit Linux programs, and so no 32-bit Wine: there the tests (and the program, for the
# scripts that run it) are built for 64-bit Windows and run by the 64-bit Wine, and `wine` in
# the scripts is that one. ACORDINA_PRESET names the build that runs.
if [ -x /usr/lib/wine/wine64 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 ACORDINA_PRESET=windows64
  ACORDINA_WINE_BIN="${TMPDIR:-/tmp}/acordina-wine64-bin"
  mkdir -p "$ACORDINA_WINE_BIN"
  for tool in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$ACORDINA_WINE_BIN/$tool"
    chmod +x "$ACORDINA_WINE_BIN/$tool"
  done
  case ":$PATH:" in *":$ACORDINA_WINE_BIN:"*) ;; *) export PATH="$ACORDINA_WINE_BIN:$PATH" ;; esac
else
  export WINEARCH=win32 ACORDINA_PRESET=windows
fi

# prepare_wine_prefix: makes the prefix on first use. Windows stay unmanaged by
# an X window manager, so hiding one never waits for a manager that is not there.
# Arial is drawn with its metric twin, as wide as on Windows, so the clock fits.
prepare_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.acordina-ready" ]; then
    mkdir -p "$WINEPREFIX"
    timeout 300 wineboot -i >/dev/null 2>&1
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial \
      /d 'Liberation Sans' /f >/dev/null 2>&1
    timeout 60 wineserver -w
    touch "$WINEPREFIX/.acordina-ready"
  fi
}

# with_marlett: Wine draws the caption buttons with Marlett, which fonts-wine puts where this
# Wine does not look; a copy in the prefix's Fonts folder is found. Only the program's own runs
# take it: the window tests' pictures stay as they were drawn.
with_marlett() {
  local font=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f "$font" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp "$font" "$fonts/"
  fi
}
