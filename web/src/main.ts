// The browser edition's frame: the model loaded, the language chosen, the navigation between
// the parts, and the live region that reads results out.
import { loadModel } from './core/model';
import { tr } from './core/i18n';
import { chooseLanguage, languages, setLanguage } from './core/language';
import { element } from './core/dom';
import type { Page } from './core/page';
import { pages } from './pages';
import { testHooks } from './testing';

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
  const header = element('header', { id: 'header' },
    element('span', { class: 'brand' }, 'Atomdrift'), nav,
    element('div', { class: 'language' }, element('label', { for: 'cboLanguage' }, tr('Web', 'Language:')), chooser));
  const main = element('main', { id: 'page' });
  document.getElementById('app')!.replaceChildren(header, main);
  document.title = `Atomdrift: ${shown!.caption()}`;
  shown!.render(main);
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
  show();
  testHooks();
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
