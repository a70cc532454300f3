// The chart of nuclides on a canvas: every ground state of the table on Z against N, coloured by
// its main decay mode or its half-life; zoomed by the wheel or + and -, panned by dragging or
// Ctrl and the arrows; the arrows move the chosen cell, a click or Enter takes it into the lab.
// The lab's chain is drawn as arrows between its members.
import { tr } from '../core/i18n';
import type { LabChain } from './labModel';

export const magicNumbers = [2, 8, 20, 28, 50, 82, 126];
export enum Colouring { MainMode, HalfLife }

// What part of the (N, Z) plane is shown: `cell` pixels per nucleon number, the N and Z at the
// canvas's top left corner.
export interface View { cell: number; left: number; top: number }

export interface MapTable {
  z: Float64Array; n: Float64Array; state: Float64Array; halfLife: Float64Array; symbol: string[]; mainMode: string[];
}

// The ground states by (N, Z), for painting and picking; every cell is a position in the table.
export class Grid {
  readonly maxN: number;
  readonly maxZ: number;
  private readonly byNZ: Int32Array;

  constructor(readonly table: MapTable) {
    let maxN = 0, maxZ = 0;
    for (let i = 0; i < table.z.length; ++i) { maxN = Math.max(maxN, table.n[i]); maxZ = Math.max(maxZ, table.z[i]); }
    this.maxN = maxN;
    this.maxZ = maxZ;
    this.byNZ = new Int32Array((maxN + 1) * (maxZ + 1)).fill(-1);
    for (let i = 0; i < table.z.length; ++i)
      if (table.state[i] === 0) this.byNZ[table.z[i] * (maxN + 1) + table.n[i]] = i;
  }

  at(n: number, z: number): number {
    if (n < 0 || z < 0 || n > this.maxN || z > this.maxZ) return -1;
    return this.byNZ[z * (this.maxN + 1) + n];
  }

  // The isomers of a ground state: the evaluation lists them right after it.
  isomersOf(ground: number): number[] {
    const result: number[] = [];
    const t = this.table;
    for (let i = ground + 1; i < t.z.length && t.z[i] === t.z[ground] && t.n[i] === t.n[ground]; ++i) result.push(i);
    return result;
  }
}

export function cellRect(n: number, z: number, view: View): { x: number; y: number; size: number } {
  return { x: (n - view.left) * view.cell, y: (view.top - z) * view.cell, size: view.cell };
}

export function cellAt(x: number, y: number, view: View): [number, number] {
  return [Math.floor(x / view.cell + view.left), Math.ceil(view.top - y / view.cell)];
}

// The view after zooming by `factor` about a point, which stays where it is; a cell from 1 to 80 pixels.
export function zoomed(view: View, factor: number, x: number, y: number): View {
  const cell = Math.min(Math.max(view.cell * factor, 1), 80);
  const n = x / view.cell + view.left;
  const z = view.top - y / view.cell;
  return { cell, left: n - x / cell, top: z + y / cell };
}

export function whole(grid: Grid, width: number, height: number): View {
  const cell = Math.max(1, Math.min(width / (grid.maxN + 3), height / (grid.maxZ + 3)));
  return { cell, left: -1, top: grid.maxZ + 1 };
}

// Colours a reader of a printed chart knows them by: alpha yellow, beta minus blue, beta plus and
// electron capture red, fission green, proton emission orange, neutron emission violet.
export function modeColor(code: string, stable: boolean): string {
  if (stable) return 'rgb(20,20,20)';
  if (code === 'A') return 'rgb(250,220,40)';
  if (code.startsWith('B-') || code === '2B-') return 'rgb(70,130,230)';
  if (code === 'B+' || code === 'EC' || code === '2B+' || code === 'e+' || code.startsWith('B+')) return 'rgb(230,80,80)';
  if (code === 'SF') return 'rgb(60,180,90)';
  if (code === 'p' || code === '2p') return 'rgb(245,150,50)';
  if (code === 'n' || code === '2n') return 'rgb(160,90,200)';
  if (code === 'IT') return 'rgb(250,250,250)';
  return 'rgb(170,170,170)';
}

