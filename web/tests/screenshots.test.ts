// The README's pictures of the browser edition, made from the built page: each part as the first
// button a teacher presses leaves it, on a 1920 x 1080 projector, and the decay run on a phone. They go to build-web/screenshots, or to the folder in
// ATOMDRIFT_WEB_SCREENSHOTS (scripts/screenshots sets docs/images).
import { mkdirSync } from 'node:fs';
import { resolve } from 'node:path';
import type { Page } from '@playwright/test';
import { expect, test } from './fixtures';
import { openPart } from './parts';

const folder = resolve(process.env.ATOMDRIFT_WEB_SCREENSHOTS ?? resolve(process.cwd(), '../build-web/screenshots'));

test.beforeAll(() => mkdirSync(folder, { recursive: true }));

test('the decay run after RUN, wide and on a phone', async ({ page }) => {
  await page.setViewportSize({ width: 1920, height: 1080 });
  await openPart(page, 'run');
  await page.keyboard.press('Enter');
  await expect(page.locator('#MSChart1 canvas')).toHaveCount(1);
  await page.screenshot({ path: `${folder}/web-run.png` });
  await page.setViewportSize({ width: 390, height: 844 });
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  await page.screenshot({ path: `${folder}/web-run-phone.png`, fullPage: true });
});

// Each part as a user leaves it after its first action: the class's runs, the first chain run
// exactly with its chart in view, activated silver counted to the end.
const actions: Record<string, (page: Page) => Promise<void>> = {
  experiment: async (page) => {
    await page.locator('#cmdRun').click();
    await expect(page.locator('#lblStatus')).toContainText('q = ', { timeout: 60_000 });
  },
  nuclides: async (page) => {
    await page.locator('#cmdExact').click();
    await expect(page.locator('#chartLab canvas')).toHaveCount(1);
    await page.locator('#chartLab').scrollIntoViewIfNeeded();
  },
  counting: async (page) => {
    await page.locator('#cmdSilver').click();
    await page.locator('#cboSpeed').selectOption({ index: (await page.locator('#cboSpeed option').count()) - 1 });
    await page.locator('#cmdStart').click();
    await expect(page.locator('#lblFit')).toContainText('T½', { timeout: 60_000 });
    await page.evaluate(() => window.scrollTo(0, 0));
  },
};

for (const [part, act] of Object.entries(actions)) {
  test(`the "${part}" part`, async ({ page }) => {
    await page.setViewportSize({ width: 1920, height: 1080 });
    await openPart(page, part);
    await act(page);
    await page.screenshot({ path: `${folder}/web-${part}.png` });
  });
}

// The atoms of three random runs, as the README shows them: 100 atoms with a patch of four, 10,000
// with two patches and a detector frame, and a million of the Mo-99 generator's with a patch of 100
// beside a large one.
async function drag(page: Page, from: [number, number], to: [number, number]): Promise<void> {
  const box = (await page.locator('#cnvAtoms').boundingBox())!;
  await page.mouse.move(box.x + from[0] * box.width, box.y + from[1] * box.height);
  await page.mouse.down();
  await page.mouse.move(box.x + to[0] * box.width, box.y + to[1] * box.height, { steps: 4 });
  await page.mouse.up();
}

async function atStep(page: Page, step: number): Promise<void> {
  await page.locator('#txtAtomsStep').fill(String(step));
  await page.locator('#txtAtomsStep').press('Enter');
  await expect(page.locator('#sldAtomsTime')).toHaveValue(String(step));
}

test('the atoms at 100, 10,000 and a million', async ({ page }) => {
  await page.setViewportSize({ width: 1920, height: 1080 });
  for (const [atoms, step] of [[100, 7], [10_000, 12]]) {
    await openPart(page, 'run');
    await page.locator('#txtN0').fill(String(atoms));
    await page.locator('#txtN0').press('Enter');
    await page.evaluate(() => { window.atomdrift.seed = '2026'; });
    await page.locator('#Command5').click();
    await page.locator('#cmdShowAtoms').click();
    await atStep(page, step);
    if (atoms === 100) {
      await drag(page, [0.03, 0.03], [0.17, 0.17]);
    } else {
      await drag(page, [0.04, 0.04], [0.14, 0.14]);
      await page.locator('#optAtomsPatch2').check();
      await drag(page, [0.3, 0.3], [0.95, 0.95]);
      await page.locator('#chkAtomsDetector').check();
      await drag(page, [0.55, 0.05], [0.95, 0.25]);
    }
    await expect(page.locator('#lblAtomsText')).toContainText('patch');
    await page.locator('#dlgAtoms').screenshot({ path: `${folder}/atoms-${atoms}.png` });
  }
  await openPart(page, 'nuclides');
  await page.locator('#cboNuclide').selectOption((await page.locator('#cboNuclide option', { hasText: '(Mo-99)' }).getAttribute('value'))!);
  await page.locator('#cboAmountUnit1').selectOption('0');
  await page.locator('#txtAtoms1').fill('1000000');
  await page.evaluate(() => { window.atomdrift.seed = '2026'; });
  await page.locator('#cmdRandom').click();
  await expect(page.locator('#lblStatus')).toContainText('Random run', { timeout: 60_000 });
  await page.locator('#cmdShowAtoms').click();
  const steps = Number(await page.locator('#sldAtomsTime').getAttribute('max'));
  await atStep(page, Math.round(steps / 3));
  await drag(page, [0.05, 0.05], [0.06, 0.06]);
  await page.locator('#optAtomsPatch2').check();
  await drag(page, [0.3, 0.3], [0.95, 0.95]);
  await expect(page.locator('#lblAtomsText')).toContainText('patch 2');
  await page.locator('#dlgAtoms').screenshot({ path: `${folder}/atoms-1000000.png` });
});
