#!/bin/sh
# Draws the sprite set that the engine checks read, its JSON in a folder of its own so that the
# JSON must lead to its picture by a relative path:
#   tests/engines/make_inputs.sh KELVARA_RENDER OUT_DIR
set -eu
render="$1" out="$2"
rm -rf "$out"
mkdir -p "$out/json"
"$render" random --count 1 --seed 7 --out "$out" > /dev/null
"$render" atlas "$out/kelvara_1.txt" --transparent -o "$out/hero.png" --json "$out/json/hero.json"
