// The page's speed, measured in headless Chromium: the time from opening the file to a working
// page, and the benchmarks the page offers on window.atomdrift.benchmarks (milliseconds). Prints
// one JSON object.   node scripts/bench.mjs <page.html>
import { chromium } from 'playwright-core';
import { statSync } from 'node:fs';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const file = resolve(process.argv[2] ?? '../build-web/atomdrift.html');
const browser = await chromium.launch({
  executablePath: process.env.ATOMDRIFT_CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
const page = await browser.newPage();
const result = { fileBytes: statSync(file).size, readyMs: [] };
for (let i = 0; i < 5; ++i) {
  await page.goto('about:blank');
  await page.goto(pathToFileURL(file).href + '#run');
  await page.waitForSelector('body[data-ready="yes"]');
  result.readyMs.push(await page.evaluate(() => window.atomdrift.readyMs));
}
const names = await page.evaluate(() => Object.keys(window.atomdrift.benchmarks));
for (const name of names) result[name] = await page.evaluate((n) => window.atomdrift.benchmarks[n](), name);
result.cores = await page.evaluate(() => navigator.hardwareConcurrency);
await browser.close();
console.log(JSON.stringify(result));
