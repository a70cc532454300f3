// Seeds of the random runs: an open lesson's seed for its student, else the fixed one a test set
// on window.atomdrift (testing.ts), else one from the browser's generator.
let lessonSeed: string | null = null;

// A lesson's student makes every random run with the seed the lesson marks against.
export function useLessonSeed(seed: string | null): void {
  lessonSeed = seed;
}

export function randomSeed(): string {
  if (lessonSeed) return lessonSeed;
  if (window.atomdrift?.seed) return window.atomdrift.seed;
  const words = crypto.getRandomValues(new Uint32Array(2));
  return (BigInt(words[0]) * 4294967296n + BigInt(words[1])).toString();
}
