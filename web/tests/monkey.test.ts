// A monkey: random user actions over every part (clicks on any control, text typed into the
// fields, Enter, options chosen, the language switched) must never raise an error.
import { statSync } from 'node:fs';
import { expect, htmlFile, test } from './fixtures';
import { openPart } from './parts';

// mulberry32: a small seeded generator, so that a failing sequence can be replayed.
function generator(seed: number): () => number {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const typed = ['', '0', '-1', '1e308', '1e999', 'abc', '0.1', '43', '570', '3,5', '  7 ', '99999999', 'NaN', '½', '1e-320'];
const parts = ['run', 'experiment', 'nuclides', 'counting'];

for (const [n, part] of parts.entries()) {
  test(`random actions in "${part}" raise no error`, async ({ page }) => {
    await page.addInitScript(() => { window.print = () => {}; });
    page.on('filechooser', () => { /* the chooser is left unanswered, as a user who cancels */ });
    await openPart(page, part);
    test.skip((await page.locator(`#nav${part}`).count()) === 0, 'part not in this build');
    const random = generator(20261207 + n);
    for (let step = 0; step < 100; ++step) {
      const targets = page.locator(`main button:enabled:visible, main input:enabled:visible, main select:enabled:visible, #cboLanguage`);
      const count = await targets.count();
      if (count === 0) break;
      const target = targets.nth(Math.floor(random() * count));
      // A control the page drew anew since it was counted (a run that ended, a legend redrawn) is
      // gone: the next action, as for a click on a covered one.
      const gone = () => null;
      const tag = await target.evaluate((e) => `${e.tagName}:${(e as HTMLInputElement).type ?? ''}`, undefined, { timeout: 2000 }).catch(gone);
      if (tag === null) continue;
      if (tag.startsWith('SELECT')) {
        const options = await target.locator('option').evaluateAll((o) => o.map((x) => (x as HTMLOptionElement).value)).catch(gone);
        if (options?.length) await target.selectOption(options[Math.floor(random() * options.length)], { timeout: 2000 }).catch(gone);
      } else if (tag === 'INPUT:text' || tag === 'INPUT:number') {
        if (await target.isEditable({ timeout: 2000 }).catch(() => false)) {
          await target.fill(typed[Math.floor(random() * typed.length)], { timeout: 2000 }).catch(gone);
          if (random() < 0.7) await target.press('Enter', { timeout: 2000 }).catch(gone);
        }
      } else {
        await target.click({ timeout: 2000 }).catch(gone);
      }
    }
    await expect(page.locator('body[data-ready="yes"]')).toHaveCount(1);
  });
}

test('the page is one file of at most 3 MB', () => {
  expect(statSync(htmlFile).size).toBeLessThanOrEqual(3_000_000);
});
