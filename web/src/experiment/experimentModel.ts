// The class experiment's calls into the model (web/wasm/ExperimentBindings.cpp), on the page and
// on the workers that make the runs.
import { model, type EnumValue, type ModelEnum, type ModelMessage } from '../core/model';
import type { Plot } from '../core/PlotChart';

export interface EnsembleTexts {
  atoms: string;
  rate: string;
  lastStep: string;
  runs: string;
  seed: string;
  decimalPoint: string;
}

export interface Spread { mean: number; sd: number; count: number }
export interface Summary {
  atoms: number; rate: number; lastStep: number; runs: number; seed: string; q: number;
  halving: Spread; slopeHalfLife: Spread; continuousHalfLife: number; discreteHalfLife: number;
}
export interface ClassDataInfo { groups: number; throws: number; fit: { probability: number; halfLife: number } | null }
export interface EnsembleRead { runs?: number; lastStep?: number; work?: number; error?: ModelMessage }

export type ExperimentView = EnumValue<'ExperimentView'>;
export type ExperimentViewName = 'Counts' | 'LnCounts' | 'HalfLives';

export interface ExperimentModel {
  ExperimentView: ModelEnum<'ExperimentView', ExperimentViewName>;
  experimentDefaults(atoms: string, rate: string, halfLife: string, lastStep: string, point: string): Record<'atoms' | 'rate' | 'halfLife' | 'lastStep' | 'runs', string>;
  lnTwoOverText(text: string, point: string): string | null;
  readEnsemble(texts: EnsembleTexts): EnsembleRead;
  ensembleRuns(texts: EnsembleTexts, first: number, last: number, onProgress: (steps: number) => void): Int16Array | null;
  setEnsemble(texts: EnsembleTexts, counts: Int16Array): Summary | null;
  experimentFile(): string;
  readClassData(bytes: Uint8Array, point: string): ClassDataInfo & { error?: ModelMessage };
  largestClassFile(): number;
  experimentPlot(view: ExperimentView): Plot;
}

export const experimentModel = () => model<ExperimentModel>();
