// Inside a Web Worker: the lab's random run, which at a million atoms over thousands of steps
// takes seconds. The worker's module reads the nuclide table once, builds the same chain as the
// page and hands back the atoms, decays and moves for the page's module to take over.
import { onRequest } from '../core/workerRegistry';
import type { CustomTexts, LabModel } from './labModel';

let loaded = false;

onRequest('labRandom', (model, request, post) => {
  const lab = model as LabModel;
  if (!loaded) {
    lab.labLoad(String(request.nuclides));
    loaded = true;
  }
  const chosen = request.custom
    ? lab.labChooseCustom(request.custom as CustomTexts)
    : lab.labChooseTable(String(request.start), Number(request.threshold));
  const outcome = chosen.chain ? lab.labRun(request.texts as object, true, String(request.seed)) : null;
  if (!outcome?.ran) {
    post({ kind: 'labRandom', ran: false });
    return;
  }
  const { series } = lab.labSeries()!;
  post({ kind: 'labRandom', ran: true, values: series.values, decays: series.decays, flows: lab.labSeriesFlows() });
});
