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

// A fresh page with "Open lesson..." open: no lesson, table or run left over from the time before.
async function openLessonsFresh() {
  await page.goto('about:blank');
  await page.goto(pathToFileURL(file).href + '#run');
  await page.waitForSelector('body[data-ready="yes"]');
  await page.click('#cmdOpenLesson');
}

// Opening each example lesson, its run included: from the click on its button in "Open
// lesson..." to the part drawn with the lesson's set-up and the panel beside it, and every
// expected answer of a student computed, which runs the part with the student's seed as the
// marking does. Best of five, milliseconds, by the lesson's file name.
result.openLesson = {};
const examples = await page.evaluate(() => window.ATOMDRIFT_DATA.lessons.map((l) => l.name));
for (const [i, name] of examples.entries()) {
  let best = Infinity;
  for (let k = 0; k < 5; ++k) {
    await openLessonsFresh();
    best = Math.min(best, await page.evaluate(async (n) => {
      const m = window.atomdrift.model();
      const start = performance.now();
      document.getElementById(`cmdExampleLesson${n}`).click();
      const view = m.openLessonView('en');
      for (let step = 0; step < view.steps.length; ++step) m.lessonExpected(step);
      await new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0))); // drawn
      if (!document.getElementById('lessonPanel')) throw new Error('no lesson panel');
      return performance.now() - start;
    }, i + 1));
  }
  result.openLesson[name.replace(/\.atomdrift$/, '')] = best;
}

// Collecting the hand-ins of a class of 30 for the class experiment's example: the files
// dropped on "Collect hand-ins...", read, marked against each student's own runs, pooled, and
// the table and the class's chart drawn. Best of five, milliseconds.
{
  let best = Infinity;
  for (let k = 0; k < 5; ++k) {
    await openLessonsFresh();
    await page.click('#lstExampleLessons button:has-text("dice")');
    await page.click('#cmdCollect');
    best = Math.min(best, await page.evaluate(async () => {
      const m = window.atomdrift.model();
      const steps = m.openLessonView('en').steps.length;
      const files = [];
      for (let i = 1; i <= 30; ++i) {
        const answers = [...Array(steps).keys()].map((step) => ({ step, number: 1, choice: null, text: '' }));
        const handIn = m.lessonHandIn(`Student ${i}`, answers, '');
        files.push(new File([handIn.text], handIn.fileName, { type: 'application/json' }));
      }
      const transfer = new DataTransfer();
      for (const f of files) transfer.items.add(f);
      const start = performance.now();
      const shown = new Promise((done) => {
        const watch = new MutationObserver(() => {
          if (document.querySelectorAll('#tblMarks tbody tr').length === 30 && document.querySelector('#chartCollection canvas')) { watch.disconnect(); done(); }
        });
        watch.observe(document.body, { childList: true, subtree: true });
      });
      document.getElementById('collectDialog').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
      await shown;
      await new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));
      return performance.now() - start;
    }));
  }
  result.collect30 = best;
}
// The atoms of the nuclide lab's random run of a million atoms of the default nuclide: frames a
// second while playing (each a step on, the square painted into a canvas of 1000 x 1000 pixels,
// one an atom), and the longest jump in time to an end and back, with its frame. Best of three.
{
  await page.goto('about:blank');
  await page.goto(pathToFileURL(file).href + '#nuclides');
  await page.waitForSelector('body[data-ready="yes"]');
  await page.selectOption('#cboAmountUnit1', '0');
  await page.fill('#txtAtoms1', '1000000');
  await page.click('#cmdRandom');
  await page.waitForFunction(() => !document.querySelector('#cmdCancel:not([hidden])') && document.querySelector('#cmdExport:not([disabled])'), null, { timeout: 600_000 });
  const atoms = await page.evaluate(() => {
    const m = window.atomdrift.model();
    const opened = m.openLabAtoms('1');
    const canvas = document.createElement('canvas');
    document.body.append(canvas);
    const layout = m.atomsLayout(1000, 1000);
    canvas.width = layout.width;
    canvas.height = layout.height;
    const context = canvas.getContext('2d');
    const frame = (step) => {
      m.setAtomsStep(step);
      const bytes = m.atomsFrame(1000, 1000);
      context.putImageData(new ImageData(new Uint8ClampedArray(bytes), layout.width, layout.height), 0, 0);
    };
    let fps = 0, jump = Infinity;
    for (let k = 0; k < 3; ++k) {
      const start = performance.now();
      for (let s = 0; s < 120; ++s) frame(s % (opened.steps + 1));
      fps = Math.max(fps, 120 / ((performance.now() - start) / 1000));
      const t0 = performance.now();
      frame(opened.steps);
      frame(0);
      jump = Math.min(jump, (performance.now() - t0) / 2);
    }
    return { atoms: opened.atoms, steps: opened.steps, framesPerSecond: fps, jumpMs: jump };
  });
  result.atomsView = atoms;
}
// The real counter's detector in the page, as the audio thread runs it: a minute of 48 kHz sound
// (noise and 100 clicks a second) in blocks of 128 samples, through the detector's own module.
// Milliseconds for the minute, best of three; the share of one core is that over 60 s.
result.pulseMinuteMs = await page.evaluate(async () => {
  const bytes = Uint8Array.from(atob(window.ATOMDRIFT_DATA.pulses), (c) => c.charCodeAt(0));
  const { instance } = await WebAssembly.instantiate(bytes, { env: { emscripten_notify_memory_growth: () => undefined }, wasi_snapshot_preview1: { proc_exit: () => { throw new Error('exit'); } } });
  const x = instance.exports;
  x._initialize();
  const samples = new Float32Array(48000 * 60);
  let seed = 1;
  const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
  for (let i = 0; i < samples.length; ++i) samples[i] = 0.004 * (random() - 0.5) + (i % 480 < 8 ? 0.4 * Math.exp(-(i % 480) / 4.8) : 0);
  let best = Infinity;
  for (let k = 0; k < 3; ++k) {
    x.pulsesStart(48000, 6, 0.5e-3);
    const start = performance.now();
    for (let at = 0; at < samples.length; at += 128) {
      new Float32Array(x.memory.buffer, x.pulsesInput(128), 128).set(samples.subarray(at, at + 128));
      x.pulsesProcess(at, 0);
    }
    best = Math.min(best, performance.now() - start);
  }
  return best;
});
result.cores = await page.evaluate(() => navigator.hardwareConcurrency);
await browser.close();
console.log(JSON.stringify(result));
