import { readFileSync } from 'node:fs';
import type { Page } from '@playwright/test';
import { expect, open, reference, test } from './fixtures';
import { enumValue, expectSamePlot, expectSameWords, pagePlot, pageWords, type PlainPlot } from './plots';

interface LabCase {
  name: string; start: string; defaults: boolean; grid: number; step: string; unit: number; steps: string;
  amountUnit: number; amount: string; random: boolean; seed: string; milkStep: string; milkMember: number;
  members: string[]; atoms?: number[][]; file?: string; error?: { pattern: string; text: string; numbers: boolean };
  plots?: { view: { kind: string; daughter: number }; plot: PlainPlot }[]; // the view's kind by its name
  status?: unknown;
  equilibrium?: unknown;
}

interface PageSeries { times: number[]; atoms: number[][] }
// The page's test hooks (testing.ts): the model the page runs on, and the seed of its random runs.
type Hooks = { atomdrift: { model(): unknown; seed: string | null } };

const cases = reference<LabCase[]>('lab');
const byName = (name: string) => cases.find((c) => c.name === name)!;

// Within 1e-12 of the larger magnitude: the same computation in WebAssembly and natively, with
// libraries whose exp and log may differ in the last bit.
function expectClose(actual: number[], expected: number[], what: string): void {
  expect(actual.length, `${what}: points`).toBe(expected.length);
  actual.forEach((a, k) => {
    const e = expected[k];
    const bound = 1e-12 * Math.max(Math.abs(a), Math.abs(e));
    if (!(Math.abs(a - e) <= bound)) throw new Error(`${what} at step ${k}: ${a} against ${e}`);
  });
}

async function chooseStart(page: Page, start: string): Promise<void> {
  const value = start === ''
    ? await page.locator('#cboNuclide option').last().getAttribute('value')
    : await page.locator('#cboNuclide option', { hasText: `(${start})` }).getAttribute('value');
  await page.locator('#cboNuclide').selectOption(value!);
}

// A chain the lab does not offer is picked on the chart of nuclides, by search and the keyboard.
async function pickOnChart(page: Page, search: string): Promise<void> {
  await page.locator('#cmdChart').click();
  await page.locator('#txtSearch').fill(search);
  await page.locator('#txtSearch').press('Enter');
  await page.locator('#picChart').focus();
  await page.keyboard.press('Enter');
  await expect(page.locator('#cboNuclide')).toBeVisible();
}

async function enter(page: Page, c: LabCase): Promise<void> {
  if (c.start === '' || (await page.locator('#cboNuclide option', { hasText: `(${c.start})` }).count()) > 0) await chooseStart(page, c.start);
  else await pickOnChart(page, c.start);
  if (c.start === '') for (const id of ['#cboUnit1', '#cboUnit2']) await page.locator(id).selectOption('0');
  if (c.defaults) return;
  await page.locator('#cboGrid').selectOption(String(c.grid));
  await page.locator('#txtStep').fill(c.step);
  await page.locator('#cboStepUnit').selectOption(String(c.unit));
  await page.locator('#txtSteps').fill(c.steps);
  await page.locator('#cboAmountUnit1').selectOption(String(c.amountUnit));
  await page.locator('#txtAtoms1').fill(c.amount);
}

async function run(page: Page, c: LabCase): Promise<void> {
  await page.evaluate((seed) => { (window as unknown as Hooks).atomdrift.seed = seed || null; }, c.seed);
  if (c.milkStep) {
    await page.locator('#cboMilk').selectOption(String(c.milkMember));
    await page.locator('#txtMilkStep').fill(c.milkStep);
    await page.locator('#cmdMilk').click();
  } else {
    await page.locator(c.random ? '#cmdRandom' : '#cmdExact').click();
  }
}

function series(page: Page): Promise<PageSeries> {
  return page.evaluate(() => {
    const s = ((window as unknown as Hooks).atomdrift.model() as { labSeries(): { times: Float64Array; atoms: Float64Array[] } }).labSeries();
    return { times: Array.from(s.times), atoms: s.atoms.map((a) => Array.from(a)) };
  });
}

