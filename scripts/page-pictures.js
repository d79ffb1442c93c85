// Takes the browser page's pictures for the README in Debian's Chromium: in
// Chinese, examples/filling_line.ZOL with DL 20 made DL 300, its message and
// quick fix shown; in English, the cursor on a jump, its line marked in the
// listing.
//   node scripts/page-pictures.js PAGE FOLDER   (NODE_PATH: web/test's npm packages)
const path = require('path');
const { launch, openPage } = require('../web/test/browser');

const [pageFile, folder] = process.argv.slice(2);

async function picture(browser, language, name, pose) {
  const context = await browser.createBrowserContext();
  const { page } = await openPage(context, pageFile, { language });
  await page.setViewport({ width: 1280, height: 720 });
  await page.select('#examples', 'filling_line.ZOL');
  await pose(page);
  await new Promise((resolve) => setTimeout(resolve, 300));
  await page.screenshot({ path: path.join(folder, name) });
  await context.close();
  console.log(path.join(folder, name));
}

// The place just after a text in the editor.
const after = (page, text) =>
  page.evaluate((wanted) => window.zoltPage.view.state.doc.toString().indexOf(wanted) + wanted.length, text);

async function main() {
  const { browser, close } = await launch();
  try {
    await picture(browser, 'zh-CN', 'page-zh.png', async (page) => {
      const at = await after(page, 'DL 20');
      await page.evaluate((end) => {
        const { view } = window.zoltPage;
        view.dispatch({ changes: { from: end - 2, to: end, insert: '300' }, selection: { anchor: end + 1 } });
      }, at);
      await page.hover('.cm-lintRange-error');
      await page.waitForSelector('.cm-tooltip-lint');
    });
    await picture(browser, 'en-US', 'page-en.png', async (page) => {
      const at = await after(page, 'DJNZI STATION');
      await page.evaluate((end) => window.zoltPage.view.dispatch({ selection: { anchor: end } }), at);
      await page.focus('.cm-content');
    });
  } finally {
    await close();
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
