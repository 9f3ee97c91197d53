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

echo
echo "== tessaform (command-line program): a stored version-100 set shown, upgraded and compared, a set built from JSON, STL converted both ways, a checksum added, verified and broken"
tf=$build/cli/tessaform
data=$root/examples/data
out=$(mktemp -d)
"$tf" params show "$data/operation_v100.qzp" --version 100 >"$out/v100.json"
head -c 600 "$out/v100.json"; echo " ..."
"$tf" params upgrade "$data/operation_v100.qzp" "$out/upgraded.qzp" --version 100
"$tf" params diff "$data/operation_v100.qzp" "$data/operation_v226.qzp" --version 100 --version-b 226 | head -8 || true
printf '{"FeedRate": 250.5, "MachDef": {"Kind": "FIVE_AXES", "MachType": "HEAD_TABLE"}}\n' >"$out/small.json"
"$tf" params from-json "$out/small.json" "$out/small.qzp"
"$tf" params diff "$out/upgraded.qzp" "$out/small.qzp" --version 226 | grep -E '^(FeedRate|MachDef\.MachType): ' || true
"$tf" stl convert "$data/pyramid_binary.stl" "$out/pyramid.stl" --ascii
"$tf" stl convert "$out/pyramid.stl" "$out/pyramid_again.stl" --binary
"$tf" stl info "$out/pyramid_again.stl"
cp "$data/operation_v226.qzp" "$out/protected.qzp"
"$tf" checksum add "$out/protected.qzp"
"$tf" checksum verify "$out/protected.qzp"
printf '\x55' | dd of="$out/protected.qzp" bs=1 seek=10 conv=notrunc status=none
"$tf" checksum verify "$out/protected.qzp" || echo "(exit status $?: the changed byte was noticed)"
rm -rf "$out"
