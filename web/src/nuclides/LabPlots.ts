// The nuclide lab's chart and words, built from the run's values: atoms, activities or the
// activity ratio of a daughter, a random run with its exact solution thin and pale beside it.
import { element } from '../core/dom';
import { lineSample, plotText, type Plot } from '../core/PlotChart';
import { messageText, tr } from '../core/i18n';
import { significant } from '../core/numbers';
import { labModel, timeUnitText, type LabSeries, type LabViewKindName } from './labModel';

// A member's sample in the colour and dash its curves have in every view, beside its name.
export function memberSwatch(member: number): HTMLElement {
  const style = labModel().labMemberStyle(member);
  return element('span', { class: 'swatch member', 'aria-hidden': 'true', style: lineSample(style.color, style.dash) });
}

export interface LabView {
  kind: LabViewKindName;
  logY: boolean;
  activityUnit: number;
  daughter: number; // -1 for none
  over: number;
}

const L = 'NuclideLab';

// The chart of the view, from the model; without a run, a prompt to run the chain.
export function labPlot(ran: boolean, view: LabView): Plot {
  return labModel().labPlot({ run: ran, ...view, kind: labModel().LabViewKind[view.kind] });
}

// What a screen reader says of the chart.
export function labDescription(plot: Plot, run: LabSeries | null): string {
  const title = plotText(plot, plot.title);
  if (!run) return title;
  const times = run.times;
  return tr(L, '%1. Across: %2; up: %3%4. %5 series of %6 points from t = 0 to %7 %8.', title, plotText(plot, plot.xTitle),
    plotText(plot, plot.yTitle), plot.logY ? tr(L, ', logarithmic') : '', plot.layers.length, times.length,
    significant(times[times.length - 1], 6), timeUnitText(run.unit));
}

// Which equilibrium the activity of the daughter settles into against that of the member upstream.
export function equilibriumText(daughter: number, over: number): string {
  return messageText(labModel().labEquilibriumText(daughter, over), L);
}
