// The counting lab: a detector beside a run of a chain from the nuclide table or of activated
// silver, counts with background and noise played in time with clicks and a lamp, the count rate
// with its error bars, a fitted half-life, a student's own counts, radiocarbon dating and repeat
// counts. The counter itself lives in the model; this page reads its entries and shows results.
import { legend, PlotChart, valuesShape } from '../core/PlotChart';
import { announce, button, checkbox, element, field, group, select, showMessage } from '../core/dom';
import { download, pickFile } from '../core/files';
import { decimalPoint, modelText, reportText, tr } from '../core/i18n';
import { changedOnRefusal } from '../core/refusal';
import { count } from '../core/numbers';
import type { Page } from '../core/page';
import { drawDone, randomSeed } from '../core/seed';
import { Clicker, wakeAudio } from './Clicker';
import { entry, labModel, loadTable, nuclideTitle } from '../nuclides/labModel';
import { memberSwatch } from '../nuclides/LabPlots';
import { countingModel, fitMethods, fitShapes, type Outcome } from './countingModel';
import { lessonModel } from '../lesson/lessonModel';
import { datingTab, describe, repeatTab, showDatingPlot, showRepeatPlot, worksheet } from './CountingTabs';
import { real, realCounter } from './RealCounter';
import { backgroundText, C, complain, counterTexts, labText, state, type Tab } from './countingState';

const N = 'NuclideLab';
// Speeds of play: seconds of the run per second of the clock; the last plays as fast as the page
// can count, a slice of each frame at a time.
const speeds = [1, 10, 100, 1000];
const fastSliceMilliseconds = 8;
const largestCountsFile = 8 << 20; // bytes; a measurement's counts take far less
const timeUnits = ['s', 'min', 'h', 'd', 'y'] as const;

export const clicker = new Clicker();

function checked(outcome: Outcome, fallback = ''): boolean {
  if (!outcome.ok) complain(outcome.error, fallback);
  return outcome.ok;
}

export function sampleText(): string {
  return labText(countingModel().countingSampleText(state.sampleName?.() ?? ''));
}

// A list's items by the keys a lesson names them with, in the list's order.
function listKeys(name: string): string[] {
  return lessonModel().partControls('counting').find((c) => c.name === name)?.keys ?? [];
}

class CountingPage implements Page {
  id = 'counting';
  private root!: HTMLElement;
  private chart: PlotChart | null = null;
  private residualChart: PlotChart | null = null;
  private frame = 0;
  private lastFrame = 0;
  caption(): string { return tr(C, 'Counting lab'); }

  render(root: HTMLElement): void {
    this.root = root;
    this.load();
    const tabs = element('div', { role: 'tablist', id: 'tabLab', 'aria-label': tr(C, 'Experiments'), class: 'tabs' });
    const names: [Tab, string, string][] = [[0, 'pageCounting', tr(C, 'Counting')], [1, 'pageDating', tr(C, 'Radiocarbon dating')], [2, 'pageRepeat', tr(C, 'Repeat counts')]];
    for (const [tab, id, caption] of names) {
      const b = button(`tab${id}`, caption, () => { state.tab = tab; this.render(this.root); document.getElementById(`tab${id}`)?.focus(); },
        { role: 'tab', 'aria-selected': String(state.tab === tab), 'aria-controls': id, tabindex: state.tab === tab ? 0 : -1 });
      b.addEventListener('keydown', (event) => {
        const step = event.key === 'ArrowRight' ? 1 : event.key === 'ArrowLeft' ? 2 : 0;
        if (!step) return;
        state.tab = ((state.tab + step) % 3) as Tab;
        this.render(this.root);
        (document.querySelector('[role="tab"][aria-selected="true"]') as HTMLElement | null)?.focus();
      });
      tabs.append(b);
    }
    const page = state.tab === 0 ? this.countingTab() : state.tab === 1 ? datingTab(() => this.render(this.root)) : repeatTab(() => this.render(this.root));
    page.setAttribute('role', 'tabpanel');
    const left = element('div', { class: 'no-print-controls' }, this.detector(), tabs, page,
      element('div', { class: 'buttons' }, button('cmdPrint', tr(C, 'Print worksheet'), () => window.print())));
    const chkLog = checkbox('chkLog', tr(C, 'Logarithmic scale'), state.logY);
    chkLog.input.addEventListener('change', () => { state.logY = chkLog.input.checked; this.showPlot(); });
    const chartHost = element('div', { id: 'chartCounts', tabindex: 0 });
    const residualHost = element('div', { id: 'chartResiduals', class: 'residuals', tabindex: 0 });
    const right = element('div', { class: 'chart-area' }, state.tab === 0 ? chkLog.row : null, chartHost, element('div', { id: 'legendCounts' }),
      state.tab === 0 ? residualHost : null);
    this.root.replaceChildren(element('h1', { id: 'CountingLab' }, tr(C, 'Counting lab')), element('div', { class: 'columns counting' }, left, right), worksheet());
    this.chart = new PlotChart(chartHost, valuesShape);
    this.residualChart = state.tab === 0 ? new PlotChart(residualHost, valuesShape) : null;
    this.showCounts();
    this.showFit();
    this.setCommands();
  }

