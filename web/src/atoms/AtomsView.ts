// "Show the atoms...": the atoms of the shown part's random run, one cell each, coloured by state,
// with a time slider, play, pause and step, the run's chart beside with its time line, patches
// dragged on the square and a detector frame. The model makes every frame, patch and sentence; the
// page paints its pixels and passes the pointer on.
import { button, checkbox, element, field, showMessage } from '../core/dom';
import { decimalPoint, modelText, tr } from '../core/i18n';
import { PlotChart, drawnChart, namesLegend } from '../core/PlotChart';
import { randomSeed } from '../core/seed';
import { mainWindowEntries } from '../run/RunPage';
import { atomsModel, type AtomsOpened } from './atomsModel';

const W = 'Web';

interface View {
  dialog: HTMLDialogElement;
  canvas: HTMLCanvasElement;
  chart: PlotChart;
  chartHost: HTMLElement;
  slider: HTMLInputElement;
  stepField: HTMLInputElement;
  text: HTMLElement;
  efficiency: HTMLElement;
  play: HTMLButtonElement;
  detector: HTMLInputElement;
  outline: HTMLInputElement;
  patch: () => number;
  // What the user drew, in fractions of the square's sides (a resize keeps it in place), drawn over
  // the atoms: the patches and the detector.
  drawn: { patches: ({ x: number; y: number }[] | null)[]; detector: { x: number; y: number }[] | null };
  steps: number;
  atoms: number;
  timer: number | null;
}
let view: View | null = null;

function opened(part: string, run: number): AtomsOpened | null {
  const m = atomsModel();
  const seed = randomSeed();
  if (part === 'run') {
    const e = mainWindowEntries();
    return m.openRunAtoms({ atoms: e.atoms, rate: e.rate, lastStep: e.lastStep, decimalPoint: decimalPoint() }, seed);
  }
  if (part === 'experiment') return m.openExperimentAtoms(run - 1, seed);
  if (part === 'nuclides') return m.openLabAtoms(seed);
  return null;
}

export function cmdShowAtoms_Click(): void {
  const part = location.hash.replace('#', '') || 'run';
  const result = opened(part, 1);
  if (!result) {
    void showMessage(tr(W, 'The atoms'), tr(W, 'The atoms are shown for random runs: make one in the decay run, the class experiment or the nuclide lab.'));
    return;
  }
  if (result.refusal) {
    void showMessage(tr(W, 'The atoms'), modelText(result.refusal));
    return;
  }
  showView(part, result);
}

// Low enough that the chart, the sentence and the controls stand beside the square, on a laptop's
// screen as on a projector's.
const atomsChartShape = {
  ratio: 0.5, least: 220, fromZero: true,
  get most() { return Math.max(220, Math.min(380, Math.round(window.innerHeight * 0.33))); },
};

