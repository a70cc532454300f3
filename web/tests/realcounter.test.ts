// A real counter through the sound input: Chromium takes its microphone from a file made here, the
// clicks of a decaying source at known times, and the page listens through the AudioWorklet's
// detector; the counts and the fitted half-life must agree with the source within their
// statistical bounds. A recording of the same clicks opened as a file gives the same pulses.
import { writeFileSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { expect, open, referenceDir, test } from './fixtures';
import { readFileSync } from 'node:fs';

const rate = 48000;
const seconds = 24;
const halfLife = 6; // s
const initial = 120; // counts a second at the start
const holdOff = 0.5e-3;

// A small generator of its own, so that the file is the same every run.
function mulberry32(seed: number): () => number {
  return () => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Poisson times of a rate falling as 2^(-t / halfLife), by thinning a constant rate.
function clickTimes(random: () => number): number[] {
  const times: number[] = [];
  for (let t = 0; ;) {
    t += -Math.log(1 - random()) / initial;
    if (t >= seconds) return times;
    if (random() < Math.pow(2, -t / halfLife)) times.push(t);
  }
}

// 16-bit mono WAV: each click a fast rise and a 100 µs fall, alternating a little in height, over
// a quiet hiss and a mains hum.
function clickFile(times: number[], random: () => number, length = seconds): Buffer {
  const samples = new Float32Array(rate * length);
  for (let i = 0; i < samples.length; ++i) {
    const gauss = Math.sqrt(-2 * Math.log(1 - random())) * Math.cos(2 * Math.PI * random());
    samples[i] = 0.004 * gauss + 0.01 * Math.sin((2 * Math.PI * 50 * i) / rate);
  }
  for (const t of times) {
    const height = 0.45 + 0.1 * random();
    const start = Math.ceil(t * rate);
    for (let k = 0; k < 0.002 * rate && start + k < samples.length; ++k) {
      const after = (start + k) / rate - t;
      samples[start + k] += height * (1 - Math.exp(-after / 10e-6)) * Math.exp(-after / 100e-6);
    }
  }
  const data = Buffer.alloc(samples.length * 2);
  samples.forEach((s, i) => data.writeInt16LE(Math.max(-32768, Math.min(32767, Math.round(s * 32767))), i * 2));
  return Buffer.concat([wavHeader(rate, 16, data.length), data]);
}

// A mono PCM WAV file's header.
function wavHeader(sampleRate: number, bits: number, bytes: number): Buffer {
  const header = Buffer.alloc(44);
  header.write('RIFF', 0);
  header.writeUInt32LE(36 + bytes, 4);
  header.write('WAVEfmt ', 8);
  header.writeUInt32LE(16, 16);
  header.writeUInt16LE(1, 20);
  header.writeUInt16LE(1, 22);
  header.writeUInt32LE(sampleRate, 24);
  header.writeUInt32LE((sampleRate * bits) / 8, 28);
  header.writeUInt16LE(bits / 8, 32);
  header.writeUInt16LE(bits, 34);
  header.write('data', 36);
  header.writeUInt32LE(bytes, 40);
  return header;
}

const random = mulberry32(20261209);
const times = clickTimes(random);
const folder = mkdtempSync(join(tmpdir(), 'atomdrift-counter-'));
const wav = join(folder, 'clicks.wav');
writeFileSync(wav, clickFile(times, random));
const firstTen = join(folder, 'first-ten-seconds.wav');
writeFileSync(firstTen, clickFile(times.filter((t) => t < 10), random, 10));

test.use({
  launchOptions: {
    executablePath: '/usr/bin/chromium',
    args: ['--use-fake-device-for-media-stream', '--use-fake-ui-for-media-stream', `--use-file-for-fake-audio-capture=${wav}`, '--autoplay-policy=no-user-gesture-required'],
  },
});

// The fit's half-life and its uncertainty from the lab's text "... 6.1 ± 0.3 s ...".
function fitted(text: string): { value: number; sigma: number } {
  const m = /([0-9.]+) ± ([0-9.]+) s/.exec(text.replace(/,/g, ''));
  expect(m, text).not.toBeNull();
  return { value: Number(m![1]), sigma: Number(m![2]) };
}

test('a recording of clicks: every pulse found, the half-life fitted', async ({ page }) => {
  await open(page, '#counting');
  await page.locator('#optRealCounter').check();
  await page.locator('#txtHoldOff').fill('0.5');
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.locator('#cmdOpenRecording').click()]);
  await chooser.setFiles(wav);
  await expect(page.locator('#lblFit')).toContainText('±');
  const found = Number((await page.locator('#lblLiveCount').textContent())!.replace(/[^0-9]/g, ''));
  // The clicks lost to the hold-off: those within 0.5 ms after one counted, about n tau of them.
  let expected = 0, last = -1;
  for (const t of times) if (t - last >= holdOff) { ++expected; last = t; }
  expect(Math.abs(found - expected)).toBeLessThanOrEqual(Math.max(2, 0.005 * expected));
  const fit = fitted((await page.locator('#lblFit').textContent())!);
  expect(Math.abs(fit.value - halfLife)).toBeLessThanOrEqual(4 * fit.sigma);
  // Its 24 one-second intervals go to the dispersion test as repeat counts.
  await page.locator('#cmdRecordedRepeats').click();
  await expect(page.locator('#lblRepeat')).toContainText('24 counts');

  // Dated as a carbon sample: not against itself as the background; its first 10 s, opened
  // after it, against the whole.
  await page.locator('#tabpageCounting').click();
  await page.locator('#cmdRecordedBackground').click();
  await page.locator('#tabpageDating').click();
  await page.locator('#cmdDateRecording').click();
  await expect(page.locator('#messageDialog')).toContainText('The background and the sample are the same recording');
  await page.locator('#cmdMessageOk').click();
  await page.locator('#tabpageCounting').click();
  const [first] = await Promise.all([page.waitForEvent('filechooser'), page.locator('#cmdOpenRecording').click()]);
  await first.setFiles(firstTen);
  await expect(page.locator('#lblLiveRate')).toContainText('in 10 s');
  await page.locator('#tabpageDating').click();
  await page.locator('#cmdDateRecording').click();
  await expect(page.locator('#lblDating')).toContainText('in the time the counter was live');
});

