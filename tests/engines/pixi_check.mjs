// PixiJS 8 in headless Chromium loads an atlas with Assets.load, as its documentation shows for
// spritesheets: the JSON must lead to the PNG by itself, and every catalogue animation in the
// `animations` map must list the textures of its cells as played (ping-pong written out, since
// an AnimatedSprite only plays forward), with the console quiet.
//   node pixi_check.mjs ATLAS.json ATLAS.png
import fs from 'node:fs';
import { chromium, openPage } from './browser.mjs';
import { atlasCells, inputs, needs, played, readJson, report, sameRect, showRect } from './catalogue.mjs';

const started = performance.now();
needs('pixi.js/dist/pixi.min.mjs', 'playwright-core/package.json', chromium);
const [json, png] = inputs('pixi_check.mjs ATLAS.json ATLAS.png', 2);
const { rectOf, expected } = atlasCells(readJson(json));
const header = fs.readFileSync(png).subarray(16, 24);  // IHDR width and height
const size = { w: header.readUInt32BE(0), h: header.readUInt32BE(4) };

const browser = await openPage('pixi.js/dist/pixi.min.mjs', [png, json]);
const seen = await browser.page.evaluate(async (url) => {
    const PIXI = window.lib;
    const sheet = await PIXI.Assets.load(url).catch((e) => ({ error: String(e) }));
    if (!(sheet instanceof PIXI.Spritesheet)) return { error: sheet?.error ?? `not a spritesheet: ${sheet}` };
    const rect = (t) => t && { x: t.frame.x, y: t.frame.y, w: t.frame.width, h: t.frame.height };
    return {
        source: { w: sheet.textureSource.width, h: sheet.textureSource.height },
        animations: Object.fromEntries(Object.entries(sheet.animations).map(([n, ts]) => [n, ts.map(rect)])),
    };
}, browser.url(json));
await browser.close();

const failures = [];
if (seen.error) {
    failures.push(`Assets.load: ${seen.error}; the page asked for ${browser.asked.join(', ')}`);
} else {
    if (seen.source.w !== size.w || seen.source.h !== size.h)
        failures.push(`texture is ${seen.source.w}x${seen.source.h}, the PNG ${size.w}x${size.h}`);
    for (const a of expected) {
        const got = seen.animations[a.name];
        if (!got) { failures.push(`${a.name}: not in the animations map`); continue; }
        const cells = played(a);
        const wrong = cells.map((pose, k) => sameRect(got[k], rectOf(a.type, pose)) ? null :
            `texture ${k} is ${showRect(got[k])}, expected ${a.type} ${pose} at ${showRect(rectOf(a.type, pose))}`);
        if (got.length !== cells.length) failures.push(`${a.name}: ${got.length} textures, expected ${cells.length}`);
        else if (wrong.some(Boolean)) failures.push(`${a.name}: ${wrong.find(Boolean)}`);
    }
}
for (const m of new Set(browser.messages)) failures.push(`console: ${m}`);
if (expected.length === 0) failures.push('no frame names a sprite type and pose: nothing to check');
report('pixi', failures, started);