async function exported(page: Page): Promise<Buffer> {
  const [download] = await Promise.all([page.waitForEvent('download'), page.locator('#cmdExport').click()]);
  return readFileSync((await download.path())!);
}

test.describe('runs equal the desktop\'s', () => {
  for (const c of cases.filter((c) => !c.error)) {
    test(`${c.name}: values and exported file`, async ({ page }) => {
      await open(page, '#nuclides');
      await enter(page, c);
      await run(page, c);
      await expect(page.locator('#cmdExport')).toBeEnabled();
      const values = await series(page);
      expect(values.atoms.length).toBe(c.members.length);
      values.atoms.forEach((atoms, i) => {
        if (c.random) expect(atoms, c.members[i]).toEqual(c.atoms![i]);
        else expectClose(atoms, c.atoms![i], c.members[i]);
      });
      for (const { view, plot } of c.plots!)
        expectSamePlot(await pagePlot(page, 'labPlot', { run: true, ...view, kind: enumValue(`LabViewKind.${view.kind}`) }), plot, 1e-12,
          `${c.name} ${JSON.stringify(view)}`);
      // The status line and the equilibrium in the same words and numbers (to the last digits: a
      // peak time is searched for).
      expectSameWords(await pageWords(page, 'labStatusReport', await page.locator('#txtStep').inputValue()), c.status, 1e-12, `${c.name} status`);
      if (c.equilibrium)
        expectSameWords(await pageWords(page, 'labEquilibriumText', c.plots![2].view.daughter, 0), c.equilibrium, 1e-9, `${c.name} equilibrium`);
      const file = await exported(page);
      expect(file.equals(Buffer.from(c.file!, 'utf8')), 'the exported file byte for byte').toBe(true);
      await expect(page.locator('#chartLab canvas')).toHaveCount(1);
    });
  }
});

test('entries the model refuses show its message and run nothing', async ({ page }) => {
  await open(page, '#nuclides');
  for (const c of cases.filter((c) => c.error)) {
    await enter(page, c);
    await run(page, c);
    await expect(page.locator('#messageDialog p')).toHaveText(c.error!.text);
    await page.locator('#cmdMessageOk').click();
    await expect(page.locator('#cmdExport')).toBeDisabled();
  }
});

// Too many steps: the refusal offers the same span in longer steps (6,000.6 h in steps of 0.61 h),
// and taken, they run.
test('a refusal offers the change that takes its cause away', async ({ page }) => {
  await open(page, '#nuclides');
  await chooseStart(page, 'Mo-99');
  await page.locator('#txtSteps').fill('10001');
  await page.locator('#cmdExact').click();
  await expect(page.locator('#messageDialog p')).toHaveText('The number of steps must be a whole number from 1 to 10000.');
  await page.locator('#cmdMessageOffer', { hasText: 'Take 9,837 steps of 0.61 h' }).click();
  await expect(page.locator('#txtStep')).toHaveValue('0.61');
  await expect(page.locator('#txtSteps')).toHaveValue('9837');
  await expect(page.locator('#cmdExport')).toBeEnabled();
});

