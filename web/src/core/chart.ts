// Charts on uPlot: lines or points over x, with titles as the desktop's views have them. Each
// chart is an image to a screen reader, described by its titles, points, first and last.
import uPlot from 'uplot';
import { tr } from './i18n';
import { significant } from './numbers';

export interface ChartSeries {
  label: string;
  x: ArrayLike<number>;
  y: ArrayLike<number>;
  points?: boolean; // markers without a line
  steps?: boolean; // a histogram: each value held from its x to the next, filled to the axis
  width?: number; // of the line, in pixels
  color?: string;
}

export interface ChartSpec {
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

// What a screen reader tells of a chart, in the desktop's words: its titles, the number of
// points, the first and the last.
export function describeChart(spec: ChartSpec): string {
  const first = spec.series[0];
  const n = first ? first.x.length : 0;
  const point = (i: number) => `(${+first.x[i].toPrecision(6)}, ${+first.y[i].toPrecision(6)})`;
  let text = tr('ChartViews', '%1. Y axis: %2. X axis: %3. %4 points', spec.title, spec.yTitle, spec.xTitle, n);
  if (n > 0) text += tr('ChartViews', ', from %1 to %2', point(0), point(n - 1));
  return text + '.';
}

// A logarithmic axis names its powers of ten only; the ticks between stay unnamed.
// Over many decades only every second, third, ... is named, at most eight in all.
function decadeLabels(_: uPlot, splits: number[]): string[] {
  const powers = splits.filter((v) => v > 0).map((v) => Math.log10(v));
  const every = Math.max(1, Math.ceil((Math.max(...powers) - Math.min(...powers)) / 8));
  return splits.map((v) => {
    const power = Math.log10(v);
    const whole = Math.round(power);
    return v > 0 && Math.abs(power - whole) < 1e-9 && whole % every === 0 ? significant(v, 1) : '';
  });
}

// Room beside the axis for its longest label.
function labelRoom(_: uPlot, values: string[] | null): number {
  const longest = values ? Math.max(0, ...values.map((v) => String(v).length)) : 0;
  return Math.max(70, 7 * longest + 30);
}

export class Chart {
  private plot: uPlot | null = null;
  private spec: ChartSpec | null = null;
  private readonly observer: ResizeObserver;

  constructor(readonly host: HTMLElement) {
    host.classList.add('chart');
    host.setAttribute('role', 'img');
    this.observer = new ResizeObserver(() => this.resize());
    this.observer.observe(host);
  }

  draw(spec: ChartSpec): void {
    this.spec = spec;
    this.plot?.destroy();
    this.host.replaceChildren();
    this.host.setAttribute('aria-label', spec.description ?? describeChart(spec));
    const { width, height } = this.size();
    const options: uPlot.Options = {
      title: spec.title,
      width,
      height,
      legend: { show: spec.series.length > 1 },
      cursor: { drag: { x: false, y: false } },
      scales: { x: spec.logX ? { time: false, distr: 3 } : { time: false }, y: spec.logY ? { distr: 3 } : {} },
      axes: [
        { label: spec.xTitle, stroke: '#000', grid: { show: false }, ...(spec.logX ? { values: decadeLabels } : {}) },
        { label: spec.yTitle, stroke: '#000', grid: { stroke: '#000', width: 0.5 }, size: labelRoom, ...(spec.logY ? { values: decadeLabels } : {}) },
      ],
      series: [
        {},
        ...spec.series.map((s, i) => ({
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
    this.plot = new uPlot(options, alignSeries(spec.series) as uPlot.AlignedData, this.host);
  }

  redraw(): void {
    if (this.spec) this.draw(this.spec);
  }

  private size(): { width: number; height: number } {
    const width = Math.max(this.host.clientWidth, 240);
    return { width, height: Math.max(Math.min(Math.round(width * 0.62), 560), 200) };
  }

  private resize(): void {
    if (!this.plot) return;
    const { width, height } = this.size();
    if (Math.abs(width - this.plot.width) > 2) this.plot.setSize({ width, height });
  }
}