  leave(): void {
    this.stop();
  }

  // A lesson names the members counted from 1 and the atoms as those of the first member; the
  // page counts its members' boxes from 0.
  lessonControlId(name: string): string {
    const member = /^chkMember([1-9][0-9]*)$/.exec(name);
    if (member) return `chkMember${Number(member[1]) - 1}`;
    return name === 'txtAtoms1' ? 'txtAtoms' : name;
  }

  lessonControlName(id: string): string {
    const member = /^chkMember([0-9]+)$/.exec(id);
    if (member) return `chkMember${Number(member[1]) + 1}`;
    return id === 'txtAtoms' ? 'txtAtoms1' : id;
  }

  // The entries as a lesson names them, lists by their items' keys, from every tab.
  lessonEntries(): Record<string, string> {
    this.load();
    const key = (name: string, place: number) => listKeys(name)[place] ?? '';
    const entries: Record<string, string> = {
      cboNuclide: state.start, txtAtoms1: state.atoms, txtStep: state.step, cboStepUnit: timeUnits[state.unit] ?? 's', txtSteps: state.steps,
      cboDetector: key('cboDetector', state.detector), txtDeadTime: state.deadTime, cboDeadTime: key('cboDeadTime', state.deadKind),
      txtEfficiency: state.efficiency, txtBackground: state.background, txtBackgroundTime: state.backgroundTime, txtInterval: state.interval,
      cboSpeed: key('cboSpeed', state.speed), chkSound: String(state.sound), cboMethod: key('cboMethod', fitMethods.indexOf(state.method)),
      cboFitModel: key('cboFitModel', fitShapes.indexOf(state.shape)), chkLog: String(state.logY), txtActivation: state.activation,
      txtCarbon: state.carbon, txtAge: state.age, txtDatingTime: state.datingTime, txtRepeats: state.repeats, txtRepeatRate: state.repeatRate,
      txtRepeatTime: state.repeatTime,
    };
    if (state.sample) for (const member of countingModel().countingCountable()) entries[`chkMember${member.index + 1}`] = String(state.chosen.has(member.index));
    return entries;
  }

