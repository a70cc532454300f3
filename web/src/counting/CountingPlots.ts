// The counting lab's charts and the words of its results, built from what the model counted.
import type { ChartSeries, ChartPlan } from '../core/chart';
import { tr } from '../core/i18n';
import { significant, withUncertainty } from '../core/numbers';
import { countingModel, type DatedAge, type Dating, type FitMethodName, type FitResult, type Interval, type ShownSeries } from './countingModel';

const C = 'CountingLab';
// More intervals than a chart shows apart as points: drawn as a line.
const mostMarkedIntervals = 300;
const countColor = '#0046aa';
const backgroundColor = '#969696';
const fitColor = '#c81e1e';
const modernColor = '#00823c';

export interface RateShown {
  data: ShownSeries;
  fit: FitResult | null;
  toShown: number; // shown time units per unit of the data's time
  unit: string; // empty when the data name none
  perSecond: boolean;
  hasSample: boolean;
  logY: boolean;
}

// Points whose value is a number; the chart has no use for the others.
function series(label: string, x: number[], y: number[], extra: Partial<ChartSeries> = {}): ChartSeries {
  const keep = y.map((v, i) => Number.isFinite(v) && Number.isFinite(x[i]));
  return { label, x: x.filter((_, i) => keep[i]), y: y.filter((_, i) => keep[i]), ...extra };
}

export function rateTitles(shown: RateShown): { title: string; xTitle: string; yTitle: string } {
  const perTime = shown.perSecond ? tr(C, 'per second') : shown.unit === '' ? tr(C, 'per unit of time') : tr(C, 'per %1', shown.unit);
  return {
    title: shown.data.counts.length === 0 ? (shown.hasSample ? tr(C, 'Press Start to count the sample') : tr(C, 'No counts yet'))
      : tr(C, 'Count rate with \u221AN error bars'),
    xTitle: shown.unit === '' ? tr(C, 't') : tr(C, 't [%1]', shown.unit),
    yTitle: tr(C, 'Count rate [%1]', perTime),
  };
}

// The count rate of every interval with its √N range, the background band and the fit.
export function rates(shown: RateShown): ChartPlan {
  const { starts, ends, counts, background } = shown.data;
  const titles = rateTitles(shown);
  const x: number[] = [], y: number[] = [], low: number[] = [], high: number[] = [], fitted: number[] = [];
  const fit = shown.fit && shown.fit.fitted && shown.fit.expected.length === counts.length ? shown.fit : null;
  for (let k = 0; k < counts.length; ++k) {
    const length = ends[k] - starts[k];
    const n = counts[k];
    x.push(((starts[k] + ends[k]) / 2) * shown.toShown);
    y.push(n / length);
    low.push((n - Math.sqrt(n)) / length);
    high.push((n + Math.sqrt(n)) / length);
    if (fit) fitted.push(fit.expected[k] / length);
  }
  const name = tr(C, 'Counts');
  const lines: ChartSeries[] = [series(name, x, y, counts.length <= mostMarkedIntervals ? { points: true, color: countColor } : { color: countColor, width: 1 })];
  if (counts.length > 0) {
    lines.push(series(`${name} \u2212 \u221AN`, x, low, { color: countColor, width: 0.5 }), series(`${name} + \u221AN`, x, high, { color: countColor, width: 0.5 }));
  }
  if (counts.length > 0 && (shown.data.backgroundRate > 0 || shown.data.backgroundTime > 0)) {
    const sigma = shown.data.backgroundSigma;
    const bx: number[] = [], bLow: number[] = [], bHigh: number[] = [];
    for (let k = 0; k < counts.length; ++k) {
      const b = background[k] / (ends[k] - starts[k]);
      for (const t of [starts[k], ends[k]]) { bx.push(t * shown.toShown); bLow.push(b - sigma); bHigh.push(b + sigma); }
    }
    const band = tr(C, 'Background');
    lines.push(series(`${band} \u2212 \u03C3`, bx, bLow, { color: backgroundColor, width: 1 }), series(`${band} + \u03C3`, bx, bHigh, { color: backgroundColor, width: 1 }));
  }
  if (fit) lines.push(series(tr(C, 'Fit'), x, fitted, { color: fitColor }));
  return { ...titles, series: lines, logY: shown.logY };
}

// The fit's residuals in the units of the fit shown: the signed root of each interval's deviance
// for the likelihood, Pearson's (n − μ)/√μ for least squares.
export function residuals(shown: RateShown, method: FitMethodName): ChartPlan {
  const { starts, ends } = shown.data;
  const fit = shown.fit && shown.fit.fitted && shown.fit.residuals.length === starts.length ? shown.fit : null;
  const yTitle = !fit ? tr(C, '(counts \u2212 fit) / \u03C3') : method === 'PoissonLikelihood' ? tr(C, '±√deviance') : '(n \u2212 \u03BC)/\u221A\u03BC';
  const lines: ChartSeries[] = [];
  if (fit) {
    const x = Array.from(starts, (s, k) => ((s + ends[k]) / 2) * shown.toShown);
    lines.push(series(tr(C, 'Residuals'), x, Array.from(fit.residuals), { points: true, color: fitColor }),
      series(tr(C, 'Zero'), [starts[0] * shown.toShown, ends[ends.length - 1] * shown.toShown], [0, 0], { color: '#000', width: 1 }));
  }
  return { title: tr(C, 'Residuals of the fit'), xTitle: rateTitles(shown).xTitle, yTitle, series: lines };
}

