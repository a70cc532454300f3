// The C++ model in WebAssembly. Each part of the page declares the functions it calls in an
// interface of its own and reads them from `model()`.
import createAtomdrift from 'atomdrift-wasm';

export interface ModelMessage {
  pattern: string;
  values: { text?: string; number?: number; unit?: boolean }[]; // unit: the text is a time unit's symbol
}

export interface NumberModel {
  roundToUncertainty(value: number, uncertainty: number): { value: number; uncertainty: number; place: number };
  leadingPower(value: number, digits: number): number;
}

declare global {
  interface Window {
    ATOMDRIFT_DATA: { wasm: string; nuclides: string; feedings: string; translations: Record<string, Record<string, string>>; sources: Record<string, string[]> };
  }
}

let loaded: unknown;
let compiled: WebAssembly.Module | undefined;

function bytesOf(base64: string): Uint8Array {
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return bytes;
}

// Compiles the module once; the workers of the class experiment get the compiled module.
export async function loadModel(): Promise<void> {
  compiled = await WebAssembly.compile(bytesOf(window.ATOMDRIFT_DATA.wasm) as BufferSource);
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
