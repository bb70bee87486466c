// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web build's page in a real Chromium, as a pupil meets it:
//   node e2e_web.mjs PAGE-FOLDER OUTDIR DESKTOP-SHOT CHECK
// CHECK is one of the functions below. Screenshots stay in OUTDIR; the form is
// compared with the desktop program's 100 % shot as the scaled tests compare.
import { execFileSync } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { formShown, launch, serve } from '../tools/webpage.mjs';

const [folder, out, desktopShot, check] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const fail = message => { console.log(`FAIL: ${message}`); process.exit(1); };
const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const magick = (tool, ...args) => execFileSync(tool, args, { encoding: 'utf8', stdio: 'pipe' }).trim();
const rowY = [70, 110, 160, 210, 260, 310, 360, 410, 460, 510]; // row tops in the form, as in practice_set.sh

let server = await serve(folder);
const browser = await launch(...(check === 'noWebGl' ? ['--disable-3d-apis'] : []));
const page = await browser.newPage();

async function open(width, height, scale = 1, device = {}) {
    await page.setViewport({ width, height, deviceScaleFactor: scale, ...device });
    await page.goto(server.url);
    await formShown(page);
    return page.evaluate(() => {
        const box = document.getElementById('form').getBoundingClientRect();
        return { x: Math.round(box.x), y: Math.round(box.y), right: innerWidth - box.right, bottom: innerHeight - box.bottom,
                 scrolls: document.documentElement.scrollWidth > innerWidth || document.documentElement.scrollHeight > innerHeight,
                 pixels: [document.getElementById('form').width, document.getElementById('form').height] };
    });
}

// The form's picture, device pixels shrunk back to 907 x 600, against the desktop's.
async function shoot(name, form, scale = 1) {
    await page.screenshot({ path: `${out}/${name}.png`, fullPage: true });
    const crop = `${907 * scale}x${600 * scale}+${form.x * scale}+${form.y * scale}`;
    magick('convert', `${out}/${name}.png`, '-crop', crop, '+repage', '-resize', '907x600!', `${out}/${name}-form.png`);
    return `${out}/${name}-form.png`;
}
function likeDesktop(shot) {
    let rmse = '';
    try { magick('compare', '-metric', 'RMSE', shot, desktopShot, 'null:'); } catch (e) { rmse = e.stderr; }
    const value = Number(/\((.*)\)/.exec(rmse)?.[1]);
    console.log(`${shot} against ${desktopShot}: rmse ${value}`);
    if (!(value <= 0.08))
        fail(`the page's form is not the desktop's (rmse ${rmse})`);
}
const changed = (a, b, geometry) => {
    try { return Number(magick('compare', '-metric', 'AE', `${a}[${geometry}]`, `${b}[${geometry}]`, 'null:')); }
    catch (e) { return Number(e.stderr); }
};
const colour = (shot, geometry, hex) =>
    Number(magick('convert', `${shot}[${geometry}]`, '-fill', 'black', '+opaque', hex, '-fill', 'white', '-opaque', hex,
                  '-format', '%[fx:mean*w*h]', 'info:'));
const verdictBand = n => `30x30+${n <= 10 ? 445 : 865}+${24 + rowY[(n - 1) % 10]}`;

// What a pupil reads in a row: the two numbers (tesseract) and the operator's shape.
function problem(shot, n) {
    const x = n <= 10 ? 0 : 420, y = 23 + rowY[(n - 1) % 10];
    const number = left => Number(magick('sh', '-c', `convert '${shot}[88x26+${left}+${y + 2}]' -colorspace gray -resize 400% ` +
        `-threshold 60% -bordercolor white -border 20 png:- | tesseract - - --psm 7 -c tessedit_char_whitelist=0123456789`));
    const raw = Buffer.from(execFileSync('convert', [`${shot}[18x28+${x + 186}+${y}]`, '-colorspace', 'gray', '-threshold', '50%', '-depth', '8', 'gray:-']));
    const rows = [...Array(28).keys()].filter(r => raw.subarray(r * 18, r * 18 + 18).includes(0));
    const top = rows[0], bottom = rows.at(-1);
    const middle = Math.round([...raw.keys()].filter(i => raw[i] === 0).reduce((s, i) => s + i % 18, 0)
                              / raw.filter(v => v === 0).length);
    const symbol = bottom - top < 4 ? '-' : rows.length < bottom - top + 1 ? '÷'
        : rows.every(r => raw[r * 18 + middle] === 0 || raw[r * 18 + middle + 1] === 0) ? '+' : '×';
    const [a, b] = [number(x + 86), number(x + 232)];
    return { a, b, symbol, answer: { '+': a + b, '-': a - b, '×': a * b, '÷': a / b }[symbol] };
}

