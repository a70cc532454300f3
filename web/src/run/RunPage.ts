// The decay run: the main window's entries, the deterministic and the random run, the four views
// with the large graph, the data file, and the title, introduction, references and quiz texts.
import { PlotChart, valuesShape, plotText, type Plot } from '../core/PlotChart';
import { announce, button, element, field } from '../core/dom';
import { download } from '../core/files';
import { decimalPoint, modelText, tr, trText } from '../core/i18n';
import { model, type EnumValue, type ModelEnum, type ModelMessage } from '../core/model';
import type { Page } from '../core/page';
import { randomSeed } from '../core/seed';

interface RunOutcome {
  ran: boolean;
  label: ModelMessage;
  box: string;
  lnViewEnabled: boolean;
  runEnabled: boolean;
  focusDecayedView: boolean;
  lastStep: number;
  extinct: boolean;
}
interface RateEntry { replacement: string | null; other: string }
export interface RunModel {
  confirmInitialAtoms(text: string): string | null;
  confirmSimulationTime(text: string): string | null;
  confirmHalfLife(text: string, point: string): RateEntry;
  confirmRate(text: string, point: string): RateEntry;
  lnTwoOverText(text: string, point: string): string | null;
  isNumberText(text: string, point: string): boolean;
  loadLastStep(text: string): void;
  invalidate(): void;
  runDeterministic(texts: object): RunOutcome;
  runRandom(texts: object, seed: string): RunOutcome;
  RunView: ModelEnum<'RunView', 'AtomsVsTime' | 'DecayedVsTime' | 'LnAtomsVsTime' | 'NextVsNow'>;
  viewPlot(view: EnumValue<'RunView'>): Plot;
  dataFile(): string;
}

export enum View { Atoms = 0, Decayed = 1, LnAtoms = 2, NextVsNow = 3 }
type Screen = 'title' | 'main' | 'large' | 'intro' | 'references' | 'quiz';

// What the window shows, kept across languages and across the other parts of the page.
const state = {
  screen: 'title' as Screen,
  atoms: '100',
  rate: '0.1',
  halfLife: '',
  lastStep: '50',
  rateEnabled: true,
  halfLifeEnabled: true,
  outcome: null as RunOutcome | null,
  valid: false,
  view: View.Atoms,
  largeView: View.Decayed,
  cycle: 0,
  runEnabled: true,
  lnEnabled: false,
  loaded: false,
};

const C = 'Form1';
const runModel = () => model<RunModel>();

// The chart of one view as the desktop draws it; the large graph names two views its own way.
export function viewPlot(view: View, large = false): Plot {
  const m = runModel();
  const plot = m.viewPlot([m.RunView.AtomsVsTime, m.RunView.DecayedVsTime, m.RunView.LnAtomsVsTime, m.RunView.NextVsNow][view]);
  const own = (text: string) => ({ pattern: '%1', values: [{ text }] });
  if (large && view === View.Decayed) plot.yTitle = own(tr('Form1', 'Atoms'));
  if (large && view === View.NextVsNow) plot.title = own(tr('larggraf', 'N(t+1) vs. N(t) (Blue line: y=x)'));
  return plot;
}

// What a screen reader tells of a view, in the desktop's words: its titles, the number of
// points, the first and the last.
function describeView(plot: Plot): string {
  const line = plot.layers[0]?.lines[0];
  const n = line ? line.x.length : 0;
  const text = (message: Plot['title']) => plotText(plot, message);
  const point = (i: number) => `(${+line!.x[i].toPrecision(6)}, ${+line!.y[i].toPrecision(6)})`;
  let described = tr('ChartViews', '%1. Y axis: %2. X axis: %3. %4 points', text(plot.title), text(plot.yTitle), text(plot.xTitle), n);
  if (n > 0) described += tr('ChartViews', ', from %1 to %2', point(0), point(n - 1));
  return described + '.';
}

function drawView(host: HTMLElement, plot: Plot): void {
  new PlotChart(host, valuesShape).draw(plot, new Set(), describeView(plot));
}

// The main window's fields as they stand, for the parts that start from them.
export function mainWindowEntries(): { atoms: string; rate: string; halfLife: string; lastStep: string } {
  return { atoms: state.atoms, rate: state.rate, halfLife: state.halfLife, lastStep: state.lastStep };
}

function texts() {
  return { atoms: state.atoms, rate: state.rate, lastStep: state.lastStep, decimalPoint: decimalPoint() };
}