function showView(part: string, result: AtomsOpened): void {
  closeView();
  const canvas = element('canvas', { id: 'cnvAtoms', tabindex: 0, role: 'img', 'aria-label': tr(W, 'The atoms, coloured by state') });
  const chartHost = element('div', { id: 'chartAtoms', class: 'chart' });
  const slider = element('input', { id: 'sldAtomsTime', type: 'range', min: 0, max: result.steps, value: 0, 'aria-label': tr(W, 'Time step') });
  const stepField = field('txtAtomsStep', tr(W, 'Go to step:'), '0', { inputmode: 'numeric' });
  const play = button('cmdAtomsPlay', tr(W, 'Play'), () => togglePlay());
  const back = button('cmdAtomsBack', tr(W, 'Step back'), () => go(current() - 1));
  const next = button('cmdAtomsStep', tr(W, 'Step'), () => go(current() + 1));
  const patchA = element('input', { id: 'optAtomsPatch1', type: 'radio', name: 'atomsPatch', checked: true });
  const patchB = element('input', { id: 'optAtomsPatch2', type: 'radio', name: 'atomsPatch' });
  const detector = checkbox('chkAtomsDetector', tr(W, 'Drag a detector frame'), false);
  const outline = checkbox('chkAtomsOutline', tr(W, 'Draw round the patch'), false);
  const clear = button('cmdAtomsClear', tr(W, 'Clear patches and detector'), () => {
    const m = atomsModel();
    m.clearAtomsPatch(0);
    m.clearAtomsPatch(1);
    m.clearAtomsDetector();
    v.drawn = { patches: [null, null], detector: null };
    v.efficiency.textContent = '';
    refresh();
  });
  const text = element('p', { id: 'lblAtomsText', 'aria-live': 'polite', class: 'result' });
  const efficiency = element('p', { id: 'lblAtomsEfficiency', class: 'result' });
  const runChoice = part === 'experiment' ? field('txtAtomsRun', tr(W, 'Run of the class:'), '1', { inputmode: 'numeric' }) : null;
  const legend = element('ul', { id: 'lstAtomsLegend', class: 'atoms-legend' });
  for (const entry of atomsModel().atomsLegend())
    legend.append(element('li', {}, element('span', { class: 'swatch', style: `background:${entry.color}` }), modelText(entry.name)));
  const dialog = element('dialog', { id: 'dlgAtoms', class: 'lesson-dialog wide atoms-dialog', 'aria-labelledby': 'atomsTitle' },
    element('h2', { id: 'atomsTitle' }, tr(W, 'The atoms')),
    element('div', { class: 'atoms-body' },
      element('div', { class: 'atoms-square' }, canvas, legend),
      // Beside the square on a wide screen, so that the whole view fits a projector's height.
      element('div', { class: 'atoms-side' }, chartHost, element('ul', { id: 'lstAtomsCurves' }), text, efficiency,
        element('div', { class: 'buttons' }, back, play, next, slider, stepField.row),
        element('p', { class: 'hint' }, tr(W, 'Drag on the square to choose a patch of atoms; the chart then shows its own curve with the band chance gives a patch of its size.')),
        element('div', { class: 'buttons' },
          element('span', {}, patchA, element('label', { for: 'optAtomsPatch1' }, tr('AtomsWindow', 'Patch 1'))),
          element('span', {}, patchB, element('label', { for: 'optAtomsPatch2' }, tr('AtomsWindow', 'Patch 2'))),
          outline.row, detector.row, runChoice?.row ?? null),
        element('div', { class: 'buttons' }, clear, button('cmdAtomsClose', tr(W, 'Close'), () => closeView())))));
  dialog.addEventListener('cancel', (e) => { e.preventDefault(); closeView(); });
  document.body.append(dialog);
  const v: View = { dialog, canvas, chart: new PlotChart(chartHost, atomsChartShape), chartHost, slider, stepField: stepField.input, text, efficiency, play,
    detector: detector.input, outline: outline.input, patch: () => (patchB.checked ? 1 : 0), drawn: { patches: [null, null], detector: null },
    steps: result.steps, atoms: result.atoms, timer: null };
  view = v;

  slider.addEventListener('input', () => go(Number(slider.value)));
  stepField.input.addEventListener('keydown', (e) => { if (e.key === 'Enter') go(Number(stepField.input.value.trim())); });
  // The arrow keys step through time from the square, as the slider's own do.
  canvas.addEventListener('keydown', (e) => {
    if (e.key === 'ArrowRight' || e.key === 'ArrowUp') go(current() + 1);
    else if (e.key === 'ArrowLeft' || e.key === 'ArrowDown') go(current() - 1);
    else if (e.key === 'Home') go(0);
    else if (e.key === 'End') go(v.steps);
    else return;
    e.preventDefault();
  });
  runChoice?.input.addEventListener('keydown', (e) => {
    if (e.key !== 'Enter') return;
    const again = opened(part, Number(runChoice.input.value.trim()));
    if (again?.refusal) void showMessage(tr(W, 'The atoms'), modelText(again.refusal));
    else if (again) { v.steps = again.steps; slider.max = String(again.steps); go(0); }
  });
  dragOnSquare(v);
  chartHost.addEventListener('click', (e) => {
    const u = drawnChart(chartHost)?.u;
    if (!u) return;
    const box = u.over.getBoundingClientRect();
    if (e.clientX < box.left || e.clientX > box.right) return;
    go(atomsModel().atomsStepAt(u.posToVal(e.clientX - box.left, 'x')));
  });
  window.addEventListener('resize', paint);
  dialog.showModal();
  go(0);
  canvas.focus();
}

function current(): number {
  return view ? Number(view.slider.value) : 0;
}

// To `step` with no replay: the model keeps every atom's moves.
function go(step: number): void {
  if (!view) return;
  const at = atomsModel().setAtomsStep(Number.isFinite(step) ? Math.round(step) : 0);
  view.slider.value = String(at);
  view.stepField.value = String(at);
  refresh();
}

function refresh(): void {
  if (!view) return;
  paint();
  const plot = atomsModel().atomsPlot();
  view.chart.draw(plot);
  document.getElementById('lstAtomsCurves')?.replaceWith(namesLegend(plot, 'lstAtomsCurves'));
  view.text.textContent = modelText(atomsModel().atomsText());
}

// The square as large as the room beside the chart allows; one pixel an atom at the most atoms.
// The room the square is shown in: beside the chart on a wide screen, the whole width on a phone,
// where the chart goes below.
function shownSide(v: View): number {
  const share = v.dialog.clientWidth < 700 ? 0.9 : 0.45;
  return Math.max(0, Math.min(Math.floor(v.dialog.clientWidth * share), Math.floor(window.innerHeight * 0.6), 1000));
}

// The square's pixels: never fewer than atoms a side (a thousand at a million), so that every
// atom keeps a pixel of its own, however small the page shows the picture.
function room(v: View): { width: number; height: number } {
  const side = Math.max(shownSide(v), Math.min(Math.ceil(Math.sqrt(v.atoms)), 1000));
  return { width: side, height: side };
}

