#!/usr/bin/env bash
# Builds the libraries of the Windows cross build with the MinGW-w64 compiler of
# cmake/mingw-w64-x86_64.cmake, from Debian's own sources, into build/windows-deps/prefix:
#   - Wild Magic 5: the part geometry/qzWildMagicAdapter.cpp uses and what that pulls in,
#     as static libWm5Core.a and libWm5Mathematics.a with the headers under include/libwildmagic;
#   - Clipper (polyclipping) as a static library with its pkg-config file;
#   - admesh, the independent STL reader and writer the interoperability tests compare with;
#   - GoogleTest from /usr/src/googletest.
# Sources come through `apt-get source` with a private apt configuration under
# build/windows-deps/apt (own sources list, state and cache), so the machine's apt setup is
# left alone. A finished prefix is kept: a second run returns at once.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

deps=${TESSAFORM_WINDOWS_DEPS_DIR:-$root/build/windows-deps}
prefix=$deps/prefix
toolchain=$root/cmake/mingw-w64-x86_64.cmake
cxx=x86_64-w64-mingw32-g++-posix
ar=x86_64-w64-mingw32-ar

# The prefix is current when it was built by this very script.
stamp="$prefix/.built-$(cat "${BASH_SOURCE[0]}" "$toolchain" | sha256sum | cut -c1-16)"
[ -f "$stamp" ] && exit 0

command -v "$cxx" >/dev/null || { echo "windows-deps.sh: $cxx is missing (scripts/deps.sh installs it)" >&2; exit 1; }
launcher=()
command -v ccache >/dev/null && launcher=(ccache)
rm -rf "$prefix"
mkdir -p "$prefix/include" "$prefix/lib/pkgconfig"

