// The nuclide lab: real nuclides in real time. A chain from the nuclide table or one the user
// types in, run exactly or atom by atom, shown as numbers of atoms, activities or the activity
// of a daughter against a member upstream, with the equilibrium that ratio settles into.
import { countLabRun } from '../counting/CountingPage';
import { PlotChart, valuesShape, legend } from '../core/PlotChart';
import { announce, button, checkbox, element, field, group, select, showMessage } from '../core/dom';
import { download } from '../core/files';
import { decimalPoint, modelText, reportText, tr } from '../core/i18n';
import { changedOnRefusal } from '../core/refusal';
import { compiledModel } from '../core/model';
import { significant } from '../core/numbers';
import type { Page } from '../core/page';
import { randomSeed } from '../core/seed';
import { equilibriumText, labDescription, labPlot, memberSwatch } from './LabPlots';
import {
  entry, halfLifeSource, halfLifeUnit, halfLifeValue, labModel, labViewKinds, loadTable, nuclideTitle, timeUnitNames,
  type CustomTexts, type LabChain, type LabViewKindName,
} from './labModel';
import { exampleCustomRows, isCustom, labState as state } from './labState';
import { renderNuclideChart, stopPlaying } from './NuclideChart';

const L = 'NuclideLab';
const lab = labModel;

function fail(text: string): void {
  announce(text);
  void showMessage(tr(L, 'Nuclide lab'), text);
}

// The chain of the chosen start, or the custom one as typed; the entries it starts with.
export function chooseChain(): void {
  if (state.running) cancelRun();
  ++state.generation;
  state.ran = null;
  state.selected = -1;
  state.notes = [];
  state.notesSummary = null;
  state.chainError = null;
  if (isCustom()) {
    const names = [tr(L, 'Parent'), tr(L, 'Daughter'), tr(L, 'Stable')];
    state.custom = exampleCustomRows(names, lab().labMostCustomMembers());
    state.chain = readCustom();
  } else {
    const chosen = lab().labChooseTable(state.starts[state.index], state.threshold);
    state.chain = chosen.chain;
    state.notes = chosen.notes;
    state.notesSummary = chosen.notes.length ? chosen.summary : null;
    state.chainError = chosen.chain ? null : chosen.error;
    state.atoms = (chosen.chain?.members ?? []).map((_, i) => (i === 0 ? '1000000' : '0'));
    state.amountUnits = (chosen.chain?.members ?? []).map(() => 0);
  }
  if (state.chain) showDefaults();
  showLinks(state.chain);
  state.status = () => (isCustom()
    ? tr(L, 'Type up to five members: a name, a half-life (empty for a stable member), the number of the member it decays to and the branch fraction.')
    : state.chainError ? modelText(state.chainError)
      : tr(L, 'Press Exact for the continuous solution or Random for a run atom by atom.'));
}

// The lists of units and grids hold the model's values in its order.
function showDefaults(): void {
  const d = lab().labDefaults();
  if (!d) return;
  const point = decimalPoint();
  const local = (text: string) => text.replace('.', point);
  const e = d.entries;
  state.step = local(e.step);
  state.unit = e.unit.value;
  state.steps = local(e.steps);
  state.first = local(e.first);
  state.firstUnit = e.firstUnit.value;
  state.last = local(e.last);
  state.lastUnit = e.lastUnit.value;
  state.perDecade = local(e.perDecade);
  state.grid = e.grid.value;
  state.milkStep = String(d.milkStep);
  if (!isCustom()) state.amountUnits = e.amountUnits.map((u) => u.value);
  if (!isCustom() && state.atoms.length > 0) state.atoms[0] = local(e.initial[0]);
  state.view = labViewKinds[d.view.kind.value];
  state.logY = d.view.logY;
}

