// A chart's place on the page: an image to a screen reader, as wide as its host, its height a
// share of the width within bounds, and drawn again at the new size when the host's width changes.
import type uPlot from 'uplot';

export interface ChartShape {
  ratio: number; // height over width
  least: number; // height in pixels
  most: number;
}

export abstract class ChartHost {
  protected plot: uPlot | null = null;
  private readonly observer: ResizeObserver;

  constructor(readonly host: HTMLElement, private readonly shape: ChartShape) {
    host.classList.add('chart');
    host.setAttribute('role', 'img');
    this.observer = new ResizeObserver(() => this.resize());
    this.observer.observe(host);
  }

  protected size(): { width: number; height: number } {
    const width = Math.max(this.host.clientWidth, 240);
    return { width, height: Math.max(Math.min(Math.round(width * this.shape.ratio), this.shape.most), this.shape.least) };
  }

  private resize(): void {
    if (!this.plot) return;
    const { width, height } = this.size();
    if (Math.abs(width - this.plot.width) > 2) this.plot.setSize({ width, height });
  }
}
