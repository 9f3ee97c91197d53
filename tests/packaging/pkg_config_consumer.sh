#!/bin/sh
# Builds the consumer with the flags of the installed pkg-config file and runs it.
# Arguments: prefix, compiler, source, output, extra flags. A cross build names the program that
# runs the consumer (with its arguments) in TESSAFORM_CONSUMER_RUNNER.
set -eu
prefix=$1 compiler=$2 source=$3 output=$4 extra=${5:-}
libdir=$(find "$prefix" -name tessaform.pc -path '*pkgconfig*' -exec dirname {} \; | head -n 1)
[ -n "$libdir" ] || { echo "tessaform.pc not installed"; exit 1; }
flags=$(PKG_CONFIG_PATH=$libdir pkg-config --cflags --libs tessaform)
# shellcheck disable=SC2086
"$compiler" -std=c++17 $extra "$source" $flags -o "$output"
# shellcheck disable=SC2086
LD_LIBRARY_PATH=$(dirname "$libdir") TESSAFORM_WINE_DLL_PATH="$prefix/bin" ${TESSAFORM_CONSUMER_RUNNER:-} "$output"
