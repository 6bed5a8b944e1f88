#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets from the example files and the
# golden cases of the aids: make_seeds.sh SOURCE_DIR OUTPUT_DIR. Each target's
# seeds go to OUTPUT_DIR/<target>/, in the target's input format (see the
# comment at the top of each tests/fuzz/*_fuzz.cpp).
set -euo pipefail
source_dir=$1
out=$2
separator=$'\n~~~part~~~\n'

rm -rf "$out"
mkdir -p "$out/pair" "$out/pane" "$out/settings"

# The kind byte of the pair target: the index of the kind in its list.
kind_of() {
  case "$1" in
    *DIALOGCPR.INI) echo 4 ;;
    *DIALOGPROG.INI) echo 5 ;;
    *DIALOG.INI) echo 1 ;;
    *MSK) echo 2 ;;
    *MNU) echo 3 ;;
    *) echo 0 ;;
  esac
}

pair() { # pair NAME KIND ORIGINAL TRANSLATION
  { printf "\\x0$2"; cat "$3"; printf '%s' "$separator"; cat "$4"; } >"$out/pair/$1"
}

for file in "$source_dir"/examples/de/*; do
  name=$(basename "$file")
  english="$source_dir/examples/en/$name"
  [ -f "$english" ] || continue
  kind=$(kind_of "$name")
  pair "example-$name" "$kind" "$file" "$english"
  pair "example-back-$name" "$kind" "$english" "$file"
  cp "$file" "$out/pane/example-de-$name"
  cp "$english" "$out/pane/example-en-$name"
done

for case_dir in "$source_dir"/tests/data/aids/*/; do
  name=$(basename "$case_dir")
  kind=$(tr -dc '0-9' <"$case_dir/kind")
  pair "golden-$name" "${kind:-1}" "$case_dir/original.txt" "$case_dir/translation.txt"
  cp "$case_dir/translation.txt" "$out/pane/golden-$name"
done

settings() { # settings NAME CONTENT SECTION KEY VALUE
  printf '%s' "$2$separator$3$separator$4$separator$5" >"$out/settings/$1"
}
settings empty "" PATH ORIG "./"
settings paths $'[PATH]\r\nORIG=./DIALOG.INI\r\nTRANS=./\r\nSAVEAS=./\r\n' PATH TRANS "/a b/DIALOG.INI"
settings options $'[OPTIONS]\r\nFONTNAME=Courier\r\nFONTHEIGHT=15\r\n\r\n[PATH]\nORIG=x' PATH SAVEAS " quoted "
settings comments $'; mine\n[path]\n  orig = old \nKEY=before\n[X]\nORIG=x\n' Path Orig '"v"'
settings lone-cr $'[PATH]\rTRANS=t\r[O]\rX=1' O Y "'single'"
for file in "$source_dir"/examples/de/DIALOG*.INI; do
  settings "example-$(basename "$file")" "$(cat "$file")" MAIN TITLE "Verbodex"
done
