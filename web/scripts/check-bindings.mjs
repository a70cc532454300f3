// Fails when the module's bindings (web/wasm/*.cpp) and the page's declarations of the module
// drift apart. The page declares what it calls in interfaces named ...Model (core/model.ts and
// each part's own); every bound function, class and enum is a member of one of them and every
// member is bound. An enum's value names, and a value object's fields (declared as a type of the
// same name), are the same on both sides.
//   node scripts/check-bindings.mjs
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import ts from 'typescript';
import { literals, nodes, pageProgram, report, web } from './pageProgram.mjs';

// The C++ without its comments, string literals kept.
function code(text) {
  return text.replace(/"(?:\\.|[^"\\])*"|\/\/[^\n]*|\/\*[\s\S]*?\*\//g, (token) => (token.startsWith('"') ? token : ' '));
}

// Names given to embind: {members: name -> file, enums: name -> values, objects: name -> fields}.
function bound() {
  const members = new Map();
  const enums = new Map();
  const objects = new Map();
  const wasm = join(web, 'wasm');
  for (const file of readdirSync(wasm).filter((f) => f.endsWith('.cpp')).sort()) {
    const text = code(readFileSync(join(wasm, file), 'utf8'));
    // A registration runs to its semicolon: enum_<T>("Name").value("A", ...).value("B", ...);
    for (const [, kind, name, chain] of text.matchAll(/\b(function|class_<[^;]*?>|enum_<[^;]*?>|value_object<[^;]*?>)\(\s*"(\w+)"([^;]*);/g)) {
      const names = (method) => [...chain.matchAll(new RegExp(`\\.${method}\\(\\s*"(\\w+)"`, 'g'))].map((m) => m[1]);
      if (kind.startsWith('value_object')) objects.set(name, names('field'));
      else members.set(name, file);
      if (kind.startsWith('enum_')) enums.set(name, names('value'));
    }
  }
  return { members, enums, objects };
}

// The page's side: {members: name -> where, enums: name -> values, types: name -> fields}.
function declared() {
  const { checker, sources } = pageProgram();
  const members = new Map();
  const enums = new Map();
  const types = new Map();
  for (const source of sources) {
    const where = source.fileName.slice(web.length + 1);
    for (const node of nodes(source)) {
      if (!ts.isInterfaceDeclaration(node) && !ts.isTypeAliasDeclaration(node)) continue;
      const type = checker.getTypeAtLocation(node.name);
      types.set(node.name.text, checker.getPropertiesOfType(type).map((p) => p.name));
      if (!ts.isInterfaceDeclaration(node) || !node.name.text.endsWith('Model')) continue;
      for (const member of node.members) {
        const name = member.name.getText(source);
        members.set(name, `${where} ${node.name.text}`);
        const typeNode = member.type;
        if (typeNode && ts.isTypeReferenceNode(typeNode) && typeNode.typeName.getText(source) === 'ModelEnum')
          enums.set(name, literals(checker.getTypeFromTypeNode(typeNode.typeArguments[1])) ?? []);
      }
    }
  }
  return { members, enums, types };
}

const sameSet = (a, b) => a.length === b.length && a.every((x) => b.includes(x));
const cpp = bound();
const page = declared();
const problems = [];
for (const [name, file] of cpp.members)
  if (!page.members.has(name)) problems.push(`${name} (web/wasm/${file}) has no twin in the page's ...Model interfaces`);
for (const [name, where] of page.members)
  if (!cpp.members.has(name)) problems.push(`${name} (web/${where}) is bound by no web/wasm/*.cpp`);
for (const [name, values] of cpp.enums) {
  const twin = page.enums.get(name);
  if (page.members.has(name) && !(twin && sameSet(values, twin)))
    problems.push(`enum ${name}: bound as ${values.join(', ')}, declared as ModelEnum<..., ${twin?.join(' | ') || '?'}>`);
}
for (const [name, fields] of cpp.objects) {
  const twin = page.types.get(name);
  if (!twin) problems.push(`value object ${name} has no type of that name in web/src`);
  else if (!sameSet(fields, twin)) problems.push(`value object ${name}: bound with ${fields.join(', ')}, declared with ${twin.join(', ')}`);
}
report(problems, `${cpp.members.size} bound names, ${cpp.enums.size} enums and ${cpp.objects.size} value objects each have their TypeScript twin.`);
