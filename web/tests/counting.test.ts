import { readFileSync } from 'node:fs';
import type { Page } from '@playwright/test';
import { expect, open, reference, test } from './fixtures';
import { enumValue, expectSamePlot, expectSameWords, pagePlot, pageWords, type PlainPlot } from './plots';

interface FitReference { line: string; report: unknown; halfLife: number; sigma: number; secondHalfLife: number | null; secondSigma: number | null; plot: PlainPlot; residuals: PlainPlot }
interface CaseReference {
  name: string;
  start: string;
  atoms: string;
  step: string;
  unit: number;
  steps: string;
  random: boolean;
  shape: number;
  counts: number[];
  backgroundCounts: string;
  background: unknown;
  counter: unknown;
  fits: FitReference[];
  file: string;
  importedLine: string;
}
interface CountingReference {
  seed: string;
  cases: CaseReference[];
  dating: { age: number; counts: string[]; report: unknown; plot: PlainPlot };
  repeat: { counts: number[]; said: unknown; mean: string; variance: string; plot: PlainPlot };
}

const ref = reference<CountingReference>('counting');

// Half-lives from NUBASE2020 (Kondev et al., Chinese Physics C 45 (2021) 030001), in the unit each
// run is shown in: I-131 8.0249 d, C-14 5700 y, Ag-110 24.56 s, Ag-108 2.382 min and Mo-99 65.932 h.
const evaluated: Record<string, number[]> = {
  defaults: [8.0249 * 24],
  defaultsRandom: [8.0249 * 24],
  c14: [5700],
  silver: [24.56, 2.382 * 60],
  molybdenumChain: [65.932],
};

interface Hooks {
  seed: string | null;
  model(): { countingShownCounts(): Float64Array; countingRepeatCounts(): Float64Array };
}

async function openCounting(page: Page): Promise<void> {
  await open(page, '#counting');
  await page.evaluate((seed) => { (window as unknown as { atomdrift: Hooks }).atomdrift.seed = seed; }, ref.seed);
}

// The sample of a reference case, its background and its counting to the end, as fast as the page can.
async function countCase(page: Page, c: CaseReference): Promise<void> {
  if (c.start) {
    await page.locator('#cboNuclide').selectOption(c.start);
    await page.locator('#txtAtoms').fill(c.atoms);
    await page.locator('#txtStep').fill(c.step);
    await page.locator('#cboStepUnit').selectOption(String(c.unit));
    await page.locator('#txtSteps').fill(c.steps);
    await page.locator(c.random ? '#cmdRandom' : '#cmdExact').click();
    // The first member beside the colour of its curves in the nuclide lab.
    await expect(page.locator('#lstMembers label').first().locator('.swatch')).toHaveAttribute('style', /^background:rgba\(213,94,0,1\)/);
  } else {
    await page.locator('#cmdSilver').click();
  }
  await page.locator('#cmdBackground').click();
  await expect(page.locator('#lblBackground')).toContainText(`Background: ${c.backgroundCounts} counts in 600 s`);
  await page.locator('#cboSpeed').selectOption('4');
  await page.locator('#cmdStart').click();
  await expect(page.locator('#cmdPause')).toBeDisabled();
  await expect(page.locator('#lblFit')).toContainText('T½');
}

async function shownCounts(page: Page): Promise<number[]> {
  return page.evaluate(() => Array.from((window as unknown as { atomdrift: Hooks }).atomdrift.model().countingShownCounts()));
}

