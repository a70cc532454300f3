// The nuclide lab's chart and words, built from the run's values: atoms, activities or the
// activity ratio of a daughter, a random run with its exact solution thin and pale beside it.
import { plotText, type Plot } from '../core/PlotChart';
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

// The chart of the view, from the model; without a run, a prompt to run the chain.
export function labPlot(ran: boolean, view: LabView): Plot {
  return labModel().labPlot({ run: ran, ...view });
}

// What a screen reader says of the chart.
export function labDescription(plot: Plot, run: LabSeries | null): string {
  const title = plotText(plot, plot.title);
  if (!run) return title;
  const times = run.times;
  return tr(L, '%1. Across: %2; up: %3%4. %5 series of %6 points from t = 0 to %7 %8.', title, plotText(plot, plot.xTitle),
    plotText(plot, plot.yTitle), plot.logY ? tr(L, ', logarithmic') : '', plot.layers.length, times.length,
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
