// Inside a Web Worker: the handlers of the requests the page sends, one for each kind.
export type Post = (message: unknown) => void;
export type Handler = (model: unknown, request: Record<string, unknown>, post: Post) => void | Promise<void>;

export const handlers: Record<string, Handler> = {};

export function onRequest(kind: string, handler: Handler): void {
  handlers[kind] = handler;
}
