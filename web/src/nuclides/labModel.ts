// The nuclide lab's model functions, and the texts its windows share: nuclide titles, half-lives
// and time units in the user's language.
import { tr } from '../core/i18n';
import { model, type ModelMessage } from '../core/model';
import { significant } from '../core/numbers';
import type { Plot } from '../core/PlotChart';

export interface LabNuclide {
  symbol: string; element: string; z: number; a: number; state: number; stable: boolean;
  halfLife: number; value: number; valueText: string; uncertainty: number; uncertaintyText: string;
  unit: string; relation: string; estimated: boolean; spinParity: string; source: string;
  modes: string; mainMode: string; shownUnit?: string; shownValue?: number; shownDigits?: number;
}
export interface LabMember { symbol: string; title: string; halfLife: number; stable: boolean }
export interface LabLink { parent: number; daughter: number; fraction: number; mode: string; modeSymbol: string; modeChange: string }
export interface LabChain { members: LabMember[]; links: LabLink[] }
export interface LabDefaults {
  step: string; unit: number; steps: number; logarithmic: boolean; last: string; lastUnit: number;
  perDecade: number; amount: string; amountUnit: number; milkStep: number;
}
export interface LabRunOutcome {
  ran: boolean; error: ModelMessage; chain?: LabChain; steps?: number; logarithmic?: boolean;
  first?: number; last?: number; milkMember: number | null; milkStep: number | null;
}
export interface LabSeries {
  times: Float64Array; unit: number; random: boolean;
  atoms: Float64Array[]; activity: Float64Array[]; total: Float64Array;
  exact_atoms?: Float64Array[]; exact_activity?: Float64Array[]; exact_total?: Float64Array;
}
export interface CustomTexts {
  members: { name: string; halfLife: string; unit: number }[];
  links: { parent: number; daughter: number; fraction: string }[];
  decimalPoint: string;
}

export interface LabModel {
  labLoad(nuclides: string): string;
  labStarts(): string[];
  labNuclide(symbol: string): LabNuclide | null;
  labNuclides(): { z: Float64Array; n: Float64Array; state: Float64Array; halfLife: Float64Array; symbol: string[]; mainMode: string[] };
  labElements(): { symbols: string[]; names: string[] };
  labNuclideSymbol(z: number, a: number, isomer: string): string;
  labReadThreshold(text: string, point: string): { value: number | null; error: ModelMessage };
  labChooseTable(symbol: string, threshold: number): { chain: LabChain | null; error: ModelMessage; notes: ModelMessage[] };
  labChooseCustom(texts: CustomTexts): { chain: LabChain | null; error: ModelMessage };
  labDefaults(): LabDefaults | null;
  labRun(texts: object, random: boolean, seed: string): LabRunOutcome;
  labCheck(texts: object, random: boolean): ModelMessage;
  labRandomSeries(): { values?: Float64Array; decays?: Float64Array };
  labAdopt(texts: object, values: Float64Array, decays: Float64Array): LabRunOutcome;
  labSeries(): LabSeries | null;
  labPlot(view: { run: boolean; kind: number; logY: boolean; activityUnit: number; daughter: number; over: number }): Plot;
  labUpstream(daughter: number): Float64Array;
  labEquilibriumText(daughter: number, over: number): ModelMessage;
  labUnitNames(): string[];
  labActivityUnits(): { names: string[]; per: Float64Array };
  labEntryText(value: number, digits: number): string;
  labChainFile(): string;
  labMostCustomMembers(): number;
}

export const labModel = () => model<LabModel>();

// The table is parsed once, on the lab's first showing; "" when it was read.
let loadProblem: string | null = null;
export function loadTable(): string {
  if (loadProblem === null) loadProblem = labModel().labLoad(window.ATOMDRIFT_DATA.nuclides);
  return loadProblem;
}

// A time unit's symbol in the user's language, as the desktop's unitText writes it.
export function unitText(symbol: string): string {
  return tr('NuclideLab', symbol);
}

export function timeUnitNames(): string[] {
  return labModel().labUnitNames().map(unitText);
}

// A number for an entry field, as the model's number readers take it back.
export function entry(value: number, digits: number, point: string): string {
  return labModel().labEntryText(value, digits).replace('.', point);
}

// "Molybdenum-99 (Mo-99)" in the user's language, with a capital, as it stands alone in a list.
export function nuclideTitle(nuclide: LabNuclide): string {
  const symbol = nuclide.symbol;
  const title = tr('NuclideLab', '%1-%2 (%3)', tr('Element', nuclide.element), symbol.slice(symbol.indexOf('-') + 1), symbol);
  return title.charAt(0).toUpperCase() + title.slice(1);
}

// The same in a sentence, as the chart of nuclides names a nuclide.
export function nuclideName(nuclide: LabNuclide): string {
  const symbol = nuclide.symbol;
  return tr('NuclideLab', '%1-%2 (%3)', tr('Element', nuclide.element), symbol.slice(symbol.indexOf('-') + 1), symbol);
}

// A half-life as a class reads it, with the digits the evaluation gives: "65.932" and "h".
export function halfLifeValue(nuclide: LabNuclide): string {
  if (nuclide.stable) return tr('NuclideLab', 'stable');
  return significant(nuclide.shownValue!, nuclide.shownDigits!);
}

export function halfLifeUnit(nuclide: LabNuclide): string {
  return nuclide.stable ? '' : unitText(nuclide.shownUnit!);
}

// The value as the evaluation prints it, with its uncertainty and source, for a tool tip.
export function halfLifeSource(nuclide: LabNuclide): string {
  if (nuclide.stable) return nuclide.source;
  return tr('NuclideLab', '%1 \u00B1 %2 %3 (%4)', significant(nuclide.value, 15), significant(nuclide.uncertainty, 15),
    unitText(nuclide.unit), nuclide.source);
}

// "4.463 ± 0.003 Gy", "> 1.1 Zy", "10 ms #", or "stable": as the chart of nuclides lists it.
export function halfLifeShown(nuclide: LabNuclide): string {
  if (nuclide.stable) return tr('NuclideMap', 'stable');
  const sign = nuclide.relation === '<' || nuclide.relation === '>' || nuclide.relation === '~' ? `${nuclide.relation} ` : '';
  const value = nuclide.valueText + (nuclide.uncertaintyText ? ` \u00B1 ${nuclide.uncertaintyText}` : '');
  return `${sign}${value} ${unitText(nuclide.unit)}${nuclide.estimated ? ' #' : ''}`;
}

