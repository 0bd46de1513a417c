// Godot 4 cannot be installed here, so its files are read the way its text-resource loader reads
// them: the SpriteFrames resource (.tres) beside the atlas, and the scene (.tscn) that plays it.
// Every AtlasTexture region must lie inside the atlas PNG and be the rectangle the atlas JSON gives
// its frame; every catalogue animation must show its cells as played (ping-pong written out, as
// SpriteFrames has no ping-pong mode) at its frame time, loop as the catalogue says, and the scene
// must stand the sprite on the JSON's pivot with nearest-neighbour filtering. Paths are relative
// to the file that names them, as Godot resolves them.
//   node godot_check.mjs SET.tres SET.tscn ATLAS.json
import fs from 'node:fs';
import path from 'node:path';
import { atlasCells, inputs, played, readJson, report, sameRect, showRect } from './catalogue.mjs';

const started = performance.now();
const [tres, tscn, json] = inputs('godot_check.mjs SET.tres SET.tscn ATLAS.json', 3);
const atlas = readJson(json);
const { rectOf, expected } = atlasCells(atlas);
const failures = [];
const resources = fs.readFileSync(tres, 'utf8'), scene = fs.readFileSync(tscn, 'utf8');

// The external resource a file loads, found from the file's own folder.
function loaded(file, text, type) {
    const m = text.match(new RegExp(`\\[ext_resource type="${type}" path="([^"]+)"`));
    if (!m) return failures.push(`${path.basename(file)}: no ${type} resource`), null;
    if (m[1].startsWith('res://') || path.isAbsolute(m[1])) failures.push(`${path.basename(file)}: path ${m[1]} is not relative`);
    return path.resolve(path.dirname(file), m[1]);
}

// The atlas: the PNG the JSON leads to, its size read from its header.
const png = loaded(tres, resources, 'Texture2D');
if (png && png !== path.resolve(path.dirname(json), atlas.meta.image))
    failures.push(`the .tres loads ${png}, the JSON's picture is ${atlas.meta.image}`);
const header = png && fs.existsSync(png) ? fs.readFileSync(png).subarray(16, 24) : null;
const size = header && { w: header.readUInt32BE(0), h: header.readUInt32BE(4) };
if (!size) failures.push(`the atlas ${png} does not exist`);

// Every region, by its sub-resource id.
const regions = new Map();
for (const m of resources.matchAll(/\[sub_resource type="AtlasTexture" id="([^"]+)"\]\natlas = ExtResource\("[^"]+"\)\nregion = Rect2\((\d+), (\d+), (\d+), (\d+)\)\nfilter_clip = true\n/g)) {
    const [x, y, w, h] = m.slice(2).map(Number);
    regions.set(m[1], { x, y, w, h });
}
const frames = atlas.frames ?? [];
[...regions.values()].forEach((r, k) => {
    if (size && (r.x + r.w > size.w || r.y + r.h > size.h)) failures.push(`region ${k} ${showRect(r)} lies outside the ${size.w}x${size.h} atlas`);
    if (!sameRect(r, frames[k]?.frame)) failures.push(`region ${k} is ${showRect(r)}, JSON frame ${k} ${showRect(frames[k]?.frame)}`);
});
if (regions.size === 0) failures.push('no AtlasTexture regions');

// The animations, as Godot's dictionary syntax writes them.
const animations = new Map();
for (const m of resources.matchAll(/\{\n"frames": \[([\s\S]*?)\],\n"loop": (true|false),\n"name": &"([^"]+)",\n"speed": ([\d.e+-]+)\n\}/g)) {
    const textures = [...m[1].matchAll(/"duration": 1\.0,\n"texture": SubResource\("([^"]+)"\)/g)].map((t) => t[1]);
    animations.set(m[3], { textures, loop: m[2] === 'true', speed: Number(m[4]) });
}
for (const a of expected) {
    const got = animations.get(a.name);
    if (!got) { failures.push(`${a.name}: not in the SpriteFrames`); continue; }
    const cells = played(a);
    const wrong = cells.findIndex((pose, k) => !sameRect(regions.get(got.textures[k]), rectOf(a.type, pose)));
    if (got.textures.length !== cells.length) failures.push(`${a.name}: ${got.textures.length} frames, expected ${cells.length}`);
    else if (wrong >= 0) failures.push(`${a.name}: frame ${wrong} shows ${showRect(regions.get(got.textures[wrong]))}, expected ${a.type} ${cells[wrong]}`);
    // The keys PixiJS plays lead to the same rectangles.
    const keys = atlas.animations?.[a.name] ?? [];
    if (keys.length !== got.textures.length || keys.some((key, k) => !sameRect(frames[Number(key)]?.frame, regions.get(got.textures[k]))))
        failures.push(`${a.name}: the frames differ from the JSON's animations map`);
    if (got.loop !== a.loops) failures.push(`${a.name}: loop ${got.loop}, expected ${a.loops}`);
    if (Math.abs(got.speed - 1000 / a.ms) > 1e-9) failures.push(`${a.name}: speed ${got.speed}, expected ${1000 / a.ms} frames a second`);
}

// The scene: the sprite frames beside it, drawn from the corner and moved back by the pivot.
const framesFile = loaded(tscn, scene, 'SpriteFrames');
if (framesFile && framesFile !== path.resolve(tres)) failures.push(`the scene loads ${framesFile}, not ${tres}`);
const pivot = frames[0]?.pivot;
const offset = scene.match(/\noffset = Vector2\((-?\d+), (-?\d+)\)\n/);
if (!pivot || !offset || Number(offset[1]) !== -pivot.x || Number(offset[2]) !== -pivot.y)
    failures.push(`scene offset ${offset?.slice(1).join(', ')}, the JSON's pivot ${pivot?.x}, ${pivot?.y}`);
for (const line of ['type="AnimatedSprite2D"', '\ncentered = false\n', '\ntexture_filter = 1\n', '\nautoplay = "stand"\n'])
    if (!scene.includes(line)) failures.push(`the scene lacks ${line.trim()}`);
if (expected.length === 0) failures.push('no frame names a sprite type and pose: nothing to check');
report('godot', failures, started);
