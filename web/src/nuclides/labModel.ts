// The nuclide lab's model functions, and the texts its windows share: nuclide titles, half-lives
// and time units in the user's language.
import { tr } from '../core/i18n';
import { model, type EnumValue, type ModelEnum, type ModelMessage, type ModelReport } from '../core/model';
import { significant } from '../core/numbers';
import type { Plot } from '../core/PlotChart';

export type TimeUnit = EnumValue<'TimeUnit'>;
export type AmountUnit = EnumValue<'AmountUnit'>;
export type GridKind = EnumValue<'GridKind'>;
export type LabViewKindName = 'Atoms' | 'Activity' | 'Ratio';
// In the model's order.
export const labViewKinds: readonly LabViewKindName[] = ['Atoms', 'Activity', 'Ratio'];

// `printed` is the half-life as the evaluation prints it without its unit ("> 1.1"); `shownValue`
// the half-life in `shownUnit`, to be written with `shownDigits`.
export interface LabNuclide {
  symbol: string; element: string; z: number; a: number; stable: boolean; halfLife: number; value: number;
  uncertainty: number; unit: string; estimated: boolean; printed: string; shownValue: number; shownDigits: number;
  shownUnit: string; spinParity: string; modes: string; source: string;
}
export interface LabNuclides { z: Float64Array; n: Float64Array; state: Float64Array; halfLife: Float64Array; symbol: string[]; mainMode: string[] }
export interface LabElements { symbols: string[]; names: string[] }
export interface LabMember { symbol: string; title: string; halfLife: number; stable: boolean }
export interface LabLink { parent: number; daughter: number; fraction: number }
// `modes`: every member's ways of decay, each once.
export interface LabChain { members: LabMember[]; links: LabLink[]; modes: string[] }
export interface LabTableChain { chain: LabChain | null; error: ModelMessage; notes: ModelMessage[]; summary: ModelMessage }
export interface LabChainEntry { chain: LabChain | null; error: ModelMessage }
export interface NumberEntry { value: number | null; error: ModelMessage }
// The entries as the model writes them, "." the decimal point.
export interface RunSetupTexts {
  initial: string[]; amountUnits: AmountUnit[]; grid: GridKind; step: string; unit: TimeUnit; steps: string;
  first: string; firstUnit: TimeUnit; last: string; lastUnit: TimeUnit; perDecade: string;
}
// The entries a chain starts with, and the view it opens on.
export interface LabDefaultView { kind: EnumValue<'LabViewKind'>; logY: boolean }
export interface LabDefaults { entries: RunSetupTexts; milkStep: number; view: LabDefaultView }
export interface LabRunOutcome { ran: boolean; error: ModelMessage }
export interface Milking { step: number; member: number }
export interface ChainSeries { values: Float64Array; decays: Float64Array }
// The last run: its times in its unit, every member's atoms, and its series as the model keeps them.
export interface LabSeries { times: Float64Array; unit: TimeUnit; atoms: Float64Array[]; series: ChainSeries }
export interface CustomTexts {
  members: { name: string; halfLife: string; unit: number }[];
  links: { parent: number; daughter: number; fraction: string }[];
  decimalPoint: string;
}

export interface LabModel {
  TimeUnit: ModelEnum<'TimeUnit', 'Second' | 'Minute' | 'Hour' | 'Day' | 'Year'>;
  AmountUnit: ModelEnum<'AmountUnit', 'Atoms' | 'Grams' | 'Becquerel'>;
  GridKind: ModelEnum<'GridKind', 'Uniform' | 'Logarithmic'>;
  LabViewKind: ModelEnum<'LabViewKind', LabViewKindName>;
  labLoad(nuclides: string): string;
  labStarts(): string[];
  labNuclide(symbol: string): LabNuclide | null;
  labNuclides(): LabNuclides;
  labElements(): LabElements;
  labNuclideSymbol(z: number, a: number, isomer: string): string;
  labReadThreshold(text: string, point: string): NumberEntry;
  labChooseTable(symbol: string, threshold: number): LabTableChain;
  labChooseCustom(texts: CustomTexts): LabChainEntry;
  labDefaults(): LabDefaults | null;
  labRun(texts: object, random: boolean, seed: string): LabRunOutcome;
  labCheck(texts: object, random: boolean): ModelMessage;
  labAdopt(texts: object, values: Float64Array, decays: Float64Array, flows: Float64Array): LabRunOutcome;
  // The status line of the last run in words (context NuclideLab), the step as typed.
  labStatusReport(typedStep: string): ModelReport;
  labSeries(): LabSeries | null;
  // The random run's moves, five numbers a move: step, from, to, decays, atoms.
  labSeriesFlows(): Float64Array;
  labPlot(view: { run: boolean; kind: EnumValue<'LabViewKind'>; logY: boolean; activityUnit: number; daughter: number; over: number }): Plot;
  labUpstream(daughter: number): number[];
  // The places in the list of amount units of those the shown chain's member can be given in.
  labAmountUnits(member: number): number[];
  // A member's colour and dash, as its curves have them.
  labMemberStyle(member: number): { color: string; dash: Float64Array };
  labEquilibriumText(daughter: number, over: number): ModelMessage;
  labUnitNames(): string[];
  labActivityUnitNames(): string[];
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

// The same of one of the model's time units; the lists of units hold them in the model's order.
export function timeUnitText(unit: TimeUnit): string {
  return unitText(labModel().labUnitNames()[unit.value]);
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
  return significant(nuclide.shownValue, nuclide.shownDigits);
}

export function halfLifeUnit(nuclide: LabNuclide): string {
  return nuclide.stable ? '' : unitText(nuclide.shownUnit);
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
  return `${nuclide.printed} ${unitText(nuclide.unit)}${nuclide.estimated ? ' #' : ''}`;
}

