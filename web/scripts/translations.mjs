// The desktop's translations (i18n/atomdrift_<language>.ts, Qt Linguist's XML) as one object for
// the page: language -> "context\u0004source" -> translation. Unfinished entries are left out,
// so that the page shows the English source, as the desktop does.
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

export function decodeXml(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
    if (name.startsWith('#x')) return String.fromCodePoint(parseInt(name.slice(2), 16));
    if (name.startsWith('#')) return String.fromCodePoint(parseInt(name.slice(1), 10));
    return entities[name] ?? whole;
  });
}

export function parseTs(xml) {
  const table = {};
  for (const [, context] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = decodeXml(/<name>([\s\S]*?)<\/name>/.exec(context)[1]);
    for (const [, message] of context.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([\s\S]*?)<\/source>/.exec(message);
      const translation = /<translation([^>]*)>([\s\S]*?)<\/translation>/.exec(message);
      if (!source || !translation || /type="(unfinished|vanished|obsolete)"/.test(translation[1])) continue;
      let text = translation[2];
      const forms = [...text.matchAll(/<numerusform>([\s\S]*?)<\/numerusform>/g)].map((m) => m[1]);
      if (forms.length) text = forms[forms.length > 1 ? 1 : 0];
      if (text === '') continue;
      table[`${name}\u0004${decodeXml(source[1])}`] = decodeXml(text);
    }
  }
  return table;
}

export function readTranslations(folder) {
  const all = {};
  for (const file of readdirSync(folder).sort()) {
    const match = /^atomdrift_([a-z]+)\.ts$/.exec(file);
    if (match) all[match[1]] = parseTs(readFileSync(join(folder, file), 'utf8'));
  }
  return all;
}

// The English sources of one .ts file, context by context in the order of the file: the page
// finds its longer texts (introduction, references, quiz) there by their first words.
export function readSources(file) {
  const xml = readFileSync(file, 'utf8');
  const sources = {};
  for (const [, context] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = decodeXml(/<name>([\s\S]*?)<\/name>/.exec(context)[1]);
    sources[name] = [...context.matchAll(/<source>([\s\S]*?)<\/source>/g)].map((m) => decodeXml(m[1]));
  }
  return sources;
}
