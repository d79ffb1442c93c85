// The browser page on the benchmark program of 32,767 lines, in Debian's
// Chromium: the time from a keystroke to the underlines, the listing and the
// inlay words in the page (median and 95th percentile over 100 edits; the
// goal is one frame, 16 ms), the page's size, and the memory after 1,000
// edits. Prints figures; asserts nothing.
//   node bench/page_benchmark.js PAGE BENCH.ZOL   (NODE_PATH: web/test's npm packages)
const fs = require('fs');
const os = require('os');
const path = require('path');
const { launch, openPage } = require('../web/test/browser');

const [pageFile, programFile] = process.argv.slice(2);

// One keystroke at a time in the operand of each "DL 10" in turn: a digit
// typed ("DL 100"), then taken away again, so that the program stays clean.
// Each edit's time on the clock and the page's main thread's processor time
// for it: on a busy machine the first grows with the load, the second
// hardly.
async function edits(page, session, count) {
  await page.evaluate(() => {
    const { doc } = window.zoltPage.view.state;
    window.places = [];
    for (let line = 1; line <= doc.lines && window.places.length < 200; ++line) {
      if (doc.line(line).text === 'DL 10') window.places.push(line);
    }
  });
  const threadTime = async () =>
    (await session.send('Performance.getMetrics')).metrics.find((m) => m.name === 'ThreadTime').value;
  const clock = [];
  const processor = [];
  for (let edit = 0; edit < count; ++edit) {
    const before = await threadTime();
    clock.push(
      await page.evaluate((at) => {
        const { view } = window.zoltPage;
        const line = view.state.doc.line(window.places[(at >> 1) % window.places.length]);
        const change = at % 2 === 0 ? { from: line.to, insert: '0' } : { from: line.to - 1, to: line.to };
        const start = performance.now();
        view.dispatch({ changes: change });
        return performance.now() - start;
      }, edit),
    );
    processor.push(((await threadTime()) - before) * 1000);
  }
  return { clock, processor };
}

function percentile(times, fraction) {
  const sorted = [...times].sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.floor(fraction * sorted.length))];
}

async function main() {
  const { browser, close } = await launch();
  try {
    const { page } = await openPage(browser, pageFile);
    const text = fs.readFileSync(programFile, 'utf8');
    const opened = await page.evaluate((source) => {
      const start = performance.now();
      window.zoltPage.setSource('bench.ZOL', source);
      return performance.now() - start;
    }, text);
    const lines = await page.evaluate(() => window.zoltPage.view.state.doc.lines);
    const status = await page.$eval('#status', (e) => e.textContent);
    const session = await page.createCDPSession();
    await session.send('Performance.enable');
    const { clock, processor } = await edits(page, session, 100);
    console.log(`page: ${path.basename(pageFile)}, ${fs.statSync(pageFile).size} bytes`);
    console.log(`program: ${lines} lines, opened and assembled in ${opened.toFixed(1)} ms, status ${status}`);
    const figures = (times) =>
      `median ${percentile(times, 0.5).toFixed(1)} ms, 95th percentile ${percentile(times, 0.95).toFixed(1)} ms`;
    console.log(`keystroke to underlines, listing and inlay words, over ${clock.length} edits (goal: 16 ms):`);
    console.log(`  on the clock:              ${figures(clock)}`);
    console.log(`  main thread's processor:   ${figures(processor)}`);
    console.log(`  load average at the end:   ${os.loadavg()[0].toFixed(1)} on ${os.cpus().length} cores`);
    await edits(page, session, 900);
    await session.send('HeapProfiler.collectGarbage');
    const heap = await page.evaluate(() => performance.memory.usedJSHeapSize);
    const wasm = await page.evaluate(() => window.zoltPage.memory());
    const mib = (bytes) => `${(bytes / 1048576).toFixed(1)} MiB`;
    console.log(`memory after 1,000 edits: JavaScript heap ${mib(heap)}, WebAssembly memory ${mib(wasm)}`);
  } finally {
    await close();
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
