// Reads editors/tests/expect.txt, shared by the TextMate test (Node) and the
// Vim test (which reads the same file through expect_vim.py).
//
//   sample LANGUAGE FILE                 FILE is valid input: nothing marked
//   faults LANGUAGE FILE                 a line ending in "// bad" holds a
//                                        marked token, one ending in "// ok"
//                                        none (tool_check.py runs the same
//                                        lines through the tools)
//   check LANGUAGE FILE LINE CLASS TOKEN [NTH] [tm-only|vim-only]
//
// TOKEN is found on line LINE (1-based) of FILE, its NTH occurrence (1 if not
// given); it is written as it stands, with "␣" for a blank.  CLASS names what
// every character of it must be coloured as (the table below).
'use strict';

const CLASSES = {
  comment: { tm: 'comment.line' },
  separator: { tm: 'punctuation.separator.statement' },
  setting: { tm: 'keyword.other.setting' },
  pattern: { tm: 'keyword.control.pattern' },
  midi: { tm: 'keyword.other.midi' },
  number: { tm: 'constant.numeric' },
  timesig: { tm: 'constant.numeric.time-signature' },
  length: { tm: 'constant.numeric.length' },
  tie: { tm: 'keyword.operator.tie' },
  tuplet: { tm: 'keyword.operator.tuplet' },
  artic: { tm: 'storage.modifier.articulation' },
  note: { tm: 'constant.language.note' },
  velocity: { tm: 'constant.numeric.velocity' },
  rest: { tm: 'constant.language.rest' },
  chord: { tm: 'entity.name.chord' },
  macrodef: { tm: 'keyword.other.macro.define' },
  macroname: { tm: 'entity.name.function.macro' },
  macrouse: { tm: 'keyword.other.macro.use' },
  macroref: { tm: 'variable.other.macro' },
  lyric: { tm: 'string.quoted.double.lyric' },
  qcomment: { tm: 'string.quoted.double.comment' },
  phonetic: { tm: 'constant.other.phonetic' },
  attribute: { tm: 'keyword.other.attribute' },
  tab: { tm: 'constant.numeric.tablature' },
  instrument: { tm: 'variable.other.instrument' },
  syllable: { tm: 'string.unquoted.syllable' },
  word: { tm: 'string.unquoted.word' },
  longvowel: { tm: 'keyword.operator.long-vowel' },
  invalid: { tm: 'invalid.illegal' },
  plain: { tm: null },
};

function parseExpectations(text) {
  const samples = [];
  const faults = [];
  const checks = [];
  text.split('\n').forEach((raw, n) => {
    const line = raw.trim();
    if (!line || line.startsWith('#')) return;
    const f = line.split(/\s+/);
    const fail = (why) => { throw new Error(`expect.txt:${n + 1}: ${why}`); };
    if (f[0] === 'sample') {
      if (f.length !== 3) fail('sample LANGUAGE FILE');
      samples.push({ language: f[1], file: f[2] });
    } else if (f[0] === 'faults') {
      if (f.length !== 3) fail('faults LANGUAGE FILE');
      faults.push({ language: f[1], file: f[2] });
    } else if (f[0] === 'check') {
      if (f.length < 6 || f.length > 8) fail('check LANGUAGE FILE LINE CLASS TOKEN [NTH] [tm-only|vim-only]');
      const c = { language: f[1], file: f[2], line: Number(f[3]), cls: f[4], token: f[5].replace(/␣/g, ' '),
                  nth: 1, only: null };
      for (const extra of f.slice(6)) {
        if (/^[0-9]+$/.test(extra)) c.nth = Number(extra);
        else if (extra === 'tm-only' || extra === 'vim-only') c.only = extra;
        else fail('unknown field ' + extra);
      }
      if (!(c.cls in CLASSES)) fail('unknown class ' + c.cls);
      if (!(c.line > 0)) fail('bad line number');
      if (c.only !== 'vim-only') checks.push(c);
    } else {
      fail('unknown record ' + f[0]);
    }
  });
  return { samples, faults, checks };
}

module.exports = { parseExpectations, CLASSES };
