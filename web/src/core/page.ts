// One part of the page, reached from the navigation. A part keeps its state in itself and draws
// itself anew into `root` when it is shown and when the language changes.
export interface Page {
  id: string; // the address after #, and the id of its navigation button without "nav"
  caption(): string;
  render(root: HTMLElement): void;
  leave?(): void; // stops what runs (timers, sound) when another part is shown
}
