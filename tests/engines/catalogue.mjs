// What a player of the sprite set should see, written out by hand so that the checks do not take
// their expectations from the program they check: each animation's cells (sprite type and pose
// number, in the order shown), how long each is shown, its direction, and whether it loops
// (standing, moving and dazed loop; moves, hits, falls and getting up play once; burnt and
// frozen hold their one frame until the game moves on).
import fs from 'node:fs';

const loop = true, once = false;
const poses = (from, to) => Array.from({ length: to - from + 1 }, (_, k) => from + k);

export const animations = [
    ['stand', 'face', poses(0, 1), 400, 'forward', loop],
    ['walk', 'face', poses(4, 11), 120, 'forward', loop],
    ['run', 'face', poses(12, 17), 80, 'forward', loop],
    ['jump', 'face', poses(20, 25), 110, 'forward', once],
    ['throw', 'face', poses(57, 59), 130, 'forward', once],
    ['catch', 'face', [62, 63, 65], 150, 'forward', once],
    ['kit-run', 'face', poses(114, 115), 120, 'forward', loop],
    ['hit', 'damage', poses(0, 1), 150, 'forward', once],
    ['hit-stomach', 'damage', poses(2, 3), 150, 'forward', once],
    ['hit-back', 'damage', poses(4, 5), 150, 'forward', once],
    ['knocked-back', 'damage', poses(6, 7), 120, 'forward', once],
    ['knocked-down', 'damage', [9, 11, 12, 13], 150, 'forward', once],
    ['fall-forward', 'damage', [10, 14, 15], 150, 'forward', once],
    ['dizzy', 'damage', poses(16, 18), 200, 'pingpong', loop],
    ['get-up', 'damage', poses(19, 21), 200, 'forward', once],
    ['burnt', 'damage', [22], 500, 'forward', loop],
    ['frozen', 'damage', [23], 500, 'forward', loop],
].map(([name, type, cells, ms, direction, loops]) => ({ name, type, cells, ms, direction, loops }));

// The cells of one pass: ping-pong comes back without showing either end twice.
export function played(a) {
    return a.direction === 'pingpong' ? [...a.cells, ...a.cells.slice(1, -1).reverse()] : a.cells;
}

export function readJson(file) {
    return JSON.parse(fs.readFileSync(file, 'utf8'));
}

// The frame entries of an atlas description, by key (an array's keys are its filenames, as
// Phaser and PixiJS name them), and the rectangle of each cell, found by its sprite type and pose.
// The animations of the sprite types in the atlas are expected (an atlas of poses alone has no
// hits); none at all is a failure of its own.
export function atlasCells(json) {
    const entries = Array.isArray(json.frames) ? json.frames.map((f) => [f.filename, f])
                                               : Object.entries(json.frames ?? {});
    const rects = new Map();
    for (const [, f] of entries) {
        const key = `${f.type} ${f.pose}`;
        if (!rects.has(key)) rects.set(key, f.frame);
    }
    const rectOf = (type, pose) => rects.get(`${type} ${pose}`);
    const types = new Set(entries.map(([, f]) => f.type));
    const expected = animations.filter((a) => types.has(a.type));
    return { entries, rectOf, expected };
}

export const sameRect = (a, b) => a && b && a.x === b.x && a.y === b.y && a.w === b.w && a.h === b.h;
export const showRect = (r) => (r ? `${r.w}x${r.h}+${r.x}+${r.y}` : 'none');

// Collects failures and ends the process: 0 when none, else 1 after listing them.
export function report(name, failures, started) {
    const secs = ((performance.now() - started) / 1000).toFixed(2);
    if (failures.length === 0) {
        console.log(`${name}: all passed (${secs} s)`);
        process.exit(0);
    }
    console.log(failures.slice(0, 40).join('\n'));
    if (failures.length > 40) console.log(`... and ${failures.length - 40} more`);
    console.log(`${name}: ${failures.length} failed (${secs} s)`);
    process.exit(1);
}

// Skips the check (exit 77) unless every package (a path in node_modules) and program is there.
export function needs(...paths) {
    const modules = new URL('node_modules/', import.meta.url);
    for (const p of paths)
        if (!fs.existsSync(p.startsWith('/') ? p : new URL(p, modules)))
            skip(`${p.startsWith('/') ? p : p.split('/')[0]} is not installed (scripts/setup.sh --engine-checks installs it)`);
}

// The files a check reads, or a failure naming those that are missing.
export function inputs(usage, count) {
    const files = process.argv.slice(2);
    if (files.length !== count) {
        console.log(`usage: node ${usage}`);
        process.exit(2);
    }
    const missing = files.filter((f) => !fs.existsSync(f));
    if (missing.length) {
        console.log(`missing input: ${missing.join(', ')}`);
        process.exit(1);
    }
    return files;
}

export function skip(why) {
    console.log(`skipped: ${why}`);
    process.exit(77);
}