const checks = {
    // Whole and centred, with no scroll bars, on a 10" tablet and a laptop; sharp at twice the pixels.
    async firstPaint() {
        for (const [width, height, scale] of [[1024, 768, 1], [1280, 800, 1], [1024, 768, 2]]) {
            const form = await open(width, height, scale);
            console.log(`${width}x${height} at ${scale}x: form at ${form.x},${form.y}, ${form.pixels.join('x')} pixels`);
            if (form.scrolls || Math.abs(form.x - form.right) > 1 || Math.abs(form.y - form.bottom) > 1)
                fail('the form is not whole and centred');
            if (form.pixels[0] !== 907 * scale)
                fail(`the form is drawn at ${form.pixels[0]} pixels, not ${907 * scale}`);
            likeDesktop(await shoot(`web-${width}x${height}@${scale}`, form, scale));
        }
        if (await page.title() !== '数学练习题' || (await page.goto(`${server.url}favicon.ico`)).status() !== 200)
            fail('the tab has not the program\'s title and icon');
    },
    // A set played by pointer and keyboard: dealt, answered along the Tab order (one wrongly), graded by the 系统 menu.
    async set() {
        const form = await open(1024, 768);
        const at = (x, y) => page.mouse.click(form.x + x, form.y + y);
        const before = await shoot('web-before', form);
        await at(40, 50);                                   // 开始练习
        await pause(2200);
        const dealt = await shoot('web-dealt', form);
        if (changed(before, dealt, '120x40+780+45') === 0)
            fail('the clock does not tick');
        const tabOrder = [1, 2, 4, 5, 6, 7, 8, 9, 10, 3, 17, 11, 12, 16, 18, 15, 20, 13, 19, 14];
        await at(391, 105);                                 // row 1's answer box
        for (const n of tabOrder) {
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
        const score = magick('sh', '-c', `convert '${graded}[56x28+127+40]' -resize 400% png:- | tesseract - - --psm 7 -c tessedit_char_whitelist=0123456789`);
        if (score !== '95')
            fail(`the score reads '${score}', not 95`);
        await pause(1500);
        if (changed(graded, await shoot('web-later', form), '120x40+780+45') !== 0)
            fail('the clock still runs after grading');
    },
    // Tablets: a tap on an answer box brings up the numeric keyboard, whose digits reach the box.
    async touch() {
        const tablets = { android: ['Linux; Android 14; Tablet', 'Linux armv8l'], chromeos: ['X11; CrOS x86_64 16093.0.0', 'Linux x86_64'] };
        for (const [name, [system, platform]] of Object.entries(tablets)) {
            await page.setUserAgent(`Mozilla/5.0 (${system}) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/156.0 Safari/537.36`);
            const script = await page.evaluateOnNewDocument(p => Object.defineProperty(navigator, 'platform', { get: () => p }), platform);
            const form = await open(1280, 800, 1, { isMobile: true, hasTouch: true });
            await page.removeScriptToEvaluateOnNewDocument(script.identifier);
            await page.touchscreen.tap(form.x + 391, form.y + 105);
            await pause(500);
            const input = await page.evaluate(() => [document.activeElement.tagName, document.activeElement.inputMode]);
            if (input.join() !== 'INPUT,numeric')
                fail(`${name}: a tap focused ${input}, not a numeric text input`);
            // Android's keyboard sends text, ChromeOS's keys.
            await (name === 'android' ? page.keyboard.sendCharacter('0') : page.keyboard.press('0'));
            await page.touchscreen.tap(form.x + 40, form.y + 115); // 提交答案
            await pause(500);
            // Before any deal every row reads 0 + 0: 0 is right.
            if (colour(await shoot(`web-touch-${name}`, form), verdictBand(1), '#00FF00') < 400)
                fail(`${name}: the digit typed on the keyboard was not graded right`);
        }
    },
    // After one visit the page starts with no network; a new build replaces the old cache.
    async offline() {
        const form = await open(1024, 768);
        await page.evaluate(() => navigator.serviceWorker.ready);
        const port = new URL(server.url).port;
        server.closeAllConnections();
        await new Promise(resolve => server.close(resolve));
        await page.setOfflineMode(true);
        await page.reload();
        await formShown(page, 10000);
        likeDesktop(await shoot('web-offline', form));
        await page.setOfflineMode(false);
        server = await serve(folder, port, (path, body) => path === '/sw.js' ? String(body).replace(/sumgrove-[^']*/, 'sumgrove-next') : body);
        await page.goto(server.url);
        await page.waitForFunction(async () => (await caches.keys()).join() === 'sumgrove-next', { timeout: 10000 })
            .catch(async () => fail(`caches after a new build: ${await page.evaluate(() => caches.keys())}`));
    },
    // A phone, or a tablet upright: the form keeps its size, the page scrolls and asks to turn the tablet.
    async smallView() {
        const form = await open(768, 1024);
        if (!form.scrolls || !(await page.$eval('#turn', hint => hint.offsetHeight > 0)))
            fail('a narrow view neither scrolls nor asks to turn the tablet');
        likeDesktop(await shoot('web-upright', form));
    },
    // While the program downloads, how much of it has arrived.
    async loading() {
        const cdp = await page.createCDPSession();
        await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 20, downloadThroughput: 2e6, uploadThroughput: 1e6 });
        await page.setViewport({ width: 1024, height: 768 });
        await page.goto(server.url);
        await page.waitForFunction(() => /正在下载练习题……[1-9]\d?%$/.test(document.getElementById('message').textContent), { timeout: 20000 });
        await page.screenshot({ path: `${out}/web-loading.png` });
        await formShown(page, 60000);
    },
    async noWebGl() {
        await page.setViewport({ width: 1024, height: 768 });
        await page.goto(server.url);
        await page.screenshot({ path: `${out}/web-no-webgl.png` });
        if (!(await page.$eval('#message', message => message.textContent.includes('WebGL'))))
            fail('no word that WebGL is missing');
    },
};

await checks[check]();
await browser.close();
await server.close();
console.log('1 passed, 0 failed');