// Two hours of a counter at 8 kHz in 8 bits (58 MB), read a piece at a time: every click counted.
test('a recording of two hours', async ({ page }) => {
  test.setTimeout(180_000);
  const hours = 2, slow = 8000, every = 2; // a click about every 2 s
  const random = mulberry32(7);
  const sound = Buffer.alloc(hours * 3600 * slow);
  for (let i = 0; i < sound.length; ++i)
    sound[i] = 128 + Math.round(2 * (random() - 0.5) + 6 * Math.sin((2 * Math.PI * 50 * i) / slow));
  let placed = 0;
  for (let t = every * random(); t < hours * 3600 - 0.01; t += every * (0.5 + random())) {
    ++placed;
    const start = Math.ceil(t * slow);
    for (let k = 0; k < 16; ++k) sound[start + k] = Math.min(255, sound[start + k] + Math.round(60 * Math.exp(-k / 4)));
  }
  const long = join(folder, 'two-hours.wav');
  writeFileSync(long, Buffer.concat([wavHeader(slow, 8, sound.length), sound]));
  await open(page, '#counting');
  await page.locator('#optRealCounter').check();
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.locator('#cmdOpenRecording').click()]);
  await chooser.setFiles(long);
  await expect(page.locator('#lblLiveRate')).toContainText(/in 7,200(\.0)? s/, { timeout: 150_000 });
  const found = Number((await page.locator('#lblLiveCount').textContent())!.replace(/[^0-9]/g, ''));
  expect(found).toBe(placed);

  // Opened again and cancelled on the way: the pulses read so far are counted.
  const [again] = await Promise.all([page.waitForEvent('filechooser'), page.locator('#cmdOpenRecording').click()]);
  await again.setFiles(long);
  await expect.poll(() => page.locator('#barRecording').evaluate((bar) => (bar as HTMLProgressElement).value)).toBeGreaterThan(0);
  await page.locator('#cmdCancelRecording').click();
  await expect(page.locator('#barRecording')).toHaveCount(0);
  const read = Number(/in ([0-9,.]+) s/.exec((await page.locator('#lblLiveRate').textContent())!)![1].replace(/,/g, ''));
  expect(read).toBeGreaterThan(0);
  expect(read).toBeLessThan(hours * 3600);
  const kept = Number((await page.locator('#lblLiveCount').textContent())!.replace(/[^0-9]/g, ''));
  expect(Math.abs(kept - read / every)).toBeLessThanOrEqual(5 * Math.sqrt(read / every) + 2);
});

// The desktop's reader and detector found these times in the same file (tests/web/PulseReference.cpp):
// the browser's decoder and the page's detector must find them to the microsecond.
test('a recording gives the desktop\'s pulse times', async ({ page }) => {
  await open(page, '#counting');
  await page.locator('#optRealCounter').check();
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.locator('#cmdOpenRecording').click()]);
  await chooser.setFiles(join(referenceDir, 'clicks.wav'));
  await expect(page.locator('#lblFit')).toContainText('±');
  const [download] = await Promise.all([page.waitForEvent('download'), page.locator('#cmdExportPulseTimes').click()]);
  const saved = join(folder, 'pulses.csv');
  await download.saveAs(saved);
  expect(readFileSync(saved, 'utf8')).toBe(readFileSync(join(referenceDir, 'clicks.pulses.csv'), 'utf8'));
});

test('live through the fake microphone: counts and half-life within their bounds', async ({ page }) => {
  test.setTimeout(90_000);
  await open(page, '#counting');
  await page.locator('#optRealCounter').check();
  await page.locator('#cmdListen').click();
  await expect(page.locator('#cmdStopListening')).toBeEnabled();
  await page.waitForTimeout((seconds - 2) * 1000);
  await page.locator('#cmdStopListening').click();
  await expect(page.locator('#lblFit')).toContainText('±');
  const found = Number((await page.locator('#lblLiveCount').textContent())!.replace(/[^0-9]/g, ''));
  // The fake device starts the file when the page starts listening; the page listened about
  // seconds - 2 s of it. Expected counts of that stretch, with five standard deviations about them.
  const heard = await page.evaluate(() => (document.getElementById('lblLiveRate')?.textContent ?? ''));
  const listened = Number(/in ([0-9.]+) s/.exec(heard)?.[1] ?? 'NaN');
  expect(listened).toBeGreaterThan(seconds / 2);
  const within = times.filter((t) => t < listened).length;
  expect(Math.abs(found - within)).toBeLessThanOrEqual(5 * Math.sqrt(within) + 5);
  const fit = fitted((await page.locator('#lblFit').textContent())!);
  expect(Math.abs(fit.value - halfLife)).toBeLessThanOrEqual(4 * fit.sigma);
});