// The members to milk and the daughters to compare, of the chain shown or just run.
function showLinks(chain: LabChain | null): void {
  state.milkChoices = chain ? chain.members.map((m) => m.symbol) : [];
  state.milkMember = chain ? Math.min(1, chain.members.length - 1) : 0;
  state.daughters = [];
  if (chain)
    for (let i = 1; i < chain.members.length; ++i)
      if (!chain.members[i].stable && lab().labUpstream(i).length > 0) state.daughters.push(i);
  state.daughter = state.daughters[0] ?? -1;
  showUpstream(chain);
}

// The members upstream of the chosen daughter, its main parent chosen first.
function showUpstream(chain: LabChain | null): void {
  state.overs = [];
  state.over = -1;
  if (!chain || state.daughter < 0) return;
  let main: { parent: number; fraction: number } | null = null;
  for (const link of chain.links)
    if (link.daughter === state.daughter && (!main || link.fraction > main.fraction)) main = link;
  state.overs = Array.from(lab().labUpstream(state.daughter));
  state.over = main && state.overs.includes(main.parent) ? main.parent : state.overs[0] ?? -1;
}

// The custom chain as typed, read by the model; a message says what is wrong with it.
function readCustom(): LabChain | null {
  const rows = state.custom;
  let members = 0;
  while (members < rows.length && rows[members].name.trim() !== '') ++members;
  const texts: CustomTexts = { members: [], links: [], decimalPoint: decimalPoint() };
  for (let row = 0; row < members; ++row) {
    const r = rows[row];
    texts.members.push({ name: r.name.trim(), halfLife: r.halfLife.trim(), unit: r.unit });
    const daughter = r.daughter.trim();
    if (daughter === '') continue;
    const to = /^[+-]?\d+$/.test(daughter) ? Number(daughter) : NaN;
    if (!(to >= 1 && to <= members)) {
      fail(tr(L, 'Member %1 decays to "%2": give the number of a member from 1 to %3, or leave it empty.', row + 1, daughter, members));
      return null;
    }
    texts.links.push({ parent: row, daughter: to - 1, fraction: r.fraction.trim() });
  }
  lastCustom = texts;
  const read = lab().labChooseCustom(texts);
  if (!read.chain) fail(modelText(read.error));
  return read.chain;
}

// The initial amounts in the chain's order: a custom chain puts parents before daughters,
// whatever the order they were typed in.
function initialTexts(chain: LabChain): string[] {
  if (!isCustom()) return chain.members.map((_, i) => state.atoms[i] ?? '');
  return chain.members.map((member, i) => {
    const row = state.custom.findIndex((r) => r.name.trim() === member.symbol);
    return state.custom[row >= 0 ? row : i]?.atoms ?? '';
  });
}

// Their units, in the same order.
function amountUnitsOf(chain: LabChain): number[] {
  if (!isCustom()) return chain.members.map((_, i) => state.amountUnits[i] ?? 0);
  return chain.members.map((member, i) => {
    const row = state.custom.findIndex((r) => r.name.trim() === member.symbol);
    return state.custom[row >= 0 ? row : i]?.amountUnit ?? 0;
  });
}

// The members table's cells, given as its headers list them, in the order it shows them: the
// amounts beside the half-lives, where a narrow table still shows them without scrolling.
function inShownOrder<T>(cells: T[]): T[] {
  return [0, 1, 2, 5, 6, 3, 4, 7].map((i) => cells[i]);
}

// The units a member's amount can be given in, as places in the model's list.
function amountUnitBox(row: number, label: string, units: number[], chosen: number, changed: (unit: number) => void): HTMLElement {
  const names = [tr(L, 'atoms'), tr(L, 'grams'), tr(L, 'becquerel')];
  const keys = ['atoms', 'g', 'Bq']; // as a lesson names the units
  const box = element('select', { id: `cboAmountUnit${row + 1}`, 'aria-label': label });
  units.forEach((unit) => box.append(element('option', { value: String(unit), 'data-key': keys[unit] }, names[unit])));
  box.value = String(units.includes(chosen) ? chosen : units[0]);
  box.addEventListener('change', () => changed(Number(box.value)));
  return box;
}

