// The page's number writers (src/core/numbers.ts) in the browser, on the page's own model and
// locales: bundled here on their own, with the model they ask for leading powers handed over from
// the loaded page. The expected texts are worked out by hand: digit grouping and decimal marks as
// the locales write them (en-US "10,000.5", de-DE "10.000,5"), powers of ten as a class writes them,
// a dash for what is no number.
import { build } from 'esbuild';
import { fileURLToPath } from 'node:url';
import { expect, open, test } from './fixtures';

type Writer = 'significant' | 'withUncertainty' | 'interval' | 'decimals' | 'count' | 'timesTenTo' | 'fillIn';
interface Row { name: string; language: string; writer: Writer; args: (number | string | string[])[]; shown: string }

const times = '\u00D7';
const rows: Row[] = [
  { name: 'a half-life in years', language: 'en', writer: 'significant', args: [4.463e9], shown: `4.463 ${times} 10\u2079` },
  { name: 'grouped thousands', language: 'en', writer: 'significant', args: [10000], shown: '10,000' },
  { name: 'no trailing zeros', language: 'en', writer: 'significant', args: [0.5], shown: '0.5' },
  { name: 'six digits', language: 'en', writer: 'significant', args: [1 / 3, 6], shown: '0.333333' },
  { name: 'negative and small', language: 'en', writer: 'significant', args: [-2.5e-5], shown: `-2.5 ${times} 10\u207B\u2075` },
  { name: '10^-3 written out', language: 'en', writer: 'significant', args: [0.001], shown: '0.001' },
  { name: 'below 10^-3 a power', language: 'en', writer: 'significant', args: [0.000999], shown: `9.99 ${times} 10\u207B\u2074` },
  { name: 'a whole number below 10^9 in full', language: 'en', writer: 'significant', args: [123456789], shown: '123,456,789' },
  { name: 'a whole number rounded up to 10^9', language: 'en', writer: 'significant', args: [999999999], shown: `1 ${times} 10\u2079` },
  { name: 'a fraction below 10^6 rounded', language: 'en', writer: 'significant', args: [123456.7], shown: '123,457' },
  { name: 'a fraction from 10^6 a power', language: 'en', writer: 'significant', args: [1234567.8], shown: `1.235 ${times} 10\u2076` },
  { name: 'rounding carries into the next digit', language: 'en', writer: 'significant', args: [9.9996], shown: '10' },
  { name: 'zero', language: 'en', writer: 'significant', args: [0], shown: '0' },
  { name: 'negative zero', language: 'en', writer: 'significant', args: [-0], shown: '0' },
  { name: 'no number is a dash', language: 'en', writer: 'significant', args: [NaN], shown: '\u2014' },
  { name: 'infinity is a dash', language: 'en', writer: 'significant', args: [-Infinity], shown: '\u2014' },
  { name: 'the largest double', language: 'en', writer: 'significant', args: [Number.MAX_VALUE], shown: `1.798 ${times} 10\u00B3\u2070\u2078` },
  { name: 'the least subnormal', language: 'en', writer: 'significant', args: [5e-324, 2], shown: `4.9 ${times} 10\u207B\u00B3\u00B2\u2074` },
  { name: 'German grouping', language: 'de', writer: 'significant', args: [10000], shown: '10.000' },
  { name: 'German decimal comma', language: 'de', writer: 'significant', args: [0.5], shown: '0,5' },
  { name: 'German power of ten', language: 'de', writer: 'significant', args: [1.5e12], shown: `1,5 ${times} 10\u00B9\u00B2` },
  { name: '34 counts in 0.014 s', language: 'en', writer: 'withUncertainty', args: [34 / 0.014, Math.sqrt(34) / 0.014], shown: '2,400 \u00B1 400' },
  { name: 'a fitted half-life', language: 'en', writer: 'withUncertainty', args: [110.9123, 0.9812], shown: '110.9 \u00B1 1.0' },
  { name: 'French decimals', language: 'fr', writer: 'withUncertainty', args: [110.9123, 0.2812], shown: '110,91 \u00B1 0,28' },
  { name: 'far from 1', language: 'en', writer: 'withUncertainty', args: [4.463e9, 3e6], shown: `(4.4630 \u00B1 0.0030) ${times} 10\u2079` },
  { name: 'small with its uncertainty', language: 'en', writer: 'withUncertainty', args: [2.5e-5, 3e-7], shown: `(2.500 \u00B1 0.030) ${times} 10\u207B\u2075` },
  { name: 'no uncertainty: six digits', language: 'en', writer: 'withUncertainty', args: [1.23456789, 0], shown: '1.23457' },
  { name: 'an uncertainty that is no number', language: 'en', writer: 'withUncertainty', args: [1.23456789, NaN], shown: '1.23457' },
  // Rounded by the smaller side: 43.2 leads with 432, so one digit; 3440 with 344, so two.
  { name: 'an age by its smaller side', language: 'en', writer: 'interval', args: [5490, 43.2, 45.6], shown: '5,490 (\u221240/+50)' },
  { name: 'an age of two digits', language: 'en', writer: 'interval', args: [31000, 3440, 6140], shown: '31,000 (\u22123,400/+6,100)' },
  { name: 'an endless side', language: 'en', writer: 'interval', args: [31000, 3440, Infinity], shown: '31,000 (\u22123,400/+\u221E)' },
  { name: 'no side: three digits', language: 'en', writer: 'interval', args: [5.4321, 0, 0], shown: '5.43' },
  { name: 'decimals kept', language: 'en', writer: 'decimals', args: [2, 2], shown: '2.00' },
  { name: 'decimals rounded', language: 'en', writer: 'decimals', args: [6.5775, 2], shown: '6.58' },
  { name: 'German decimals', language: 'de', writer: 'decimals', args: [1234.5, 1], shown: '1.234,5' },
  { name: 'decimals of no number', language: 'en', writer: 'decimals', args: [Infinity, 2], shown: '\u2014' },
  { name: 'a count grouped', language: 'en', writer: 'count', args: [1234567], shown: '1,234,567' },
  { name: 'a Spanish count', language: 'es', writer: 'count', args: [1234567], shown: '1.234.567' },
  { name: 'a negative count', language: 'en', writer: 'count', args: [-5], shown: '-5' },
  { name: 'the power 0', language: 'en', writer: 'timesTenTo', args: [0], shown: ` ${times} 10\u2070` },
  { name: 'a negative power of two digits', language: 'en', writer: 'timesTenTo', args: [-12], shown: ` ${times} 10\u207B\u00B9\u00B2` },
  { name: 'values in their places', language: 'en', writer: 'fillIn', args: ['%2 before %1', ['a', 'b']], shown: 'b before a' },
  { name: 'a value is no place', language: 'en', writer: 'fillIn', args: ['%1 and %2', ['%2', 'x']], shown: '%2 and x' },
  { name: 'a place without its value stays', language: 'en', writer: 'fillIn', args: ['%3 %10', ['a']], shown: '%3 a0' },
];

