// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web build's page in a real browser, as a pupil meets it:
//   node e2e_web.mjs PAGE-FOLDER OUTDIR DESKTOP-SHOT CHECK [ENGINE]
// CHECK names one of the checks below; ENGINE is chromium (the default),
// firefox or webkit (both in the X server of xvfb-run). Screenshots stay in
// OUTDIR; the form is compared with the desktop program's first shot as the
// scaled tests do. A check the engine cannot do reports itself skipped.
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdirSync, readFileSync } from 'node:fs';
import { brotliCompressSync, gzipSync } from 'node:zlib';
import { formShown, launch, serve } from '../tools/webpage.mjs';

const [folder, out, desktopShot, check, engine = 'chromium'] = process.argv.slice(2);
mkdirSync(out, { recursive: true });
const fail = message => { console.log(`FAIL: ${message}`); process.exit(1); };
const skip = why => { console.log(`SKIP: ${why}`); process.exit(77); };
const chromium = engine === 'chromium';
const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const until = async (check, what, ms = 5000) => { for (const end = Date.now() + ms; !await check(); await pause(100)) if (Date.now() > end) fail(what); };
const run = command => execFileSync('sh', ['-c', command], { encoding: 'utf8', stdio: 'pipe' }).trim();
// ImageMagick by the name it has had since version 7, where there is one; what is measured, by pixels.sh.
const magick = spawnSync('magick', ['-version']).status === 0 ? 'magick' : 'convert';
const pixels = (...args) => Number(execFileSync(new URL('pixels.sh', import.meta.url).pathname, args, { encoding: 'utf8' }));
const read = (shot, geometry) => run(`${magick} '${shot}[${geometry}]' -colorspace gray -resize 400% -threshold 60% -bordercolor white -border 20 png:- |
                                      tesseract - - --psm 7 -c tessedit_char_whitelist=0123456789`);
// Where things are in the form, as the desktop's tests know them (window.facts): the page draws the same form.
const facts = Object.fromEntries(readFileSync(new URL('window.facts', import.meta.url), 'utf8').split('\n')
    .filter(line => /^[a-z]/.test(line)).map(line => [line.split(' ')[0], line.slice(line.indexOf(' ') + 1)]));
const [rowY, markX, answerX] = ['rows', 'marks', 'answers'].map(name => facts[name].split(' ').map(Number));
const [start, submit] = ['start', 'submit'].map(name => facts[name].split(',').map(Number));
// The rows in the order Tab walks them from row 1, where the focus starts, as on the desktop.
const tabOrder = [1, 2, 4, 5, 6, 7, 8, 9, 10, 3, 17, 11, 12, 16, 18, 15, 20, 13, 19, 14];
const column = n => (n <= 10 ? 0 : 1), rowTop = n => rowY[(n - 1) % 10];
const verdictBand = n => `30x30+${markX[column(n)]}+${rowTop(n)}`;
const answerAt = n => [answerX[column(n)], rowTop(n) + 11];
const colour = (shot, geometry, hex) => pixels('count', shot, geometry, hex);
const clockMoved = (a, b) => pixels('changed', `${a}[${facts.clock}]`, `${b}[${facts.clock}]`) > 0;

let server = await serve(folder);
const browser = await launch(engine, { webgl: check !== 'noWebGl', args: check === 'screenReader' ? ['--force-renderer-accessibility'] : [] });
const page = await browser.newPage();