// Mo-99 -> Tc-99m in closed form (Bateman's two-member solution), the daughter fed by the
// branch b: N_B = b N0 lambda_A / (lambda_B - lambda_A) * (e^(-lambda_A t) - e^(-lambda_B t)),
// the difference written with expm1 so that it keeps its digits at small t.
test('Tc-99m grows into its parent as Bateman\'s solution says, on a step of 0.1 h', async ({ page }) => {
  const c = byName('mo99');
  await open(page, '#nuclides');
  await enter(page, c);
  await run(page, c);
  const values = await series(page);
  const data = await page.evaluate(() => {
    const m = (window as unknown as Hooks).atomdrift.model() as {
      labNuclide(s: string): { halfLife: number };
      labChooseTable(s: string, t: number): { chain: { links: { parent: number; daughter: number; fraction: number }[] } };
    };
    const links = m.labChooseTable('Mo-99', 1e-6).chain.links;
    return { a: m.labNuclide('Mo-99').halfLife, b: m.labNuclide('Tc-99m').halfLife, fraction: links.find((l) => l.parent === 0 && l.daughter === 1)!.fraction };
  });
  const la = Math.LN2 / data.a, lb = Math.LN2 / data.b, n0 = Number(c.amount);
  expect(values.times[1]).toBeCloseTo(0.1, 15);
  const parent = values.times.map((h) => n0 * Math.exp(-la * h * 3600));
  const daughter = values.times.map((h) => {
    const t = h * 3600;
    return (data.fraction * n0 * la / (lb - la)) * -Math.exp(-la * t) * Math.expm1(-(lb - la) * t);
  });
  expectClose(values.atoms[0], parent, 'Mo-99');
  expectClose(values.atoms[1].slice(1), daughter.slice(1), 'Tc-99m');
  await page.locator('#optRatio').check();
  await expect(page.locator('#lblEquilibrium')).toContainText('Transient equilibrium: Mo-99');
  // The ratio's limit b lambda_B / (lambda_B - lambda_A), to the four digits the text gives.
  const limit = (data.fraction * lb) / (lb - la);
  await expect(page.locator('#lblEquilibrium')).toContainText(`A(Tc-99m)/A(Mo-99) settles at ${+limit.toPrecision(4)}`);
});

