// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web build's page as a static web server serves it, on 127.0.0.1, and
// Debian's browsers to open it: shared by tools/dev run, the browser tests and
// the page's benchmark.
//   node tools/webpage.mjs FOLDER [PORT]     serves FOLDER until stopped
import { execFileSync, spawn } from 'node:child_process';
import { existsSync, writeFileSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.ico': 'image/x-icon',
    '.txt': 'text/plain; charset=utf-8',
};

// Serves FOLDER, and a file's brotli'd or gzip'd copy beside it where the
// browser takes that encoding, as a server set up for them does; rewrite(path,
// body) may stand in another body for a file, as a new build of it would.
export async function serve(folder, port = 0, rewrite = (path, body) => body) {
    const server = createServer(async (request, response) => {
        let path = normalize(decodeURIComponent(new URL(request.url, 'http://host').pathname));
        if (path.endsWith('/'))
            path += 'index.html';
        const headers = { 'Content-Type': types[extname(path)] ?? 'application/octet-stream', Vary: 'Accept-Encoding' };
        const taken = request.headers['accept-encoding'] ?? '';
        for (const [encoding, suffix] of [['br', '.br'], ['gzip', '.gz']]) {
            if (taken.includes(encoding) && existsSync(join(folder, path + suffix))) {
                headers['Content-Encoding'] = encoding;
                path += suffix;
                break;
            }
        }
        try {
            const body = rewrite(path, await readFile(join(folder, path)));
            response.writeHead(200, headers);
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise(resolve => server.listen(port, '127.0.0.1', resolve));
    server.url = `http://127.0.0.1:${server.address().port}/`;
    return server;
}

// A browser of ENGINE: Chromium headless, as a machine with no network beyond
// loopback needs it, with WebGL drawn in software as on a machine whose
// graphics the browser distrusts; Firefox and WebKit in the X server of
// xvfb-run, where (unlike headless) they have WebGL. Each is Debian's own.
// Without webgl, Chromium and Firefox have it switched off, as where
// hardware acceleration is; args go to Chromium and Firefox.
export async function launch(engine = 'chromium', { webgl = true, args = [] } = {}) {
    if (engine === 'webkit')
        return launchWebKit();
    const { default: puppeteer } = await import('puppeteer-core');
    if (engine === 'firefox')
        return puppeteer.launch({ browser: 'firefox', executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
                                  headless: false, args, extraPrefsFirefox: webgl ? {} : { 'webgl.disabled': true } });
    return puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--no-first-run', '--disable-background-networking', '--disable-component-update',
               '--disable-sync', '--disable-quic', ...webgl ? ['--enable-unsafe-swiftshader'] : ['--disable-3d-apis'],
               ...args],
    });
}

// WebKitGTK's MiniBrowser through Debian's WebKitWebDriver and an npm WebDriver
// client, dressed as the part of puppeteer's browser and page the tests use.
// The MiniBrowser is the newest WebKitGTK API's there is (webkit2gtk-4.1, ...).
const miniBrowser = () => execFileSync('sh', ['-c', 'ls -d /usr/lib/*/webkit*/MiniBrowser | sort -V | tail -1'],
                                       { encoding: 'utf8' }).trim();
async function launchWebKit() {
    const { Builder, Key } = await import('selenium-webdriver');
    const port = await new Promise(resolve => {
        const probe = createServer().listen(0, '127.0.0.1', () => {
            const { port } = probe.address();
            probe.close(() => resolve(port));
        });
    });
    const server = spawn(process.env.WEBKIT_DRIVER ?? 'WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
    let driver;
    for (let tries = 0; !driver; ++tries) {
        driver = await new Builder().usingServer(`http://127.0.0.1:${port}/`).withCapabilities({
            browserName: 'MiniBrowser',
            'webkitgtk:browserOptions': { binary: process.env.MINIBROWSER ?? miniBrowser(),
                                          args: ['--automation'] },
        }).build().catch(error => { if (tries > 50) throw error; });
        await new Promise(resolve => setTimeout(resolve, 200));
    }
    const run = (script, ...args) => driver.executeScript(`return (${script}).apply(null, arguments)`, ...args);
    const window = driver.manage().window();
    const page = {
        async setViewport({ width, height }) { // the window's outside, less what it takes from the inside
            await window.setRect({ width, height });
            const [inside, outside] = await run(() => [[innerWidth, innerHeight], [outerWidth, outerHeight]]);
            await window.setRect({ width: width + outside[0] - inside[0], height: height + outside[1] - inside[1] });
        },
        goto: url => driver.get(url),
        reload: () => driver.navigate().refresh(),
        title: () => driver.getTitle(),
        evaluate: run,
        $eval: (selector, script, ...args) => run(`(s, ...a) => (${script})(document.querySelector(s), ...a)`, selector, ...args),
        async waitForFunction(script, { timeout = 30000 } = {}, ...args) {
            for (const end = Date.now() + timeout; Date.now() < end; await new Promise(resolve => setTimeout(resolve, 100))) {
                if (await run(script, ...args))
                    return true;
            }
            throw new Error(`waited ${timeout} ms in vain for ${script}`);
        },
        // Whether WebKit's web process died under the page: the session ends with it.
        crashed: () => driver.getTitle().then(() => false, error => error.name === 'NoSuchSessionError'),
        async screenshot({ path }) { writeFileSync(path, Buffer.from(await driver.takeScreenshot(), 'base64')); },
        mouse: { click: (x, y) => driver.actions().move({ x: Math.round(x), y: Math.round(y), origin: 'viewport' }).press().release().perform() },
        keyboard: {
            type: text => driver.actions().sendKeys(text).perform(),
            press: key => driver.actions().sendKeys(Key[{ Backspace: 'BACK_SPACE' }[key] ?? key.toUpperCase()] ?? key).perform(),
        },
    };
    return { newPage: async () => page, close: async () => { await driver.quit().catch(() => {}); server.kill(); } };
}

// Resolves when the form is drawn: the page shows its canvas once the program
// runs, and the program draws into it at its first frame.
export async function formShown(page, timeout = 30000) {
    await page.waitForFunction(() => document.getElementById('form').style.visibility === 'visible', { timeout });
    await new Promise(resolve => setTimeout(resolve, 500));
}

if (import.meta.url === `file://${process.argv[1]}`) {
    const server = await serve(process.argv[2], Number(process.argv[3] ?? 8000));
    console.log(`数学练习题: ${server.url} (Ctrl+C stops it)`);
}