  // A lesson's entries, shown as the fields show them, into the lab's state: the chain first,
  // with its defaults, then every entry over them.
  applyLesson(given: Record<string, string>): void {
    this.load();
    this.stop();
    state.counting = false;
    // A lesson may start from any radioactive nuclide of the table, offered from then on.
    const named = given.cboNuclide !== undefined && !state.starts.some((s) => s.symbol === given.cboNuclide) ? labModel().labNuclide(given.cboNuclide) : null;
    if (named && !named.stable) state.starts.push(named);
    if (given.cboNuclide !== undefined && state.starts.some((s) => s.symbol === given.cboNuclide)) {
      state.start = given.cboNuclide;
      this.chainDefaults();
    }
    const place = (name: string) => listKeys(name).indexOf(given[name]);
    const texts: [string, 'atoms' | 'step' | 'steps' | 'deadTime' | 'efficiency' | 'background' | 'backgroundTime' | 'interval' | 'activation' | 'carbon' | 'age' | 'datingTime' | 'repeats' | 'repeatRate' | 'repeatTime'][] = [
      ['txtAtoms1', 'atoms'], ['txtStep', 'step'], ['txtSteps', 'steps'], ['txtDeadTime', 'deadTime'], ['txtEfficiency', 'efficiency'],
      ['txtBackground', 'background'], ['txtBackgroundTime', 'backgroundTime'], ['txtInterval', 'interval'], ['txtActivation', 'activation'],
      ['txtCarbon', 'carbon'], ['txtAge', 'age'], ['txtDatingTime', 'datingTime'], ['txtRepeats', 'repeats'], ['txtRepeatRate', 'repeatRate'],
      ['txtRepeatTime', 'repeatTime']];
    for (const [name, key] of texts) if (given[name] !== undefined) state[key] = given[name];
    const unit = timeUnits.indexOf(given.cboStepUnit as typeof timeUnits[number]);
    if (unit >= 0) state.unit = unit;
    if (place('cboDetector') >= 0) state.detector = place('cboDetector');
    if (place('cboDeadTime') >= 0) state.deadKind = place('cboDeadTime');
    if (place('cboSpeed') >= 0) state.speed = place('cboSpeed');
    if (place('cboMethod') >= 0) state.method = fitMethods[place('cboMethod')] ?? state.method;
    if (place('cboFitModel') >= 0) state.shape = fitShapes[place('cboFitModel')] ?? state.shape;
    if (given.chkSound !== undefined) state.sound = given.chkSound === 'true';
    if (given.chkLog !== undefined) state.logY = given.chkLog === 'true';
    state.lessonMembers = new Map(Object.entries(given).flatMap(([name, on]) => {
      const member = /^chkMember([1-9][0-9]*)$/.exec(name);
      return member ? [[Number(member[1]), on === 'true'] as [number, boolean]] : [];
    }));
    if (state.sample) for (const [member, on] of state.lessonMembers) if (on) state.chosen.add(member - 1); else state.chosen.delete(member - 1);
  }

  // The counts as their file has them, for a hand-in that carries the data.
  lessonData(): string {
    const status = state.counting ? countingModel().countingProgress() : null;
    return status && status.intervals > 0 ? countingModel().countingExport() : '';
  }

  private load(): void {
    if (state.loaded) return;
    const point = decimalPoint();
    state.efficiency = `0${point}1`;
    state.background = `0${point}5`;
    loadTable();
    state.starts = labModel().labStarts().flatMap((symbol) => labModel().labNuclide(symbol) ?? []);
    state.start = state.starts.find((s) => s.symbol === 'I-131')?.symbol ?? state.starts[0]?.symbol ?? '';
    this.chainDefaults();
    state.loaded = true;
  }

  private chainDefaults(): void {
    const defaults = countingModel().countingChainDefaults(state.start);
    if (!defaults) return;
    state.step = String(Number(defaults.step.toPrecision(4))).replace('.', decimalPoint());
    state.unit = defaults.unit.value;
    state.steps = String(defaults.steps);
    state.atoms = String(defaults.atoms);
  }

  // The detector and the background measurement, which every experiment shares.
  private detector(): HTMLElement {
    const detector = select('cboDetector', tr(C, 'Detector:'), [{ value: '0', text: tr(C, 'Ideal counter') }, { value: '1', text: tr(C, 'Geiger tube') }], String(state.detector));
    const dead = field('txtDeadTime', tr(C, 'Dead time (µs):'), state.deadTime, { inputmode: 'decimal' });
    const kind = select('cboDeadTime', tr(C, 'Dead time kind:'), [{ value: '0', text: tr(C, 'non-paralysable') }, { value: '1', text: tr(C, 'paralysable') }], String(state.deadKind));
    const efficiency = field('txtEfficiency', tr(C, 'Efficiency:'), state.efficiency, { inputmode: 'decimal' });
    const background = field('txtBackground', tr(C, 'Background rate (per second):'), state.background, { inputmode: 'decimal' });
    const time = field('txtBackgroundTime', tr(C, 'Background counting time (s):'), state.backgroundTime, { inputmode: 'decimal' });
    // The Geiger tube comes with its dead time; the entry stays the user's to change.
    detector.select.addEventListener('change', () => {
      state.detector = Number(detector.select.value);
      state.deadTime = state.detector === 1 ? '100' : '0';
      dead.input.value = state.deadTime;
    });
    kind.select.addEventListener('change', () => { state.deadKind = Number(kind.select.value); });
    dead.input.addEventListener('input', () => { state.deadTime = dead.input.value; });
    efficiency.input.addEventListener('input', () => { state.efficiency = efficiency.input.value; });
    background.input.addEventListener('input', () => { state.background = background.input.value; });
    time.input.addEventListener('input', () => { state.backgroundTime = time.input.value; });
    const measure = button('cmdBackground', tr(C, 'Measure background'), () => this.cmdBackground_Click());
    return group('frmDetector', tr(C, 'Detector'), detector.row, dead.row, kind.row, efficiency.row, background.row, time.row,
      element('div', { class: 'buttons' }, measure), element('p', { id: 'lblBackground', class: 'result' }, backgroundText()));
  }

