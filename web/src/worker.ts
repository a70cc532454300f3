// A Web Worker of the page: it instantiates the compiled model the page sends first, then runs
// what the page asks of it. Each part registers its handlers in an import below.
import { instantiate } from './core/model';
import { handlers } from './core/workerRegistry';
import './experiment/experimentWorker';
import './nuclides/labWorker';

const scope = self as unknown as { onmessage: ((event: MessageEvent) => void) | null; postMessage(message: unknown): void };
let ready: Promise<unknown> | undefined;

scope.onmessage = async (event) => {
  const request = event.data as Record<string, unknown>;
  if (request.kind === 'module') {
    ready = instantiate(request.module as WebAssembly.Module);
    return;
  }
  const model = await ready;
  const handler = handlers[String(request.kind)];
  if (handler) await handler(model, request, (message) => scope.postMessage(message));
};