function show(outcome: RunOutcome): void {
  state.outcome = outcome;
  state.valid = true;
  state.view = View.Atoms;
  state.lnEnabled = outcome.lnViewEnabled;
  state.runEnabled = outcome.runEnabled;
  announce(`${modelText(outcome.label)} ${outcome.box}`);
}

function invalidate(): void {
  state.valid = false;
  state.outcome = null;
  state.runEnabled = false;
  runModel().invalidate();
}

class RunPage implements Page {
  id = 'run';
  private root!: HTMLElement;
  caption(): string { return tr('Web', 'Decay run'); }

  render(root: HTMLElement): void {
    this.root = root;
    if (!state.loaded) {
      state.halfLife = runModel().lnTwoOverText(state.rate, decimalPoint()) ?? '';
      runModel().loadLastStep(state.lastStep);
      state.loaded = true;
    }
    const screens: Record<Screen, () => void> = {
      title: () => this.title(), main: () => this.main(), large: () => this.large(),
      intro: () => this.introduction(), references: () => this.references(), quiz: () => this.quiz(),
    };
    screens[state.screen]();
  }

  lessonEntries(): Record<string, string> {
    return { txtN0: state.atoms, simut: state.lastStep, rrate: state.rate, halftime: state.halfLife };
  }

  // A lesson fills the entries as if typed and confirmed; the window stays as it is.
  applyLesson(given: Record<string, string>): void {
    const point = decimalPoint();
    state.atoms = given.txtN0 ?? state.atoms;
    state.lastStep = given.simut ?? state.lastStep;
    if (given.rrate !== undefined || given.halftime !== undefined) {
      state.rate = given.rrate ?? runModel().lnTwoOverText(given.halftime!, point) ?? '';
      state.halfLife = given.halftime ?? runModel().lnTwoOverText(given.rrate!, point) ?? '';
    }
    Object.assign(state, { screen: 'main', loaded: true, rateEnabled: true, halfLifeEnabled: true });
    runModel().loadLastStep(state.lastStep);
    invalidate();
    state.runEnabled = true;
  }

  lessonData(): string {
    return state.valid ? runModel().dataFile() : '';
  }

  private go(screen: Screen): void {
    state.screen = screen;
    this.render(this.root);
    (this.root.querySelector('[data-first]') as HTMLElement | null)?.focus();
  }

  private title(): void {
    const onward = button('cmdStart', tr('titlform', 'Press any key or click mouse to start.'), () => this.go('main'), { 'data-first': true });
    const screen = element('section', { id: 'titlform', class: 'title-screen', 'aria-labelledby': 'titleHeading' },
      element('h1', { id: 'titleHeading' }, tr('Form1', 'Atomdrift of Radioactive Atoms')), onward);
    screen.addEventListener('click', () => this.go('main'));
    screen.addEventListener('keydown', (event) => { if (event.key !== 'Tab') { event.preventDefault(); this.go('main'); } });
    this.root.replaceChildren(screen);
    onward.focus();
  }

