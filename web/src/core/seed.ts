// Seeds of the random runs: an open lesson's seeds for its student, else the fixed one a test set
// on window.atomdrift (testing.ts), else one from the browser's generator.

// The kinds of random action a lesson tells apart: a run takes the student's seed itself, every
// other kind a seed of its own for each time the student does it (counted from 0), as the
// lesson's marking makes them again.
export type Draw = 'Run' | 'Background' | 'Counter' | 'DatingSample' | 'DatingCount' | 'Repeat' | 'Silver';

let lesson: { seed: string; derive: (draw: Draw, count: number) => string; done: Map<Draw, number> } | null = null;

// A lesson's student makes every random action with the seed the lesson marks against; a new
// student (a new seed) starts counting the actions again.
export function useLessonSeed(seed: string | null, derive?: (draw: Draw, count: number) => string): void {
  if (seed === null || !derive) lesson = null;
  else if (!lesson || lesson.seed !== seed) lesson = { seed, derive, done: new Map() };
}

// The seed of the next action of kind `draw`; drawDone counts it once the action is done, so
// that an action refused (a wrong entry) does not use up a seed.
export function randomSeed(draw: Draw = 'Run'): string {
  if (lesson) return draw === 'Run' ? lesson.seed : lesson.derive(draw, lesson.done.get(draw) ?? 0);
  if (window.atomdrift?.seed) return window.atomdrift.seed;
  const words = crypto.getRandomValues(new Uint32Array(2));
  return (BigInt(words[0]) * 4294967296n + BigInt(words[1])).toString();
}

export function drawDone(draw: Draw): void {
  if (lesson) lesson.done.set(draw, (lesson.done.get(draw) ?? 0) + 1);
}