for (const c of ref.cases) {
  test(`${c.name}: the desktop's counts, fits and file`, async ({ page }) => {
    await openCounting(page);
    await countCase(page, c);
    expect(await shownCounts(page)).toEqual(c.counts);
    // The silver chooses two nuclides itself; the chain is the user's choice.
    if (c.shape === 2) await page.locator('#cboFitModel').selectOption('2');
    await expect(page.locator('#cboFitModel')).toHaveValue(String(c.shape));
    for (const [method, fit] of c.fits.entries()) {
      await page.locator('#cboMethod').selectOption(String(method));
      await expect(page.locator('#lblFit')).toContainText(fit.line);
      // The chart and the residuals the desktop draws with this fit: the counts to the last digits,
      // the fit to those an iterative fit in two builds agrees on, and each residual, a difference
      // in standard deviations, to a thousandth of one.
      expectSamePlot(await pagePlot(page, 'countingRatePlot', false), fit.plot, 1e-9, `${c.name} rates, fit ${method}`);
      expectSamePlot(await pagePlot(page, 'countingResidualPlot', false), fit.residuals, 1e-9, `${c.name} residuals, fit ${method}`, 1e-3);
      // The fit in the same words and numbers: its χ² at the minimum, where the two builds' iterations
      // stop a little apart, agrees to some 10⁻⁶, far below the four digits shown.
      const methodValue = enumValue(`FitMethod.${method ? 'WeightedLeastSquares' : 'PoissonLikelihood'}`);
      const shapeValue = enumValue(`FitShape.${['OneNuclide', 'TwoNuclides', 'Chain'][c.shape]}`);
      expectSameWords(await pageWords(page, 'countingFitReport', methodValue, shapeValue, false), fit.report, 1e-5, `${c.name} fit ${method} report`);
      // Against the evaluated half-lives, not the program's own: within three standard deviations.
      const fitted = [[fit.halfLife, fit.sigma], [fit.secondHalfLife, fit.secondSigma]];
      evaluated[c.name].forEach((halfLife, i) => {
        const [value, sigma] = fitted[i] as [number, number];
        expect(Math.abs(value - halfLife), `${c.name} half-life ${i + 1}`).toBeLessThan(3 * sigma);
      });
    }
    expectSameWords(await pageWords(page, 'countingBackgroundText'), c.background, 1e-12, `${c.name} background`);
    expectSameWords(await pageWords(page, 'countingCounterReport'), c.counter, 1e-12, `${c.name} counter`);
    const download = page.waitForEvent('download');
    await page.locator('#cmdExportCounts').click();
    const saved = await download;
    expect(saved.suggestedFilename()).toBe('Atomdrift counts.csv');
    expect(readFileSync(await saved.path(), 'utf8')).toBe(c.file);
  });
}

test('a hidden carbon sample dates as the desktop dates it, and shows its true age', async ({ page }) => {
  await openCounting(page);
  await page.locator('#tabpageDating').click();
  await expect(page.locator('#cmdReveal')).toBeDisabled();
  for (const line of ref.dating.counts) {
    await page.locator('#cmdCountSample').click();
    const [counts, background, ...age] = line.split(' ');
    await expect(page.locator('#lblDating')).toContainText(`${counts} counts, and ${background} of background`);
    await expect(page.locator('#lblDating')).toContainText(`Conventional radiocarbon age (Libby half-life, 5568 y): ${age.join(' ')}`);
  }
  await expect(page.locator('#lblDating')).not.toContainText('True age');
  await page.locator('#cmdReveal').click();
  const shown = ref.dating.age.toLocaleString('en-US', { maximumSignificantDigits: 6 });
  await expect(page.locator('#lblDating')).toContainText(`True age: ${shown} y.`);
  await expect(page.locator('#chartCounts')).toHaveAttribute('aria-label', /Age from each count of the sample/);
  expectSamePlot(await pagePlot(page, 'countingDatingPlot'), ref.dating.plot, 1e-12, 'the dating chart');
  expectSameWords(await pageWords(page, 'countingDatingReport'), ref.dating.report, 1e-12, 'the dating report');
});

// Too active a sample: the refusal offers the efficiency that counts it, and the counting starts with it.
test('too active a sample is offered the efficiency that counts it', async ({ page }) => {
  await openCounting(page);
  await page.locator('#cboNuclide').selectOption('Mo-99');
  await page.locator('#txtAtoms').fill('1e25');
  await page.locator('#cmdExact').click();
  await page.locator('#cmdStart').click();
  await page.locator('#cmdMessageOffer', { hasText: 'Take an efficiency of' }).click();
  expect(Number(await page.locator('#txtEfficiency').inputValue())).toBeLessThan(1e-6);
  await expect(page.locator('#cmdPause')).toBeEnabled();
});

test('repeat counts equal the desktop\'s, with their mean and variance', async ({ page }) => {
  await openCounting(page);
  await page.locator('#tabpageRepeat').click();
  await page.locator('#cmdRepeat').click();
  await expect(page.locator('#lblRepeat')).toContainText(`100 counts: mean ${ref.repeat.mean}, variance ${ref.repeat.variance}.`);
  const counts = await page.evaluate(() => Array.from((window as unknown as { atomdrift: Hooks }).atomdrift.model().countingRepeatCounts()));
  expect(counts).toEqual(ref.repeat.counts);
  expectSamePlot(await pagePlot(page, 'countingRepeatPlot'), ref.repeat.plot, 1e-12, 'the repeat counts\' chart');
  await expect(page.locator('#chartCounts')).toHaveAttribute('data-y-from', '0'); // the bars stand on the axis
  expectSameWords(await pageWords(page, 'countingRepeatText'), ref.repeat.said, 1e-12, 'the repeat counts\' words');
  // Counts too long for the counts allowed: the longest that stays within them is offered, and counted.
  await page.locator('#txtRepeatRate').fill('3e6');
  await page.locator('#txtRepeatTime').fill('10');
  await page.locator('#cmdRepeat').click();
  await page.locator('#cmdMessageOffer', { hasText: 'Count for 3.3 s' }).click();
  await expect(page.locator('#txtRepeatTime')).toHaveValue('3.3');
  await expect(page.locator('#lblRepeat')).toContainText('100 counts: mean 9.9'); // 3e6 a second for 3.3 s
});

