// Phaser 4 in headless Chromium loads an atlas the way its documentation shows for Aseprite
// files, load.aseprite + anims.createFromAseprite, and plays every catalogue animation: each
// step must show the animation's cell for its time, looping or stopping as the catalogue says,
// the sprite must stand on the frames' pivot (Phaser takes a frame's "anchor" as its origin), and
// the console must stay quiet.
//   node phaser_check.mjs ATLAS.png ATLAS.json
import { chromium, openPage } from './browser.mjs';
import { atlasCells, inputs, needs, played, readJson, report, sameRect, showRect } from './catalogue.mjs';

const started = performance.now();
needs('phaser/dist/phaser.esm.min.js', 'playwright-core/package.json', chromium);
const [png, json] = inputs('phaser_check.mjs ATLAS.png ATLAS.json', 2);
const data = readJson(json);
const { rectOf, expected } = atlasCells(data);
const anchor = data.frames?.[0]?.anchor;

// Two passes: enough to see a loop come round, or a play-once animation hold its last cell.
const plans = expected.map((a) => ({ name: a.name, ms: 2 * played(a).length * a.ms + 1 }));

const browser = await openPage('phaser/dist/phaser.esm.min.js', [png, json]);
const seen = await browser.page.evaluate(({ png, json, plans }) => new Promise((resolve) => {
    const Phaser = window.lib;
    new Phaser.Game({ type: Phaser.CANVAS, width: 64, height: 64, banner: false, audio: { noAudio: true },
        scene: { preload() { this.load.aseprite('hero', png, json); }, create() {
            this.anims.createFromAseprite('hero');
            const tags = this.cache.json.get('hero')?.meta?.frameTags ?? [];
            const out = {};
            for (const { name, ms } of plans) {
                if (!this.anims.exists(name)) continue;
                // Phaser takes no repeat count from the file: a game passes the tag's on (Aseprite
                // counts plays, 0 or none for ever; Phaser counts repeats, -1 for ever).
                const count = Number(tags.find((t) => t.name === name)?.repeat ?? 0);
                const sprite = new Phaser.GameObjects.Sprite(this, 0, 0, 'hero');
                sprite.play({ key: name, repeat: count > 0 ? count - 1 : -1 });
                // The clock advanced by hand, a millisecond at a time.
                const step = (f, ms) => ({ name: f.name, ms, rect: { x: f.cutX, y: f.cutY, w: f.cutWidth, h: f.cutHeight } });
                const steps = [];
                let shown = sprite.frame, held = 0;
                for (let t = 1; t <= ms; ++t) {
                    sprite.anims.update(t, 1);
                    ++held;
                    if (sprite.frame === shown) continue;
                    steps.push(step(shown, held));
                    shown = sprite.frame, held = 0;
                }
                steps.push(step(shown, held));
                out[name] = { steps, playing: sprite.anims.isPlaying, origin: { x: sprite.originX, y: sprite.originY } };
            }
            resolve(out);
        } } });
}), { png: browser.url(png), json: browser.url(json), plans });
await browser.close();

const failures = [];
for (const a of expected) {
    const got = seen[a.name];
    if (!got) { failures.push(`${a.name}: createFromAseprite made no such animation (no tag)`); continue; }
    // Two passes for a loop, one for a play-once animation; a cell shown twice running is one
    // long step (the sprite cannot show the change), and the last step may go on.
    const pass = played(a), steps = [];
    for (const pose of a.loops ? [...pass, ...pass] : pass) {
        if (steps.at(-1)?.pose === pose) steps.at(-1).ms += a.ms;
        else steps.push({ pose, ms: a.ms });
    }
    const wrong = steps.map(({ pose, ms }, k) => {
        const step = got.steps[k], want = rectOf(a.type, pose);
        const shown = step ? `frame "${step.name}" ${showRect(step.rect)} for ${step.ms} ms` : 'nothing';
        const last = k === steps.length - 1;
        if (step && sameRect(step.rect, want) && (last ? step.ms >= ms : step.ms === ms)) return null;
        return `step ${k}: ${shown}, expected ${a.type} ${pose} at ${showRect(want)} for ${ms} ms`;
    }).filter(Boolean);
    if (wrong.length) failures.push(`${a.name}: ${wrong.length} of ${steps.length} steps wrong, first ${wrong[0]}`);
    if (!anchor || Math.abs(got.origin.x - anchor.x) > 1e-9 || Math.abs(got.origin.y - anchor.y) > 1e-9)
        failures.push(`${a.name}: origin ${got.origin.x}, ${got.origin.y}; the frames' anchor ${anchor?.x}, ${anchor?.y}`);
    if (a.loops && !got.playing) failures.push(`${a.name}: stopped after ${got.steps.length} steps, should loop`);
    if (!a.loops && (got.playing || got.steps.length > steps.length))
        failures.push(`${a.name}: ${got.steps.length} steps and still playing after two passes' time, should play once`);
}
if (browser.messages.length) {
    const distinct = [...new Set(browser.messages)];
    failures.push(`console: ${browser.messages.length} warnings or errors (${distinct.length} different), ` +
                  `e.g. ${distinct.slice(0, 3).join(' | ')}`);
}
if (expected.length === 0) failures.push('no frame names a sprite type and pose: nothing to check');
report('phaser', failures, started);