function runTexts(chain: LabChain, milk: boolean): object {
  return {
    initial: initialTexts(chain), amountUnits: amountUnitsOf(chain), grid: state.grid, step: state.step, unit: state.unit,
    steps: state.steps, first: state.first, firstUnit: state.firstUnit, last: state.last, lastUnit: state.lastUnit,
    perDecade: state.perDecade, milk, milkStep: state.milkStep, milkMember: state.milkMember, decimalPoint: decimalPoint(),
  };
}

declare const ATOMDRIFT_WORKER_SOURCE: string;
let worker: Worker | null = null;
let pending: ((answer: { ran: boolean; values?: Float64Array; decays?: Float64Array; flows?: Float64Array } | null) => void) | null = null;
let lastCustom: CustomTexts | null = null;

// The random run goes to a worker, so that the page stays live and Cancel takes at once.
function randomInWorker(texts: object, seed: string): Promise<{ ran: boolean; values?: Float64Array; decays?: Float64Array; flows?: Float64Array } | null> {
  if (!worker) {
    worker = new Worker(URL.createObjectURL(new Blob([ATOMDRIFT_WORKER_SOURCE], { type: 'text/javascript' })));
    worker.postMessage({ kind: 'module', module: compiledModel() });
    worker.onmessage = (event) => { pending?.(event.data); pending = null; };
  }
  const request = isCustom()
    ? { custom: lastCustom }
    : { start: state.starts[state.index], threshold: state.threshold };
  worker.postMessage({ kind: 'labRandom', nuclides: window.ATOMDRIFT_DATA.nuclides, texts, seed, ...request });
  return new Promise((resolve) => { pending = resolve; });
}

// Stops a random run under way; its worker goes with it.
export function cancelRun(): void {
  worker?.terminate();
  worker = null;
  pending?.(null);
  pending = null;
  state.running = false;
}

export async function run(random: boolean, milk: boolean): Promise<boolean> {
  const chain = isCustom() ? readCustom() : state.chain;
  if (!chain) return false;
  if (isCustom()) state.chain = chain;
  const texts = runTexts(chain, milk);
  const refusal = lab().labCheck(texts, random);
  if (refusal.pattern) {
    announce(modelText(refusal));
    // The change the refusal offers goes into the entries, and the run with them.
    const point = decimalPoint();
    const changed = await changedOnRefusal(tr(L, 'Nuclide lab'), refusal, (which, value) => {
      const typed = entry(value, 15, point);
      if (which === 'Step') state.step = typed;
      else if (which === 'Steps') state.steps = typed;
      else if (which === 'PointsPerDecade') state.perDecade = typed;
    });
    return changed ? run(random, milk).then(() => true) : false;
  }
  const seed = randomSeed('Run');
  let outcome;
  if (random) {
    const generation = ++state.generation;
    state.running = true;
    state.status = () => tr('Web', 'Running the chain atom by atom...');
    announce(state.status());
    const answer = await randomInWorker(texts, seed);
    if (generation !== state.generation) return false; // another chain was chosen meanwhile
    state.running = false;
    if (!answer) {
      state.status = () => tr('Web', 'The random run was cancelled.');
      announce(state.status());
      return true;
    }
    outcome = answer.ran ? lab().labAdopt(texts, answer.values!, answer.decays!, answer.flows!) : lab().labRun(texts, true, seed);
  } else {
    outcome = lab().labRun(texts, false, seed);
  }
  if (!outcome.ran) {
    fail(outcome.error.pattern ? modelText(outcome.error) : tr(L, 'The chain could not be run with these entries.'));
    return false;
  }
  // The run is of the chain shown, a typed one as the model ordered it.
  if (isCustom()) {
    const milked = state.milkMember;
    showLinks(chain);
    state.milkMember = Math.min(milked, chain.members.length - 1);
  }
  state.ran = { chain };
  ++state.runs;
  state.lastRandom = random;
  const status = lab().labStatusReport(state.step);
  state.status = () => reportText(status, L);
  announce(state.status());
  return true;
}

