// The counter's loudspeaker and lamp. The loudspeaker is the Web Audio API: a short decaying burst
// of noise per click, as a Geiger counter's sounds. Browsers start an AudioContext only from a
// user's action, so the first press of a counting command makes it.

// A loudspeaker cannot sound more distinct clicks than this; the lamp shows each count as long.
export const mostClicksPerSecond = 30;
export const flashSeconds = 0.06;
// Under reduced motion the lamp changes at most this often: lit while counts keep coming.
const calmSeconds = 0.5;
const clickSeconds = 0.004;

let context: AudioContext | null = null;
let noise: AudioBuffer | null = null;

// Made on a user's action; later calls only wake it.
export function wakeAudio(): void {
  try {
    if (!context) {
      context = new AudioContext();
      const length = Math.ceil(context.sampleRate * clickSeconds);
      noise = context.createBuffer(1, length, context.sampleRate);
      const samples = noise.getChannelData(0);
      // Noise under an exponential envelope of a fifth of the click, so that it ends in silence.
      for (let i = 0; i < length; ++i) samples[i] = (Math.random() * 2 - 1) * Math.exp(-i / (length / 5));
    }
    if (context.state === 'suspended') void context.resume();
  } catch {
    context = null; // no sound device: the counter stays silent
  }
}

function sound(): void {
  if (!context || !noise) return;
  const source = context.createBufferSource();
  source.buffer = noise;
  source.connect(context.destination);
  source.start();
}

export function reducedMotion(): boolean {
  return window.matchMedia?.('(prefers-reduced-motion: reduce)').matches ?? false;
}

// Clicks and lamp for the counts of each frame; at high rates the clicks come no faster than a
// loudspeaker sounds them apart, and the lamp stays lit.
export class Clicker {
  clicks = 0; // the loudspeaker's clicks since the page opened
  private sinceClick = 1; // real seconds since the last click
  private lampLeft = 0; // real seconds the lamp stays lit
  lamp: HTMLElement | null = null;
  litText = 'lit';
  darkText = 'dark';

  counted(newCounts: number, realSeconds: number, soundOn: boolean): void {
    this.sinceClick += realSeconds;
    this.lampLeft = Math.max(this.lampLeft - realSeconds, 0);
    if (newCounts > 0) {
      this.lampLeft = reducedMotion() ? calmSeconds : flashSeconds;
      if (soundOn && this.sinceClick >= 1 / mostClicksPerSecond) {
        sound();
        ++this.clicks;
        this.sinceClick = 0;
      }
    }
    this.showLamp();
  }

  lit(): boolean {
    return this.lampLeft > 0;
  }

  litMilliseconds(): number {
    return this.lampLeft * 1000;
  }

  off(): void {
    this.lampLeft = 0;
    this.showLamp();
  }

  showLamp(): void {
    if (!this.lamp) return;
    const lit = this.lit();
    if (this.lamp.dataset.lit === String(lit)) return;
    this.lamp.classList.toggle('lit', lit);
    this.lamp.dataset.lit = String(lit);
    this.lamp.setAttribute('aria-description', lit ? this.litText : this.darkText);
  }
}
