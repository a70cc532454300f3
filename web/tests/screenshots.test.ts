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
