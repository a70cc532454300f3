// One part of the page, reached from the navigation. A part keeps its state in itself and draws
// itself anew into `root` when it is shown and when the language changes.
export interface Page {
  id: string; // the address after #, and the id of its navigation button without "nav"
  caption(): string;
  render(root: HTMLElement): void;
  leave?(): void; // stops what runs (timers, sound) when another part is shown
  // A lesson's view of the part where its fields alone do not tell it: the entries by control
  // name as the fields show them, the lesson's entries put in, the student's seed for the random
  // runs, and the part's data file for a hand-in ("" before a run).
  lessonEntries?(): Record<string, string>;
  applyLesson?(entries: Record<string, string>): void;
  lessonSeed?(seed: string): void;
  lessonData?(): string;
  // The page's id of a lesson's control name and back, where the two differ (members counted
  // from 0 on the page, from 1 in a lesson).
  lessonControlId?(name: string): string;
  lessonControlName?(id: string): string;
  // Takes a radioactive nuclide of the table into the part's list of nuclides and chooses it.
  offerNuclide?(symbol: string): void;
}
