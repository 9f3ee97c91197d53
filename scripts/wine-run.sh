#!/bin/sh
# Runs a Windows program under Wine, headless: the emulator of the cross build, through which
# CTest runs the test, example and fuzz-replay programs.
#   wine-run.sh [--dll-path DIR[:DIR...]]... PROGRAM.exe [ARGUMENTS...]
# The DLL folders (and those in TESSAFORM_WINE_DLL_PATH; by default the cross compiler's) are
# searched for the DLLs a program imports. WINEPREFIX defaults to a prefix of this user under the temporary folder; the first
# run creates it, which takes a while.
set -eu

dll_path=${TESSAFORM_WINE_DLL_PATH:-}
while [ $# -gt 0 ]; do
  case $1 in
    --dll-path) dll_path=${dll_path:+$dll_path:}$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: wine-run.sh [--dll-path DIRS]... PROGRAM [ARGS...]" >&2; exit 2; }

# Without folders given (a program run by hand), those of the cross compiler's runtime DLLs.
cxx=x86_64-w64-mingw32-g++-posix
if [ -z "$dll_path" ] && command -v "$cxx" >/dev/null 2>&1; then
  for dll in libstdc++-6.dll libwinpthread-1.dll; do
    file=$("$cxx" -print-file-name="$dll")
    [ ! -f "$file" ] || dll_path="${dll_path:+$dll_path:}$(dirname "$(readlink -f "$file")")"
  done
fi

wine=$(command -v wine64 2>/dev/null || true)
[ -n "$wine" ] || [ ! -x /usr/lib/wine/wine64 ] || wine=/usr/lib/wine/wine64
[ -n "$wine" ] || { echo "wine-run.sh: wine64 is not installed (scripts/deps.sh installs it)" >&2; exit 2; }

# Wine takes its search path as Windows paths; the Unix root is drive Z:.
winepath=
old_ifs=$IFS
IFS=:
for dir in $dll_path; do
  [ -n "$dir" ] || continue
  winepath="${winepath:+$winepath;}Z:$(printf '%s' "$dir" | tr / '\\')"
done
IFS=$old_ifs

export WINEPATH="${winepath}${WINEPATH:+;$WINEPATH}"
export WINEPREFIX=${WINEPREFIX:-${TMPDIR:-/tmp}/tessaform-wine-$(id -u)}
# Wine's messages off, but for the loader's errors: a DLL not found is named instead of the
# program ending silently.
export WINEDEBUG=${WINEDEBUG:--all,err+module}
# No Mono or Gecko installers, and no window: the programs are console programs.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
unset DISPLAY WAYLAND_DISPLAY
# Statuses 53 and 66 are the low bytes of Windows' "DLL not found" (C0000135) and "DLL
# initialisation failed" (C0000142): the loader gave up before the program ran, so a second
# start is safe. Once seen in CI with no message at all, and not reproducible; a DLL that is
# really missing fails the second start too.
status=0
"$wine" "$@" || status=$?
if [ "$status" = 53 ] || [ "$status" = 66 ]; then
  echo "wine-run.sh: the loader could not start $1 (status $status); starting it once more" >&2
  status=0
  "$wine" "$@" || status=$?
fi
exit "$status"
