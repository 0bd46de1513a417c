// PixiJS 8 in headless Chromium loads atlases with Assets.load, as its documentation shows for
// spritesheets: the JSON must lead to the PNG by itself, and every catalogue animation in the
// `animations` map must list the textures of its cells as played (ping-pong written out, since
// an AnimatedSprite only plays forward), with the console quiet. With a second character, both
// are loaded as the README shows, each under a cachePrefix of its own (the frame keys "0", "1" …
// repeat from one character to the next), and every animation is played the README's way: an
// AnimatedSprite of its textures for the JSON's frame time, looping as the JSON says, standing on
// the JSON's anchor. Each step must show the right cell for the right time, to the millisecond
// (PixiJS counts time in sixtieths of a second, so a change may come a millisecond late).
//   node pixi_check.mjs ATLAS.json ATLAS.png [OTHER.json]
import fs from 'node:fs';
import { chromium, openPage } from './browser.mjs';
import { atlasCells, needs, played, readJson, report, sameRect, showRect } from './catalogue.mjs';

const started = performance.now();
needs('pixi.js/dist/pixi.min.mjs', 'playwright-core/package.json', chromium);
const [json, png, other] = process.argv.slice(2);
if (!json || !png) {
    console.log('usage: node pixi_check.mjs ATLAS.json ATLAS.png [OTHER.json]');
    process.exit(2);
}
const jsons = other ? [json, other] : [json];
const missing = [...jsons, png].filter((f) => !fs.existsSync(f));
if (missing.length) {
    console.log(`missing input: ${missing.join(', ')}`);
    process.exit(1);
}
const header = fs.readFileSync(png).subarray(16, 24);  // IHDR width and height
const size = { w: header.readUInt32BE(0), h: header.readUInt32BE(4) };
const pictures = jsons.map((j) => { const d = readJson(j); return `${j}/../${d.meta.image}`; });

const sets = jsons.map((j, k) => ({ url: null, file: j, prefix: other ? `character${k}/` : '' }));
const browser = await openPage('pixi.js/dist/pixi.min.mjs', [...jsons, ...pictures]);
for (const s of sets) s.url = browser.url(s.file);
const plans = Object.fromEntries(atlasCells(readJson(json)).expected.map((a) => [a.name, 2 * played(a).length * a.ms + 1]));
const seen = await browser.page.evaluate(async ({ sets, plans }) => {
    const PIXI = window.lib;
    const rect = (t) => t && { x: t.frame.x, y: t.frame.y, w: t.frame.width, h: t.frame.height };
    const out = [];
    for (const { url, prefix } of sets) {
        const sheet = await PIXI.Assets.load(prefix ? { src: url, data: { cachePrefix: prefix } } : url)
            .catch((e) => ({ error: String(e) }));
        if (!(sheet instanceof PIXI.Spritesheet)) {
            out.push({ error: sheet?.error ?? `not a spritesheet: ${sheet}` });
            continue;
        }
        // The README's function, with the clock advanced by hand a millisecond at a time
        // (a tick of deltaTime 1 is a sixtieth of a second).
        function animation(sheet, name) {
            const { duration, loop } = sheet.data.meta.animations.find((a) => a.name === name);
            const textures = sheet.animations[name].map((texture) => ({ texture, time: duration }));
            return new PIXI.AnimatedSprite({ textures, loop, autoPlay: true, autoUpdate: false });
        }
        const played = {};
        for (const [name, ms] of Object.entries(plans)) {
            if (!sheet.animations[name]) continue;
            const sprite = animation(sheet, name);
            const steps = [];
            let shown = sprite.texture, held = 0;
            for (let t = 1; t <= ms; ++t) {
                sprite.update({ deltaTime: 0.06 });
                ++held;
                if (sprite.texture === shown) continue;
                steps.push({ rect: rect(shown), ms: held });
                shown = sprite.texture, held = 0;
            }
            steps.push({ rect: rect(shown), ms: held });
            played[name] = { steps, playing: sprite.playing, anchor: { x: sprite.anchor.x, y: sprite.anchor.y } };
        }
        out.push({
            source: { w: sheet.textureSource.width, h: sheet.textureSource.height },
            animations: Object.fromEntries(Object.entries(sheet.animations).map(([n, ts]) => [n, ts.map(rect)])),
            played,
            // The first frame as the cache gives it under the prefix: this character's own.
            cached: prefix ? rect(PIXI.Assets.get(`${prefix}0`)) : null,
            cachedSource: prefix ? PIXI.Assets.get(`${prefix}0`)?.source === sheet.textureSource : null,
        });
    }
    return out;
}, { sets, plans });
await browser.close();