// A half-life on a logarithmic scale from 1 ns (violet) through blue, green and yellow to 10^17 s
// (red); black for stable.
export function halfLifeColor(seconds: number): string {
  if (!(seconds > 0)) return 'rgb(20,20,20)';
  const t = Math.min(Math.max((Math.log10(seconds) + 9) / 26, 0), 1);
  return hsv(0.78 * (1 - t), 0.75, 0.95);
}

function hsv(h: number, s: number, v: number): string {
  const sector = (h * 6) % 6;
  const i = Math.floor(sector);
  const f = sector - i;
  const p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  const [r, g, b] = [[v, t, p], [q, v, p], [p, v, t], [p, q, v], [t, p, v], [v, p, q]][i];
  return `rgb(${Math.round(r * 255)},${Math.round(g * 255)},${Math.round(b * 255)})`;
}

export const legendModes = ['A', 'B-', 'B+', 'SF', 'p', 'n', 'IT'];
export const modeSymbols: Record<string, string> = { A: '\u03B1', 'B-': '\u03B2\u207B', 'B+': '\u03B2\u207A/EC', SF: 'SF', p: 'p', n: 'n', IT: 'IT' };

function darkColour(colour: string): boolean {
  const [r, g, b] = colour.match(/\d+/g)!.map(Number);
  return (Math.max(r, g, b) + Math.min(r, g, b)) / 2 < 110;
}

export class NuclideMap {
  readonly canvas: HTMLCanvasElement;
  view: View = { cell: 6, left: -1, top: 120 };
  colouring = Colouring.MainMode;
  selected = -1;
  chain: LabChain | null = null;
  lit: number[] = []; // the share of the chain's atoms each member holds as a run plays, 0 to 1
  onChosen: (position: number) => void = () => {};
  onChange: () => void = () => {};
  private sized = false;
  private pressed: { x: number; y: number; lastX: number; lastY: number; dragged: boolean } | null = null;
  private readonly observer: ResizeObserver;

  constructor(readonly grid: Grid, private readonly elementSymbols: string[], private readonly position: (symbol: string) => number, kept?: View) {
    if (kept) { this.view = kept; this.sized = true; }
    this.canvas = document.createElement('canvas');
    this.canvas.id = 'picChart';
    this.canvas.tabIndex = 0;
    this.canvas.setAttribute('role', 'img');
    this.canvas.className = 'nuclide-map';
    this.canvas.addEventListener('pointerdown', (e) => this.press(e));
    this.canvas.addEventListener('pointermove', (e) => this.move(e));
    this.canvas.addEventListener('pointerup', (e) => this.release(e));
    this.canvas.addEventListener('wheel', (e) => { e.preventDefault(); this.setView(zoomed(this.view, 1.2 ** (-e.deltaY / 100), e.offsetX, e.offsetY)); }, { passive: false });
    this.canvas.addEventListener('keydown', (e) => this.key(e));
    this.observer = new ResizeObserver(() => this.resize());
    this.observer.observe(this.canvas);
  }

  get width(): number { return this.canvas.clientWidth; }
  get height(): number { return this.canvas.clientHeight; }

  setView(view: View): void {
    this.view = view;
    this.paint();
    this.onChange();
  }

  showWhole(): void {
    this.setView(whole(this.grid, this.width, this.height));
  }

  select(position: number): void {
    this.selected = position;
    if (position >= 0) this.keepInView(position);
    this.paint();
    this.onChange();
  }

  private resize(): void {
    if (this.width === 0) return;
    if (!this.sized) {
      this.sized = true;
      this.view = whole(this.grid, this.width, this.height);
      if (this.selected >= 0) this.keepInView(this.selected);
      this.onChange();
    }
    this.paint();
  }