  // The background counts no intervals: the counting interval's entry has no say in it.
  private cmdBackground_Click(): void {
    const result = countingModel().countingMeasureBackground({ ...counterTexts(), interval: '1' }, state.backgroundTime, randomSeed('Background'));
    if (!checked(result)) return;
    drawDone('Background');
    showBackground();
    announce(backgroundText());
    this.showFit();
  }

  // Where the counts come from: a chain of the table run here, or the activated silver.
  private source(): HTMLElement {
    const nuclide = select('cboNuclide', tr(N, 'Nuclide:'), state.starts.map((s) => ({ value: s.symbol, text: nuclideTitle(s) })), state.start);
    const atoms = field('txtAtoms', tr('Web', 'Atoms of the first member:'), state.atoms, { inputmode: 'decimal' });
    const step = field('txtStep', tr(N, 'Time step:'), state.step, { inputmode: 'decimal' });
    const unit = select('cboStepUnit', tr(N, 'Time unit'), timeUnits.map((u, i) => ({ value: String(i), text: tr(N, u), key: u })), String(state.unit));
    const steps = field('txtSteps', tr(N, 'Number of steps:'), state.steps, { inputmode: 'numeric' });
    nuclide.select.addEventListener('change', () => { state.start = nuclide.select.value; this.chainDefaults(); this.render(this.root); document.getElementById('cboNuclide')?.focus(); });
    atoms.input.addEventListener('input', () => { state.atoms = atoms.input.value; });
    step.input.addEventListener('input', () => { state.step = step.input.value; });
    unit.select.addEventListener('change', () => { state.unit = Number(unit.select.value); });
    steps.input.addEventListener('input', () => { state.steps = steps.input.value; });
    const run = (random: boolean) => {
      const m = countingModel();
      const outcome = m.countingRunTable({ start: state.start, atoms: state.atoms, step: state.step, unit: state.unit, steps: state.steps, random,
        decimalPoint: decimalPoint() }, randomSeed('Run'));
      if (!checked(outcome, tr(N, 'The chain could not be run with these entries.'))) return;
      const start = state.starts.find((s) => s.symbol === state.start)!;
      this.setSample(() => nuclideTitle(start));
    };
    const activation = field('txtActivation', tr(C, 'Silver activation time (s):'), state.activation, { inputmode: 'decimal' });
    activation.input.addEventListener('input', () => { state.activation = activation.input.value; });
    const silver = button('cmdSilver', tr(C, 'Count activated silver'), () => this.cmdSilver_Click());
    return group('frmSample', tr(N, 'Sample'), nuclide.row, atoms.row, step.row, unit.row, steps.row,
      element('div', { class: 'buttons' }, button('cmdExact', tr(N, 'Exact'), () => run(false)), button('cmdRandom', tr(N, 'Random'), () => run(true))),
      activation.row, element('div', { class: 'buttons' }, silver));
  }

  private cmdSilver_Click(): void {
    const outcome = countingModel().countingSilver(state.activation, decimalPoint(), randomSeed('Silver'));
    if (!checked(outcome)) return;
    drawDone('Silver');
    this.setSample(() => '');
    this.render(this.root);
  }

  // The run to count; counting starts again from nothing.
  setSample(name: () => string): void {
    this.stop();
    state.sample = countingModel().countingSampleInfo();
    state.sampleName = name;
    state.counting = false;
    state.imported = false;
    state.chosen = new Set(countingModel().countingCountable().map((m) => m.index));
    // A lesson's choice of members counted, by place counted from 1.
    for (const [place, on] of state.lessonMembers) if (!on) state.chosen.delete(place - 1);
    state.shape = fitShapes[countingModel().countingDefaultShape().value];
    if (this.root?.isConnected) this.render(this.root);
    announce(sampleText());
  }

