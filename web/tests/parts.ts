// The parts of the page as a user finds them: the links of the navigation, each with the
// screens a part opens from its buttons.
import type { Page } from '@playwright/test';
import { open } from './fixtures';

export async function partIds(page: Page): Promise<string[]> {
  await open(page);
  return page.locator('#navigation a').evaluateAll((links) => links.map((a) => (a as HTMLAnchorElement).hash.slice(1)));
}

// Opens a part; the decay run's title screen is passed with a key, as a user would.
export async function openPart(page: Page, id: string, language = 'en'): Promise<void> {
  await open(page, `#${id}`, language);
  if (await page.locator('#cmdStart').count()) await page.keyboard.press('Enter');
}

// The controls a user can work: visible, enabled, focusable, not inside a chart's own parts.
// A group of radio buttons is one stop of Tab, its buttons chosen with the arrow keys, so the
// group's buttons share one mark.
export async function controls(page: Page): Promise<string[]> {
  return page.evaluate(() => {
    const all = [...document.querySelectorAll<HTMLElement>('button, input, select, textarea, a[href], [tabindex]')];
    const marks = new Set<string>();
    all
      .filter((e) => e.tabIndex >= 0 && !(e as HTMLButtonElement).disabled && e.offsetParent !== null && !e.closest('.u-legend'))
      .forEach((e, i) => {
        const radio = e as HTMLInputElement;
        const mark = radio.type === 'radio' && radio.name ? `radio:${radio.name}` : String(i);
        e.dataset.control = mark;
        marks.add(mark);
      });
    return [...marks];
  });
}