  private keepInView(position: number): void {
    const t = this.grid.table;
    const r = cellRect(t.n[position], t.z[position], this.view);
    if (r.x >= 0 && r.y >= 0 && r.x + r.size <= this.width && r.y + r.size <= this.height) return;
    this.view = { ...this.view, left: t.n[position] - this.width / this.view.cell / 2, top: t.z[position] + this.height / this.view.cell / 2 };
  }

  private press(e: PointerEvent): void {
    this.canvas.setPointerCapture(e.pointerId);
    this.pressed = { x: e.offsetX, y: e.offsetY, lastX: e.offsetX, lastY: e.offsetY, dragged: false };
  }

  private move(e: PointerEvent): void {
    const p = this.pressed;
    if (!p) return;
    const dx = e.offsetX - p.lastX, dy = e.offsetY - p.lastY;
    p.lastX = e.offsetX;
    p.lastY = e.offsetY;
    p.dragged = p.dragged || Math.hypot(e.offsetX - p.x, e.offsetY - p.y) > 4;
    if (p.dragged) this.setView({ ...this.view, left: this.view.left - dx / this.view.cell, top: this.view.top + dy / this.view.cell });
  }

  private release(e: PointerEvent): void {
    const p = this.pressed;
    this.pressed = null;
    if (!p || p.dragged || e.button !== 0) return;
    const [n, z] = cellAt(e.offsetX, e.offsetY, this.view);
    const at = this.grid.at(n, z);
    if (at >= 0) {
      this.select(at);
      this.onChosen(at);
    }
  }

  // Skips the holes of the chart, as far as its edge.
  private moveSelection(dn: number, dz: number): void {
    const t = this.grid.table;
    let n = this.selected >= 0 ? t.n[this.selected] : 0;
    let z = this.selected >= 0 ? t.z[this.selected] : 0;
    for (let step = 0; step <= Math.max(this.grid.maxN, this.grid.maxZ); ++step) {
      n += dn;
      z += dz;
      const at = this.grid.at(n, z);
      if (at >= 0) { this.select(at); return; }
    }
  }

  // A zoom by buttons, for touch screens that have no wheel and no keys.
  zoomBy(factor: number): void {
    const [x, y] = this.zoomCentre();
    this.setView(zoomed(this.view, factor, x, y));
  }

  private key(e: KeyboardEvent): void {
    const pan = e.ctrlKey;
    const v = this.view;
    const [x, y] = this.zoomCentre();
    const actions: Record<string, () => void> = {
      '+': () => this.setView(zoomed(v, 1.25, x, y)),
      '=': () => this.setView(zoomed(v, 1.25, x, y)),
      '-': () => this.setView(zoomed(v, 0.8, x, y)),
      Home: () => this.showWhole(),
      ArrowLeft: () => (pan ? this.setView({ ...v, left: v.left - 4 }) : this.moveSelection(-1, 0)),
      ArrowRight: () => (pan ? this.setView({ ...v, left: v.left + 4 }) : this.moveSelection(1, 0)),
      ArrowUp: () => (pan ? this.setView({ ...v, top: v.top + 4 }) : this.moveSelection(0, 1)),
      ArrowDown: () => (pan ? this.setView({ ...v, top: v.top - 4 }) : this.moveSelection(0, -1)),
      Enter: () => { if (this.selected >= 0) this.onChosen(this.selected); },
    };
    const action = actions[e.key];
    if (!action) return;
    e.preventDefault();
    action();
  }

  // Keys zoom about the chosen cell, so that it stays where the eye is; else about the middle.
  private zoomCentre(): [number, number] {
    if (this.selected >= 0) {
      const t = this.grid.table;
      const r = cellRect(t.n[this.selected], t.z[this.selected], this.view);
      const x = r.x + r.size / 2, y = r.y + r.size / 2;
      if (x >= 0 && y >= 0 && x <= this.width && y <= this.height) return [x, y];
    }
    return [this.width / 2, this.height / 2];
  }

