// The page's chart of the model's plots, on uPlot: layers of lines, bands between two lines,
// points, histogram bars, marks and error bars, as the model lays them out, on linear or
// logarithmic axes, with a legend of check boxes that hide a layer by its name. The chart is an
// image to a screen reader, described by its title and layers.
import uPlot from 'uplot';
import { ChartHost } from './chartHost';
import { element, textWidth } from './dom';
import { messageText } from './i18n';
import { model, type EnumValue, type ModelEnum, type ModelMessage } from './model';
import { significant } from './numbers';

// A mark: a vertical line at x from y[0] to y[1]; error bars: each line one bar, (x, low) to (x, high).
export type PlotLayerKind = EnumValue<'PlotLayerKind'>;
export interface PlotModel {
  PlotLayerKind: ModelEnum<'PlotLayerKind', 'Lines' | 'Band' | 'Points' | 'Bars' | 'Mark' | 'ErrorBars'>;
}
const kinds = () => model<PlotModel>().PlotLayerKind;

export interface PlotLine { x: Float64Array; y: Float64Array }
export interface PlotLayer {
  name: ModelMessage;
  color: string;
  width: number;
  dash: Float64Array; // Lines: dashes and gaps in line widths; empty for a solid line
  kind: PlotLayerKind;
  barWidth: number;
  inLegend: boolean;
  lines: PlotLine[];
}
export interface Plot {
  context: string; // of the texts' English sources
  title: ModelMessage;
  xTitle: ModelMessage;
  yTitle: ModelMessage;
  logX: boolean;
  logY: boolean;
  // A logarithmic axis starts no lower; 0 for the smallest value.
  xFloor: number;
  yFloor: number;
  layers: PlotLayer[];
}

// A text of the plot in the user's language, its numbers written in the user's way, and a time
// unit's symbol as the nuclide lab writes it.
export function plotText(plot: Plot, message: ModelMessage): string {
  return messageText(message, plot.context);
}

// What the legend hides a layer by: its name as the model gives it, the same in every language.
function layerKey(layer: PlotLayer): string {
  return [layer.name.pattern, ...layer.name.values.map((v) => v.text ?? String(v.number))].join('\u0000');
}

// The layers' names in the legend, each once, by key: in the user's language, with the colour of
// its first layer.
function layerNames(plot: Plot): Map<string, { name: string; layer: PlotLayer }> {
  const names = new Map<string, { name: string; layer: PlotLayer }>();
  for (const layer of plot.layers) {
    const key = layerKey(layer);
    if (layer.inLegend && !names.has(key)) names.set(key, { name: plotText(plot, layer.name), layer });
  }
  return names;
}

// The chart's text: the page's font, a little smaller than the page's text around it, so that the
// chart reads alike on a phone and on a projector. Sizes in CSS pixels; uPlot takes whole ones.
interface ChartFont { size: number; family: string }

function chartFont(host: HTMLElement, textSize: number): ChartFont {
  return { size: Math.round(0.875 * textSize), family: getComputedStyle(host).fontFamily };
}
const tickFont = (font: ChartFont) => `${font.size}px ${font.family}`;
const titleFont = (font: ChartFont) => `bold ${font.size}px ${font.family}`;

// A logarithmic axis names its powers of ten only; the ticks between stay unnamed.
// Over many decades only every second, third, ... is named: at most eight in all, and no more
// than the axis's length has room for side by side.
function decadeLabels(font: ChartFont, vertical: boolean) {
  return (u: uPlot, splits: number[]): string[] => {
    const powers = splits.filter((v) => v > 0).map((v) => Math.log10(v));
    const named = (v: number, every: number) => {
      const power = Math.log10(v);
      const whole = Math.round(power);
      return v > 0 && Math.abs(power - whole) < 1e-9 && whole % every === 0;
    };
    const decades = Math.max(...powers) - Math.min(...powers);
    const room = vertical ? 2 * font.size : textWidth(tickFont(font), ...splits.filter((v) => named(v, 1)).map((v) => significant(v, 1))) + font.size;
    const length = (vertical ? u.bbox.height : u.bbox.width) / devicePixelRatio;
    const fit = Math.max(1, Math.floor(length / room));
    const every = Math.max(1, Math.ceil(decades / 8), Math.ceil((decades + 1) / fit));
    return splits.map((v) => (named(v, every) ? significant(v, 1) : ''));
  };
}

