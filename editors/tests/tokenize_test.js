#!/usr/bin/env node
// Tokenises sample files with the TextMate grammars of editors/vscode through
// vscode-textmate and vscode-oniguruma (the engine VS Code itself uses), and
// checks them against editors/tests/expect.txt:
//
//   - every "sample" file (the examples of every program) tokenises without
//     a single token scoped invalid.illegal: they are all valid input;
//   - every "check" line names a token on a line of a file and the class of
//     scope each of its characters must carry (or "plain" for none).
//
// Usage: node tokenize_test.js <node_modules folder> <project root>
// Exits 1 on the first listing of failures; prints what it checked.
'use strict';
const fs = require('fs');
const path = require('path');

const [modules, root] = process.argv.slice(2).map((p) => p && path.resolve(p));
if (!modules || !root) {
  console.error('usage: tokenize_test.js <node_modules> <project root>');
  process.exit(2);
}
const vsctm = require(path.join(modules, 'vscode-textmate'));
const oniguruma = require(path.join(modules, 'vscode-oniguruma'));
const { parseExpectations, CLASSES } = require('./expectations');

const extDir = path.join(root, 'editors', 'vscode');
const manifest = JSON.parse(fs.readFileSync(path.join(extDir, 'package.json'), 'utf8'));
const grammarByLanguage = {};
const grammarByScope = {};
for (const g of manifest.contributes.grammars) {
  grammarByLanguage[g.language] = g;
  grammarByScope[g.scopeName] = g;
}

async function main() {
  const wasm = fs.readFileSync(path.join(modules, 'vscode-oniguruma', 'release', 'onig.wasm'));
  await oniguruma.loadWASM(wasm.buffer.slice(wasm.byteOffset, wasm.byteOffset + wasm.byteLength));
  const registry = new vsctm.Registry({
    onigLib: Promise.resolve({
      createOnigScanner: (sources) => new oniguruma.OnigScanner(sources),
      createOnigString: (s) => new oniguruma.OnigString(s),
    }),
    loadGrammar: async (scopeName) => {
      const g = grammarByScope[scopeName];
      if (!g) return null;
      const file = path.join(extDir, g.path);
      return vsctm.parseRawGrammar(fs.readFileSync(file, 'utf8'), file);
    },
  });

  const { samples, faults, checks } = parseExpectations(fs.readFileSync(path.join(__dirname, 'expect.txt'), 'utf8'));
  const failures = [];
  const cache = new Map();

  async function tokenize(language, file) {
    const key = language + ' ' + file;
    if (cache.has(key)) return cache.get(key);
    const entry = grammarByLanguage[language];
    if (!entry) throw new Error('no grammar for language ' + language + ' in package.json');
    const grammar = await registry.loadGrammar(entry.scopeName);
    if (!grammar) throw new Error('grammar ' + entry.scopeName + ' did not load');
    const text = fs.readFileSync(path.join(root, file), 'utf8');
    const lines = text.split('\n');
    if (lines.length && lines[lines.length - 1] === '') lines.pop();
    let state = vsctm.INITIAL;
    const out = [];
    for (const line of lines) {
      const r = grammar.tokenizeLine(line, state);
      state = r.ruleStack;
      // Scopes of each character of the line.
      const perChar = new Array(line.length);
      for (const t of r.tokens) {
        for (let i = t.startIndex; i < Math.min(t.endIndex, line.length); i++) perChar[i] = t.scopes;
      }
      out.push({ line, perChar, tokens: r.tokens });
    }
    cache.set(key, out);
    return out;
  }

  let sampleCount = 0;
  for (const s of samples) {
    const lines = await tokenize(s.language, s.file);
    sampleCount++;
    lines.forEach((l, n) => {
      for (const t of l.tokens) {
        const bad = t.scopes.find((sc) => sc.startsWith('invalid.'));
        if (bad) {
          failures.push(`${s.file}:${n + 1}: "${l.line.slice(t.startIndex, t.endIndex)}" is marked ${bad}` +
                        ` (${s.language}) in a sample that the tool accepts`);
        }
      }
    });
  }

  let faultLines = 0;
  for (const s of faults) {
    const lines = await tokenize(s.language, s.file);
    lines.forEach((l, n) => {
      const m = /\/\/\s*(ok|bad)\s*$/.exec(l.line);
      if (!m) return;
      faultLines++;
      const marked = l.tokens.filter((t) => t.scopes.some((sc) => sc.startsWith('invalid.')));
      if (m[1] === 'bad' && marked.length === 0) {
        failures.push(`${s.file}:${n + 1}: nothing marked invalid on a line the tool refuses: ${l.line}`);
      }
      if (m[1] === 'ok' && marked.length > 0) {
        failures.push(`${s.file}:${n + 1}: "${l.line.slice(marked[0].startIndex, marked[0].endIndex)}" marked ` +
                      `on a line the tool accepts: ${l.line}`);
      }
    });
  }

  for (const c of checks) {
    const lines = await tokenize(c.language, c.file);
    const where = `${c.file}:${c.line} "${c.token}"` + (c.nth > 1 ? `@${c.nth}` : '');
    const l = lines[c.line - 1];
    if (!l) { failures.push(`${where}: no such line`); continue; }
    let at = -1;
    for (let k = 0; k < c.nth; k++) {
      at = l.line.indexOf(c.token, at + 1);
      if (at < 0) break;
    }
    if (at < 0) { failures.push(`${where}: token not found on the line`); continue; }
    const want = CLASSES[c.cls].tm;
    for (let i = at; i < at + c.token.length; i++) {
      const scopes = l.perChar[i] || [];
      const ok = want === null
        ? !scopes.some((sc) => sc !== scopes[0] && !sc.startsWith('meta.'))
        : scopes.some((sc) => sc.startsWith(want + '.') || sc === want);
      if (!ok) {
        failures.push(`${where} (${c.language}): character ${i + 1} has [${scopes.join(' ')}],` +
                      ` expected ${want === null ? 'no scope' : want}`);
        break;
      }
    }
  }

  if (failures.length) {
    console.log(failures.join('\n'));
    console.log(`FAILED: ${failures.length} of ${samples.length} samples and ${checks.length} checks`);
    process.exit(1);
  }
  if (faultLines === 0) { console.log('FAILED: no marked fault lines read'); process.exit(1); }
  console.log(`ok: ${sampleCount} sample files free of invalid marks, ${faultLines} fault lines,` +
              ` ${checks.length} token checks`);
}

main().catch((e) => { console.error(e.stack || String(e)); process.exit(1); });
