// ase-parser reads an Aseprite file written beside an atlas: one frame for every frame of the
// atlas description, decoded pixel for pixel equal to that frame's rectangle of the atlas PNG
// (decoded by pngjs), indexed colour with its palette, and every catalogue animation a tag with
// its cells, frame time, direction and repeat count (0 for ever, 1 for once).
//   node aseprite_check.mjs FILE.aseprite ATLAS.png ATLAS.json
import fs from 'node:fs';
import { atlasCells, inputs, needs, readJson, report } from './catalogue.mjs';

const started = performance.now();
needs('ase-parser/package.json', 'pngjs/package.json');
const { default: Aseprite } = await import('ase-parser');
const { default: { PNG } } = await import('pngjs');
const [ase, png, json] = inputs('aseprite_check.mjs FILE.aseprite ATLAS.png ATLAS.json', 3);

const { entries, rectOf, expected } = atlasCells(readJson(json));
const atlas = PNG.sync.read(fs.readFileSync(png));
const file = new Aseprite(fs.readFileSync(ase), ase);
file.parse();
const failures = [];

// A frame as the editor shows it: its cels over each other, layer by layer. In an indexed file
// the transparent index is see-through except on the background layer.
const palette = file.palette?.colors ?? [];
function decode(frame) {
    const out = Buffer.alloc(file.width * file.height * 4);
    for (const cel of [...frame.cels].sort((a, b) => a.layerIndex - b.layerIndex)) {
        const layer = file.layers[cel.layerIndex];
        if (!layer?.flags.visible || !cel.rawCelData) continue;
        for (let y = 0; y < cel.h; ++y) for (let x = 0; x < cel.w; ++x) {
            const fx = cel.xpos + x, fy = cel.ypos + y;  // a cel may reach past the frame
            if (fx < 0 || fy < 0 || fx >= file.width || fy >= file.height) continue;
            const i = y * cel.w + x, at = (fy * file.width + fx) * 4;
            let rgba;
            if (file.colorDepth === 8) {
                const index = cel.rawCelData[i];
                if (index === file.paletteIndex && !layer.flags.background) continue;
                const c = palette[index] ?? { red: 0, green: 0, blue: 0, alpha: 0 };
                rgba = [c.red, c.green, c.blue, layer.flags.background ? 255 : c.alpha];
            } else {
                rgba = [...cel.rawCelData.subarray(i * 4, i * 4 + 4)];
            }
            if (rgba[3]) out.set(rgba, at);
        }
    }
    return out;
}
const frames = file.frames.map(decode);

// The pixels that differ between a decoded frame and a rectangle of the atlas; any two fully
// see-through pixels are the same.
function differences(pixels, r) {
    if (r.w !== file.width || r.h !== file.height) return r.w * r.h;
    let count = 0;
    for (let y = 0; y < r.h; ++y) for (let x = 0; x < r.w; ++x) {
        const a = (y * r.w + x) * 4, b = ((r.y + y) * atlas.width + r.x + x) * 4;
        const clear = pixels[a + 3] === 0 && atlas.data[b + 3] === 0;
        if (!clear && pixels.compare(atlas.data, b, b + 4, a, a + 4) !== 0) ++count;
    }
    return count;
}

// Frames: as many as the atlas description lists, cells first, then the repeats that make a tag
// of an animation whose cells are not neighbours.
const cells = new Set(entries.map(([, f]) => `${f.type} ${f.pose}`)).size;
const repeats = expected.filter((a) => a.cells.some((p, k) => k && p !== a.cells[k - 1] + 1))
                        .reduce((n, a) => n + a.cells.length, 0);
if (file.numFrames !== entries.length || entries.length !== cells + repeats)
    failures.push(`${file.numFrames} frames in the file, ${entries.length} in the JSON, expected ${cells} cells + ${repeats} repeats`);
const [first] = entries.map(([, f]) => f.frame);
if (first && (file.width !== first.w || file.height !== first.h))
    failures.push(`frames are ${file.width}x${file.height}, the atlas cells ${first.w}x${first.h}`);
entries.slice(0, file.numFrames).forEach(([key, f], i) => {
    const n = differences(frames[i], f.frame);
    if (n) failures.push(`frame ${i}: ${n} pixels differ from the atlas frame "${key}"`);
    if (file.frames[i].frameDuration !== f.duration)
        failures.push(`frame ${i}: ${file.frames[i].frameDuration} ms, the JSON says ${f.duration}`);
});

// Tags: each animation's frames show its cells, in order, for its frame time.
const directions = { forward: 'Forward', pingpong: 'Ping-pong' };
for (const a of expected) {
    const tag = file.tags.find((t) => t.name === a.name);
    if (!tag) { failures.push(`${a.name}: no tag`); continue; }
    const repeat = a.loops ? 0 : 1;
    if (tag.animDirection !== directions[a.direction] || tag.repeat !== repeat)
        failures.push(`${a.name}: ${tag.animDirection}, repeat ${tag.repeat}; expected ${directions[a.direction]}, repeat ${repeat}`);
    if (tag.to - tag.from + 1 !== a.cells.length) {
        failures.push(`${a.name}: frames ${tag.from}..${tag.to}, expected ${a.cells.length} frames`);
        continue;
    }
    a.cells.forEach((pose, k) => {
        const i = tag.from + k;
        if (!frames[i] || differences(frames[i], rectOf(a.type, pose)))
            failures.push(`${a.name}: frame ${i} does not show ${a.type} ${pose}`);
        else if (file.frames[i].frameDuration !== a.ms)
            failures.push(`${a.name}: frame ${i} lasts ${file.frames[i].frameDuration} ms, expected ${a.ms}`);
    });
}

// Indexed colour with a palette that holds every colour and the transparent index.
if (file.colorDepth !== 8) failures.push(`colour depth ${file.colorDepth}, expected 8 (indexed)`);
if (!palette.length || palette.length > 256 || file.paletteIndex >= palette.length)
    failures.push(`palette of ${palette.length} colours, transparent index ${file.paletteIndex}`);
if (expected.length === 0) failures.push('no frame names a sprite type and pose: nothing to check');
report('aseprite', failures, started);
