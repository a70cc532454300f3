// The student's side of a lesson: the lesson opened into its part (its entries put in, its rules
// on the part's controls, the student's seed in the random runs) and the panel beside the part
// with the steps, the answers given in place, the name and "Hand in".
import { button, element, showMessage } from '../core/dom';
import { download } from '../core/files';
import { decimalPoint, modelText, tr } from '../core/i18n';
import { language } from '../core/language';
import type { ModelMessage } from '../core/model';
import type { Page } from '../core/page';
import { useLessonSeed } from '../core/seed';
import { loadTable } from '../nuclides/labModel';
import { pages } from '../pages';
import { lessonModel, type LessonOpened, type LessonView, type MarkView, type StudentAnswer } from './lessonModel';

interface Answer { text: string; choice: number | null }

// The open lesson and what the student has done in it. Nothing of it is stored anywhere but here.
export const lesson = {
  view: null as LessonView | null,
  name: '',
  seed: '',
  answers: [] as Answer[],
  marks: [] as (MarkView | null)[],
  preview: false, // opened from the maker, to be seen as a student sees it
};

let refreshFrame: () => void = () => {};
// The frame's drawing anew, which shows the panel and the part.
export function onLessonChange(refresh: () => void): void {
  refreshFrame = refresh;
}

export function partPage(id: string): Page {
  return pages.find((p) => p.id === id) ?? pages[0];
}

// A lesson read by the model opened into its part, or its refusal shown: true when it opened.
export async function openRead(opened: LessonOpened | null, title = tr('Web', 'Open lesson')): Promise<boolean> {
  if (!opened) return false;
  if (opened.error.pattern) {
    await showMessage(title, modelText(opened.error));
    return false;
  }
  let view = lessonModel().openLessonView(language());
  if (!view) return false;
  // A lab's set-up and marks come from the nuclide table, which the labs load when first shown.
  if ((view.part === 'nuclides' || view.part === 'counting') && !view.start.length) {
    loadTable();
    view = lessonModel().openLessonView(language()) ?? view;
  }
  const preview = lesson.preview;
  Object.assign(lesson, { view, name: '', answers: view.steps.map(() => ({ text: '', choice: null })), marks: view.steps.map(() => null), preview: false });
  lesson.preview = preview;
  const page = partPage(view.part);
  const point = decimalPoint();
  const entries: Record<string, string> = {};
  // The lesson's complete set-up, so that the student starts from what the marking runs again.
  for (const [control, stored] of view.start) entries[control] = lessonModel().shownEntry(stored, point);
  if (page.applyLesson) page.applyLesson(entries);
  else pendingEntries = entries;
  useLessonSeed(null); // the counts of the random actions start again with the lesson
  takeSeed(lessonModel().lessonStudent(''));
  if (location.hash !== `#${view.part}`) history.replaceState(null, '', `#${view.part}`);
  refreshFrame();
  return true;
}

// The entries of a part that puts them into its fields once they are drawn.
let pendingEntries: Record<string, string> | null = null;

export function closeLesson(): void {
  lessonModel().closeLesson();
  Object.assign(lesson, { view: null, name: '', seed: '', answers: [], marks: [], preview: false });
  useLessonSeed(null);
  refreshFrame();
}

function takeSeed(seed: string): void {
  lesson.seed = seed;
  useLessonSeed(seed, (draw, count) => lessonModel().drawSeed(seed, draw, count));
  partPage(lesson.view!.part).lessonSeed?.(seed);
}

// The answer of a step as the model marks it and a hand-in carries it.
function studentAnswer(step: number): StudentAnswer {
  const view = lesson.view!;
  const given = lesson.answers[step];
  const question = view.steps[step].question;
  const numeric = question === 'number' || question === 'readOff';
  return {
    step,
    number: numeric ? lessonModel().answerNumber(given.text, decimalPoint()) : null,
    choice: question === 'choice' ? given.choice : null,
    text: question === 'text' ? given.text : '',
  };
}

