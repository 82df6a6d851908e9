// Each example's page in headless Chromium: played with the script its desktop test plays
// (tests/examples/ExamplesTest.cpp), through the browser's own mouse and keyboard events and
// with the page's clock stepped frame by frame, its last frame must match the screenshot
// beside the example's sources.
'use strict';

const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const {after, before, test} = require('node:test');
const web = require('./browser.js');

const [webDir, sourceDir, artifacts] = process.argv.slice(2);

// What the loop clamps a frame to: a longer scripted frame becomes several.
const kExamples = [
    ['shapes', 'f0.1 f0.4 f0.4'],
    ['hit-tests', 'f0.02 m120,110 d120,110 m180,200 f0.02 m240,280 u240,280 f0.02 m255,105 ' +
                  'd255,105 m200,150 f0.02 m135,205 u135,205 m520,280 f0.02'],
    ['outlines', 'f0.5 m600,100 f0.5 f0.5 m330,275 f0.5 f0.5'],
    ['sprites', 'f0.07 f0.07 f0.07 f0.07 f0.07 kUp f0.1 f0.3 kSpace kRight f0.02'],
    ['sound', 'f0.02 d320,290 u320,290 f0.1 kDown kDown kp d140,290 u140,290 f0.2'],
    ['camera', 'f0.1 kDown k= k= kQ f0.5 d301,282 u301,282 f0.5'],
    ['text', 'f0.1 kDown kDown d150,315 u150,315 kLeft f0.1'],
];
const kKeys = {Up: 'ArrowUp', Down: 'ArrowDown', Right: 'ArrowRight', Left: 'ArrowLeft'};

const session = web.useBrowser(webDir, sourceDir, {before, after});

// Plays the script; returns the last frame.
async function play(page, script) {
    let last = null;
    for (const word of script.split(' ')) {
        const [x, y] = word.slice(1).split(',').map(Number);
        if (word[0] === 'f') {
            last = await web.frames(page, [x]);
        } else if ('mdu'.includes(word[0])) {
            const point = await web.pagePoint(page, x, y);
            await page.mouse.move(point.x, point.y);
            if (word[0] === 'd') {
                await page.mouse.down();
            } else if (word[0] === 'u') {
                await page.mouse.up();
            }
        } else {
            const name = word.slice(1);
            // A letter's key, as SDL names it, is the unshifted one.
            await page.keyboard.press(kKeys[name] || (name.length === 1 ? name.toLowerCase() : name));
        }
    }
    return last;
}

for (const [name, script] of kExamples) {
    test(`the ${name} example's last frame matches its screenshot`, async () => {
        const {page, problems} = await web.openPage(session.browser, `${session.origin}/examples/${name}/${name}.html`);
        await web.waitForLoop(page);
        const frame = await play(page, script);
        const golden = await web.loadImage(page, `${session.origin}/source/examples/${name}/screenshot.png`);
        const differing = web.countDifferences(frame, golden);
        if (differing.count > 0) {
            await web.savePng(page, frame, path.join(artifacts, `${name}.png`));
        }
        await page.close();
        assert.deepStrictEqual(problems, []);
        assert.ok(differing.count <= web.kShareTolerance * frame.width * frame.height,
                  `${differing.count} pixels differ (${differing.where}); the frame is in ${artifacts}`);
    });
}

test('the gallery links every example page and screenshot', async () => {
    const {page, problems} = await web.openPage(session.browser, `${session.origin}/examples/`,
                                                {stepped: false});
    const links = await page.$$eval('a[href$=".html"], img', (all) =>
        all.map((element) => element.href || element.src));
    const statuses = await page.evaluate((urls) => Promise.all(
        urls.map((url) => fetch(url).then((response) => response.status))), links);
    await page.close();
    assert.deepStrictEqual(problems, []);
    const examples = fs.readdirSync(path.join(sourceDir, 'examples'))
        .filter((name) => fs.existsSync(path.join(sourceDir, 'examples', name, 'screenshot.png')));
    assert.strictEqual(links.length, 2 * examples.length, 'a page and a screenshot each');
    assert.deepStrictEqual(statuses, links.map(() => 200));
});