  // The run's counter: what it counts, the play, the display and the fit.
  private countingTab(): HTMLElement {
    const members = element('fieldset', { id: 'lstMembers' }, element('legend', {}, tr(C, 'Members counted:')));
    for (const member of countingModel().countingCountable()) {
      const box = checkbox(`chkMember${member.index}`, member.symbol, state.chosen.has(member.index));
      box.row.querySelector('label')!.prepend(memberSwatch(member.index)); // as its curves are in the nuclide lab
      box.input.addEventListener('change', () => { if (box.input.checked) state.chosen.add(member.index); else state.chosen.delete(member.index); });
      members.append(box.row);
    }
    const interval = field('txtInterval', tr(C, 'Counting interval (steps):'), state.interval, { inputmode: 'numeric' });
    interval.input.addEventListener('input', () => { state.interval = interval.input.value; });
    const speed = select('cboSpeed', tr(C, 'Speed:'), [...speeds.map((s, i) => ({ value: String(i), text: tr(C, '%1\u00D7', s) })),
      { value: String(speeds.length), text: tr(C, 'As fast as possible') }], String(state.speed));
    speed.select.addEventListener('change', () => { state.speed = Number(speed.select.value); });
    const sound = checkbox('chkSound', tr(C, 'Sound'), state.sound);
    sound.input.addEventListener('change', () => { state.sound = sound.input.checked; if (state.sound) wakeAudio(); });
    const lamp = element('div', { id: 'lblLamp', class: 'lamp', role: 'img', 'aria-label': tr(C, 'Count lamp') });
    clicker.lamp = lamp;
    clicker.litText = tr(C, 'lit');
    clicker.darkText = tr(C, 'dark');
    const play = element('div', { class: 'buttons play' },
      button('cmdStart', tr(C, 'Start'), () => this.cmdStart_Click()),
      button('cmdPause', tr(C, 'Pause'), () => this.cmdPause_Click()),
      button('cmdStep', tr(C, 'Step'), () => this.cmdStep_Click()), sound.row, lamp);
    // The lists' values are the places of the desktop's lists.
    const m = countingModel();
    const method = select('cboMethod', tr(C, 'Fit method:'), fitMethods.map((name, i) => ({ value: String(i), text: modelText({ pattern: m.countingMethodName(m.FitMethod[name]), values: [] }) })), String(fitMethods.indexOf(state.method)));
    method.select.addEventListener('change', () => { state.method = fitMethods[Number(method.select.value)]; this.showFit(); });
    const shape = select('cboFitModel', tr(C, 'Fit model:'), fitShapes.map((name, i) => ({ value: String(i), text: modelText({ pattern: m.countingShapeName(m.FitShape[name]), values: [] }) })), String(fitShapes.indexOf(state.shape)));
    shape.select.addEventListener('change', () => { state.shape = fitShapes[Number(shape.select.value)]; this.showFit(); });
    const files = element('div', { class: 'buttons' },
      button('cmdImport', tr(C, 'Import counts...'), () => void this.cmdImport_Click()),
      button('cmdExportCounts', tr(C, 'Export counts CSV...'), () => this.cmdExportCounts_Click()));
    // The source: the simulated sample, or a real counter through the sound input.
    const simulated = element('input', { id: 'optSimulated', type: 'radio', name: 'countingSource', checked: !real.on });
    const realCounterOption = element('input', { id: 'optRealCounter', type: 'radio', name: 'countingSource', checked: real.on });
    for (const [option, on] of [[simulated, false], [realCounterOption, true]] as const)
      option.addEventListener('change', () => { this.stop(); real.on = on; this.render(this.root); document.getElementById(option.id)?.focus(); });
    const chooser = element('div', { id: 'grpSource', role: 'radiogroup', class: 'buttons', 'aria-label': tr('Web', 'Source') },
      element('span', {}, simulated, element('label', { for: 'optSimulated' }, tr(C, 'Simulated sample'))),
      element('span', {}, realCounterOption, element('label', { for: 'optRealCounter' }, tr(C, 'Real counter'))));
    const fit = [method.row, shape.row, element('p', { id: 'lblFit', class: 'result', 'aria-live': 'polite' }), files];
    if (real.on)
      return element('section', { id: 'pageCounting', 'aria-label': tr(C, 'Counting') }, chooser, realCounter(() => this.render(this.root), () => { state.tab = 2; this.render(this.root); }), ...fit);
    return element('section', { id: 'pageCounting', 'aria-label': tr(C, 'Counting') }, chooser, this.source(),
      element('p', { id: 'lblSample', class: 'result' }, sampleText()), members, interval.row, speed.row, play,
      element('output', { id: 'lblCounts', class: 'counts', 'aria-description': tr(C, 'Counts in this interval') }, '0'),
      element('p', { id: 'lblRate', class: 'result' }), ...fit);
  }