// The ticks of a logarithmic axis: 1, 2, ..., 9 times each power of ten within the scale, or
// over many decades the powers alone. Each is written as its decimal literal, so that a tick is
// the double nearest its power of ten and the labels above find it. (uPlot's own log splits step
// by adding and rounding to a decimal place, which over scales reaching below 1e-12 can round a
// tick to 0 and never end.)
function decadeSplits(_: uPlot, _axis: number, min: number, max: number): number[] {
  if (!(min > 0) || !(max >= min) || !Number.isFinite(max)) return [];
  const low = Math.floor(Math.log10(min));
  const high = Math.ceil(Math.log10(max));
  const steps = high - low > 12 ? [1] : [1, 2, 3, 4, 5, 6, 7, 8, 9];
  const splits: number[] = [];
  for (let power = low; power <= high; ++power)
    for (const k of steps) {
      const v = Number(`${k}e${power}`);
      if (v >= min * (1 - 1e-12) && v <= max * (1 + 1e-12)) splits.push(v);
    }
  return splits;
}

// A linear axis names its ticks with four significant digits and powers of ten from 10^6 on, as
// the results are written; a tick that only the sums of uPlot's steps keep off zero is written 0.
function linearLabels(_: uPlot, splits: number[]): string[] {
  const largest = Math.max(...splits.map(Math.abs));
  return splits.map((v) => significant(Math.abs(v) < 1e-9 * largest ? 0 : v, 4));
}

// A logarithmic axis ticks every split and names those decadeLabels chooses; uPlot's own filter
// would thin the names a second time. A linear one keeps its ticks `space` pixels apart.
function axisTicks(log: boolean, font: ChartFont, vertical: boolean, space: number): Partial<uPlot.Axis> {
  return log
    ? { splits: decadeSplits, filter: (_: uPlot, splits: number[]) => splits, values: decadeLabels(font, vertical) }
    : { values: linearLabels, space };
}

// The points an axis can show: on a logarithmic one none at or below 0.
function usable(v: number, log: boolean): boolean {
  return Number.isFinite(v) && (!log || v > 0);
}

// The range of the values an axis can show of the layers `counted` takes: along x every line and
// bar edge, along y the values.
function extent(plot: Plot, axis: 'x' | 'y', counted: (layer: PlotLayer) => boolean = () => true): [number, number] {
  const log = axis === 'x' ? plot.logX : plot.logY;
  let low = Infinity;
  let high = -Infinity;
  const take = (v: number) => {
    if (!usable(v, log)) return;
    low = Math.min(low, v);
    high = Math.max(high, v);
  };
  for (const layer of plot.layers.filter(counted))
    for (const line of layer.lines)
      for (let i = 0; i < line.x.length; ++i) {
        if (!usable(line.x[i], plot.logX)) continue;
        if (axis === 'y') { take(line.y[i]); if (layer.kind === kinds().Bars) take(0); } // a bar stands on 0
        else if (layer.kind === kinds().Bars) { take(line.x[i] - layer.barWidth / 2); take(line.x[i] + layer.barWidth / 2); }
        else take(line.x[i]);
      }
  return [low, high];
}

// A logarithmic axis ends on whole decades, as the desktop's does: a power of ten that log10 misses
// by a rounding error is its own decade, so that an axis the model cut to 12 decades spans 12.
function decadeRange(low: number, high: number): [number, number] {
  const foot = Math.floor(Math.log10(low) + 1e-9);
  const top = Math.max(Math.ceil(Math.log10(high) - 1e-9), foot + 1);
  return [Number(`1e${foot}`), Number(`1e${top}`)];
}

