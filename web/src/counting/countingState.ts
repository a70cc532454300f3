// What the counting lab shows, kept across languages and across the other parts of the page; the
// counter, its background and the fit themselves are the model's.
import { showMessage } from '../core/dom';
import { decimalPoint, messageText, modelText, tr } from '../core/i18n';
import type { ModelMessage } from '../core/model';
import type { LabNuclide } from '../nuclides/labModel';
import { countingModel, type CounterTexts, type FitMethodName, type FitShapeName, type SampleInfo } from './countingModel';

export const C = 'CountingLab';

export type Tab = 0 | 1 | 2;

export const state = {
  loaded: false,
  tab: 0 as Tab,
  // The source: a chain of the table, or the activated silver.
  starts: [] as LabNuclide[],
  start: '',
  atoms: '',
  step: '',
  unit: 0,
  steps: '',
  activation: '300',
  sample: null as SampleInfo | null,
  sampleName: null as (() => string) | null, // in the language shown
  chosen: new Set<number>(),
  lessonMembers: new Map<number, boolean>(), // a lesson's members counted or not, by place from 1
  // The detector.
  detector: 0,
  deadTime: '0',
  deadKind: 0,
  efficiency: '0.1',
  background: '0.5',
  backgroundTime: '600',
  // The counting.
  interval: '1',
  speed: 3,
  sound: false,
  counting: false,
  playing: false,
  playTime: 0, // seconds of the run played so far
  imported: false, // the counts shown are a file's
  method: 'PoissonLikelihood' as FitMethodName,
  shape: 'OneNuclide' as FitShapeName,
  logY: false,
  hidden: new Set<string>(), // the keys of the layers the legend hides
  fitText: '',
  // Radiocarbon dating.
  carbon: '100',
  age: '',
  datingTime: '60',
  datingSample: false, // a sample to date is there
  // Repeat counts.
  repeats: '100',
  repeatRate: '5',
  repeatTime: '1',
};

export function complain(error: ModelMessage | undefined, fallback = ''): void {
  void showMessage(tr(C, 'Counting lab'), error && error.pattern ? modelText(error) : fallback);
}

export function counterTexts(): CounterTexts {
  return { efficiency: state.efficiency, background: state.background, interval: state.interval, deadTime: state.deadTime,
    paralysable: state.deadKind === 1, decimalPoint: decimalPoint() };
}


// What the lab says, in the user's language.
export function labText(message: ModelMessage): string {
  return messageText(message, C);
}

export function backgroundText(): string {
  return labText(countingModel().countingBackgroundText());
}
