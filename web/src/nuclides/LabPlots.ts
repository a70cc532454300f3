// The nuclide lab's chart and words, built from the run's values: atoms, activities or the
// activity ratio of a daughter, a random run with its exact solution thin and pale beside it.
import type { ChartSeries, ChartPlan } from '../core/chart';
import { tr } from '../core/i18n';
import { significant } from '../core/numbers';
import { durationText, labModel, unitText, type LabChain, type LabSeries } from './labModel';

export enum ViewKind { Atoms, Activity, Ratio }

export interface LabView {
  kind: ViewKind;
  logY: boolean;
  activityUnit: number;
  daughter: number; // -1 for none
  over: number;
}

const L = 'NuclideLab';
const memberColors = ['#c00000', '#005ac8', '#008c3c', '#c87800', '#7828a0', '#0096a0', '#965a28', '#5a5a5a'];

export function memberColor(member: number): string {
  return memberColors[member % memberColors.length];
}

// The pale twin of a colour, as the exact solution beside a random run is drawn.
function pale(color: string): string {
  return `${color}96`;
}

class SeriesAdder {
  readonly series: ChartSeries[] = [];
  private readonly times: number[];

  constructor(run: LabSeries, private readonly logX: boolean, private readonly logY: boolean) {
    this.times = Array.from(run.times);
  }

  // A series of the run, and of the exact solution beside a random run.
  add(name: string, color: string, own: ArrayLike<number>, exact?: ArrayLike<number>): void {
    this.layer(name, color, 2, own);
    if (exact) this.layer(name + tr(L, ' expected'), pale(color), 1, exact);
  }

  level(value: number): void {
    // On a logarithmic time axis from the first time after 0, which has no place there.
    const from = this.logX && this.times.length > 1 ? this.times[1] : this.times[0];
    this.series.push({ label: tr(L, 'Equilibrium'), x: [from, this.times[this.times.length - 1]], y: [value, value], color: '#000000', width: 1 });
  }

  private layer(label: string, color: string, width: number, values: ArrayLike<number>): void {
    const x: number[] = [];
    const y: number[] = [];
    // A logarithmic axis shows fifteen decades below a series' largest value; the traces of a
    // member just fed, far below, would stretch it over hundreds.
    let largest = 0;
    for (let k = 0; k < values.length; ++k) if (Number.isFinite(values[k])) largest = Math.max(largest, values[k]);
    const floor = this.logY ? largest * 1e-15 : -Infinity;
    for (let k = 0; k < this.times.length; ++k) {
      // Points a logarithmic axis has no place for are left out, as the desktop's chart does.
      if (this.logX && !(this.times[k] > 0)) continue;
      const v = values[k];
      if (!Number.isFinite(v) || (this.logY && !(v > 0 && v >= floor))) continue;
      x.push(this.times[k]);
      y.push(v);
    }
    // A series with no point the axes can show is left out: an empty one has no range.
    if (x.length > 0) this.series.push({ label, x, y, color, width });
  }
}

function scaled(values: ArrayLike<number>, per: number): number[] {
  return Array.from(values, (v) => v / per);
}