  // A counter for the sample as the entries set it; false, with a message, when it cannot count.
  private startCounting(): boolean {
    if (!state.sample) return false;
    const m = countingModel();
    if (!checked(m.countingCheckSettings(counterTexts()))) return false;
    if (state.chosen.size === 0) {
      complain(undefined, tr(C, 'Tick at least one member to count.'));
      return false;
    }
    const started = m.countingStart(counterTexts(), [...state.chosen], state.backgroundTime, randomSeed('Counter'), randomSeed('Background'));
    if (!started.ok && started.error?.remedy) {
      // Too active a sample: the efficiency that counts it is offered, and the counting starts with it.
      void changedOnRefusal(tr(C, 'Counting lab'), started.error, (which, value) => {
        if (which === 'Efficiency') state.efficiency = entry(value, 15, decimalPoint());
      }).then((taken) => {
        if (!taken) return;
        this.render(this.root);
        this.cmdStart_Click();
      });
      return false;
    }
    if (!checked(started)) return false;
    // A start takes a background seed too, used when no background is measured yet; the desktop
    // draws it at every start as well, so both editions give a student the same counts.
    drawDone('Counter');
    drawDone('Background');
    showBackground(); // measured before a first count
    state.counting = true;
    state.imported = false;
    state.playTime = 0;
    return true;
  }

  private cmdStart_Click(): void {
    if (state.sound) wakeAudio();
    this.stop();
    if (!this.startCounting()) return;
    this.play();
    this.showCounts();
    this.showFit();
    this.setCommands();
  }

  // Pauses the play, or plays on from where it was paused.
  private cmdPause_Click(): void {
    const status = countingModel().countingProgress();
    if (!state.counting || !status || status.finished) return;
    if (state.playing) this.stop();
    else this.play();
    this.showFit();
    this.setCommands();
  }

  // One step of the run, paused; the first press starts the counting.
  private cmdStep_Click(): void {
    if (state.sound) wakeAudio();
    const m = countingModel();
    const status = m.countingProgress();
    if (!state.counting || !status || status.finished) {
      this.stop();
      if (!this.startCounting()) return;
    }
    this.stop();
    const counts = m.countingAdvanceStep();
    state.playTime = m.countingProgress()!.time;
    this.counted(counts, 0);
    // Paused, no frame comes to put the lamp out.
    setTimeout(() => { if (!state.playing) clicker.off(); }, clicker.litMilliseconds());
    this.showFit();
    this.setCommands();
    announce(document.getElementById('lblRate')?.textContent ?? '');
  }

  private play(): void {
    state.playing = true;
    this.lastFrame = performance.now();
    this.frame = requestAnimationFrame((now) => this.onFrame(now));
  }

  private onFrame(now: number): void {
    if (!state.playing) return;
    const realSeconds = Math.max(now - this.lastFrame, 0) / 1000;
    this.lastFrame = now;
    this.playFor(realSeconds);
    if (state.playing) this.frame = requestAnimationFrame((next) => this.onFrame(next));
  }

  // Plays the counting on by `realSeconds` of the clock at the chosen speed.
  private playFor(realSeconds: number): void {
    const m = countingModel();
    const before = m.countingProgress();
    if (!before) return;
    let counts = 0;
    if (state.speed < speeds.length) {
      state.playTime += realSeconds * speeds[state.speed];
      counts = m.countingPlayTo(state.playTime);
    } else {
      const start = performance.now();
      let status = before;
      while (!status.finished && performance.now() - start < fastSliceMilliseconds) {
        counts += m.countingAdvanceStep();
        status = m.countingProgress()!;
      }
      state.playTime = status.time;
    }
    this.counted(counts, realSeconds);
    const after = m.countingProgress()!;
    if (after.finished) {
      this.stop();
      this.showFit();
      this.setCommands();
      announce(`${document.getElementById('lblRate')?.textContent ?? ''} ${document.getElementById('lblFit')?.textContent ?? ''}`);
    } else if (after.intervals !== before.intervals) {
      this.showPlot();
    }
  }

  private counted(counts: number, realSeconds: number): void {
    clicker.counted(counts, realSeconds, state.sound);
    this.showCounts();
  }

