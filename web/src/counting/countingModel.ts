// The counting lab's calls into the model (web/wasm/CountingBindings.cpp).
import { model, type EnumValue, type ModelEnum, type ModelMessage, type ModelReport } from '../core/model';
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
  amountUnits?: number[];
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
// The run counted, as the tests read it: its steps, grid, last time and unit.
export interface SampleInfo { steps: number; grid: boolean; last: number; unit: string }
// The nuclide lab's first entries for a chain, a gram as a million atoms.
export interface ChainDefaults { step: number; unit: EnumValue<'TimeUnit'>; steps: number; atoms: number }
// A member the counter may count, and its place in the chain.
export interface CountedMember { symbol: string; index: number }
// How far the counter is: the counts of the running interval, the time and the intervals done.
export interface CounterProgress { running: number; time: number; finished: boolean; intervals: number }
// The fit's choices in the order of the desktop's lists.
export const fitMethods = ['PoissonLikelihood', 'WeightedLeastSquares'] as const;
export const fitShapes = ['OneNuclide', 'TwoNuclides', 'Chain'] as const;
export type FitMethodName = (typeof fitMethods)[number];
export type FitShapeName = (typeof fitShapes)[number];
export type FitMethod = EnumValue<'FitMethod'>;
export type FitShape = EnumValue<'FitShape'>;

export interface CountingModel {
  FitMethod: ModelEnum<'FitMethod', FitMethodName>;
  FitShape: ModelEnum<'FitShape', FitShapeName>;
  countingChainDefaults(start: string): ChainDefaults | null;
  countingRunTable(texts: TableRunTexts, seed: string): Outcome;
  countingTakeLabRun(): Outcome;
  countingSilver(activation: string, point: string, seed: string): Outcome;
  countingSampleInfo(): SampleInfo | null;
  countingCountable(): CountedMember[];
  // The fit model a sample starts with.
  countingDefaultShape(): EnumValue<'FitShape'>;
  countingCheckSettings(texts: CounterTexts): Outcome;
  countingStart(texts: CounterTexts, chosen: number[], backgroundTime: string, seed: string, backgroundSeed: string): Outcome;
  countingAdvanceStep(): number;
  countingPlayTo(seconds: number): number;
  countingProgress(): CounterProgress | null;
  countingMeasureBackground(texts: CounterTexts, seconds: string, seed: string): Outcome;
  countingShownCounts(): Float64Array;
  countingMethodName(method: FitMethod): string;
  countingShapeName(shape: FitShape): string;
  // What the lab says, in the context CountingLab; `name` titles the run of the nuclide lab.
  countingSampleText(name: string): ModelMessage;
  countingBackgroundText(): ModelMessage;
  countingCounterReport(): ModelReport;
  countingFitReport(method: FitMethod, shape: FitShape, playing: boolean): ModelReport;
  countingDatingReport(): ModelReport;
  countingRepeatText(): ModelMessage;
  countingWorksheetText(name: string, shape: FitShape): ModelMessage;
  countingImport(text: string, point: string, fileName: string): Outcome;
  countingExport(): string;
  countingNewDatingSample(carbon: string, age: string, point: string, seed: string): Outcome;
  countingCountDatingSample(texts: CounterTexts, minutes: string, seed: string): Outcome;
  countingRevealAge(): void;
  countingDateRecording(texts: CounterTexts, carbon: string): Outcome;
  countingRepeat(counter: CounterTexts, texts: { repeats: string; rate: string; seconds: string }, seed: string): Outcome;
  countingRepeatCounts(): Float64Array;
  countingRatePlot(logY: boolean): Plot;
  countingResidualPlot(logY: boolean): Plot;
  countingDatingPlot(): Plot;
  countingRepeatPlot(): Plot;
  // A real counter's pulses as the lab's counts, counted in intervals of `interval` seconds; or as
  // its background; its intervals as repeat counts; its pulse times as a CSV file.
  countingUseRecording(record: PulseRecord, interval: string, point: string): Outcome;
  countingUseRecordedBackground(record: PulseRecord): void;
  countingRepeatRecording(): void;
  countingExportPulseTimes(): string;
  // The format of a WAV file from its first bytes, as the desktop reads it.
  countingWavFormat(bytes: Uint8Array, size: number): WavFormat;
  // What the real counter's panel says, in the context ModelText.
  countingHoldOffText(holdOff: number): ModelMessage;
  countingLiveCountText(pulses: number, seconds: number): ModelMessage;
  countingInputWarnings(report: { clipped: number; gapStarts: Float64Array; gapSeconds: Float64Array; silent: boolean; pumping: boolean; drifting: boolean },
    processingOn: string[]): ModelMessage[];
}

// What a real counter gave: pulse times and the length of the input in seconds, its lost
// stretches as start and length pairs, and the detector's hold-off.
// A WAV file's format as the desktop reads it, and where its sound is.
export interface WavFormat {
  ok: boolean; error: ModelMessage | null; warning: ModelMessage | null;
  sampleRate: number; channels: number; float: boolean; bits: number; frames: number; dataStart: number; blockAlign: number;
}
export interface PulseRecord { times: Float64Array; seconds: number; gaps: Float64Array; holdOffMs: number }

export const countingModel = () => model<CountingModel>();