async function open(width, height, scale = 1, device = {}) {
    await page.setViewport({ width, height, deviceScaleFactor: scale, ...device });
    await page.goto(server.url);
    await formShown(page);
    return page.$eval('#form', form => {
        const box = form.getBoundingClientRect(), page = document.documentElement;
        const canvasIn = node => node.querySelector('canvas') // the program draws into, maybe in a shadow tree
            ?? [...node.querySelectorAll('*')].map(element => element.shadowRoot && canvasIn(element.shadowRoot)).find(Boolean);
        const canvas = canvasIn(form);
        return { x: Math.round(box.x), y: Math.round(box.y), width: box.width, pixels: canvas?.width, drawn: canvas?.getBoundingClientRect().width,
                 turn: document.getElementById('turn').offsetHeight > 0,
                 centred: Math.abs(box.left + box.right - innerWidth) < 2 && Math.abs(box.top + box.bottom - innerHeight) < 2,
                 pans: page.scrollWidth > innerWidth, scrolls: page.scrollWidth > innerWidth || page.scrollHeight > innerHeight };
    });
}
// The form's picture (at its size on the page, SCALE device pixels a CSS pixel), shrunk back to
// 907 x 600, and as like the desktop's first shot (or the one COMPARE names) as the scaled tests ask.
async function shoot(name, form, scale = 1, compare = false) {
    const shot = `${out}/${chromium ? '' : `${engine}-`}${name}.png`, [width, height] = [907, 600].map(n => Math.round(n * (form.width ?? 907) / 907 * scale));
    await page.screenshot({ path: shot, fullPage: true });
    run(`${magick} '${shot}' -crop ${width}x${height}+${form.x * scale}+${form.y * scale} +repage -resize 907x600! -alpha off '${shot}'`);
    const like = compare === true ? desktopShot : compare, rmse = compare && pixels('rmse', shot, like);
    if (compare && (console.log(`${name}: rmse ${rmse} against ${like}`), !(rmse <= 0.08)))
        fail(`${name}: the form is not as ${like} shows it`);
    return shot;
}

// What a pupil reads in a row: two numbers, and an operator known by its shape.
function problem(shot, n) {
    const x = n <= 10 ? 0 : 420, y = rowTop(n) - 1;
    const ink = Buffer.from(execFileSync(magick, [`${shot}[18x28+${x + 186}+${y}]`, '-threshold', '50%', '-depth', '8', 'gray:-']))
        .reduce((dots, v, i) => (v ? dots : [...dots, [i % 18, Math.floor(i / 18)]]), []);
    const rows = new Set(ink.map(([, r]) => r)), top = Math.min(...rows), height = Math.max(...rows) - top + 1;
    const middle = Math.round(ink.reduce((sum, [c]) => sum + c, 0) / ink.length);
    const symbol = height < 4 ? '-' : rows.size < height ? '÷'
        : [...rows].every(r => ink.some(([c, row]) => row === r && Math.abs(c - middle) <= 1)) ? '+' : '×';
    const [a, b] = [x + 86, x + 232].map(left => Number(read(shot, `88x26+${left}+${y + 2}`)));
    return { a, b, symbol, answer: { '+': a + b, '-': a - b, '×': a * b, '÷': a / b }[symbol] };
}

