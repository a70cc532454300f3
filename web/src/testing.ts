// What the browser tests reach besides the controls: the model itself, and a fixed seed for
// the random runs so that the page's files can be compared with the desktop's.
import { model } from './core/model';
import type { RunModel } from './run/RunPage';
import { worstCaseMilliseconds } from './experiment/ExperimentRuns';
import { drawnChart, type DrawnChart } from './core/PlotChart';

declare global {
  interface Window {
    atomdrift: {
      model: () => unknown;
      seed: string | null;
      readyMs?: number;
      benchmarks: Record<string, () => Promise<number>>;
      experimentBenchmark: (runs?: number) => Promise<number>;
      drawnChart: (host: HTMLElement) => DrawnChart | null;
    };
  }
}

export function testHooks(): void {
  window.atomdrift = { model: () => model<unknown>(), seed: null, benchmarks: { randomWorstCase, experimentWorstCase: () => worstCaseMilliseconds(100) },
    experimentBenchmark: worstCaseMilliseconds, drawnChart };
}

// The random run's worst case, timed in the page: 32,767 atoms that never decay over 3,001
// steps, the best of five runs in milliseconds. The run state is the decay run's own, so the
// window's last step is put back afterwards.
async function randomWorstCase(): Promise<number> {
  const run = model<RunModel>();
  let best = Infinity;
  for (let i = 0; i < 5; ++i) {
    run.loadLastStep('3000');
    const start = performance.now();
    run.runRandom({ atoms: '32767', rate: '0', lastStep: '3000', decimalPoint: '.' }, String(i + 1));
    best = Math.min(best, performance.now() - start);
    await new Promise((resolve) => setTimeout(resolve, 0));
  }
  run.invalidate();
  return best;
}
