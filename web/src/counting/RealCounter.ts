// "Real counter": a Geiger counter's clicks through the sound input, or a recording of them, as
// the counting lab's source beside the simulated sample. The detector finds every click on the
// audio thread; the page shows the waveform with the threshold and the pulses, the live count and
// rate, the lamp and the click, and once the listening stops hands the pulses' times to the lab,
// whose intervals, background, fits, dead time, repeat counts and export are the simulated
// counter's.
import { announce, button, checkbox, element, field, group, select, showMessage } from '../core/dom';
import { download, pickFile } from '../core/files';
import { decimalPoint, modelText, tr } from '../core/i18n';
import { count } from '../core/numbers';
import { Clicker, wakeAudio } from './Clicker';
import { countingModel, type PulseRecord, type WavFormat } from './countingModel';
import { C } from './countingState';
import { InputRefused, inputDevices, listen, recordingDetector, type Listening, type PulseReport, type WaveReport } from './pulses';

// The waveform strip shows this many seconds.
const kStripSeconds = 2;

export const real = {
  on: false,
  device: '',
  factor: '6',
  holdOff: '0.5', // ms
  interval: '1', // s
  sound: false,
  listening: null as Listening | null,
  times: [] as number[],
  report: null as WaveReport | null,
  wave: { low: [] as number[], high: [] as number[], stretch: 64, rate: 48000 },
  warnings: [] as string[],
  startedAt: 0,
  source: '', // what the pulses came from: "" live, else the recording's name
  handedOver: false,
};

// The page's own sentences, which no desktop window has.
const W = 'Web';
const clicker = new Clicker();

function number(text: string, fallback: number): number {
  const value = Number(text.trim().replace(decimalPoint(), '.'));
  return Number.isFinite(value) ? value : fallback;
}
const factor = () => number(real.factor, 6);
const holdOff = () => number(real.holdOff, 0.5) / 1000;

// The panel; `changed` draws the lab again with what the pulses gave.
// `repeated` shows the repeat counts taken from the pulses.
export function realCounter(changed: () => void, repeated: () => void): HTMLElement {
  const devices = select('cboInput', tr(C, 'Sound input:'), [{ value: '', text: tr(C, 'The system\'s default') }], real.device);
  void inputDevices().then((list) => {
    for (const d of list) if (d.deviceId && d.deviceId !== 'default') devices.select.append(element('option', { value: d.deviceId }, d.label || d.deviceId));
    devices.select.value = real.device;
  });
  devices.select.addEventListener('change', () => { real.device = devices.select.value; });
  const threshold = field('txtPulseThreshold', tr(C, 'Threshold (times the noise floor):'), real.factor, { inputmode: 'decimal' });
  const hold = field('txtHoldOff', tr(C, 'Hold-off (ms):'), real.holdOff, { inputmode: 'decimal' });
  const deadTime = element('p', { id: 'lblHoldOff', class: 'hint' });
  const showDeadTime = () => { deadTime.textContent = modelText(countingModel().countingHoldOffText(holdOff())); };
  showDeadTime();
  const detectorChanged = () => {
    real.factor = threshold.input.value;
    real.holdOff = hold.input.value;
    showDeadTime();
    real.listening?.setDetector(factor(), holdOff());
  };
  threshold.input.addEventListener('change', detectorChanged);
  hold.input.addEventListener('change', detectorChanged);
  const interval = field('txtRecordedInterval', tr(C, 'Counting interval (s):'), real.interval, { inputmode: 'decimal' });
  interval.input.addEventListener('change', () => { real.interval = interval.input.value; if (real.times.length || real.report) handOver(changed); });
  const sound = checkbox('chkRealSound', tr(C, 'Sound'), real.sound);
  sound.input.addEventListener('change', () => { real.sound = sound.input.checked; if (real.sound) wakeAudio(); });
  const lamp = element('div', { id: 'lblRealLamp', class: 'lamp', role: 'img', 'aria-label': tr(C, 'Count lamp') });
  clicker.lamp = lamp;
  clicker.litText = tr(C, 'lit');
  clicker.darkText = tr(C, 'dark');
  const listenButton = button('cmdListen', tr(C, 'Listen'), () => void cmdListen_Click(changed));
  const stopButton = button('cmdStopListening', tr(C, 'Stop'), () => void cmdStopListening_Click(changed));
  listenButton.disabled = real.listening !== null;
  stopButton.disabled = real.listening === null;
  const canvas = element('canvas', { id: 'cnvWave', class: 'wave', role: 'img', 'aria-label': tr(C, 'The input\'s waveform, with the threshold and the pulses found') });
  const guide = element('details', { id: 'grpCounterGuide' }, element('summary', {}, tr(C, 'How to connect a counter')),
    element('p', {}, tr(C, 'Connect the counter\'s headphone or loudspeaker output to the computer\'s microphone or line input with a cable, or hold a microphone close to its loudspeaker.')),
    element('p', {}, tr(C, 'Press Listen and watch the waveform: every click should stand well above the threshold line, and none should reach the top or the bottom of the strip. Turn the counter\'s volume or the input level down when the program says the input clips, up when clicks are missed.')),
    element('p', {}, tr(C, 'Count the background first with the source away and take it as the background, then count the source.')),
    element('p', {}, tr(W, 'Browsers allow the microphone only to pages they trust: a page opened from a file may have to be served (for example with "python3 -m http.server" in its folder), or the counter recorded and the recording opened.')));
  const panel = group('frmRealCounter', tr(C, 'Real counter'), guide, devices.row, threshold.row, hold.row, deadTime,
    element('div', { class: 'buttons play' }, listenButton, stopButton,
      button('cmdOpenRecording', tr(C, 'Open recording...'), () => void cmdOpenRecording_Click(changed)),
      button('cmdRecordedBackground', tr(C, 'Take as background'), () => cmdRecordedBackground_Click(changed)), sound.row, lamp),
    canvas,
    element('output', { id: 'lblLiveCount', class: 'counts', 'aria-description': tr(C, 'Pulses counted') }, count(real.times.length)),
    element('p', { id: 'lblLiveRate', class: 'result' }, liveRateText()),
    element('div', { role: 'alert' }, element('ul', { id: 'lstInputWarnings' }, ...real.warnings.map((w) => element('li', {}, w)))),
    interval.row,
    element('div', { class: 'buttons' }, button('cmdRecordedRepeats', tr(C, 'Take as repeat counts'), () => {
      countingModel().countingRepeatRecording();
      repeated();
    }), button('cmdExportPulseTimes', tr(C, 'Export pulse times CSV...'), () => {
      const text = countingModel().countingExportPulseTimes();
      if (text) download(tr(C, 'Atomdrift pulses.csv'), text);
    })));
  requestAnimationFrame(() => drawWave());
  return panel;
}

