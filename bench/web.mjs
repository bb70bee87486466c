// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page costs a pupil: the bytes of every file it downloads (raw, and
// as a server sends them gzip'd or brotli'd at the highest levels), and the
// time from navigation to the first painted form in headless Chromium, over
// ROUNDS fresh browsers (nothing cached), with the median.
//   node bench/web.mjs PAGE-FOLDER ROUNDS
import { readdirSync, readFileSync } from 'node:fs';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { launch, serve } from '../tools/webpage.mjs';

const [folder, rounds = 5] = process.argv.slice(2);
const files = ['index.html', 'qtloader.js', 'sumgrove.js', 'sumgrove.wasm', 'favicon.ico', 'sumgrove-256.png',
               'manifest.webmanifest', 'sw.js'];
const total = { raw: 0, gzip: 0, brotli: 0 };
const mb = bytes => (bytes / 1e6).toFixed(2).padStart(6);
for (const file of files) {
    const body = readFileSync(`${folder}/${file}`);
    const sizes = { raw: body.length, gzip: gzipSync(body, { level: 9 }).length,
                    brotli: brotliCompressSync(body, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length };
    for (const kind in total)
        total[kind] += sizes[kind];
    console.log(`${file.padEnd(22)} ${mb(sizes.raw)} MB raw ${mb(sizes.gzip)} MB gzip ${mb(sizes.brotli)} MB brotli`);
}
console.log(`${'the page'.padEnd(22)} ${mb(total.raw)} MB raw ${mb(total.gzip)} MB gzip ${mb(total.brotli)} MB brotli`);
console.log(`(not fetched at first: ${readdirSync(folder).filter(f => !files.includes(f)).join(', ')})`);

// The form is painted when the program first draws into its canvas.
const server = await serve(folder);
const times = [];
for (let round = 0; round < rounds; ++round) {
    const browser = await launch();
    const page = await browser.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    await page.evaluateOnNewDocument(() => {
        for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
            for (const draw of ['drawArrays', 'drawElements']) {
                const original = context.prototype[draw];
                context.prototype[draw] = function (...args) {
                    window.firstDraw ??= performance.now();
                    return original.apply(this, args);
                };
            }
        }
    });
    await page.goto(server.url);
    times.push(await (await page.waitForFunction(() => window.firstDraw, { timeout: 60000 })).jsonValue());
    await browser.close();
}
server.close();
times.sort((a, b) => a - b);
console.log(`first paint: median ${(times[times.length >> 1] / 1000).toFixed(2)} s of ${times.map(t => (t / 1000).toFixed(2)).join(', ')}`);
