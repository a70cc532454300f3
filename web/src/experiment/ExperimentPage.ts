// The class experiment: every student of a class makes the random decay run once; the part shows
// all the runs beside the theory, the half-lives the class measures, and a class's own dice or coin
// counts. The runs are made on Web Workers while the page stays responsive.
import { announce, button, element, field, showMessage } from '../core/dom';
import { download, downloadBlob, pickFile } from '../core/files';
import { decimalPoint, modelText, tr } from '../core/i18n';
import { decimals } from '../core/numbers';
import type { Page } from '../core/page';
import { randomSeed } from '../core/seed';
import { mainWindowEntries } from '../run/RunPage';
import { PlotChart, legend } from '../core/PlotChart';
import { experimentModel, type ClassDataInfo, type EnsembleTexts, type ExperimentViewName, type Summary } from './experimentModel';
import { cancelEnsemble, runEnsemble, workerCount } from './ExperimentRuns';
import { generalNumber, worksheet } from './Worksheet';

export const C = 'ClassExperiment';
const views: { id: string; caption: string; view: ExperimentViewName }[] = [
  { id: 'optCounts', caption: 'N(t)', view: 'Counts' },
  { id: 'optLog', caption: 'ln N(t)', view: 'LnCounts' },
  { id: 'optHalfLives', caption: 'Half-lives', view: 'HalfLives' },
];
const entries = [
  { id: 'txtAtoms', key: 'atoms', label: 'Initial number of atoms:', mode: 'numeric' },
  { id: 'txtRate', key: 'rate', label: 'Decay rate per step:', mode: 'decimal' },
  { id: 'txtHalfLife', key: 'halfLife', label: 'Half-life (steps):', mode: 'decimal' },
  { id: 'txtLastStep', key: 'lastStep', label: 'Last step:', mode: 'numeric' },
  { id: 'txtRuns', key: 'runs', label: 'Runs (students):', mode: 'numeric' },
  { id: 'txtSeed', key: 'seed', label: 'Seed:', mode: 'numeric' },
] as const;
type EntryKey = (typeof entries)[number]['key'];

// A status line kept as its source and values, so that it follows a change of language.
interface Status { source: string; values: () => (string | number)[] }

// What the part shows, kept across languages and across the other parts of the page.
const state = {
  loaded: false,
  texts: { atoms: '', rate: '', halfLife: '', lastStep: '', runs: '', seed: '' } as Record<EntryKey, string>,
  running: false,
  done: 0,
  work: 1,
  status: { source: 'Press Run: every student makes one random decay run.', values: () => [] } as Status,
  result: null as Summary | null,
  data: null as ClassDataInfo | null,
  view: 0,
  hidden: new Set<string>(),
};

function ensembleTexts(): EnsembleTexts {
  const t = state.texts;
  return { atoms: t.atoms, rate: t.rate, lastStep: t.lastStep, runs: t.runs, seed: t.seed, decimalPoint: decimalPoint() };
}

function statusText(): string {
  return tr(C, state.status.source, ...state.status.values());
}

function finishedStatus(s: Summary): Status {
  return { source: '%1 runs of %2 atoms to step %3; a draw decays with q = %4.', values: () => [s.runs, s.atoms, s.lastStep, generalNumber(s.q, 10)] };
}

// The line under the table: how many runs gave each half-life, and the class data's fit.
export function halfLivesText(): string {
  const s = state.result;
  let text = s
    ? tr(C, '%1 of %2 runs fell to N0/2 by the last step; %3 of %2 runs gave a falling line of ln N.', s.halving.count, s.runs, s.slopeHalfLife.count)
    : tr(C, 'The class has made no runs yet.');
  const data = state.data;
  if (data) {
    const fit = data.fit
      ? tr(C, 'decay probability %1 per throw, half-life %2 throws', decimals(data.fit.probability, 4), decimals(data.fit.halfLife, 2))
      : tr(C, 'the counts do not fall, so no decay probability fits them');
    text += '\n' + tr(C, 'Class data (%1 groups, %2 throws): %3.', data.groups, data.throws, fit);
  }
  return text;
}