function markText(step: number): string {
  const mark = lesson.marks[step];
  return mark && lesson.view?.feedback ? modelText(mark.message) : '';
}

function check(step: number): void {
  const view = lesson.view!;
  if (!view.feedback) return;
  const given = lesson.answers[step];
  const question = view.steps[step].question;
  const blank = question === 'choice' ? given.choice === null : given.text.trim() === '';
  if (!blank && (question === 'number' || question === 'readOff') && lessonModel().answerNumber(given.text, decimalPoint()) === null) {
    lesson.marks[step] = { verdict: 'unanswered', message: { pattern: tr('Web', 'Please type a number.'), values: [] } };
  } else {
    lesson.marks[step] = blank ? null : lessonModel().lessonMark(studentAnswer(step));
  }
  const label = document.getElementById(`lblMark${step + 1}`);
  if (label) {
    label.textContent = markText(step);
    label.dataset.verdict = lesson.marks[step]?.verdict ?? '';
  }
}

function questionControls(step: number): HTMLElement | null {
  const view = lesson.view!;
  const s = view.steps[step];
  const n = step + 1;
  const given = lesson.answers[step];
  if (s.question === '') return null;
  if (s.question === 'choice') {
    const options = s.choices.map((choice, k) => {
      const input = element('input', { id: `optAnswer${n}_${k + 1}`, type: 'radio', name: `answer${n}`, value: k });
      input.checked = given.choice === k;
      input.addEventListener('change', () => { if (input.checked) { given.choice = k; check(step); } });
      return element('div', { class: 'check' }, input, element('label', { for: `optAnswer${n}_${k + 1}` }, choice));
    });
    return element('fieldset', { class: 'answer' }, element('legend', {}, tr('Web', 'Your answer')), ...options);
  }
  const id = `txtAnswer${n}`;
  const caption = s.question === 'text' ? tr('Web', 'Your answer:')
    : s.question === 'readOff' ? (s.unit ? tr('Web', 'Value read off the chart (%1):', s.unit) : tr('Web', 'Value read off the chart:'))
      : (s.unit ? tr('Web', 'Your answer (%1):', s.unit) : tr('Web', 'Your answer:'));
  const input = s.question === 'text'
    ? element('textarea', { id, rows: 3 })
    : element('input', { id, type: 'text', inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false' });
  input.value = given.text;
  input.addEventListener('input', () => { given.text = input.value; });
  if (s.question !== 'text') {
    input.addEventListener('change', () => check(step));
    input.addEventListener('keydown', (event) => { if ((event as KeyboardEvent).key === 'Enter') { event.preventDefault(); check(step); } });
  }
  return element('div', { class: 'field answer' }, element('label', { for: id }, caption), input);
}

function seedText(): string {
  const view = lesson.view!;
  if (!view.perStudent) return tr('Web', 'Everyone has the same data (seed %1).', lesson.seed);
  return lesson.name.trim() ? tr('Web', 'Your data come from the seed %1, made from your name.', lesson.seed)
    : tr('Web', 'Type your name: your data come from it.');
}

// The panel beside the part; null without an open lesson.
export function lessonPanel(): HTMLElement | null {
  const view = lesson.view;
  if (!view) return null;
  const name = element('input', { id: 'txtStudentName', type: 'text', autocomplete: 'name', spellcheck: 'false' });
  name.value = lesson.name;
  const seed = element('p', { id: 'lblStudentSeed', class: 'message' }, seedText());
  name.addEventListener('change', () => {
    lesson.name = name.value;
    takeSeed(lessonModel().lessonStudent(name.value));
    seed.textContent = seedText();
    // Answers that follow the data are marked again against the student's own.
    lesson.marks.forEach((mark, step) => { if (mark) check(step); });
  });
  const steps = element('ol', { id: 'lstLessonSteps' });
  view.steps.forEach((s, step) => {
    const mark = element('p', { id: `lblMark${step + 1}`, class: 'verdict', 'aria-live': 'polite', 'data-verdict': lesson.marks[step]?.verdict ?? '' }, markText(step));
    steps.append(element('li', { id: `lessonStep${step + 1}` }, element('p', { class: 'step-text' }, s.text), questionControls(step), s.question ? mark : null));
  });
  const commands = element('div', { class: 'buttons panel-commands' },
    button('cmdHandIn', tr('Web', 'Hand in'), () => void cmdHandIn_Click(), { disabled: !view.handInAnswers && !view.handInData }),
    lesson.preview ? button('cmdBackToMaker', tr('Web', 'Back to the maker'), () => backToMaker()) : null,
    button('cmdCloseLesson', tr('Web', 'Close lesson'), () => closeLesson()));
  return element('aside', { id: 'lessonPanel', 'aria-labelledby': 'lessonTitle', lang: view.language, tabindex: -1 },
    lesson.preview ? element('p', { id: 'lblPreview', class: 'preview' }, tr('Web', 'Preview: the lesson as a student sees it.')) : null,
    element('h2', { id: 'lessonTitle' }, view.title),
    view.introduction ? element('p', { id: 'lblIntroduction', class: 'message' }, view.introduction) : null,
    element('div', { class: 'field' }, element('label', { for: 'txtStudentName' }, tr('Web', 'Your name:')), name), seed,
    steps, commands);
}

// On a narrow screen the panel follows the part: this leads to it without scrolling past it.
export function toLessonButton(): HTMLElement | null {
  if (!lesson.view) return null;
  return button('cmdToLesson', tr('Web', 'Lesson: %1', lesson.view.title), () => {
    const panel = document.getElementById('lessonPanel');
    panel?.scrollIntoView({ block: 'start' });
    panel?.focus({ preventScroll: true });
  });
}

let backToMaker: () => void = () => {};
export function onBackToMaker(back: () => void): void {
  backToMaker = back;
}

async function cmdHandIn_Click(): Promise<void> {
  const view = lesson.view!;
  const title = tr('Web', 'Hand in');
  if (!lesson.name.trim()) {
    await showMessage(title, tr('Web', 'Please type your name first: the hand-in carries it.'));
    document.getElementById('txtStudentName')?.focus();
    return;
  }
  const data = view.handInData ? partPage(view.part).lessonData?.() ?? '' : '';
  if (view.handInData && !data) {
    await showMessage(title, tr('Web', 'The lesson asks for the data of your run: please make the run first.'));
    return;
  }
  const handIn = lessonModel().lessonHandIn(lesson.name, view.steps.map((_, step) => studentAnswer(step)), data);
  if (handIn) download(handIn.fileName, handIn.text, 'application/json');
}

// The part's controls as the lesson has them: locked ones disabled, hidden ones hidden with their
// labels, each time the part draws them; a part that takes its entries from its fields gets them
// once they are there.
export function applyRules(root: HTMLElement): void {
  const view = lesson.view;
  if (!view) return;
  if (pendingEntries) {
    const entries = pendingEntries;
    pendingEntries = null;
    putEntries(root, entries);
  }
  const rules = [...view.controls];
  // The class experiment's seed is the student's: shown, not typed.
  if (view.part === 'experiment') rules.push({ name: 'txtSeed', use: 'locked', low: 0, high: 0 }, { name: 'cmdNewSeed', use: 'locked', low: 0, high: 0 });
  const page = partPage(view.part);
  for (const rule of rules) {
    const id = page.lessonControlId?.(rule.name) ?? rule.name;
    const control = root.querySelector<HTMLElement>(`#${CSS.escape(id)}`);
    if (!control) continue;
    if (rule.use === 'locked' && 'disabled' in control) lock(root, control as HTMLInputElement);
    if (rule.use === 'hidden') {
      const row = control.parentElement;
      const alone = row && (row.classList.contains('field') || row.classList.contains('check')) && row.querySelectorAll('input, select, textarea, button').length === 1;
      (alone ? row : control).hidden = true;
      root.querySelectorAll<HTMLElement>(`label[for="${CSS.escape(id)}"]`).forEach((label) => { label.hidden = true; });
    }
  }
}

// A control the lesson locks: disabled, marked so that it looks locked, and its name says so to
// a screen reader.
function lock(root: HTMLElement, control: HTMLInputElement): void {
  control.disabled = true;
  control.classList.add('locked');
  const label = root.querySelector<HTMLElement>(`label[for="${CSS.escape(control.id)}"]`);
  const words = tr('Web', 'locked by the lesson');
  if (label && !label.querySelector('.locked-note')) {
    label.classList.add('locked');
    label.append(element('span', { class: 'locked-note' }, ` (${words})`));
  } else if (!label) {
    const name = control.getAttribute('aria-label') ?? control.textContent ?? '';
    if (!name.endsWith(`(${words})`)) control.setAttribute('aria-label', `${name} (${words})`);
  }
}

// Entries put into a part's fields as a user would type or choose them, so that the part's own
// handlers take them in.
function putEntries(root: HTMLElement, entries: Record<string, string>): void {
  const page = partPage(lesson.view!.part);
  for (const [name, value] of Object.entries(entries)) {
    const control = root.ownerDocument.getElementById(page.lessonControlId?.(name) ?? name) as HTMLInputElement | HTMLSelectElement | null;
    if (!control) continue;
    if (control instanceof HTMLInputElement && (control.type === 'checkbox' || control.type === 'radio')) {
      control.checked = value === 'true';
      control.dispatchEvent(new Event('change', { bubbles: true }));
    } else if (control instanceof HTMLSelectElement) {
      // A list's item by its key: the model's order of keys, else the key the page gives the item.
      const keys = lessonModel().partControls(lesson.view!.part).find((c) => c.name === name.replace(/[0-9]+$/, '#') || c.name === name)?.keys ?? [];
      const option = [...control.options].find((o) => o.dataset.key === value)
        ?? (keys.includes(value) ? control.options[keys.indexOf(value)] : [...control.options].find((o) => o.value === value));
      if (!option && name === 'cboNuclide' && page.offerNuclide) {
        // A chain the teacher took from the chart of nuclides: offered in the list from now on.
        page.offerNuclide(value);
        continue;
      }
      if (option) control.value = option.value;
      control.dispatchEvent(new Event('change', { bubbles: true }));
    } else {
      control.value = value;
      control.dispatchEvent(new Event('input', { bubbles: true }));
    }
  }
}

// A value typed outside the range the lesson holds a control to is refused, and the value before
// comes back.
const accepted = new Map<string, string>();
function refused(input: HTMLInputElement): ModelMessage | null {
  const view = lesson.view;
  const name = view ? partPage(view.part).lessonControlName?.(input.id) ?? input.id : '';
  if (!view || !view.controls.some((r) => r.name === name && r.use === 'range')) return null;
  const refusal = lessonModel().rangeRefusal(name, input.value, decimalPoint());
  if (!refusal.pattern) {
    accepted.set(input.id, input.value);
    return null;
  }
  input.value = accepted.get(input.id) ?? '';
  input.dispatchEvent(new Event('input', { bubbles: true }));
  return refusal;
}

export function watchRanges(root: HTMLElement): void {
  root.addEventListener('focusin', (event) => {
    const input = event.target;
    if (input instanceof HTMLInputElement && input.type === 'text') accepted.set(input.id, input.value);
  });
  const refuse = (refusal: ModelMessage, input: HTMLInputElement) =>
    void showMessage(tr('Web', 'Lesson'), modelText(refusal)).then(() => input.focus());
  root.addEventListener('change', (event) => {
    const input = event.target;
    if (!(input instanceof HTMLInputElement)) return;
    const refusal = refused(input);
    if (refusal) refuse(refusal, input);
  }, true);
  root.addEventListener('keydown', (event) => {
    const input = event.target;
    if (event.key !== 'Enter' || !(input instanceof HTMLInputElement)) return;
    const refusal = refused(input);
    if (!refusal) return;
    event.preventDefault();
    event.stopImmediatePropagation();
    refuse(refusal, input);
  }, true);
}