  // Stops the play; the lamp goes out with it.
  private stop(): void {
    state.playing = false;
    cancelAnimationFrame(this.frame);
    clicker.off();
  }

  // The running interval's counts, the rate of the last complete one, and how far the run is.
  private showCounts(): void {
    const label = document.getElementById('lblCounts');
    const rate = document.getElementById('lblRate');
    if (!label || !rate) return;
    label.textContent = count(countingModel().countingProgress()?.running ?? 0);
    rate.textContent = reportText(countingModel().countingCounterReport(), C);
  }

  showPlot(): void {
    if (!this.chart) return;
    const legendHost = document.getElementById('legendCounts');
    const redraw = () => this.showPlot();
    if (state.tab === 1) return showDatingPlot(this.chart, legendHost, redraw);
    if (state.tab === 2) return showRepeatPlot(this.chart, legendHost, redraw);
    const plot = countingModel().countingRatePlot(state.logY);
    this.chart.draw(plot, state.hidden, describe(plot));
    legendHost?.replaceChildren(legend(plot, state.hidden, redraw, tr(C, 'Legend')));
    this.residualChart?.draw(countingModel().countingResidualPlot(state.logY));
  }

  // The half-life from the counts shown, once the counting stops or pauses, and the chart with it.
  showFit(): void {
    state.fitText = this.fitText();
    const label = document.getElementById('lblFit');
    if (label) label.textContent = state.fitText;
    this.showPlot();
  }

  private fitText(): string {
    const m = countingModel();
    return reportText(m.countingFitReport(m.FitMethod[state.method], m.FitShape[state.shape], state.playing), C);
  }

  private async cmdImport_Click(): Promise<void> {
    const file = await pickFile('.csv,.txt,.tsv,text/csv,text/plain');
    if (!file) return;
    // One byte more than the model takes, so that it names a file too large.
    const text = new TextDecoder('utf-8').decode(await file.slice(0, largestCountsFile + 1).arrayBuffer());
    this.importText(file.name, text);
  }

  importText(fileName: string, text: string): void {
    const read = countingModel().countingImport(text, decimalPoint(), fileName);
    if (!read.ok) {
      void showMessage(tr(C, 'Import counts'), tr(C, 'The counts were not imported from %1.\n\n%2', fileName, read.error ? modelText(read.error) : ''));
      return;
    }
    this.stop();
    state.counting = false;
    state.imported = true;
    state.tab = 0;
    this.render(this.root);
    announce(tr(C, 'Counts imported from %1.', fileName));
  }

  private cmdExportCounts_Click(): void {
    const text = countingModel().countingExport();
    if (text) download(tr(C, 'Atomdrift counts.csv'), text);
  }

  setCommands(): void {
    const status = state.counting ? countingModel().countingProgress() : null;
    const counting = status !== null && !status.finished;
    // A command a lesson locks stays locked.
    const enable = (id: string, on: boolean) => { const b = document.getElementById(id) as HTMLButtonElement | null; if (b) b.disabled = !on || b.classList.contains('locked'); };
    enable('cmdStart', state.sample !== null);
    enable('cmdPause', counting);
    const pause = document.getElementById('cmdPause');
    if (pause) pause.textContent = counting && !state.playing ? tr(C, 'Resume') : tr(C, 'Pause');
    enable('cmdStep', state.sample !== null && !state.playing);
    enable('cmdExportCounts', status !== null && status.intervals > 0);
    enable('cmdReveal', state.datingSample);
  }
}

export const countingPage = new CountingPage();

// The nuclide lab's run handed to the counter: the same entries and seed give the same run. False,
// with the model's message shown, when the entries cannot be run.
// The nuclide lab's last run, a typed chain's too, as the sample to count.
export function countLabRun(name: string): boolean {
  const outcome = countingModel().countingTakeLabRun();
  if (!checked(outcome, tr(N, 'The chain could not be run with these entries.'))) return false;
  countingPage.setSample(() => name);
  location.hash = '#counting';
  return true;
}

// The worksheet as the page stands when it is printed, however the printing was asked for.
window.addEventListener('beforeprint', () => document.getElementById('worksheet')?.replaceWith(worksheet()));

// The background measured last, in words, under the detector's entries.
function showBackground(): void {
  const shown = document.getElementById('lblBackground');
  if (shown) shown.textContent = backgroundText();
}
