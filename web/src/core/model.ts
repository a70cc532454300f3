// The C++ model in WebAssembly. Each part of the page declares the functions it calls in an
// interface of its own, named ...Model, and reads them from `model()`; scripts/check-bindings.mjs
// holds these interfaces and the bindings to each other.
import createAtomdrift from 'atomdrift-wasm';

export interface ModelMessage {
  pattern: string;
  // unit: the text is a time unit's symbol; digits: the significant digits a number is written with
  // form: how a number is written with its uncertainty (`plus`) or interval (`minus`, `plus`);
  // message: a sentence or word of its own, translated in `context`
  values: { text?: string; number?: number; digits?: number; unit?: boolean; form?: 'whole' | 'uncertain' | 'interval'; minus?: number; plus?: number;
    message?: ModelMessage; context?: string }[];
  // A refusal's change of the entries that takes its cause away: each entry (remedyEntries) with its value.
  remedy?: { changes: { entry: number; value: number }[]; offer: ModelMessage };
}
// The entries a remedy changes, in the model's order.
export const remedyEntries = ['Step', 'Steps', 'PointsPerDecade', 'Efficiency', 'RepeatSeconds'] as const;
export type RemedyEntry = typeof remedyEntries[number];

// Sentences shown as one text: the lines, each of sentences one after another.
export type ModelReport = ModelMessage[][];

// A value of one of the model's enums as the module hands it over: the same object every time, so
// that it compares with === against the value of that name the module holds as a member.
export interface EnumValue<Enum extends string> { readonly value: number; readonly enum?: Enum }
export type ModelEnum<Enum extends string, Names extends string> = Readonly<Record<Names, EnumValue<Enum>>>;

// `place` is the power of ten of the last digit kept: -2 for hundredths.
export interface RoundedValue { value: number; uncertainty: number; place: number }

export interface RoundedInterval { value: number; minus: number; plus: number; valueDigits: number; minusDigits: number; plusDigits: number; sides: boolean }

export interface NumberModel {
  roundToUncertainty(value: number, uncertainty: number): RoundedValue;
  roundInterval(value: number, minus: number, plus: number): RoundedInterval;
  leadingPower(value: number, digits: number): number;
}

declare global {
  interface Window {
    ATOMDRIFT_DATA: {
      wasm: string; // gzip-compressed
      nuclides: string; feedings: string; translations: Record<string, Record<string, string>>; sources: Record<string, string[]>;
      lessons: { name: string; text: string }[]; // the example lessons shipped
      shell: string; // the page's frame with the places of its styles and scripts (lesson/pageSource.ts)
      pulses: string; // the pulse detector's own module, for the audio thread (counting/pulses.ts)
    };
  }
}

let loaded: unknown;
let compiled: WebAssembly.Module | undefined;

export function bytesOf(base64: string): Uint8Array {
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return bytes;
}

// The module's bytes, kept gzip-compressed in the page.
async function moduleBytes(): Promise<ArrayBuffer> {
  if (typeof DecompressionStream === 'undefined')
    throw new Error('this browser is too old for the page (it needs Chrome or Edge 80, Firefox 113, Safari 16.4 or later)');
  const packed = new Blob([bytesOf(window.ATOMDRIFT_DATA.wasm) as BlobPart]);
  return new Response(packed.stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
}

// Compiles the module once; the workers of the class experiment get the compiled module.
export async function loadModel(): Promise<void> {
  compiled = await WebAssembly.compile(await moduleBytes());
  loaded = await instantiate(compiled);
}

export function instantiate(module: WebAssembly.Module): Promise<unknown> {
  return createAtomdrift({
    instantiateWasm(imports, done) {
      WebAssembly.instantiate(module, imports).then((instance) => done(instance, module));
      return {};
    },
  });
}

export function compiledModel(): WebAssembly.Module {
  if (!compiled) throw new Error('the model is not loaded');
  return compiled;
}

export function model<T>(): T {
  if (!loaded) throw new Error('the model is not loaded');
  return loaded as T;
}
