// Charts on uPlot: lines or points over x, with titles as the desktop's views have them. Each
// chart is an image to a screen reader, described by its titles, points, first and last.
import uPlot from 'uplot';
import { ChartHost } from './chartHost';
import { tr } from './i18n';
import { significant } from './numbers';
import { linearAxis, logAxis } from './PlotChart';

export interface ChartSeries {
  label: string;
  x: ArrayLike<number>;
  y: ArrayLike<number>;
  points?: boolean; // markers without a line
  steps?: boolean; // a histogram: each value held from its x to the next, filled to the axis
  width?: number; // of the line, in pixels
  color?: string;
}

export interface ChartPlan {
  title: string;
  xTitle: string;
  yTitle: string;
  series: ChartSeries[];
  logY?: boolean;
  logX?: boolean;
  description?: string;
}

const palette = ['#c00000', '#0000c0', '#008000', '#a05000', '#800080', '#008080'];

// The series on one sorted x: uPlot draws over shared x values, so every x of every series is
// one row and the series that have no value there leave a gap.
export function alignSeries(series: ChartSeries[]): number[][] {
  const xs = [...new Set(series.flatMap((s) => Array.from(s.x)))].sort((a, b) => a - b);
  const row = new Map(xs.map((x, i) => [x, i]));
  const columns = series.map((s) => {
    const column: (number | null)[] = new Array(xs.length).fill(null);
    for (let i = 0; i < s.x.length; ++i) column[row.get(s.x[i])!] = s.y[i];
    return column as number[];
  });
  return [xs, ...columns];
}

// A logarithmic axis has no place for 0 or below: such points become gaps (or are left out, on a
// logarithmic x), so that uPlot never takes the logarithm of 0 for its range. A series with no
// point left is dropped.
export function logSafe(plan: ChartPlan): ChartSeries[] {
  if (!plan.logX && !plan.logY) return plan.series;
  const usable = (v: number) => Number.isFinite(v) && v > 0;
  return plan.series.map((s) => {
    const x: number[] = [];
    const y: number[] = [];
    for (let i = 0; i < s.x.length; ++i) {
      if (plan.logX && !usable(s.x[i])) continue;
      x.push(s.x[i]);
      y.push(plan.logY && !usable(s.y[i]) ? (null as unknown as number) : s.y[i]);
    }
    return { ...s, x, y };
  });
}

// What a screen reader tells of a chart, in the desktop's words: its titles, the number of
// points, the first and the last.
export function describeChart(plan: ChartPlan): string {
  const first = plan.series[0];
  const n = first ? first.x.length : 0;
  const point = (i: number) => `(${+first.x[i].toPrecision(6)}, ${+first.y[i].toPrecision(6)})`;
  let text = tr('ChartViews', '%1. Y axis: %2. X axis: %3. %4 points', plan.title, plan.yTitle, plan.xTitle, n);
  if (n > 0) text += tr('ChartViews', ', from %1 to %2', point(0), point(n - 1));
  return text + '.';
}

// Room beside the y axis for its longest label, worked out once from the data: a size that
// followed the labels uPlot makes would change the splits, and they the labels, without end.
function labelRoom(series: ChartSeries[], logY: boolean): number {
  let low = Infinity;
  let high = -Infinity;
  for (const s of series)
    for (let i = 0; i < s.y.length; ++i) {
      const v = s.y[i];
      if (v === null || !Number.isFinite(v) || (logY && v <= 0)) continue;
      low = Math.min(low, v);
      high = Math.max(high, v);
    }
  if (!Number.isFinite(low)) return 70;
  const samples = logY
    ? Array.from({ length: Math.floor(Math.log10(high)) - Math.floor(Math.log10(low)) + 2 }, (_, k) => significant(10 ** (Math.floor(Math.log10(low)) + k), 1))
    : [low, high, (low + high) / 2, -Math.abs(high)].map((v) => significant(v, 4));
  return Math.max(70, 7 * Math.max(...samples.map((t) => t.length)) + 30);
}

export class Chart extends ChartHost {
  private plan: ChartPlan | null = null;

  constructor(host: HTMLElement) {
    super(host, { ratio: 0.62, least: 200, most: 560 });
  }

  draw(plan: ChartPlan): void {
    this.plan = plan;
    this.plot?.destroy();
    this.host.replaceChildren();
    this.host.setAttribute('aria-label', plan.description ?? describeChart(plan));
    const { width, height } = this.size();
    const series = logSafe(plan);
    const options: uPlot.Options = {
      title: plan.title,
      width,
      height,
      legend: { show: plan.series.length > 1 },
      cursor: { drag: { x: false, y: false } },
      scales: { x: plan.logX ? { time: false, distr: 3 } : { time: false }, y: plan.logY ? { distr: 3 } : {} },
      axes: [
        { label: plan.xTitle, stroke: '#000', grid: { show: false }, ...(plan.logX ? logAxis : linearAxis) },
        { label: plan.yTitle, stroke: '#000', grid: { stroke: '#000', width: 0.5 }, size: labelRoom(series, !!plan.logY), ...(plan.logY ? logAxis : linearAxis) },
      ],
      series: [
        {},
        ...plan.series.map((s, i) => ({
          label: s.label,
          stroke: s.color ?? palette[i % palette.length],
          width: s.points ? 0 : s.width ?? 2,
          fill: s.steps ? `${s.color ?? palette[i % palette.length]}80` : undefined,
          spanGaps: true,
          points: s.points ? { show: true, size: 7, fill: s.color ?? palette[i % palette.length], stroke: '#000' } : { show: false },
          paths: s.points ? () => null : s.steps ? uPlot.paths.stepped!({ align: 1 }) : undefined,
        })),
      ],
    };
    this.plot = new uPlot(options, alignSeries(series) as uPlot.AlignedData, this.host);
  }

  redraw(): void {
    if (this.plan) this.draw(this.plan);
  }
}
