// Numbers written as the desktop writes them: significant digits with powers of ten from 10^6 on
// (whole numbers from 10^9), values with their uncertainty rounded by the model's rule.
import { locale } from './language';
import { model, type NumberModel } from './model';

const largestPlainPower = 6;
const largestPlainWholePower = 9;
const smallestPlainPower = -3;

function fixed(value: number, decimals: number): string {
  return value.toLocaleString(locale(), { minimumFractionDigits: 0, maximumFractionDigits: Math.max(decimals, 0) });
}

function exactFixed(value: number, decimals: number): string {
  const places = Math.max(decimals, 0);
  return value.toLocaleString(locale(), { minimumFractionDigits: places, maximumFractionDigits: places });
}

function plain(whole: boolean, power: number): boolean {
  return power >= smallestPlainPower && power < (whole ? largestPlainWholePower : largestPlainPower);
}

const superscripts = '\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079';

export function timesTenTo(power: number): string {
  const digits = [...String(Math.abs(power))].map((d) => superscripts[Number(d)]).join('');
  return ` \u00D7 10${power < 0 ? '\u207B' : ''}${digits}`;
}

export function significant(value: number, digits = 4): string {
  if (!Number.isFinite(value)) return '\u2014';
  if (value === 0) return '0';
  const power = model<NumberModel>().leadingPower(value, digits);
  if (plain(value === Math.floor(value), power)) return fixed(value, digits - 1 - power);
  // Below 10^-300 the power alone would lose its digits to underflow: scaled in two steps.
  const mantissa = power < -300 ? (value * 1e300) / 10 ** (power + 300) : value / 10 ** power;
  return fixed(mantissa, digits - 1) + timesTenTo(power);
}

export function withUncertainty(value: number, uncertainty: number): string {
  if (!(uncertainty > 0) || !Number.isFinite(uncertainty) || !Number.isFinite(value)) return significant(value, 6);
  const numbers = model<NumberModel>();
  const rounded = numbers.roundToUncertainty(value, uncertainty);
  const power = numbers.leadingPower(Math.max(Math.abs(rounded.value), rounded.uncertainty), 15);
  if (plain(rounded.place >= 0, power)) {
    const decimals = Math.max(-rounded.place, 0);
    return `${exactFixed(rounded.value, decimals)} \u00B1 ${exactFixed(rounded.uncertainty, decimals)}`;
  }
  const scale = 10 ** power;
  const decimals = Math.max(power - rounded.place, 0);
  return `(${exactFixed(rounded.value / scale, decimals)} \u00B1 ${exactFixed(rounded.uncertainty / scale, decimals)})${timesTenTo(power)}`;
}

// A value with its interval below and above, rounded as the model's roundInterval does:
// "31,000 (−3,400/+6,100)".
export function interval(value: number, minus: number, plus: number): string {
  const rounded = model<NumberModel>().roundInterval(value, minus, plus);
  if (!rounded.sides) return significant(value, rounded.valueDigits);
  const shown = (x: number, digits: number) => (digits === 0 ? '\u221E' : significant(x, digits));
  return `${shown(rounded.value, rounded.valueDigits)} (\u2212${shown(rounded.minus, rounded.minusDigits)}/+${shown(rounded.plus, rounded.plusDigits)})`;
}

export function decimals(value: number, places: number): string {
  return Number.isFinite(value) ? exactFixed(value, places) : '\u2014';
}

export function count(value: number): string {
  return value.toLocaleString(locale(), { maximumFractionDigits: 0 });
}