function liveRateText(): string {
  const rate = countingModel().countingLiveCountText(real.times.length, real.report?.time ?? 0);
  return rate.pattern ? modelText(rate) : tr(C, 'Press Listen, or open a recording.');
}

function showLive(): void {
  const countLabel = document.getElementById('lblLiveCount');
  if (countLabel) countLabel.textContent = count(real.times.length);
  const rate = document.getElementById('lblLiveRate');
  if (rate) rate.textContent = liveRateText();
  const list = document.getElementById('lstInputWarnings');
  // Only a change is said again: the list is an alert, read out whenever it is written.
  const shown = list ? [...list.children].map((item) => item.textContent) : [];
  if (list && (shown.length !== real.warnings.length || shown.some((text, i) => text !== real.warnings[i])))
    list.replaceChildren(...real.warnings.map((w) => element('li', {}, w)));
  drawWave();
}

// What the detector noticed, as sentences; the processing the browser left on first.
function warningsOf(report: WaveReport | null, processingOn: string[]): string[] {
  const none = { clipped: 0, gapStarts: new Float64Array(), gapSeconds: new Float64Array(), silent: false, pumping: false, drifting: false };
  return countingModel().countingInputWarnings(report ?? none, processingOn).map(modelText);
}

// The last seconds of the waveform, the threshold on either side, and the pulses in them.
function drawWave(): void {
  const canvas = document.getElementById('cnvWave') as HTMLCanvasElement | null;
  if (!canvas) return;
  const width = Math.max(100, canvas.clientWidth || 600), height = 120;
  canvas.width = width;
  canvas.height = height;
  const g = canvas.getContext('2d')!;
  g.fillStyle = '#fff';
  g.fillRect(0, 0, width, height);
  const { low, high, stretch, rate } = real.wave;
  const shown = Math.min(low.length, Math.round(kStripSeconds * rate / stretch));
  const y = (v: number) => height / 2 - (v * height) / 2;
  g.strokeStyle = '#0072b2';
  g.beginPath();
  for (let i = 0; i < shown; ++i) {
    const k = low.length - shown + i;
    const x = (i / Math.max(1, shown)) * width;
    g.moveTo(x, y(high[k]));
    g.lineTo(x, y(low[k]) + 1);
  }
  g.stroke();
  const threshold = real.report?.threshold ?? 0;
  if (threshold > 0) {
    g.strokeStyle = '#d55e00';
    g.setLineDash([4, 3]);
    for (const v of [threshold, -threshold]) { g.beginPath(); g.moveTo(0, y(v)); g.lineTo(width, y(v)); g.stroke(); }
    g.setLineDash([]);
  }
  // The pulses of the strip's time, marked above it.
  const end = real.report?.time ?? 0;
  g.fillStyle = '#000';
  for (let i = real.times.length - 1; i >= 0 && real.times[i] > end - kStripSeconds; --i) {
    const x = ((real.times[i] - (end - kStripSeconds)) / kStripSeconds) * width;
    g.fillRect(x - 1, 0, 2, 8);
  }
}