// The chart plan of the view; without a run, a prompt to run the chain.
export function labPlot(run: LabSeries | null, chain: LabChain | null, logarithmicGrid: boolean, view: LabView): ChartPlan {
  if (!run || !chain) {
    const title = tr(L, 'Press Exact or Random to run the chain');
    return { title, xTitle: '', yTitle: '', series: [], description: title }; // no logarithmic axis without values
  }
  const plan: ChartPlan = { title: '', xTitle: tr(L, 't [%1]', unitText(labModel().labUnitNames()[run.unit])), yTitle: '', series: [], logY: view.logY, logX: logarithmicGrid };
  const symbol = (i: number) => chain.members[i].symbol;
  const adder = new SeriesAdder(run, logarithmicGrid, view.logY);
  switch (view.kind) {
    case ViewKind.Ratio: {
      const d = view.daughter, u = view.over;
      if (d <= 0 || d >= chain.members.length || u < 0 || u >= d) {
        plan.title = tr(L, 'No radioactive daughter to compare with its parent');
        break;
      }
      plan.title = tr(L, 'Activity of %1 over that of %2', symbol(d), symbol(u));
      plan.yTitle = tr(L, 'A(%1) / A(%2)', symbol(d), symbol(u));
      const ratio = labModel().labRatio(d, u);
      if (ratio) adder.add(tr(L, 'Ratio'), memberColor(d), ratio.own, ratio.exact);
      const eq = labModel().labEquilibrium(d, u);
      if (eq && eq.kind !== labModel().EquilibriumKind.None) adder.level(eq.ratio);
      break;
    }
    case ViewKind.Activity: {
      const units = labModel().labActivityUnits();
      const per = units.per[view.activityUnit] ?? 1;
      plan.title = tr(L, 'Activity of every member');
      plan.yTitle = tr(L, 'A(t) [%1]', units.names[view.activityUnit] ?? 'Bq');
      chain.members.forEach((member, i) => {
        if (!member.stable)
          adder.add(symbol(i), memberColor(i), scaled(run.activity[i], per), run.exact_activity && scaled(run.exact_activity[i], per));
      });
      adder.add(tr(L, 'Total'), '#000000', scaled(run.total, per), run.exact_total && scaled(run.exact_total, per));
      break;
    }
    case ViewKind.Atoms:
      plan.title = tr(L, 'Atoms of every member');
      plan.yTitle = 'N(t)';
      chain.members.forEach((_, i) => adder.add(symbol(i), memberColor(i), run.atoms[i], run.exact_atoms?.[i]));
      break;
  }
  plan.series = adder.series;
  plan.description = labDescription(plan, run);
  return plan;
}

// What a screen reader says of the chart.
export function labDescription(plan: ChartPlan, run: LabSeries | null): string {
  if (!run) return plan.title;
  const times = run.times;
  return tr(L, '%1. Across: %2; up: %3%4. %5 series of %6 points from t = 0 to %7 %8.', plan.title, plan.xTitle, plan.yTitle,
    plan.logY ? tr(L, ', logarithmic') : '', plan.series.length, times.length,
    significant(times[times.length - 1], 6), unitText(labModel().labUnitNames()[run.unit]));
}

// "Mo-99 (2.747 d)".
function withHalfLife(chain: LabChain, member: number): string {
  return `${chain.members[member].symbol} (${durationText(chain.members[member].halfLife)})`;
}

// Which equilibrium the activity of the daughter settles into against that of the member upstream.
export function equilibriumText(chain: LabChain, daughter: number, over: number): string {
  const eq = labModel().labEquilibrium(daughter, over);
  if (!eq) return '';
  const ratio = `A(${chain.members[daughter].symbol})/A(${chain.members[over].symbol})`;
  const limit = significant(eq.ratio, 4);
  const kinds = labModel().EquilibriumKind;
  if (eq.kind === kinds.Secular)
    return tr(L, 'Secular equilibrium: %1 sets the pace, living far longer than the members after it, so %2 settles at %3.',
      withHalfLife(chain, eq.setter), ratio, limit);
  if (eq.kind === kinds.Transient) {
    if (Number.isNaN(eq.peak))
      return tr(L, 'Transient equilibrium: %1 sets the pace, living longer than the members after it, so %2 settles at %3.',
        withHalfLife(chain, eq.setter), ratio, limit);
    const fitting = labModel().labFitting(eq.peak);
    return tr(L, 'Transient equilibrium: %1 sets the pace, living longer than the members after it, so %2 settles at %3; the activity of %4 peaks at %5 %6.',
      withHalfLife(chain, eq.setter), ratio, limit, chain.members[daughter].symbol, significant(fitting.value, 4), unitText(fitting.unit));
  }
  if (eq.setter < 0) return tr(L, 'No equilibrium: %1 is stable and has no activity.', chain.members[daughter].symbol);
  if (eq.setter === daughter)
    return tr(L, 'No equilibrium: %1 lives at least as long as the members before it, so %2 keeps growing.', withHalfLife(chain, daughter), ratio);
  if (eq.setter !== over && !Array.from(eq.aboveOver).includes(eq.setter))
    return tr(L, 'No equilibrium: %1 lives longer than %2, so %3 keeps growing.', withHalfLife(chain, eq.setter), withHalfLife(chain, over), ratio);
  return tr(L, 'No equilibrium: members as long-lived as the one that sets the pace follow it, so %1 keeps growing.', ratio);
}
