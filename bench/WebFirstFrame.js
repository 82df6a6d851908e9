// The game's web page in headless Chromium: what it transfers, compressed as a web server
// sends it (gzip -9 per file), and the time from navigation to its first frame, the median of
// several fresh loads from a loopback server with an empty cache.
// Usage (after ./setup.sh web, with puppeteer-core on NODE_PATH as the web tests install it):
//   node bench/WebFirstFrame.js build/web [loads]
'use strict';

const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const web = require('../tests/web/browser.js');

const webDir = path.resolve(process.argv[2] || 'build/web');
const loads = Number(process.argv[3] || 7);

// Called before the page's scripts: the first animation frame the program draws is its first.
function noteFirstFrame() {
    const request = window.requestAnimationFrame.bind(window);
    window.requestAnimationFrame = (callback) => request((time) => {
        callback(time);
        if (window.dojoFirstFrame === undefined) {
            window.dojoFirstFrame = performance.now();
        }
    });
}

(async () => {
    const sizes = {};
    for (const file of ['index.html', 'index.js', 'index.wasm', 'index.data', 'icon.png']) {
        const bytes = fs.readFileSync(path.join(webDir, file));
        sizes[file] = {raw: bytes.length, gzip: zlib.gzipSync(bytes, {level: 9}).length};
    }
    const site = await web.serve(webDir, webDir);
    const times = [];
    for (let i = 0; i < loads; ++i) {
        const browser = await web.launch();
        const page = await browser.newPage();
        await page.evaluateOnNewDocument(noteFirstFrame);
        await page.goto(`${site.origin}/index.html`);
        await page.waitForFunction(() => window.dojoFirstFrame !== undefined,
                                   {timeout: 60000, polling: 20});
        times.push(await page.evaluate(() => window.dojoFirstFrame));
        await browser.close();
    }
    site.server.close();
    times.sort((a, b) => a - b);
    const total = Object.values(sizes).reduce((sum, size) => sum + size.gzip, 0);
    for (const [file, size] of Object.entries(sizes)) {
        console.log(`${file.padEnd(12)} ${String(size.raw).padStart(9)} bytes, ${String(size.gzip).padStart(8)} gzip`);
    }
    console.log(`transferred (gzip): ${(total / 1e6).toFixed(2)} MB`);
    console.log(`first frame after navigation: median ${times[times.length >> 1].toFixed(0)} ms ` +
                `(${times.map((t) => t.toFixed(0)).join(', ')})`);
})();
