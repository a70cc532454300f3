// What a user would find wrong on the screen shown, each function run in the page by
// page.evaluate (so each stands alone): controls that cut their texts, and charts whose own
// geometry shows a fault.
import type uPlot from 'uplot';

// What a user would find cut or wrong on the screen shown: a drop-down narrower than its widest
// item beside its arrow (the text measured in the drop-down's own font), a button or label whose
// text runs out of its box, a page wider than the screen, a legend with a placeholder for a value,
// the page still marked busy.
export function flaws(): string[] {
  const found: string[] = [];
  const visible = (e: HTMLElement) => e.offsetParent !== null && getComputedStyle(e).visibility !== 'hidden';
  const name = (e: HTMLElement) => `${e.tagName.toLowerCase()}#${e.id} "${e.textContent?.trim().slice(0, 40)}"`;
  const measure = document.createElement('canvas').getContext('2d')!;
  for (const select of document.querySelectorAll('select')) {
    if (!visible(select)) continue;
    const style = getComputedStyle(select);
    const font = `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
    measure.font = font;
    const widest = Math.max(...[...select.options].map((o) => measure.measureText(o.text).width));
    // The room the browser keeps for the arrow: a drop-down with nothing in it, no padding, no border.
    const probe = document.createElement('select');
    probe.style.cssText = `position:absolute;visibility:hidden;padding:0;border:0;width:auto;min-width:0;font:${font}`;
    probe.append(document.createElement('option'));
    document.body.append(probe);
    const arrow = probe.clientWidth;
    probe.remove();
    const box = select.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    if (widest + arrow > box + 1) found.push(`select#${select.id}: items ${Math.ceil(widest)} px + arrow ${arrow} px in ${Math.round(box)} px`);
  }
  for (const e of document.querySelectorAll<HTMLElement>('button, label')) {
    if (visible(e) && (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1))
      found.push(`${name(e)}: text ${e.scrollWidth}×${e.scrollHeight} px in ${e.clientWidth}×${e.clientHeight} px`);
  }
  if (document.documentElement.scrollWidth > window.innerWidth)
    found.push(`page ${document.documentElement.scrollWidth} px wide on a screen of ${window.innerWidth} px`);
  for (const dialog of document.querySelectorAll<HTMLDialogElement>('dialog[open]'))
    if (dialog.scrollWidth > dialog.clientWidth + 1) found.push(`dialog#${dialog.id}: ${dialog.scrollWidth} px wide in ${dialog.clientWidth} px`);
  for (const legend of document.querySelectorAll<HTMLElement>('.legend, .u-legend'))
    if (legend.textContent?.includes('--')) found.push(`legend "${legend.textContent.trim().slice(0, 60)}" shows "--"`);
  if (document.getElementById('app')?.getAttribute('aria-busy') === 'true') found.push('#app is aria-busy');
  return found;
}

