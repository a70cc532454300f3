// The browser edition's frame: the model loaded, the language chosen, the navigation between
// the parts, and the live region that reads results out.
import { loadModel } from './core/model';
import { tr } from './core/i18n';
import { chooseLanguage, languages, setLanguage } from './core/language';
import { button, element } from './core/dom';
import type { Page } from './core/page';
import { pages } from './pages';
import { testHooks } from './testing';
import { applyRules, lesson, lessonPanel, onLessonChange, toLessonButton, watchRanges } from './lesson/LessonPanel';
import { acceptDrops, cmdOpenLesson_Click, openStartLesson } from './lesson/LessonOpen';
import { cmdMakeLesson_Click } from './lesson/LessonMaker';
import { cmdShowAtoms_Click } from './atoms/AtomsView';
import { cmdCollect_Click } from './lesson/Collect';

let shown: Page | undefined;

function pageFor(hash: string): Page {
  const id = hash.replace(/^#/, '').split('/')[0];
  return pages.find((p) => p.id === id) ?? pages[0];
}

function renderFrame(): void {
  const nav = element('nav', { id: 'navigation', 'aria-label': tr('Web', 'Parts of Atomdrift') });
  for (const page of pages) {
    const link = element('a', { id: `nav${page.id}`, href: `#${page.id}` }, page.caption());
    if (page === shown) link.setAttribute('aria-current', 'page');
    nav.append(link);
  }
  const chooser = element('select', { id: 'cboLanguage' });
  for (const l of languages) chooser.append(element('option', { value: l.code, lang: l.code }, l.name));
  chooser.value = document.documentElement.lang;
  chooser.addEventListener('change', () => {
    setLanguage(chooser.value);
    try { localStorage.setItem('atomdrift.language', chooser.value); } catch { /* a page opened from a file may have no storage */ }
    renderFrame();
  });
  const lessons = element('div', { class: 'buttons lesson-commands' },
    button('cmdOpenLesson', tr('Web', 'Open lesson...'), cmdOpenLesson_Click),
    button('cmdMakeLesson', tr('Web', 'Make lesson...'), cmdMakeLesson_Click),
    button('cmdCollect', tr('Web', 'Collect hand-ins...'), () => void cmdCollect_Click()),
    button('cmdShowAtoms', tr('Web', 'Show the atoms...'), cmdShowAtoms_Click));
  const header = element('header', { id: 'header' },
    element('span', { class: 'brand' }, 'Atomdrift'), nav, lessons,
    element('div', { class: 'language' }, element('label', { for: 'cboLanguage' }, tr('Web', 'Language:')), chooser));
  const main = element('main', { id: 'page' });
  // The lesson's panel and rules stand beside its own part only.
  const inLesson = lesson.view?.part === shown!.id;
  const panel = inLesson ? lessonPanel() : null;
  document.getElementById('app')!.replaceChildren(header, element('div', { id: 'workspace', class: panel ? 'with-lesson' : undefined }, panel ? toLessonButton() : null, main, panel));
  document.title = inLesson ? `${lesson.view!.title}: Atomdrift` : `Atomdrift: ${shown!.caption()}`;
  shown!.render(main);
  if (!inLesson) return;
  // The lesson's rules hold for the part's controls each time the part draws them.
  new MutationObserver(() => applyRules(main)).observe(main, { childList: true, subtree: true });
  watchRanges(main);
  applyRules(main);
}

function show(): void {
  const next = pageFor(location.hash);
  if (next !== shown) shown?.leave?.();
  shown = next;
  renderFrame();
}

async function start(): Promise<void> {
  let stored: string | null = null;
  try { stored = localStorage.getItem('atomdrift.language'); } catch { /* no storage */ }
  setLanguage(chooseLanguage(stored, navigator.languages ?? [navigator.language]));
  await loadModel();
  window.addEventListener('hashchange', show);
  onLessonChange(show);
  acceptDrops(document.body);
  testHooks();
  show();
  await openStartLesson();
  // The page is busy from its first byte (index.html) until the module has loaded.
  document.getElementById('app')!.removeAttribute('aria-busy');
  // From the start of the page's loading to the first part drawn and working.
  window.atomdrift.readyMs = performance.now();
  document.body.dataset.ready = 'yes';
}

start().catch((error) => {
  const app = document.getElementById('app')!;
  app.removeAttribute('aria-busy');
  app.textContent = `Atomdrift could not start: ${error}`;
  throw error;
});
