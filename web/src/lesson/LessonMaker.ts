// "Make lesson...": a lesson made from the part's entries as they stand, its controls open,
// locked, hidden or held to a range, its steps and questions, the seed policy, the feedback and
// what the hand-in carries; previewed as a student, saved as a file, a link or a web page.
import { button, checkbox, element, field, select, showMessage } from '../core/dom';
import { download } from '../core/files';
import { decimalPoint, modelText, tr } from '../core/i18n';
import { language } from '../core/language';
import type { Page } from '../core/page';
import { pages } from '../pages';
import { lessonModel, type ControlKind, type ControlUse, type Draft, type PartKey, type QuestionKey, type Texts } from './lessonModel';
import { closeLesson, lesson, onBackToMaker, openRead } from './LessonPanel';
import { pageSource } from './pageSource';

interface StepForm {
  texts?: Texts; choiceTexts?: Texts[]; // every language of an opened lesson's step, its shown text edited
  text: string; question: QuestionKey; unit: string; relative: string; absolute: string; choices: string;
  expected: string; // '' for a number, else the name of a quantity of the part
  value: string;    // the number, or the right choice counted from 1
  arguments: Record<string, string>;
}
interface ControlForm { name: string; kind: ControlKind; shown: string; use: ControlUse; low: string; high: string }

// The lesson being made, kept while the page is open so that a preview comes back to it.
let maker: {
  part: PartKey; id: string; title: string; introduction: string; titles?: Texts; introductions?: Texts; controls: ControlForm[]; perStudent: boolean; seed: string;
  feedback: boolean; handInAnswers: boolean; handInData: boolean; steps: StepForm[]; linkStatus: string; link: string;
} | null = null;

function entropy(): string {
  const words = crypto.getRandomValues(new Uint32Array(2));
  return (BigInt(words[0]) * 4294967296n + BigInt(words[1])).toString();
}

// A control's value as the part shows it: its own account of its entries, else its field.
function shownValue(page: Page, name: string, kind: ControlKind, keys: string[]): string | null {
  const own = page.lessonEntries?.();
  if (own && name in own) return own[name];
  if (own && page.id === 'run') return null;
  const control = document.getElementById(page.lessonControlId?.(name) ?? name);
  if (!control || kind === 'command') return null;
  if (control instanceof HTMLInputElement && (control.type === 'checkbox' || control.type === 'radio')) return String(control.checked);
  if (control instanceof HTMLSelectElement) return control.selectedOptions[0]?.dataset.key ?? keys[control.selectedIndex] ?? control.value;
  if (control instanceof HTMLInputElement || control instanceof HTMLTextAreaElement) return control.value;
  return null;
}

// The part's controls a lesson may set, one per member where a name stands for each member, by
// the names a lesson gives them.
function partControls(page: Page): ControlForm[] {
  const forms: ControlForm[] = [];
  const own = page.lessonEntries?.();
  const pageIds = [...document.querySelectorAll<HTMLElement>('#page [id]')].map((e) => page.lessonControlName?.(e.id) ?? e.id);
  for (const control of lessonModel().partControls(page.id as PartKey)) {
    const names = control.name.endsWith('#')
      ? [...new Set([...Object.keys(own ?? {}), ...pageIds])].filter((id) => new RegExp(`^${control.name.slice(0, -1)}[1-9][0-9]{0,2}$`).test(id))
        .sort((a, b) => Number(a.replace(/^\D+/, '')) - Number(b.replace(/^\D+/, '')))
      : [control.name];
    for (const name of names) {
      const shown = shownValue(page, name, control.kind, control.keys);
      if (shown === null && control.kind !== 'command') continue;
      if (control.kind === 'command' && !document.getElementById(page.lessonControlId?.(name) ?? name)) continue;
      forms.push({ name, kind: control.kind, shown: shown ?? '', use: 'open', low: '', high: '' });
    }
  }
  return forms;
}