  // The N and Z shown: the cells at least partly inside the canvas.
  shownRange(): { firstN: number; lastN: number; firstZ: number; lastZ: number } {
    const v = this.view;
    return {
      firstN: Math.max(0, Math.floor(v.left)),
      lastN: Math.min(this.grid.maxN, Math.ceil(v.left + this.width / v.cell)),
      lastZ: Math.min(this.grid.maxZ, Math.ceil(v.top)),
      firstZ: Math.max(0, Math.floor(v.top - this.height / v.cell)),
    };
  }

  cellColour(position: number): string {
    const t = this.grid.table;
    return this.colouring === Colouring.MainMode ? modeColor(t.mainMode[position], !(t.halfLife[position] > 0)) : halfLifeColor(t.halfLife[position]);
  }

  paint(): void {
    const ratio = window.devicePixelRatio || 1;
    const width = this.width, height = this.height;
    if (width === 0 || height === 0) return;
    this.canvas.width = Math.round(width * ratio);
    this.canvas.height = Math.round(height * ratio);
    const g = this.canvas.getContext('2d');
    if (!g) return;
    g.setTransform(ratio, 0, 0, ratio, 0, 0);
    g.fillStyle = 'rgb(250,250,246)';
    g.fillRect(0, 0, width, height);
    this.paintCells(g);
    this.paintMagicNumbers(g, width, height);
    this.paintChain(g);
    this.paintLegend(g, width, height);
  }

  // One pass over the visible cells only.
  private paintCells(g: CanvasRenderingContext2D): void {
    const { firstN, lastN, firstZ, lastZ } = this.shownRange();
    const cell = this.view.cell;
    const bordered = cell >= 5;
    const named = cell >= 26;
    g.font = `${Math.max(7, Math.floor(cell / 3.2))}px sans-serif`;
    g.textAlign = 'center';
    g.textBaseline = 'middle';
    for (let z = firstZ; z <= lastZ; ++z)
      for (let n = firstN; n <= lastN; ++n) {
        const at = this.grid.at(n, z);
        if (at < 0) continue;
        const r = cellRect(n, z, this.view);
        const colour = this.cellColour(at);
        g.fillStyle = colour;
        g.fillRect(r.x, r.y, r.size, r.size);
        if (bordered) { g.strokeStyle = '#fff'; g.lineWidth = 1; g.strokeRect(r.x + 0.5, r.y + 0.5, r.size - 1, r.size - 1); }
        if (named) {
          g.fillStyle = darkColour(colour) ? '#fff' : '#000';
          g.fillText(String(n + z), r.x + r.size / 2, r.y + r.size * 0.36);
          g.fillText(this.elementSymbols[z] ?? '', r.x + r.size / 2, r.y + r.size * 0.68);
        }
      }
    if (this.selected >= 0) {
      const t = this.grid.table;
      const r = cellRect(t.n[this.selected], t.z[this.selected], this.view);
      g.strokeStyle = '#000';
      g.lineWidth = Math.max(2, cell / 8);
      g.strokeRect(r.x - 1, r.y - 1, r.size + 2, r.size + 2);
    }
  }

  // The shell closures: a pair of dashed lines along each magic row of Z and column of N.
  private paintMagicNumbers(g: CanvasRenderingContext2D, width: number, height: number): void {
    g.strokeStyle = 'rgb(60,60,60)';
    g.lineWidth = 1;
    g.setLineDash([4, 3]);
    g.beginPath();
    for (const magic of magicNumbers) {
      const row = cellRect(0, magic, this.view);
      const column = cellRect(magic, 0, this.view);
      if (magic <= this.grid.maxZ)
        for (const y of [row.y, row.y + row.size]) { g.moveTo(0, y); g.lineTo(width, y); }
      for (const x of [column.x, column.x + column.size]) { g.moveTo(x, 0); g.lineTo(x, height); }
    }
    g.stroke();
    g.setLineDash([]);
  }