function range(low: number, high: number, log: boolean, fromZero: boolean): [number, number] {
  if (!(low <= high) || !Number.isFinite(low) || !Number.isFinite(high)) return log ? [1, 10] : [0, 1];
  if (log) return decadeRange(low, high);
  if (fromZero) { low = Math.min(low, 0); high = Math.max(high, 1e-9); }
  if (low === high) return [low - 1, high + 1];
  return uPlot.rangeNum(low, high, 0.05, true) as [number, number];
}

// Every line's points on the sorted x values of all lines, null where a line has none there (and
// where its value is not one the axis can show: ln 0, or 0 on a logarithmic axis). A line's x
// values need not rise (the return map's N(t) falls): each finds its row by bisection.
function alignLines(lines: PlotLine[], logX = false, logY = false): uPlot.AlignedData {
  const xs: number[] = [];
  {
    const all = new Float64Array(lines.reduce((n, line) => n + line.x.length, 0));
    let at = 0;
    for (const line of lines) { all.set(line.x, at); at += line.x.length; }
    all.sort();
    for (const x of all) if (usable(x, logX) && (xs.length === 0 || x !== xs[xs.length - 1])) xs.push(x);
  }
  const columns = lines.map((line) => {
    const column: (number | null)[] = new Array(xs.length).fill(null);
    for (let i = 0; i < line.x.length; ++i) {
      if (!usable(line.x[i], logX)) continue;
      let low = 0;
      let high = xs.length - 1;
      while (low < high) {
        const middle = (low + high) >> 1;
        if (xs[middle] < line.x[i]) low = middle + 1;
        else high = middle;
      }
      column[low] = usable(line.y[i], logY) ? line.y[i] : null;
    }
    return column;
  });
  return [xs, ...columns] as uPlot.AlignedData;
}

// A band's edges are invisible lines that uPlot fills between; bars, marks and error bars the
// chart draws itself.
function seriesOf(layer: PlotLayer, label: string, show: boolean): uPlot.Series {
  if (layer.kind === kinds().Points)
    return { label, show, stroke: layer.color, width: 0, paths: () => null, points: { show: true, size: 7, fill: layer.color, stroke: '#000' } };
  if (layer.kind === kinds().Bars) return { label, show, stroke: 'transparent', width: 0, paths: () => null, points: { show: false } };
  if (layer.kind === kinds().Band) return { label, show, stroke: 'transparent', width: 0, spanGaps: true, points: { show: false } };
  const dash = layer.dash.length > 0 ? [...layer.dash].map((d) => d * layer.width) : undefined;
  return { label, show, stroke: layer.color, width: layer.width, dash, spanGaps: true, points: { show: false } };
}

function drawMark(u: uPlot, layer: PlotLayer): void {
  const line = layer.lines[0];
  const x = u.valToPos(line.x[0], 'x', true);
  const ctx = u.ctx;
  ctx.save();
  ctx.strokeStyle = layer.color;
  ctx.lineWidth = layer.width * devicePixelRatio;
  ctx.beginPath();
  ctx.moveTo(x, u.valToPos(line.y[0], 'y', true));
  ctx.lineTo(x, u.valToPos(line.y[1], 'y', true));
  ctx.stroke();
  ctx.restore();
}

// Whether a layer's lines stand upright somewhere (an arrow at one time): uPlot holds one value per
// time in each line, so the chart draws such lines itself.
function drawnByHand(layer: PlotLayer): boolean {
  return layer.kind === kinds().Lines && layer.lines.some((line) => line.x.some((x, i) => i > 0 && x === line.x[i - 1]));
}

function drawPolylines(u: uPlot, layer: PlotLayer): void {
  const ctx = u.ctx;
  ctx.save();
  ctx.strokeStyle = layer.color;
  ctx.lineWidth = layer.width * devicePixelRatio;
  ctx.setLineDash([...layer.dash].map((d) => d * ctx.lineWidth));
  for (const line of layer.lines) {
    ctx.beginPath();
    line.x.forEach((x, i) => {
      const at = [u.valToPos(x, 'x', true), u.valToPos(line.y[i], 'y', true)] as const;
      if (i === 0) ctx.moveTo(...at);
      else ctx.lineTo(...at);
    });
    ctx.stroke();
  }
  ctx.restore();
}

