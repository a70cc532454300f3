// The chart of nuclides of the nuclide lab, with a searchable table of the same nuclides for
// keyboard and screen-reader users; a nuclide chosen there goes into the lab as the start of a chain.
import { announce, button, element, field, select } from '../core/dom';
import { modelText, tr } from '../core/i18n';
import { halfLifeShown, labModel, nuclideName, type LabNuclide } from './labModel';
import { labState as state, isCustom } from './labState';
import { Colouring, Grid, NuclideMap } from './NuclideMap';

const C = 'NuclideChart';

let grid: Grid | null = null;
let positions: Map<string, number> | null = null;

function table(): Grid {
  if (!grid) {
    grid = new Grid(labModel().labNuclides());
    positions = new Map(grid.table.symbol.map((s, i) => [s, i]));
  }
  return grid;
}

function position(symbol: string): number {
  table();
  return positions!.get(symbol) ?? -1;
}

// The symbol a typed text names, if the table has it: "U-238", "u238", "238U", "U 238",
// "uranium 238", "Uran 238" (the element's name in the user's language), "Tc-99m", "99mTc".
export function findNuclide(text: string): string | null {
  const after = /^\s*([^\d\s-]+)[\s-]*(\d{1,3})([a-z]?)\s*$/u.exec(text);
  const before = /^\s*(\d{1,3})([a-z]?)[\s-]*([^\d\s-]+)\s*$/u.exec(text);
  const [element, mass, isomer] = after ? [after[1], after[2], after[3]] : before ? [before[3], before[1], before[2]] : [null, '', ''];
  if (element === null) return null;
  const elements = labModel().labElements();
  const same = (a: string, b: string) => a.localeCompare(b, undefined, { sensitivity: 'accent' }) === 0;
  for (let z = 0; z < elements.symbols.length; ++z) {
    if (same(element, elements.symbols[z]) || same(element, elements.names[z]) || same(element, tr('Element', elements.names[z]))) {
      const found = labModel().labNuclideSymbol(z, Number(mass), isomer);
      if (labModel().labNuclide(found)) return found;
    }
  }
  return null;
}

function nuclideAt(at: number): LabNuclide {
  return labModel().labNuclide(table().table.symbol[at])!;
}

// What a screen reader reads for the chart: what is shown, what is chosen.
function description(map: NuclideMap, listed: number): string {
  // The table's tab hides the canvas: the range is that of the chart last shown.
  if (map.width > 0) state.mapRange = map.shownRange();
  const { firstN, lastN, firstZ, lastZ } = state.mapRange ?? map.shownRange();
  const t = table().table;
  let shown = 0, stable = 0;
  for (let i = 0; i < t.z.length; ++i)
    if (t.state[i] === 0 && t.n[i] >= firstN && t.n[i] <= lastN && t.z[i] >= firstZ && t.z[i] <= lastZ) {
      ++shown;
      if (!(t.halfLife[i] > 0)) ++stable;
    }
  let text = tr(C, 'The chart shows N %1 to %2 and Z %3 to %4, coloured by %5: %6 nuclides, %7 of them stable.',
    firstN, Math.max(firstN, lastN), firstZ, Math.max(firstZ, lastZ),
    state.colouring === Colouring.HalfLife ? tr(C, 'half-life') : tr(C, 'main decay mode'), shown, stable);
  if (map.selected >= 0) {
    const nuclide = nuclideAt(map.selected);
    text += ` ${tr(C, 'Chosen: %1, half-life %2%3.', nuclideName(nuclide), halfLifeShown(nuclide), nuclide.modes ? `, ${nuclide.modes}` : '')}`;
  }
  if (state.tab === 1) text += ` ${tr(C, 'The table lists %1 nuclides.', listed)}`;
  return text;
}

