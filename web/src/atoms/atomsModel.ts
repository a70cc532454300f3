// The view of a random run's atoms: its calls into the model (web/wasm/AtomsBindings.cpp).
import { model, type ModelMessage } from '../core/model';
import type { Plot } from '../core/PlotChart';

export interface AtomsOpened { atoms: number; steps: number; refusal: ModelMessage | null }
export interface AtomsLayout { columns: number; rows: number; cell: number; width: number; height: number }
export interface AtomsLegendEntry { state: number; name: ModelMessage; color: string }

export interface AtomsModel {
  openRunAtoms(texts: { atoms: string; rate: string; lastStep: string; decimalPoint: string }, seed: string): AtomsOpened;
  openExperimentAtoms(run: number, seed: string): AtomsOpened;
  openLabAtoms(seed: string): AtomsOpened;
  atomsLayout(width: number, height: number): AtomsLayout;
  setAtomsStep(step: number): number;
  atomsStepAt(time: number): number;
  atomsPlayedStep(): number;
  atomsPlayFrames(): number;
  atomsPatchColor(which: number): string;
  // RGBA bytes in the module's memory, valid until the next call: copy them at once.
  atomsFrame(width: number, height: number): Uint8Array;
  atomsLegend(): AtomsLegendEntry[];
  setAtomsPatch(which: number, x0: number, y0: number, x1: number, y1: number, width: number, height: number): number;
  setAtomsPatchOutline(which: number, x: number[] | Float64Array, y: number[] | Float64Array, width: number, height: number): number;
  clearAtomsPatch(which: number): void;
  // The edges of the cells a dragged rectangle takes, in the square's pixels; null for none.
  atomsCells(x0: number, y0: number, x1: number, y1: number, width: number, height: number): { left: number; top: number; right: number; bottom: number } | null;
  setAtomsDetector(x0: number, y0: number, x1: number, y1: number, width: number, height: number): number;
  clearAtomsDetector(): void;
  atomsPlot(): Plot;
  atomsText(): ModelMessage;
}

export const atomsModel = () => model<AtomsModel>();
