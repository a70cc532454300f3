// Builds the browser edition into one self-contained HTML file: the page's code, its styles,
// the WebAssembly module (inlined as base64, gzip-compressed), the nuclide table and the translations.
//   node scripts/build.mjs <folder of atomdrift_web.mjs and .wasm> <output .html>
import { build } from 'esbuild';
import { existsSync, readFileSync, readdirSync, writeFileSync, mkdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { readSources, readTranslations } from './translations.mjs';
import { gzipSync } from 'node:zlib';

const here = dirname(fileURLToPath(import.meta.url));
const web = resolve(here, '..');
const root = resolve(web, '..');
const moduleDir = resolve(process.argv[2] ?? join(root, 'build-core-emscripten/web'));
const output = resolve(process.argv[3] ?? join(root, 'build-web/atomdrift.html'));

const common = {
  bundle: true,
  minify: true,
  format: 'iife',
  target: 'es2020',
  write: false,
  logLevel: 'warning',
  // The glue asks for its own address to find the .wasm; the page hands it the bytes instead.
  define: { 'import.meta.url': '"file:///atomdrift_web.mjs"' },
  alias: { 'atomdrift-wasm': join(moduleDir, 'atomdrift_web.mjs') },
};

const worker = await build({ ...common, entryPoints: [join(web, 'src/worker.ts')] });
// The audio thread's pulse detector: a script of its own, which the page hands to the AudioWorklet.
const worklet = await build({ ...common, entryPoints: [join(web, 'src/counting/pulseWorklet.ts')] });
const page = await build({
  ...common,
  entryPoints: [join(web, 'src/main.ts')],
  loader: { '.txt': 'text' },
  define: { ...common.define, ATOMDRIFT_WORKER_SOURCE: JSON.stringify(worker.outputFiles[0].text), ATOMDRIFT_WORKLET_SOURCE: JSON.stringify(worklet.outputFiles[0].text) },
});
const styles = await build({ ...common, entryPoints: [join(web, 'src/styles.css')], format: undefined });

// The example lessons, in the order of their file names.
const lessonDir = join(root, 'data/lessons');
const lessons = existsSync(lessonDir)
  ? readdirSync(lessonDir).filter((name) => name.endsWith('.atomdrift')).sort().map((name) => ({ name, text: readFileSync(join(lessonDir, name), 'utf8') }))
  : [];
// The page's frame: the page rebuilds its own source from it to save a lesson as a web page.
const shell = readFileSync(join(web, 'src/index.html'), 'utf8');

// The contexts the page can ask for: those its own code, the model, the file formats and the
// bindings name; the desktop's own windows' texts stay out of the one file.
function sourceTexts(folder) {
  return readdirSync(folder, { withFileTypes: true }).flatMap((entry) => {
    const path = join(folder, entry.name);
    if (entry.isDirectory()) return sourceTexts(path);
    return /\.(ts|js|cpp|h)$/.test(entry.name) ? [readFileSync(path, 'utf8')] : [];
  });
}
const named = [join(web, 'src'), join(web, 'wasm'), join(root, 'model'), join(root, 'output')].flatMap(sourceTexts).join('\n');
function pageTranslations(all) {
  const used = new Map();
  const kept = (context) => {
    if (!used.has(context)) used.set(context, named.includes(`'${context}'`) || named.includes(`"${context}"`));
    return used.get(context);
  };
  return Object.fromEntries(Object.entries(all).map(([language, table]) =>
    [language, Object.fromEntries(Object.entries(table).filter(([key]) => kept(key.split('\u0004')[0])))]));
}

const data = {
  // The model's module gzip-compressed (a third of its size), which the page inflates with the
  // browser's own DecompressionStream as it starts.
  wasm: gzipSync(readFileSync(join(moduleDir, 'atomdrift_web.wasm')), { level: 9 }).toString('base64'),
  pulses: readFileSync(join(moduleDir, 'atomdrift_pulses.wasm')).toString('base64'),
  nuclides: readFileSync(join(root, 'data/nuclides.txt'), 'utf8'),
  feedings: readFileSync(join(root, 'data/feedings.txt'), 'utf8'),
  translations: pageTranslations(readTranslations(join(root, 'i18n'))),
  sources: readSources(join(root, 'i18n/atomdrift_de.ts')),
  lessons,
  shell,
};

// Text inside <script> must not close the element early.
const scriptText = (text) => text.replace(/<\/(script)/gi, '<\\/$1');
// One pass over the frame, so that a place named inside what is put in stays as it is.
const parts = {
  STYLES: styles.outputFiles[0].text,
  DATA: scriptText(`window.ATOMDRIFT_DATA=${JSON.stringify(data)};`),
  PAGE: scriptText(page.outputFiles[0].text),
};
const html = shell.replace(/\/\*(STYLES|DATA|PAGE)\*\//g, (_, place) => parts[place]);
mkdirSync(dirname(output), { recursive: true });
writeFileSync(output, html);
console.log(`${output}: ${(html.length / 1e6).toFixed(2)} MB`);
