// The check that the two editions draw the same charts: a plot the page's module lays out, held
// against the one the desktop's model wrote for the same case.
import type { Page } from '@playwright/test';
import { expect } from './fixtures';

// A plot of the model with its lines as arrays, NaN and infinities as null, as JSON holds them,
// and a layer's kind as its number.
interface PlainLayer { name: unknown; color: string; kind: number; width: number; dash: number[]; barWidth: number; inLegend: boolean; lines: { x: (number | null)[]; y: (number | null)[] }[] }
export interface PlainPlot { context: string; title: unknown; xTitle: unknown; yTitle: unknown; logX: boolean; logY: boolean; xFloor: number; yFloor: number; layers: PlainLayer[] }

// An argument, or a property of one, that names a value of one of the module's enums, which only
// the page can hand over.
export const enumValue = (name: string) => ({ enumValue: name });

// What the module's function `name` returns for `args`, as plain JSON: a plot with its lines as
// arrays and its layers' kinds as numbers.
function pageValue(page: Page, name: string, args: unknown[]): Promise<unknown> {
  return page.evaluate(([call, given]) => {
    type Layer = { kind: { value: number }; dash: Float64Array; lines: { x: Float64Array; y: Float64Array }[] };
    const m = window.atomdrift.model() as Record<string, unknown>;
    const argument = (a: unknown): unknown => {
      const named = (a as { enumValue?: string } | null)?.enumValue;
      if (named !== undefined) {
        const [type, value] = named.split('.');
        return (m[type] as Record<string, unknown>)[value];
      }
      const record = a !== null && typeof a === 'object' && Object.getPrototypeOf(a) === Object.prototype;
      return record ? Object.fromEntries(Object.entries(a as object).map(([key, v]) => [key, argument(v)])) : a;
    };
    const plain = (values: Float64Array) => Array.from(values, (x) => (Number.isFinite(x) ? x : null));
    const result = (m[call as string] as (...a: unknown[]) => unknown)(...(given as unknown[]).map(argument));
    const plot = result as { layers?: Layer[] } | null;
    if (!plot || !Array.isArray(plot.layers)) return JSON.parse(JSON.stringify(result));
    return JSON.parse(JSON.stringify({ ...plot, layers: plot.layers.map((l) => ({ ...l, kind: l.kind.value, dash: Array.from(l.dash), lines: l.lines.map((line) => ({ x: plain(line.x), y: plain(line.y) })) })) }));
  }, [name, args] as const);
}

export function pagePlot(page: Page, name: string, ...args: unknown[]): Promise<PlainPlot> {
  return pageValue(page, name, args) as Promise<PlainPlot>;
}

// What the module's function `name` says for `args`: a message or a report.
export function pageWords(page: Page, name: string, ...args: unknown[]): Promise<unknown> {
  return pageValue(page, name, args);
}

// The same texts, colours, kinds and gaps, and the same values: exactly with `relative` 0 (a
// random run's whole atoms), else within `relative` of the larger magnitude or `absolute`, which
// is larger (the same computation in WebAssembly and natively, with libraries whose exp and log
// may differ in the last bits, and fits that stop where their own tolerance says).
export function expectSamePlot(actual: PlainPlot, expected: PlainPlot, relative: number, what: string, absolute = 0): void {
  const { layers: a, ...aRest } = actual;
  const { layers: e, ...eRest } = expected;
  expect(aRest, what).toEqual(eRest);
  expect(a.map(({ lines, ...rest }) => rest), what).toEqual(e.map(({ lines, ...rest }) => rest));
  a.forEach((layer, i) => {
    expect(layer.lines.length, `${what}, layer ${i}: lines`).toBe(e[i].lines.length);
    layer.lines.forEach((line, j) => {
      for (const axis of ['x', 'y'] as const) {
        const where = `${what}, layer ${i}, line ${j}, ${axis}`;
        const got = line[axis];
        const want = e[i].lines[j][axis];
        expect(got.map((v) => v === null), `${where}: gaps`).toEqual(want.map((v) => v === null));
        got.forEach((v, k) => {
          const w = want[k];
          if (v === null || w === null) return;
          if (!(Math.abs(v - w) <= Math.max(relative * Math.max(Math.abs(v), Math.abs(w)), absolute)))
            throw new Error(`${where} at ${k}: ${v} against ${w}`);
        });
      }
    });
  });
}

// The same words: patterns, texts, contexts and the forms of numbers exactly, the numbers within
// `relative` of the larger magnitude, sentences within sentences alike.
export function expectSameWords(actual: unknown, expected: unknown, relative: number, what: string): void {
  if (typeof expected === 'number' && typeof actual === 'number') {
    if (!(Math.abs(actual - expected) <= relative * Math.max(Math.abs(actual), Math.abs(expected))))
      throw new Error(`${what}: ${actual} against ${expected}`);
    return;
  }
  if (expected === null || typeof expected !== 'object') {
    expect(actual, what).toEqual(expected);
    return;
  }
  expect(typeof actual, what).toBe('object');
  const a = actual as Record<string, unknown>;
  const e = expected as Record<string, unknown>;
  expect(Object.keys(a).sort(), what).toEqual(Object.keys(e).sort());
  for (const key of Object.keys(e)) expectSameWords(a[key], e[key], relative, `${what}.${key}`);
}