// The table's rows: caption, class mean, standard deviation (the theory has no spread).
export function halfLifeRows(): [string, string, string][] {
  const s = state.result;
  const cell = (value: number) => (s ? decimals(value, 2) : '');
  return [
    [tr(C, 'Half-life where N first falls to N0/2'), cell(s?.halving.mean ?? 0), cell(s?.halving.sd ?? 0)],
    [tr(C, 'Half-life from the slope of ln N'), cell(s?.slopeHalfLife.mean ?? 0), cell(s?.slopeHalfLife.sd ?? 0)],
    [tr(C, 'ln 2 / r (the continuous law)'), cell(s?.continuousHalfLife ?? 0), ''],
    [tr(C, 'ln 2 / −ln(1−q) (exact for the draws)'), cell(s?.discreteHalfLife ?? 0), ''],
  ];
}

function halfLifeTable(): HTMLTableElement {
  const head = element('tr', {}, element('td', {}), element('th', { scope: 'col' }, tr(C, 'Class mean')), element('th', { scope: 'col' }, tr(C, 'Standard deviation')));
  const body = element('tbody', {});
  for (const [caption, mean, sd] of halfLifeRows())
    body.append(element('tr', {}, element('th', { scope: 'row' }, caption), element('td', {}, mean), element('td', {}, sd)));
  return element('table', { id: 'tblHalfLives', 'aria-label': tr(C, 'Half-lives') }, element('thead', {}, head), body);
}

class ExperimentPage implements Page {
  id = 'experiment';
  private root!: HTMLElement;
  private chart: PlotChart | null = null;
  private shown = false; // a class that ends while another part is shown must not draw over it
  caption(): string { return tr(C, 'Class experiment'); }

  render(root: HTMLElement): void {
    this.root = root;
    this.shown = true;
    if (!state.loaded) this.load();
    const columns = element('div', { class: 'columns experiment' }, this.controls(), this.chartArea());
    root.replaceChildren(element('h1', { id: 'ClassExperiment' }, tr(C, 'Class experiment')), columns);
    this.showPlot();
  }

  lessonEntries(): Record<string, string> {
    if (!state.loaded) this.load();
    const shown: Record<string, string> = {};
    for (const e of entries) shown[e.id] = state.texts[e.key];
    views.forEach((v, i) => { shown[v.id] = String(state.view === i); });
    return shown;
  }

  // A lesson's entries, the rate and the half-life each from the other where it gives one alone.
  applyLesson(given: Record<string, string>): void {
    if (!state.loaded) this.load();
    this.cmdCancel_Click();
    for (const e of entries) if (given[e.id] !== undefined) state.texts[e.key] = given[e.id];
    const point = decimalPoint();
    if (given.txtRate === undefined && given.txtHalfLife !== undefined) state.texts.rate = experimentModel().lnTwoOverText(given.txtHalfLife, point) ?? '';
    if (given.txtHalfLife === undefined && given.txtRate !== undefined) state.texts.halfLife = experimentModel().lnTwoOverText(given.txtRate, point) ?? '';
    views.forEach((v, i) => { if (given[v.id] === 'true') state.view = i; });
    state.status = { source: 'Press Run: every student makes one random decay run.', values: () => [] };
  }

  lessonSeed(seed: string): void {
    state.texts.seed = seed;
    const field = document.getElementById('txtSeed') as HTMLInputElement | null;
    if (field) field.value = seed;
  }

  lessonData(): string {
    return state.result ? experimentModel().experimentFile() : '';
  }

  // Stops the class in progress, as closing the desktop's window does.
  leave(): void {
    this.shown = false;
    this.cmdCancel_Click();
  }

  // The entries on first opening, from the decay run's fields.
  private load(): void {
    const main = mainWindowEntries();
    const defaults = experimentModel().experimentDefaults(main.atoms, main.rate, main.halfLife, main.lastStep, decimalPoint());
    state.texts = { ...defaults, seed: randomSeed() };
    state.loaded = true;
  }

