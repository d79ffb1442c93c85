// The page in Debian's Chromium, opened from the disk with the network off,
// as a user works with it: typing, the underlines and their messages, a
// quick fix, the listing and object panes, the status, the inlay words, a
// file opened and dropped, both outputs saved and an object file
// disassembled, a shared link and the language; every output against
// zoltasm's own for the same source.
//   node page_checks.js PAGE ZOLTASM WORK
const { after, before, test } = require('node:test');
const assert = require('node:assert/strict');
const childProcess = require('child_process');
const fs = require('fs');
const path = require('path');
const { launch, openPage } = require('./browser');

const [pageFile, zoltasm, work] = process.argv.slice(2).map((argument) => path.resolve(argument));
const root = path.join(__dirname, '..', '..');
const GBK_NOTE = Buffer.from([0xd7, 0xa2, 0xca, 0xcd]); // 注释

// zoltasm's run of a source written into its own folder of `work`: its
// listing and object bytes, and what it said.
function zoltasmRun(name, bytes) {
  const folder = fs.mkdtempSync(path.join(work, 'run-'));
  fs.writeFileSync(path.join(folder, name), bytes);
  const run = childProcess.spawnSync(zoltasm, [name], { cwd: folder, env: { ...process.env, LANGUAGE: 'en' } });
  const output = (extension) => fs.readFileSync(path.join(folder, name.slice(0, -3) + extension));
  return { listing: output('lst'), object: output('obj'), stdout: run.stdout.toString(), stderr: run.stderr.toString() };
}

const lines = (bytes) => bytes.toString().split('\r\n').slice(0, -1);

// The listing as the page names it: the file-name line names the file as
// saved, since a browser never learns its folder; every other byte is zoltasm's.
function assertListing(actual, expected, savedAs) {
  const [first, ...rest] = lines(actual);
  assert.equal(first, `Filemane:${savedAs}`);
  assert.deepEqual(rest, lines(expected).slice(1));
  assert.ok(actual.toString().endsWith('\r\n'));
}

// The word a message of zoltasm points at ("typed.ZOL:4:4: error: ...").
function messagesOf(stderr) {
  return [...stderr.matchAll(/^[^:\n]+:(\d+):(\d+): (?:fatal )?error: (.*)$/gm)].map((m) => ({
    line: Number(m[1]),
    column: Number(m[2]),
    text: m[3],
  }));
}

let browser;
let close;
let page;
let requests;
let errors;

async function typeProgram(text) {
  await page.click('.cm-content');
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyA');
  await page.keyboard.up('Control');
  await page.keyboard.press('Backspace');
  await page.keyboard.type(text);
}

const texts = (selector) => page.$$eval(selector, (elements) => elements.map((e) => e.textContent));
const editorText = () => page.evaluate(() => window.zoltPage.view.state.doc.toString());

// Drops a file on the page; `opened` is the name the editor then shows.
async function dropFile(name, bytes, opened) {
  const before = await editorText();
  await page.evaluate(
    (fileName, data) => {
      const transfer = new DataTransfer();
      transfer.items.add(new File([new Uint8Array(data)], fileName));
      document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
    },
    name,
    [...bytes],
  );
  await page.waitForFunction(
    (shown, text) =>
      document.getElementById('source-name').textContent === shown && window.zoltPage.view.state.doc.toString() !== text,
    {},
    opened,
    before,
  );
}

// Saves through the browser's save dialog, the user naming the file `name`;
// returns the bytes written.
async function saveWithDialog(button, name) {
  await page.evaluate((fileName) => {
    window.savedBytes = null;
    window.showSaveFilePicker = async () => ({
      name: fileName,
      createWritable: async () => ({
        write: async (bytes) => {
          window.savedBytes = [...bytes];
        },
        close: async () => {},
      }),
    });
  }, name);
  await page.click(button);
  await page.waitForFunction(() => window.savedBytes);
  return Buffer.from(await page.evaluate(() => window.savedBytes));
}

async function hoverFirstUnderline() {
  await page.hover('.cm-lintRange-error');
  await page.waitForSelector('.cm-tooltip-lint');
}

