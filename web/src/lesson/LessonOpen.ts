// Opening a lesson: "Open lesson..." with a file, the shipped examples or a pasted link, a file
// dropped on the page, an address whose fragment holds a lesson, and a page built with one.
import { button, element, showMessage } from '../core/dom';
import { pickFile } from '../core/files';
import { tr } from '../core/i18n';
import { language } from '../core/language';
import { lessonModel } from './lessonModel';
import { openRead } from './LessonPanel';
import { collectFiles } from './Collect';

// A lesson or a hand-in is a few kilobytes; a larger file's first bytes beyond the model's limit
// tell it that the file is too large.
const mostBytes = (4 << 20) + 1;

async function fileText(file: File): Promise<string> {
  return new TextDecoder().decode(await file.slice(0, mostBytes).arrayBuffer());
}

export async function openLessonFile(file: File): Promise<boolean> {
  let text: string;
  try {
    text = await fileText(file);
  } catch (error) {
    await showMessage(tr('Web', 'Open lesson'), tr('Web', '%1 cannot be read: %2', file.name, String(error)));
    return false;
  }
  return openRead(lessonModel().openLessonText(text, file.name));
}

function closeDialog(): void {
  const dialog = document.getElementById('openLessonDialog') as HTMLDialogElement | null;
  dialog?.close();
  dialog?.remove();
}

export function cmdOpenLesson_Click(): void {
  closeDialog();
  const m = lessonModel();
  const examples = element('ul', { id: 'lstExampleLessons' });
  (window.ATOMDRIFT_DATA.lessons ?? []).forEach((example, i) => {
    const title = m.lessonTitleOf(example.text, example.name, language()) || example.name;
    examples.append(element('li', {}, button(`cmdExampleLesson${i + 1}`, title, () => { closeDialog(); void openRead(m.openLessonText(example.text, example.name)); })));
  });
  const link = element('input', { id: 'txtLessonLink', type: 'text', autocomplete: 'off', spellcheck: 'false' });
  const openLink = () => {
    const text = link.value.trim();
    if (!text) return;
    closeDialog();
    void openRead(m.openLessonLink(text, tr('Web', 'from the link')));
  };
  link.addEventListener('keydown', (event) => { if (event.key === 'Enter') { event.preventDefault(); openLink(); } });
  const dialog = element('dialog', { id: 'openLessonDialog', 'aria-labelledby': 'openLessonTitle', class: 'lesson-dialog' },
    element('h2', { id: 'openLessonTitle' }, tr('Web', 'Open lesson')),
    element('div', { class: 'buttons' }, button('cmdLessonFile', tr('Web', 'Lesson file...'), async () => {
      const file = await pickFile('.atomdrift,application/json');
      if (!file) return;
      closeDialog();
      await openLessonFile(file);
    })),
    element('p', { class: 'message' }, tr('Web', 'Or drop a lesson file on the page.')),
    examples.childElementCount ? element('h3', {}, tr('Web', 'Example lessons')) : null,
    examples.childElementCount ? examples : null,
    element('div', { class: 'field' }, element('label', { for: 'txtLessonLink' }, tr('Web', 'Lesson link:')), link),
    element('div', { class: 'buttons' }, button('cmdOpenLink', tr('Web', 'Open link'), openLink), button('cmdCloseOpenLesson', tr('Web', 'Close'), closeDialog)));
  dialog.addEventListener('cancel', (event) => { event.preventDefault(); closeDialog(); });
  document.body.append(dialog);
  dialog.showModal();
  document.getElementById('cmdLessonFile')?.focus();
}

// Files dropped on the page: a lesson opens; hand-ins go to the collection of the open lesson's
// class; a link dropped as text opens too.
export function acceptDrops(target: HTMLElement): void {
  target.addEventListener('dragover', (event) => {
    if (event.dataTransfer && [...event.dataTransfer.types].some((t) => t === 'Files' || t === 'text/plain' || t === 'text/uri-list')) {
      event.preventDefault();
      event.dataTransfer.dropEffect = 'copy';
    }
  });
  target.addEventListener('drop', (event) => {
    const transfer = event.dataTransfer;
    if (!transfer) return;
    event.preventDefault();
    const files = [...transfer.files];
    if (files.length === 0) {
      const text = transfer.getData('text/uri-list') || transfer.getData('text/plain');
      if (text && lessonModel().isLessonLink(text)) void openRead(lessonModel().openLessonLink(text.trim(), tr('Web', 'from the link')));
      return;
    }
    const lessons = files.filter((f) => f.name.toLowerCase().endsWith('.atomdrift'));
    if (lessons.length === 1 && files.length === 1) void openLessonFile(lessons[0]);
    else void collectFiles(files);
  });
}

function pageFileName(): string {
  return decodeURIComponent(location.pathname.split('/').pop() || 'atomdrift.html');
}

// The lesson a page opens straight into: one built into the page, else one in the address.
export async function openStartLesson(): Promise<void> {
  // The lesson's element stands after the page's code, at the end of the body.
  if (document.readyState === 'loading') await new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve, { once: true }));
  const built = document.getElementById('atomdriftLesson');
  if (built?.textContent) {
    await openRead(lessonModel().openLessonText(built.textContent, pageFileName()));
    return;
  }
  if (lessonModel().isLessonLink(location.hash)) await openRead(lessonModel().openLessonLink(location.href, tr('Web', 'from the link')));
}
