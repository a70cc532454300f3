// What every browser test shares: the built page opened from its file, its console watched for
// errors, and the desktop's reference results written by the native program.
import { test as base, expect, type Page } from '@playwright/test';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = fileURLToPath(new URL('.', import.meta.url));

// What the page offers the tests on window.atomdrift (src/testing.ts).
declare global {
  interface Window {
    atomdrift: { model: () => unknown; seed: string | null; readyMs?: number; benchmarks: Record<string, () => Promise<number>> } & Record<string, unknown>;
  }
}

export const htmlFile = resolve(process.env.ATOMDRIFT_HTML ?? resolve(here, '../../build-web/atomdrift.html'));
export const referenceDir = resolve(process.env.ATOMDRIFT_REFERENCE ?? resolve(here, '../../build-web/reference'));

export function reference<T>(name: string): T {
  return JSON.parse(readFileSync(resolve(referenceDir, `${name}.json`), 'utf8')) as T;
}

// Opens the page (at a part: "#run", "#experiment", ...) in English, once the model is loaded.
export async function open(page: Page, part = '', language = 'en'): Promise<void> {
  await page.addInitScript((code) => { try { localStorage.setItem('atomdrift.language', code); } catch { /* none */ } }, language);
  // A fresh load even when only the part after # differs from the page open now.
  await page.goto('about:blank');
  await page.goto(pathToFileURL(htmlFile).href + part);
  await expect(page.locator('body[data-ready="yes"]')).toHaveCount(1);
}

export const test = base.extend<{ consoleErrors: string[] }>({
  consoleErrors: [
    async ({ page }, use) => {
      const errors: string[] = [];
      page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
      page.on('pageerror', (error) => errors.push(String(error)));
      await use(errors);
      expect(errors, 'errors in the console').toEqual([]);
    },
    { auto: true },
  ],
});

export { expect };
