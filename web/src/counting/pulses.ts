// The pulse detector for the page: on the audio thread for a live input (pulseWorklet.ts), and on
// the page for a recording, the same WebAssembly module with the same samples either way.
import { bytesOf } from '../core/model';
import type { PulseExports, PulseOptions } from './pulseWorklet';

declare const ATOMDRIFT_WORKLET_SOURCE: string;

export interface PulseReport {
  samples: number; clipped: number; gaps: number; lost: number;
  silent: boolean; pumping: boolean; drifting: boolean;
  noiseFloor: number; threshold: number; holdOff: number; time: number;
  gapStarts: Float64Array; gapSeconds: Float64Array; // the stretches the input lost, in seconds
}
export interface WaveReport extends PulseReport { low: Float32Array; high: Float32Array; stretch: number; sampleRate: number }

function pulseBytes(): ArrayBuffer {
  return bytesOf(window.ATOMDRIFT_DATA.pulses).buffer as ArrayBuffer;
}

// The detector for a recording, handed its samples (mono, full scale ±1) a piece at a time, so
// that a recording of hours never has to be held whole.
export interface RecordingDetector {
  feed(samples: Float32Array): void;
  // The samples fed so far.
  samples(): number;
  // The pulses' times in seconds, and what the detector noticed.
  finish(): { times: Float64Array; report: PulseReport };
}

export async function recordingDetector(sampleRate: number, factor: number, holdOff: number): Promise<RecordingDetector> {
  const { instance } = await WebAssembly.instantiate(pulseBytes(), {
    env: { emscripten_notify_memory_growth: () => undefined },
    wasi_snapshot_preview1: { proc_exit: () => { throw new Error('The pulse detector ran out of memory.'); } },
  });
  const x = instance.exports as unknown as PulseExports;
  x._initialize();
  x.pulsesStart(sampleRate, factor, holdOff);
  const times: number[] = [];
  const take = (found: number) => { for (const t of new Float64Array(x.memory.buffer, x.pulsesTimes(), found)) times.push(t); };
  let at = 0; // the next sample's number in the recording
  return {
    feed(samples: Float32Array): void {
      // In blocks as the sound system hands them.
      const block = 1 << 16;
      for (let i = 0; i < samples.length; i += block) {
        const part = samples.subarray(i, Math.min(samples.length, i + block));
        new Float32Array(x.memory.buffer, x.pulsesInput(part.length), part.length).set(part);
        take(x.pulsesProcess(at, 0));
        at += part.length;
      }
    },
    samples: () => at,
    finish() {
      take(x.pulsesProcess(0, 1));
      const r = (what: number) => x.pulsesReport(what);
      const gaps = [...Array(r(2)).keys()];
      return { times: Float64Array.from(times), report: { samples: r(0), clipped: r(1), gaps: r(2), lost: r(3), silent: r(4) > 0, pumping: r(5) > 0,
        drifting: r(6) > 0, noiseFloor: r(7), threshold: r(8), holdOff: r(9), time: r(10),
        gapStarts: Float64Array.from(gaps, (i) => x.pulsesGapStart(i)), gapSeconds: Float64Array.from(gaps, (i) => x.pulsesGapSeconds(i)) } };
    },
  };
}

// What a live input reports to the page.
export interface Listener {
  pulses(times: Float64Array): void;
  wave(report: WaveReport): void;
  // The input stopped by itself (a device unplugged); what was counted stays.
  ended(): void;
}

export interface Listening {
  settings: MediaTrackSettings;
  // The browser's processing that stayed on although asked off: "echoCancellation", ...
  processingOn: string[];
  sampleRate: number;
  setDetector(factor: number, holdOff: number): void;
  stop(): Promise<void>;
}

// Why the input could not be opened: no device, permission refused, or no way to ask.
export class InputRefused extends Error {
  constructor(readonly reason: 'none' | 'denied' | 'unsupported' | 'failed', detail: string) { super(detail); }
}

const processing = ['echoCancellation', 'noiseSuppression', 'autoGainControl'] as const;

// The sound input, its processing off, through the detector on the audio thread.
export async function listen(deviceId: string | null, factor: number, holdOff: number, listener: Listener): Promise<Listening> {
  if (!navigator.mediaDevices?.getUserMedia || typeof AudioWorkletNode === 'undefined') throw new InputRefused('unsupported', '');
  let stream: MediaStream;
  try {
    stream = await navigator.mediaDevices.getUserMedia({
      audio: { deviceId: deviceId ? { exact: deviceId } : undefined, echoCancellation: false, noiseSuppression: false, autoGainControl: false, channelCount: 1 },
    });
  } catch (error) {
    const name = (error as DOMException)?.name ?? '';
    throw new InputRefused(name === 'NotAllowedError' || name === 'SecurityError' ? 'denied' : name === 'NotFoundError' || name === 'OverconstrainedError' ? 'none' : 'failed', String(error));
  }
  const track = stream.getAudioTracks()[0];
  const settings = track.getSettings();
  // Asked off, each must read false; a browser that does not say is not trusted either.
  const processingOn = processing.filter((name) => settings[name] !== false);
  const context = new AudioContext();
  // From a data: address: a worklet takes no blob: script from a page opened as a file, whose
  // origin is opaque.
  await context.audioWorklet.addModule(`data:text/javascript;charset=utf-8,${encodeURIComponent(ATOMDRIFT_WORKLET_SOURCE)}`);
  const options: PulseOptions = { bytes: pulseBytes(), factor, holdOff };
  const node = new AudioWorkletNode(context, 'atomdrift-pulses', { numberOfInputs: 1, numberOfOutputs: 1, outputChannelCount: [1], processorOptions: options });
  node.port.onmessage = (event: MessageEvent) => {
    const m = event.data as { kind: string; times?: Float64Array } & WaveReport;
    if (m.kind === 'pulses' && m.times) listener.pulses(m.times);
    if (m.kind === 'report') listener.wave(m);
  };
  const source = context.createMediaStreamSource(stream);
  // The node must be pulled to run; its output is silence into a muted gain.
  const mute = context.createGain();
  mute.gain.value = 0;
  source.connect(node).connect(mute).connect(context.destination);
  let stopped = false;
  const stop = async () => {
    if (stopped) return;
    stopped = true;
    node.port.postMessage({ kind: 'stop' });
    // The last pulses and report arrive before the context closes.
    await new Promise((done) => setTimeout(done, 100));
    for (const t of stream.getTracks()) t.stop();
    await context.close();
  };
  track.addEventListener('ended', () => { void stop().then(() => listener.ended()); });
  if (context.state === 'suspended') await context.resume();
  return {
    settings, processingOn, sampleRate: context.sampleRate,
    setDetector: (f, h) => node.port.postMessage({ kind: 'settings', factor: f, holdOff: h }),
    stop,
  };
}

// The sound inputs there are; their names only once the page may listen.
export async function inputDevices(): Promise<MediaDeviceInfo[]> {
  try {
    return (await navigator.mediaDevices?.enumerateDevices() ?? []).filter((d) => d.kind === 'audioinput');
  } catch {
    return [];
  }
}
