// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web build's page as a static web server serves it, on 127.0.0.1, and
// Debian's Chromium to open it: shared by tools/dev run, the browser tests and
// the page's benchmark.
//   node tools/webpage.mjs FOLDER [PORT]     serves FOLDER until stopped
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.ico': 'image/x-icon',
    '.txt': 'text/plain; charset=utf-8',
};

// Serves FOLDER; rewrite(path, body) may stand in another body for a file,
// as a new build of it would.
export async function serve(folder, port = 0, rewrite = (path, body) => body) {
    const server = createServer(async (request, response) => {
        let path = normalize(decodeURIComponent(new URL(request.url, 'http://host').pathname));
        if (path.endsWith('/'))
            path += 'index.html';
        try {
            const body = rewrite(path, await readFile(join(folder, path)));
            response.writeHead(200, { 'Content-Type': types[extname(path)] ?? 'application/octet-stream' });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise(resolve => server.listen(port, '127.0.0.1', resolve));
    server.url = `http://127.0.0.1:${server.address().port}/`;
    return server;
}

// Headless, as a machine with no network beyond loopback needs it; WebGL is
// drawn in software here, as on a machine whose graphics the browser distrusts.
export async function launch(...args) {
    const { default: puppeteer } = await import('puppeteer-core');
    return puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--no-first-run', '--disable-background-networking', '--disable-component-update',
               '--disable-sync', '--disable-quic', '--enable-unsafe-swiftshader', ...args],
    });
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
