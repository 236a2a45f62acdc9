#!/usr/bin/env bash
# Runs two builds of `kestrelon clean` on the same inputs with the same
# options and checks that they write the same bytes, print the same texts
# and exit alike. Used to check that a speed-up changed no behaviour.
#
#   bench/check_identical.sh OLD_KESTRELON NEW_KESTRELON [GENERATOR]
#
# Inputs: every mechanism listed in /work/shared/mechanisms/MECHANISMS.txt
# (when present; thermodynamic files beside them are not needed), and, when
# GENERATOR (kestrelon_generate) is given, generated mechanisms of several
# sizes. Options: units, number patterns, renames, --check. With
# IGNORE_TEXTS=1 only the files written are compared, not what the runs
# print (for a change that rewords messages).
set -u

old=$(realpath "$1")
new=$(realpath "$2")
gen=${3:+$(realpath "$3")}
mechdir=${MECHANISMS:-/work/shared/mechanisms}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

inputs=()
if [[ -f $mechdir/MECHANISMS.txt ]]; then
  while read -r rel; do
    [[ -n $rel && -f $mechdir/$rel ]] && inputs+=("$mechdir/$rel")
  done <"$mechdir/MECHANISMS.txt"
fi
repo=$(cd "$(dirname "$0")/.." && pwd)
for f in "$repo"/tests/golden/*/input.inp "$repo"/examples/*.inp; do
  [[ -f $f ]] && inputs+=("$f")
done
if [[ -n $gen ]]; then
  for lines in 64 500 6500 25999; do
    "$gen" "$lines" "$work/gen$lines.inp"
    inputs+=("$work/gen$lines.inp")
  done
  # The same text with every line ended by CR alone, and by CR LF.
  tr '\n' '\r' <"$work/gen500.inp" >"$work/gen500cr.inp"
  sed 's/$/\r/' "$work/gen500.inp" >"$work/gen500crlf.inp"
  inputs+=("$work/gen500cr.inp" "$work/gen500crlf.inp")
fi

# Comments after runs of 0 to 25 blanks, odd spacing around arrows and
# plus signs, commas, tabs and keyword lines in every form.
edge=$work/edge.inp
{
  printf 'elem h o n ar c end\n'
  printf 'species\nh  o2 , oh\to h2,h2o  n2   ar c7h15-3  co  co2  ! names\nend\n'
  printf 'reac kcal/mole\n'
  for k in $(seq 0 25); do
    pad=$(printf '%*s' "$k" '')
    printf 'h + o2 = oh + o   3.547e+15  -0.406  16599.0%s! c%d\n' "$pad" "$k"
    printf '%s! only a comment\n' "$pad"
  done
  printf 'h+o2 <=> oh+o 1.0E10 0.5 200.\n'
  printf 'h + o2 (+ m) = ho2 (+m) 1.0E12 0 0\n   low / 1.0E16 -1.2 100 /\n'
  printf '  troe/ 0.5 1e-30 1e30 /\n   h2/2.0/  h2o/ 6.0 /\n'
  printf 'h2 + h2 + o2 + o2 = h2o+h2o+o2 1 2 3\n'
  printf '2h2 + o2 = 2h2o 1.e5 0 -2.5\n  rev / 1 2 3 /\n'
  printf 'h+o2<=>>oh+o 1 2 3\n'
  printf 'co + oh = co2 + h  4.76e7 1.228 70.0,\n'
  printf 'h+o2=oh+o 1 2 3\nHIGH/ 1 2 3/\nlow /1   2   3/\ndup\nDUPLICATE\n'
  printf 'end\n'
} >"$edge"
inputs+=("$edge")

option_sets=(
  ""
  "--unit kj --a-format 0.0E+00 --n-format 0.00 --ea-format 0"
  "--unit kelvin --a-format 0.00E+00 --n-format 0.000 --ea-format 0.00"
  "--unit j --ext mech --thermo-ext the"
  "--unit kcal --rename H2=HH --rename O2=OXY --rename C7H15-3=C7H15-3X"
  "--unit auto"
  "--check"
)

# Runs one build in its own folder on a copy of the input; leaves the
# folder's files and the exit code, stdout and stderr in $work/$side.
# Both builds run in the same folder, since the texts they print name it.
run_side() {
  local side=$1 bin=$2 input=$3 opts=$4
  rm -rf "${work:?}/$side" "$work/run"
  mkdir -p "$work/run"
  cp "$input" "$work/run/mech.inp"
  # shellcheck disable=SC2086
  (cd "$work/run" && "$bin" clean mech.inp $opts >stdout.txt 2>stderr.txt
   echo $? >status.txt)
  mv "$work/run" "$work/$side"
}

failures=0
count=0
for input in "${inputs[@]}"; do
  for opts in "${option_sets[@]}"; do
    run_side old "$old" "$input" "$opts"
    run_side new "$new" "$input" "$opts"
    count=$((count + 1))
    if ! diff -r ${IGNORE_TEXTS:+-x stderr.txt -x stdout.txt} "$work/old" "$work/new" >/dev/null; then
      failures=$((failures + 1))
      echo "DIFFERENT: $input [$opts]"
      diff -r ${IGNORE_TEXTS:+-x stderr.txt -x stdout.txt} "$work/old" "$work/new" | head -5
    fi
  done
done
echo "$((count - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