function takeWave(report: WaveReport): void {
  real.report = report;
  real.wave.rate = report.sampleRate;
  real.wave.stretch = report.stretch;
  real.wave.low.push(...report.low);
  real.wave.high.push(...report.high);
  const keep = Math.round(kStripSeconds * report.sampleRate / report.stretch);
  if (real.wave.low.length > 2 * keep) {
    real.wave.low.splice(0, real.wave.low.length - keep);
    real.wave.high.splice(0, real.wave.high.length - keep);
  }
}

function fresh(source: string): void {
  real.times = [];
  real.report = null;
  real.wave.low = [];
  real.wave.high = [];
  real.warnings = [];
  real.source = source;
  real.handedOver = false;
}

async function cmdListen_Click(changed: () => void): Promise<void> {
  if (real.listening) return;
  if (real.sound) wakeAudio();
  fresh('');
  let last = performance.now();
  try {
    const listening = await listen(real.device || null, factor(), holdOff(), {
      pulses: (times) => {
        real.times.push(...times);
        const now = performance.now();
        clicker.counted(times.length, (now - last) / 1000, real.sound);
        last = now;
      },
      wave: (report) => {
        takeWave(report);
        real.warnings = warningsOf(report, real.listening?.processingOn ?? []);
        showLive();
      },
      ended: () => {
        real.listening = null;
        void showMessage(tr(C, 'Real counter'), tr(W, 'The input stopped (was the device unplugged?). The pulses counted so far are kept.'));
        handOver(changed);
      },
    });
    real.listening = listening;
    real.warnings = warningsOf(null, listening.processingOn);
    changed();
    announce(tr(W, 'Listening to the counter.'));
  } catch (error) {
    await showMessage(tr(C, 'Real counter'), refusalText(error));
  }
}

function refusalText(error: unknown): string {
  const reason = error instanceof InputRefused ? error.reason : 'failed';
  const fromFile = location.protocol === 'file:';
  const serve = tr(W, 'A page opened from a file may not be given the microphone. Serve its folder instead (for example "python3 -m http.server" in it, then open http://localhost:8000/ and the page), or record the counter and open the recording.');
  if (reason === 'denied') return tr(W, 'The browser did not let the page listen to the sound input.') + (fromFile ? `\n\n${serve}` : '');
  if (reason === 'none') return tr(C, 'There is no sound input. Connect the counter\'s headphone or loudspeaker output (a cable, or a microphone close to its loudspeaker), or open a recording.');
  if (reason === 'unsupported') return tr(W, 'This browser cannot listen to a sound input here. Open a recording instead.') + (fromFile ? `\n\n${serve}` : '');
  return tr(W, 'The sound input could not be opened: %1', error instanceof Error ? error.message : String(error));
}

async function cmdStopListening_Click(changed: () => void): Promise<void> {
  const listening = real.listening;
  if (!listening) return;
  real.listening = null;
  await listening.stop();
  clicker.off();
  handOver(changed);
}

// A recording as if live: the same detector, the same samples, the file's own sample rate.
async function cmdOpenRecording_Click(changed: () => void): Promise<void> {
  const file = await pickFile('.wav,audio/wav,audio/x-wav');
  if (!file) return;
  await openRecording(file, changed);
}

// The frames handed to the browser to decode at a time: 5.5 s at 48 kHz, a megabyte or two.
const kFramesAPiece = 1 << 18;

// A WAV file's header for `frames` frames of `format`, so that a piece of its sound decodes on its own.
function pieceHeader(format: WavFormat, frames: number): Uint8Array {
  const header = new DataView(new ArrayBuffer(44));
  const bytes = frames * format.blockAlign;
  const text = (at: number, word: string) => { for (let i = 0; i < 4; ++i) header.setUint8(at + i, word.charCodeAt(i)); };
  text(0, 'RIFF'); header.setUint32(4, 36 + bytes, true); text(8, 'WAVE');
  text(12, 'fmt '); header.setUint32(16, 16, true);
  header.setUint16(20, format.float ? 3 : 1, true); header.setUint16(22, format.channels, true);
  header.setUint32(24, format.sampleRate, true); header.setUint32(28, format.sampleRate * format.blockAlign, true);
  header.setUint16(32, format.blockAlign, true); header.setUint16(34, format.bits, true);
  text(36, 'data'); header.setUint32(40, bytes, true);
  return new Uint8Array(header.buffer);
}