  // The chain's links as arrows from cell centre to cell centre, its members ringed.
  private paintChain(g: CanvasRenderingContext2D): void {
    if (!this.chain) return;
    const t = this.grid.table;
    const cell = this.view.cell;
    const centre = (member: number): [number, number] | null => {
      const at = this.position(this.chain!.members[member].symbol);
      if (at < 0) return null; // a custom member is not on the chart
      const r = cellRect(t.n[at], t.z[at], this.view);
      return [r.x + r.size / 2, r.y + r.size / 2];
    };
    const width = Math.min(Math.max(cell / 6, 1.5), 4);
    g.fillStyle = 'rgb(20,20,20)';
    g.strokeStyle = 'rgb(20,20,20)';
    for (const link of this.chain.links) {
      const from = centre(link.parent), to = centre(link.daughter);
      if (!from || !to || (from[0] === to[0] && from[1] === to[1])) continue; // an isomeric transition stays in its cell
      const length = Math.hypot(to[0] - from[0], to[1] - from[1]);
      const along = [(to[0] - from[0]) / length, (to[1] - from[1]) / length];
      const across = [-along[1], along[0]];
      const head = Math.max(4, cell / 3);
      const back = Math.max(3, cell * 0.45);
      const tip = [to[0] - along[0] * back, to[1] - along[1] * back];
      g.lineWidth = width * (0.5 + 0.5 * Math.sqrt(link.fraction));
      g.beginPath();
      g.moveTo(from[0], from[1]);
      g.lineTo(tip[0], tip[1]);
      g.stroke();
      g.beginPath();
      g.moveTo(tip[0], tip[1]);
      g.lineTo(tip[0] - along[0] * head + across[0] * head * 0.45, tip[1] - along[1] * head + across[1] * head * 0.45);
      g.lineTo(tip[0] - along[0] * head - across[0] * head * 0.45, tip[1] - along[1] * head - across[1] * head * 0.45);
      g.closePath();
      g.fill();
    }
    g.lineWidth = 1.5;
    this.chain.members.forEach((_, member) => {
      const at = centre(member);
      if (!at) return;
      // Brighter and larger the more of the atoms the member holds.
      const lit = Math.min(Math.max(this.lit[member] ?? 0, 0), 1);
      g.fillStyle = `rgba(255,255,255,${(60 + 195 * lit) / 255})`;
      g.beginPath();
      g.arc(at[0], at[1], Math.max(3, cell * 0.45) * (0.5 + 0.5 * Math.sqrt(lit)), 0, 2 * Math.PI);
      g.fill();
      g.stroke();
    });
  }

  private paintLegend(g: CanvasRenderingContext2D, width: number, height: number): void {
    const names: string[] = [];
    const colours: string[] = [];
    if (this.colouring === Colouring.MainMode) {
      names.push(tr('NuclideMap', 'stable'));
      colours.push(modeColor('', true));
      for (const code of legendModes) { names.push(modeSymbols[code]); colours.push(modeColor(code, false)); }
    } else {
      for (const decade of [-9, -6, -3, 0, 3, 6, 9, 12, 15]) { names.push(`10^${decade} s`); colours.push(halfLifeColor(10 ** decade)); }
    }
    g.font = '12px sans-serif';
    g.textAlign = 'left';
    g.textBaseline = 'alphabetic';
    const line = 16;
    const box = { x: width - 110, y: height - line * names.length - 12, w: 100, h: line * names.length + 4 };
    g.fillStyle = 'rgba(255,255,255,0.86)';
    g.fillRect(box.x, box.y, box.w, box.h);
    g.strokeStyle = 'rgb(120,120,120)';
    g.lineWidth = 1;
    g.strokeRect(box.x, box.y, box.w, box.h);
    names.forEach((name, i) => {
      const y = box.y + 4 + i * line;
      g.fillStyle = colours[i];
      g.fillRect(box.x + 6, y, 14, line - 4);
      g.strokeRect(box.x + 6, y, 14, line - 4);
      g.fillStyle = '#000';
      g.fillText(name, box.x + 26, y + line - 6);
    });
  }
}
