// The page's texts in four languages, from the desktop's translations: tr(context, source) looks
// the English source up in the context the desktop's window uses, and %1, %2, ... take values.
import { language, locale } from './language';
import type { ModelMessage, ModelReport } from './model';
import { count, interval, significant, withUncertainty } from './numbers';

// %1 ... %9 replaced in one pass, so that a value holding "%2" stays as it is.
export function fillIn(pattern: string, values: readonly string[]): string {
  return pattern.replace(/%([1-9])/g, (whole, digit) => values[Number(digit) - 1] ?? whole);
}

export function tr(context: string, source: string, ...values: (string | number)[]): string {
  const table = window.ATOMDRIFT_DATA.translations[language()];
  const text = (table && table[`${context}\u0004${source}`]) ?? source;
  return values.length ? fillIn(text, values.map(String)) : text;
}

// A model message in the user's language, its pattern translated in `context`, its numbers
// written in the user's way with the digits the model gives them, and a time unit's symbol as
// the nuclide lab writes it.
export function messageText(message: ModelMessage, context: string): string {
  if (!message.pattern) return '';
  return fillIn(tr(context, message.pattern), message.values.map(valueText));
}

function valueText(v: ModelMessage['values'][number]): string {
  if (v.message) return messageText(v.message, v.context ?? 'ModelText');
  if (v.number === undefined) return v.unit ? tr('NuclideLab', v.text ?? '') : v.text ?? '';
  switch (v.form) {
    case 'whole': return Number.isFinite(v.number) ? count(v.number) : significant(v.number, 6);
    case 'uncertain': return withUncertainty(v.number, v.plus ?? 0);
    case 'interval': return interval(v.number, v.minus ?? 0, v.plus ?? 0);
    default: return significant(v.number, v.digits ?? 6);
  }
}

// A report of the model: its lines one under another, the sentences of a line after one another.
export function reportText(report: ModelReport, context: string): string {
  return report.map((line) => line.map((sentence) => messageText(sentence, context)).join(' ')).join('\n');
}

// A sentence of the model in the user's language.
export function modelText(message: ModelMessage): string {
  return messageText(message, 'ModelText');
}

export function decimalPoint(): string {
  return (1.5).toLocaleString(locale()).charAt(1);
}

// A longer text of the desktop's windows, found by its first words in its context's sources,
// in the user's language.
export function trText(context: string, start: string): string {
  const source = window.ATOMDRIFT_DATA.sources[context]?.find((s) => s.startsWith(start));
  if (source === undefined) throw new Error(`no text in ${context} starts with "${start}"`);
  return tr(context, source);
}

