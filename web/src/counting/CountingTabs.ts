// The counting lab's dating and repeat-count pages, and its worksheet for the printer.
import { legend, plotText, type Plot, type PlotChart } from '../core/PlotChart';
import { announce, button, element, field } from '../core/dom';
import { decimalPoint, modelText, tr } from '../core/i18n';
import { count, significant } from '../core/numbers';
import { randomSeed } from '../core/seed';
import { ageLabel, ageText, interval } from './CountingPlots';
import { countingModel } from './countingModel';
import { backgroundText, C, complain, counterTexts, state } from './countingState';

// A sample of old carbon: its mass, its age hidden or typed, and counts of it for a chosen time.
export function datingTab(rerender: () => void): HTMLElement {
  const carbon = field('txtCarbon', tr(C, 'Carbon (g):'), state.carbon, { inputmode: 'decimal' });
  const age = field('txtAge', tr(C, 'Age (years, empty for a hidden one):'), state.age, { inputmode: 'decimal' });
  const time = field('txtDatingTime', tr(C, 'Counting time (min):'), state.datingTime, { inputmode: 'decimal' });
  carbon.input.addEventListener('input', () => { state.carbon = carbon.input.value; });
  age.input.addEventListener('input', () => { state.age = age.input.value; });
  time.input.addEventListener('input', () => { state.datingTime = time.input.value; });
  const after = (done: boolean) => { if (done) { rerender(); announce(datingText()); } };
  return element('section', { id: 'pageDating', 'aria-label': tr(C, 'Radiocarbon dating') }, carbon.row, age.row,
    element('div', { class: 'buttons' }, button('cmdNewSample', tr(C, 'New sample'), () => after(newSample()))),
    time.row,
    element('div', { class: 'buttons' },
      button('cmdCountSample', tr(C, 'Count sample'), () => after(countSample())),
      button('cmdReveal', tr(C, 'Show the true age'), () => { state.ageShown = state.datingSample !== null; after(true); },
        { disabled: state.datingSample === null })),
    element('p', { id: 'lblDating', class: 'result' }, datingText()));
}

function newSample(): boolean {
  const made = countingModel().countingNewDatingSample(state.carbon, state.age, decimalPoint(), randomSeed());
  if (!made.ok) {
    complain(made.error);
    return false;
  }
  state.datingSample = { hidden: made.hidden, grams: made.grams, age: made.age };
  state.datings = [];
  state.ageShown = false;
  return true;
}

function countSample(): boolean {
  if (!state.datingSample && !newSample()) return false;
  const counted = countingModel().countingCountDatingSample(counterTexts(), state.datingTime, randomSeed());
  if (!counted.ok) {
    complain(counted.error);
    return false;
  }
  state.datings = countingModel().countingDatings();
  return true;
}

// The last count's ratio and all three ages, and the true age once shown.
export function datingText(): string {
  const sample = state.datingSample;
  if (!sample) return tr(C, 'Press New sample for a piece of old carbon, then Count sample. Longer counting gives a smaller uncertainty.');
  const grams = significant(sample.grams, 6);
  let shown = sample.hidden ? tr(C, 'A sample of %1 g of carbon, of unknown age.', grams) : tr(C, 'A sample of %1 g of carbon.', grams);
  const last = state.datings[state.datings.length - 1];
  if (last) {
    shown += '\n' + tr(C, 'Counted for %1 min: %2 counts, and %3 of background in as long; %4 % of the activity of modern carbon.',
      significant(last.seconds / 60, 6), count(last.counts), count(last.backgroundCounts),
      interval(100 * last.ratio, 100 * (last.ratio - last.ratioLow), 100 * (last.ratioHigh - last.ratio)));
    last.ages.forEach((age, i) => { shown += '\n' + tr(C, '%1: %2', ageLabel(last.labels[i]), ageText(age)); });
    shown += '\n' + tr(C, 'BP: before the present, that is before 1950, the year the activity of modern carbon refers to.');
    if (last.note.pattern) shown += '\n' + modelText(last.note);
  }
  if (state.ageShown) shown += '\n' + tr(C, 'True age: %1 y.', significant(sample.age, 6));
  return shown;
}

export function showDatingPlot(chart: PlotChart, legendHost: HTMLElement | null, redraw: () => void): void {
  const plot = countingModel().countingDatingPlot(state.ageShown && state.datingSample !== null);
  chart.draw(plot, state.hidden, describe(plot));
  legendHost?.replaceChildren(legend(plot, state.hidden, redraw, tr(C, 'Legend')));
}

// What a screen reader says of a chart of the lab.
export function describe(plot: Plot): string {
  return tr(C, '%1. Across: %2; up: %3.', plotText(plot, plot.title), plotText(plot, plot.xTitle), plotText(plot, plot.yTitle));
}

