// Fails when the page asks for a text that a language of i18n/ does not translate. It finds the
// page's calls of tr(context, source), and of the functions that hand their arguments on to tr,
// whose context and source are literals: a string, a constant, a list `as const`, or a property
// of an object literal in the same file. A source from the model (a message, a unit) is the
// model's own check. trText(context, start) needs a source in its context that starts so.
//   node scripts/check-texts.mjs
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import ts from 'typescript';
import { literals, nodes, pageProgram, report, web } from './pageProgram.mjs';
import { readTranslations } from './translations.mjs';

const { checker, sources } = pageProgram();

// The function a call or a name refers to, through imports.
function declarationOf(expression) {
  let symbol = checker.getSymbolAtLocation(expression);
  if (symbol && symbol.flags & ts.SymbolFlags.Alias) symbol = checker.getAliasedSymbol(symbol);
  const declaration = symbol?.valueDeclaration;
  if (declaration && ts.isVariableDeclaration(declaration) && declaration.initializer) return declaration.initializer;
  return declaration;
}

const isFunction = (node) => ts.isFunctionDeclaration(node) || ts.isArrowFunction(node) || ts.isFunctionExpression(node) || ts.isMethodDeclaration(node);
const i18n = join(web, 'src/core/i18n.ts');
const named = (name) => sources.find((s) => s.fileName === i18n).statements.find((s) => ts.isFunctionDeclaration(s) && s.name.text === name);
const trFunction = named('tr');
const trTextFunction = named('trText');

const where = (node) => {
  const file = node.getSourceFile();
  return `${file.fileName.slice(web.length + 1)}:${file.getLineAndCharacterOfPosition(node.getStart()).line + 1}`;
};

// The strings an argument can be, each with where it is written: its literal type, else, for a
// property the file declares itself, the literals the file gives that property; null when it is
// computed.
function strings(argument) {
  const own = literals(checker.getTypeAtLocation(argument));
  if (own) return own.map((value) => ({ value, at: where(argument) }));
  const file = argument.getSourceFile();
  if (!ts.isPropertyAccessExpression(argument) || checker.getSymbolAtLocation(argument.name)?.valueDeclaration?.getSourceFile() !== file)
    return null;
  const found = [];
  for (const node of nodes(file))
    if (ts.isPropertyAssignment(node) && node.name.getText(file) === argument.name.text && ts.isStringLiteralLike(node.initializer))
      found.push({ value: node.initializer.text, at: where(node.initializer) });
  return found.length ? found : null;
}

// The functions that hand their parameters on as tr's context and source: function -> the places
// of those parameters, or the literal context it always uses.
const handsOn = new Map([[trFunction, { context: { parameter: 0 }, source: { parameter: 1 } }]]);
const calls = sources.flatMap((file) => [...nodes(file)].filter(ts.isCallExpression));
for (let grown = true; grown;) {
  grown = false;
  for (const call of calls) {
    if (!handsOn.has(declarationOf(call.expression))) continue;
    const outer = (function enclosing(node) { return !node || isFunction(node) ? node : enclosing(node.parent); })(call.parent);
    if (!outer || handsOn.has(outer) || outer === trTextFunction) continue;
    const passes = handsOn.get(declarationOf(call.expression));
    const place = (of) => {
      const argument = call.arguments[of.parameter];
      const parameter = argument && ts.isIdentifier(argument) ? outer.parameters.findIndex((p) => p.name.getText() === argument.text) : -1;
      if (parameter >= 0) return { parameter };
      const values = argument && literals(checker.getTypeAtLocation(argument));
      return values ? { values } : null;
    };
    const context = 'values' in passes.context ? passes.context : place(passes.context);
    const source = place(passes.source);
    if (context && source && 'parameter' in source) {
      handsOn.set(outer, { context, source });
      grown = true;
    }
  }
}

// Every (context, source) the page asks for, with where; and trText's (context, start).
const wanted = [];
const starts = [];
for (const call of calls) {
  const callee = declarationOf(call.expression);
  const passes = handsOn.get(callee);
  const argument = (of) => ('values' in of ? of.values.map((value) => ({ value })) : call.arguments[of.parameter] && strings(call.arguments[of.parameter]));
  if (passes) {
    const contexts = argument(passes.context);
    const texts = argument(passes.source);
    if (contexts && texts)
      for (const context of contexts) for (const source of texts) wanted.push({ context: context.value, source: source.value, where: source.at });
  } else if (callee === trTextFunction) {
    const [context, start] = call.arguments.map((a) => literals(checker.getTypeAtLocation(a))?.[0]);
    if (context !== undefined && start !== undefined) starts.push({ context, start, where: where(call) });
  }
}

const translations = readTranslations(join(web, '..', 'i18n'));
const problems = [];
for (const [language, table] of Object.entries(translations)) {
  const keys = Object.keys(table);
  for (const { context, source, where } of wanted)
    if (!(`${context}\u0004${source}` in table)) problems.push(`${where}: tr('${context}', ${JSON.stringify(source)}) has no ${language} translation`);
  for (const { context, start, where } of starts)
    if (!keys.some((key) => key.startsWith(`${context}\u0004${start}`)))
      problems.push(`${where}: trText('${context}', ${JSON.stringify(start)}) finds no ${language} translation`);
}
// The page's own texts reach the translators through lupdate's reading of WebTexts.js.
const listed = readFileSync(join(web, 'src/WebTexts.js'), 'utf8');
for (const { context, source, where } of wanted)
  if (context === 'Web' && !listed.includes(`QT_TRANSLATE_NOOP("Web", ${JSON.stringify(source)})`))
    problems.push(`${where}: tr('Web', ${JSON.stringify(source)}) is not listed in src/WebTexts.js`);
const pairs = new Set(wanted.map((w) => `${w.context}\u0004${w.source}`)).size;
report(problems, `${pairs} texts of the page and ${starts.length} longer texts are translated into ${Object.keys(translations).join(', ')}.`);
