// The emscripten glue of the model's module (build-web/web/atomdrift_web.mjs).
export default function createAtomdrift(options: {
  wasmBinary?: Uint8Array;
  instantiateWasm?: (imports: WebAssembly.Imports, done: (instance: WebAssembly.Instance, module: WebAssembly.Module) => void) => object;
}): Promise<unknown>;
