#!/usr/bin/env bash
# Installs, as root with apt-get, every Debian package the build, tests, benchmarks and
# examples need and that is missing, the Windows cross build and Wine included. Quiet and quick
# when everything is present.
set -euo pipefail

packages=(
  cmake g++ make pkgconf
  libgtest-dev libgmock-dev libbenchmark-dev
  libwildmagic-dev libpolyclipping-dev
  libadmesh-dev libssl-dev
  nlohmann-json3-dev libcli11-dev
  # the API reference
  doxygen graphviz python3
  # the Windows build: cross compiler, Wine to run its programs, dpkg-dev for apt-get source
  g++-mingw-w64-x86-64-posix wine64 dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "deps.sh: missing packages (${missing[*]}); run as root to install them" >&2
  exit 1
fi
echo "deps.sh: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq || { sleep 5; apt-get update -qq; }
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || {
  sleep 10
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
