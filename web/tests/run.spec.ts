import { expect, open, test } from './fixtures';

test('the default entries run and draw the atoms view', async ({ page }) => {
  await open(page, '#run');
  await page.keyboard.press('Enter');
  await page.locator('#Command2').click();
  await expect(page.locator('#MSChart1 canvas')).toHaveCount(1);
  await page.screenshot({ path: '/tmp/web-run.png' });
});
