// The README's pictures of the browser edition, made from the built page: on a projector-wide
// screen, on a tablet and on a phone. They go to build-web/screenshots, or to the folder in
// ATOMDRIFT_WEB_SCREENSHOTS (scripts/screenshots sets docs/images).
import { mkdirSync } from 'node:fs';
import { resolve } from 'node:path';
import { expect, test } from './fixtures';
import { openPart } from './parts';

const folder = resolve(process.env.ATOMDRIFT_WEB_SCREENSHOTS ?? resolve(process.cwd(), '../build-web/screenshots'));

test.beforeAll(() => mkdirSync(folder, { recursive: true }));

test('the decay run after RUN, wide and on a phone', async ({ page }) => {
  await page.setViewportSize({ width: 1280, height: 800 });
  await openPart(page, 'run');
  await page.keyboard.press('Enter');
  await page.locator('#Command9').click();
  await expect(page.locator('#MSChart1 canvas')).toHaveCount(1);
  await page.screenshot({ path: `${folder}/web-run.png` });
  await page.setViewportSize({ width: 390, height: 844 });
  await page.locator('#Command4').click();
  await page.screenshot({ path: `${folder}/web-run-phone.png`, fullPage: true });
});

for (const part of ['experiment', 'nuclides', 'counting']) {
  test(`the "${part}" part`, async ({ page }) => {
    await page.setViewportSize({ width: 1280, height: 800 });
    await openPart(page, part);
    test.skip((await page.locator(`#nav${part}`).count()) === 0, 'part not in this build');
    const action = page.locator('[data-screenshot-action]').first();
    if (await action.count()) {
      await action.click();
      await page.locator('[data-screenshot-ready]').first().waitFor({ timeout: 60_000 }).catch(() => {});
    }
    await page.screenshot({ path: `${folder}/web-${part}.png` });
  });
}
