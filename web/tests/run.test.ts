// The decay run in the browser against the desktop: the data file byte for byte, the views, the
// entries' confirmations, the other screens.
import { readFileSync } from 'node:fs';
import { expect, open, reference, test } from './fixtures';
import { enumValue, expectSamePlot, pagePlot, type PlainPlot } from './plots';
import type { Page } from '@playwright/test';

interface RunCase { name: string; random: boolean; atoms: string; rate: string; lastStep: string; seed: string; box: string; file: string; views: PlainPlot[] }

async function enter(page: Page, id: string, value: string): Promise<void> {
  await page.locator(id).fill(value);
  await page.locator(id).press('Enter');
}

async function savedFile(page: Page): Promise<string> {
  const [download] = await Promise.all([page.waitForEvent('download'), page.locator('#Command10').click()]);
  return readFileSync(await download.path(), 'latin1');
}

async function mainWindow(page: Page): Promise<void> {
  await open(page, '#run');
  await page.keyboard.press('Enter'); // the title screen leads on
  await expect(page.locator('#Command2')).toBeFocused();
}

test.describe('the data file equals the desktop\'s', () => {
  for (const c of reference<RunCase[]>('run')) {
    test(c.name, async ({ page }) => {
      await mainWindow(page);
      await enter(page, '#txtN0', c.atoms);
      await enter(page, '#rrate', c.rate);
      await enter(page, '#simut', c.lastStep);
      await page.locator('#Command2').click();
      if (c.random) {
        await page.evaluate((seed) => { window.atomdrift.seed = seed; }, c.seed);
        await page.locator('#Command5').click();
      }
      await expect(page.locator('#Text4')).toHaveValue(c.box);
      expect(await savedFile(page)).toBe(c.file);
      // The four views as the desktop lays them out: a random run's whole atoms exactly, the law's
      // values to the last digits.
      const names = ['AtomsVsTime', 'DecayedVsTime', 'LnAtomsVsTime', 'NextVsNow'];
      for (const [view, plot] of c.views.entries())
        expectSamePlot(await pagePlot(page, 'viewPlot', enumValue(`RunView.${names[view]}`)), plot, c.random ? 0 : 1e-12, `${c.name} ${names[view]}`);
    });
  }
});

test('the defaults run with Enter alone and every view draws', async ({ page }) => {
  await mainWindow(page);
  await page.keyboard.press('Enter');
  await expect(page.locator('#MSChart1 canvas')).toHaveCount(1);
  await expect(page.locator('#Label4, label[for="Text4"]')).toHaveText('Number of atoms at t=50');
  for (const [id, title] of [['#Command6', 'Decayed atoms vs. time'], ['#Command3', 'ln(atoms) vs. time'],
    ['#Command9', 'N(t+1) vs. N(t) (blue line: y=x)'], ['#Command4', 'Atoms vs. time']]) {
    await page.locator(id).click();
    await expect(page.locator('#MSChart1 .u-title')).toHaveText(title);
    await expect(page.locator('#MSChart1')).toHaveAttribute('aria-label', new RegExp(`^${title.replace(/[()+.]/g, '\\$&')}\\. Y axis: .*\\. 51 points, from \\(`));
  }
  // The return map has its line y = x beside the points.
  await page.locator('#Command9').click();
  await expect(page.locator('#MSChart1')).toHaveAttribute('data-lines', '2');
  // A click on the chart goes on to the next view.
  await page.locator('#MSChart1').click();
  await expect(page.locator('#MSChart1 .u-title')).toHaveText('Decayed atoms vs. time');
  await page.locator('#cmdLargeGraph').click();
  await expect(page.locator('#larggrafChart .u-title')).toHaveText('Decayed atoms vs. time');
  await expect(page.locator('#larggrafChart')).toHaveAttribute('aria-label', /Y axis: Atoms\. X axis: Time/);
  await page.locator('#command4').click();
  await expect(page.locator('#MSChart1')).toHaveCount(1);
});

test('entries are confirmed as on the desktop', async ({ page }) => {
  await mainWindow(page);
  await enter(page, '#txtN0', 'abc');
  await expect(page.locator('#txtN0')).toHaveValue('100');
  await enter(page, '#simut', '99999');
  await expect(page.locator('#simut')).toHaveValue('3000');
  // The half-life follows the rate, and the rate the half-life.
  await enter(page, '#rrate', '0.5');
  await expect(page.locator('#halftime')).toHaveValue(/^1\.386294361/);
  await enter(page, '#halftime', '43');
  await expect(page.locator('#rrate')).toHaveValue(/^0\.01611970/);
  // A rate that is no number becomes 0 at once; a changed entry takes the run away.
  await page.locator('#Command2').click();
  await page.locator('#rrate').fill('x');
  await expect(page.locator('#rrate')).toHaveValue('0');
  await expect(page.locator('#Text4')).toHaveValue('');
  await expect(page.locator('#Command10')).toBeDisabled();
});

test('the introduction, references and quiz lead back to the main window', async ({ page }) => {
  await mainWindow(page);
  await page.locator('#Command8').click();
  await expect(page.locator('#Text1')).toContainText('binomial');
  await page.locator('#Command2').click();
  await expect(page.locator('#Referenc li')).toHaveCount(2);
  await page.locator('#Command1').click();
  await page.locator('#Command1').click();
  await page.locator('#Command11').click();
  await expect(page.locator('#Label1')).toContainText('0.625');
  await page.locator('#Command1').click();
  await expect(page.locator('#txtN0')).toHaveCount(1);
});

test('a language switch keeps the run and writes numbers in that language', async ({ page }) => {
  await mainWindow(page);
  await page.keyboard.press('Enter');
  await page.locator('#cboLanguage').selectOption('de');
  await expect(page.locator('html')).toHaveAttribute('lang', 'de');
  await expect(page.locator('#Command5')).not.toHaveText('Random decay');
  await expect(page.locator('#MSChart1 canvas')).toHaveCount(1);
  expect(await page.evaluate(() => localStorage.getItem('atomdrift.language'))).toBe('de');
});
