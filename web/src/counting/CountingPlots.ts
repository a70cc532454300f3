// The words of the counting lab's results, from what the model counted; its charts come from the model.
import { model, type ModelMessage, type NumberModel } from '../core/model';
import { tr } from '../core/i18n';
import { significant, withUncertainty } from '../core/numbers';
import type { DatedAge, Interval } from './countingModel';

const C = 'CountingLab';

// An age's kind, as the model words it, in the user's language.
export function ageLabel(label: ModelMessage): string {
  return tr(C, label.pattern, ...label.values.map((v) => v.text ?? String(v.number)));
}

export function ageText(age: DatedAge): string {
  if (age.lowerLimit) return tr(C, 'older than %1 y BP (95 %)', significant(age.age, 2));
  return tr(C, '%1 y BP', interval(age.age, age.minus, age.plus));
}

// A value with its interval below and above, rounded as an uncertainty is (the model's
// roundToUncertainty), by the smaller side: "31,000 (−3,400/+6,100)".
export function interval(value: number, minus: number, plus: number): string {
  const least = Math.min(minus, plus);
  if (!(least > 0) || !Number.isFinite(value)) return significant(value, 3);
  const place = 10 ** model<NumberModel>().roundToUncertainty(value, least).place;
  const shown = (x: number) => {
    if (!Number.isFinite(x)) return '\u221E';
    const rounded = Math.round(x / place) * place;
    const digits = rounded === 0 ? 1 : Math.floor(Math.log10(Math.abs(rounded)) - Math.log10(place)) + 1;
    return significant(rounded, Math.max(digits, 1));
  };
  return `${shown(value)} (\u2212${shown(minus)}/+${shown(plus)})`;
}

// The count rate of an interval to the precision its counts carry: "2,400 ± 400".
export function rateText(counted: Interval): string {
  const length = counted.end - counted.start;
  return withUncertainty(counted.counts / length, Math.sqrt(Math.max(counted.counts, 1)) / length);
}