// Each bar from its low to its high end, with short caps; an end the axis cannot show (0 on a
// logarithmic axis) is taken at the axis's edge.
function drawErrorBars(u: uPlot, layer: PlotLayer, logX: boolean, logY: boolean): void {
  const ctx = u.ctx;
  const cap = 3 * devicePixelRatio;
  const [bottom, top] = [u.scales.y.min ?? 0, u.scales.y.max ?? 1];
  ctx.save();
  ctx.strokeStyle = layer.color;
  ctx.lineWidth = layer.width * devicePixelRatio;
  ctx.beginPath();
  for (const bar of layer.lines) {
    if (bar.x.length < 2 || !usable(bar.x[0], logX)) continue;
    const x = u.valToPos(bar.x[0], 'x', true);
    const at = (v: number) => u.valToPos(Math.min(Math.max(usable(v, logY) ? v : bottom, bottom), top), 'y', true);
    const low = at(bar.y[0]);
    const high = at(bar.y[1]);
    ctx.moveTo(x, low);
    ctx.lineTo(x, high);
    ctx.moveTo(x - cap, low);
    ctx.lineTo(x + cap, low);
    ctx.moveTo(x - cap, high);
    ctx.lineTo(x + cap, high);
  }
  ctx.stroke();
  ctx.restore();
}

function drawBars(u: uPlot, layer: PlotLayer): void {
  const ctx = u.ctx;
  ctx.save();
  ctx.fillStyle = layer.color;
  ctx.strokeStyle = '#fff';
  const base = u.valToPos(0, 'y', true);
  const line = layer.lines[0];
  for (let i = 0; i < line.x.length; ++i) {
    const left = u.valToPos(line.x[i] - layer.barWidth / 2, 'x', true);
    const right = u.valToPos(line.x[i] + layer.barWidth / 2, 'x', true);
    const top = u.valToPos(line.y[i], 'y', true);
    ctx.fillRect(left, top, right - left, base - top);
    ctx.strokeRect(left, top, right - left, base - top);
  }
  ctx.restore();
}

// The width of an axis's longest label, worked out once from the plot: a room that followed the
// labels uPlot makes would change the splits, and they the labels, without end.
function labelWidth(low: number, high: number, log: boolean, font: ChartFont): number {
  if (!(low <= high)) return 4 * font.size;
  const samples = log
    ? Array.from({ length: Math.floor(Math.log10(high)) - Math.floor(Math.log10(low)) + 2 }, (_, k) => significant(10 ** (Math.floor(Math.log10(low)) + k), 1))
    : [low, high, (low + high) / 2, -Math.abs(high)].map((v) => significant(v, 4));
  return textWidth(tickFont(font), ...samples);
}

// The axes in the chart's font: the room for the labels and the titles follows its size. The x
// axis's title, centred under a plot `width` pixels wide beside the y axis and `right` pixels of
// room on the right, is written smaller where it would run beyond the chart (down to 70 %).
function axes(plot: Plot, font: ChartFont, xWidth: number, [yLow, yHigh]: number[], width: number, right: number): uPlot.Axis[] {
  const text = (message: ModelMessage) => plotText(plot, message);
  const labelSize = Math.round(1.6 * font.size);
  const common = { stroke: '#000', font: tickFont(font), labelFont: titleFont(font), labelSize, ticks: { size: 0.6 * font.size }, gap: 0.4 * font.size };
  const ySize = Math.round(Math.max(5 * font.size, labelWidth(yLow, yHigh, plot.logY, font) + 2 * font.size));
  const xTitle = text(plot.xTitle);
  const room = width - ySize - labelSize - right;
  const needed = textWidth(titleFont(font), xTitle);
  const xTitleFont = needed > room ? titleFont({ ...font, size: Math.max(Math.floor(0.7 * font.size), Math.floor((font.size * room) / needed)) }) : titleFont(font);
  return [
    { ...common, label: xTitle, labelFont: xTitleFont, grid: { show: false }, size: Math.round(2.4 * font.size), ...axisTicks(plot.logX, font, false, xWidth + 1.5 * font.size) },
    { ...common, label: text(plot.yTitle), grid: { stroke: '#ccc', width: 0.5 }, size: ySize, ...axisTicks(plot.logY, font, true, 2.5 * font.size) },
  ];
}