class NuclideLabPage implements Page {
  id = 'nuclides';
  private root!: HTMLElement;
  private chart: PlotChart | null = null; // the lab's chart as drawn last
  caption(): string { return tr(L, 'Nuclide lab'); }

  leave(): void {
    if (state.running) cancelRun();
    stopPlaying();
  }

  // The run's data file, as "Export CSV..." writes it, for a hand-in that carries the data.
  lessonData(): string {
    return state.ran ? lab().labChainFile() : '';
  }

  render(root: HTMLElement): void {
    this.root = root;
    if (!state.loaded) {
      state.loaded = true;
      const problem = loadTable();
      state.starts = problem ? [] : lab().labStarts();
      state.thresholdText = entry(100 * state.threshold, 6, decimalPoint());
      chooseChain();
      if (problem) state.status = () => tr(L, 'The nuclide table cannot be read (%1); only a custom chain can be run.', problem);
    }
    if (state.screen === 'chart') {
      renderNuclideChart(root, () => this.go('lab'), (symbol) => this.showChainOf(symbol));
      return;
    }
    this.lab();
  }

  private rerender(focus?: string): void {
    this.render(this.root);
    if (focus) document.getElementById(focus)?.focus();
  }

  private go(screen: 'lab' | 'chart'): void {
    stopPlaying();
    state.screen = screen;
    this.rerender(screen === 'lab' ? 'cmdChart' : 'picChart');
  }

  // The chain that starts at a radioactive nuclide of the table, offered from then on.
  showChainOf(symbol: string): void {
    const nuclide = lab().labNuclide(symbol);
    if (!nuclide || nuclide.stable) return;
    let at = state.starts.indexOf(symbol);
    if (at < 0) at = state.starts.push(symbol) - 1;
    state.index = at;
    chooseChain();
    stopPlaying();
    state.screen = 'lab';
    this.rerender('cboNuclide');
    announce(`${nuclideTitle(nuclide)}. ${state.status()}`);
  }

  offerNuclide(symbol: string): void {
    this.showChainOf(symbol);
  }

  private lab(): void {
    // The members table takes the page's whole width: its columns are many, its entries the run's start.
    const left = element('div', { class: 'lab-entries no-print' }, this.runBox(),
      element('p', { id: 'lblStatus', class: 'message', 'aria-live': 'polite' }, state.status()),
      // What the table chain leaves out, in a sentence, with the notes behind a disclosure.
      state.notesSummary ? element('p', { id: 'lblNotes', class: 'message' }, modelText(state.notesSummary)) : null,
      state.notes.length ? element('details', { id: 'frmNotes' }, element('summary', {}, tr(L, 'Details')),
        element('ul', { id: 'lstNotes' }, ...state.notes.map((note) => element('li', {}, modelText(note))))) : null,
      state.running ? element('div', { class: 'buttons' }, button('cmdCancel', tr('ClassExperiment', 'Cancel'), () => { cancelRun(); this.rerender('cmdRandom'); })) : null,
      this.commands());
    this.root.replaceChildren(element('h1', { class: 'no-print' }, tr(L, 'Nuclide lab')), this.worksheetHead(),
      element('div', { class: 'lab-entries lab-sample no-print' }, this.sample()),
      element('div', { class: 'columns lab-columns' }, left, this.chartArea()), this.worksheetQuestions());
    this.drawChart();
  }