  private rerender(focus?: string): void {
    if (!this.shown) return;
    this.render(this.root);
    if (focus) (document.getElementById(focus) as HTMLElement | null)?.focus();
  }

  private controls(): HTMLElement {
    const fields = entries.map((e) => field(e.id, tr(C, e.label), state.texts[e.key], { inputmode: e.mode, disabled: state.running }));
    fields.forEach(({ input }, i) => {
      const key = entries[i].key;
      input.addEventListener('input', () => {
        state.texts[key] = input.value;
        if (key === 'rate') this.other('halfLife', 'txtHalfLife', input.value);
        if (key === 'halfLife') this.other('rate', 'txtRate', input.value);
      });
      input.addEventListener('keydown', (event) => { if (event.key === 'Enter') { event.preventDefault(); this.cmdRun_Click(); } });
    });
    const newSeed = button('cmdNewSeed', tr(C, 'New seed'), () => this.cmdNewSeed_Click(), { disabled: state.running });
    const parameters = element('fieldset', { id: 'frmParameters' }, element('legend', {}, tr(C, 'The class')),
      ...fields.map((f) => f.row), element('div', { class: 'buttons' }, newSeed));

    const idle = !state.running;
    const withResult = idle && state.result !== null;
    const progress = element('progress', { id: 'barProgress', max: 1000, value: this.progressValue() });
    return element('div', { class: 'experiment-controls' }, parameters,
      element('div', { class: 'buttons' },
        button('cmdRun', tr(C, 'Run'), () => this.cmdRun_Click(), { disabled: !idle, 'data-first': true }),
        button('cmdCancel', tr(C, 'Cancel'), () => this.cmdCancel_Click(), { disabled: idle })),
      element('div', { class: 'progress' }, element('label', { for: 'barProgress' }, tr(C, 'Progress')), progress),
      element('p', { id: 'lblStatus', class: 'message' }, statusText()),
      element('div', { class: 'buttons file-commands' },
        button('cmdImport', tr(C, 'Import class data...'), () => void this.cmdImport_Click(), { disabled: !idle }),
        button('cmdExport', tr(C, 'Export runs as CSV...'), () => this.cmdExport_Click(), { disabled: !withResult }),
        button('cmdSaveImage', tr(C, 'Save chart as image...'), () => this.cmdSaveImage_Click(), { disabled: !withResult }),
        button('cmdPrint', tr(C, 'Print worksheet'), () => this.cmdPrint_Click(), { disabled: !withResult }),
        button('cmdClose', tr(C, 'Close'), () => this.cmdClose_Click())));
  }

  private chartArea(): HTMLElement {
    const options = views.map((v, i) => {
      const input = element('input', { id: v.id, type: 'radio', name: 'experimentView', value: i });
      input.checked = state.view === i;
      input.addEventListener('change', () => { if (input.checked) { state.view = i; this.showPlot(); } });
      return element('span', { class: 'check' }, input, element('label', { for: v.id }, tr(C, v.caption)));
    });
    const viewRow = element('fieldset', { class: 'view-row' }, element('legend', {}, tr('ViewRow', 'View:')), ...options);
    const host = element('div', { id: 'chartExperiment' });
    this.chart = new PlotChart(host);
    // Busy while the class runs: the chart, the legend and the table show the class before.
    return element('div', { class: 'experiment-chart', 'aria-busy': state.running ? 'true' : undefined }, viewRow, host, element('div', { id: 'legendHost' }), halfLifeTable(),
      element('p', { id: 'lblHalfLives', class: 'message' }, halfLivesText()));
  }

  private showPlot(): void {
    const plot = experimentModel().experimentPlot(experimentModel().ExperimentView[views[state.view].view]);
    this.chart?.draw(plot, state.hidden);
    document.getElementById('legendHost')?.replaceChildren(legend(plot, state.hidden, () => this.showPlot(), tr(C, 'Legend')));
  }

  private progressValue(): number {
    return state.running ? Math.min(Math.floor((state.done * 1000) / state.work), 1000) : state.result ? 1000 : 0;
  }