export interface PlotShape {
  ratio: number; // height over width
  least: number; // height in pixels
  most: number;
  fromZero: boolean; // a linear y axis starts at 0 (or below)
}

// The shape of the run's views and the labs' charts: their y axis spans the values alone.
export const valuesShape: PlotShape = { ratio: 0.62, least: 200, most: 560, fromZero: false };

// What the tests look at in a chart drawn on the page: uPlot's own instance, whose geometry the
// painting follows, and the layers shown, named in the user's language, each with the number of
// its points the axes can show and the model has not cut off.
// A layer the chart draws by hand (lines that go straight up) is no uPlot series: `within` says how
// many of its points lie inside the axes.
export interface DrawnChart {
  u: uPlot;
  layers: { name: string; color: string; dash: number[]; kind: string; inLegend: boolean; points: number; byHand: boolean; within: number }[];
}
const drawn = new WeakMap<HTMLElement, () => DrawnChart | null>();
export function drawnChart(host: HTMLElement): DrawnChart | null {
  return drawn.get(host)?.() ?? null;
}

export class PlotChart extends ChartHost {
  private shown: { plot: Plot; hidden: ReadonlySet<string>; description?: string } | null = null;
  private seriesKeys: string[] = []; // the layer of every uPlot series, by its key

  constructor(host: HTMLElement, private readonly plotShape: PlotShape = { ratio: 0.6, least: 220, most: 520, fromZero: true }) {
    super(host, plotShape);
    drawn.set(host, () => {
      if (!this.plot || !this.shown) return null;
      const { plot, hidden } = this.shown;
      const kindName = (kind: PlotLayerKind) => Object.entries(kinds()).find(([, v]) => v.value === kind.value)?.[0] ?? '';
      const u = this.plot;
      const inside = (v: number, key: string) => {
        const { min, max } = u.scales[key];
        return min !== undefined && max !== undefined && v >= min - 1e-9 * Math.abs(min) && v <= max + 1e-9 * Math.abs(max);
      };
      const shownPoints = (l: PlotLayer) => l.lines.flatMap((line) => [...line.x].map((x, i) => ({ x, y: line.y[i] })))
        .filter(({ x, y }) => usable(x, plot.logX) && usable(y, plot.logY) && !(plot.logX && x < plot.xFloor) && !(plot.logY && y < plot.yFloor));
      const layers = plot.layers.filter((l) => !hidden.has(layerKey(l)))
        .map((l) => {
          const points = shownPoints(l);
          return { name: plotText(plot, l.name), color: l.color, dash: [...l.dash], kind: kindName(l.kind), inLegend: l.inLegend,
            points: points.length, byHand: drawnByHand(l), within: points.filter(({ x, y }) => inside(x, 'x') && inside(y, 'y')).length };
        });
      return { u, layers };
    });
  }

  // The layer of `key` stands out, the others faded; all alike again for null.
  highlight(key: string | null): void {
    if (!this.plot) return;
    const index = key === null ? -1 : this.seriesKeys.indexOf(key);
    this.plot.setSeries(index > 0 ? index : null, { focus: true });
    this.host.dataset.highlighted = index > 0 ? key! : '';
  }

  // The layer named `name` in the legend stands out: a member pointed at in a table; all alike for null.
  highlightNamed(name: string | null): void {
    const index = name === null || !this.plot ? -1 : this.plot.series.findIndex((s) => s.label === name);
    this.highlight(index > 0 ? this.seriesKeys[index] : null);
  }

