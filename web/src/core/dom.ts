// Small builders for the page's controls. Every control gets its desktop name as its id and an
// accessible name: its caption, or the text of its label.

type Attributes = Record<string, string | number | boolean | undefined>;

export function element<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  attributes: Attributes = {},
  ...children: (Node | string | null | undefined)[]
): HTMLElementTagNameMap[K] {
  const node = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes)) {
    if (value === undefined || value === false) continue;
    if (key === 'class') node.className = String(value);
    else if (key === 'text') node.textContent = String(value);
    else node.setAttribute(key, value === true ? '' : String(value));
  }
  for (const child of children) if (child !== null && child !== undefined) node.append(child);
  return node;
}

export function button(id: string, caption: string, onClick: () => void, attributes: Attributes = {}): HTMLButtonElement {
  const node = element('button', { id, type: 'button', ...attributes }, caption);
  node.addEventListener('click', onClick);
  return node;
}

// A labelled text field: the label's text is the field's accessible name.
export function field(id: string, label: string, value: string, attributes: Attributes = {}): { row: HTMLElement; input: HTMLInputElement } {
  const input = element('input', { id, type: 'text', value, autocomplete: 'off', spellcheck: 'false', ...attributes });
  input.value = value;
  const row = element('div', { class: 'field' }, element('label', { for: id }, label), input);
  return { row, input };
}

let measure: CanvasRenderingContext2D | null = null;

// The width in pixels of the widest of `texts` written in `font` (a CSS font: "bold 14px serif").
export function textWidth(font: string, ...texts: string[]): number {
  measure ??= document.createElement('canvas').getContext('2d');
  if (!measure) return 0;
  measure.font = font;
  return Math.max(0, ...texts.map((text) => measure!.measureText(text).width));
}

// The width of the widest item in em of the page's font: a drop-down whose widest item is wider
// than a phone's screen takes a smaller text, just small enough (the style sheet's --items).
function widestEm(texts: string[]): number {
  return textWidth(`100px ${getComputedStyle(document.body).fontFamily}`, ...texts) / 100;
}

// An option's `key` is the item as a lesson names it (a nuclide's symbol, a unit's symbol).
export function select(id: string, label: string, options: { value: string; text: string; key?: string }[], chosen?: string): { row: HTMLElement; select: HTMLSelectElement } {
  const node = element('select', { id, style: `--items:${widestEm(options.map((o) => o.text)).toFixed(3)}` });
  for (const option of options) node.append(element('option', { value: option.value, 'data-key': option.key }, option.text));
  if (chosen !== undefined) node.value = chosen;
  const row = element('div', { class: 'field' }, element('label', { for: id }, label), node);
  return { row, select: node };
}

export function checkbox(id: string, label: string, checked: boolean): { row: HTMLElement; input: HTMLInputElement } {
  const input = element('input', { id, type: 'checkbox' });
  input.checked = checked;
  const row = element('div', { class: 'check' }, input, element('label', { for: id }, label));
  return { row, input };
}

export function group(id: string, legend: string, ...children: (Node | null)[]): HTMLFieldSetElement {
  return element('fieldset', { id }, element('legend', {}, legend), ...children);
}

// One line of text read out when it changes (results, errors): the page's live region.
export function announce(text: string): void {
  const region = document.getElementById('liveRegion');
  if (region) region.textContent = text;
}

// A message the user must see before going on; the page's own dialog, keyboard and screen
// reader friendly, instead of the browser's alert.
// A message in a dialog; with `offer`, a button for it beside the one that closes: the promise
// says whether it was pressed.
export function showMessage(title: string, text: string, closeCaption = 'OK', offer?: string): Promise<boolean> {
  return new Promise((resolve) => {
    const done = (taken: boolean) => {
      dialog.close();
      dialog.remove();
      resolve(taken);
    };
    const take = offer === undefined ? null : button('cmdMessageOffer', offer, () => done(true));
    const close = button('cmdMessageOk', closeCaption, () => done(false));
    const dialog = element('dialog', { id: 'messageDialog', 'aria-labelledby': 'messageTitle' },
      element('h2', { id: 'messageTitle' }, title), element('p', { class: 'message' }, text),
      take ? element('div', { class: 'buttons' }, take, close) : close);
    dialog.addEventListener('cancel', (e) => { e.preventDefault(); done(false); });
    document.body.append(dialog);
    dialog.showModal();
    (take ?? close).focus();
  });
}
