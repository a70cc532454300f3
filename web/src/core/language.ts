// The language the page speaks and the locale it writes numbers in; the texts themselves are
// i18n.ts's.
export const languages = [
  { code: 'en', name: 'English', locale: 'en-US' },
  { code: 'de', name: 'Deutsch', locale: 'de-DE' },
  { code: 'fr', name: 'Français', locale: 'fr-FR' },
  { code: 'es', name: 'Español', locale: 'es-ES' },
];

let current = 'en';

export function language(): string {
  return current;
}

export function locale(): string {
  return languages.find((l) => l.code === current)?.locale ?? 'en-US';
}

// The language the browser asks for first among ours, else English; a choice made on the page
// before is kept.
export function chooseLanguage(stored: string | null, wanted: readonly string[]): string {
  const ours = (code: string) => languages.some((l) => l.code === code);
  if (stored && ours(stored)) return stored;
  for (const tag of wanted) {
    const code = tag.toLowerCase().split('-')[0];
    if (ours(code)) return code;
  }
  return 'en';
}

export function setLanguage(code: string): void {
  current = code;
  document.documentElement.lang = code;
}