  private sample(): HTMLElement {
    const options = state.starts.map((symbol, i): { value: string; text: string; key?: string } => {
      const nuclide = lab().labNuclide(symbol);
      return { value: String(i), text: nuclide ? nuclideTitle(nuclide) : symbol, key: symbol };
    });
    options.push({ value: String(state.starts.length), text: tr(L, 'Custom chain') });
    const nuclide = select('cboNuclide', tr(L, 'Nuclide:'), options, String(state.index));
    nuclide.select.addEventListener('change', () => { state.index = Number(nuclide.select.value); chooseChain(); this.rerender('cboNuclide'); announce(state.status()); });
    const chart = button('cmdChart', tr(L, 'Chart of nuclides...'), () => this.go('chart'));
    const threshold = field('txtThreshold', tr(L, 'Leave out branches below (%):'), state.thresholdText, { inputmode: 'decimal' });
    const thresholdDone = () => this.thresholdChange(threshold.input);
    threshold.input.addEventListener('change', thresholdDone);
    threshold.input.addEventListener('keydown', (e) => { if (e.key === 'Enter') { e.preventDefault(); thresholdDone(); } });
    return group('frmSample', tr(L, 'Sample'), nuclide.row, element('div', { class: 'buttons' }, chart), threshold.row, this.membersTable());
  }

  // A new threshold builds the table chain anew; one that cannot be read says why and keeps the last.
  private thresholdChange(input: HTMLInputElement): void {
    const read = lab().labReadThreshold(input.value, decimalPoint());
    if (read.value === null) {
      state.thresholdText = entry(100 * state.threshold, 6, decimalPoint());
      input.value = state.thresholdText;
      fail(modelText(read.error));
      return;
    }
    state.thresholdText = input.value;
    if (read.value / 100 === state.threshold) return;
    state.threshold = read.value / 100;
    chooseChain();
    this.rerender('txtThreshold');
  }

  private membersTable(): HTMLElement {
    const headers = [tr(L, 'Nuclide'), tr(L, 'Half-life'), tr(L, 'Unit'), tr(L, 'Decays to'), tr(L, 'Branch fraction'), tr(L, 'Initial amount'),
      tr(L, 'Amount unit'), tr(L, 'Decay mode')];
    const table = element('table', { id: 'tblMembers', class: 'members' }, element('caption', {}, tr(L, 'Members of the chain')),
      element('thead', {}, element('tr', {}, ...inShownOrder(headers.map((h) => element('th', { scope: 'col' }, h))))));
    const body = element('tbody', {});
    if (isCustom()) state.custom.forEach((_, row) => body.append(this.customRow(row, headers)));
    else if (state.chain) state.chain.members.forEach((_, row) => body.append(this.tableRow(state.chain!, row, headers)));
    table.append(body);
    return element('div', { class: 'table-scroll' }, table);
  }

  private tableRow(chain: LabChain, row: number, headers: string[]): HTMLElement {
    const member = chain.members[row];
    const nuclide = lab().labNuclide(member.symbol);
    const links = chain.links.filter((l) => l.parent === row);
    const atoms = element('input', { id: `txtAtoms${row + 1}`, type: 'text', inputmode: 'decimal', 'aria-label': `${headers[5]} ${member.symbol}` });
    atoms.value = state.atoms[row] ?? '';
    atoms.addEventListener('input', () => { state.atoms[row] = atoms.value; });
    return this.pointable(member.symbol, element('tr', {}, ...inShownOrder([
      element('th', { scope: 'row' }, memberSwatch(row), nuclide ? nuclideTitle(nuclide) : member.title),
      element('td', { title: nuclide ? halfLifeSource(nuclide) : undefined }, nuclide ? halfLifeValue(nuclide) : tr(L, 'stable')),
      element('td', {}, nuclide ? halfLifeUnit(nuclide) : ''),
      element('td', {}, links.map((l) => chain.members[l.daughter].symbol).join(', ')),
      element('td', {}, links.map((l) => significant(l.fraction, 6)).join(', ')),
      element('td', {}, atoms),
      element('td', {}, amountUnitBox(row, tr(L, 'Amount unit of %1', member.symbol), lab().labAmountUnits(row), state.amountUnits[row] ?? 0,
        (unit) => { state.amountUnits[row] = unit; })),
      element('td', {}, chain.modes[row] ?? '')])));
  }

