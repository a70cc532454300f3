// The chart of nuclides on a canvas: every ground state of the table on Z against N, coloured by
// its main decay mode or its half-life, with N numbered under it and Z beside it; zoomed by the
// wheel or + and -, panned by dragging or Ctrl and the arrows; the arrows move the chosen cell, a
// click or Enter takes it into the lab. The lab's chain is drawn as arrows between its members,
// each ringed in its colour of the lab's curves. Where cells and numbers go is the model's.
import { tr } from '../core/i18n';
import { model } from '../core/model';
import { labModel, type LabChain } from './labModel';

export enum Colouring { MainMode, HalfLife }

// What part of the (N, Z) plane the chart's area shows: `cell` pixels per nucleon number, the N
// and Z at its top left corner.
export interface MapView { cell: number; left: number; top: number }
export interface MapRect { x: number; y: number; size: number }
export interface MapCell { n: number; z: number }
export interface MapRange { firstN: number; lastN: number; firstZ: number; lastZ: number }
// A number of an axis, its label's middle `at` pixels along the axis.
export interface MapTick { value: number; at: number; magic: boolean }
// A view with the size of the area it was made for.
export interface KeptView { view: MapView; width: number; height: number }

export interface MapModel {
  mapCellRect(n: number, z: number, view: MapView): MapRect;
  mapCellAt(x: number, y: number, view: MapView): MapCell;
  mapZoomed(view: MapView, factor: number, x: number, y: number): MapView;
  mapCentredOn(view: MapView, n: number, z: number, width: number, height: number): MapView;
  mapDefaultView(n: number, z: number, width: number, height: number): MapView;
  mapWhole(maxN: number, maxZ: number, width: number, height: number): MapView;
  mapResized(view: MapView, oldWidth: number, oldHeight: number, width: number, height: number): MapView;
  mapShownRange(view: MapView, width: number, height: number, maxN: number, maxZ: number): MapRange;
  mapNTicks(view: MapView, length: number, maxN: number, labelSpace: number): MapTick[];
  mapZTicks(view: MapView, length: number, maxZ: number, labelSpace: number): MapTick[];
  mapMagicNumbers(): number[];
}

const geometry = () => model<MapModel>();

// The axes' numbers, the magic ones in bold and red like their lines.
const axisPixels = 11;
const axisColour = 'rgb(60,60,60)';
const magicColour = 'rgb(160,30,30)';
const axisFont = (magic: boolean) => `${magic ? 'bold ' : ''}${axisPixels}px sans-serif`;

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

// Where the chart's area lies on the canvas: the Z numbers take the widest one's width on the
// left, the N numbers a line at the bottom, and a line at the top holds the Z axis's name.
interface Area { x: number; y: number; width: number; height: number }

export class NuclideMap {
  readonly canvas: HTMLCanvasElement;
  view: MapView;
  colouring = Colouring.MainMode;
  selected = -1;
  chain: LabChain | null = null;
  lit: number[] = []; // the share of the chain's atoms each member holds as a run plays, 0 to 1
  onChosen: (position: number) => void = () => {};
  onChange: () => void = () => {};
  private areaSize: { width: number; height: number } | null = null; // of the area `view` was made for
  private pendingCentre = false;
  private pressed: { x: number; y: number; lastX: number; lastY: number; dragged: boolean } | null = null;
  private readonly observer: ResizeObserver;
  private readonly labelWidth: number;

  constructor(readonly grid: Grid, private readonly elementSymbols: string[], private readonly position: (symbol: string) => number,
    private readonly kept?: KeptView) {
    this.view = kept?.view ?? geometry().mapDefaultView(0, 0, 0, 0);
    this.canvas = document.createElement('canvas');
    this.canvas.id = 'picChart';
    this.canvas.tabIndex = 0;
    this.canvas.setAttribute('role', 'img');
    this.canvas.className = 'nuclide-map';
    const g = this.canvas.getContext('2d');
    if (g) g.font = axisFont(true);
    this.labelWidth = g ? g.measureText('888').width : 3 * axisPixels;
    this.canvas.addEventListener('pointerdown', (e) => this.press(e));
    this.canvas.addEventListener('pointermove', (e) => this.move(e));
    this.canvas.addEventListener('pointerup', (e) => this.release(e));
    this.canvas.addEventListener('wheel', (e) => {
      e.preventDefault();
      const a = this.area();
      this.setView(geometry().mapZoomed(this.view, 1.2 ** (-e.deltaY / 100), e.offsetX - a.x, e.offsetY - a.y));
    }, { passive: false });
    this.canvas.addEventListener('keydown', (e) => this.key(e));
    this.observer = new ResizeObserver(() => this.resize());
    this.observer.observe(this.canvas);
  }

  get width(): number { return this.canvas.clientWidth; }
  get height(): number { return this.canvas.clientHeight; }

  area(): Area {
    const x = this.labelWidth + 10, band = Math.ceil(axisPixels * 1.3) + 6;
    return { x, y: band, width: Math.max(0, this.width - x), height: Math.max(0, this.height - 2 * band) };
  }

