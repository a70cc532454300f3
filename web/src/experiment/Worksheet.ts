// The class experiment's worksheet: parameters, chart, half-life table and questions on one
// printed page, laid out by the print style sheet.
import { element } from '../core/dom';
import { decimalPoint, tr } from '../core/i18n';
import type { Summary } from './experimentModel';

const C = 'ClassExperiment';
const W = 'WorksheetPage';

// A number with at most `digits` significant digits, trailing zeros dropped, in powers of ten
// below 10^-4 and from 10^digits on (C's %g, as the desktop writes q and r).
export function generalNumber(value: number, digits: number): string {
  if (!Number.isFinite(value)) return '\u2014';
  if (value === 0) return '0';
  const [mantissa, exponent] = value.toExponential(digits - 1).split('e');
  const power = Number(exponent);
  const trim = (text: string) => (text.includes('.') ? text.replace(/0+$/, '').replace(/\.$/, '') : text);
  let text: string;
  if (power < -4 || power >= digits) {
    const magnitude = String(Math.abs(power)).padStart(2, '0');
    text = `${trim(mantissa)}e${power < 0 ? '-' : '+'}${magnitude}`;
  } else {
    text = trim(value.toFixed(Math.max(digits - 1 - power, 0)));
  }
  return text.replace('.', decimalPoint());
}

export function worksheet(s: Summary, chartImage: string, rows: [string, string, string][], halfLives: string): HTMLElement {
  const table = element('table', {}, element('thead', {}, element('tr', {}, element('td', {}),
    element('th', { scope: 'col' }, tr(C, 'Class mean')), element('th', { scope: 'col' }, tr(C, 'Standard deviation')))));
  const body = element('tbody', {});
  for (const [caption, mean, sd] of rows)
    body.append(element('tr', {}, element('th', { scope: 'row' }, caption), element('td', {}, mean), element('td', {}, sd)));
  table.append(body);
  const questions = [
    'Your own run is one of the thin lines. At which step did your atoms first fall to half of N0? How far is that from the class mean, measured in standard deviations?',
    'The class mean follows N0·(1−q)^t, not N0·e^(−r·t). Why? Which of the two half-lives in the table does the class find?',
    'How would the ±1σ band of the class change with four times as many atoms? Guess first, then try it in the program.',
  ] as const;
  return element('section', { id: 'worksheet', class: 'worksheet' },
    element('h1', {}, tr(C, 'Atomdrift — Class experiment')),
    element('p', { class: 'name-line' }, tr(W, 'Name: ______________________________     Date: ________________')),
    element('p', {}, tr(C, 'Every student of a class of %1 let %2 atoms decay, one random draw per atom and step, with the decay rate r = %3 per step, up to step %4 (seed %5). A draw decays with the exact probability q = %6.',
      s.runs, s.atoms, generalNumber(s.rate, 10), s.lastStep, s.seed, generalNumber(s.q, 10))),
    element('img', { src: chartImage, alt: tr(C, 'Chart of the class experiment') }),
    table,
    element('p', { class: 'message' }, halfLives),
    element('h2', {}, tr(W, 'Questions')),
    element('ol', {}, ...questions.map((q) => element('li', {}, tr(C, q), element('span', { class: 'answer-line' }), element('span', { class: 'answer-line' })))));
}
