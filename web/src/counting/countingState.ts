// What the counting lab shows, kept across languages and across the other parts of the page; the
// counter, its background and the fit themselves are the model's.
import { showMessage } from '../core/dom';
import { decimalPoint, modelText, tr } from '../core/i18n';
import { count, significant, withUncertainty } from '../core/numbers';
import type { ModelMessage } from '../core/model';
import type { CounterTexts, Dating, FitMethodName, FitResult, FitShapeName, SampleInfo } from './countingModel';

export const C = 'CountingLab';

export type Tab = 0 | 1 | 2;

export const state = {
  loaded: false,
  tab: 0 as Tab,
  // The source: a chain of the table, or the activated silver.
  starts: [] as { symbol: string; element: string }[],
  start: '',
  atoms: '',
  step: '',
  unit: 0,
  steps: '',
  activation: '300',
  sample: null as SampleInfo | null,
  sampleName: null as (() => string) | null, // in the language shown
  chosen: new Set<number>(),
  // The detector.
  detector: 0,
  deadTime: '0',
  deadKind: 0,
  efficiency: '0.1',
  background: '0.5',
  backgroundTime: '600',
  measuredBackground: null as { counts: number; seconds: number; rate: number; sigma: number } | null,
  // The counting.
  interval: '1',
  speed: 3,
  sound: false,
  counting: false,
  playing: false,
  playTime: 0, // seconds of the run played so far
  imported: null as { fileName: string; timeUnit: string } | null,
  method: 'PoissonLikelihood' as FitMethodName,
  shape: 'OneNuclide' as FitShapeName,
  logY: false,
  hidden: new Set<string>(), // the keys of the layers the legend hides
  fit: null as FitResult | null,
  fitText: '',
  // Radiocarbon dating.
  carbon: '100',
  age: '',
  datingTime: '60',
  datingSample: null as { hidden: boolean; grams: number; age: number } | null,
  ageShown: false,
  datings: [] as Dating[],
  // Repeat counts.
  repeats: '100',
  repeatRate: '5',
  repeatTime: '1',
  repeated: false,
};

export function complain(error: ModelMessage | undefined, fallback = ''): void {
  void showMessage(tr(C, 'Counting lab'), error && error.pattern ? modelText(error) : fallback);
}

export function counterTexts(): CounterTexts {
  return { efficiency: state.efficiency, background: state.background, interval: state.interval, deadTime: state.deadTime,
    paralysable: state.deadKind === 1, decimalPoint: decimalPoint() };
}


export function backgroundText(): string {
  const b = state.measuredBackground;
  return b ? tr(C, 'Background: %1 counts in %2 s, %3 per second.', count(b.counts), significant(b.seconds, 6), withUncertainty(b.rate, b.sigma)) : '';
}