  // The view and the size of the area it is for, to open the chart on again.
  keptView(): KeptView | undefined {
    return this.areaSize ? { view: this.view, ...this.areaSize } : this.kept;
  }

  setView(view: MapView): void {
    this.view = view;
    this.paint();
    this.onChange();
  }

  showWhole(): void {
    const a = this.area();
    this.setView(geometry().mapWhole(this.grid.maxN, this.grid.maxZ, a.width, a.height));
  }

  // The nuclide chosen, put in the middle of the chart at the zoom the user chose.
  select(position: number): void {
    this.selected = position;
    if (position >= 0) this.centreOn(position);
    this.paint();
    this.onChange();
  }

  // Once the canvas has its size, the chart moves to the chosen nuclide.
  centreOnSelected(): void {
    this.pendingCentre = true;
    if (this.areaSize) this.resize();
  }

  private centreOn(position: number): void {
    const t = this.grid.table;
    const a = this.area();
    this.view = geometry().mapCentredOn(this.view, t.n[position], t.z[position], a.width, a.height);
  }

  // The same cells, the same N and Z in the middle whatever the canvas's size; the first time,
  // the chart opens on the chosen nuclide, or on its middle.
  private resize(): void {
    const a = this.area();
    if (a.width === 0 || a.height === 0) return;
    const t = this.grid.table;
    if (this.areaSize) {
      this.view = geometry().mapResized(this.view, this.areaSize.width, this.areaSize.height, a.width, a.height);
    } else if (this.kept) {
      this.view = geometry().mapResized(this.kept.view, this.kept.width, this.kept.height, a.width, a.height);
    } else {
      const [n, z] = this.selected >= 0 ? [t.n[this.selected], t.z[this.selected]] : [Math.floor(this.grid.maxN / 2), Math.floor(this.grid.maxZ / 2)];
      this.view = geometry().mapDefaultView(n, z, a.width, a.height);
    }
    this.areaSize = { width: a.width, height: a.height };
    if (this.pendingCentre && this.selected >= 0) this.centreOn(this.selected);
    this.pendingCentre = false;
    this.onChange();
    this.paint();
  }

  // The arrows keep the chosen cell in sight without moving the chart at every step.
  private keepInView(position: number): void {
    const t = this.grid.table;
    const a = this.area();
    const r = geometry().mapCellRect(t.n[position], t.z[position], this.view);
    if (r.x >= 0 && r.y >= 0 && r.x + r.size <= a.width && r.y + r.size <= a.height) return;
    this.centreOn(position);
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

  // A cell clicked is chosen where it is: it is in sight.
  private release(e: PointerEvent): void {
    const p = this.pressed;
    this.pressed = null;
    if (!p || p.dragged || e.button !== 0) return;
    const a = this.area();
    const x = e.offsetX - a.x, y = e.offsetY - a.y;
    if (x < 0 || y < 0 || x > a.width || y > a.height) return;
    const cell = geometry().mapCellAt(x, y, this.view);
    const at = this.grid.at(cell.n, cell.z);
    if (at >= 0) {
      this.selected = at;
      this.paint();
      this.onChange();
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
      if (at >= 0) {
        this.selected = at;
        this.keepInView(at);
        this.paint();
        this.onChange();
        return;
      }
    }
  }

  // A zoom by buttons, for touch screens that have no wheel and no keys.
  zoomBy(factor: number): void {
    const [x, y] = this.zoomCentre();
    this.setView(geometry().mapZoomed(this.view, factor, x, y));
  }

  private key(e: KeyboardEvent): void {
    const pan = e.ctrlKey;
    const v = this.view;
    const [x, y] = this.zoomCentre();
    const zoom = (factor: number) => this.setView(geometry().mapZoomed(v, factor, x, y));
    const actions: Record<string, () => void> = {
      '+': () => zoom(1.25),
      '=': () => zoom(1.25),
      '-': () => zoom(0.8),
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
    const a = this.area();
    if (this.selected >= 0) {
      const t = this.grid.table;
      const r = geometry().mapCellRect(t.n[this.selected], t.z[this.selected], this.view);
      const x = r.x + r.size / 2, y = r.y + r.size / 2;
      if (x >= 0 && y >= 0 && x <= a.width && y <= a.height) return [x, y];
    }
    return [a.width / 2, a.height / 2];
  }

  // The N and Z shown: the cells at least partly inside the chart's area.
  shownRange(): MapRange {
    const a = this.area();
    return geometry().mapShownRange(this.view, a.width, a.height, this.grid.maxN, this.grid.maxZ);
  }

  cellColour(position: number): string {
    const t = this.grid.table;
    return this.colouring === Colouring.MainMode ? modeColor(t.mainMode[position], !(t.halfLife[position] > 0)) : halfLifeColor(t.halfLife[position]);
  }

  // The cells, the shells and the chain in the chart's area, clipped to it; the axes around it.
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
    const a = this.area();
    g.save();
    g.beginPath();
    g.rect(a.x, a.y, a.width, a.height);
    g.clip();
    g.translate(a.x, a.y);
    this.paintCells(g);
    this.paintMagicNumbers(g, a.width, a.height);
    this.paintChain(g);
    g.restore();
    this.paintAxes(g, a);
    this.paintLegend(g, a);
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
        const r = geometry().mapCellRect(n, z, this.view);
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
      const r = geometry().mapCellRect(t.n[this.selected], t.z[this.selected], this.view);
      g.strokeStyle = '#000';
      g.lineWidth = Math.max(2, cell / 8);
      g.strokeRect(r.x - 1, r.y - 1, r.size + 2, r.size + 2);
    }
  }

