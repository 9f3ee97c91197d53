#!/bin/sh
# Builds the consumer with the flags of the installed pkg-config file and runs it.
# Arguments: prefix, compiler, source, output, extra flags.
set -eu
prefix=$1 compiler=$2 source=$3 output=$4 extra=${5:-}
libdir=$(find "$prefix" -name tessaform.pc -path '*pkgconfig*' -exec dirname {} \; | head -n 1)
[ -n "$libdir" ] || { echo "tessaform.pc not installed"; exit 1; }
flags=$(PKG_CONFIG_PATH=$libdir pkg-config --cflags --libs tessaform)
# shellcheck disable=SC2086
"$compiler" -std=c++17 $extra "$source" $flags -o "$output"
LD_LIBRARY_PATH=$(dirname "$libdir") "$output"
