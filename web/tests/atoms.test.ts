// The atoms of a random run as a student sees them: opened after the decay run's random run with
// the default entries, scrubbed through time, a patch dragged, and the sentence read as a screen
// reader reads it. The atoms left at the last step are the run's own.
import { expect, open, test } from './fixtures';

const grouped = (text: string) => Number(text.replace(/[^0-9]/g, ''));

test('the atoms of the default random run, scrubbed, with a patch', async ({ page }) => {
  await open(page, '#run');
  await page.keyboard.press('Enter'); // the title screen leads on
  await page.evaluate(() => { window.atomdrift.seed = '12345'; });
  await page.locator('#Command5').click();
  const left = grouped(await page.locator('#Text4').inputValue());

  await page.locator('#cmdShowAtoms').click();
  const text = page.locator('#lblAtomsText');
  await expect(page.locator('#dlgAtoms')).toBeVisible();
  await expect(text).toHaveAttribute('aria-live', 'polite');
  await expect(text).toHaveText(/^t = 0: ([\d,]+) of \1 atoms left/);
  await expect(page.locator('#cnvAtoms')).toBeFocused();

  // The arrow keys step, the slider and the step field jump either way.
  await page.keyboard.press('ArrowRight');
  await expect(text).toHaveText(/^t = 1: /);
  await page.locator('#txtAtomsStep').fill('50');
  await page.locator('#txtAtomsStep').press('Enter');
  await expect(text).toHaveText(/^t = 50: /);
  const atLast = (await text.textContent())!.match(/^t = 50: ([\d,]+) of ([\d,]+)/)!;
  expect(grouped(atLast[1])).toBe(left);
  await page.locator('#sldAtomsTime').fill('7');
  await expect(text).toHaveText(/^t = 7: /);

  // A patch of the upper left quarter: its own count beside the whole sample's.
  const box = (await page.locator('#cnvAtoms').boundingBox())!;
  await page.mouse.move(box.x + 1, box.y + 1);
  await page.mouse.down();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.up();
  await expect(text).toHaveText(/; patch: [\d,]+ of [\d,]+$/);
  const patch = (await text.textContent())!.match(/patch: ([\d,]+) of ([\d,]+)$/)!;
  expect(grouped(patch[2])).toBeGreaterThan(0);
  expect(grouped(patch[1])).toBeLessThanOrEqual(grouped(patch[2]));

  // A detector frame over the same quarter sees about a quarter of the atoms.
  await page.locator('#chkAtomsDetector').check();
  await page.mouse.move(box.x + 1, box.y + 1);
  await page.mouse.down();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.up();
  await expect(page.locator('#lblAtomsEfficiency')).toHaveText(/^Detector efficiency: (2[0-9]|3[0-0])\.\d %$/);

  // A click on the chart's left end jumps back to the start.
  const chart = (await page.locator('#chartAtoms .u-over').boundingBox())!;
  await page.mouse.click(chart.x + 2, chart.y + chart.height / 2);
  await expect(text).toHaveText(/^t = 0: /);
  await page.locator('#cmdAtomsClose').click();
  await expect(page.locator('#dlgAtoms')).toHaveCount(0);
});

test('no random run yet: a plain message', async ({ page }) => {
  await open(page, '#counting');
  await page.locator('#cmdShowAtoms').click();
  await expect(page.locator('#messageDialog')).toContainText('random runs');
});