// The recording being read, which Cancel stops where it is.
let reading: { cancelled: boolean } | null = null;

export async function openRecording(file: File, changed: () => void): Promise<void> {
  const title = tr(C, 'Open recording');
  const format = countingModel().countingWavFormat(new Uint8Array(await file.slice(0, 1 << 20).arrayBuffer()), file.size);
  if (!format.ok) {
    await showMessage(title, tr(C, '%1 cannot be read: %2', file.name, format.error ? modelText(format.error) : ''));
    return;
  }
  // A piece at a time, each decoded by the browser in a context at the file's own rate, so that
  // the samples come over unchanged and a recording of hours is never held whole.
  const detector = await recordingDetector(format.sampleRate, factor(), holdOff());
  const progress = element('progress', { id: 'barRecording', max: 1000, value: 0 });
  const cancel = button('cmdCancelRecording', tr(C, 'Cancel'), () => { if (reading) reading.cancelled = true; });
  const bar = element('div', { class: 'progress', id: 'frmRecordingProgress' }, element('label', { for: 'barRecording' }, tr(C, 'Reading %1...', file.name)), progress, cancel);
  document.getElementById('frmRealCounter')?.append(bar);
  const state = { cancelled: false };
  reading = state;
  let failure = '';
  for (let first = 0; first < format.frames && !state.cancelled; first += kFramesAPiece) {
    const frames = Math.min(kFramesAPiece, format.frames - first);
    const start = format.dataStart + first * format.blockAlign;
    try {
      const sound = new Uint8Array(await file.slice(start, start + frames * format.blockAlign).arrayBuffer());
      const piece = new Uint8Array(44 + sound.length);
      piece.set(pieceHeader(format, frames));
      piece.set(sound, 44);
      const decoded = await new OfflineAudioContext(1, 1, format.sampleRate).decodeAudioData(piece.buffer);
      detector.feed(decoded.getChannelData(0)); // the first channel, as the desktop takes it
    } catch (error) {
      failure = String(error);
      break;
    }
    progress.value = Math.round((1000 * (first + frames)) / format.frames);
  }
  reading = null;
  bar.remove();
  const cut = failure !== '' || state.cancelled;
  if (failure && detector.samples() === 0) {
    await showMessage(title, tr(W, 'The browser could not decode %1: %2', file.name, failure));
    return;
  }
  fresh(file.name);
  const found = detector.finish();
  real.times = Array.from(found.times);
  real.report = { ...found.report, low: new Float32Array(), high: new Float32Array(), stretch: 64, sampleRate: format.sampleRate };
  real.warnings = warningsOf(real.report, []);
  if (format.warning) real.warnings.unshift(modelText(format.warning));
  handOver(changed);
  announce(tr(W, '%1 pulses found in %2.', count(real.times.length), file.name));
  // What was read before the browser failed or the reading was cancelled stays counted.
  if (failure) await showMessage(title, tr(W, 'The browser could not decode %1: %2', file.name, failure) + '\n\n' + tr(W, 'The pulses of the first %1 s are kept.', count(Math.round(found.report.time))));
  else if (cut) announce(tr(W, 'The pulses of the first %1 s are kept.', count(Math.round(found.report.time))));
}

// The pulses and what the detector reported, as the lab takes them.
function recordOf(r: PulseReport): PulseRecord {
  const gaps = new Float64Array(2 * r.gapStarts.length);
  r.gapStarts.forEach((start, i) => { gaps[2 * i] = start; gaps[2 * i + 1] = r.gapSeconds[i]; });
  return { times: Float64Array.from(real.times), seconds: r.time, gaps, holdOffMs: r.holdOff * 1000 };
}

// The pulses to the lab: counted in intervals of the width typed, shown and fitted.
function handOver(changed: () => void): void {
  const r = real.report;
  if (!r) return;
  const outcome = countingModel().countingUseRecording(recordOf(r), real.interval, decimalPoint());
  if (!outcome.ok) {
    void showMessage(tr(C, 'Real counter'), outcome.error ? modelText(outcome.error) : '');
    return;
  }
  real.handedOver = true;
  changed();
}

// The pulses counted with the source away, as the lab's background.
function cmdRecordedBackground_Click(changed: () => void): void {
  const r = real.report;
  if (!r || real.listening) {
    void showMessage(tr(C, 'Real counter'), tr(C, 'Listen with the source away first, then stop, then take the counts as the background.'));
    return;
  }
  countingModel().countingUseRecordedBackground(recordOf(r));
  changed();
}
