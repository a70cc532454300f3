// What the nuclide lab shows, kept across languages and across the other parts of the page.
import type { ModelMessage } from '../core/model';
import type { LabChain, LabViewKindName } from './labModel';
import { Colouring, type KeptView } from './NuclideMap';

export interface CustomRow { name: string; halfLife: string; unit: number; daughter: string; fraction: string; atoms: string; amountUnit: number }

// The time units' places in the model's list: s, min, h, d, y.
export const Hour = 2;

export const labState = {
  screen: 'lab' as 'lab' | 'chart',
  loaded: false,
  tableProblem: '',
  starts: [] as string[], // the first members of the offered chains; a chain picked on the chart joins them
  index: 0,               // into starts; starts.length for a custom chain
  threshold: 1e-6,        // as a fraction of the parent's decays
  thresholdText: '',
  chain: null as LabChain | null,      // the chain shown, of the table or as typed
  chainError: null as ModelMessage | null,
  notes: [] as ModelMessage[],
  notesSummary: null as ModelMessage | null,
  atoms: [] as string[],               // a table chain's initial amounts, one per member
  custom: [] as CustomRow[],
  amountUnits: [] as number[],         // their units, places in the model's list
  grid: 0,
  step: '',
  unit: 0,
  steps: '',
  first: '',
  firstUnit: 0,
  last: '',
  lastUnit: 0,
  perDecade: '',
  milkMember: 0,
  milkStep: '',
  milkChoices: [] as string[],
  status: () => '',
  ran: null as { chain: LabChain } | null,
  lastRandom: false,
  running: false, // a random run in its worker
  generation: 0,
  runs: 0,   // runs made, so that the chart of nuclides plays each new one once
  played: 0,  // counts the chains chosen, so that a late run of one chosen before is dropped
  view: 'Atoms' as LabViewKindName,
  logY: false,
  hidden: new Set<string>(), // the names of the layers the legend hides
  activityUnit: 0,
  daughters: [] as number[],
  daughter: -1,
  overs: [] as number[],
  over: -1,
  // The chart of nuclides
  colouring: Colouring.MainMode,
  search: '',
  filter: '',
  tab: 0,
  mapView: undefined as KeptView | undefined,
  mapRange: undefined as { firstN: number; lastN: number; firstZ: number; lastZ: number } | undefined,
  selected: -1,
  chartMessage: '',
};

export function isCustom(): boolean {
  return labState.index >= labState.starts.length;
}

// The custom chain a user starts from: a parent of 10 h, a daughter of 1 h, a stable end.
export function exampleCustomRows(names: string[], rows: number): CustomRow[] {
  const halfLives = ['10', '1'];
  return Array.from({ length: rows }, (_, row) => ({
    name: names[row] ?? '', halfLife: halfLives[row] ?? '', unit: Hour,
    daughter: row < 2 ? String(row + 2) : '', fraction: row < 2 ? '1' : '', atoms: row === 0 ? '1000000' : '0', amountUnit: 0,
  }));
}
