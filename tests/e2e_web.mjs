// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web build's page in a real Chromium, as a pupil meets it:
//   node e2e_web.mjs PAGE-FOLDER OUTDIR DESKTOP-SHOT CHECK
// CHECK names one of the checks below. Screenshots stay in OUTDIR; the form
// is compared with the desktop program's first shot as the scaled tests do.
import { execFileSync } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { formShown, launch, serve } from '../tools/webpage.mjs';

const [folder, out, desktopShot, check] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const fail = message => { console.log(`FAIL: ${message}`); process.exit(1); };
const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const run = command => { try { return execFileSync('sh', ['-c', command], { encoding: 'utf8', stdio: 'pipe' }).trim(); }
                         catch (e) { return e.stderr.trim(); } }; // compare reports its measure on stderr
const read = (shot, geometry) => run(`convert '${shot}[${geometry}]' -colorspace gray -resize 400% -threshold 60% -bordercolor white -border 20 png:- |
                                      tesseract - - --psm 7 -c tessedit_char_whitelist=0123456789`);
const rowY = [70, 110, 160, 210, 260, 310, 360, 410, 460, 510]; // as in practice_set.sh
const verdictBand = n => `30x30+${n <= 10 ? 445 : 865}+${24 + rowY[(n - 1) % 10]}`;
const colour = (shot, geometry, hex) => Number(run(`convert '${shot}[${geometry}]' -fill black +opaque '${hex}' ` +
                                                   `-fill white -opaque '${hex}' -format '%[fx:mean*w*h]' info:`));
const clockMoved = (a, b) => Number(run(`compare -metric AE '${a}[120x40+780+45]' '${b}[120x40+780+45]' null:`)) > 0;

let server = await serve(folder);
const browser = await launch(...(check === 'noWebGl' ? ['--disable-3d-apis'] : []));
const page = await browser.newPage();

async function open(width, height, scale = 1, device = {}) {
    await page.setViewport({ width, height, deviceScaleFactor: scale, ...device });
    await page.goto(server.url);
    await formShown(page);
    return page.$eval('#form', canvas => {
        const box = canvas.getBoundingClientRect(), page = document.documentElement;
        return { x: Math.round(box.x), y: Math.round(box.y), pixels: canvas.width, turn: document.getElementById('turn').offsetHeight > 0,
                 centred: Math.abs(box.left + box.right - innerWidth) < 2 && Math.abs(box.top + box.bottom - innerHeight) < 2,
                 scrolls: page.scrollWidth > innerWidth || page.scrollHeight > innerHeight };
    });
}
// The form's picture, shrunk back to 907 x 600, and as like the desktop's as the scaled tests ask.
async function shoot(name, form, scale = 1, compare = false) {
    const shot = `${out}/${name}.png`;
    await page.screenshot({ path: shot, fullPage: true });
    run(`convert '${shot}' -crop ${907 * scale}x${600 * scale}+${form.x * scale}+${form.y * scale} +repage -resize 907x600! '${shot}'`);
    const rmse = compare && Number(/\((.*)\)/.exec(run(`compare -metric RMSE '${shot}' '${desktopShot}' null:`))?.[1]);
    if (compare && (console.log(`${name}: rmse ${rmse} against ${desktopShot}`), !(rmse <= 0.08)))
        fail(`${name}: the form is not the desktop's`);
    return shot;
}

// What a pupil reads in a row: two numbers, and an operator known by its shape.
function problem(shot, n) {
    const x = n <= 10 ? 0 : 420, y = 23 + rowY[(n - 1) % 10];
    const ink = Buffer.from(execFileSync('convert', [`${shot}[18x28+${x + 186}+${y}]`, '-threshold', '50%', '-depth', '8', 'gray:-']))
        .reduce((dots, v, i) => (v ? dots : [...dots, [i % 18, Math.floor(i / 18)]]), []);
    const rows = new Set(ink.map(([, r]) => r)), top = Math.min(...rows), height = Math.max(...rows) - top + 1;
    const middle = Math.round(ink.reduce((sum, [c]) => sum + c, 0) / ink.length);
    const symbol = height < 4 ? '-' : rows.size < height ? '÷'
        : [...rows].every(r => ink.some(([c, row]) => row === r && Math.abs(c - middle) <= 1)) ? '+' : '×';
    const [a, b] = [x + 86, x + 232].map(left => Number(read(shot, `88x26+${left}+${y + 2}`)));
    return { a, b, symbol, answer: { '+': a + b, '-': a - b, '×': a * b, '÷': a / b }[symbol] };
}

