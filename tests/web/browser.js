// Headless Chromium (Debian's), driven through its DevTools protocol, on pages served from the
// web build on a loopback port. Shared by the browser tests.
'use strict';

const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const kTypes = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.wasm': 'application/wasm',
    '.data': 'application/octet-stream',
    '.png': 'image/png',
};

// Serves the web build at / and the project's sources (the golden images) at /source/, on
// 127.0.0.1 and a free port. Hides files given in `missing`, for tests of a broken build.
async function serve(webDir, sourceDir, missing = []) {
    const server = http.createServer((request, response) => {
        const url = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        const [root, rest] = url.startsWith('/source/') ? [sourceDir, url.slice(8)] : [webDir, url];
        const file = path.join(root, rest.endsWith('/') ? rest + 'index.html' : rest);
        if (!file.startsWith(root) || missing.some((name) => file.endsWith(name)) ||
            !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
            response.writeHead(404);
            response.end();
            return;
        }
        response.writeHead(200, {'Content-Type': kTypes[path.extname(file)] || 'text/plain'});
        fs.createReadStream(file).pipe(response);
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {server, origin: `http://127.0.0.1:${server.address().port}`};
}

// Without the networking flags this machine's closed network refuses many of the browser's
// own connections. As root Chromium runs only without its sandbox, and so it does where the
// kernel gives users no namespaces of their own and the setuid helper is not installed
// (containers, some hardened kernels): the pages it loads are the project's own.
async function launch() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'dojo-chromium-'));
    const args = [
        '--headless', '--disable-gpu', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
        '--disable-quic', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`,
    ];
    const start = (extra) => puppeteer.launch({
        executablePath: process.env.DOJO_CHROMIUM || '/usr/bin/chromium',
        headless: true,
        args: args.concat(extra),
        defaultViewport: {width: 1400, height: 900, deviceScaleFactor: 1},
    });
    const asRoot = process.getuid && process.getuid() === 0;
    let browser;
    try {
        browser = await start(asRoot ? ['--no-sandbox'] : []);
    } catch (error) {
        if (asRoot || !/No usable sandbox/.test(error.message)) {
            throw error;
        }
        console.warn('no usable sandbox for Chromium here: it runs without one');
        browser = await start(['--no-sandbox']);
    }
    // The browser may still be writing its profile as it goes: removing it is best effort.
    browser.on('disconnected', () => {
        try {
            fs.rmSync(profile, {recursive: true, force: true, maxRetries: 5});
        } catch (error) {
            console.warn(`left ${profile}: ${error.message}`);
        }
    });
    return browser;
}

// Installed before a page's own scripts: the page's clock and animation frames stand still
// until the test steps them, so that every frame's elapsed time is the one the test gives.
function installSteppedFrames() {
    let now = 0;
    const start = Date.now();
    let waiting = [];
    performance.now = () => now;
    Date.now = () => start + now;
    window.requestAnimationFrame = (callback) => waiting.push(callback);
    window.cancelAnimationFrame = () => {};
    window.dojoFrames = {
        waiting: () => waiting.length,
        // Moves the clock on by ms milliseconds and runs the frames waiting for it.
        step(ms) {
            now += ms;
            const due = waiting;
            waiting = [];
            due.forEach((callback) => callback(now));
            return due.length;
        },
        // The canvas's pixels as the frame just drawn left them, rows from the top, RGBA.
        // Read in the same task as the frame: WebGL clears its buffer once it is shown.
        pixels() {
            const canvas = document.getElementById('canvas');
            const gl = canvas.getContext('webgl');
            const {width, height} = canvas;
            const bottomUp = new Uint8Array(width * height * 4);
            gl.readPixels(0, 0, width, height, gl.RGBA, gl.UNSIGNED_BYTE, bottomUp);
            const rows = new Uint8ClampedArray(bottomUp.length);
            for (let y = 0; y < height; ++y) {
                rows.set(bottomUp.subarray((height - 1 - y) * width * 4, (height - y) * width * 4),
                         y * width * 4);
            }
            return {width, height, rows};
        },
    };
}

// A page that keeps what it reports: console errors, uncaught exceptions and failed requests.
async function openPage(browser, url, {stepped = true} = {}) {
    const page = await browser.newPage();
    const problems = [];
    page.on('console', (message) => {
        if (message.type() === 'error') {
            problems.push(`console error: ${message.text()}`);
        }
    });
    page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
    page.on('requestfailed', (request) => problems.push(`request failed: ${request.url()}`));
    page.on('response', (response) => {
        if (response.status() >= 400) {
            problems.push(`HTTP ${response.status()}: ${response.url()}`);
        }
    });
    if (stepped) {
        await page.evaluateOnNewDocument(installSteppedFrames);
    }
    await page.goto(url);
    return {page, problems};
}

// Waits until the program's main loop waits for its first frame (or the page gives up).
async function waitForLoop(page) {
    await page.waitForFunction(
        () => window.dojoFrames.waiting() > 0 ||
              document.getElementById('failure').style.display === 'block',
        {timeout: 60000, polling: 100}); // the page's own animation frames stand still
}

// Runs frames of the given seconds each (at most 0.1 s a frame, as the loop clamps them) and
// returns the last frame's pixels.
async function frames(page, seconds) {
    return page.evaluate((steps) => {
        let pixels = null;
        for (const ms of steps) {
            window.dojoFrames.step(ms);
            pixels = window.dojoFrames.pixels();
        }
        return {width: pixels.width, height: pixels.height, rows: Array.from(pixels.rows)};
    }, seconds.flatMap((s) => {
        const chunks = [];
        for (let left = Math.round(s * 1000); left > 0; left -= 100) {
            chunks.push(Math.min(left, 100));
        }
        return chunks;
    }));
}

// Where the point (x, y) of the game's window, y upwards, lies on the page: the middle of the
// pixel SDL reports as (x, height - y), which the framework turns back into (x, y).
async function pagePoint(page, x, y) {
    const box = await page.evaluate(() => {
        const rect = document.getElementById('canvas').getBoundingClientRect();
        return {left: rect.left, top: rect.top, height: rect.height};
    });
    return {x: box.left + x + 0.5, y: box.top + box.height - y + 0.5};
}

// A PNG as RGBA rows from the top, decoded by the browser without colour management.
async function loadImage(page, url) {
    const image = await page.evaluate(async (source) => {
        const blob = await (await fetch(source)).blob();
        const bitmap = await createImageBitmap(
            blob, {colorSpaceConversion: 'none', premultiplyAlpha: 'none'});
        const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
        const context = canvas.getContext('2d');
        context.drawImage(bitmap, 0, 0);
        const data = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
        return {width: bitmap.width, height: bitmap.height, rows: Array.from(data)};
    }, url);
    return image;
}

// Writes RGBA rows as a PNG, through the page's own encoder.
async function savePng(page, image, file) {
    const dataUrl = await page.evaluate(({width, height, rows}) => {
        const canvas = document.createElement('canvas');
        canvas.width = width;
        canvas.height = height;
        canvas.getContext('2d').putImageData(
            new ImageData(new Uint8ClampedArray(rows), width, height), 0, 0);
        return canvas.toDataURL('image/png');
    }, image);
    fs.mkdirSync(path.dirname(file), {recursive: true});
    fs.writeFileSync(file, Buffer.from(dataUrl.split(',')[1], 'base64'));
}

// As on the desktop, a channel may differ by 2 of 255 (blends that round another way). And a
// pixel may match its neighbour: where an image lies on half pixels (the game's labels start
// at x = 7.5), every pixel samples a texture exactly on a texel's edge, and which texel a
// rasteriser then takes is down to its rounding, Mesa's on the desktop as much as the
// browser's: a glyph's edge may move by one pixel. A shape that is missing, thinner or
// thicker by more than a pixel, moved, or of another colour still shows in both directions.
const kChannelTolerance = 2;

function near(a, i, b, j) {
    return Math.abs(a.rows[i] - b.rows[j]) <= kChannelTolerance &&
           Math.abs(a.rows[i + 1] - b.rows[j + 1]) <= kChannelTolerance &&
           Math.abs(a.rows[i + 2] - b.rows[j + 2]) <= kChannelTolerance;
}

// Pixels of a with no pixel of the same colour in b at or next to the same place.
function unmatched(a, b, ignored, found) {
    for (let y = 0; y < a.height; ++y) {
        for (let x = 0; x < a.width; ++x) {
            if (ignored(x, y)) {
                continue;
            }
            const i = (y * a.width + x) * 4;
            let matched = false;
            for (let dy = -1; dy <= 1 && !matched; ++dy) {
                for (let dx = -1; dx <= 1 && !matched; ++dx) {
                    const nx = x + dx;
                    const ny = y + dy;
                    matched = nx >= 0 && ny >= 0 && nx < b.width && ny < b.height &&
                              near(a, i, b, (ny * b.width + nx) * 4);
                }
            }
            if (!matched) {
                found(x, y);
            }
        }
    }
}

// How many pixels of two RGBA images (rows from the top) find no match in the other, outside
// the boxes to ignore ({x, y, w, h}, y from the top); where the first one is.
function countDifferences(a, b, ignore = []) {
    if (a.width !== b.width || a.height !== b.height) {
        return {count: a.width * a.height, where: `sizes ${a.width}x${a.height}, ${b.width}x${b.height}`};
    }
    const ignored = (x, y) => ignore.some((box) => x >= box.x && x < box.x + box.w &&
                                                   y >= box.y && y < box.y + box.h);
    const differing = new Set();
    let first = null;
    const found = (x, y) => {
        differing.add(y * a.width + x);
        first = first || `first at ${x}, ${y} from the top`;
    };
    unmatched(a, b, ignored, found);
    unmatched(b, a, ignored, found);
    return {count: differing.size, where: first || 'none'};
}

// For a test file: serves the web build and the sources and starts the browser before its
// tests, stops both after them. The returned object holds the browser and the site's origin.
// A file's own set-up awaits session.ready: the runner may start its hooks together.
function useBrowser(webDir, sourceDir, hooks) {
    const session = {};
    session.ready = (async () => {
        session.site = await serve(webDir, sourceDir);
        session.origin = session.site.origin;
        session.browser = await launch();
    })();
    hooks.before(() => session.ready);
    // What the set-up started is stopped even when a later step of it failed: a server left
    // listening would keep the test file running until its time-out.
    hooks.after(async () => {
        session.site?.server.close();
        await session.browser?.close();
    });
    return session;
}

module.exports = {
    useBrowser, serve, launch, openPage, waitForLoop, frames, pagePoint, loadImage, savePng, countDifferences,
    // At most this share of a frame's pixels may find no match: the odd glyph-edge pixel where a
    // label's columns land on texels differently, and the end pixel of an arc's segment where it
    // meets a pixel's edge exactly. A line drawn a pixel thinner alone takes more.
    kShareTolerance: 0.001,
};