  // The plot with the layers whose keys are in `hidden` left out; `description` replaces the one
  // made of the titles and layers' names for a screen reader.
  draw(plot: Plot, hidden: ReadonlySet<string> = new Set(), description?: string): void {
    this.shown = { plot, hidden, description };
    this.plot?.destroy();
    this.host.replaceChildren();
    const text = (message: ModelMessage) => plotText(plot, message);
    const title = text(plot.title);
    const names = [...layerNames(plot).values()].map((n) => n.name);
    this.host.setAttribute('aria-label', description ??
      `${title}. ${text(plot.yTitle)} / ${text(plot.xTitle)}${names.length ? `: ${names.join(', ')}` : ''}.`);

    // One uPlot series per line; a layer's lines follow one another. Marks, error bars and lines
    // that stand upright (drawnByHand) are drawn over the chart, outside its series.
    const byHand = new Set(plot.layers.filter(drawnByHand));
    const lines: PlotLine[] = [];
    const series: uPlot.Series[] = [{}];
    const bands: uPlot.Band[] = [];
    this.seriesKeys = [''];
    for (const layer of plot.layers) {
      if (layer.kind === kinds().Mark || layer.kind === kinds().ErrorBars || byHand.has(layer)) continue;
      const shown = !hidden.has(layerKey(layer));
      const first = series.length;
      for (const line of layer.lines) {
        lines.push(line);
        series.push(seriesOf(layer, text(layer.name), shown));
        this.seriesKeys.push(layerKey(layer));
      }
      if (layer.kind === kinds().Band && shown) bands.push({ series: [first + 1, first], fill: layer.color });
    }
    const data: uPlot.AlignedData = lines.length ? alignLines(lines, plot.logX, plot.logY) : [[]];
    // How many lines uPlot draws, for the tests to count.
    this.host.dataset.lines = String(lines.length);
    const [xLow, xHigh] = extent(plot, 'x');
    // Along y the shown series, as uPlot finds them, and the shown marks, error bars and bars down to 0.
    const [yLow, yHigh] = extent(plot, 'y');
    const [drawnLow, drawnHigh] = extent(plot, 'y', (l) => (l.kind === kinds().Mark || l.kind === kinds().ErrorBars || l.kind === kinds().Bars || byHand.has(l))
      && !hidden.has(layerKey(l)));
    // Only a logarithmic axis has a foot: a linear one shows its negative values (the residuals).
    const floor = plot.logY ? plot.yFloor : -Infinity;
    const yRange = (_u: uPlot, min: number, max: number): uPlot.Range.MinMax =>
      range(Math.max(Math.min(min ?? Infinity, drawnLow), floor), Math.max(max ?? -Infinity, drawnHigh), plot.logY, this.plotShape.fromZero);
    this.drawnTextSize = this.textSize();
    const font = chartFont(this.host, this.drawnTextSize);
    // Tall enough for the y axis's title along it, beside the x axis and the chart's title.
    this.leastHeight = textWidth(titleFont(font), text(plot.yTitle)) + 6 * font.size;
    const { width, height } = this.size();
    // Room on the right for half the widest number under the x axis: the last one stands centred
    // under the axis's end.
    const xWidth = labelWidth(xLow, xHigh, plot.logX, font);
    const right = Math.ceil(xWidth / 2) + 2;
    const options: uPlot.Options = {
      title,
      width,
      height,
      padding: [null, right, null, null],
      legend: { show: false },
      // A layer pointed at in the legend stands out; the others fade.
      focus: { alpha: 0.25 },
      cursor: { drag: { x: false, y: false }, focus: { prox: -1 } },
      scales: {
        x: { time: false, distr: plot.logX ? 3 : 1, range: range(plot.logX ? Math.max(xLow, plot.xFloor) : xLow, xHigh, plot.logX, false) },
        y: { distr: plot.logY ? 3 : 1, range: yRange },
      },
      axes: axes(plot, font, xWidth, [yLow, yHigh], width, right),
      series,
      bands,
      hooks: {
        draw: [(u) => {
          this.host.dataset.yFrom = String(u.scales.y.min); // the value axis's foot, for the tests
          for (const layer of plot.layers) {
            if (hidden.has(layerKey(layer))) continue;
            if (layer.kind === kinds().Bars) drawBars(u, layer);
            if (layer.kind === kinds().Mark) drawMark(u, layer);
            if (layer.kind === kinds().ErrorBars) drawErrorBars(u, layer, plot.logX, plot.logY);
            if (byHand.has(layer)) drawPolylines(u, layer);
          }
        }],
      },
    };
    this.plot = new uPlot(options, data, this.host);
  }

