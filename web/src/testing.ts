// What the browser tests reach besides the controls: the model itself, and a fixed seed for
// the random runs so that the page's files can be compared with the desktop's.
import { model } from './core/model';
import { worstCaseMilliseconds } from './experiment/ExperimentRuns';

declare global {
  interface Window {
    atomdrift: { model: () => unknown; seed: string | null; experimentBenchmark: (runs?: number) => Promise<number> };
  }
}

export function testHooks(): void {
  window.atomdrift = { model: () => model<unknown>(), seed: null, experimentBenchmark: worstCaseMilliseconds };
}

// A seed for a random run: the fixed one a test set, else one from the browser's generator.
export function randomSeed(): string {
  if (window.atomdrift?.seed) return window.atomdrift.seed;
  const words = crypto.getRandomValues(new Uint32Array(2));
  return (BigInt(words[0]) * 4294967296n + BigInt(words[1])).toString();
}