// "Conventional radiocarbon age (Libby half-life, 5568 y)": the one wording of an age's kind; the
// half-life written as the literature writes it.
export function ageLabel(age: DatedAge): string {
  if (age.halfLife === 5568) return tr(C, 'Conventional radiocarbon age (Libby half-life, %1 y)', age.halfLife);
  if (age.halfLifeSigma > 0) return tr(C, 'Age with the half-life %1 \u00B1 %2 y', age.halfLife, age.halfLifeSigma);
  return tr(C, "Age with the textbooks' half-life %1 y", age.halfLife);
}

export function ageText(age: DatedAge): string {
  if (age.lowerLimit) return tr(C, 'older than %1 y BP (95 %)', significant(age.age, 2));
  return tr(C, '%1 y BP', interval(age.age, age.minus, age.plus));
}

// A value with its interval below and above, rounded to the second significant digit of the
// smaller side: "31,000 (−3,400/+6,100)".
export function interval(value: number, minus: number, plus: number): string {
  const least = Math.min(minus, plus);
  if (!(least > 0) || !Number.isFinite(value)) return significant(value, 3);
  const place = 10 ** (Math.floor(Math.log10(least)) - 1);
  const shown = (x: number) => {
    if (!Number.isFinite(x)) return '\u221E';
    const rounded = Math.round(x / place) * place;
    const digits = rounded === 0 ? 1 : Math.floor(Math.log10(Math.abs(rounded)) - Math.log10(place)) + 1;
    return significant(rounded, Math.max(digits, 1));
  };
  return `${shown(value)} (\u2212${shown(minus)}/+${shown(plus)})`;
}

// The count rate of an interval to the precision its counts carry: "2,400 ± 400".
export function rateText(counted: Interval): string {
  const length = counted.end - counted.start;
  return withUncertainty(counted.counts / length, Math.sqrt(Math.max(counted.counts, 1)) / length);
}

// Every age of every count of the dating sample against the counting time, side by side, with
// the true age once shown.
export function dating(datings: Dating[], trueAge: number | null): ChartPlan {
  const colors = [countColor, '#aa5a00', modernColor];
  const lines: ChartSeries[] = [];
  let shortest = Infinity, longest = 0;
  for (let a = 0; a < 3 && datings.length > 0; ++a) {
    const x = datings.map((d) => (d.seconds / 60) * (0.96 + 0.04 * a));
    shortest = Math.min(shortest, ...x);
    longest = Math.max(longest, ...x);
    lines.push(series(ageLabel(datings[0].ages[a]), x, datings.map((d) => d.ages[a].age), { points: true, color: colors[a] }));
  }
  if (trueAge !== null && datings.length > 0)
    lines.push(series(tr(C, 'True age'), [shortest * 0.8, longest * 1.25], [trueAge, trueAge], { color: '#000', width: 1 }));
  return {
    title: datings.length === 0 ? tr(C, 'Press Count sample to date the sample') : tr(C, 'Age from each count of the sample'),
    xTitle: tr(C, 'Counting time [min]'), yTitle: tr(C, 'Age [years]'), series: lines, logX: true,
  };
}

// How often each count came, in bins of a whole number of counts (one a count while they are
// few), with the Poisson distribution of their mean and its Gaussian approximation, both scaled
// to the number of counts.
export function repeats(counts: Float64Array, mean: number): ChartPlan {
  const plan: ChartPlan = { title: tr(C, 'Repeat counts'), xTitle: tr(C, 'Counts in an interval'), yTitle: tr(C, 'How often'), series: [] };
  if (counts.length === 0) return plan;
  let low = Infinity, high = -Infinity;
  for (const c of counts) { low = Math.min(low, c); high = Math.max(high, c); }
  const span = high - low + 1;
  const bin = Math.max(1, Math.floor((span + 59) / 60));
  const heights = new Array<number>(Math.floor((span + bin - 1) / bin)).fill(0);
  for (const c of counts) heights[Math.floor((c - low) / bin)] += 1;
  const m = countingModel();
  // The bars as steps from bin edge to bin edge; the Gaussian at `perBin` points a bin.
  const perBin = 2 * Math.ceil(100 / heights.length);
  const at = (j: number) => low - 0.5 + (j * bin) / perBin;
  const centres: number[] = [], poisson: number[] = [];
  heights.forEach((_, b) => {
    const first = low + b * bin;
    centres.push(at(b * perBin + perBin / 2));
    let p = 0;
    for (let k = first; k < first + bin; ++k) p += m.countingPoissonProbability(k, mean);
    poisson.push(counts.length * p);
  });
  const gx: number[] = [], gy: number[] = [];
  for (let j = 0; j <= heights.length * perBin; ++j) {
    gx.push(at(j));
    gy.push(counts.length * bin * m.countingGaussianApproximation(at(j), mean));
  }
  plan.series = [
    series(tr(C, 'Counted'), heights.map((_, b) => at(b * perBin)).concat(at(heights.length * perBin)), heights.concat(heights[heights.length - 1]),
      { steps: true, color: countColor, width: 1 }),
    series(tr(C, 'Poisson'), centres, poisson, { points: true, color: fitColor }),
    series(tr(C, 'Gaussian approximation'), gx, gy, { color: modernColor }),
  ];
  return plan;
}
