// Every control of every part is reached with Tab alone, in order, and the focus is visible.
import { expect, test } from './fixtures';
import { controls, openPart } from './parts';

const parts = ['run', 'experiment', 'nuclides', 'counting'];

for (const id of parts) {
  test(`every control of "${id}" is reached by the keyboard`, async ({ page }) => {
    await openPart(page, id);
    test.skip((await page.locator(`#nav${id}`).count()) === 0, 'part not in this build');
    const wanted = await controls(page);
    const reached = new Set<string>();
    await page.locator('body').focus();
    for (let i = 0; i < wanted.length * 2 + 10 && reached.size < wanted.length; ++i) {
      await page.keyboard.press('Tab');
      const seen = await page.evaluate(() => {
        const e = document.activeElement as HTMLElement | null;
        return e?.dataset.control ? { id: e.dataset.control, outline: getComputedStyle(e).outlineStyle } : null;
      });
      if (seen) {
        reached.add(seen.id);
        expect(seen.outline, 'a focused control shows its focus').not.toBe('none');
      }
    }
    const missed = wanted.filter((c) => !reached.has(c));
    const names = await page.evaluate((ids) => ids.map((c) => document.querySelector(`[data-control="${c}"]`)?.id ?? c), missed);
    expect(names, 'controls Tab never reached').toEqual([]);
  });
}
