// Inside the page's AudioWorklet, on the audio thread: every block of sound from the input goes
// through the pulse detector (the model's, compiled to WebAssembly on its own), and the pulses
// found, a coarse picture of the waveform and what the detector noticed go to the page.

// What the audio thread's scope offers.
declare const currentFrame: number;
declare const sampleRate: number;
declare class AudioWorkletProcessor {
  readonly port: MessagePort;
  constructor(options?: unknown);
}
declare function registerProcessor(name: string, processor: new (options: { processorOptions: PulseOptions }) => AudioWorkletProcessor): void;

export interface PulseOptions { bytes: ArrayBuffer; factor: number; holdOff: number }

// The detector module's exports (web/wasm/PulseWorklet.cpp).
export interface PulseExports {
  memory: WebAssembly.Memory;
  _initialize(): void;
  pulsesStart(rate: number, factor: number, holdOff: number): void;
  pulsesSettings(factor: number, holdOff: number): void;
  pulsesInput(count: number): number;
  pulsesProcess(firstSample: number, flush: number): number;
  pulsesTimes(): number;
  pulsesReport(what: number): number;
  pulsesGapStart(i: number): number;
  pulsesGapSeconds(i: number): number;
}

// The waveform strip: the least and greatest sample of every stretch this long, sent every tenth
// of a second or so.
const kStretch = 64;
const kReportEvery = 4096;

class PulseProcessor extends AudioWorkletProcessor {
  private x: PulseExports;
  private low: number[] = [];
  private high: number[] = [];
  private stretchLow = Infinity;
  private stretchHigh = -Infinity;
  private inStretch = 0;
  private sinceReport = 0;
  private stopped = false;
  private firstFrame: number | null = null; // the context's frame of the stream's first sample

  constructor(options: { processorOptions: PulseOptions }) {
    super();
    const { bytes, factor, holdOff } = options.processorOptions;
    const instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), {
      env: { emscripten_notify_memory_growth: () => undefined },
      wasi_snapshot_preview1: { proc_exit: () => { throw new Error('The pulse detector ran out of memory.'); } },
    });
    this.x = instance.exports as unknown as PulseExports;
    this.x._initialize();
    this.x.pulsesStart(sampleRate, factor, holdOff);
    this.port.onmessage = (event: MessageEvent) => {
      const m = event.data as { kind: string; factor?: number; holdOff?: number };
      if (m.kind === 'settings') this.x.pulsesSettings(m.factor ?? 6, m.holdOff ?? 0.5e-3);
      if (m.kind === 'stop') this.stop();
    };
  }

  private stop(): void {
    if (this.stopped) return;
    this.stopped = true;
    this.send(this.x.pulsesProcess(0, 1));
    this.report();
  }

  private send(found: number): void {
    if (found <= 0) return;
    const times = new Float64Array(this.x.memory.buffer, this.x.pulsesTimes(), found).slice();
    this.port.postMessage({ kind: 'pulses', times }, [times.buffer]);
  }

  private report(): void {
    const r = (what: number) => this.x.pulsesReport(what);
    const gaps = [...Array(r(2)).keys()];
    this.port.postMessage({
      gapStarts: Float64Array.from(gaps, (i) => this.x.pulsesGapStart(i)), gapSeconds: Float64Array.from(gaps, (i) => this.x.pulsesGapSeconds(i)),
      kind: 'report', low: Float32Array.from(this.low), high: Float32Array.from(this.high), stretch: kStretch, sampleRate,
      samples: r(0), clipped: r(1), gaps: r(2), lost: r(3), silent: r(4) > 0, pumping: r(5) > 0, drifting: r(6) > 0,
      noiseFloor: r(7), threshold: r(8), holdOff: r(9), time: r(10),
    });
    this.low = [];
    this.high = [];
  }

  process(inputs: Float32Array[][]): boolean {
    if (this.stopped) return false;
    const channel = inputs[0]?.[0];
    if (!channel || channel.length === 0) return true;
    const at = this.x.pulsesInput(channel.length);
    new Float32Array(this.x.memory.buffer, at, channel.length).set(channel);
    // The block's place in the stream: a later one than expected is a buffer the system dropped.
    this.firstFrame ??= currentFrame;
    this.send(this.x.pulsesProcess(currentFrame - this.firstFrame, 0));
    for (const s of channel) {
      if (s < this.stretchLow) this.stretchLow = s;
      if (s > this.stretchHigh) this.stretchHigh = s;
      if (++this.inStretch === kStretch) {
        this.low.push(this.stretchLow);
        this.high.push(this.stretchHigh);
        this.stretchLow = Infinity;
        this.stretchHigh = -Infinity;
        this.inStretch = 0;
      }
    }
    this.sinceReport += channel.length;
    if (this.sinceReport >= kReportEvery) {
      this.sinceReport = 0;
      this.report();
    }
    return true;
  }
}

registerProcessor('atomdrift-pulses', PulseProcessor);