// A long-lived source counted for the same time, again and again, through the detector's dead time.
export function repeatTab(rerender: () => void): HTMLElement {
  const repeatsField = field('txtRepeats', tr(C, 'Number of counts:'), state.repeats, { inputmode: 'numeric' });
  const rate = field('txtRepeatRate', tr(C, 'Events reaching the counter (per second):'), state.repeatRate, { inputmode: 'decimal' });
  const time = field('txtRepeatTime', tr(C, 'Each count lasts (s):'), state.repeatTime, { inputmode: 'decimal' });
  repeatsField.input.addEventListener('input', () => { state.repeats = repeatsField.input.value; });
  rate.input.addEventListener('input', () => { state.repeatRate = rate.input.value; });
  time.input.addEventListener('input', () => { state.repeatTime = time.input.value; });
  const run = () => {
    const m = countingModel();
    const checked = m.countingCheckSettings(counterTexts());
    if (!checked.ok) return complain(checked.error);
    const done = m.countingRepeat(counterTexts(), { repeats: state.repeats, rate: state.repeatRate, seconds: state.repeatTime }, randomSeed());
    if (!done.ok) return complain(done.error);
    state.repeated = true;
    rerender();
    announce(repeatText());
  };
  return element('section', { id: 'pageRepeat', 'aria-label': tr(C, 'Repeat counts') }, repeatsField.row, rate.row, time.row,
    element('div', { class: 'buttons' }, button('cmdRepeat', tr(C, 'Count again and again'), run)),
    element('p', { id: 'lblRepeat', class: 'result' }, state.repeated ? repeatText() : tr(C, 'A long-lived source counted for the same time, again and again: do the counts spread as the Poisson distribution says?')));
}

function repeatText(): string {
  const d = countingModel().countingRepeatResult();
  return tr(C, '%1 counts: mean %2, variance %3.\nIndex of dispersion D = variance / mean = %4; \u03C7\u00B2 = (N \u2212 1) D = %5 on %6 degrees of freedom, p = %7 (two-sided).\nFor Poisson counts D is near 1; a counter\'s dead time makes it smaller.',
    count(d.n), significant(d.mean, 5), significant(d.variance, 5), significant(d.index, 3), significant(d.chiSquare, 4), d.degreesOfFreedom, significant(d.pValue, 2));
}

export function showRepeatPlot(chart: PlotChart, legendHost: HTMLElement | null, redraw: () => void): void {
  const plot = countingModel().countingRepeatPlot();
  chart.draw(plot, state.hidden, describe(plot));
  legendHost?.replaceChildren(legend(plot, state.hidden, redraw, tr(C, 'Legend')));
}

// The worksheet: what was counted, the count rate (the chart, printed beside it), the fit and
// questions. Only the printer shows it.
export function worksheet(): HTMLElement {
  const source = state.imported ? tr(C, 'Counts imported from %1.', state.imported.fileName) : document.getElementById('lblSample')?.textContent ?? '';
  const status = state.counting ? countingModel().countingStatus() : null;
  let paragraph = `${source} ${backgroundText()}`;
  if (status && !state.imported) {
    const kinds = [tr(C, 'non-paralysable'), tr(C, 'paralysable')];
    const m = countingModel();
    const shapeName = modelText({ pattern: m.countingShapeName(m.FitShape[state.shape]), values: [] });
    paragraph = tr(C, '%1 Efficiency %2, background %3 per second, dead time %4 \u00B5s (%5). Fit model: %6. %7', source,
      significant(status.settings.efficiency, 6), significant(status.settings.background, 6), significant(status.settings.tau * 1e6, 6),
      kinds[status.settings.paralysable ? 1 : 0], shapeName, backgroundText());
  }
  const questions = [
    tr(C, 'Why are the error bars longer, compared with the count rate, late in the run than early on?'),
    tr(C, 'Measure the background for ten times as long and fit again. What changes in the half-life and its uncertainty, and why?'),
    tr(C, 'How much longer would you have to count to halve the uncertainty of the half-life?'),
  ];
  return element('section', { id: 'worksheet', class: 'print-only', 'aria-hidden': 'true' },
    element('div', { class: 'worksheet-top' }, element('h2', {}, tr(C, 'Atomdrift \u2014 Counting lab')), element('p', { id: 'worksheetSource' }, paragraph)),
    element('div', { class: 'worksheet-bottom' }, element('p', { id: 'worksheetFit', class: 'result' }, state.fitText),
      element('ol', {}, ...questions.map((q) => element('li', {}, q, element('div', { class: 'answer' }))))));
}