  private main(): void {
    const m = runModel();
    const point = decimalPoint();
    const atoms = field('txtN0', tr(C, 'Initial number of atoms:'), state.atoms, { inputmode: 'numeric' });
    const rate = field('rrate', tr(C, 'The instantaneous decay rate:'), state.rate, { inputmode: 'decimal', disabled: !state.rateEnabled });
    const half = field('halftime', tr(C, 'The half-life:'), state.halfLife, { inputmode: 'decimal', disabled: !state.halfLifeEnabled });
    const last = field('simut', tr(C, 'Simulation for t=0 to t ='), state.lastStep, { inputmode: 'numeric' });
    const box = field('Text4', modelText(state.outcome?.label ?? { pattern: 'No. of atoms:', values: [] }).replace(/^No\. of atoms:$/, tr(C, 'No. of atoms:')),
      state.valid ? state.outcome!.box : '', { readonly: true });

    const rerender = () => this.render(this.root);
    const changed = (key: 'atoms' | 'rate' | 'halfLife' | 'lastStep', input: HTMLInputElement) => {
      state[key] = input.value;
      if (key === 'rate' && input.value !== '' && !m.isNumberText(input.value, point)) {
        state.rate = '0';
        input.value = '0';
      }
      invalidate();
      this.refreshResults();
    };
    atoms.input.addEventListener('input', () => changed('atoms', atoms.input));
    rate.input.addEventListener('input', () => changed('rate', rate.input));
    half.input.addEventListener('input', () => changed('halfLife', half.input));
    last.input.addEventListener('input', () => changed('lastStep', last.input));
    // A press on the rate takes the half-life away, and the other way round; Enter confirms.
    rate.input.addEventListener('pointerdown', () => { if (!rate.input.disabled) { state.halfLife = ''; half.input.value = ''; state.halfLifeEnabled = false; half.input.disabled = true; } });
    half.input.addEventListener('pointerdown', () => { if (!half.input.disabled) { state.rate = ''; rate.input.value = ''; state.rateEnabled = false; rate.input.disabled = true; } });
    const confirm = () => { state.runEnabled = true; rerender(); document.getElementById('Command2')?.focus(); };
    const onEnter = (input: HTMLInputElement, action: () => void) =>
      input.addEventListener('keydown', (event) => { if (event.key === 'Enter') { event.preventDefault(); action(); } });
    onEnter(atoms.input, () => { state.atoms = m.confirmInitialAtoms(state.atoms) ?? state.atoms; confirm(); });
    onEnter(last.input, () => { state.lastStep = m.confirmSimulationTime(state.lastStep) ?? state.lastStep; confirm(); });
    onEnter(rate.input, () => {
      const entry = m.confirmRate(state.rate, point);
      state.rate = entry.replacement ?? state.rate;
      state.halfLife = entry.other;
      state.halfLifeEnabled = true;
      confirm();
    });
    onEnter(half.input, () => {
      const entry = m.confirmHalfLife(state.halfLife, point);
      state.halfLife = entry.replacement ?? state.halfLife;
      state.rate = entry.other;
      state.rateEnabled = true;
      confirm();
    });

    const run = button('Command2', tr(C, 'RUN'), () => {
      const outcome = m.runDeterministic(texts());
      if (outcome.ran) { show(outcome); rerender(); }
    }, { disabled: !state.runEnabled, 'data-first': true });
    const random = button('Command5', tr(C, 'Random decay'), () => {
      const outcome = m.runRandom(texts(), randomSeed());
      if (outcome.ran) { show(outcome); rerender(); }
    });
    const save = button('Command10', tr(C, 'S'), () => download('atomdrift.csv', m.dataFile()),
      { disabled: !state.valid, 'aria-label': tr(C, 'Save simulation data'), title: tr(C, 'Save simulation data') });
    const print = button('Command7', tr(C, 'P'), () => window.print(), { 'aria-label': tr(C, 'Print this page'), title: tr(C, 'Print this page') });
    const more = button('Command8', tr(C, 'More ...'), () => this.go('intro'), { 'aria-label': tr(C, 'More introduction') });
    const quiz = button('Command11', tr(C, 'Quiz'), () => this.go('quiz'));

    const entries = element('fieldset', { id: 'Frame3' }, element('legend', {}, tr(C, 'Data and run')),
      atoms.row, rate.row, half.row, last.row, element('div', { class: 'buttons' }, run, random, save, print), box.row);
    const intro = element('fieldset', { id: 'Frame4' }, element('legend', {}, tr(C, 'Introduction')),
      element('div', { class: 'buttons' }, more, quiz));

    const graph = element('fieldset', { id: 'Frame2' }, element('legend', {}, tr(C, 'Graph')));
    if (state.valid) {
      const host = element('div', { id: 'MSChart1', tabindex: 0, title: tr(C, 'Click here to see more graph') });
      graph.append(host);
      drawView(host, viewPlot(state.view));
      // A click (or Enter) on the chart goes on to the next view, as on the desktop.
      const cycle = () => {
        state.cycle = (state.cycle + 1) % 4;
        state.view = [View.Atoms, View.Decayed, View.LnAtoms, View.NextVsNow][state.cycle];
        rerender();
        document.getElementById('MSChart1')?.focus();
      };
      host.addEventListener('click', cycle);
      host.addEventListener('keydown', (event) => { if (event.key === 'Enter' || event.key === ' ') { event.preventDefault(); cycle(); } });
    } else {
      graph.append(element('h2', { id: 'Label13' }, tr(C, 'Welcome to Atomdrift!')),
        element('p', { id: 'Label14', class: 'message' }, tr(C, 'Press Enter or click Run to run this program using default values.  If you change the default value, please press ENTER to confirm the change. If you try "random decay", the decay rate is then the probability that an atom will decay after one time interval. If you run random decay with a large initial number of atoms, it will  take a while (please wait for the result). Click on the graph to see large graph. Comments are welcome.')));
    }
    const viewButton = (id: string, caption: string, name: string, view: View, enabled: boolean) =>
      button(id, caption, () => { state.view = view; rerender(); document.getElementById(id)?.focus(); },
        { disabled: !enabled, 'aria-label': name, 'aria-pressed': String(state.valid && state.view === view) });
    graph.append(element('div', { class: 'buttons' },
      viewButton('Command3', tr(C, 'lnN vs. t'), tr(C, 'lnN(t) vs t'), View.LnAtoms, state.valid && state.lnEnabled),
      viewButton('Command6', tr(C, 'dN vs. t'), tr(C, 'dN vs. time'), View.Decayed, state.valid),
      viewButton('Command4', tr(C, 'N(t) vs. t'), tr(C, 'N(t) vs. time'), View.Atoms, state.valid),
      viewButton('Command9', tr(C, 'N(t+1) vs. N(t)'), tr(C, 'N(t+1) vs. N(t)'), View.NextVsNow, state.valid),
      button('cmdLargeGraph', tr(C, 'Large'), () => { state.largeView = View.Decayed; this.go('large'); }, { disabled: !state.valid })));

    this.root.replaceChildren(element('h1', { id: 'Label12' }, 'Atomdrift'),
      element('div', { class: 'columns' }, element('div', {}, entries, intro), graph));
  }