const failures = [];
seen.forEach((got, n) => {
    const file = jsons[n], data = readJson(file);
    const { rectOf, expected } = atlasCells(data);
    const who = other ? `${file}: ` : '';
    if (got.error) {
        failures.push(`${who}Assets.load: ${got.error}; the page asked for ${browser.asked.join(', ')}`);
        return;
    }
    if (n === 0 && (got.source.w !== size.w || got.source.h !== size.h))
        failures.push(`texture is ${got.source.w}x${got.source.h}, the PNG ${size.w}x${size.h}`);
    if (other && (!sameRect(got.cached, data.frames[0].frame) || !got.cachedSource))
        failures.push(`${who}the cache's "${sets[n].prefix}0" is ${showRect(got.cached)}, not this character's first frame`);
    for (const a of expected) {
        const textures = got.animations[a.name];
        if (!textures) { failures.push(`${who}${a.name}: not in the animations map`); continue; }
        const cells = played(a);
        const wrong = cells.map((pose, k) => sameRect(textures[k], rectOf(a.type, pose)) ? null :
            `texture ${k} is ${showRect(textures[k])}, expected ${a.type} ${pose} at ${showRect(rectOf(a.type, pose))}`);
        if (textures.length !== cells.length) failures.push(`${who}${a.name}: ${textures.length} textures, expected ${cells.length}`);
        else if (wrong.some(Boolean)) failures.push(`${who}${a.name}: ${wrong.find(Boolean)}`);

        // Played: two passes of a loop, one of a play-once animation, which then holds its last
        // cell; a cell shown twice running is one long step.
        const run = got.played[a.name], steps = [];
        if (!run) continue;
        for (const pose of a.loops ? [...cells, ...cells] : cells) {
            if (steps.at(-1)?.pose === pose) steps.at(-1).ms += a.ms;
            else steps.push({ pose, ms: a.ms });
        }
        const bad = steps.findIndex(({ pose, ms }, k) => {
            const step = run.steps[k], last = k === steps.length - 1;
            return !step || !sameRect(step.rect, rectOf(a.type, pose)) ||
                   (last ? step.ms < ms - 1 : Math.abs(step.ms - ms) > 1);
        });
        if (bad >= 0) {
            const step = run.steps[bad];
            failures.push(`${who}${a.name}: step ${bad} shows ${showRect(step?.rect)} for ${step?.ms} ms, ` +
                          `expected ${a.type} ${steps[bad].pose} for ${steps[bad].ms} ms`);
        }
        if (a.loops !== run.playing) failures.push(`${who}${a.name}: ${run.playing ? 'still playing' : 'stopped'} after two passes' time`);
        const anchor = data.frames[0].anchor;
        if (!anchor || Math.abs(run.anchor.x - anchor.x) > 1e-6 || Math.abs(run.anchor.y - anchor.y) > 1e-6)
            failures.push(`${who}${a.name}: anchor ${run.anchor.x}, ${run.anchor.y}; the JSON says ${anchor?.x}, ${anchor?.y}`);
    }
    if (expected.length === 0) failures.push(`${who}no frame names a sprite type and pose: nothing to check`);
});
for (const m of new Set(browser.messages)) failures.push(`console: ${m}`);
report('pixi', failures, started);