# --- Debian sources through a private apt configuration -------------------------------------
apt_dir=$deps/apt
mirror=${TESSAFORM_DEBIAN_MIRROR:-http://deb.debian.org/debian}
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/sources"
: > "$apt_dir/status"
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $codename main" \
  > "$apt_dir/sources.list"
apt_opts=(
  -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
  -o "Dir::State=$apt_dir" -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::State::status=$apt_dir/status"
  -o "Dir::Cache=$apt_dir" -o "Dir::Cache::Archives=$apt_dir/archives"
  -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
  -o APT::Sandbox::User=root -o Debug::NoLocking=1 -qq
)
if [ ! -f "$apt_dir/updated" ]; then
  echo "windows-deps.sh: reading the source index of $codename"
  apt-get "${apt_opts[@]}" update
  touch "$apt_dir/updated"
fi

# The orig tarball named in a .dsc, with its SHA-256 sum: "sum path".
orig_tarball() {
  awk -v dir="$(dirname "$1")" '/^Checksums-Sha256:/ {s = 1; next} /^[^ ]/ {s = 0}
    s && $3 ~ /\.orig\.tar\./ {print $1, dir "/" $3; exit}' "$1"
}

# Fetches a source package into $apt_dir/sources and prints the path of its .dsc. The Debian
# tarball of a package may be missing from the archive while its orig tarball is there, so a
# failed download is acceptable as long as the orig tarball arrived and matches the .dsc.
fetch_source() {
  local package=$1 dsc orig
  (cd "$apt_dir/sources" && apt-get "${apt_opts[@]}" source --download-only "$package" >/dev/null 2>&1) || true
  dsc=$(ls -t "$apt_dir/sources/${package}_"*.dsc 2>/dev/null | head -n 1)
  [ -n "$dsc" ] || { echo "windows-deps.sh: no source package $package" >&2; return 1; }
  orig=$(orig_tarball "$dsc")
  [ -n "$orig" ] && [ -f "${orig#* }" ] ||
    { echo "windows-deps.sh: the orig tarball of $package did not arrive" >&2; return 1; }
  echo "${orig%% *}  ${orig#* }" | sha256sum --quiet -c - ||
    { echo "windows-deps.sh: the orig tarball of $package does not match its .dsc" >&2; return 1; }
  echo "$dsc"
}

# Unpacks a source package (with Debian's patches when its Debian tarball is there) into a
# fresh folder and prints it. Without the Debian tarball only the orig tarball is unpacked, and
# extra arguments limit it to those members.
unpack_source() {
  local dsc=$1; shift
  local dir orig
  dir=$deps/src/$(basename "$dsc" .dsc)
  rm -rf "$dir" && mkdir -p "$deps/src"
  if dpkg-source -x "$dsc" "$dir" >/dev/null 2>&1; then
    echo "$dir"
    return
  fi
  rm -rf "$dir" && mkdir -p "$dir"
  orig=$(orig_tarball "$dsc")
  tar -xf "${orig#* }" -C "$dir" --strip-components=1 --wildcards "$@"
  echo "$dir"
}

# Compiles sources into a static library, two at a time.
static_library() {
  local library=$1 objects=$2; shift 2
  mkdir -p "$objects"
  printf '%s\n' "$@" | xargs -P "$jobs" -I{} sh -c \
    'o="$1/$(basename "${2%.*}").o"; shift 2; exec "$@" -c "$0" -o "$o"' {} "$objects" {} \
    "${launcher[@]}" "$cxx" "${cxxflags[@]}"
  rm -f "$library"
  "$ar" rcs "$library" "$objects"/*.o
}

# --- Wild Magic 5 ----------------------------------------------------------------------------
echo "windows-deps.sh: Wild Magic 5"
wm_src=$(unpack_source "$(fetch_source libwildmagic)" '*/LibCore/*' '*/LibMathematics/*')
wm_include=$prefix/include/libwildmagic
mkdir -p "$wm_include"
find "$wm_src/LibCore" "$wm_src/LibMathematics" \( -name 'Wm5*.h' -o -name 'Wm5*.inl' \) -exec cp {} "$wm_include/" \;

# The sources to build: those of every header the adapter's headers reach, followed through the
# includes of those sources in turn. The precompiled-header and umbrella headers, which include
# everything, are not followed.
declare -A wm_sources=() visited=()
while read -r file; do wm_sources[$(basename "$file" .cpp)]=$file; done \
  < <(find "$wm_src/LibCore" "$wm_src/LibMathematics" -name 'Wm5*.cpp' ! -name '*PCH.cpp')
queue=(Wm5Arc2.h Wm5IntrLine2Line2.h Wm5IntrSegment2Arc2.h Wm5Line2.h Wm5Segment2.h Wm5TriangulateEC.h)
core=() mathematics=()
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  case $file in *PCH.h | Wm5Core.h | Wm5Mathematics.h) continue ;; esac
  [ -z "${visited[$file]:-}" ] || continue
  visited[$file]=1
  base=${file%.*}
  case $file in *.cpp) path=${wm_sources[$base]} ;; *) path=$wm_include/$file ;; esac
  [ -f "$path" ] || continue
  while read -r included; do queue+=("$included"); done \
    < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$path")
  if [[ $file == *.h && -n "${wm_sources[$base]:-}" ]]; then
    queue+=("$base.cpp")
    case ${wm_sources[$base]} in
      */LibCore/*) core+=("${wm_sources[$base]}") ;;
      *) mathematics+=("${wm_sources[$base]}") ;;
    esac
  fi
done
cxxflags=(-O2 -DNDEBUG -std=c++17 -w -I"$wm_include")
static_library "$prefix/lib/libWm5Core.a" "$deps/obj/Wm5Core" "${core[@]}"
static_library "$prefix/lib/libWm5Mathematics.a" "$deps/obj/Wm5Mathematics" "${mathematics[@]}"

# --- Clipper ---------------------------------------------------------------------------------
echo "windows-deps.sh: Clipper"
clip_src=$(unpack_source "$(fetch_source libpolyclipping)" '*/cpp/*')
mkdir -p "$prefix/include/polyclipping"
cp "$clip_src/cpp/clipper.hpp" "$prefix/include/polyclipping/"
cxxflags=(-O2 -DNDEBUG -std=c++17 -w)
static_library "$prefix/lib/libpolyclipping.a" "$deps/obj/polyclipping" "$clip_src/cpp/clipper.cpp"
clip_version=$(sed -n 's/^#define CLIPPER_VERSION "\(.*\)"/\1/p' "$clip_src/cpp/clipper.hpp")
cat > "$prefix/lib/pkgconfig/polyclipping.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: polyclipping
Description: Polygon clipping and offsetting (static, for Windows)
Version: $clip_version
Libs: -L\${libdir} -lpolyclipping
Cflags: -I\${includedir}
PC

# --- admesh (tests only) ----------------------------------------------------------------------
echo "windows-deps.sh: admesh"
adm_src=$(unpack_source "$(fetch_source admesh)" '*/src/*' '*/configure.ac')
adm_version=$(sed -n 's/^m4_define(\[admesh_version_\(major\|minor\|micro\)\],\[\([^]]*\)\]).*/\2/p' \
  "$adm_src/configure.ac" | paste -sd.)
mkdir -p "$deps/obj/admesh-config" "$prefix/include/admesh"
: > "$deps/obj/admesh-config/config.h" # autoconf's; the library part needs only VERSION
cp "$adm_src/src/stl.h" "$prefix/include/admesh/"
cxx=x86_64-w64-mingw32-gcc-posix
cxxflags=(-O2 -DNDEBUG -w -x c "-DVERSION=\"${adm_version:-unknown}\"" -I"$deps/obj/admesh-config")
static_library "$prefix/lib/libadmesh.a" "$deps/obj/admesh" \
  "$adm_src"/src/{connect,normals,shared,stl_io,stlinit,util}.c
cxx=x86_64-w64-mingw32-g++-posix
cat > "$prefix/lib/pkgconfig/libadmesh.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: libadmesh
Description: STL reading and writing (static, for Windows; tests only)
Version: ${adm_version:-unknown}
Libs: -L\${libdir} -ladmesh
Cflags: -I\${includedir}
PC

# --- GoogleTest ------------------------------------------------------------------------------
echo "windows-deps.sh: GoogleTest"
cmake -S /usr/src/googletest -B "$deps/obj/googletest" "${generator[@]}" -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DTESSAFORM_WINDOWS_DEPS="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF \
  ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER=ccache} >/dev/null
cmake --build "$deps/obj/googletest" -j "$jobs" >/dev/null
cmake --install "$deps/obj/googletest" >/dev/null

touch "$stamp"
echo "windows-deps.sh: done, $prefix"
