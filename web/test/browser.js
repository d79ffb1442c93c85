// Debian's Chromium, headless, as the page's checks drive it: a fresh
// profile each time, nothing fetched in the background, the page from the
// disk with the network off.
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const CHROMIUM = process.env.ZOLT_CHROMIUM || '/usr/bin/chromium';

async function launch(language = 'en-US') {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zolt-page-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    args: [
      // Chromium will not sandbox itself as root (CI, containers).
      '--no-sandbox',
      '--disable-gpu',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--no-first-run',
      '--enable-precise-memory-info',
      `--lang=${language}`,
    ],
  });
  const close = async () => {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { browser, close };
}

// A tab with the page opened from the disk, offline; every request it makes
// is noted in `requests`. `before` runs in the page before its own script.
async function openPage(browser, file, { language, hash = '', before } = {}) {
  const page = await browser.newPage();
  const requests = [];
  const errors = [];
  page.on('request', (request) => requests.push(request.url()));
  page.on('pageerror', (error) => errors.push(error.message));
  await page.setOfflineMode(true);
  await page.setViewport({ width: 1400, height: 800 });
  if (language) {
    await page.evaluateOnNewDocument((languages) => {
      Object.defineProperty(navigator, 'languages', { get: () => languages });
    }, [language]);
  }
  if (before) await page.evaluateOnNewDocument(before);
  await page.goto(`file://${path.resolve(file)}${hash}`);
  await page.waitForSelector('body[data-ready]', { timeout: 20000 });
  return { page, requests, errors };
}

module.exports = { launch, openPage };