  // Pointing at a member's row, or moving into it, highlights its curves as its legend entry does.
  private pointable(name: string | (() => string), row: HTMLElement): HTMLElement {
    const on = () => this.chart?.highlightNamed(typeof name === 'string' ? name : name().trim());
    const off = () => this.chart?.highlightNamed(null);
    row.addEventListener('mouseenter', on);
    row.addEventListener('mouseleave', off);
    row.addEventListener('focusin', on);
    row.addEventListener('focusout', off);
    return row;
  }

  private customRow(row: number, headers: string[]): HTMLElement {
    const r = state.custom[row];
    const cell = (id: string, key: 'name' | 'halfLife' | 'daughter' | 'fraction' | 'atoms', header: string) => {
      const input = element('input', { id: `${id}${row + 1}`, type: 'text', 'aria-label': `${header} ${row + 1}` });
      input.value = r[key];
      input.addEventListener('input', () => { r[key] = input.value; });
      return element('td', {}, input);
    };
    const unit = element('select', { id: `cboUnit${row + 1}`, 'aria-label': tr(L, 'Unit of member %1', row + 1) });
    timeUnitNames().forEach((text, i) => unit.append(element('option', { value: String(i) }, text)));
    unit.value = String(r.unit);
    unit.addEventListener('change', () => { r.unit = Number(unit.value); });
    // A typed member has no molar mass; a stable one's becquerel the model refuses with its reason.
    const amountUnit = amountUnitBox(row, tr(L, 'Amount unit of member %1', row + 1), [0, 2], r.amountUnit, (u) => { r.amountUnit = u; });
    return this.pointable(() => r.name, element('tr', {}, ...inShownOrder([cell('txtName', 'name', headers[0]), cell('txtHalfLife', 'halfLife', headers[1]),
      element('td', {}, unit), cell('txtDaughter', 'daughter', headers[3]), cell('txtBranch', 'fraction', headers[4]),
      cell('txtAtoms', 'atoms', headers[5]), element('td', {}, amountUnit), element('td', {})])));
  }

  private runBox(): HTMLElement {
    const symbols = lab().labUnitNames();
    const units = timeUnitNames().map((text, i) => ({ value: String(i), text, key: symbols[i] }));
    const text = (id: string, label: string, key: 'step' | 'steps' | 'first' | 'last' | 'perDecade' | 'milkStep', hidden = false) => {
      const f = field(id, label, state[key], { inputmode: 'decimal' });
      f.input.addEventListener('input', () => { state[key] = f.input.value; });
      f.input.addEventListener('keydown', (e) => { if (e.key === 'Enter') { e.preventDefault(); this.runClicked(false, false); } });
      if (hidden) f.row.hidden = true;
      return f.row;
    };
    const unit = (id: string, key: 'unit' | 'firstUnit' | 'lastUnit', hidden = false) => {
      const s = select(id, tr(L, 'Time unit'), units, String(state[key]));
      s.select.addEventListener('change', () => { state[key] = Number(s.select.value); });
      if (hidden) s.row.hidden = true;
      return s.row;
    };
    const logarithmic = state.grid === 1;
    const grid = select('cboGrid', tr(L, 'Time grid:'), [tr(L, 'uniform'), tr(L, 'logarithmic')].map((t, i) => ({ value: String(i), text: t })), String(state.grid));
    grid.select.addEventListener('change', () => { state.grid = Number(grid.select.value); this.rerender('cboGrid'); });
    const milk = select('cboMilk', tr(L, 'Member to milk:'), state.milkChoices.map((t, i) => ({ value: String(i), text: t, key: t })), String(state.milkMember));
    milk.select.addEventListener('change', () => { state.milkMember = Number(milk.select.value); });
    return group('frmRun', tr(L, 'Run'), grid.row,
      text('txtStep', tr(L, 'Time step:'), 'step', logarithmic), unit('cboStepUnit', 'unit', logarithmic),
      text('txtSteps', tr(L, 'Number of steps:'), 'steps', logarithmic),
      text('txtFirstTime', tr(L, 'First time:'), 'first', !logarithmic), unit('cboFirstUnit', 'firstUnit', !logarithmic),
      text('txtLastTime', tr(L, 'Last time:'), 'last', !logarithmic), unit('cboLastUnit', 'lastUnit', !logarithmic),
      text('txtPerDecade', tr(L, 'Points per decade:'), 'perDecade', !logarithmic),
      element('div', { class: 'buttons' }, button('cmdExact', tr(L, 'Exact'), () => this.runClicked(false, false)),
        button('cmdRandom', tr(L, 'Random'), () => this.runClicked(true, false))),
      milk.row, text('txtMilkStep', tr(L, 'Milk after step:'), 'milkStep'),
      element('div', { class: 'buttons' }, button('cmdMilk', tr(L, 'Milk'), () => this.runClicked(state.lastRandom, true), { disabled: state.milkChoices.length === 0 })));
  }

