// A page in Debian's Chromium, headless, with one library from node_modules imported as
// window.lib, and the given files served from localhost under /files/ + their absolute paths
// (nothing else, so a path the page works out wrongly is a failed load, not a lucky hit).
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const chromium = process.env.KELVARA_CHROMIUM ?? '/usr/bin/chromium';
const modules = fileURLToPath(new URL('node_modules/', import.meta.url));
const types = { '.png': 'image/png', '.json': 'application/json', '.js': 'text/javascript',
                '.mjs': 'text/javascript' };
// Root runs Chromium without its sandbox; this machine reaches no other host, so everything that
// would phone home is switched off. Playwright gives it a new, empty profile.
const flags = ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync'];

export async function openPage(lib, files, viewport = { width: 800, height: 600 }) {
    const libFile = path.join(modules, lib);
    const playwright = await import('playwright-core');

    const served = new Set(files.map((f) => path.resolve(f)));
    const asked = [];
    const page = `<!doctype html><body style="margin:0;background:#333">
<script type="module">import * as lib from '/lib.mjs'; window.lib = lib;</script>`;
    const server = http.createServer((req, res) => {
        const url = decodeURIComponent(new URL(req.url, 'http://localhost').pathname);
        let file = null;
        if (url === '/') return res.writeHead(200, { 'content-type': 'text/html' }).end(page);
        if (url === '/favicon.ico') return res.writeHead(204).end();
        if (url === '/lib.mjs') file = libFile;
        if (url.startsWith('/files/')) {
            asked.push(url.slice(6));
            if (served.has(url.slice(6))) file = url.slice(6);
        }
        if (!file) return res.writeHead(404).end();
        res.writeHead(200, { 'content-type': types[path.extname(file)] ?? 'application/octet-stream' });
        fs.createReadStream(file).pipe(res);
    });
    await new Promise((done) => server.listen(0, '127.0.0.1', done));
    const base = `http://127.0.0.1:${server.address().port}`;

    const browser = await playwright.chromium.launch({ executablePath: chromium, args: flags });
    const tab = await browser.newPage({ viewport });
    // Warnings and errors as the console shows them, with console.warn's %s filled in.
    const messages = [], pending = [];
    tab.on('console', (m) => ['warning', 'error'].includes(m.type()) && pending.push(
        Promise.all(m.args().map((a) => a.jsonValue().catch(() => '?'))).then(([f = m.text(), ...rest]) =>
            messages.push(typeof f === 'string' && rest.length ? f.replace(/%[sdo]/g, () => rest.shift()) : m.text()))));
    tab.on('pageerror', (e) => messages.push(e.message));
    // A page that never answers (a library that threw midway) fails rather than hangs.
    setTimeout(() => {
        console.log(`timed out after 60 s; console: ${messages.join(' | ') || 'nothing'}`);
        process.exit(1);
    }, 60_000).unref();
    await tab.goto(`${base}/`);
    await tab.waitForFunction(() => window.lib);
    return {
        page: tab, messages, asked,
        url: (file) => `${base}/files${path.resolve(file)}`,
        close: async () => { await Promise.all(pending); await browser.close(); server.close(); },
    };
}
