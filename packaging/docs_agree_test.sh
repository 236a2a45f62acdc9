#!/usr/bin/env bash
# usage: docs_agree_test.sh KESTRELON VERSION MANPAGE COMPLETION
#
# Checks that `KESTRELON --help` (and `KESTRELON COMMAND --help`), the
# manual page source and the bash completion name the same commands and,
# command by command, the same options; that every value the completion
# offers for an option is one the program takes; and that --version prints
# VERSION. Each list is read out of its source, so a new command or option
# needs no edit here. Exit status 0 all agree, 1 otherwise (each mismatch
# on stdout).
set -uo pipefail
kestrelon=$(realpath "$1") version=$2 manpage=$(realpath "$3")
completion=$(realpath "$4")
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
empty=$scratch/empty
mkdir "$empty"

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Prints its words one a line, sorted, once each.
set_of() { tr ' ' '\n' | sed '/^$/d' | sort -u; }

# same NAME_A WORDS_A NAME_B WORDS_B WHAT: fails unless the two lists hold
# the same words.
same() {
  local a b
  a=$(set_of <<<"$2") b=$(set_of <<<"$4")
  [[ $a == "$b" ]] || fail "$5: $1 has [$(echo $a)], $3 has [$(echo $b)]"
}

# --- the help texts ------------------------------------------------------
# Commands: the word after "kestrelon" on a usage line.
help_commands() {
  "$kestrelon" --help | sed -nE 's/^(usage:)? *kestrelon +([a-z][a-z-]*).*/\2/p'
}

# Options of command $1 in help text on stdin: the options a line indented
# by blanks begins with ("  --name NAME  ...", "  --help, --version"), and
# the bracketed options of a usage line naming the command. An empty $1
# takes the bracketed options of every usage line.
help_options() {
  awk -v cmd="$1" '
    /^(usage:)? *kestrelon / {
      if (cmd == "" || $0 ~ ("kestrelon +" cmd "( |$)")) {
        line = $0
        while (match(line, /\[--[a-z0-9-]+/)) {
          print substr(line, RSTART + 1, RLENGTH - 1)
          line = substr(line, RSTART + RLENGTH)
        }
      }
      next
    }
    /^ +-/ {
      for (i = 1; i <= NF && $i ~ /^-/; i++) {
        word = $i
        sub(/[,=].*$/, "", word)
        if (word ~ /^--[a-z0-9-]+$/) print word
      }
    }'
}

# --- the manual page -----------------------------------------------------
# Commands: the first word of each .SS heading under .SH COMMANDS.
man_commands() {
  awk '/^\.SH/ { in_commands = ($2 == "COMMANDS") }
       in_commands && /^\.SS/ { gsub(/"/, "", $2); print $2 }' "$manpage"
}

# Options of command $1 (empty: the OPTIONS section): the options on the
# tag line after each .TP.
man_options() {
  awk -v cmd="$1" '
    /^\.SH/ { section = $2; command = ""; next }
    /^\.SS/ { command = $2; gsub(/"/, "", command); next }
    /^\.TP/ { tag = 1; next }
    tag {
      tag = 0
      if ((cmd == "" && section == "OPTIONS") ||
          (cmd != "" && section == "COMMANDS" && command == cmd)) {
        line = $0
        while (match(line, /\\-\\-[a-z0-9\\-]+/)) {
          word = substr(line, RSTART, RLENGTH)
          gsub(/\\/, "", word)
          print word
          line = substr(line, RSTART + RLENGTH)
        }
      }
    }' "$manpage"
}

# --- the completion ------------------------------------------------------
# What the completion offers on the command line "kestrelon $@", the last
# word being the one completed. Run in an empty directory, so that it
# offers no file names.
complete_words() {
  (cd "$empty" && bash -c 'source "$1"; shift
           COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _kestrelon
           printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" kestrelon "$@")
}

# --- the checks ----------------------------------------------------------
out=$("$kestrelon" --version)
[[ $out == "kestrelon $version" ]] ||
  fail "--version prints \"$out\", not \"kestrelon $version\""

commands=$(help_commands)
[[ -n $commands ]] || fail "no command found in --help"
same "--help" "$commands" "the manual page" "$(man_commands)" "commands"
same "--help" "$commands" "the completion" "$(complete_words "")" "commands"

global_man=$(man_options "")
same "the manual page" "$global_man" "the completion" \
  "$(complete_words -)" "options of kestrelon alone"
# Options of kestrelon alone (--help, --version) also show in the help of
# a command; they are left out of the comparison command by command.
not_global() { grep -vxF -f <(set_of <<<"$global_man") || true; }

all_help=$("$kestrelon" --help | help_options "")
for c in $commands; do
  help_c=$("$kestrelon" "$c" --help | help_options "$c" | set_of)
  man_c=$(man_options "$c")
  same "the manual page" "$man_c" "the completion" \
    "$(complete_words "$c" -)" "options of $c"
  same "--help" "$(not_global <<<"$help_c")" "the manual page" \
    "$(set_of <<<"$man_c" | not_global)" "options of $c"
  all_help+=$'\n'$help_c
done
all_man=$(
  man_options ""
  for c in $commands; do man_options "$c"; done
)
same "--help" "$all_help" "the manual page" "$all_man" "all options"

# Every value the completion offers is one the program takes: no usage
# error (64) when run on files that do not exist, as many as the usage line
# of the command names (the upper-case words: MECHANISM, FILE_A FILE_B).
for c in $commands; do
  files=()
  for word in $("$kestrelon" --help |
                sed -nE "s/^(usage:)? *kestrelon +$c +([A-Z_ ]*).*/\\2/p"); do
    files+=("$scratch/$word.inp")
  done
  for option in $(complete_words "$c" -); do
    for value in $(complete_words "$c" "$option" ""); do
      "$kestrelon" "$c" "${files[@]}" "$option" "$value" \
        >/dev/null 2>"$scratch/err"
      [[ $? != 64 ]] || fail "$c $option $value: $(head -1 "$scratch/err")"
    done
  done
done

if ((failures > 0)); then
  echo "docs_agree_test: $failures failure(s)"
  exit 1
fi
echo "docs_agree_test: help, manual page and completion agree"
