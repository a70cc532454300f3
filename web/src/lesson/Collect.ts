// The teacher's side: the hand-ins of a class collected against the open lesson, a table of
// students by questions with their marks, the files refused with the reason, the class's runs
// pooled into the class experiment's chart, and the marks as CSV.
import { button, element, showMessage } from '../core/dom';
import { download, pickFiles } from '../core/files';
import { modelText, tr } from '../core/i18n';
import { significant } from '../core/numbers';
import { PlotChart, legend } from '../core/PlotChart';
import { experimentModel } from '../experiment/experimentModel';
import { lessonModel, type CollectionView, type VerdictKey } from './lessonModel';
import { lesson } from './LessonPanel';

// The files of the class collected so far, by name: a file dropped again replaces its namesake.
let files: { name: string; text: string }[] = [];
let collection: CollectionView | null = null;
const hidden = new Set<string>();

const mostBytes = (4 << 20) + 1;

function verdictWord(verdict: VerdictKey): string {
  const words: Record<VerdictKey, string> = {
    right: tr('Web', 'right'), wrong: tr('Web', 'wrong'), unanswered: tr('Web', 'unanswered'),
    collected: tr('Web', 'collected'), unmarked: tr('Web', 'not marked'),
  };
  return words[verdict];
}

function csvWords(): Record<string, string> {
  return {
    Name: tr('Web', 'Name'), File: tr('Web', 'File'), Seed: tr('Web', 'Seed'), Right: tr('Web', 'Right'), Marked: tr('Web', 'Marked'),
    'Answer %1': tr('Web', 'Answer %1'), 'Mark %1': tr('Web', 'Mark %1'), 'Expected %1': tr('Web', 'Expected %1'),
    right: tr('Web', 'right'), wrong: tr('Web', 'wrong'), unanswered: tr('Web', 'unanswered'), collected: tr('Web', 'collected'),
    'not marked': tr('Web', 'not marked'),
  };
}

function closeDialog(): void {
  const dialog = document.getElementById('collectDialog') as HTMLDialogElement | null;
  dialog?.close();
  dialog?.remove();
}

export async function cmdCollect_Click(): Promise<void> {
  if (!lesson.view) {
    await showMessage(tr('Web', 'Collect hand-ins'), tr('Web', 'Open the lesson whose hand-ins you collect first: the marks come from it.'));
    return;
  }
  showDialog();
}

// Hand-ins picked or dropped, added to the class's.
export async function collectFiles(picked: File[]): Promise<void> {
  if (!lesson.view) return cmdCollect_Click();
  for (const file of picked) {
    let text = '';
    try {
      text = new TextDecoder().decode(await file.slice(0, mostBytes).arrayBuffer());
    } catch {
      // An unreadable file is refused by the model as an empty one, under its name.
    }
    files = files.filter((f) => f.name !== file.name);
    files.push({ name: file.name, text });
  }
  collection = lessonModel().collectHandIns(files);
  showDialog();
}

function marksTable(): HTMLElement {
  const view = lesson.view!;
  const questions = view.steps.map((s, i) => ({ s, i })).filter(({ s }) => s.question !== '');
  const head = element('tr', {}, element('th', { scope: 'col' }, tr('Web', 'Student')),
    ...questions.map(({ i }) => element('th', { scope: 'col' }, tr('Web', 'Step %1', i + 1))),
    element('th', { scope: 'col' }, tr('Web', 'Right')));
  const body = element('tbody', {});
  for (const row of collection?.rows ?? []) {
    const cells = questions.map(({ s, i }) => {
      const given = row.answers[i];
      const shown = given === null ? '' : typeof given === 'number' ? (s.question === 'choice' ? String(given + 1) : significant(given, 6)) : given;
      const mark = row.marks[i];
      return element('td', { 'data-verdict': mark.verdict }, shown ? `${shown}: ${verdictWord(mark.verdict)}` : verdictWord(mark.verdict));
    });
    body.append(element('tr', {}, element('th', { scope: 'row', title: row.fileName }, row.name), ...cells,
      element('td', {}, tr('Web', '%1 of %2', row.right, row.marked))));
  }
  return element('table', { id: 'tblMarks', 'aria-label': tr('Web', 'Marks') }, element('thead', {}, head), body);
}

function showDialog(): void {
  closeDialog();
  const refused = element('ul', { id: 'lstRefused' },
    ...(collection?.refused ?? []).map((r) => element('li', {}, element('strong', {}, r.fileName), ': ', modelText(r.message))));
  const host = element('div', { id: 'chartCollection' });
  const legendHost = element('div', { id: 'legendCollection' });
  const rows = collection?.rows.length ?? 0;
  const summary = collection
    ? tr('Web', '%1 hand-ins marked, %2 refused.', rows, collection.refused.length) +
      (collection.runsLeftOut ? ' ' + tr('Web', '%1 runs beyond the class experiment\'s 1,000 are left out of the chart.', collection.runsLeftOut) : '')
    : tr('Web', 'Choose the hand-ins of the class, or drop them here.');
  const dialog = element('dialog', { id: 'collectDialog', 'aria-labelledby': 'collectTitle', class: 'lesson-dialog wide' },
    element('h2', { id: 'collectTitle' }, tr('Web', 'Collect hand-ins: %1', lesson.view!.title)),
    element('div', { class: 'buttons' },
      button('cmdChooseHandIns', tr('Web', 'Choose hand-ins...'), async () => {
        const picked = await pickFiles('.handin,application/json');
        if (picked.length) await collectFiles(picked);
      }),
      button('cmdExportCsv', tr('Web', 'Export CSV'), () => download(tr('Web', 'Atomdrift marks.csv'), lessonModel().collectionCsv(csvWords())), { disabled: !rows }),
      button('cmdClearHandIns', tr('Web', 'Start again'), () => { files = []; collection = null; showDialog(); }, { disabled: !files.length }),
      button('cmdCloseCollect', tr('Web', 'Close'), closeDialog)),
    element('p', { id: 'lblCollection', class: 'message', role: 'status' }, summary),
    rows ? marksTable() : null,
    collection?.refused.length ? element('h3', {}, tr('Web', 'Refused files')) : null,
    collection?.refused.length ? refused : null,
    collection?.pooled ? element('h3', {}, tr('Web', 'The class\'s runs')) : null,
    collection?.pooled ? host : null,
    collection?.pooled ? legendHost : null);
  dialog.addEventListener('cancel', (event) => { event.preventDefault(); closeDialog(); });
  dialog.addEventListener('dragover', (event) => { event.preventDefault(); });
  dialog.addEventListener('drop', (event) => {
    event.preventDefault();
    event.stopPropagation();
    const dropped = [...(event.dataTransfer?.files ?? [])];
    if (dropped.length) void collectFiles(dropped);
  });
  document.body.append(dialog);
  dialog.showModal();
  if (collection?.pooled) {
    const chart = new PlotChart(host);
    const draw = () => {
      const plot = lessonModel().collectionPlot(experimentModel().ExperimentView.Counts);
      chart.draw(plot, hidden);
      legendHost.replaceChildren(legend(plot, hidden, draw, tr('ClassExperiment', 'Legend')));
    };
    draw();
  }
  document.getElementById('cmdChooseHandIns')?.focus();
}
