// A chart's place on the page: an image to a screen reader, as wide as its host, its height a
// share of the width within bounds, and drawn again at the new size when the host's width changes
// (anew when the page's text size has changed with it, which the chart's text follows).
import type uPlot from 'uplot';

export interface ChartShape {
  ratio: number; // height over width
  least: number; // height in pixels
  most: number;
}

export abstract class ChartHost {
  protected plot: uPlot | null = null;
  protected drawnTextSize = 0; // the page's text size in pixels when the chart was drawn
  protected leastHeight = 0; // what the chart drawn must fit along its height, in pixels
  private readonly observer: ResizeObserver;

  constructor(readonly host: HTMLElement, private readonly shape: ChartShape) {
    host.classList.add('chart');
    host.setAttribute('role', 'img');
    this.observer = new ResizeObserver(() => this.resize());
    this.observer.observe(host);
  }

  abstract redraw(): void;

  protected textSize(): number {
    return parseFloat(getComputedStyle(this.host).fontSize) || 16;
  }

  protected size(): { width: number; height: number } {
    const width = Math.max(this.host.clientWidth, 240);
    const height = Math.max(Math.min(width * this.shape.ratio, this.shape.most), this.shape.least, this.leastHeight);
    return { width, height: Math.round(height) };
  }

  private resize(): void {
    if (!this.plot) return;
    if (this.textSize() !== this.drawnTextSize) return this.redraw();
    const { width, height } = this.size();
    if (Math.abs(width - this.plot.width) > 2) this.plot.setSize({ width, height });
  }
}