// The table's rows, those whose name holds the filter, ordered by Z and A.
function tableRows(onChoose: (at: number) => void): HTMLTableSectionElement {
  const t = table().table;
  const body = element('tbody', {});
  const filter = state.filter.trim().toLowerCase();
  const order = Array.from(t.symbol.keys()).sort((a, b) => t.z[a] - t.z[b] || t.n[a] - t.n[b] || t.state[a] - t.state[b]);
  for (const at of order) {
    const nuclide = nuclideAt(at);
    const name = nuclideName(nuclide);
    if (filter && !name.toLowerCase().includes(filter)) continue;
    const choose = element('button', { type: 'button', class: 'link' }, name);
    choose.addEventListener('click', () => onChoose(at));
    body.append(element('tr', {}, element('th', { scope: 'row' }, choose), element('td', {}, String(nuclide.z)),
      element('td', {}, String(nuclide.a - nuclide.z)), element('td', {}, halfLifeShown(nuclide)),
      element('td', {}, nuclide.spinParity), element('td', {}, nuclide.modes)));
  }
  return body;
}

// A run plays in about this many frames of 40 ms.
const playFrames = 100;
let player: number | undefined;

export function stopPlaying(): void {
  if (player !== undefined) window.clearInterval(player);
  player = undefined;
}

// The lab's last run, played from its first step to its last in about four seconds: every
// member lit with its share of the chain's atoms.
function play(map: NuclideMap): void {
  const series = labModel().labSeries();
  if (!series || !state.ran || series.atoms.length !== state.ran.chain.members.length) return;
  const steps = series.times.length - 1;
  let step = 0;
  player = window.setInterval(() => {
    const at = Math.min(step, steps);
    const all = series.atoms.reduce((sum, atoms) => sum + atoms[at], 0);
    map.lit = series.atoms.map((atoms) => (all > 0 ? atoms[at] / all : 0));
    map.paint();
    if (at >= steps) stopPlaying();
    step += Math.max(1, Math.floor(steps / playFrames));
  }, 40);
}

