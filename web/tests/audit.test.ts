// An accessibility audit (axe-core, every rule it has) of every part and of the screens they
// open, in every language; and their controls' texts whole on a phone and on a projector.
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import type { Page } from '@playwright/test';
import { expect, open, test } from './fixtures';
import { openPart } from './parts';
import { flaws } from './screen';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

async function violations(page: Page): Promise<string[]> {
  await page.addScriptTag({ content: axeSource });
  const found = await page.evaluate(async () => {
    const axe = (window as unknown as { axe: { run(context: Document): Promise<{ violations: { id: string; nodes: { target: string[] }[] }[] }> } }).axe;
    const result = await axe.run(document);
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
  return found;
}

// A part, then each screen a button of it opens that stays on the page (the run's screens).
const screens: Record<string, string[][]> = {
  run: [[], ['#Command2'], ['#Command2', '#cmdLargeGraph'], ['#Command8'], ['#Command8', '#Command2'], ['#Command11']],
  experiment: [[]],
  nuclides: [[]],
  counting: [[], ['#optRealCounter']],
};

// Every screen in English; in the other languages, where only the words differ, the part as it opens.
for (const language of ['en', 'de', 'fr', 'es']) {
  for (const [part, all] of Object.entries(screens)) {
    const paths = language === 'en' ? all : all.slice(0, 1);
    test(`no accessibility violation in "${part}" (${language})`, async ({ page }) => {
      await openPart(page, part, language);
      test.skip((await page.locator(`#nav${part}`).count()) === 0, 'part not in this build');
      for (const clicks of paths) {
        await openPart(page, part, language);
        for (const selector of clicks) await page.locator(selector).click();
        expect(await violations(page), `after ${clicks.join(' ') || 'opening'}`).toEqual([]);
      }
    });
  }
}

test('the title screen has no accessibility violation', async ({ page }) => {
  await open(page, '#run');
  expect(await violations(page)).toEqual([]);
});

test('every part shows its controls whole at phone and projector width, in every language', async ({ page }) => {
  test.setTimeout(300_000);
  const shown: Record<string, string[][]> = {
    run: [['#Command2'], ['#Command2', '#cmdLargeGraph']],
    experiment: [[]],
    nuclides: [[], ['#cmdChart']],
    counting: [[], ['#optRealCounter'], ['#tabpageDating'], ['#tabpageRepeat']],
  };
  const found: string[] = [];
  for (const [part, screens] of Object.entries(shown)) {
    for (const clicks of screens) {
      await page.setViewportSize({ width: 1280, height: 900 });
      await openPart(page, part);
      if ((await page.locator(`#nav${part}`).count()) === 0) continue;
      for (const selector of clicks) await page.locator(selector).click();
      for (const language of ['en', 'de', 'fr', 'es']) {
        // The page's language switch draws the part anew in the language, on the same screen.
        await page.locator('#cboLanguage').selectOption(language);
        for (const width of [390, 1920]) {
          await page.setViewportSize({ width, height: width < 1000 ? 844 : 1080 });
          // The charts take the new width in the frame after the resize.
          await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
          const where = `${part} ${clicks.join(' ')} (${language}, ${width} px)`;
          found.push(...(await page.evaluate(flaws)).map((flaw) => `${where}: ${flaw}`));
        }
      }
    }
  }
  expect(found).toEqual([]);
});

// The atoms of a random run open over the part: no violation, and their controls whole at phone
// and projector width, in every language.
test('the atoms of a random run: no violation, controls whole', async ({ page }) => {
  const found: string[] = [];
  for (const language of ['en', 'de', 'fr', 'es']) {
    await page.setViewportSize({ width: 1280, height: 900 });
    await openPart(page, 'run', language);
    await page.locator('#Command5').click();
    await page.locator('#cmdShowAtoms').click();
    await expect(page.locator('#dlgAtoms')).toBeVisible();
    expect(await violations(page), language).toEqual([]);
    for (const width of [390, 1920]) {
      await page.setViewportSize({ width, height: width < 1000 ? 844 : 1080 });
      await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
      found.push(...(await page.evaluate(flaws)).map((flaw) => `${language}, ${width} px: ${flaw}`));
    }
  }
  expect(found).toEqual([]);
});
