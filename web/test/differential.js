// The page against zoltasm, byte for byte: every source in FOLDER, with the
// listing and object file zoltasm wrote beside it, assembled in the page's
// editor under the same path; a difference names the program and its first
// differing line.
//   node differential.js PAGE FOLDER
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { launch, openPage } = require('./browser');

const [pageFile, folder] = process.argv.slice(2);
const BATCH = 50;

function firstDifference(actual, expected) {
  const a = actual.split('\r\n');
  const b = expected.split('\r\n');
  const at = a.findIndex((line, index) => line !== b[index]);
  const line = at < 0 ? a.length : at;
  return `line ${line + 1}: page ${JSON.stringify(a[line])}, zoltasm ${JSON.stringify(b[line])}`;
}

test('every generated program gives the page the listing and object file zoltasm wrote', async () => {
  const sources = fs
    .readdirSync(folder)
    .filter((name) => name.endsWith('.ZOL'))
    .sort()
    .map((name) => path.resolve(folder, name));
  const { browser, close } = await launch();
  try {
    const { page } = await openPage(browser, pageFile);
    for (let at = 0; at < sources.length; at += BATCH) {
      const batch = sources.slice(at, at + BATCH).map((file) => [file, fs.readFileSync(file, 'utf8')]);
      const runs = await page.evaluate((programs) => {
        const { setSource, program } = window.zoltPage;
        const decoder = new TextDecoder();
        return programs.map(([name, text]) => {
          setSource(name, text);
          return [decoder.decode(program.run.listing), decoder.decode(program.run.object)];
        });
      }, batch);
      runs.forEach(([listing, object], index) => {
        const [file] = batch[index];
        for (const [actual, extension] of [[listing, 'lst'], [object, 'obj']]) {
          const expected = fs.readFileSync(file.slice(0, -3) + extension, 'utf8');
          if (actual !== expected) assert.fail(`${path.basename(file)}: .${extension} ${firstDifference(actual, expected)}`);
        }
      });
    }
    console.log(`${sources.length} programs: the page's listings and object files are zoltasm's`);
  } finally {
    await close();
  }
});
