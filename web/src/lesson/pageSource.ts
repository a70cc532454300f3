// The page's own HTML as it was built, for "Save lesson as web page": the build keeps the page's
// frame with the places of its styles and scripts, which the browser hands back exactly as they
// were written (the text of <style> and <script> is never rewritten by the parser).
export function pageSource(): string {
  const style = document.head.querySelector('style')?.textContent ?? '';
  const [data, page] = [...document.querySelectorAll<HTMLScriptElement>('body > script:not([type])')].map((s) => s.text);
  const parts: Record<string, string> = { STYLES: style, DATA: data ?? '', PAGE: page ?? '' };
  return window.ATOMDRIFT_DATA.shell.replace(/\/\*(STYLES|DATA|PAGE)\*\//g, (_, place: string) => parts[place]);
}
