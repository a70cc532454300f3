// The class experiment's chart on uPlot: layers of lines, bands between two lines, points and
// histogram bars, as the model lays them out, with a legend of check boxes that hide a layer by
// its name. The chart is an image to a screen reader, described by its title and layers.
import uPlot from 'uplot';
import { ChartHost } from '../core/chartHost';
import { element } from '../core/dom';
import { tr } from '../core/i18n';
import { locale } from '../core/language';
import { experimentModel, type Plot, type PlotLayer, type PlotLine } from './experimentModel';

const C = 'ExperimentPlots';
const kinds = () => experimentModel().PlotLayerKind;

// Axis numbers in the user's way (decimal point, thousands).
const axisValues = (_u: uPlot, splits: number[]) => splits.map((v) => (v == null ? '' : v.toLocaleString(locale())));

// A band's edges are invisible lines that uPlot fills between; the bars the chart draws itself.
function seriesOf(layer: PlotLayer, hidden: ReadonlySet<string>): uPlot.Series {
  const show = !hidden.has(layer.name);
  const label = tr(C, layer.name);
  if (layer.kind === kinds().Points)
    return { label, show, stroke: layer.color, width: 0, paths: () => null, points: { show: true, size: 7, fill: layer.color, stroke: '#000' } };
  if (layer.kind === kinds().Bars) return { label, show, stroke: 'transparent', width: 0, paths: () => null, points: { show: false } };
  if (layer.kind === kinds().Band) return { label, show, stroke: 'transparent', width: 0, spanGaps: true, points: { show: false } };
  return { label, show, stroke: layer.color, width: layer.width, spanGaps: true, points: { show: false } };
}

// The x range over every line and every bar's edges.
function xRange(plot: Plot): [number, number] {
  let low = Infinity;
  let high = -Infinity;
  for (const layer of plot.layers)
    for (const line of layer.lines)
      for (const x of line.x) {
        low = Math.min(low, x - layer.barWidth / 2);
        high = Math.max(high, x + layer.barWidth / 2);
      }
  if (!(low <= high)) return [0, 1];
  return low < high ? [low, high] : [low - 1, high + 1];
}

// Every line's points on the sorted x values of all lines, null where a line has none there (and
// where its value is not finite: ln 0). Each line's x values rise, so one walk places them.
export function alignLines(lines: PlotLine[]): uPlot.AlignedData {
  const all = new Float64Array(lines.reduce((n, line) => n + line.x.length, 0));
  let at = 0;
  for (const line of lines) { all.set(line.x, at); at += line.x.length; }
  all.sort();
  const xs: number[] = [];
  for (const x of all) if (xs.length === 0 || x !== xs[xs.length - 1]) xs.push(x);
  const columns = lines.map((line) => {
    const column: (number | null)[] = new Array(xs.length).fill(null);
    let row = 0;
    for (let i = 0; i < line.x.length; ++i) {
      while (xs[row] < line.x[i]) ++row;
      column[row] = Number.isFinite(line.y[i]) ? line.y[i] : null;
    }
    return column;
  });
  return [xs, ...columns] as uPlot.AlignedData;
}

// From 0 (or below, for ln N under 0) to a little above the highest value; 0..1 for no values.
function yRange(_u: uPlot, min: number, max: number): uPlot.Range.MinMax {
  if (!Number.isFinite(min) || !Number.isFinite(max)) return [0, 1];
  return uPlot.rangeNum(Math.min(min, 0), Math.max(max, 1e-9), 0.05, true);
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

export class ExperimentChart extends ChartHost {
  constructor(host: HTMLElement) {
    super(host, { ratio: 0.6, least: 220, most: 520 });
  }

  draw(plot: Plot, hidden: ReadonlySet<string>): void {
    this.plot?.destroy();
    this.host.replaceChildren();
    const title = tr(C, plot.title);
    const names = [...new Set(plot.layers.map((l) => tr(C, l.name)))];
    this.host.setAttribute('aria-label', `${title}. ${tr(C, plot.yTitle)} / ${tr(C, plot.xTitle)}${names.length ? `: ${names.join(', ')}` : ''}.`);

    // One uPlot series per line; a layer's lines follow one another.
    // The marks are drawn over the chart, outside its series.
    const lines: PlotLine[] = [];
    const series: uPlot.Series[] = [{}];
    const bands: uPlot.Band[] = [];
    for (const layer of plot.layers) {
      if (layer.kind === kinds().Mark) continue;
      const first = series.length;
      for (const line of layer.lines) {
        lines.push(line);
        series.push(seriesOf(layer, hidden));
      }
      if (layer.kind === kinds().Band && !hidden.has(layer.name)) bands.push({ series: [first + 1, first], fill: layer.color });
    }
    const data: uPlot.AlignedData = lines.length ? alignLines(lines) : [[]];
    const { width, height } = this.size();
    const options: uPlot.Options = {
      title,
      width,
      height,
      legend: { show: false },
      cursor: { drag: { x: false, y: false } },
      scales: { x: { time: false, range: xRange(plot) }, y: { range: yRange } },
      axes: [
        { label: tr(C, plot.xTitle), stroke: '#000', grid: { show: false }, values: axisValues },
        { label: tr(C, plot.yTitle), stroke: '#000', grid: { stroke: '#ccc', width: 0.5 }, size: 60, values: axisValues },
      ],
      series,
      bands,
      hooks: {
        draw: [(u) => {
          for (const layer of plot.layers) {
            if (hidden.has(layer.name)) continue;
            if (layer.kind === kinds().Bars) drawBars(u, layer);
            if (layer.kind === kinds().Mark) drawMark(u, layer);
          }
        }],
      },
    };
    this.plot = new uPlot(options, data, this.host);
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

// A layer's colour strong enough to see in a small square.
function swatch(color: string): string {
  return color.replace(/,([0-9.]+)\)$/, (_whole, alpha) => `,${Math.max(Number(alpha), 0.55)})`);
}

// The legend: a check box for each layer's name, ticked while the layer is shown.
export function legend(plot: Plot, hidden: Set<string>, changed: () => void): HTMLElement {
  const box = element('div', { id: 'frmLegend', role: 'group', 'aria-label': tr('ClassExperiment', 'Legend'), class: 'legend' });
  const names = [...new Map(plot.layers.map((l) => [l.name, l.color])).entries()];
  names.forEach(([name, color], i) => {
    const id = `chkLayer${i + 1}`;
    const input = element('input', { id, type: 'checkbox' });
    input.checked = !hidden.has(name);
    input.addEventListener('change', () => {
      if (input.checked) hidden.delete(name);
      else hidden.add(name);
      changed();
    });
    box.append(element('span', { class: 'check' }, input,
      element('label', { for: id }, element('span', { class: 'swatch', style: `background:${swatch(color)}` }), tr(C, name))));
  });
  return box;
}