  redraw(): void {
    if (this.shown) this.draw(this.shown.plot, this.shown.hidden, this.shown.description);
  }

  // The chart as a picture, its title above: for the saved image and the worksheet.
  picture(): HTMLCanvasElement {
    const canvas = document.createElement('canvas');
    const source = this.plot?.ctx.canvas;
    const titleHeight = 36;
    canvas.width = source?.width ?? 640;
    canvas.height = (source?.height ?? 400) + titleHeight;
    const ctx = canvas.getContext('2d')!;
    ctx.fillStyle = '#fff';
    ctx.fillRect(0, 0, canvas.width, canvas.height);
    ctx.fillStyle = '#000';
    ctx.font = 'bold 18px sans-serif';
    ctx.textAlign = 'center';
    ctx.fillText(this.plot?.root.querySelector('.u-title')?.textContent ?? '', canvas.width / 2, 24);
    if (source) ctx.drawImage(source, 0, titleHeight);
    return canvas;
  }
}

// A layer's colour strong enough to see in a small sample: a square, or a short thick line in the
// layer's dashes (each dash and gap scaled from line widths to the sample's 3 px).
function swatch(layer: PlotLayer): string {
  const color = layer.color.replace(/,([0-9.]+)\)$/, (_whole, alpha) => `,${Math.max(Number(alpha), 0.55)})`);
  if (layer.kind !== kinds().Lines) return `background:${color}`;
  return lineSample(color, layer.dash);
}

// The style of a sample of a line in `color` with `dash` (in line widths; empty for a solid line).
export function lineSample(color: string, dash: Float64Array): string {
  const line = 'height:3px;width:1.6rem;border:none;vertical-align:middle';
  if (dash.length === 0) return `background:${color};${line}`;
  let at = 0;
  const stops = [...dash].map((length, i) => {
    const from = at;
    at += length * 3;
    return `${i % 2 === 0 ? color : 'transparent'} ${from}px ${at}px`;
  });
  return `background:repeating-linear-gradient(90deg,${stops.join(',')});${line}`;
}

// A legend that only names the layers, each with its sample, for a chart whose layers are all
// wanted (the atoms' curves): a list with the id `id`.
export function namesLegend(plot: Plot, id: string): HTMLElement {
  return element('ul', { id, class: 'atoms-legend' }, ...[...layerNames(plot).values()].map(({ name, layer }) =>
    element('li', {}, element('span', { class: 'swatch', style: swatch(layer) }), name)));
}

// The legend: a check box for each layer's name, ticked while the layer is shown; `hidden` holds
// the keys of the layers hidden. `label` names the group for a screen reader.
// Pointing at an entry, or moving to its box, highlights its layer through `highlight`.
export function legend(plot: Plot, hidden: Set<string>, changed: () => void, label: string,
  highlight: (key: string | null) => void = () => {}): HTMLElement {
  const box = element('div', { id: 'frmLegend', role: 'group', 'aria-label': label, class: 'legend' });
  [...layerNames(plot).entries()].forEach(([key, { name, layer }], i) => {
    const id = `chkLayer${i + 1}`;
    const input = element('input', { id, type: 'checkbox' });
    input.checked = !hidden.has(key);
    input.addEventListener('change', () => {
      if (input.checked) hidden.delete(key);
      else hidden.add(key);
      changed();
    });
    const entry = element('span', { class: 'check' }, input,
      element('label', { for: id }, element('span', { class: 'swatch', style: swatch(layer) }), name));
    entry.addEventListener('mouseenter', () => highlight(key));
    entry.addEventListener('mouseleave', () => highlight(null));
    input.addEventListener('focus', () => highlight(key));
    input.addEventListener('blur', () => highlight(null));
    box.append(entry);
  });
  return box;
}
