#!/usr/bin/env bash
# Runs the command-line program on the bundled samples and on broken input, and checks exit
# statuses, messages and the files it leaves.
#   cli_test.sh PROGRAM SAMPLE_FOLDER
set -u
tf=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# run ARGS...: the program's exit status in rc, its output in $work/out and $work/err
run() {
  "$tf" "$@" >"$work/out" 2>"$work/err"
  rc=$?
}
expect() { # expect STATUS WHAT [TEXT_IN_STDERR]
  [ "$rc" -eq "$1" ] || fail "$2: exit status $rc, expected $1; stderr: $(cat "$work/err")"
  if [ $# -ge 3 ] && ! grep -qF -- "$3" "$work/err"; then
    fail "$2: standard error lacks '$3': $(cat "$work/err")"
  fi
}
expect_out() { # expect_out WHAT TEXT
  grep -qF -- "$2" "$work/out" || fail "$1: standard output lacks '$2': $(head -c 400 "$work/out")"
}

v100=$data/operation_v100.qzp
v226=$data/operation_v226.qzp

# ---- help on every level
for level in "" "params" "params show" "params upgrade" "params diff" "params from-json" "stl" "stl info" \
  "stl convert" "checksum" "checksum add" "checksum verify"; do
  # shellcheck disable=SC2086
  run $level --help
  expect 0 "help of '$level'"
done

# ---- JSON round trips: set -> JSON -> set gives the same bytes, JSON -> set -> JSON the same text
run params show "$v226" --version 226
expect 0 "show v226"
cp "$work/out" "$work/v226.json"
expect_out "show v226" '"FeedRate":'
run params from-json "$work/v226.json" "$work/from_json.qzp"
expect 0 "from-json of a shown set"
# The read applies its conversions (a lead on a move handling that skips leads is switched off),
# so the reference is the set as read and written again, not the stored sample.
run params upgrade "$v226" "$work/rewritten.qzp" --version 226
expect 0 "upgrade v226"
cmp -s "$work/rewritten.qzp" "$work/from_json.qzp" || fail "from-json of the shown set differs from the set written again"
run params show "$work/from_json.qzp" --version 226
cmp -s "$work/out" "$work/v226.json" || fail "show after from-json differs from the first show"

# ---- upgrade: an old set written as 226 shows as the old one did (its conversions included)
run params show "$v100" --version 100
expect 0 "show v100"
cp "$work/out" "$work/v100.json"
cp "$work/err" "$work/v100.lost"
run params upgrade "$v100" "$work/upgraded.qzp" --version 100
expect 0 "upgrade v100"
cmp -s "$work/err" "$work/v100.lost" || fail "upgrade reports other lost data than show"
run params show "$work/upgraded.qzp" --version 226
cmp -s "$work/out" "$work/v100.json" || fail "show of the upgraded set differs from show of the original"
run params diff "$v100" "$work/upgraded.qzp" --version 100 --version-b 226
expect 0 "diff of a set and its upgrade"
expect_out "diff of a set and its upgrade" "no differences"
run params diff "$v100" "$v226" --version 100 --version-b 226
expect 1 "diff of two different sets"
grep -qE '^[^ ]+: .+ -> .+$' "$work/out" || fail "diff prints no 'path: a -> b' line"

# ---- a partial document keeps the model defaults
echo '{}' >"$work/empty.json"
printf '{"FeedRate": 250.5,\n "CollControl": {"CollCtrlOperations": [{}, {"Status": true}]}}\n' >"$work/partial.json"
run params from-json "$work/empty.json" "$work/defaults.qzp"
expect 0 "from-json of {}"
run params from-json "$work/partial.json" "$work/partial.qzp"
expect 0 "from-json of a partial document"
run params diff "$work/defaults.qzp" "$work/partial.qzp" --version 226
expect 1 "diff of defaults and the partial set"
[ "$(grep -c . "$work/out")" -eq 2 ] || fail "the partial set differs from the defaults in other than its two fields: $(cat "$work/out")"
expect_out "partial set" "FeedRate: "
expect_out "partial set" "CollControl.CollCtrlOperations[1].Status: false -> true"

# ---- errors: status, one clear line, and no OUT left behind
run params show "$work/missing.qzp" --version 226
expect 3 "missing file" "missing.qzp"
run params show "$v226" --version 227
expect 2 "unknown version" "--version"
head -c 100 "$v226" >"$work/truncated.qzp"
run params upgrade "$work/truncated.qzp" "$work/never.qzp" --version 226
expect 3 "truncated record" "error 2148"
printf '{\n  "FeedRate": 1,\n  oops\n}\n' >"$work/malformed.json"
run params from-json "$work/malformed.json" "$work/never.qzp"
expect 3 "malformed JSON" "line 3, column 3"
echo '{"FeedRat": 1}' >"$work/unknown.json"
run params from-json "$work/unknown.json" "$work/never.qzp"
expect 3 "unknown field" "FeedRat: unknown field"
echo '{"CollControl": {"CollCtrlOperations": [{"Strategy": 300}]}}' >"$work/range.json"
run params from-json "$work/range.json" "$work/never.qzp"
expect 3 "enumeration out of range" "CollControl.CollCtrlOperations[0].Strategy: value 300 out of range"
[ ! -e "$work/never.qzp" ] || fail "a failed command left its OUT file"
leftovers=$(find "$work" -name '*.tmp*' -o -name '.*never*' | head -1)
[ -z "$leftovers" ] || fail "a failed command left a temporary file: $leftovers"

# ---- STL: binary -> ASCII -> binary is bit-exact
run stl convert "$data/pyramid_binary.stl" "$work/direct.stl" --binary
expect 0 "stl convert to binary"
run stl convert "$data/pyramid_binary.stl" "$work/pyramid.ascii.stl" --ascii
expect 0 "stl convert to ASCII"
run stl convert "$work/pyramid.ascii.stl" "$work/back.stl" --binary
expect 0 "stl convert back to binary"
cmp -s "$work/direct.stl" "$work/back.stl" || fail "binary -> ASCII -> binary changed bytes"
run stl info "$work/pyramid.ascii.stl"
expect 0 "stl info"
expect_out "stl info" "variant: ASCII"

# ---- checksums
cp "$v226" "$work/protected.qzp"
run checksum add "$work/protected.qzp"
expect 0 "checksum add"
run checksum verify "$work/protected.qzp"
expect 0 "checksum verify"
printf '\x55' | dd of="$work/protected.qzp" bs=1 seek=10 conv=notrunc status=none
run checksum verify "$work/protected.qzp"
expect 1 "checksum verify after a changed byte"
expect_out "checksum mismatch" "MISMATCH"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all command-line checks passed"