  // Rate and half-life are ln 2 over each other: typing one writes the other.
  private other(key: 'rate' | 'halfLife', id: string, typed: string): void {
    state.texts[key] = experimentModel().lnTwoOverText(typed, decimalPoint()) ?? '';
    (document.getElementById(id) as HTMLInputElement).value = state.texts[key];
  }

  private cmdNewSeed_Click(): void {
    state.texts.seed = randomSeed();
    (document.getElementById('txtSeed') as HTMLInputElement).value = state.texts.seed;
  }

  private async cmdRun_Click(): Promise<void> {
    if (state.running) return;
    const texts = ensembleTexts();
    const read = experimentModel().readEnsemble(texts);
    if (read.error) {
      await showMessage(tr(C, 'Class experiment'), modelText(read.error));
      document.getElementById('cmdRun')?.focus();
      return;
    }
    const runs = read.runs!;
    const cores = workerCount();
    Object.assign(state, { running: true, done: 0, work: read.work!, status: { source: '%1 runs on %2 cores...', values: () => [runs, cores] } });
    this.rerender('cmdCancel');
    announce(statusText());
    let counts: Int16Array | null = null;
    try {
      counts = await runEnsemble({ texts, runs, steps: read.lastStep! + 1, onProgress: (steps) => this.advance(steps) });
    } catch (error) {
      state.running = false;
      this.rerender('cmdRun');
      await showMessage(tr(C, 'Class experiment'), tr('Web', 'The runs could not be made: %1', String(error)));
      return;
    }
    const summary = counts ? experimentModel().setEnsemble(texts, counts) : null;
    state.running = false;
    if (summary) {
      state.result = summary;
      state.status = finishedStatus(summary);
    } else {
      state.status = { source: 'Cancelled; the chart shows the class before.', values: () => [] };
    }
    this.rerender('cmdRun');
    announce(statusText());
  }

  private advance(steps: number): void {
    state.done += steps;
    const bar = document.getElementById('barProgress') as HTMLProgressElement | null;
    if (bar) bar.value = this.progressValue();
  }

  private cmdCancel_Click(): void {
    cancelEnsemble();
  }

  private async cmdImport_Click(): Promise<void> {
    const title = tr(C, 'Import class data');
    const file = await pickFile('.csv,.txt,.tsv,text/csv,text/plain,text/tab-separated-values');
    if (!file) return;
    let bytes: Uint8Array;
    try {
      // One byte over the largest file lets the model tell a file that is too large.
      bytes = new Uint8Array(await file.slice(0, experimentModel().largestClassFile() + 1).arrayBuffer());
    } catch (error) {
      await showMessage(title, tr(C, 'The class data were not imported.\n\n%1 cannot be read: %2', file.name, String(error)));
      return;
    }
    const read = experimentModel().readClassData(bytes, decimalPoint());
    if (read.error) {
      await showMessage(title, tr(C, 'The class data were not imported from %1.\n\n%2', file.name, modelText(read.error)));
      document.getElementById('cmdImport')?.focus();
      return;
    }
    state.data = read;
    this.rerender('cmdImport');
    announce(halfLivesText());
  }

  private cmdExport_Click(): void {
    if (state.result) download(tr(C, 'Atomdrift class.csv'), experimentModel().experimentFile());
  }

  private cmdSaveImage_Click(): void {
    this.chart?.picture().toBlob((blob) => { if (blob) downloadBlob(tr('ImageFile', 'Atomdrift chart.png'), blob); }, 'image/png');
  }

  private cmdPrint_Click(): void {
    if (!state.result || !this.chart) return;
    const sheet = worksheet(state.result, this.chart.picture().toDataURL('image/png'), halfLifeRows(), halfLivesText());
    document.getElementById('worksheet')?.remove();
    document.body.append(sheet);
    document.body.classList.add('printing-worksheet');
    const done = () => { document.body.classList.remove('printing-worksheet'); sheet.remove(); };
    window.addEventListener('afterprint', done, { once: true });
    window.print();
  }

  private cmdClose_Click(): void {
    this.cmdCancel_Click();
    location.hash = '#run';
  }
}

export const experimentPage = new ExperimentPage();