test('the loudspeaker clicks through an AudioContext while the sound is on, and not when it is off', async ({ page }) => {
  await page.addInitScript(() => {
    const counter = { contexts: 0, sounds: 0 };
    (window as unknown as { audioUse: typeof counter }).audioUse = counter;
    const Original = window.AudioContext;
    window.AudioContext = class extends Original {
      constructor(options?: AudioContextOptions) { super(options); counter.contexts += 1; }
      createBufferSource(): AudioBufferSourceNode { counter.sounds += 1; return super.createBufferSource(); }
    };
  });
  await openCounting(page);
  const use = () => page.evaluate(() => (window as unknown as { audioUse: { contexts: number; sounds: number } }).audioUse);
  await page.locator('#cmdSilver').click();
  await page.locator('#cboSpeed').selectOption('1'); // 10 steps of 1 s a second, some 30 counts each
  await page.locator('#chkSound').check();
  await page.locator('#cmdStart').click();
  await expect.poll(async () => (await use()).sounds).toBeGreaterThan(3);
  expect((await use()).contexts).toBe(1);
  await expect(page.locator('#lblLamp[data-lit="true"]')).toHaveCount(1);
  await page.locator('#chkSound').uncheck();
  const muted = (await use()).sounds;
  await expect(page.locator('#lblRate')).toContainText('intervals counted');
  await page.waitForTimeout(400); // frames go on counting while muted
  expect((await use()).sounds).toBe(muted);
  await page.locator('#cmdPause').click();
  await expect(page.locator('#cmdPause')).toHaveText('Resume');
  await expect(page.locator('#lblLamp')).toHaveAttribute('data-lit', 'false');
});

// A step's lamp is put out by a timer. Its time is read from the timer that puts it out, since a busy
// machine runs timers late; the lamp's real time from the press can only be longer.
for (const [motion, shortest, longest] of [['no-preference', 30, 300], ['reduce', 450, 1500]] as const) {
  test(`a step lights the lamp for ${shortest} to ${longest} ms with reduced motion ${motion}`, async ({ page }) => {
    await page.addInitScript(() => {
      const original = window.setTimeout.bind(window);
      const record = window as unknown as { darkAfter?: number };
      window.setTimeout = ((handler: () => void, delay?: number) => original(() => {
        const lit = document.getElementById('lblLamp')?.dataset.lit === 'true';
        handler();
        if (lit && document.getElementById('lblLamp')?.dataset.lit === 'false') record.darkAfter = delay;
      }, delay)) as typeof window.setTimeout;
    });
    await page.emulateMedia({ reducedMotion: motion });
    await openCounting(page);
    await page.locator('#cmdSilver').click();
    await page.locator('#cmdStep').click();
    await expect(page.locator('#lblRate')).toContainText('t = 1 of 600 s; 1 intervals counted.');
    await expect(page.locator('#lblLamp')).toHaveAttribute('data-lit', 'false');
    const darkAfter = await page.evaluate(() => (window as unknown as { darkAfter?: number }).darkAfter);
    expect(darkAfter).toBeGreaterThan(shortest);
    expect(darkAfter).toBeLessThan(longest);
  });
}

test('counts of the page\'s own file come back in, and a broken file is refused with its line', async ({ page }) => {
  await openCounting(page);
  const exported = ref.cases.find((c) => c.name === 'defaults')!.file;
  const give = async (name: string, text: string) => {
    const chooser = page.waitForEvent('filechooser');
    await page.locator('#cmdImport').click();
    await (await chooser).setFiles({ name, mimeType: 'text/csv', buffer: Buffer.from(text) });
  };
  await give('iodine.csv', exported);
  await expect(page.locator('#lblRate')).toHaveText('Counts imported from iodine.csv.');
  // The background column is taken as known, as the desktop takes it.
  await expect(page.locator('#lblFit')).toContainText(ref.cases.find((c) => c.name === 'defaults')!.importedLine);
  await expect(page.locator('#cmdExportCounts')).toBeDisabled();
  const lines = exported.split('\n');
  lines[2] = lines[2].replace(/[0-9]+/, 'forty'); // a word for a number in the file's third line
  await give('broken.csv', lines.join('\n'));
  await expect(page.locator('#messageDialog')).toContainText('The counts were not imported from broken.csv.');
  await expect(page.locator('#messageDialog')).toContainText('3');
  await page.locator('#cmdMessageOk').click();
  await expect(page.locator('#lblRate')).toHaveText('Counts imported from iodine.csv.');
});