// numbers.ts, i18n.ts and language.ts as one script, their model the page's.
async function writersScript(): Promise<string> {
  const source = (path: string) => fileURLToPath(new URL(path, import.meta.url));
  const bundled = await build({
    stdin: {
      contents: `import * as numbers from './core/numbers'; import { fillIn } from './core/i18n'; import { setLanguage } from './core/language';
                 window.numberWriters = { ...numbers, fillIn, setLanguage };`,
      resolveDir: source('../src'),
      loader: 'ts',
    },
    bundle: true,
    format: 'iife',
    write: false,
    logLevel: 'warning',
    plugins: [{
      name: 'the page model',
      setup(builder) {
        builder.onResolve({ filter: /\/model$/ }, () => ({ path: 'model', namespace: 'page' }));
        builder.onLoad({ filter: /.*/, namespace: 'page' }, () => ({
          contents: 'export function model() { return window.atomdrift.model(); }',
          loader: 'js',
        }));
      },
    }],
  });
  return bundled.outputFiles[0].text;
}

test('the page writes numbers as the desktop does', async ({ page }) => {
  await open(page);
  await page.addScriptTag({ content: await writersScript() });
  const shown = await page.evaluate((all) => {
    const writers = (window as unknown as { numberWriters: Record<string, (...args: unknown[]) => string> }).numberWriters;
    return all.map((row) => {
      writers.setLanguage(row.language);
      return writers[row.writer](...row.args);
    });
  }, rows);
  expect(Object.fromEntries(rows.map((row, i) => [row.name, shown[i]])))
    .toEqual(Object.fromEntries(rows.map((row) => [row.name, row.shown])));
});
