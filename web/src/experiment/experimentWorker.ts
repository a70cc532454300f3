// Inside a Web Worker: a range of the class's runs. The counts go back to the page in one
// message; on the way the worker reports the run-steps done, at most about sixty times a second.
import { onRequest } from '../core/workerRegistry';
import type { EnsembleTexts, ExperimentModel } from './experimentModel';

const reportEvery = 16; // ms

onRequest('experimentRuns', (model, request, post) => {
  const { texts, first, last } = request as unknown as { texts: EnsembleTexts; first: number; last: number };
  let pending = 0;
  let reported = performance.now();
  const progress = (steps: number) => {
    pending += steps;
    const now = performance.now();
    if (now - reported >= reportEvery) {
      post({ kind: 'experimentProgress', steps: pending });
      pending = 0;
      reported = now;
    }
  };
  const counts = (model as ExperimentModel).ensembleRuns(texts, first, last, progress);
  post({ kind: 'experimentProgress', steps: pending });
  post({ kind: 'experimentRuns', first, counts });
});
