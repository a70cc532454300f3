// Seeds of the random runs: the fixed one a test set on window.atomdrift (testing.ts), else one
// from the browser's generator.
export function randomSeed(): string {
  if (window.atomdrift?.seed) return window.atomdrift.seed;
  const words = crypto.getRandomValues(new Uint32Array(2));
  return (BigInt(words[0]) * 4294967296n + BigInt(words[1])).toString();
}
