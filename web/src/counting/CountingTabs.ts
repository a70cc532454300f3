// The counting lab's dating and repeat-count pages, and its worksheet for the printer.
import { legend, plotText, type Plot, type PlotChart } from '../core/PlotChart';
import { announce, button, element, field } from '../core/dom';
import { decimalPoint, reportText, tr } from '../core/i18n';
import { changedOnRefusal } from '../core/refusal';
import { entry } from '../nuclides/labModel';
import { drawDone, randomSeed } from '../core/seed';
import { countingModel } from './countingModel';
import { C, complain, counterTexts, labText, state } from './countingState';

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
      button('cmdReveal', tr(C, 'Show the true age'), () => { countingModel().countingRevealAge(); after(true); },
        { disabled: !state.datingSample })),
    element('div', { class: 'buttons' },
      button('cmdDateRecording', tr(C, 'Date the recording'), () => after(dateRecording()),
        { title: tr(C, 'Dates the real counter\'s recording as a sample of the carbon above, against the background it recorded, with the detector\'s efficiency.') })),
    element('p', { id: 'lblDating', class: 'result' }, datingText()));
}

// The real counter's recording as the sample, the carbon as typed, the detector's efficiency.
function dateRecording(): boolean {
  const dated = countingModel().countingDateRecording(counterTexts(), state.carbon);
  if (!dated.ok) {
    complain(dated.error);
    return false;
  }
  state.datingSample = false;
  return true;
}

function newSample(): boolean {
  const made = countingModel().countingNewDatingSample(state.carbon, state.age, decimalPoint(), randomSeed('DatingSample'));
  if (!made.ok) {
    complain(made.error);
    return false;
  }
  drawDone('DatingSample');
  state.datingSample = true;
  return true;
}

function countSample(): boolean {
  if (!state.datingSample && !newSample()) return false;
  const counted = countingModel().countingCountDatingSample(counterTexts(), state.datingTime, randomSeed('DatingCount'));
  if (!counted.ok) {
    complain(counted.error);
    return false;
  }
  drawDone('DatingCount');
  return true;
}

// The last count's ratio and all three ages, and the true age once shown.
export function datingText(): string {
  return reportText(countingModel().countingDatingReport(), C);
}

export function showDatingPlot(chart: PlotChart, legendHost: HTMLElement | null, redraw: () => void): void {
  const plot = countingModel().countingDatingPlot();
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
    const done = m.countingRepeat(counterTexts(), { repeats: state.repeats, rate: state.repeatRate, seconds: state.repeatTime }, randomSeed('Repeat'));
    if (!done.ok && done.error?.remedy) {
      // Too long a count: the longest that stays within the counts allowed is offered, and counted.
      void changedOnRefusal(tr(C, 'Counting lab'), done.error, (which, value) => {
        if (which === 'RepeatSeconds') state.repeatTime = entry(value, 15, decimalPoint());
      }).then((taken) => { if (taken) { rerender(); document.getElementById('cmdRepeat')?.click(); } });
      return;
    }
    if (!done.ok) return complain(done.error);
    drawDone('Repeat');
    rerender();
    announce(repeatText());
  };
  return element('section', { id: 'pageRepeat', 'aria-label': tr(C, 'Repeat counts') }, repeatsField.row, rate.row, time.row,
    element('div', { class: 'buttons' }, button('cmdRepeat', tr(C, 'Count again and again'), run)),
    element('p', { id: 'lblRepeat', class: 'result' }, repeatText()));
}

function repeatText(): string {
  return labText(countingModel().countingRepeatText());
}

export function showRepeatPlot(chart: PlotChart, legendHost: HTMLElement | null, redraw: () => void): void {
  const plot = countingModel().countingRepeatPlot();
  chart.draw(plot, state.hidden, describe(plot));
  legendHost?.replaceChildren(legend(plot, state.hidden, redraw, tr(C, 'Legend')));
}

// The worksheet: what was counted, the count rate (the chart, printed beside it), the fit and
// questions. Only the printer shows it.
export function worksheet(): HTMLElement {
  const m = countingModel();
  const paragraph = labText(m.countingWorksheetText(state.sampleName?.() ?? '', m.FitShape[state.shape]));
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
