// The counting lab's calls into the model (web/wasm/CountingBindings.cpp).
import { model, type EnumValue, type ModelEnum, type ModelMessage } from '../core/model';
import type { Plot } from '../core/PlotChart';

export interface Outcome { ok: boolean; error?: ModelMessage }
export interface CounterTexts {
  efficiency: string;
  background: string;
  interval: string;
  deadTime: string;
  paralysable: boolean;
  decimalPoint: string;
}
// A chain of the table as the nuclide lab's entries give it; `atoms` of the first member alone when
// there is no `initial` amount for every member. Units and kinds are indices of the model's lists.
export interface TableRunTexts {
  start: string;
  atoms?: string;
  initial?: string[];
  amountUnit?: number;
  threshold?: number; // the share of a parent's decays below which a branch is left out
  grid?: number;
  step: string;
  unit: number;
  steps: string;
  first?: string;
  firstUnit?: number;
  last?: string;
  lastUnit?: number;
  perDecade?: string;
  milk?: boolean;
  milkStep?: string;
  milkMember?: number;
  random: boolean;
  decimalPoint: string;
}
export interface SampleInfo {
  random: boolean;
  steps: number;
  step: number;
  grid: boolean;
  last: number;
  unit: string;
  unitSeconds: number;
  first: string;
  members: { symbol: string; index: number }[];
}
export interface Interval { start: number; end: number; counts: number }
export interface CounterStatus {
  running: number;
  total: number;
  time: number;
  endTime: number;
  finished: boolean;
  intervals: number;
  saturated: boolean;
  tau: number;
  last: Interval | null;
  corrected?: number;
  settings: { efficiency: number; background: number; tau: number; paralysable: boolean };
}
export interface ShownSeries {
  starts: Float64Array;
  ends: Float64Array;
  counts: Float64Array;
  background: Float64Array;
  backgroundRate: number;
  backgroundTime: number;
  backgroundSigma: number;
}
// The fit's choices in the order of the desktop's lists.
export const fitMethods = ['PoissonLikelihood', 'WeightedLeastSquares'] as const;
export const fitShapes = ['OneNuclide', 'TwoNuclides', 'Chain'] as const;
export type FitMethodName = (typeof fitMethods)[number];
export type FitShapeName = (typeof fitShapes)[number];
export type FitMethod = EnumValue<'FitMethod'>;
export type FitShape = EnumValue<'FitShape'>;

export interface FitResult {
  fitted: boolean;
  shape: FitShape;
  halfLife: number;
  sigma: number;
  secondHalfLife: number;
  secondSigma: number;
  chiSquare: number;
  degreesOfFreedom: number;
  reducedChiSquare: number;
  pValue: number;
  note: ModelMessage;
  expected: Float64Array;
  residuals: Float64Array;
}
export interface DatedAge { halfLife: number; halfLifeSigma: number; age: number; minus: number; plus: number; lowerLimit: boolean }
// What the count rate chart shows besides the counts: a logarithmic axis, the fit, or the prompt
// to count the sample waiting.
export interface RateView { logY: boolean; fitShown: boolean; hasSample: boolean }

export interface Dating {
  labels: ModelMessage[]; // the ages' kinds, in the order of the ages
  seconds: number;
  counts: number;
  backgroundCounts: number;
  ratio: number;
  ratioLow: number;
  ratioHigh: number;
  note: ModelMessage;
  ages: DatedAge[];
}
export interface RepeatResult {
  counts: Float64Array;
  n: number;
  mean: number;
  variance: number;
  index: number;
  chiSquare: number;
  degreesOfFreedom: number;
  pValue: number;
}

export interface CountingModel {
  FitMethod: ModelEnum<'FitMethod', FitMethodName>;
  FitShape: ModelEnum<'FitShape', FitShapeName>;
  countingLoadTable(text: string): { error: string; starts: { symbol: string; element: string }[] };
  countingChainDefaults(start: string): { step: number; unit: number; steps: number; atoms: number } | null;
  countingRunTable(texts: TableRunTexts, seed: string): Outcome;
  countingTakeLabRun(): Outcome;
  countingSilver(activation: string, point: string, seed: string): Outcome & { seconds?: number };
  countingSampleInfo(): SampleInfo | null;
  countingCheckSettings(texts: CounterTexts): Outcome;
  countingStart(texts: CounterTexts, chosen: number[], seed: string): Outcome;
  countingAdvanceStep(): number;
  countingPlayTo(seconds: number): number;
  countingStatus(): CounterStatus | null;
  countingMeasureBackground(texts: CounterTexts, seconds: string, seed: string): Outcome & { counts: number; seconds: number; rate: number; sigma: number };
  countingShownSeries(): ShownSeries;
  countingMethodName(method: FitMethod): string;
  countingShapeName(shape: FitShape): string;
  countingFit(method: FitMethod, shape: FitShape): FitResult;
  countingClearFit(): void;
  countingImport(text: string, point: string): Outcome & { timeUnit?: string };
  countingExport(): string;
  countingNewDatingSample(carbon: string, age: string, point: string, seed: string): Outcome & { hidden: boolean; grams: number; age: number };
  countingCountDatingSample(texts: CounterTexts, minutes: string, seed: string): Outcome;
  countingDatings(): Dating[];
  countingRepeat(counter: CounterTexts, texts: { repeats: string; rate: string; seconds: string }, seed: string): Outcome;
  countingRepeatResult(): RepeatResult;
  countingRatePlot(view: RateView): Plot;
  countingResidualPlot(view: RateView): Plot;
  countingDatingPlot(trueAge: boolean): Plot;
  countingRepeatPlot(): Plot;
}

export const countingModel = () => model<CountingModel>();