// Every fault of the charts on the screen, from the geometry uPlot draws them by: numbers of the
// axes that overlap, a legend over a plotted point, a logarithmic axis over more than 12 decades,
// two series shown alike, a text cut at the chart's edge, and a point of the plot that uPlot was
// not given. Boxes in CSS pixels of the page.
export function chartFaults(): string[] {
  type Box = { left: number; top: number; right: number; bottom: number; text: string };
  // The instance uPlot keeps besides its options: the numbers an axis wrote and where.
  type DrawnAxis = uPlot.Axis & { _values: (string | null)[] | null; _splits: number[] | null; _pos: number; font: [string, number]; labelFont: [string, number] };
  const found: string[] = [];
  const measure = document.createElement('canvas').getContext('2d')!;
  const width = (font: string, text: string) => { measure.font = font; return measure.measureText(text).width; };
  const overlap = (a: Box, b: Box) => a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
  const legends = [...document.querySelectorAll<HTMLElement>('.legend')].filter((e) => e.offsetParent !== null)
    .flatMap((legend) => [...legend.children].map((entry) => ({ entry: entry.textContent?.trim() ?? '', rect: entry.getBoundingClientRect() })));
  for (const host of document.querySelectorAll<HTMLElement>('.chart')) {
    if (host.offsetParent === null) continue;
    const drawnChart = window.atomdrift.drawnChart as (host: HTMLElement) => { u: uPlot; layers: { name: string; color: string; dash: number[]; kind: string; points: number; byHand: boolean; within: number }[] } | null;
    const drawn = drawnChart(host);
    if (!drawn) continue;
    const { u, layers } = drawn;
    const where = `#${host.id}`;
    const canvas = u.ctx.canvas.getBoundingClientRect();
    const ratio = devicePixelRatio;
    const plot = { left: u.bbox.left / ratio, top: u.bbox.top / ratio, width: u.bbox.width / ratio, height: u.bbox.height / ratio };
    // The numbers of each axis: centred under an x tick, right-aligned left of a y tick, as uPlot writes them.
    const ticks: Box[][] = u.axes.map((options) => {
      const axis = options as DrawnAxis;
      if (!axis._values || !axis._splits) return [];
      const [font, size] = axis.font;
      const offset = (axis.ticks?.show === false ? 0 : axis.ticks?.size ?? 0) + (axis.gap ?? 0);
      return axis._values.flatMap((text, k) => {
        if (text === null || text === '') return [];
        const at = u.valToPos(axis._splits![k], axis.scale!);
        const w = width(font, String(text));
        return axis.side === 2
          ? [{ left: plot.left + at - w / 2, right: plot.left + at + w / 2, top: axis._pos + offset, bottom: axis._pos + offset + size, text: String(text) }]
          : [{ left: axis._pos - offset - w, right: axis._pos - offset, top: plot.top + at - size / 2, bottom: plot.top + at + size / 2, text: String(text) }];
      });
    });
    const all = ticks.flat();
    for (let i = 0; i < all.length; ++i)
      for (let j = i + 1; j < all.length; ++j)
        if (overlap(all[i], all[j])) found.push(`${where}: tick labels "${all[i].text}" and "${all[j].text}" overlap`);
    // The axes' titles, centred along the plot (the y axis's turned), and every number, inside the chart.
    const titles: Box[] = u.axes.flatMap((options, i) => {
      const axis = options as DrawnAxis;
      const text = axis.label ?? '';
      if (!text) return [];
      const w = width(axis.labelFont[0], String(text));
      return i === 0
        ? [{ left: plot.left + plot.width / 2 - w / 2, right: plot.left + plot.width / 2 + w / 2, top: 0, bottom: 0, text: String(text) }]
        : [{ left: 0, right: 0, top: plot.top + plot.height / 2 - w / 2, bottom: plot.top + plot.height / 2 + w / 2, text: String(text) }];
    });
    for (const box of [...all, ...titles])
      if (box.left < -0.5 || box.right > canvas.width + 0.5 || box.top < -0.5 || box.bottom > canvas.height + 0.5)
        found.push(`${where}: "${box.text}" is cut (${Math.round(box.left)}..${Math.round(box.right)} × ${Math.round(box.top)}..${Math.round(box.bottom)} in ${Math.round(canvas.width)} × ${Math.round(canvas.height)})`);
    const title = host.querySelector<HTMLElement>('.u-title');
    if (title && (title.scrollWidth > title.clientWidth + 1 || title.scrollHeight > title.clientHeight + 1))
      found.push(`${where}: the title "${title.textContent}" is cut`);
    for (const [key, scale] of Object.entries(u.scales))
      if (scale.distr === 3 && scale.min && scale.max && Math.log10(scale.max / scale.min) > 12 + 1e-9)
        found.push(`${where}: the logarithmic ${key} axis spans ${Math.log10(scale.max / scale.min).toFixed(1)} decades`);
    // The points drawn, in the page's coordinates, and no legend entry over one.
    const points: { x: number; y: number; series: string }[] = [];
    const xs = u.data[0];
    u.series.forEach((series, i) => {
      if (i === 0 || !series.show) return;
      const ys = u.data[i];
      for (let k = 0; k < xs.length; ++k) {
        const y = ys[k];
        if (y === null || y === undefined) continue;
        const px = u.valToPos(xs[k], 'x'), py = u.valToPos(y, series.scale ?? 'y');
        if (px < 0 || px > plot.width || py < 0 || py > plot.height) continue;
        points.push({ x: canvas.left + plot.left + px, y: canvas.top + plot.top + py, series: String(series.label ?? '') });
      }
    });
    for (const { entry, rect } of legends) {
      const covered = points.find((p) => p.x >= rect.left && p.x <= rect.right && p.y >= rect.top && p.y <= rect.bottom);
      if (covered) found.push(`${where}: the legend's "${entry}" covers a point of "${covered.series}"`);
    }
    // Every point of the layers uPlot draws as series (marks and error bars the chart draws
    // itself) within the axes, but those the model cut off.
    const expected = layers.filter((l) => l.kind !== 'Mark' && l.kind !== 'ErrorBars' && !l.byHand).reduce((n, l) => n + l.points, 0);
    // Lines the chart draws itself (a limit's arrow): their points, checked on the axes' ranges.
    for (const l of layers.filter((l) => l.byHand && l.within !== l.points))
      found.push(`${where}: ${l.within} of the ${l.points} points of "${l.name}", drawn by hand, are within the axes`);
    const within = (v: number, key: string) => {
      const { min = -Infinity, max = Infinity, distr } = u.scales[key];
      if (distr === 3) return v >= min * (1 - 1e-9) && v <= max * (1 + 1e-9);
      const margin = 1e-9 * (max - min);
      return v >= min - margin && v <= max + margin;
    };
    let shown = 0;
    u.series.forEach((series, i) => {
      if (i === 0 || !series.show) return;
      const ys = u.data[i] as ArrayLike<number | null | undefined>;
      for (let k = 0; k < xs.length; ++k) {
        const y = ys[k];
        if (y !== null && y !== undefined && within(xs[k], 'x') && within(y, series.scale ?? 'y')) ++shown;
      }
    });
    if (shown !== expected) found.push(`${where}: ${shown} of the plot's ${expected} points are within the axes`);
    // One look for each name shown: its colour and, for a line, its dashes.
    const looks = new Map<string, string>();
    const named = new Set<string>();
    for (const layer of layers) {
      if (named.has(layer.name)) continue;
      named.add(layer.name);
      const look = `${layer.color} ${layer.kind === 'Lines' ? `line ${layer.dash.join(' ')}` : layer.kind}`;
      const first = looks.get(look);
      if (first !== undefined) found.push(`${where}: "${first}" and "${layer.name}" are both drawn ${look}`);
      else looks.set(look, layer.name);
    }
  }
  return found;
}