function currentPage(): Page {
  const id = location.hash.replace(/^#/, '').split('/')[0];
  return pages.find((p) => p.id === id) ?? pages[0];
}

export function cmdMakeLesson_Click(): void {
  const page = lesson.view ? pages.find((p) => p.id === lesson.view!.part)! : currentPage();
  const part = page.id as PartKey;
  const controls = partControls(page);
  const opened = lesson.view && !lesson.preview ? lessonModel().openLessonDraft() : null;
  if (opened && (!maker || maker.id !== opened.id)) {
    maker = fromLesson(opened, controls);
  } else if (!maker || maker.part !== part || (!lesson.view && maker.titles)) {
    const seed = controls.find((c) => c.name === 'txtSeed')?.shown || entropy();
    maker = { part, id: lessonModel().newLessonId(entropy()), title: '', introduction: '', controls, perStudent: part === 'experiment', seed,
      feedback: true, handInAnswers: true, handInData: false, steps: [], linkStatus: '', link: '' };
  } else {
    // The entries as they stand now; the rules set before stay.
    maker.controls = controls.map((c) => ({ ...c, ...pick(maker!.controls.find((o) => o.name === c.name)) }));
  }
  showMaker();
}

// The shown text of a text in several languages: the user's language where it has it, else its first.
function shownText(texts: Texts | undefined): string {
  return (texts?.find(([lang]) => lang === language()) ?? texts?.[0])?.[1] ?? '';
}

// The teacher's edit goes into the user's language; a text left as shown keeps every language.
function edited(texts: Texts | undefined, text: string): Texts {
  return lessonModel().editedText(texts ?? [], language(), text);
}

// A number of the lesson as the teacher types it back: the shortest text that reads as the same
// number (a tolerance of 1 %, not 1.00000000000).
function numberText(value: number): string {
  return String(Number(value.toPrecision(12))).replace('.', decimalPoint());
}

// The maker's form of the open lesson: its identity, texts in every language, steps, rules and
// policies; the entries are the part's as they stand.
function fromLesson(opened: Omit<Draft, 'setup'>, controls: ControlForm[]): NonNullable<typeof maker> {
  const quantities = lessonModel().partQuantities(opened.part);
  return {
    part: opened.part, id: opened.id, titles: opened.title, introductions: opened.introduction,
    title: shownText(opened.title), introduction: shownText(opened.introduction),
    controls: controls.map((c) => ({ ...c, ...pickRule(opened.controls.find((r) => r.name === c.name)) })),
    perStudent: opened.perStudent, seed: opened.seed, feedback: opened.feedback, handInAnswers: opened.handInAnswers, handInData: opened.handInData,
    linkStatus: '', link: '',
    steps: opened.steps.map((s) => ({
      texts: s.text, choiceTexts: s.choices, text: shownText(s.text), question: s.question, unit: s.unit,
      relative: s.relative ? numberText(s.relative * 100) : '', absolute: s.absolute ? numberText(s.absolute) : '',
      choices: s.choices.map(shownText).join('\n'),
      expected: s.answer?.quantity && quantities.some((q) => q.name === s.answer!.quantity) ? s.answer.quantity : '',
      value: s.answer?.choice !== null && s.answer?.choice !== undefined ? String(s.answer.choice + 1)
        : s.answer?.value !== null && s.answer?.value !== undefined ? numberText(s.answer.value) : '',
      arguments: Object.fromEntries(s.answer?.arguments ?? []),
    })),
  };
}

function pickRule(rule: { use: ControlUse; low: number; high: number } | undefined): Partial<ControlForm> {
  return rule ? { use: rule.use, low: rule.use === 'range' ? numberText(rule.low) : '', high: rule.use === 'range' ? numberText(rule.high) : '' } : {};
}

function pick(form: ControlForm | undefined): Partial<ControlForm> {
  return form ? { use: form.use, low: form.low, high: form.high } : {};
}

function number(text: string): number | null {
  return text.trim() ? lessonModel().answerNumber(text, decimalPoint()) : null;
}

function draft(): Draft {
  const m = maker!;
  const lang = language();
  const texts = (text: string): [string, string][] => (text.trim() ? [[lang, text.trim()]] : []);
  const point = decimalPoint();
  return {
    id: m.id, title: m.titles ? edited(m.titles, m.title) : texts(m.title), introduction: m.introductions ? edited(m.introductions, m.introduction) : texts(m.introduction), part: m.part,
    setup: m.controls.filter((c) => c.kind !== 'command').map((c) => [c.name, c.kind === 'entry' ? lessonModel().storedEntry(c.shown, point) : c.shown]),
    perStudent: m.perStudent, seed: m.seed,
    controls: m.part === 'run' ? [] : m.controls.filter((c) => c.use !== 'open').map((c) => ({ name: c.name, use: c.use, low: number(c.low) ?? 0, high: number(c.high) ?? 0 })),
    steps: m.steps.map((s) => ({
      text: s.texts ? edited(s.texts, s.text) : texts(s.text), question: s.question, unit: s.unit.trim(),
      relative: (number(s.relative) ?? 0) / 100, absolute: number(s.absolute) ?? 0,
      choices: s.question === 'choice' ? s.choices.split('\n').filter((c) => c.trim()).map((c, k) => (s.choiceTexts?.[k] ? edited(s.choiceTexts[k], c) : texts(c))) : [],
      answer: answerOf(s),
    })),
    feedback: m.feedback, handInAnswers: m.handInAnswers, handInData: m.handInData,
  };
}

function answerOf(s: StepForm): Draft['steps'][number]['answer'] {
  if (s.question === 'choice') {
    const choice = number(s.value);
    return choice === null ? null : { value: null, choice: choice - 1, quantity: '', arguments: [] };
  }
  if (s.question !== 'number' && s.question !== 'readOff') return null;
  if (s.expected) {
    const quantity = lessonModel().partQuantities(maker!.part).find((q) => q.name === s.expected);
    return { value: null, choice: null, quantity: s.expected, arguments: (quantity?.arguments ?? []).map((a) => [a, (s.arguments[a] ?? '').trim()]) };
  }
  const value = number(s.value);
  return value === null ? null : { value, choice: null, quantity: '', arguments: [] };
}

// The lesson as the model takes it, or its fault shown: true when it can go to a class.
async function made(): Promise<boolean> {
  const fault = lessonModel().makeLesson(draft());
  if (!fault.pattern) return true;
  await showMessage(tr('Web', 'Make lesson'), modelText(fault));
  return false;
}

function closeMaker(): void {
  const dialog = document.getElementById('makerDialog') as HTMLDialogElement | null;
  dialog?.close();
  dialog?.remove();
}

async function cmdPreview_Click(): Promise<void> {
  if (!(await made())) return;
  closeMaker();
  lesson.preview = true;
  if (!(await openRead(lessonModel().previewDraft()))) lesson.preview = false;
}

async function cmdSaveLesson_Click(): Promise<void> {
  if (await made()) download(lessonModel().draftFileName(), lessonModel().draftText(), 'application/json');
}

async function cmdSaveLessonPage_Click(): Promise<void> {
  if (!(await made())) return;
  const name = lessonModel().draftFileName().replace(/\.atomdrift$/, '.html');
  download(name, lessonModel().draftPage(pageSource()), 'text/html');
}

async function cmdCopyLink_Click(): Promise<void> {
  if (!(await made())) return;
  const m = maker!;
  const address = location.href.replace(/#.*$/, '') + lessonModel().draftFragment();
  const most = lessonModel().mostLinkCharacters();
  if (address.length > most) {
    m.link = '';
    m.linkStatus = tr('Web', 'The link would be %1 characters long, more than the %2 that mail, chats and learning platforms keep whole. Save the lesson as a file or as a web page instead.', address.length, most);
  } else {
    m.link = address;
    let copied = false;
    try {
      await navigator.clipboard.writeText(address);
      copied = true;
    } catch {
      // A page opened from a file may not reach the clipboard: the link stands in its field to copy.
    }
    m.linkStatus = copied ? tr('Web', 'The link is copied: %1 characters.', address.length) : tr('Web', 'Copy the link from its field: %1 characters.', address.length);
  }
  showMaker('cmdCopyLink');
}

function controlsTable(): HTMLElement {
  const m = maker!;
  const uses: { value: ControlUse; text: string }[] = [
    { value: 'open', text: tr('Web', 'open') }, { value: 'locked', text: tr('Web', 'locked') },
    { value: 'hidden', text: tr('Web', 'hidden') }, { value: 'range', text: tr('Web', 'range') }];
  const body = element('tbody', {});
  for (const c of m.controls) {
    const use = select(`cboUse_${c.name}`, c.name, uses.filter((u) => u.value !== 'range' || c.kind === 'entry'), c.use);
    const low = element('input', { id: `txtLow_${c.name}`, type: 'text', inputmode: 'decimal', value: c.low, 'aria-label': tr('Web', 'Lowest value of %1', c.name), hidden: c.use !== 'range' });
    const high = element('input', { id: `txtHigh_${c.name}`, type: 'text', inputmode: 'decimal', value: c.high, 'aria-label': tr('Web', 'Highest value of %1', c.name), hidden: c.use !== 'range' });
    low.value = c.low;
    high.value = c.high;
    use.select.addEventListener('change', () => { c.use = use.select.value as ControlUse; low.hidden = high.hidden = c.use !== 'range'; });
    low.addEventListener('input', () => { c.low = low.value; });
    high.addEventListener('input', () => { c.high = high.value; });
    body.append(element('tr', {}, element('th', { scope: 'row' }, element('label', { for: `cboUse_${c.name}` }, c.name)),
      element('td', {}, c.shown), element('td', {}, use.select), element('td', {}, low, ' – ', high)));
  }
  const head = element('tr', {}, element('th', { scope: 'col' }, tr('Web', 'Control')), element('th', { scope: 'col' }, tr('Web', 'Entry')),
    element('th', { scope: 'col' }, tr('Web', 'For the students')), element('th', { scope: 'col' }, tr('Web', 'Range')));
  return element('table', { id: 'tblControls', 'aria-label': tr('Web', 'Controls') }, element('thead', {}, head), body);
}

function stepEditor(s: StepForm, i: number): HTMLElement {
  const m = maker!;
  const n = i + 1;
  const redraw = () => showMaker(`cboQuestion${n}`);
  const text = element('textarea', { id: `txtStepText${n}`, rows: 2 });
  text.value = s.text;
  text.addEventListener('input', () => { s.text = text.value; });
  const kinds: { value: QuestionKey; text: string }[] = [
    { value: '', text: tr('Web', 'no question') }, { value: 'number', text: tr('Web', 'a number') },
    { value: 'choice', text: tr('Web', 'multiple choice') }, { value: 'text', text: tr('Web', 'free text') },
    { value: 'readOff', text: tr('Web', 'a value read off the chart') }];
  const kind = select(`cboQuestion${n}`, tr('Web', 'Question:'), kinds, s.question);
  kind.select.addEventListener('change', () => { s.question = kind.select.value as QuestionKey; redraw(); });
  const bound = (id: string, label: string, key: 'unit' | 'relative' | 'absolute' | 'value') => {
    const f = field(id, label, s[key], { inputmode: key === 'unit' ? undefined : 'decimal' });
    f.input.addEventListener('input', () => { s[key] = f.input.value; });
    return f.row;
  };
  const rows: (HTMLElement | null)[] = [];
  if (s.question === 'number' || s.question === 'readOff') {
    const quantities = lessonModel().partQuantities(m.part);
    const expected = select(`cboExpected${n}`, tr('Web', 'Expected answer:'),
      [{ value: '', text: tr('Web', 'this number') }, ...quantities.map((q) => ({ value: q.name, text: modelText(q.description) }))], s.expected);
    expected.select.addEventListener('change', () => { s.expected = expected.select.value; showMaker(`cboExpected${n}`); });
    rows.push(bound(`txtUnit${n}`, tr('Web', 'Unit:'), 'unit'), expected.row);
    if (!s.expected) rows.push(bound(`txtExpected${n}`, tr('Web', 'Number:'), 'value'));
    for (const argument of quantities.find((q) => q.name === s.expected)?.arguments ?? []) {
      const f = field(`txtArgument${n}_${argument}`, tr('Web', 'Of %1:', argument), s.arguments[argument] ?? '');
      f.input.addEventListener('input', () => { s.arguments[argument] = f.input.value; });
      rows.push(f.row);
    }
    rows.push(bound(`txtTolerance${n}`, tr('Web', 'Tolerance (%):'), 'relative'), bound(`txtAbsolute${n}`, tr('Web', 'Or within:'), 'absolute'));
  }
  if (s.question === 'choice') {
    const choices = element('textarea', { id: `txtChoices${n}`, rows: 3 });
    choices.value = s.choices;
    choices.addEventListener('input', () => { s.choices = choices.value; });
    rows.push(element('div', { class: 'field' }, element('label', { for: `txtChoices${n}` }, tr('Web', 'Choices, one a line:')), choices),
      bound(`txtExpected${n}`, tr('Web', 'Right choice (its number):'), 'value'));
  }
  return element('fieldset', { id: `frmStep${n}`, class: 'step' }, element('legend', {}, tr('Web', 'Step %1', n)),
    element('div', { class: 'field' }, element('label', { for: `txtStepText${n}` }, tr('Web', 'Text:')), text), kind.row, ...rows,
    element('div', { class: 'buttons' }, button(`cmdRemoveStep${n}`, tr('Web', 'Remove step %1', n), () => { m.steps.splice(i, 1); showMaker('cmdAddStep'); })));
}

function showMaker(focus?: string): void {
  const m = maker!;
  closeMaker();
  const title = field('txtLessonTitle', tr('Web', 'Title:'), m.title);
  title.input.addEventListener('input', () => { m.title = title.input.value; });
  const introduction = element('textarea', { id: 'txtLessonIntroduction', rows: 3 });
  introduction.value = m.introduction;
  introduction.addEventListener('input', () => { m.introduction = introduction.value; });
  const shared = element('input', { id: 'optSeedShared', type: 'radio', name: 'seedPolicy' });
  const perStudent = element('input', { id: 'optSeedPerStudent', type: 'radio', name: 'seedPolicy' });
  shared.checked = !m.perStudent;
  perStudent.checked = m.perStudent;
  shared.addEventListener('change', () => { m.perStudent = false; });
  perStudent.addEventListener('change', () => { m.perStudent = true; });
  const seed = field('txtLessonSeed', tr('Web', 'Seed for everyone:'), m.seed, { inputmode: 'numeric' });
  seed.input.addEventListener('input', () => { m.seed = seed.input.value.trim(); });
  const flags = (['feedback', 'handInAnswers', 'handInData'] as const).map((key) => {
    const captions = { feedback: tr('Web', 'Mark answers at once'), handInAnswers: tr('Web', 'The hand-in carries the answers'), handInData: tr('Web', 'The hand-in carries the run\'s data file') };
    const ids = { feedback: 'chkFeedback', handInAnswers: 'chkHandInAnswers', handInData: 'chkHandInData' };
    const box = checkbox(ids[key], captions[key], m[key]);
    box.input.addEventListener('change', () => { m[key] = box.input.checked; });
    return box.row;
  });
  const link = element('input', { id: 'txtLinkOut', type: 'text', readonly: true, value: m.link, 'aria-label': tr('Web', 'Lesson link'), hidden: !m.link });
  link.value = m.link;
  const dialog = element('dialog', { id: 'makerDialog', 'aria-labelledby': 'makerTitle', class: 'lesson-dialog wide' },
    element('h2', { id: 'makerTitle' }, tr('Web', 'Make lesson: %1', pages.find((p) => p.id === m.part)!.caption())),
    title.row,
    element('div', { class: 'field' }, element('label', { for: 'txtLessonIntroduction' }, tr('Web', 'Introduction:')), introduction),
    m.part === 'run'
      ? element('p', { class: 'message' }, tr('Web', 'The lesson starts the decay run with its entries as they stand now.'))
      : element('details', { id: 'grpControls' }, element('summary', {}, tr('Web', 'Controls: the entries as they stand, and what students may do with them')), controlsTable()),
    element('fieldset', { id: 'frmSeed' }, element('legend', {}, tr('Web', 'Random runs')),
      element('div', { class: 'check' }, perStudent, element('label', { for: 'optSeedPerStudent' }, tr('Web', 'Each student\'s own data, from the name typed'))),
      element('div', { class: 'check' }, shared, element('label', { for: 'optSeedShared' }, tr('Web', 'The same data for everyone'))),
      seed.row),
    element('fieldset', { id: 'frmHandIn' }, element('legend', {}, tr('Web', 'Answers')), ...flags),
    element('div', { id: 'lstMakerSteps' }, ...m.steps.map(stepEditor)),
    element('div', { class: 'buttons' }, button('cmdAddStep', tr('Web', 'Add step'), () => {
      m.steps.push({ text: '', question: '', unit: '', relative: '5', absolute: '', choices: '', expected: '', value: '', arguments: {} });
      showMaker(`txtStepText${m.steps.length}`);
    })),
    element('div', { class: 'buttons' },
      button('cmdPreview', tr('Web', 'Preview'), () => void cmdPreview_Click()),
      button('cmdSaveLesson', tr('Web', 'Save lesson...'), () => void cmdSaveLesson_Click()),
      button('cmdCopyLink', tr('Web', 'Copy link'), () => void cmdCopyLink_Click()),
      button('cmdSaveLessonPage', tr('Web', 'Save lesson as web page'), () => void cmdSaveLessonPage_Click()),
      button('cmdCloseMaker', tr('Web', 'Close'), closeMaker)),
    element('p', { id: 'lblLinkStatus', class: 'message', role: 'status' }, m.linkStatus), link);
  dialog.addEventListener('cancel', (event) => { event.preventDefault(); closeMaker(); });
  document.body.append(dialog);
  dialog.showModal();
  (document.getElementById(focus ?? 'txtLessonTitle') as HTMLElement | null)?.focus();
}

// The preview's "Back to the maker": the lesson closes, the maker opens as it was.
onBackToMaker(() => {
  closeLesson();
  if (maker) showMaker();
});