test.describe('the chart of nuclides', () => {
  test('is drawn, described, and moves its choice with the keyboard into the lab', async ({ page }) => {
    await open(page, '#nuclides');
    await page.locator('#cmdChart').click();
    const map = page.locator('#picChart');
    await expect(map).toHaveAttribute('aria-label', /The chart shows N \d+ to \d+ and Z \d+ to \d+.*Chosen: Uranium-238 \(U-238\)/);
    const box = await map.boundingBox();
    expect(box!.width).toBeGreaterThan(300);
    // Cells painted: the canvas is not one colour.
    const colours = await map.evaluate((canvas: HTMLCanvasElement) => {
      const data = canvas.getContext('2d')!.getImageData(0, 0, canvas.width, canvas.height).data;
      const seen = new Set<number>();
      for (let i = 0; i < data.length; i += 4 * 97) seen.add((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
      return seen.size;
    });
    expect(colours).toBeGreaterThan(5);
    await map.focus();
    // U-238 has N = 146 and Z = 92; right adds a neutron, up a proton.
    const steps: [string, string][] = [['ArrowRight', 'Uranium-239 (U-239)'], ['ArrowUp', 'Neptunium-240 (Np-240)'],
      ['ArrowLeft', 'Neptunium-239 (Np-239)'], ['ArrowDown', 'Uranium-238 (U-238)'], ['ArrowDown', 'Protactinium-237 (Pa-237)']];
    for (const [key, chosen] of steps) {
      await page.keyboard.press(key);
      await expect(page.locator('#lblDescription')).toContainText(`Chosen: ${chosen}`);
    }
    await page.keyboard.press('Enter');
    await expect(page.locator('#cboNuclide option:checked')).toHaveText('Protactinium-237 (Pa-237)');
    await expect(page.locator('#tblMembers tbody tr').first()).toContainText('Protactinium-237 (Pa-237)');
  });

  test('zooms and pans by keys and shows the whole chart with Home', async ({ page }) => {
    await open(page, '#nuclides');
    await page.locator('#cmdChart').click();
    const label = page.locator('#lblDescription');
    await expect(label).toContainText('Chosen: Uranium-238');
    const opened = await label.textContent();
    await page.locator('#picChart').focus();
    for (let i = 0; i < 6; ++i) await page.keyboard.press('+');
    await expect(label).not.toHaveText(opened!);
    const zoomed = await label.textContent();
    await page.keyboard.press('Control+ArrowRight');
    await expect(label).not.toHaveText(zoomed!);
    await page.keyboard.press('Home');
    await expect(label).toContainText('The chart shows N 0 to 177 and Z 0 to 118,');
  });

  // The canvas is drawn at one pixel a CSS pixel here: its pixels, and the cells the description names.
  async function shownCells(page: Page): Promise<{ n: [number, number]; z: [number, number] }> {
    const [firstN, lastN, firstZ, lastZ] = (await page.locator('#lblDescription').textContent())!
      .match(/N (\d+) to (\d+) and Z (\d+) to (\d+)/)!.slice(1).map(Number);
    return { n: [firstN, lastN], z: [firstZ, lastZ] };
  }
  const pixelsOf = (page: Page, colours: string[]) => page.locator('#picChart').evaluate((canvas: HTMLCanvasElement, wanted) => {
    const data = canvas.getContext('2d')!.getImageData(0, 0, canvas.width, canvas.height).data;
    const counts = wanted.map(() => 0);
    for (let i = 0; i < data.length; i += 4) {
      const at = wanted.indexOf(`rgb(${data[i]},${data[i + 1]},${data[i + 2]})`);
      if (at >= 0) ++counts[at];
    }
    return counts;
  }, colours);

  // At 1920 x 1080 and as wide as a phone: U-238 in the middle of cells of at least 8 pixels (the
  // whole chart would get 7 at 1920 x 1080), the chain's first two members ringed in their colours
  // of the lab's curves; a search moves the chart to the nuclide at the zoom the user chose.
  for (const [name, viewport] of [['1920 x 1080', { width: 1920, height: 1080 }], ['phone width', { width: 390, height: 844 }]] as const) {
    test(`opens on the lab's nuclide in legible cells at ${name}`, async ({ page }) => {
      await page.setViewportSize(viewport);
      await open(page, '#nuclides');
      await page.locator('#cmdChart').click();
      await expect(page.locator('#lblDescription')).toContainText('Chosen: Uranium-238');
      const width = await page.locator('#picChart').evaluate((c) => c.clientWidth);
      const opened = await shownCells(page);
      const columns = opened.n[1] - opened.n[0] + 1;
      expect(width / columns).toBeGreaterThanOrEqual(8);
      // U-238: N = 146, Z = 92, within a cell of the middle of the cells shown.
      expect(Math.abs((opened.n[0] + opened.n[1]) / 2 - 146)).toBeLessThanOrEqual(1);
      expect(Math.abs((opened.z[0] + opened.z[1]) / 2 - 92)).toBeLessThanOrEqual(1);
      const members = await page.evaluate(() => [0, 1].map((member) =>
        (window.atomdrift.model() as { labMemberStyle(m: number): { color: string } }).labMemberStyle(member).color));
      const rings = await pixelsOf(page, members.map((css) => `rgb(${css.match(/\d+/g)!.slice(0, 3).join(',')})`));
      expect(Math.min(...rings), `${members.join(', ')}: ${rings.join(', ')}`).toBeGreaterThan(20);
      await page.screenshot({ path: test.info().outputPath('chart.png') });

      await page.locator('#picChart').focus();
      await page.keyboard.press('-');
      const zoomed = await shownCells(page);
      await page.locator('#txtSearch').fill('Mo-99');
      await page.locator('#txtSearch').press('Enter');
      await expect(page.locator('#lblDescription')).toContainText('Chosen: Molybdenum-99');
      const found = await shownCells(page);
      expect(found.n[1] - found.n[0]).toBe(zoomed.n[1] - zoomed.n[0]);
      expect(Math.abs((found.n[0] + found.n[1]) / 2 - 57)).toBeLessThanOrEqual(1);
      expect(Math.abs((found.z[0] + found.z[1]) / 2 - 42)).toBeLessThanOrEqual(1);
      // Taken into the lab, Mo-99's chain brings its own notes, none of U-238's series.
      await page.locator('#picChart').focus();
      await page.keyboard.press('Enter');
      await expect(page.locator('#cboNuclide option:checked')).toHaveText('Molybdenum-99 (Mo-99)');
      for (const notes of await page.locator('#lblNotes, #lstNotes').allTextContents()) expect(notes).not.toMatch(/U-2|Th-2|Ra-2/);
    });
  }

  test('a click on a cell takes its chain into the lab; the zoom buttons work without keys', async ({ page }) => {
    await open(page, '#nuclides');
    await page.locator('#cmdChart').click();
    const map = page.locator('#picChart');
    // Co-60 (N = 33, Z = 27) found is in the middle of the chart's area, which has the Z numbers
    // (some 30 pixels) on its left and lines of the same height above and below: its 32-pixel
    // cell is some 15 pixels right of the canvas's middle.
    await page.locator('#txtSearch').fill('Co-60');
    await page.locator('#txtSearch').press('Enter');
    const { n, z } = await shownCells(page);
    expect([n[0] + n[1], z[0] + z[1]].map((twice) => Math.round(twice / 2))).toEqual([33, 27]);
    const box = (await map.boundingBox())!;
    await map.click({ position: { x: box.width / 2 + 15, y: box.height / 2 } });
    await expect(page.locator('#cboNuclide option:checked')).toHaveText('Cobalt-60 (Co-60)');
    await page.locator('#cmdChart').click();
    const opened = await page.locator('#lblDescription').textContent();
    await page.locator('#cmdZoomIn').click();
    await expect(page.locator('#lblDescription')).not.toHaveText(opened!);
    await page.locator('#cmdWhole').click();
    await expect(page.locator('#lblDescription')).toContainText('The chart shows N 0 to 177 and Z 0 to 118,');
  });

  const searches: [string, RegExp | string][] = [
    ['238U', 'Chosen: Uranium-238 (U-238)'],
    ['uranium 235', 'Chosen: Uranium-235 (U-235)'],
    ['tc 99m', 'Chosen: Technetium-99m (Tc-99m)'],
    ['Xx-999', 'No nuclide of the table is called "Xx-999".'],
    ['', 'No nuclide of the table is called "".'],
  ];
  for (const [typed, said] of searches) {
    test(`finds "${typed}"`, async ({ page }) => {
      await open(page, '#nuclides');
      await page.locator('#cmdChart').click();
      await page.locator('#txtSearch').fill(typed);
      await page.locator('#txtSearch').press('Enter');
      await expect(page.locator('#lblDescription')).toContainText(said);
    });
  }

  test('a stable nuclide has no chain; the table lists and chooses', async ({ page }) => {
    await open(page, '#nuclides');
    await page.locator('#cmdChart').click();
    await page.locator('#txtSearch').fill('Pb-208');
    await page.locator('#txtSearch').press('Enter');
    await expect(page.locator('#lblDescription')).toContainText('Chosen: Lead-208');
    const { n, z } = await shownCells(page);
    await page.locator('#cmdShowChain').click();
    await expect(page.locator('#lblDescription')).toHaveText('Lead-208 (Pb-208) is stable: it has no chain.');
    await page.locator('#tabTable').click();
    await page.locator('#txtFilter').fill('(Co-60)');
    await expect(page.locator('#lblDescription')).toContainText('The table lists 1 nuclides.');
    // The chart's part of the description stays that of the chart last shown.
    await expect(page.locator('#lblDescription')).toContainText(`The chart shows N ${n[0]} to ${n[1]} and Z ${z[0]} to ${z[1]},`);
    await page.locator('#tblNuclides button', { hasText: 'Cobalt-60 (Co-60)' }).click();
    await expect(page.locator('#cboNuclide option:checked')).toHaveText('Cobalt-60 (Co-60)');
  });
});

test('a branch threshold out of range is refused with the model\'s words and the last one kept', async ({ page }) => {
  const refused = reference<{ typed: string; error: { text: string } }>('labThreshold');
  await open(page, '#nuclides');
  await page.locator('#txtThreshold').fill(refused.typed);
  await page.locator('#txtThreshold').press('Enter');
  await expect(page.locator('#messageDialog p')).toHaveText(refused.error.text);
  await page.locator('#cmdMessageOk').click();
  await expect(page.locator('#txtThreshold')).toHaveValue('0.0001');
  // Pointing at a legend entry highlights its member's curve.
  await page.locator('#cmdExact').click();
  await page.locator('#legendLab label').nth(1).hover();
  await expect(page.locator('#chartLab')).toHaveAttribute('data-highlighted', /Th-234/);
  await page.locator('#txtThreshold').hover();
  await expect(page.locator('#chartLab')).toHaveAttribute('data-highlighted', '');
  // So does pointing at its row in the members table.
  await page.locator('#tblMembers tbody tr').nth(1).hover();
  await expect(page.locator('#chartLab')).toHaveAttribute('data-highlighted', /Th-234/);
  await page.locator('#txtThreshold').hover();
  await expect(page.locator('#chartLab')).toHaveAttribute('data-highlighted', '');
  // Each member shows its colour and dash beside its name: solid for the first eight, dashed after.
  await expect(page.locator('#tblMembers tbody tr').nth(0).locator('.swatch')).toHaveAttribute('style', /^background:rgba\(213,94,0,1\)/);
  await expect(page.locator('#tblMembers tbody tr').nth(8).locator('.swatch')).toHaveAttribute('style', /repeating-linear-gradient/);
  // A threshold of 1 % leaves U-238's weak branches out: fewer members than at 10^-4 %.
  const before = await page.locator('#tblMembers tbody tr').count();
  await page.locator('#txtThreshold').fill('1');
  await page.locator('#txtThreshold').press('Enter');
  await expect(page.locator('#tblMembers tbody tr')).not.toHaveCount(before);
  // One sentence counts what is left out; the details, opened, name each branch.
  await expect(page.locator('#lblNotes')).toContainText('Left out: branches below 1 %: ');
  await expect(page.locator('#lstNotes')).toBeHidden();
  await page.locator('#frmNotes summary').click();
  await expect(page.locator('#lstNotes li').first()).toBeVisible();
  await expect(page.locator('#lstNotes')).toContainText('is below the branch threshold of 1 % and left out.');
});

test('the printed worksheet has the run in words, the chart and the questions', async ({ page }) => {
  await open(page, '#nuclides');
  await page.locator('#cmdExact').click();
  await page.emulateMedia({ media: 'print' });
  await expect(page.locator('#cmdExact')).toBeHidden();
  await expect(page.locator('.print-only p')).toContainText('Chain: Uranium-238 (U-238). Exact run: 375 times');
  await expect(page.locator('ol.print-only li')).toHaveCount(3);
  await expect(page.locator('#chartLab canvas')).toBeVisible();
});

test('a long random run goes on in a worker and stops at Cancel', async ({ page }) => {
  await open(page, '#nuclides');
  await page.locator('#cboAmountUnit1').selectOption('0');
  await page.locator('#txtAtoms1').fill('1000000');
  await page.locator('#cboGrid').selectOption('0');
  await page.locator('#txtStep').fill('570');
  await page.locator('#cboStepUnit').selectOption('4');
  await page.locator('#txtSteps').fill('10000');
  await page.locator('#cmdRandom').click();
  await expect(page.locator('#lblStatus')).toHaveText('Running the chain atom by atom...');
  // The page answers meanwhile: the view changes while the run goes on.
  await page.locator('#optActivity').check();
  await page.locator('#cmdCancel').click();
  await expect(page.locator('#lblStatus')).toHaveText('The random run was cancelled.');
  await expect(page.locator('#cmdExport')).toBeDisabled();
  await page.locator('#txtSteps').fill('20');
  await page.locator('#cmdRandom').click();
  await expect(page.locator('#lblStatus')).toHaveText('Random run: 20 steps of 570 y.');
});

// Ra-226's members after a few steps include ones whose activity never leaves 0 in double
// precision; a logarithmic axis has no place for such a series and must not be given it.
test('every view draws on a logarithmic scale, before and after a run', async ({ page }) => {
  await open(page, '#nuclides');
  await page.locator('#chkLog').check();
  await page.locator('#cboNuclide').selectOption({ label: 'Radium-226 (Ra-226)' });
  await page.locator('#cmdExact').click();
  for (const view of ['#optRatio', '#optAtoms']) {
    await page.locator(view).check();
    await expect(page.locator('#chartLab canvas')).toHaveCount(1);
  }
});

// Ra-226's activity view reaches below 1e-12 years on its logarithmic time axis.
test('the activity view draws on a logarithmic scale set before the run', async ({ page }) => {
  await open(page, '#nuclides');
  await page.locator('#chkLog').check();
  await page.locator('#cboNuclide').selectOption({ label: 'Radium-226 (Ra-226)' });
  await page.locator('#cmdExact').click();
  await page.locator('#optActivity').check();
  await expect(page.locator('#chartLab canvas')).toHaveCount(1);
});

// Each member's amount in a unit that suits it: U-238 opens in becquerel, stable Pb-206 in atoms
// with no becquerel offered; a gram of lead is 1/206 mol of it (its molar mass 205.97 g/mol).
test('every member takes its amount in a unit that suits it', async ({ page }) => {
  await open(page, '#nuclides');
  const rows = await page.locator('#tblMembers tbody tr').count();
  await expect(page.locator('#cboAmountUnit1')).toHaveValue('2');
  const lead = page.locator(`#cboAmountUnit${rows}`);
  await expect(lead).toHaveValue('0');
  await expect(lead.locator('option')).toHaveText(['atoms', 'grams']);
  await lead.selectOption('1');
  await page.locator(`#txtAtoms${rows}`).fill('1');
  await page.locator('#cmdExact').click();
  const values = await series(page);
  expect(values.atoms[rows - 1][0] * 205.97 / 6.02214076e23).toBeCloseTo(1, 4);
});

test('a custom chain with a daughter that is no member says so', async ({ page }) => {
  await open(page, '#nuclides');
  await chooseStart(page, '');
  await page.locator('#txtDaughter1').fill('9');
  await page.locator('#cmdExact').click();
  await expect(page.locator('#messageDialog p')).toHaveText('Member 1 decays to "9": give the number of a member from 1 to 3, or leave it empty.');
});

test('the lab speaks German and keeps its run across the switch', async ({ page }) => {
  await open(page, '#nuclides', 'de');
  await expect(page.locator('#cboNuclide option:checked')).toHaveText('Uran-238 (U-238)');
  await page.locator('#cmdExact').click();
  await page.locator('#cboLanguage').selectOption('en');
  await expect(page.locator('#cboNuclide option:checked')).toHaveText('Uranium-238 (U-238)');
  await expect(page.locator('#cmdExport')).toBeEnabled();
  await page.setViewportSize({ width: 360, height: 800 });
  await expect.poll(() => page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);
});

// A random run made on the worker brings its moves along, so that its atoms can be followed one
// by one, as many in each state as the run has.
test('a random run\'s atoms come with it from the worker', async ({ page }) => {
  const c = byName('mo99Random');
  await open(page, '#nuclides');
  await enter(page, c);
  await run(page, c);
  await expect(page.locator('#cmdExport')).toBeEnabled();
  const opened = await page.evaluate(() => {
    const m = (window as unknown as Hooks).atomdrift.model() as {
      openLabAtoms(seed: string): { atoms: number; refusal: unknown };
      setAtomsStep(step: number): number;
      atomsText(): { pattern: string; values: { number?: number }[] };
    };
    const atoms = m.openLabAtoms('1');
    m.setAtomsStep(250);
    return { ...atoms, text: m.atomsText() };
  });
  expect(opened.refusal).toBeNull();
  expect(opened.atoms).toBe(1000000);
  expect(opened.text.pattern).toBe('t = %1 %2: %3 of %4 atoms of %5 left, %6 half-lives');
  expect(opened.text.values[2].number).toBe(c.atoms![0][250]);
});
