#!/bin/sh
# Draws the sprite sets that the engine checks read:
#   tests/engines/make_inputs.sh KELVARA_RENDER OUT_DIR
# - hero.png with its JSON in a folder of its own, json/hero.json, so that the JSON must lead to
#   its picture by a relative path;
# - hero/, the bundle of the same character on a see-through ground (its .aseprite, Godot files);
# - rival/, another character's bundle at scale 2 on its background colour, which PixiJS loads
#   beside the hero's.
set -eu
render="$1" out="$2"
rm -rf "$out"
mkdir -p "$out/json"
"$render" random --count 2 --seed 7 --out "$out" > /dev/null
"$render" atlas "$out/kelvara_1.txt" --transparent -o "$out/hero.png" --json "$out/json/hero.json"
"$render" bundle "$out/kelvara_1.txt" --transparent -o "$out/hero"
"$render" bundle "$out/kelvara_2.txt" --scale 2 -o "$out/rival"