  // After an entry changed: the result, the chart and the view buttons go, RUN waits for Enter.
  private refreshResults(): void {
    (document.getElementById('Text4') as HTMLInputElement).value = '';
    for (const id of ['Command2', 'Command3', 'Command4', 'Command6', 'Command9', 'Command10', 'cmdLargeGraph'])
      (document.getElementById(id) as HTMLButtonElement).disabled = true;
    document.getElementById('MSChart1')?.remove();
  }

  private large(): void {
    const L = 'larggraf';
    const host = element('div', { id: 'larggrafChart' });
    const pick = (id: string, caption: string, view: View, enabled = true) =>
      button(id, caption, () => { state.largeView = view; this.go('large'); document.getElementById(id)?.focus(); },
        { disabled: !enabled, 'aria-pressed': String(state.largeView === view) });
    const buttons = element('div', { class: 'buttons' },
      pick('Command1', tr(L, 'lnN(t) vs. t'), View.LnAtoms, state.lnEnabled),
      pick('Command2', tr(L, 'dN(t) vs. t'), View.Decayed),
      pick('Command3', tr(L, 'N(t) vs. t'), View.Atoms),
      pick('Command7', tr(L, 'N(t+1) vs. N(t)'), View.NextVsNow),
      button('Command6', tr(L, 'Print'), () => window.print(), { title: tr(L, 'Print this page') }),
      button('command4', tr(L, 'Main form'), () => this.go('main'), { 'data-first': true }));
    this.root.replaceChildren(element('section', { id: 'larggraf', 'aria-labelledby': 'largHeading' },
      element('h1', { id: 'largHeading', class: 'visually-hidden' }, tr(C, 'Graph')), host, buttons));
    drawView(host, viewPlot(state.largeView, true));
  }

  private introduction(): void {
    const I = 'Introfrm';
    this.root.replaceChildren(element('section', { id: 'Introfrm', 'aria-labelledby': 'introHeading' },
      element('h1', { id: 'introHeading' }, tr(I, 'Introduction')),
      element('p', { id: 'Text1', class: 'text-window' }, trText(I, 'The decay of radioactive atoms is usually')),
      element('div', { class: 'buttons' },
        button('Command1', tr(I, 'OK'), () => this.go('main'), { 'data-first': true }),
        button('Command2', tr(I, 'References'), () => this.go('references')))));
  }

  private references(): void {
    const R = 'Referenc';
    // Literature references stand as published, in every language.
    this.root.replaceChildren(element('section', { id: 'Referenc', 'aria-labelledby': 'referencesHeading' },
      element('h1', { id: 'referencesHeading' }, tr(R, 'References')),
      element('ul', {},
        element('li', {}, 'Spain, J. D. (1982). BASIC Microcomputer Models in Biology. Addison-Wesley, Reading, Massachusetts.'),
        element('li', {}, 'Eason, G., Coles, C. W. and Gettinby, G. (1980). Mathematics and Statistics for the Bio-Sciences. Ellis Horwood, Chichester.')),
      element('div', { class: 'buttons' }, button('Command1', tr(R, 'OK'), () => this.go('intro'), { 'data-first': true }))));
  }

  private quiz(): void {
    const Q = 'Quiz';
    this.root.replaceChildren(element('section', { id: 'Quiz', 'aria-labelledby': 'quizHeading' },
      element('h1', { id: 'quizHeading' }, tr(Q, 'Quiz')),
      element('p', { id: 'Label1', class: 'text-window' }, trText(Q, '     Assuming the half-life')),
      element('div', { class: 'buttons' }, button('Command1', tr(Q, 'Back to the mainform'), () => this.go('main'), { 'data-first': true }))));
  }
}

export const runPage = new RunPage();
