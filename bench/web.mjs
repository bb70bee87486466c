// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page costs a pupil: the bytes of every file it downloads (raw, and
// as a server sends them gzip'd or brotli'd at the highest levels), and the
// time from navigation to the first painted form in headless Chromium, as
// fast as this machine runs it and with the CPU slowed four times, as on a
// cheap tablet: over ROUNDS fresh browsers (nothing cached), with the median.
// Given BASELINE page folders too, all are measured side by side, each round
// in another order, and the ratios against each printed.
//   node bench/web.mjs PAGE-FOLDER ROUNDS [BASELINE-FOLDER...]
import { readdirSync, readFileSync } from 'node:fs';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { launch, serve } from '../tools/webpage.mjs';

const [folder, rounds = 5, ...baselines] = process.argv.slice(2);
const pages = { page: folder, ...Object.fromEntries(baselines.map((dir, n) => [`baseline ${n + 1}`, dir])) };
const files = ['index.html', 'qtloader.js', 'sumgrove.js', 'sumgrove.wasm', 'favicon.ico', 'sumgrove-256.png',
               'manifest.webmanifest', 'sw.js'];
const mb = bytes => (bytes / 1e6).toFixed(2).padStart(6);
for (const [name, dir] of Object.entries(pages)) {
    console.log(`${name}: ${dir}`);
    const total = { raw: 0, gzip: 0, brotli: 0 };
    for (const file of files) {
        const body = readFileSync(`${dir}/${file}`);
        const sizes = { raw: body.length, gzip: gzipSync(body, { level: 9 }).length,
                        brotli: brotliCompressSync(body, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length };
        for (const kind in total)
            total[kind] += sizes[kind];
        console.log(`  ${file.padEnd(22)} ${mb(sizes.raw)} MB raw ${mb(sizes.gzip)} MB gzip ${mb(sizes.brotli)} MB brotli`);
    }
    console.log(`  ${'the page'.padEnd(22)} ${mb(total.raw)} MB raw ${mb(total.gzip)} MB gzip ${mb(total.brotli)} MB brotli`);
    console.log(`  (not fetched at first: ${readdirSync(dir).filter(f => !files.includes(f)).join(', ')})`);
}

// The form is painted when the program first draws into its canvas, with
// WebGL (Qt 6.4) or in 2D (Qt 6.5 and later).
async function firstPaint(url, slowdown) {
    const browser = await launch();
    try {
        const page = await browser.newPage();
        await page.setViewport({ width: 1024, height: 768 });
        await (await page.createCDPSession()).send('Emulation.setCPUThrottlingRate', { rate: slowdown });
        await page.evaluateOnNewDocument(() => {
            for (const [context, draws] of [[WebGLRenderingContext, ['drawArrays', 'drawElements']],
                                            [WebGL2RenderingContext, ['drawArrays', 'drawElements']],
                                            [CanvasRenderingContext2D, ['putImageData', 'drawImage']]]) {
                for (const draw of draws) {
                    const original = context.prototype[draw];
                    context.prototype[draw] = function (...args) {
                        window.firstDraw ??= performance.now();
                        return original.apply(this, args);
                    };
                }
            }
        });
        await page.goto(url);
        return await (await page.waitForFunction(() => window.firstDraw, { timeout: 120000 })).jsonValue();
    } finally {
        await browser.close();
    }
}

const servers = Object.fromEntries(await Promise.all(Object.entries(pages).map(async ([name, dir]) => [name, await serve(dir)])));
const times = {};
for (let round = 0; round < rounds; ++round) {
    for (const slowdown of [1, 4]) {
        const names = Object.keys(pages);
        for (const name of [...names.slice(round % names.length), ...names.slice(0, round % names.length)])
            (times[`${name} ${slowdown}x`] ??= []).push(await firstPaint(servers[name].url, slowdown));
    }
}
Object.values(servers).forEach(server => server.close());
const median = list => [...list].sort((a, b) => a - b)[list.length >> 1];
const s = ms => (ms / 1000).toFixed(2);
for (const [key, list] of Object.entries(times))
    console.log(`first paint, ${key.padEnd(14)} median ${s(median(list))} s of ${list.map(s).join(', ')}`);
for (const slowdown of rounds > 0 ? [1, 4] : []) {
    for (const name of Object.keys(pages).slice(1))
        console.log(`ratio at ${slowdown}x against ${name}: ${(median(times[`page ${slowdown}x`]) / median(times[`${name} ${slowdown}x`])).toFixed(2)}`);
}