  // The shell closures: a pair of dashed lines along each magic row of Z and column of N.
  private paintMagicNumbers(g: CanvasRenderingContext2D, width: number, height: number): void {
    g.strokeStyle = magicColour;
    g.lineWidth = 1;
    g.setLineDash([4, 3]);
    g.beginPath();
    for (const magic of geometry().mapMagicNumbers()) {
      const row = geometry().mapCellRect(0, magic, this.view);
      const column = geometry().mapCellRect(magic, 0, this.view);
      if (magic <= this.grid.maxZ)
        for (const y of [row.y, row.y + row.size]) { g.moveTo(0, y); g.lineTo(width, y); }
      for (const x of [column.x, column.x + column.size]) { g.moveTo(x, 0); g.lineTo(x, height); }
    }
    g.stroke();
    g.setLineDash([]);
  }

  // The chain's links as arrows from cell centre to cell centre; each member ringed in its colour
  // and dash of the lab's curves, edged in black to stand out on any cell, brighter and larger the
  // more of the atoms it holds.
  private paintChain(g: CanvasRenderingContext2D): void {
    if (!this.chain) return;
    const t = this.grid.table;
    const cell = this.view.cell;
    const centre = (member: number): [number, number] | null => {
      const at = this.position(this.chain!.members[member].symbol);
      if (at < 0) return null; // a custom member is not on the chart
      const r = geometry().mapCellRect(t.n[at], t.z[at], this.view);
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
    const ring = Math.min(Math.max(cell / 8, 2), 5);
    this.chain.members.forEach((_, member) => {
      const at = centre(member);
      if (!at) return;
      const lit = Math.min(Math.max(this.lit[member] ?? 0, 0), 1);
      const radius = Math.max(4, cell * 0.4) * (0.6 + 0.4 * Math.sqrt(lit));
      const style = labModel().labMemberStyle(member);
      g.beginPath();
      g.arc(at[0], at[1], radius, 0, 2 * Math.PI);
      g.fillStyle = `rgba(255,255,255,${(60 + 195 * lit) / 255})`;
      g.fill();
      g.setLineDash([]);
      g.strokeStyle = 'rgb(20,20,20)';
      g.lineWidth = ring + 2;
      g.stroke();
      g.setLineDash([...style.dash].map((length) => length * ring));
      g.strokeStyle = style.color;
      g.lineWidth = ring;
      g.stroke();
    });
    g.setLineDash([]);
  }

  // N under the area and Z beside it at the model's ticks, the magic numbers in bold and red; the
  // axes' names in the corners.
  private paintAxes(g: CanvasRenderingContext2D, a: Area): void {
    const nSpace = this.labelWidth + 8, zSpace = axisPixels + 4;
    const bottom = a.y + a.height;
    g.lineWidth = 1;
    g.textBaseline = 'top';
    g.textAlign = 'center';
    for (const tick of geometry().mapNTicks(this.view, a.width, this.grid.maxN, nSpace)) {
      const x = a.x + tick.at;
      g.strokeStyle = axisColour;
      g.beginPath();
      g.moveTo(x, bottom);
      g.lineTo(x, bottom + 3);
      g.stroke();
      g.font = axisFont(tick.magic);
      g.fillStyle = tick.magic ? magicColour : axisColour;
      g.fillText(String(tick.value), x, bottom + 4);
    }
    g.textBaseline = 'middle';
    g.textAlign = 'right';
    for (const tick of geometry().mapZTicks(this.view, a.height, this.grid.maxZ, zSpace)) {
      const y = a.y + tick.at;
      g.strokeStyle = axisColour;
      g.beginPath();
      g.moveTo(a.x - 3, y);
      g.lineTo(a.x, y);
      g.stroke();
      g.font = axisFont(tick.magic);
      g.fillStyle = tick.magic ? magicColour : axisColour;
      g.fillText(String(tick.value), a.x - 5, y);
    }
    g.font = axisFont(true);
    g.fillStyle = axisColour;
    g.fillText('Z', a.x - 5, a.y / 2);
    g.textBaseline = 'top';
    g.fillText('N', a.x - 5, bottom + 4);
  }

  private paintLegend(g: CanvasRenderingContext2D, a: Area): void {
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
    const box = { x: a.x + a.width - 110, y: a.y + a.height - line * names.length - 12, w: 100, h: line * names.length + 4 };
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