// The chart screen, drawn anew from the lab's state; `close` goes back to the lab, `choose`
// takes a radioactive nuclide's chain into it.
export function renderNuclideChart(root: HTMLElement, close: () => void, choose: (symbol: string) => void): void {
  stopPlaying();
  const elements = labModel().labElements();
  const map = new NuclideMap(table(), elements.symbols, position, state.mapView);
  map.colouring = state.colouring;
  map.selected = state.selected >= 0 ? state.selected : isCustom() ? -1 : position(state.starts[state.index]);
  // A chain chosen in the lab since the chart was last shown: the chart moves to its nuclide.
  if (state.selected < 0) map.centreOnSelected();
  map.chain = isCustom() ? null : state.ran?.chain ?? state.chain;
  const label = element('p', { id: 'lblDescription', class: 'message', 'aria-live': 'polite' });
  let listed = 0;
  const describe = () => {
    state.mapView = map.keptView();
    state.selected = map.selected;
    const text = state.chartMessage || description(map, listed);
    state.chartMessage = '';
    label.textContent = text;
    map.canvas.setAttribute('aria-label', `${tr(C, 'Chart of nuclides')}. ${text}`);
  };
  const chosen = (at: number) => {
    const nuclide = nuclideAt(at);
    if (nuclide.stable) {
      state.chartMessage = tr(C, '%1 is stable: it has no chain.', nuclideName(nuclide));
      describe();
      announce(label.textContent ?? '');
      return;
    }
    choose(nuclide.symbol);
  };
  map.onChange = describe;
  map.onChosen = chosen;

  const search = field('txtSearch', tr(C, 'Find nuclide:'), state.search, { placeholder: tr(C, 'U-238, 238U or uranium 238') });
  search.input.addEventListener('input', () => { state.search = search.input.value; });
  search.input.addEventListener('keydown', (e) => {
    if (e.key !== 'Enter') return;
    e.preventDefault();
    const found = findNuclide(search.input.value);
    if (!found) {
      state.chartMessage = tr(C, 'No nuclide of the table is called "%1".', search.input.value);
      describe();
      announce(label.textContent ?? '');
      return;
    }
    map.select(position(found));
    announce(label.textContent ?? '');
  });
  const colour = select('cboColour', tr(C, 'Colour by:'), [tr(C, 'Main decay mode'), tr(C, 'Half-life')].map((text, i) => ({ value: String(i), text })), String(state.colouring));
  colour.select.addEventListener('change', () => { state.colouring = Number(colour.select.value); map.colouring = state.colouring; map.paint(); describe(); });

  const rerender = (focus: string) => { renderNuclideChart(root, close, choose); document.getElementById(focus)?.focus(); };
  const tab = (id: string, caption: string, index: number) =>
    button(id, caption, () => { state.tab = index; rerender(id); }, { role: 'tab', 'aria-selected': String(state.tab === index), 'aria-controls': index === 0 ? 'pageChart' : 'pageTable' });
  const tabs = element('div', { id: 'tabViews', role: 'tablist', 'aria-label': tr(C, 'Chart or table') }, tab('tabChart', tr(C, 'Chart'), 0), tab('tabTable', tr(C, 'Table'), 1));
  let page: HTMLElement;
  if (state.tab === 0) {
    map.canvas.setAttribute('aria-describedby', 'lblKeys');
    const zoom = element('div', { class: 'buttons' },
      button('cmdZoomIn', '+', () => map.zoomBy(1.25), { 'aria-label': tr('Web', 'Zoom in'), title: tr('Web', 'Zoom in') }),
      button('cmdZoomOut', '\u2212', () => map.zoomBy(0.8), { 'aria-label': tr('Web', 'Zoom out'), title: tr('Web', 'Zoom out') }),
      button('cmdWhole', tr('Web', 'Whole chart'), () => map.showWhole()));
    page = element('div', { id: 'pageChart', role: 'tabpanel' }, zoom, map.canvas,
      element('p', { id: 'lblKeys', class: 'source' }, tr('Web', 'Arrows move the chosen nuclide, Ctrl and the arrows pan, + and - zoom, Home shows the whole chart, Enter takes the nuclide into the lab.')));
  } else {
    const filter = field('txtFilter', tr(C, 'Filter:'), state.filter);
    const body = tableRows(chosen);
    listed = body.rows.length;
    filter.input.addEventListener('input', () => {
      state.filter = filter.input.value;
      const rows = tableRows(chosen);
      listed = rows.rows.length;
      document.querySelector('#tblNuclides tbody')?.replaceWith(rows);
      describe();
    });
    const headers = [tr(C, 'Nuclide'), tr(C, 'Z'), tr(C, 'N'), tr(C, 'Half-life'), tr(C, 'Spin and parity'), tr(C, 'Decay modes')];
    page = element('div', { id: 'pageTable', role: 'tabpanel' }, filter.row, element('div', { class: 'table-scroll tall' },
      element('table', { id: 'tblNuclides', class: 'members', 'aria-label': tr(C, 'Nuclides') },
        element('thead', {}, element('tr', {}, ...headers.map((h) => element('th', { scope: 'col' }, h)))), body)));
  }
  const notes = state.notes.length && !isCustom() ? tr(C, 'Left out of the chain: %1', state.notes.map(modelText).join(' ')) : '';
  root.replaceChildren(element('section', { id: 'NuclideChart', 'aria-labelledby': 'chartHeading' },
    element('h1', { id: 'chartHeading' }, tr(C, 'Chart of nuclides')),
    element('div', { class: 'chart-top' }, search.row, colour.row), tabs, page, label,
    element('p', { id: 'lblNotes', class: 'message' }, notes),
    element('p', { id: 'lblSource', class: 'source' }, tr(C, 'Data: NUBASE2020, F.G. Kondev, M. Wang, W.J. Huang, S. Naimi and G. Audi, Chinese Physics C 45, 030001 (2021), under the CC BY 3.0 licence.')),
    element('div', { class: 'buttons' },
      button('cmdShowChain', tr(C, 'Show chain in the lab'), () => { if (map.selected >= 0) chosen(map.selected); }),
      button('cmdClose', tr(C, 'Close'), close))));
  describe();
  if (state.ran && !isCustom() && state.played !== state.runs && state.tab === 0) {
    state.played = state.runs;
    play(map);
  }
}