test('bad entries are refused with a message, and the entries survive a change of language', async ({ page }) => {
  const cases = [
    ['#txtEfficiency', '2'],
    ['#txtEfficiency', 'abc'],
    ['#txtInterval', '0'],
    ['#txtDeadTime', '-5'],
  ];
  await openCounting(page);
  await page.locator('#cmdSilver').click();
  for (const [id, value] of cases) {
    const before = await page.locator(id).inputValue();
    await page.locator(id).fill(value);
    await page.locator('#cmdStart').click();
    await expect(page.locator('#messageDialog'), `${id} = ${value}`).toBeVisible();
    await page.locator('#cmdMessageOk').click();
    await page.locator(id).fill(before);
  }
  await page.locator('#cboDetector').selectOption('1');
  await expect(page.locator('#txtDeadTime')).toHaveValue('100');
  await page.locator('#cboLanguage').selectOption('de');
  await expect(page.locator('#txtDeadTime')).toHaveValue('100');
  await expect(page.locator('#lblSample')).toContainText('300');
  await expect(page.locator('#tabpageCounting')).not.toHaveText('Counting');
});

test('the page works at 360 px and every control has a name', async ({ page }) => {
  await page.setViewportSize({ width: 360, height: 800 });
  await openCounting(page);
  await page.locator('#cmdSilver').click();
  const width = await page.evaluate(() => document.documentElement.scrollWidth);
  expect(width).toBeLessThanOrEqual(360);
  const unnamed = await page.evaluate(() => Array.from(document.querySelectorAll('#page button, #page input, #page select'))
    .filter((e) => !(e.getAttribute('aria-label') || e.textContent?.trim() || document.querySelector(`label[for="${e.id}"]`)))
    .map((e) => e.id));
  expect(unnamed).toEqual([]);
});

test('the printed worksheet shows the entries, the count rate, the fit and the questions, not the controls', async ({ page }) => {
  await openCounting(page);
  await page.locator('#cmdSilver').click();
  await page.locator('#cmdBackground').click();
  await page.locator('#cboSpeed').selectOption('4');
  await page.locator('#cmdStart').click();
  await expect(page.locator('#lblFit')).toContainText('T½');
  await expect(page.locator('#worksheet')).toBeHidden();
  await page.emulateMedia({ media: 'print' });
  await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  await expect(page.locator('#worksheetSource')).toContainText('Efficiency 0.1, background 0.5 per second, dead time 0 µs (non-paralysable). Fit model: Two nuclides.');
  await expect(page.locator('#worksheetFit')).toHaveText(await page.locator('#lblFit').textContent() ?? '');
  await expect(page.locator('#worksheet li')).toHaveCount(3);
  await expect(page.locator('#chartCounts canvas')).toBeVisible();
  for (const id of ['#cmdStart', '#frmDetector', '#chartResiduals']) await expect(page.locator(id)).toBeHidden();
});

test('a run on a logarithmic grid, as the nuclide lab hands one over, is counted on its own times', async ({ page }) => {
  await openCounting(page);
  const info = await page.evaluate(() => {
    const m = (window as unknown as { atomdrift: { model(): Record<string, (...a: unknown[]) => unknown> } }).atomdrift.model();
    const texts = { start: 'Mo-99', initial: ['1000000'], grid: 1, step: '', unit: 0, steps: '', first: '1', firstUnit: 2, last: '10', lastUnit: 3,
      perDecade: '10', random: false, decimalPoint: '.' };
    const run = m.countingRunTable(texts, '1') as { ok: boolean };
    return { run, sample: m.countingSampleInfo() as { grid: boolean; unit: string; steps: number; last: number } };
  });
  expect(info.run.ok).toBe(true);
  expect(info.sample).toMatchObject({ grid: true, unit: 'd', last: 10 * 86400 });
});

// The counter takes the nuclide lab's own run, so a chain typed there is counted as it ran.
test('a chain typed in the nuclide lab is counted as the lab ran it', async ({ page }) => {
  await open(page, '#nuclides');
  const custom = await page.locator('#cboNuclide option').last().getAttribute('value');
  await page.locator('#cboNuclide').selectOption(custom!);
  await page.locator('#cmdExact').click();
  await expect(page.locator('#cmdCounter')).toBeEnabled();
  const ran = await page.evaluate(() => (window.atomdrift.model() as { labSeries(): { times: Float64Array } }).labSeries().times.length);
  await page.locator('#cmdCounter').click();
  await expect(page).toHaveURL(/#counting$/);
  const sample = await page.evaluate(() => (window.atomdrift.model() as { countingSampleInfo(): { steps: number } | null }).countingSampleInfo());
  expect(sample?.steps).toBe(ran - 1);
  await page.locator('#cboSpeed').selectOption('4');
  await page.locator('#cmdStart').click();
  await expect(page.locator('#cmdPause')).toBeDisabled();
  await expect(page.locator('#lblFit')).toContainText('T½');
});
