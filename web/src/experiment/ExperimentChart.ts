// The class experiment's chart on uPlot: layers of lines, bands between two lines, points and
// histogram bars, as the model lays them out, with a legend of check boxes that hide a layer by
// its name. The chart is an image to a screen reader, described by its title and layers.
import uPlot from 'uplot';
import { alignSeries } from '../core/chart';
import { element } from '../core/dom';
import { locale, tr } from '../core/i18n';

export interface PlotLine { x: Float64Array; y: Float64Array }
export interface PlotLayer {
  name: string;
  color: string;
  width: number;
  kind: 'lines' | 'band' | 'points' | 'bars';
  barWidth: number;
  lines: PlotLine[];
}
export interface Plot { title: string; xTitle: string; yTitle: string; layers: PlotLayer[] }

const C = 'ExperimentPlots';

// Axis numbers in the user's way (decimal point, thousands).
const axisValues = (_u: uPlot, splits: number[]) => splits.map((v) => (v == null ? '' : v.toLocaleString(locale())));

// A band's edges are invisible lines that uPlot fills between; the bars the chart draws itself.
function seriesOf(layer: PlotLayer, hidden: ReadonlySet<string>): uPlot.Series {
  const show = !hidden.has(layer.name);
  const label = tr(C, layer.name);
  if (layer.kind === 'points')
    return { label, show, stroke: layer.color, width: 0, paths: () => null, points: { show: true, size: 7, fill: layer.color, stroke: '#000' } };
  if (layer.kind === 'bars') return { label, show, stroke: 'transparent', width: 0, paths: () => null, points: { show: false } };
  if (layer.kind === 'band') return { label, show, stroke: 'transparent', width: 0, spanGaps: true, points: { show: false } };
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
  return low < high ? [low, high] : [0, 1];
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

export class ExperimentChart {
  private plot: uPlot | null = null;
  private readonly observer: ResizeObserver;

  constructor(readonly host: HTMLElement) {
    host.classList.add('chart');
    host.setAttribute('role', 'img');
    this.observer = new ResizeObserver(() => this.resize());
    this.observer.observe(host);
  }

  draw(plot: Plot, hidden: ReadonlySet<string>): void {
    this.plot?.destroy();
    this.host.replaceChildren();
    const title = tr(C, plot.title);
    const names = [...new Set(plot.layers.map((l) => tr(C, l.name)))];
    this.host.setAttribute('aria-label', `${title}. ${tr(C, plot.yTitle)} / ${tr(C, plot.xTitle)}${names.length ? `: ${names.join(', ')}` : ''}.`);

    // One uPlot series per line; a layer's lines follow one another.
    const lines: { x: ArrayLike<number>; y: ArrayLike<number> }[] = [];
    const series: uPlot.Series[] = [{}];
    const bands: uPlot.Band[] = [];
    for (const layer of plot.layers) {
      const first = series.length;
      for (const line of layer.lines) {
        lines.push({ x: line.x, y: Array.from(line.y, (v) => (Number.isFinite(v) ? v : null) as number) });
        series.push(seriesOf(layer, hidden));
      }
      if (layer.kind === 'band' && !hidden.has(layer.name)) bands.push({ series: [first + 1, first], fill: layer.color });
    }
    const data = lines.length ? alignSeries(lines.map((l) => ({ label: '', ...l }))) : [[]];
    const { width, height } = this.size();
    const options: uPlot.Options = {
      title,
      width,
      height,
      legend: { show: false },
      cursor: { drag: { x: false, y: false } },
      scales: { x: { time: false, range: xRange(plot) }, y: { range: (_u, min, max) => (plot.layers.length ? uPlot.rangeNum(Math.min(min, 0), max, 0.05, true) : [0, 1]) } },
      axes: [
        { label: tr(C, plot.xTitle), stroke: '#000', grid: { show: false }, values: axisValues },
        { label: tr(C, plot.yTitle), stroke: '#000', grid: { stroke: '#ccc', width: 0.5 }, size: 60, values: axisValues },
      ],
      series,
      bands,
      hooks: { draw: [(u) => { for (const layer of plot.layers) if (layer.kind === 'bars' && !hidden.has(layer.name)) drawBars(u, layer); }] },
    };
    this.plot = new uPlot(options, data as uPlot.AlignedData, this.host);
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

  private size(): { width: number; height: number } {
    const width = Math.max(this.host.clientWidth, 240);
    return { width, height: Math.max(Math.min(Math.round(width * 0.6), 520), 220) };
  }

  private resize(): void {
    if (!this.plot) return;
    const { width, height } = this.size();
    if (Math.abs(width - this.plot.width) > 2) this.plot.setSize({ width, height });
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
