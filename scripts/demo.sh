#!/usr/bin/env bash
# Builds the library and runs the example programs on their bundled data.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$root/scripts/deps.sh"

build=$root/build/demo
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DTESSAFORM_BUILD_TESTS=OFF -DTESSAFORM_BUILD_EXAMPLES=ON >/dev/null
cmake --build "$build" -j "$jobs" >/dev/null

echo "== basic_streams: values, a string and an embedded file through memory and a file"
"$build/examples/basic_streams"

echo
echo "== checksum_trailer: MD5 trailer on a file and a memory stream, then one changed byte"
"$build/examples/checksum_trailer"

echo
echo "== tool_profile: a ball-nose end mill half-profile of lines and arcs, polygonized at two tolerances"
"$build/examples/tool_profile"

echo
echo "== param_writer: a 5-axis finishing operation written in the binary parameter format"
"$build/examples/param_writer"

echo
echo "== param_reader: stored parameter sets of version 100 and 226 read (old values converted, lost data reported) and stored again as 226"
out=$(mktemp -d)
"$build/examples/param_reader" "$root/examples/data/operation_v100.qzp" 100 "$root/examples/data/operation_v226.qzp" 226 "$out"
rm -rf "$out"

echo
echo "== stl_convert: bundled ASCII and binary STL samples read, described and written in the other variant"
out=$(mktemp -d)
"$build/examples/stl_convert" "$root/examples/data/tetrahedron_ascii.stl" "$out/tetrahedron_binary.stl"
"$build/examples/stl_convert" "$root/examples/data/pyramid_binary.stl" "$out/pyramid_ascii.stl"
"$build/examples/stl_convert" "$out/pyramid_ascii.stl" "$out/pyramid_again.stl"
rm -rf "$out"

echo
echo "== toolpath_tour: two passes of contours and links counted, links found, scaled to inches, compared with a resampled copy"
"$build/examples/toolpath_tour"

echo
echo "== holder_mesh: an extruded holder body of lines and arcs tessellated with and without an offset, written as binary STL"
out=$(mktemp -d)
"$build/examples/holder_mesh" "$out/holder.stl"
rm -rf "$out"

echo
echo "== tool_library: three tools and a posted 5-axis toolpath stored in one file, read back and printed"
out=$(mktemp -d)
"$build/examples/tool_library" "$out/library.bin"
rm -rf "$out"

echo
echo "== tool_recognition: generic tools recognised from their profiles, revolved into STL meshes and cones"
out=$(mktemp -d)
"$build/examples/tool_recognition" "$out"
rm -rf "$out"
