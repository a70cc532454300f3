import { expect, open, test } from './fixtures';

test('smoke', async ({ page }) => {
  await open(page, '#nuclides');
  await page.screenshot({ path: '/tmp/nuc/lab0.png', fullPage: true });
  await page.locator('#cmdExact').click();
  await page.screenshot({ path: '/tmp/nuc/lab1.png', fullPage: true });
  await page.locator('#cmdChart').click();
  await page.screenshot({ path: '/tmp/nuc/chart.png', fullPage: true });
});