function paint(): void {
  if (!view) return;
  const m = atomsModel();
  const { width, height } = room(view);
  const layout = m.atomsLayout(width, height);
  const canvas = view.canvas;
  // Shown at the room's size, whatever the pixels behind it.
  canvas.style.width = `${Math.max(1, Math.min(layout.width, shownSide(view)))}px`;
  canvas.width = Math.max(1, layout.width);
  canvas.height = Math.max(1, layout.height);
  canvas.dataset.cell = String(layout.cell);
  if (layout.cell === 0) return; // too small a room: an empty square
  const bytes = m.atomsFrame(width, height);
  const image = new ImageData(new Uint8ClampedArray(bytes), layout.width, layout.height);
  const context = canvas.getContext('2d')!;
  context.putImageData(image, 0, 0);
  // The patches in the colours of their curves over a white edge, the detector dashed in black, as
  // the desktop draws them; widths in the square's pixels, whatever its scale on the page.
  const scale = canvas.width / Math.max(1, canvas.clientWidth || canvas.width);
  const stroke = (corners: { x: number; y: number }[] | null, color: string, dash: number[]) => {
    if (!corners || corners.length < 2) return;
    context.beginPath();
    const x = (c: { x: number }) => c.x * canvas.width, y = (c: { y: number }) => c.y * canvas.height;
    corners.forEach((c, i) => (i ? context.lineTo(x(c), y(c)) : context.moveTo(x(c), y(c))));
    context.closePath();
    context.setLineDash([]);
    context.lineWidth = 4 * scale;
    context.strokeStyle = '#fff';
    context.stroke();
    context.setLineDash(dash.map((d) => d * scale));
    context.lineWidth = 2 * scale;
    context.strokeStyle = color;
    context.stroke();
  };
  view.drawn.patches.forEach((corners, i) => stroke(corners, atomsModel().atomsPatchColor(i), []));
  stroke(view.drawn.detector, '#000', [6, 4]);
  context.setLineDash([]);
}

// A drag on the square chooses the patch, as a rectangle or, with "Draw round the patch" ticked,
// the outline drawn; with the detector ticked, the detector's frame.
function dragOnSquare(v: View): void {
  let start: { x: number; y: number } | null = null;
  let path: { x: number; y: number }[] = [];
  const at = (e: PointerEvent) => {
    const box = v.canvas.getBoundingClientRect();
    return { x: (e.clientX - box.left) * (v.canvas.width / Math.max(1, box.width)), y: (e.clientY - box.top) * (v.canvas.height / Math.max(1, box.height)) };
  };
  v.canvas.addEventListener('pointerdown', (e) => { start = at(e); path = [start]; v.canvas.setPointerCapture(e.pointerId); });
  v.canvas.addEventListener('pointermove', (e) => { if (start) path.push(at(e)); });
  v.canvas.addEventListener('pointerup', (e) => {
    if (!start) return;
    const end = at(e);
    const { width, height } = room(v);
    const m = atomsModel();
    const fraction = (c: { x: number; y: number }) => ({ x: c.x / Math.max(1, v.canvas.width), y: c.y / Math.max(1, v.canvas.height) });
    // A rectangle is outlined round the cells it takes, not where the pointer went.
    const cells = m.atomsCells(start.x, start.y, end.x, end.y, width, height);
    const box = cells && [{ x: cells.left, y: cells.top }, { x: cells.right, y: cells.top }, { x: cells.right, y: cells.bottom }, { x: cells.left, y: cells.bottom }].map(fraction);
    if (v.detector.checked) {
      const efficiency = m.setAtomsDetector(start.x, start.y, end.x, end.y, width, height);
      v.drawn.detector = box;
      v.efficiency.textContent = tr(W, 'Detector efficiency: %1 %', (100 * efficiency).toFixed(1).replace('.', decimalPoint()));
    } else if (v.outline.checked && path.length > 2) {
      path.push(end);
      m.setAtomsPatchOutline(v.patch(), path.map((c) => c.x), path.map((c) => c.y), width, height);
      v.drawn.patches[v.patch()] = path.map(fraction);
    } else {
      m.setAtomsPatch(v.patch(), start.x, start.y, end.x, end.y, width, height);
      v.drawn.patches[v.patch()] = box;
    }
    start = null;
    path = [];
    refresh();
  });
}

function togglePlay(): void {
  if (!view) return;
  const v = view;
  if (v.timer !== null) {
    window.clearInterval(v.timer);
    v.timer = null;
    v.play.textContent = tr(W, 'Play');
    return;
  }
  if (current() >= v.steps) go(0);
  v.play.textContent = tr(W, 'Pause');
  v.timer = window.setInterval(() => {
    if (current() >= v.steps) togglePlay();
    else go(atomsModel().atomsPlayedStep());
  }, 1000 / atomsModel().atomsPlayFrames());
}

function closeView(): void {
  if (!view) return;
  if (view.timer !== null) window.clearInterval(view.timer);
  window.removeEventListener('resize', paint);
  view.dialog.close();
  view.dialog.remove();
  view = null;
}
