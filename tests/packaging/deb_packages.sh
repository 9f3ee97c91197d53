#!/bin/sh
# Builds the Debian packages of a build folder with `cpack -G DEB`, checks their names, versions
# and dependencies, extracts them into a scratch folder (dpkg-deb -x: the machine's installed
# packages stay as they are) and builds the consumer against that tree through find_package and
# through pkg-config, then runs it and the packaged program.
# Arguments: build folder, scratch folder, consumer source folder, compiler, CMake generator,
# project version, cpack program.
set -eu
build=$1 scratch=$2 consumer=$3 compiler=$4 generator=$5 version=$6 cpack=${7:-cpack}
major=${version%%.*}

rm -rf "$scratch"
mkdir -p "$scratch"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/packages" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; exit 1; }

fail() { echo "FAILED: $*"; exit 1; }
arch=$(dpkg --print-architecture)
runtime=$scratch/packages/libtessaform${major}_${version}_$arch.deb
dev=$scratch/packages/libtessaform-dev_${version}_$arch.deb
tools=$scratch/packages/tessaform-tools_${version}_$arch.deb
for deb in "$runtime" "$dev" "$tools"; do
    [ -f "$deb" ] || { ls "$scratch/packages"; fail "no $(basename "$deb")"; }
    echo "$(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"
done

# The library's own dependencies come from what it links, found by dpkg-shlibdeps.
depends=$(dpkg-deb -f "$runtime" Depends)
for wanted in libwildmagic5 libpolyclipping22 libstdc++6; do
    echo "$depends" | grep -q "$wanted" || fail "libtessaform$major does not depend on $wanted"
done
dpkg-deb -f "$dev" Depends | grep -q "libtessaform$major (= $version)" ||
    fail "libtessaform-dev does not depend on libtessaform$major (= $version)"
dpkg-deb -f "$tools" Depends | grep -q "libtessaform$major (= $version)" ||
    fail "tessaform-tools does not depend on libtessaform$major (= $version)"

# Each file in the package it belongs to.
contents() { dpkg-deb -c "$1" | awk '{print $6}'; }
contents "$runtime" | grep -q "/libtessaform\.so\.$major$" || fail "no SONAME link in libtessaform$major"
if contents "$runtime" | grep -q -e '/include/' -e '\.pc$' -e '/libtessaform\.so$'; then
    fail "libtessaform$major holds development files"
fi
for wanted in '/include/tessaform/tessaform\.h$' '/include/tessaform/tessaform_version\.h$' \
    '/libtessaform\.so$' '/tessaformConfig\.cmake$' '/pkgconfig/tessaform\.pc$'; do
    contents "$dev" | grep -q "$wanted" || fail "libtessaform-dev lacks $wanted"
done
contents "$tools" | grep -q '/usr/bin/tessaform$' || fail "tessaform-tools lacks /usr/bin/tessaform"

root=$scratch/root
for deb in "$runtime" "$dev" "$tools"; do dpkg-deb -x "$deb" "$root"; done
library=$(find "$root/usr" -name "libtessaform.so.$major" | head -n 1)
libdir=$(dirname "$library")
soname=$(objdump -p "$library" | awk '$1 == "SONAME" {print $2}')
[ "$soname" = "libtessaform.so.$major" ] || fail "SONAME is '$soname'"

# A consumer through the CMake package...
cmake -S "$consumer" -B "$scratch/find_package" -G "$generator" -DCMAKE_PREFIX_PATH="$root/usr" \
    -DCMAKE_CXX_COMPILER="$compiler" >"$scratch/find_package.log" 2>&1 ||
    { cat "$scratch/find_package.log"; fail "configuring the find_package consumer"; }
cmake --build "$scratch/find_package" >>"$scratch/find_package.log" 2>&1 ||
    { cat "$scratch/find_package.log"; fail "building the find_package consumer"; }
LD_LIBRARY_PATH=$libdir "$scratch/find_package/consumer" || fail "find_package consumer"

# ...and through pkg-config, the file's prefix pointed at the scratch tree.
flags=$(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --define-variable=prefix="$root/usr" \
    --cflags --libs tessaform)
echo "pkg-config: $flags"
# shellcheck disable=SC2086
"$compiler" -std=c++17 "$consumer/consumer.cpp" $flags -o "$scratch/pkg_config_consumer"
LD_LIBRARY_PATH=$libdir "$scratch/pkg_config_consumer" || fail "pkg-config consumer"

out=$(LD_LIBRARY_PATH=$libdir "$root/usr/bin/tessaform" --version)
[ "$out" = "tessaform $version" ] || fail "packaged tessaform --version said '$out'"
echo "debian packages ok"
