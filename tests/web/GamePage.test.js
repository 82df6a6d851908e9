// The game's page in headless Chromium, played as a learner plays it: the browser's own mouse
// and keyboard events, the page's clock stepped frame by frame, and what each frame shows read
// from the canvas.
'use strict';

const assert = require('node:assert');
const path = require('node:path');
const {after, before, test} = require('node:test');
const web = require('./browser.js');

const [webDir, sourceDir, artifacts] = process.argv.slice(2);

const kHeight = 345;
// The Decimal panel, rightmost: its number's glyph slots (24 x 40, 29 apart, the rightmost
// with its bottom-left corner here, y upwards), its upper (Binary) and lower (Hexadecimal)
// fields' slots, input boxes and Check buttons, and its Refresh button.
const kPanelX = 900;
const kNumberSlot = {x: 347 + kPanelX, y: 255};
const kFields = {
    upper: {slot: {x: 347 + kPanelX, y: 155}, box: {x: 190 + kPanelX, y: 175}, check: {x: 423 + kPanelX, y: 216}},
    lower: {slot: {x: 347 + kPanelX, y: 15}, box: {x: 190 + kPanelX, y: 35}, check: {x: 423 + kPanelX, y: 76}},
};
const kRefresh = {x: 423 + kPanelX, y: 316};
// The three panels' numbers, which come from the random numbers: left out of the comparison
// with the desktop's first frame (boxes from the top of the frame).
const kNumberRows = [0, 450, 900].map((x) => ({x: x + 5, y: kHeight - 300, w: 380, h: 50}));

// The glyph colours of the field states, told apart by their channels.
const kInks = {
    white: (r, g, b) => r > 215 && g > 215 && b > 215,
    blue: (r, g, b) => b > 220 && r < 140 && g > 140 && g < 200,
    green: (r, g, b) => g > 200 && r < 150 && b < 170,
    red: (r, g, b) => r > 220 && g < 130 && b < 130,
};

function inkAt(frame, x, y) { // y upwards
    const i = ((kHeight - 1 - y) * frame.width + x) * 4;
    const [r, g, b] = frame.rows.slice(i, i + 3);
    return Object.keys(kInks).find((ink) => kInks[ink](r, g, b)) || null;
}

// The inks of a right-aligned glyph row, leftmost first, up to its first empty slot.
function glyphRow(frame, slot) {
    const inks = [];
    for (let k = 0; k < 12; ++k) {
        const counts = {};
        for (let y = slot.y; y < slot.y + 40; ++y) {
            for (let x = slot.x - 29 * k; x < slot.x - 29 * k + 24; ++x) {
                const ink = inkAt(frame, x, y);
                counts[ink] = (counts[ink] || 0) + 1;
            }
        }
        const ink = Object.keys(kInks).find((name) => counts[name] >= 20);
        if (!ink) {
            break;
        }
        inks.unshift(ink);
    }
    return inks;
}

// The digits a green glyph row shows, matched against the game's own glyph sheet (frame k of
// the 16 in Resources/green.png is the digit of value k; the game draws it one column in).
function readNumber(frame, sheet, slot) {
    const digits = [];
    for (let k = 0; k < glyphRow(frame, slot).length; ++k) {
        let best = {misses: Infinity, value: -1};
        for (let value = 0; value < 16; ++value) {
            let misses = 0;
            for (let row = 0; row < 40; ++row) {
                for (let column = 0; column < 24; ++column) {
                    const sheetX = value * 24 + 1 + column;
                    const inked = sheetX < sheet.width && sheet.rows[(row * sheet.width + sheetX) * 4 + 3] > 128;
                    const shown = inkAt(frame, slot.x - 29 * k + column, slot.y + 39 - row) === 'green';
                    misses += inked !== shown;
                }
            }
            best = misses < best.misses ? {misses, value} : best;
        }
        digits.unshift(best.value);
    }
    return digits.reduce((number, digit) => number * 10 + digit, 0);
}

const session = web.useBrowser(webDir, sourceDir, {before, after});
let page;
let problems;
let sheet;
before(async () => {
    await session.ready;
    ({page, problems} = await web.openPage(session.browser, `${session.origin}/index.html`));
    await web.waitForLoop(page);
    sheet = await web.loadImage(page, `${session.origin}/source/Resources/green.png`);
});

async function click(point) {
    const at = await web.pagePoint(page, point.x, point.y);
    await page.mouse.click(at.x, at.y);
}

async function frame() {
    return web.frames(page, [0.016]);
}

test('the first frame matches the desktop\'s, the random numbers aside', async () => {
    const first = await frame();
    const desktop = await web.loadImage(page, `${session.origin}/source/tests/game/first-frame.png`);
    const differing = web.countDifferences(first, desktop, kNumberRows);
    if (differing.count > 0) {
        await web.savePng(page, first, path.join(artifacts, 'game-first-frame.png'));
    }
    assert.ok(differing.count <= web.kShareTolerance * first.width * first.height, `${differing.count} pixels differ (${differing.where})`);
});

// The lower field first: its box lies far from where a click would land if its y were not
// turned upwards.
test('a click into a field and typed digits turn it blue and show them', async () => {
    const number = readNumber(await frame(), sheet, kNumberSlot);
    assert.ok(number >= 1 && number <= 4095, `the panel shows ${number}`);
    await click(kFields.lower.box);
    assert.deepStrictEqual(glyphRow(await frame(), kFields.lower.slot), ['blue']);
    const hexadecimal = number.toString(16);
    await page.keyboard.type(hexadecimal);
    assert.deepStrictEqual(glyphRow(await frame(), kFields.lower.slot),
                           Array(hexadecimal.length).fill('blue'));
});

test('Check turns a right answer green and a wrong one red', async () => {
    const number = readNumber(await frame(), sheet, kNumberSlot);
    await click(kFields.lower.check);
    const right = number.toString(16);
    assert.deepStrictEqual(glyphRow(await frame(), kFields.lower.slot), Array(right.length).fill('green'));

    const wrong = (number % 4095 + 1).toString(2);
    await click(kFields.upper.box);
    await page.keyboard.type(wrong);
    await click(kFields.upper.check);
    assert.deepStrictEqual(glyphRow(await frame(), kFields.upper.slot), Array(wrong.length).fill('red'));
});

test('Refresh draws a new number and clears both fields', async () => {
    const before = readNumber(await frame(), sheet, kNumberSlot);
    let after = before;
    // A new number may equal the old one, once in 4095 draws.
    for (let tries = 0; tries < 3 && after === before; ++tries) {
        await click(kRefresh);
        after = readNumber(await frame(), sheet, kNumberSlot);
    }
    assert.notStrictEqual(after, before);
    const shown = await frame();
    assert.deepStrictEqual(glyphRow(shown, kFields.upper.slot), ['white']);
    assert.deepStrictEqual(glyphRow(shown, kFields.lower.slot), ['white']);
});

test('the page links the learner guide, and nothing went wrong on it', async () => {
    assert.strictEqual(await page.title(), 'Numeral Dojo');
    const guide = await page.$eval('a[href="converting-numbers.html"]', (a) => a.textContent);
    assert.match(guide, /Converting between binary, decimal/);
    const guidePage = await session.browser.newPage();
    const response = await guidePage.goto(`${session.origin}/converting-numbers.html`);
    assert.ok(response.ok());
    assert.match(await guidePage.title(), /Converting between binary, decimal and hexadecimal/);
    await guidePage.close();
    assert.deepStrictEqual(problems, []);
});