const checks = {
    // Whole and centred with no scroll bars on a 10" tablet, a laptop and at twice the pixels; upright, it scrolls.
    async firstPaint() {
        for (const [width, height, scale] of [[1024, 768, 1], [1280, 800, 1], [1024, 768, 2], [768, 1024, 1]]) {
            const form = await open(width, height, scale), upright = height > width;
            console.log(`${width}x${height} at ${scale}x:`, form);
            if (upright ? !form.scrolls || !form.turn : form.scrolls || !form.centred || form.turn || form.pixels !== 907 * scale)
                fail(`${width}x${height} at ${scale}x: the form is not shown as it should be`);
            await shoot(`web-${width}x${height}@${scale}`, form, scale, true);
        }
        if (await page.title() !== '数学练习题' || (await page.goto(`${server.url}favicon.ico`)).status() !== 200)
            fail('the tab has not the program\'s title and icon');
    },
    // Dealt, answered along the Tab order (row 14 wrongly), graded from the 系统 menu by pointer.
    async set() {
        const form = await open(1024, 768);
        const at = (x, y) => page.mouse.click(form.x + x, form.y + y);
        const before = await shoot('web-before', form);
        await at(40, 50);                                   // 开始练习
        await pause(2200);
        const dealt = await shoot('web-dealt', form);
        if (!clockMoved(before, dealt))
            fail('the clock does not tick');
        await at(391, 105);                                 // row 1's answer box
        for (const n of [1, 2, 4, 5, 6, 7, 8, 9, 10, 3, 17, 11, 12, 16, 18, 15, 20, 13, 19, 14]) {
            const { a, b, symbol, answer } = problem(dealt, n);
            console.log(`row ${n}: ${a} ${symbol} ${b} = ${answer}`);
            await page.keyboard.type(String(n === 14 ? answer + 1 : answer));
            await page.keyboard.press('Tab');
        }
        await at(20, 10);                                   // 系统
        await pause(300);
        await at(60, 55);                                   // its 提交答案
        await pause(500);
        const graded = await shoot('web-graded', form);
        for (let n = 1; n <= 20; ++n) {
            if (colour(graded, verdictBand(n), n === 14 ? '#FF0000' : '#00FF00') < 400)
                fail(`row ${n} is not marked ${n === 14 ? 'wrong' : 'right'}`);
        }
        if (read(graded, '56x28+127+40') !== '95')
            fail(`the score reads '${read(graded, '56x28+127+40')}', not 95`);
        await pause(1500);
        if (clockMoved(graded, await shoot('web-later', form)))
            fail('the clock still runs after grading');
    },
    // A tap on an answer box focuses a numeric text input, and what the on-screen
    // keyboard types (Android's sends text, ChromeOS's keys) is graded.
    async touch() {
        const tablets = { android: ['Linux; Android 14; Tablet', 'Linux armv8l'], chromeos: ['X11; CrOS x86_64 16093.0.0', 'Linux x86_64'] };
        for (const [name, [system, platform]] of Object.entries(tablets)) {
            await page.setUserAgent(`Mozilla/5.0 (${system}) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/156.0 Safari/537.36`);
            const script = await page.evaluateOnNewDocument(p => Object.defineProperty(navigator, 'platform', { get: () => p }), platform);
            const form = await open(1280, 800, 1, { isMobile: true, hasTouch: true });
            await page.removeScriptToEvaluateOnNewDocument(script.identifier);
            await page.touchscreen.tap(form.x + 391, form.y + 105);
            await pause(500);
            const input = await page.evaluate(() => `${document.activeElement.tagName} ${document.activeElement.inputMode}`);
            if (input !== 'INPUT numeric')
                fail(`${name}: a tap focused ${input}, not a numeric text input`);
            await (name === 'android' ? page.keyboard.sendCharacter('0') : page.keyboard.press('0'));
            await page.touchscreen.tap(form.x + 40, form.y + 115); // 提交答案
            await pause(500);
            // Before any deal every row reads 0 + 0: 0 is right.
            if (colour(await shoot(`web-touch-${name}`, form), verdictBand(1), '#00FF00') < 400)
                fail(`${name}: the digit typed on the keyboard was not graded right`);
        }
    },
    // After one visit the page starts with no server; a new build replaces the old cache.
    async offline() {
        const form = await open(1024, 768);
        await page.evaluate(() => navigator.serviceWorker.ready);
        const port = new URL(server.url).port;
        server.closeAllConnections();
        await new Promise(resolve => server.close(resolve));
        await page.setOfflineMode(true);
        await page.reload();
        await formShown(page, 10000);
        await shoot('web-offline', form, 1, true);
        await page.setOfflineMode(false);
        server = await serve(folder, port, (path, body) => path === '/sw.js' ? String(body).replace(/sumgrove-[^']*/, 'sumgrove-next') : body);
        await page.goto(server.url);
        await page.waitForFunction(async () => (await caches.keys()).join() === 'sumgrove-next', { timeout: 10000 })
            .catch(async () => fail(`caches after a new build: ${await page.evaluate(() => caches.keys())}`));
    },
    // While the program downloads, how much of it has arrived; without WebGL, why nothing can.
    async loading() {
        const cdp = await page.createCDPSession();
        await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 20, downloadThroughput: 2e6, uploadThroughput: 1e6 });
        await page.goto(server.url);
        await page.waitForFunction(() => /正在下载练习题……[1-9]\d?%$/.test(document.getElementById('message').textContent), { timeout: 20000 });
        await page.screenshot({ path: `${out}/web-loading.png` });
        await formShown(page, 60000);
    },
    async noWebGl() {
        await page.goto(server.url);
        await page.screenshot({ path: `${out}/web-no-webgl.png` });
        if (!(await page.$eval('#message', message => message.textContent.includes('WebGL'))))
            fail('no word that WebGL is missing');
    },
};

await checks[check]();
await browser.close();
server.close();
console.log('1 passed, 0 failed');
