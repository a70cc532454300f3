// The page's TypeScript as the compiler sees it (web/tsconfig.json), for the checks that read the
// page's declarations and calls instead of trusting them by hand.
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import ts from 'typescript';

export const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');

export function pageProgram() {
  const configFile = join(web, 'tsconfig.json');
  const { config } = ts.readConfigFile(configFile, ts.sys.readFile);
  const parsed = ts.parseJsonConfigFileContent(config, ts.sys, web);
  const program = ts.createProgram(parsed.fileNames, parsed.options);
  const sources = program.getSourceFiles().filter((file) => file.fileName.startsWith(join(web, 'src')));
  return { program, checker: program.getTypeChecker(), sources };
}

// Every node of a file, depth first.
export function* nodes(node) {
  yield node;
  const children = [];
  ts.forEachChild(node, (child) => { children.push(child); });
  for (const child of children) yield* nodes(child);
}

// The strings a type allows: its own literal, or each literal of a union; null for any other type.
export function literals(type) {
  const parts = type.isUnion() ? type.types : [type];
  return parts.every((part) => part.isStringLiteral()) ? parts.map((part) => part.value) : null;
}

// Prints the problems and fails, or prints what was checked.
export function report(problems, checked) {
  if (problems.length) {
    console.error(problems.join('\n'));
    process.exit(1);
  }
  console.log(checked);
}