  // The printed worksheet: the run in a sentence above the chart, questions below it.
  private worksheetHead(): HTMLElement {
    const chosen = isCustom() ? tr(L, 'Custom chain') : (() => {
      const nuclide = lab().labNuclide(state.starts[state.index]);
      return nuclide ? nuclideTitle(nuclide) : state.starts[state.index];
    })();
    return element('div', { class: 'print-only' }, element('h1', {}, tr(L, 'Atomdrift \u2014 Nuclide lab')),
      element('p', {}, tr(L, 'Chain: %1. %2', chosen, state.status())));
  }

  private worksheetQuestions(): HTMLElement {
    return element('ol', { class: 'print-only' },
      element('li', {}, tr(L, 'Read from the chart the time at which the daughter\'s activity is largest. Compare it with ln(\u03BB_B/\u03BB_A)/(\u03BB_B\u2212\u03BB_A).')),
      element('li', {}, tr(L, 'Which kind of equilibrium does the chain reach, and why does the half-life of the parent decide it?')),
      element('li', {}, tr(L, 'After milking, how long does the daughter take to grow back to half of its activity before? Which half-life sets that time?')));
  }

  private runClicked(random: boolean, milk: boolean): void {
    if (state.running) return;
    const focused = document.activeElement?.id;
    const ran = run(random, milk);
    if (state.running) this.rerender('cmdCancel');
    void ran.then((shown) => { if (shown) this.rerender(focused === 'cmdCancel' ? 'cmdRandom' : focused); });
  }

  private commands(): HTMLElement {
    const none = !state.ran;
    return element('div', { class: 'buttons' },
      button('cmdExport', tr(L, 'Export CSV...'), () => this.exportFile(), { disabled: none }),
      button('cmdSaveImage', tr('Look', 'Save chart as image...'), () => this.saveImage(), { disabled: none }),
      button('cmdPrint', tr('Look', 'Print worksheet'), () => window.print(), { disabled: none }),
      // The counting lab counts the last run: offered when the page has that part.
      document.getElementById('navcounting')
        ? button('cmdCounter', tr(L, 'Counter...'), () => this.countRun(), { disabled: none })
        : null);
  }

  // The counting lab counts the run itself, a typed chain's too.
  private countRun(): void {
    if (!state.ran) return;
    countLabRun(state.ran.chain.members[0].symbol);
  }

  private exportFile(): void {
    if (!state.ran) return;
    download(tr(L, 'Atomdrift %1.csv', state.ran.chain.members[0].symbol), lab().labChainFile());
  }

