#!/bin/sh
# Runs a program of the Windows build under Wine, with the cross-built Qt and the mingw
# runtime libraries on its path; CMake's emulator for the Windows tests (ctest, test
# discovery). The prefix is the one scripts/build-windows.sh prepares.
cache=${CARDDEMO_MINGW_CACHE:-$HOME/.cache/carddemo/mingw}
export WINEPREFIX="${WINEPREFIX:-$cache/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# Wine hands no QT_* variable to a Windows program: WINEQT_X reaches it as QT_X. Without a
# console, Qt's messages would go to the debugger instead of standard error.
export WINEQT_FORCE_STDERR_LOGGING=1
# Offscreen, Qt for Windows draws with the fonts of one folder (the system's are not asked);
# without one every glyph is an empty box. A hinted Latin face: the widget tests look for
# pixels of the text's exact colour, which the Chinese face's smoothed strokes lack here.
export WINEQT_QPA_FONTDIR="${WINEQT_QPA_FONTDIR:-Z:/usr/share/fonts/truetype/noto}"
export WINEPATH="Z:$cache/qt6/bin;Z:/usr/lib/gcc/x86_64-w64-mingw32/12-posix;Z:/usr/x86_64-w64-mingw32/lib"
exec wine "$@"
