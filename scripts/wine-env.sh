# Sourced by the scripts: a 32-bit Wine prefix of the project's own that never
# waits for Mono or Gecko downloads, which cannot arrive here.
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

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