before(async () => {
  fs.mkdirSync(work, { recursive: true });
  ({ browser, close } = await launch());
  ({ page, requests, errors } = await openPage(browser, pageFile, { language: 'en-US' }));
});

after(async () => {
  await close();
});

test('a typed program: underlines, their messages, status, listing, object and inlay words as zoltasm gives them', async () => {
  const source = '; typed\nCOUNT EQU 3\nLOOP:\nDL 300\nGOTO LOOP\nMOV 5\nOUT COUNT\n';
  await typeProgram(source);
  assert.equal(await editorText(), source);
  const expected = zoltasmRun('demo.ZOL', source);

  assert.equal(await page.$eval('#status', (e) => e.textContent), expected.stdout.trim());
  const messages = messagesOf(expected.stderr);
  const sourceLines = source.split('\n');
  const words = messages.map((m) => sourceLines[m.line - 1].slice(m.column - 1).split(/[ \t]/)[0]);
  assert.deepEqual(await texts('.cm-lintRange-error'), words);
  await hoverFirstUnderline();
  assert.match(await page.$eval('.cm-tooltip-lint', (e) => e.textContent), new RegExp(messages[0].text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')));

  assertListing(Buffer.from((await texts('#listing .row')).join('\r\n') + '\r\n'), expected.listing, 'demo.lst');
  assert.deepEqual(await texts('#object .row'), lines(expected.object));
  // "@17 B800 12": each listing line with words, in order.
  const listed = lines(expected.listing)
    .map((line) => line.split('\t'))
    .filter((fields) => fields.length >= 5 && fields[0] !== '')
    .map(([address, code, code2]) => `@${address.trim()} ${code}${code2 ? ` ${code2}` : ''}`);
  assert.deepEqual(await texts('.cm-inlay-words'), listed);
});

test("the cursor's line and its error line are marked in the listing", async () => {
  const line = await page.evaluate(() => window.zoltPage.view.state.doc.line(4));
  await page.evaluate((at) => window.zoltPage.view.dispatch({ selection: { anchor: at } }), line.from + 1);
  assert.deepEqual(await texts('#listing .row.marked'), [' 0 \t90FF\t\t 4\tDL 300', '---------------Error------------------']);
});

test('quick fixes applied correct the source, for a line in error and for a run that stops', async () => {
  // The name defined again is said by the first pass, before the line in
  // error that the fix belongs to.
  await typeProgram('DL 300\nL:\nL:');
  await hoverFirstUnderline();
  await page.click('.cm-tooltip-lint .cm-diagnosticAction');
  assert.equal(await editorText(), 'DL 255\nL:\nL:');
  assert.equal(await page.$eval('#status', (e) => e.textContent), '编译完成');

  await typeProgram('OUT 0x10');
  const expected = zoltasmRun('demo.ZOL', 'OUT 0x10');
  assert.equal(await page.$eval('#status', (e) => e.textContent), expected.stderr.trim());
  await hoverFirstUnderline();
  await page.click('.cm-tooltip-lint .cm-diagnosticAction');
  assert.equal(await editorText(), 'OUT &H10');
  assert.equal(await page.$eval('#status', (e) => e.textContent), '编译完成');
});

test('a source opened with the file picker, in GBK, and one dropped', async () => {
  const file = path.join(work, 'gbk.ZOL');
  const bytes = Buffer.concat([Buffer.from('; '), GBK_NOTE, Buffer.from('\r\nDL 5\r\n')]);
  fs.writeFileSync(file, bytes);
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open')]);
  await chooser.accept([file]);
  await page.waitForFunction(() => document.getElementById('source-name').textContent === 'gbk.ZOL');
  assert.equal(await editorText(), '; 注释\nDL 5\n');
  const expected = zoltasmRun('gbk.ZOL', bytes);
  assert.deepEqual(await texts('#object .row'), lines(expected.object));
  // Saved, the listing and the source keep the file's GBK bytes.
  assertListing(await saveWithDialog('#save-listing', 'gbk.lst'), expected.listing, 'gbk.lst');
  assert.deepEqual(await saveWithDialog('#save-source', 'gbk.ZOL'), bytes);

  await dropFile('dropped.ZOL', Buffer.from('NOP\r\n'), 'dropped.ZOL');
  assert.equal(await editorText(), 'NOP\n');
});

test('both outputs saved have the bytes zoltasm writes', async () => {
  const downloads = fs.mkdtempSync(path.join(work, 'downloads-'));
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.select('#examples', 'filling_line.ZOL');
  const expected = zoltasmRun('filling_line.ZOL', fs.readFileSync(path.join(root, 'examples', 'filling_line.ZOL')));

  // A browser without a save dialog downloads under the outputs' names.
  await page.evaluate(() => {
    window.showSaveFilePicker = undefined;
  });
  await page.click('#save-listing');
  await page.click('#save-object');
  const saved = (name) => path.join(downloads, name);
  for (let wait = 0; wait < 100 && !(fs.existsSync(saved('filling_line.lst')) && fs.existsSync(saved('filling_line.obj'))); ++wait) {
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  assertListing(fs.readFileSync(saved('filling_line.lst')), expected.listing, 'filling_line.lst');
  assert.deepEqual(fs.readFileSync(saved('filling_line.obj')), expected.object);

  // With a save dialog, the listing names the file as the user named it.
  assertListing(await saveWithDialog('#save-listing', 'renamed.lst'), expected.listing, 'renamed.lst');
});

test('a dropped object file is disassembled into the editor and assembles back to the same bytes', async () => {
  const object = zoltasmRun('filling_line.ZOL', fs.readFileSync(path.join(root, 'examples', 'filling_line.ZOL'))).object;
  fs.writeFileSync(path.join(work, 'filling_line.obj'), object);
  const disassembly = childProcess.execFileSync(zoltasm, ['--disassemble', path.join(work, 'filling_line.obj')]);
  await dropFile('filling_line.obj', object, 'filling_line.ZOL');
  assert.equal(await editorText(), disassembly.toString().replace(/\r\n/g, '\n'));
  assert.deepEqual(await texts('#object .row'), lines(object));
});

test('a shared link brings the program back', async () => {
  const program = '; shared\nDL 20\nHALT\n';
  await typeProgram(program);
  const name = await page.$eval('#source-name', (e) => e.textContent);
  await page.click('#share');
  await page.waitForFunction(() => location.hash.includes('zol='));
  const link = page.url();
  const { page: reopened } = await openPage(browser, pageFile, { hash: link.slice(link.indexOf('#')) });
  assert.equal(await reopened.evaluate(() => window.zoltPage.view.state.doc.toString()), program);
  assert.equal(await reopened.$eval('#source-name', (e) => e.textContent), name);
  await reopened.close();
});

test("the page speaks the browser's language and switches; the system's own texts stay as they are", async () => {
  assert.equal(await page.$eval('#open', (e) => e.textContent), 'Open…');
  await typeProgram('DL 300');
  const english = await page.evaluate(() => window.zoltPage.program.run.diagnostics[0].message);
  await page.click('#language');
  assert.equal(await page.$eval('#open', (e) => e.textContent), '打开…');
  assert.equal(await page.$eval('#language', (e) => e.textContent), 'English');
  const chinese = await page.evaluate(() => window.zoltPage.program.run.diagnostics[0].message);
  assert.notEqual(chinese, english);
  assert.match(chinese, /[\u4e00-\u9fff]/);
  assert.equal(await page.$eval('#status', (e) => e.textContent), '发现 1处错误');

  const context = await browser.createBrowserContext();
  const { page: fresh } = await openPage(context, pageFile, { language: 'zh-CN' });
  assert.equal(await fresh.$eval('#open', (e) => e.textContent), '打开…');
  assert.equal(await fresh.$eval('#status', (e) => e.textContent), '编译完成');
  await context.close();
});

test('opened from the disk with the network off, the page fetched nothing and raised no error', () => {
  assert.deepEqual(
    requests.filter((url) => !/^(file|data|blob):/.test(url)),
    [],
  );
  assert.deepEqual(errors, []);
});