const checks = {
    // Whole and centred with no scroll bars on a 10" tablet, a laptop and at twice the pixels; upright, it
    // scrolls. (Other engines than Chromium: the tablet alone, which WebDriver's windows can be made.)
    async firstPaint() {
        for (const [width, height, scale] of [[1024, 768, 1], ...chromium ? [[1280, 800, 1], [1024, 768, 2], [768, 1024, 1]] : []]) {
            const form = await open(width, height, scale), upright = height > width;
            console.log(`${width}x${height} at ${scale}x:`, form);
            if (upright ? !form.scrolls || !form.turn : form.scrolls || !form.centred || form.turn || form.pixels !== 907 * scale)
                fail(`${width}x${height} at ${scale}x: the form is not shown as it should be`);
            await shoot(`web-${width}x${height}@${scale}`, form, scale, true);
        }
        if (await page.title() !== '数学练习题' || await page.evaluate(async () => (await fetch('favicon.ico')).status) !== 200)
            fail('the tab has not the program\'s title and icon');
    },
    // Dealt, answered from where the focus starts (row 1) along the Tab order (row 14 wrongly), graded
    // from the 系统 menu by pointer; then row 14 corrected and the same set graded again.
    async set(name = 'web') {
        const form = await open(1024, 768);
        const at = (x, y) => page.mouse.click(form.x + x, form.y + y);
        const before = await shoot(`${name}-before`, form, 1, true);
        await at(...start);                                 // 开始练习
        await pause(2200);
        const dealt = await shoot(`${name}-dealt`, form);
        if (!clockMoved(before, dealt))
            fail('the clock does not tick');
        for (const n of tabOrder) {
            const { a, b, symbol, answer } = problem(dealt, n);
            console.log(`row ${n}: ${a} ${symbol} ${b} = ${answer}`);
            await page.keyboard.type(String(n === 14 ? answer + 1 : answer));
            await page.keyboard.press('Tab');
        }
        const submit = async () => {
            await at(20, 10);                               // 系统
            await pause(300);
            await at(60, 55);                               // its 提交答案
            await pause(500);
        };
        await submit();
        const graded = await shoot(`${name}-graded`, form);
        for (let n = 1; n <= 20; ++n) {
            if (colour(graded, verdictBand(n), n === 14 ? '#FF0000' : '#00FF00') < 400)
                fail(`row ${n} is not marked ${n === 14 ? 'wrong' : 'right'}`);
        }
        if (read(graded, facts.score) !== '95')
            fail(`the score reads '${read(graded, facts.score)}', not 95`);
        await pause(1500);
        if (clockMoved(graded, await shoot(`${name}-later`, form)))
            fail('the clock still runs after grading');
        await at(...answerAt(14));                          // row 14's answer box, emptied from its end
        for (const key of ['End', 'Backspace', 'Backspace', 'Backspace'])
            await page.keyboard.press(key);
        await page.keyboard.type(String(problem(dealt, 14).answer));
        await submit();
        const regraded = await shoot(`${name}-regraded`, form);
        if (colour(regraded, verdictBand(14), '#00FF00') < 400 || read(regraded, facts.score) !== '100')
            fail(`corrected, row 14 is not marked right, or the score reads '${read(regraded, facts.score)}', not 100`);
    },
    // On every tablet and touch laptop, as the browser says it is one: a tap on an answer box focuses a
    // numeric text input, and whatever a keyboard then enters lands once, by the box's rule: a digit as
    // text (most on-screen keyboards) or full-width (pinyin), a key, and a pinyin composition, which
    // puts nothing in the box until it commits. The box's text is read where the page mirrors it.
    async touch() {
        const devices = { android: ['Linux; Android 14; Tablet', 'Linux armv8l'], ipad: ['iPad; CPU OS 17_5 like Mac OS X', 'iPad'],
                          'ipad-as-mac': ['Macintosh; Intel Mac OS X 10_15_7', 'MacIntel'], windows: ['Windows NT 10.0; Win64; x64', 'Win32'],
                          chromeos: ['X11; CrOS x86_64 16093.0.0', 'Linux x86_64'], linux: ['X11; Linux x86_64', 'Linux x86_64'] };
        const cdp = await page.createCDPSession();
        const commit = text => cdp.send('Input.insertText', { text });
        const row1 = '#access input[aria-label="第1题"]'; // where the page mirrors the box
        const held = () => page.$eval(row1, field => field.value);
        const ways = { text: () => commit('0'), 'full-width': () => commit('０'), key: () => page.keyboard.press('0'),
                       composed: async () => {
                           await cdp.send('Input.imeSetComposition', { text: 'ling', selectionStart: 4, selectionEnd: 4 });
                           await pause(300);
                           const composing = await held();
                           if (composing !== '')
                               fail(`a composition in progress put '${composing}' in the box`);
                           await commit('０');
                       } };
        for (const [name, [system, platform]] of Object.entries(devices)) {
            await page.setUserAgent(`Mozilla/5.0 (${system}) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/156.0 Safari/537.36`);
            const script = await page.evaluateOnNewDocument(p => Object.defineProperty(navigator, 'platform', { get: () => p }), platform);
            const form = await open(1280, 800, 1, { isMobile: true, hasTouch: true });
            await page.removeScriptToEvaluateOnNewDocument(script.identifier);
            await page.touchscreen.tap(form.x + answerAt(1)[0], form.y + answerAt(1)[1]);
            await pause(500);
            const input = await page.evaluate(() => `${document.activeElement.tagName} ${document.activeElement.inputMode}`);
            if (input !== 'INPUT numeric')
                fail(`${name}: a tap focused ${input}, not a numeric text input`);
            const landed = [];
            for (const [way, enter] of Object.entries(ways)) {
                await enter();
                await page.waitForFunction(field => document.querySelector(field).value, { timeout: 2000 }, row1).catch(() => {});
                await pause(300); // time for a second digit, were one to come
                landed.push(`${way} ${JSON.stringify(await held())}`);
                for (let n = 0; n < 3; ++n)
                    await page.keyboard.press('Backspace');
            }
            console.log(`${name}: ${landed.join(', ')}`);
            if (landed.some(entry => !entry.endsWith(' "0"')))
                fail(`${name}: not every way entered "0"`);
            await commit('０');
            await page.touchscreen.tap(form.x + submit[0], form.y + submit[1]); // 提交答案
            await pause(500);
            // Before any deal every row reads 0 + 0: 0 is right.
            if (colour(await shoot(`web-touch-${name}`, form), verdictBand(1), '#00FF00') < 400)
                fail(`${name}: the digit typed on the keyboard was not graded right`);
        }
    },
    // A set played through the accessibility tree alone, as a screen reader plays it: the buttons and
    // fields found by their roles and names, focused through the tree, pressed and typed into with the
    // keyboard, and every problem, verdict, the score, its live region and the clock read from the tree.
    async screenReader() {
        await open(1024, 768);
        const cdp = await page.createCDPSession();
        const tree = async () => (await cdp.send('Accessibility.getFullAXTree')).nodes.filter(node => !node.ignored);
        const value = (node, key) => node[key]?.value ?? node.properties?.find(p => p.name === key)?.value.value ?? '';
        const text = (nodes, node) => nodes.filter(n => node.childIds.includes(n.nodeId)).map(n => value(n, 'name')).join('');
        const find = (nodes, role, name = /(?:)/) => nodes.filter(node => value(node, 'role') === role && name.test(value(node, 'name')));
        const focus = node => cdp.send('DOM.focus', { backendNodeId: node.backendDOMNodeId });
        const fields = async () => find(await tree(), 'textbox', /^第\d+题$/);
        const press = async name => { await focus(find(await tree(), 'button', name)[0]); await page.keyboard.press('Enter'); };

        await press(/^开始练习$/);
        await until(async () => (await fields()).every(field => / =$/.test(value(field, 'description'))), 'no problem heard after 开始练习');
        const answers = {}, order = [];
        await focus((await fields())[0]);
        for (let n = 0; n < 20; ++n) { // whatever the focus is on, as Tab walks the form
            const field = (await fields()).find(node => value(node, 'focused'));
            const [, a, symbol, b] = /^(\d+) (.) (\d+) =$/.exec(value(field, 'description'));
            const row = Number(/\d+/.exec(value(field, 'name'))), problem = value(field, 'description');
            answers[row] = { problem, right: { '+': +a + +b, '-': a - b, '×': a * b, '÷': a / b }[symbol] };
            order.push(row);
            await page.keyboard.type(String(answers[row].right + (row === 14 ? 1 : 0)));
            await page.keyboard.press('Tab');
        }
        console.log(`Tab walks rows ${order.join(', ')}`);
        if (order.join() !== tabOrder.join())
            fail('Tab does not walk the twenty fields as on the desktop, from row 1');
        await press(/^提交答案$/);
        await until(async () => (await fields()).every(field => /，..$/.test(value(field, 'description'))), 'no verdict heard after 提交答案');
        const nodes = await tree();
        const [score] = find(nodes, 'status'), [clock] = find(nodes, 'timer', /^计时$/);
        console.log(`score: "${text(nodes, score)}", live ${value(score, 'live')}; clock: "${text(nodes, clock)}"; focus on ${
            nodes.filter(node => value(node, 'focused')).map(node => value(node, 'name'))}`);
        if (text(nodes, score) !== '得分 95' || value(score, 'live') !== 'polite' || !/^00:00:0\d$/.test(text(nodes, clock)))
            fail('the score or the clock is not heard as it should be');
        for (const field of await fields()) {
            const row = Number(/\d+/.exec(value(field, 'name')));
            const heard = `${answers[row].problem} ，${row === 14 ? '错误' : '正确'}`;
            if (value(field, 'description') !== heard || value(field, 'value') !== String(answers[row].right + (row === 14 ? 1 : 0)))
                fail(`row ${row} is heard as "${value(field, 'description')}", holding "${value(field, 'value')}", not "${heard}"`);
        }
    },
    // Phones held sideways, a small one and a large one: the form's whole width at the scale that
    // fits, never below 0.72, no sideways panning, as legible as the desktop's, and a set played by
    // taps; held upright, the prompt to turn it lies on the screen, and turned back it fits again.
    async phone() {
        await page.setUserAgent('Mozilla/5.0 (iPhone; CPU iPhone OS 17_5 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like Gecko) Mobile/15E148');
        for (const [name, width, height, dpr] of [['iphone-se', 667, 375, 2], ['iphone-14', 844, 390, 3]]) {
            const phone = { isMobile: true, hasTouch: true, isLandscape: true };
            const form = await open(width, height, dpr, phone), scale = form.width / 907;
            console.log(`${name}, ${width}x${height} at ${dpr}x: scale ${scale.toFixed(3)}`, form);
            if (form.pans || scale < 0.72 || form.width > width || form.width < Math.min(width, 907) - 2 || Math.abs(form.drawn - form.width) > 1)
                fail(`${name}: the form does not fit the phone's width`);
            await shoot(`web-${name}`, form, dpr, true);
            const cdp = await page.createCDPSession();
            const tap = async (x, y) => { // where it shows, scrolled to first as a pupil scrolls to the lower rows
                const [left, top] = await page.evaluate(at => (scrollTo(0, at - innerHeight / 2),
                    [visualViewport.pageLeft, visualViewport.pageTop]), form.y + y * scale);
                await page.touchscreen.tap(form.x + x * scale - left, form.y + y * scale - top);
                await pause(300);
            };
            await tap(...start);                                    // 开始练习
            const problems = await page.waitForFunction(() => [...document.querySelectorAll('#access input')]
                .map(field => [field.getAttribute('aria-label'), field.description.textContent]).filter(([, problem]) => problem), { timeout: 5000 });
            for (const [label, problem] of await problems.jsonValue()) { // each row's box, tapped, then typed into
                const n = Number(/\d+/.exec(label)), [, a, symbol, b] = /^(\d+) (.) (\d+) =$/.exec(problem);
                await tap(...answerAt(n));
                await cdp.send('Input.insertText', { text: String({ '+': +a + +b, '-': a - b, '×': a * b, '÷': a / b }[symbol]) });
            }
            await tap(...submit);                                   // 提交答案
            await pause(500);
            const graded = await shoot(`web-${name}-graded`, form, dpr);
            const wrong = Array.from({ length: 20 }, (_, n) => n + 1).filter(n => colour(graded, verdictBand(n), '#00FF00') < 400);
            if (wrong.length || await page.$eval('#access [role=status]', score => score.textContent) !== '得分 100')
                fail(`${name}: played by taps, rows ${wrong} are not marked right`);
            await page.setViewport({ width: height, height: width, deviceScaleFactor: dpr, ...phone, isLandscape: false });
            await pause(500);
            const prompt = await page.$eval('#turn', turn => { const range = document.createRange(); range.selectNodeContents(turn);
                                                             const { left, right } = range.getBoundingClientRect();
                                                             return { left, right, screen: [visualViewport.offsetLeft, visualViewport.width] }; });
            console.log(`${name} upright: the prompt lies at`, prompt);
            await page.screenshot({ path: `${out}/web-${name}-upright.png` });
            if (!(prompt.left >= prompt.screen[0] && prompt.right <= prompt.screen[0] + prompt.screen[1] && prompt.right > prompt.left))
                fail(`${name}: held upright, the prompt to turn it is not on the screen`);
            await page.setViewport({ width, height, deviceScaleFactor: dpr, ...phone });
            await pause(1000);
            const turned = await page.$eval('#form', element => element.getBoundingClientRect().width);
            if (Math.abs(turned - form.width) > 1 || await page.evaluate(() => document.documentElement.scrollWidth > innerWidth))
                fail(`${name}: turned back, the form is ${turned} wide, not ${form.width}`);
            await shoot(`web-${name}-turned`, form, dpr, graded);
        }
    },
    // Where the program cannot run, the page says so and names browsers that can: an engine that cannot
    // parse the program's scripts, and one without WebAssembly.
    async unsupported() {
        const encoded = (path, text) => path.endsWith('.br') ? brotliCompressSync(text) : path.endsWith('.gz') ? gzipSync(text) : text;
        const old = await serve(folder, 0, (path, body) => /^\/(sumgrove|qtloader)\.js/.test(path) ? encoded(path, 'let = ;') : body);
        const said = async url => {
            await page.goto(url);
            await pause(3000); // for the download's message, were it to come
            return page.$eval('#message', message => message.offsetHeight && message.textContent);
        };
        const withoutWasm = await page.evaluateOnNewDocument(() => delete window.WebAssembly);
        const messages = [await said(server.url)];
        await page.removeScriptToEvaluateOnNewDocument(withoutWasm.identifier);
        messages.push(await said(old.url));
        old.close();
        console.log(messages);
        if (!messages.every(text => /^这个浏览器太旧，运行不了练习题。请换用新版的 Chrome、Edge、Firefox 或 Safari/.test(text)))
            fail('where the program cannot run, the page does not say so');
    },
    // After one visit the page starts with no server; a new build replaces the old cache.
    async offline() {
        const form = await open(1024, 768);
        if (!await page.evaluate(() => 'serviceWorker' in navigator))
            skip(`${engine} has no service workers here`);
        await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
        const port = new URL(server.url).port;
        server.closeAllConnections();
        await new Promise(resolve => server.close(resolve));
        await page.setOfflineMode?.(true); // where the engine can, the browser is offline as well
        await page.reload();
        await formShown(page, 10000);
        await shoot('web-offline', form, 1, true);
        await page.setOfflineMode?.(false);
        server = await serve(folder, port, (path, body) => path === '/sw.js' ? String(body).replace(/sumgrove-[^']*/, 'sumgrove-next') : body);
        await page.goto(server.url);
        await page.waitForFunction(async () => (await caches.keys()).join() === 'sumgrove-next', { timeout: 10000 })
            .catch(async () => fail(`caches after a new build: ${await page.evaluate(() => caches.keys())}`));
    },
    // While the program downloads, how much of it has arrived; a download cut short, that it could not start.
    async loading() {
        const cdp = await page.createCDPSession();
        await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 20, downloadThroughput: 2e6, uploadThroughput: 1e6 });
        await page.goto(server.url);
        await page.waitForFunction(() => /正在下载练习题……[1-9]\d?%$/.test(document.getElementById('message').textContent), { timeout: 20000 });
        await page.screenshot({ path: `${out}/web-loading.png` });
        await formShown(page, 60000);
        await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
        const cut = await serve(folder, 0, (path, body) => path.startsWith('/sumgrove.wasm') ? body.subarray(0, body.length >> 1) : body);
        await page.goto(cut.url);
        await pause(3000); // for a second message, were one to come
        const said = await page.$eval('#message', message => message.textContent);
        console.log(`cut short: ${said}`);
        if (!/^练习题没能打开（.+）。请检查网络，再刷新这个页面。$/.test(said))
            fail('a download cut short is not said to be');
        cut.close();
    },
    // A browser whose WebGL is switched off (no hardware acceleration, a distrusted graphics driver) plays
    // the same set.
    async noWebGl() {
        await page.goto(server.url);
        if (await page.evaluate(() => Boolean(document.createElement('canvas').getContext('webgl'))))
            fail('WebGL is not switched off');
        await checks.set('web-no-webgl');
    },
};

try {
    await checks[check]();
} catch (error) {
    // WebKitGTK 2.54's web process now and then dies of a trap of its own (4 times in about 170
    // runs here, twice failing a check): a check it cut short is played once more, in a new browser.
    if (process.env.E2E_WEB_AGAIN || !await page.crashed?.())
        throw error;
    console.log(`${engine}'s web process died (${error.message}): ${check} once more`);
    await browser.close();
    server.close();
    process.exit(spawnSync(process.execPath, process.argv.slice(1), { stdio: 'inherit', env: { ...process.env, E2E_WEB_AGAIN: '1' } }).status ?? 1);
}
await browser.close();
server.close();
console.log('1 passed, 0 failed');
