// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page costs a pupil: the bytes of every file it downloads (raw, and
// as a server sends them gzip'd or brotli'd at the highest levels), and the
// time from navigation to the first painted form in headless Chromium, as
// fast as this machine runs it and with the CPU slowed four times, as on a
// cheap tablet: on a first visit (nothing cached) and on a repeat visit, over
// ROUNDS fresh browsers, with the median.
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
// WebGL (Qt 6.4) or in 2D (Qt 6.5 and later). A first visit, in a fresh
// browser; then, in the same browser once the service worker keeps the page
// and V8 has had time to keep what it compiled, a pupil's repeat visit, in a
// new tab. Says whether V8 took the program's code from its cache then.
async function visits(url, slowdown) {
    const browser = await launch();
    const visit = async trace => {
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
        if (trace)
            await page.tracing.start({ categories: ['v8.wasm', 'disabled-by-default-v8.wasm.detailed'] });
        await page.goto(url);
        const painted = await (await page.waitForFunction(() => window.firstDraw, { timeout: 120000 })).jsonValue();
        const events = trace ? JSON.parse(Buffer.from(await page.tracing.stop()).toString()).traceEvents.map(event => event.name) : [];
        await page.evaluate(() => navigator.serviceWorker.ready.then(() => new Promise(resolve => setTimeout(resolve, 5000))));
        await page.close();
        return { painted, cached: events.some(name => /CacheHit/i.test(name)) };
    };
    try {
        const first = await visit(false);
        return { first: first.painted, repeat: await visit(true) };
    } finally {
        await browser.close();
    }
}

const servers = Object.fromEntries(await Promise.all(Object.entries(pages).map(async ([name, dir]) => [name, await serve(dir)])));
const times = {}, hits = {};
for (let round = 0; round < rounds; ++round) {
    for (const slowdown of [1, 4]) {
        const names = Object.keys(pages);
        for (const name of [...names.slice(round % names.length), ...names.slice(0, round % names.length)]) {
            const { first, repeat } = await visits(servers[name].url, slowdown);
            (times[`${name} ${slowdown}x`] ??= []).push(first);
            (times[`${name} ${slowdown}x, again`] ??= []).push(repeat.painted);
            (hits[name] ??= []).push(repeat.cached);
        }
    }
}
Object.values(servers).forEach(server => server.close());
const median = list => [...list].sort((a, b) => a - b)[list.length >> 1];
const s = ms => (ms / 1000).toFixed(2);
for (const [key, list] of Object.entries(times))
    console.log(`first paint, ${key.padEnd(21)} median ${s(median(list))} s of ${list.map(s).join(', ')}`);
for (const [name, list] of Object.entries(hits))
    console.log(`${name}: V8 took the compiled program from its cache on ${list.filter(Boolean).length} of ${list.length} repeat visits`);
for (const slowdown of rounds > 0 ? [1, 4] : []) {
    for (const name of Object.keys(pages).slice(1)) {
        for (const visit of ['', ', again'])
            console.log(`ratio at ${slowdown}x${visit} against ${name}: ${
                (median(times[`page ${slowdown}x${visit}`]) / median(times[`${name} ${slowdown}x${visit}`])).toFixed(2)}`);
    }
}
