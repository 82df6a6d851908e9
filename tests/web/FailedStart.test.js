// A page whose program cannot start (here: a browser without WebGL) says why on the page and
// in the console, and waits for nothing: a page has no standard input to read a key from.
'use strict';

const assert = require('node:assert');
const {after, before, test} = require('node:test');
const web = require('./browser.js');

const [webDir, sourceDir] = process.argv.slice(2);

const session = web.useBrowser(webDir, sourceDir, {before, after});

function refuseWebGL() {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (type, ...rest) {
        return /webgl/.test(type) ? null : getContext.call(this, type, ...rest);
    };
}

test('a failed start-up shows its messages on the page instead of waiting for a key', async () => {
    const page = await session.browser.newPage();
    const dialogs = [];
    page.on('dialog', async (dialog) => {
        dialogs.push(dialog.message());
        await dialog.dismiss();
    });
    const errors = [];
    page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
    await page.evaluateOnNewDocument(refuseWebGL);
    await page.goto(`${session.origin}/index.html`);
    await page.waitForSelector('#failure', {visible: true, timeout: 60000});
    const shown = await page.$eval('#failure', (box) => box.textContent);
    assert.match(shown, /Numeral Dojo could not start/);
    assert.match(shown, /Core::Initialize\( \), error when calling SDL_GL_CreateContext: /);
    assert.match(shown, /Core::Run\( \), Core not correctly initialized, unable to run the game/);
    assert.ok(errors.some((text) => text.startsWith('Core::Run( ), Core not correctly initialized')),
              errors.join('\n'));
    assert.deepStrictEqual(dialogs, []);
});