  private saveImage(): void {
    const canvas = document.querySelector<HTMLCanvasElement>('#chartLab canvas');
    if (!canvas) return;
    const link = element('a', { href: canvas.toDataURL('image/png'), download: tr(L, 'Atomdrift %1.csv', state.ran?.chain.members[0].symbol ?? '').replace(/\.csv$/, '.png') });
    document.body.append(link);
    link.click();
    link.remove();
  }

  private chartArea(): HTMLElement {
    const option = (id: string, caption: string, kind: LabViewKindName) => {
      const input = element('input', { id, type: 'radio', name: 'labView' });
      input.checked = state.view === kind;
      input.addEventListener('change', () => { state.view = kind; this.rerender(id); });
      return element('span', { class: 'check' }, input, element('label', { for: id }, caption));
    };
    const log = checkbox('chkLog', tr(L, 'Logarithmic scale'), state.logY);
    log.input.addEventListener('change', () => { state.logY = log.input.checked; this.rerender('chkLog'); });
    const units = lab().labActivityUnitNames().map((text, i) => ({ value: String(i), text }));
    const unit = select('cboActivityUnit', tr(L, 'Activity unit:'), units, String(state.activityUnit));
    unit.select.addEventListener('change', () => { state.activityUnit = Number(unit.select.value); this.rerender('cboActivityUnit'); });
    const chain = this.currentChain();
    const symbol = (i: number) => chain?.members[i]?.symbol ?? '';
    const daughter = select('cboDaughter', tr(L, 'Daughter:'), state.daughters.map((i) => ({ value: String(i), text: symbol(i), key: symbol(i) })), String(state.daughter));
    daughter.select.addEventListener('change', () => { state.daughter = Number(daughter.select.value); showUpstream(chain); this.rerender('cboDaughter'); });
    const over = select('cboOver', tr(L, 'Over:'), state.overs.map((i) => ({ value: String(i), text: symbol(i), key: symbol(i) })), String(state.over));
    over.select.addEventListener('change', () => { state.over = Number(over.select.value); this.rerender('cboOver'); });
    const views = element('fieldset', { id: 'frmView', class: 'view-row no-print' }, element('legend', {}, tr('ViewRow', 'View:')),
      option('optAtoms', tr(L, 'Atoms N(t)'), 'Atoms'), option('optActivity', tr(L, 'Activity A(t)'), 'Activity'),
      option('optRatio', tr(L, 'Activity ratio'), 'Ratio'), log.row);
    // Busy while a random run goes on in its worker: the chart shows the run before.
    return element('div', { class: 'lab-chart', 'aria-busy': state.running ? 'true' : undefined }, views, element('div', { class: 'lab-settings no-print' }, unit.row, daughter.row, over.row),
      element('div', { id: 'chartLab' }), element('div', { id: 'legendLab' }), element('p', { id: 'lblEquilibrium', class: 'message' }, this.equilibrium()));
  }

  private currentChain(): LabChain | null {
    return state.ran?.chain ?? state.chain;
  }

  private equilibrium(): string {
    const chain = this.currentChain();
    if (!chain || state.daughter < 0 || state.over < 0)
      return chain ? tr(L, 'The chain has no radioactive daughter, so no equilibrium of activities.') : '';
    return equilibriumText(state.daughter, state.over);
  }

  private drawChart(): void {
    const host = document.getElementById('chartLab')!;
    const view = { kind: state.view, logY: state.logY, activityUnit: state.activityUnit, daughter: state.daughter, over: state.over };
    const plot = labPlot(state.ran !== null, view);
    host.setAttribute('tabindex', '0');
    const chart = new PlotChart(host, valuesShape);
    this.chart = chart;
    chart.draw(plot, state.hidden, labDescription(plot, state.ran ? lab().labSeries() : null));
    document.getElementById('legendLab')?.replaceChildren(legend(plot, state.hidden, () => this.drawChart(), tr(L, 'Legend'),
      (key) => chart.highlight(key)));
  }
}

export const nuclideLabPage = new NuclideLabPage();
