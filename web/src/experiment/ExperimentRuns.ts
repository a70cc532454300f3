// The class's runs on Web Workers, one per core. The model has no threads in the browser, so the
// page deals out ranges of runs as the desktop's threads take runs: the next range to the worker
// that is free. Each run's seed depends on the class seed and its index alone, so the class is the
// desktop's whatever worker made which run. Cancel ends the workers at once; new ones start with
// the next class.
import { compiledModel } from '../core/model';
import type { EnsembleTexts } from './experimentModel';

declare const ATOMDRIFT_WORKER_SOURCE: string;

export interface EnsembleJob {
  texts: EnsembleTexts;
  runs: number;
  steps: number; // counts per run: the last step + 1
  onProgress?: (steps: number) => void;
}

// About four ranges for each worker: small enough to share out the work evenly, large enough
// that the messages cost nothing beside the runs.
const rangesPerWorker = 4;

export function workerCount(): number {
  return Math.max(navigator.hardwareConcurrency || 1, 1);
}

let workerUrl: string | undefined;
let pool: Worker[] = [];
let stopCurrent: (() => void) | undefined;

function startWorker(): Worker {
  workerUrl ??= URL.createObjectURL(new Blob([ATOMDRIFT_WORKER_SOURCE], { type: 'text/javascript' }));
  const worker = new Worker(workerUrl);
  worker.postMessage({ kind: 'module', module: compiledModel() });
  return worker;
}

function workers(count: number): Worker[] {
  while (pool.length < count) pool.push(startWorker());
  return pool.slice(0, count);
}

// The ranges [first, last) of `runs` runs for `count` workers.
export function runRanges(runs: number, count: number): [number, number][] {
  const size = Math.max(Math.ceil(runs / (count * rangesPerWorker)), 1);
  const ranges: [number, number][] = [];
  for (let first = 0; first < runs; first += size) ranges.push([first, Math.min(first + size, runs)]);
  return ranges;
}

// Every run's counts, run after run; null when cancelled.
export function runEnsemble(job: EnsembleJob): Promise<Int16Array | null> {
  cancelEnsemble();
  const team = workers(Math.min(workerCount(), job.runs));
  const ranges = runRanges(job.runs, team.length);
  const counts = new Int16Array(job.runs * job.steps);
  return new Promise((resolve, reject) => {
    let next = 0;
    let finished = 0;
    const detach = () => { for (const worker of team) { worker.onmessage = null; worker.onerror = null; } };
    stopCurrent = () => { detach(); resolve(null); };
    const give = (worker: Worker) => {
      if (next >= ranges.length) return;
      const [first, last] = ranges[next++];
      worker.postMessage({ kind: 'experimentRuns', texts: job.texts, first, last });
    };
    for (const worker of team) {
      worker.onmessage = (event: MessageEvent) => {
        const reply = event.data as { kind: string; steps?: number; first?: number; counts?: Int16Array | null };
        if (reply.kind === 'experimentProgress') {
          job.onProgress?.(reply.steps ?? 0);
          return;
        }
        if (!reply.counts) {
          detach();
          stopCurrent = undefined;
          reject(new Error('a worker could not make its runs'));
          return;
        }
        counts.set(reply.counts, reply.first! * job.steps);
        if (++finished === ranges.length) {
          detach();
          stopCurrent = undefined;
          resolve(counts);
        } else {
          give(worker);
        }
      };
      worker.onerror = (event) => {
        detach();
        stopCurrent = undefined;
        reject(new Error(event.message));
      };
      give(worker);
    }
  });
}

// Stops the class in progress at once: its workers end, whatever run they are in.
export function cancelEnsemble(): boolean {
  if (!stopCurrent) return false;
  const stop = stopCurrent;
  stopCurrent = undefined;
  for (const worker of pool) worker.terminate();
  pool = [];
  stop();
  return true;
}

// The desktop's benchmark of the worst case (WorstCase100Runs: 32767 atoms that never decay,
// 3000 steps, 100 runs, 9.8 G draws) on every worker, in milliseconds; the workers are started
// and their modules instantiated before the clock starts, as the desktop's threads need no start.
export async function worstCaseMilliseconds(runs = 100): Promise<number> {
  const texts = (atoms: string, lastStep: string, count: number) =>
    ({ atoms, rate: '0', lastStep, runs: String(count), seed: '1', decimalPoint: '.' });
  const warm = workerCount();
  await runEnsemble({ texts: texts('1', '1', warm), runs: warm, steps: 2 });
  const start = performance.now();
  await runEnsemble({ texts: texts('32767', '3000', runs), runs, steps: 3001 });
  return performance.now() - start;
}
