#!/usr/bin/env python3
"""Writes the TextMate grammars of the VS Code extension under editors/vscode/
and the Vim syntax files under editors/vim/syntax/.

    editors/make_grammars.py            rewrites them
    editors/make_grammars.py --check    exits 1 if a written file is stale

The grammars are built here from small pieces (token shapes, number ranges,
the word lists of the notation) because the same pieces recur in every
language and a regular expression for "0 to 16383" is best not typed by hand.
The chord vocabularies are read from the chord tools' own tables
(chord/chord_table.cpp, chord/older_vocabulary.cpp), so that a chord the tool
accepts is never marked and one it refuses always is.

Every grammar reads a file statement by statement: "//" starts a comment, ";"
ends a statement, and each statement is recognised by its first token (a
setting keyword, a pattern statement, a "!" MIDI statement, a "=d:" macro
definition, or a length that opens a note statement).  A statement that holds
a "=m:" macro use is coloured token by token without position checks, since
the macro body may supply any part of it.
"""
import json
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
OUT = os.path.join(HERE, "vscode", "syntaxes")

# ---------------------------------------------------------------------------
# Number ranges as regular expressions.


def _digits_range(lo, hi):
    """Regex (no anchors) for the decimal numbers lo..hi, no leading zeros."""
    if lo > hi:
        return None
    parts = []
    # Split into runs of equal digit count.
    length = len(str(lo))
    while lo <= hi:
        top = min(hi, 10 ** length - 1)
        parts.append(_same_length(str(lo), str(top)))
        lo = top + 1
        length += 1
    return "|".join(parts)


def _same_length(a, b):
    """Regex for the numbers a..b written with the same number of digits."""
    if len(a) == 1:
        return a if a == b else "[%s-%s]" % (a, b)
    if a[0] == b[0]:
        return a[0] + "(?:" + _same_length(a[1:], b[1:]) + ")"
    alts = []
    rest = len(a) - 1
    low_tail, high_tail = "0" * rest, "9" * rest
    if a[1:] != low_tail:
        alts.append(a[0] + "(?:" + _same_length(a[1:], high_tail) + ")")
        first = int(a[0]) + 1
    else:
        first = int(a[0])
    if b[1:] != high_tail:
        last = int(b[0]) - 1
        tail_b = b[0] + "(?:" + _same_length(low_tail, b[1:]) + ")"
    else:
        last = int(b[0])
        tail_b = None
    if first <= last:
        span = str(first) if first == last else "[%d-%d]" % (first, last)
        alts.append(span + "[0-9]" * rest if rest <= 1 else span + "[0-9]{%d}" % rest)
    if tail_b:
        alts.append(tail_b)
    return "|".join(alts)


def unsigned(lo, hi):
    """Digits only, leading zeros allowed, value lo..hi (lo >= 0)."""
    inner = _digits_range(lo, hi)
    if lo == 0:
        return "(?:0*(?:%s))" % inner
    return "(?:0*(?:%s))" % inner


def signed(lo, hi):
    """What the signed-number parser accepts with a value in lo..hi: an
    optional + or -, then digits; a sign alone reads as 0."""
    alts = []
    if hi >= 0:
        alts.append(r"\+?" + unsigned(max(lo, 0), hi))
    if lo <= 0:
        alts.append("-" + unsigned(0, -lo))
        alts.append("[+-]")
    return "(?:" + "|".join(alts) + ")"


# ---------------------------------------------------------------------------
# Token shapes.

TC = r"(?:[^ ;/=]|/(?!/))"         # one character of a token ("=" begins a macro use)
TOK = TC + "+"                      # a whole token
END = r"(?=[ ;=]|//|$)"             # where a token ends
START = r"(?:^|(?<=;)) *"           # the start of a statement
STMT_END = r"(?=;|//|$)"
NO_MACRO = r"(?!(?:[^;/=]|/(?!/))*=)"  # the statement holds no "="

LENGTHS = r"(?:14|12|1|2|4|8|16|32|64)\.{0,2}"
STEP_LENGTHS = r"(?:1|2|4|8|16|32)\.{0,2}"  # vastrel's steps
BRACKET = r"\][2-9]"
ARTIC = r"(?i:DL[1-4]?|S[0-8]?|&(?:0[1-9]|[1-9][0-9]|1[0-9][0-9]|200))"
DRUM_ARTIC = r"&(?:0[1-9]|[1-9][0-9]|1[0-9][0-9]|200)"
VOCAL_ARTIC = r"&(?:10[1-9]|1[1-9][0-9]|200)"
VOCAL_DELAY = r"(?i:DL[1-4]?|S[0-8]?)"
NOTE = r"([A-Ga-g])(-1|[0-7])(##?|[Bb][Bb]?|[Nn])?"
VELOCITY = "[Vv]" + signed(0, 127)
TIME_SIGS = ["2/2", "2/4", "2/8", "3/2", "3/4", "3/8", "4/4", "4/8", "6/4", "6/8",
             "9/8", "9/16", "12/8", "12/16", "5/4", "5/8", "7/4", "7/8", "8/8"]
TIME_SIG = "(?:" + "|".join(re.escape(s) for s in TIME_SIGS) + ")"
KEY = r"(?:#[1-7]?|0|[bB][1-7]?)"
LETTER = "[A-Ga-g]"

SCOPE = "scoretext"


def sc(name):
    return name + "." + SCOPE


def tok(regex):
    """A whole token that is exactly regex."""
    return r"(?<![^ ;=\"])(?:" + regex + ")" + END


def invalid(what):
    return sc("invalid.illegal." + what)


# ---------------------------------------------------------------------------
# Shared rules.

def rule_comment():
    return {"name": sc("comment.line.double-slash"), "match": "//.*$"}


def rule_separator():
    return {"name": sc("punctuation.separator.statement"), "match": ";"}


def rule_empty_statement():
    """A ";" that closes an empty statement: one at the start of a line, or
    one followed by nothing but blanks and another ";"."""
    return {"match": "^ *(;)|(;)(?= *;)",
            "captures": {"1": {"name": invalid("empty-statement")}, "2": {"name": invalid("empty-statement")}}}


def rule_macro_use():
    return {
        "match": r"(=[mM]:)(" + r"(?:[^ ;/]|/(?!/)){0,9}" + ")" + END + "|(=" + TC + "*)",
        "captures": {
            "1": {"name": sc("keyword.other.macro.use")},
            "2": {"name": sc("variable.other.macro")},
            "3": {"name": invalid("macro")},
        },
    }


def rule_macro_definition(body):
    """"=d:" name body: the body is coloured with the given patterns; an "="
    in it, a name of ten characters or more, or a missing body is marked."""
    return {
        "name": sc("meta.macro.definition"),
        "begin": START + r"(?:(=[dD]:)((?:(?!=)" + TC + "){0,9})(?= )|(=[dD]" + TC + "*))",
        "beginCaptures": {
            "1": {"name": sc("keyword.other.macro.define")},
            "2": {"name": sc("entity.name.function.macro")},
            "3": {"name": invalid("macro")},
        },
        "end": STMT_END,
        "patterns": [{"name": invalid("macro"), "match": "="}] + body,
    }


def rule_statement_with_macro(body):
    """A statement that holds a macro use: tokens by shape only."""
    return {
        "name": sc("meta.statement.macro"),
        "begin": START + r"(?=(?:[^;/=]|/(?!/))*=)",
        "end": STMT_END,
        "patterns": [rule_macro_use(),
                     {"name": sc("constant.numeric.length"), "match": r"\G" + LENGTHS + END}] + body,
    }


def keyword_statement(keyword, operands, scope, extra_ok=False):
    """A statement made of a keyword and fixed operands.  operands is a list
    of (regex, scope); a missing operand marks the keyword, a wrong one is
    marked, and every token after the last operand is marked."""
    rx = START + NO_MACRO + "(" + keyword + ")" + END
    caps = {"1": {"name": scope}}
    n = 2
    for operand, op_scope in operands:
        rx += "(?: +(?:(" + operand + ")" + END + "|(" + TOK + ")))?"
        caps[str(n)] = {"name": op_scope}
        caps[str(n + 1)] = {"name": invalid("operand")}
        n += 2
    rx += "(?: +(" + TOK + "(?: +" + TOK + ")*))?"
    caps[str(n)] = {"name": invalid("extra-token")}
    rules = []
    if operands:
        # The keyword alone, or with fewer operands than it needs.
        short = START + NO_MACRO + "(" + keyword + ")" + "(?: +" + TOK + "){0,%d} *" % (len(operands) - 1) + STMT_END
        rules.append({"match": short, "captures": {"1": {"name": invalid("missing-operand")}}})
    rules.append({"match": rx, "captures": caps})
    return rules


NUM = sc("constant.numeric")


def setting_rules(tool):
    """The setting statements a tool knows, each with its operand check."""
    kw = sc("keyword.other.setting")
    table = [
        ("SB", [(TIME_SIG, sc("constant.numeric.time-signature"))]),
        ("ST", [(r"\+?0*[1-9][0-9]*", NUM)]),
        ("SK", [(KEY, sc("constant.other.key")), ("[01]", NUM)]),
        ("SC4", []),
        ("SC", [(signed(-30, 30), NUM)]),
        ("SCN", [(signed(-30, 30), NUM)]),
        ("SV", []),
        ("SN", [("1?[0-9]|20", NUM)]),
        ("SS", [(signed(0, 8), NUM)]),
        ("SSN", [(LETTER, sc("constant.other.letter"))]),
        ("SRN", [(LETTER, sc("constant.other.letter"))]),
        ("SS#", [(LETTER, sc("constant.other.letter"))]),
        ("SSB", [(LETTER, sc("constant.other.letter"))]),
        ("SSC", [(LETTER, sc("constant.other.letter"))]),
    ]
    if tool in ("talven", "quendro", "nolwen"):
        table = [t for t in table if t[0] not in ("SS#", "SSB", "SSC")]
    if tool == "vastrel":
        table = [t for t in table if t[0] in ("SB", "ST")]
    if tool == "vocal":
        # sirenta's own set (and nolwen's: SC4 and SCN are its only extras).
        table = [t for t in table if t[0] not in ("SS#", "SSB", "SSC")]
        table.append(("SL1", []))
        table.append(("SL2", []))
    rules = []
    for name, operands in table:
        rules += keyword_statement("(?i:" + re.escape(name) + ")", operands, kw)
    return rules


def pattern_rules():
    kw = sc("keyword.control.pattern")
    return (keyword_statement("(?i:PS)", [(signed(0, 999), NUM)], kw)
            + keyword_statement("(?i:PE)", [], kw)
            + keyword_statement("(?i:PR)", [(signed(1, 999), NUM)], kw))


SEVEN_BIT = ["BS", "MD", "BC", "FC", "PT", "DE", "VO", "BL", "PN", "EX", "EF1", "EF2",
             "GC1", "GC2", "GC3", "GC4", "VS", "TI", "RE", "AT", "BR", "DT", "VR", "VD",
             "VL", "CS10", "GC5", "GC6", "GC7", "GC8", "PC", "ED", "TD", "CD", "SD", "FD", "HLD"]
FOURTEEN_BIT = ["BS2", "MD2", "BC2", "FC2", "PT2", "VO2", "BL2", "PN2", "EX2", "EF12",
                "EF22", "GC12", "GC22", "GC32", "GC42"]
SWITCHES = ["HO1", "PR", "SS", "SF", "LF", "HO2"]


def words(names):
    return "(?:" + "|".join(re.escape(n) for n in sorted(sorted(set(names)), key=len, reverse=True)) + ")"


def midi_rules(with_cc):
    kw = sc("keyword.other.midi")
    v127 = (signed(0, 127), NUM)
    v14 = (signed(0, 16383), NUM)
    note = (r"(?i:[A-G](?:-1|[0-7])(?:##?|BB?|N)?)", sc("constant.language.note"))
    table = [
        ("PB", [(signed(-8192, 8191), NUM)]),
        ("PCH", [v127]),
        ("CP", [v127]),
        ("RPN1", [v127, v127]),
        ("RPN2", [v14]),
        ("NRPN1", [v127, v127]),
        ("NRPN2", [v14]),
        ("NOFF", [note]),
        ("PP", [note, v127]),
        ("DE1", [v127, v127]),
        ("DE2", [v14]),
    ]
    rules = []
    for name, operands in table:
        rules += keyword_statement("!(?i:" + name + ")", operands, kw)
    # NON with an optional velocity.
    rules.append({
        "match": START + NO_MACRO + "(!(?i:NON))" + END
        + "(?: +(?:(" + note[0] + ")" + END + "|(" + TOK + ")))"
        + "(?: +(?:(" + VELOCITY + ")" + END + "|(" + TOK + ")))?"
        + "(?: +(" + TOK + "(?: +" + TOK + ")*))?",
        "captures": {"1": {"name": kw}, "2": {"name": note[1]}, "3": {"name": invalid("operand")},
                     "4": {"name": sc("constant.numeric.velocity")}, "5": {"name": invalid("operand")},
                     "6": {"name": invalid("extra-token")}},
    })
    rules.append({"match": START + NO_MACRO + "(!(?i:NON)) *" + STMT_END,
                  "captures": {"1": {"name": invalid("missing-operand")}}})
    names = list(SEVEN_BIT)
    if with_cc:
        cc = "CC#(?:" + _digits_range(0, 119) + ")|MM#(?:" + _digits_range(120, 127) + ")"
        rules += keyword_statement("!(?i:" + cc + ")", [v127], kw)
    rules += keyword_statement("!(?i:" + words(FOURTEEN_BIT) + ")", [v14], kw)
    rules += keyword_statement("!(?i:" + words(names) + ")", [v127], kw)
    rules += keyword_statement("!(?i:" + words(SWITCHES) + ")", [("(?i:ON|OFF)", sc("constant.language.switch"))], kw)
    # Any other "!" statement is no MIDI statement of this tool.
    rules.append({"match": START + NO_MACRO + "(!" + TC + "*)", "captures": {"1": {"name": invalid("midi")}}})
    return rules


def no_midi_rules():
    return [{"match": START + NO_MACRO + "(!" + TC + "*)", "captures": {"1": {"name": invalid("midi")}}}]


# ---------------------------------------------------------------------------
# Tokens after the length group, by shape.

def rule_velocity():
    return {"match": tok("(" + VELOCITY + ")|([Vv][+-]?[0-9]+)"),
            "captures": {"1": {"name": sc("constant.numeric.velocity")},
                         "2": {"name": invalid("velocity")}}}


def rule_bad_velocity():
    """"V" with a sign or digits that is no number (V1A, V+, V) is refused
    wherever a velocity may stand; used where no name can begin with V."""
    return {"name": invalid("velocity"), "match": tok("[Vv](?:[+-]?[0-9]*[^0-9 ;/]" + TC + "*|)")}


def note_captures(base):
    return {"1": {"name": sc("punctuation.definition.note")},
            "2": {"name": sc("constant.language.note.letter")},
            "3": {"name": sc("constant.numeric.octave")},
            "4": {"name": sc("constant.language.note.accidental")}}


def rule_star_note():
    return {"name": sc("constant.language.note"),
            "match": tok(r"(\*)" + NOTE),
            "captures": note_captures(1)}


def rule_bad_star_note():
    return {"name": invalid("note"), "match": tok(r"\*" + TC + "*")}


def rule_plain_note():
    return {"name": sc("constant.language.note"),
            "match": tok("()" + NOTE),
            "captures": note_captures(0)}


def rule_bad_plain_note():
    """A letter A to G with an octave out of range (C8, C-2, C44)."""
    return {"name": invalid("note"),
            "match": tok("[A-Ga-g](?:-(?!1(?:##?|[Bb][Bb]?|[Nn])?" + END + ")[0-9]*|[89][0-9]*|[0-7][0-9]+)")}


def rule_rest():
    return {"name": sc("constant.language.rest"), "match": tok("[Xx]")}


def rule_quote(kind):
    """A quoted token (a lyric or a comment): to the next double quote; an
    unclosed one is marked."""
    return {"match": r'("(?:[^";/]|/(?!/))*")|("(?:[^";/]|/(?!/))*' + STMT_END + ")",
            "captures": {"1": {"name": sc("string.quoted.double." + kind),
                               "patterns": [{"name": sc("constant.other.phonetic"),
                                             "match": r"\[[^\]\"]*\]"}]},
                         "2": {"name": invalid("quote")}}}


def rule_rest_after_artic():
    """The rest mark right after an articulation token: a rest cannot be
    played staccato or split."""
    return {"match": r"\G(?<=[ ](?:[Ss][0-8]?|[Dd][Ll][1-4]?|&[0-9]{2}|&[0-9]{3})) +([Xx])" + END,
            "captures": {"1": {"name": invalid("rest")}}}


def rule_lone_velocity():
    """A velocity right after the length group, with no note before it."""
    return {"match": r"\G +([Vv]" + TC + "*)", "captures": {"1": {"name": invalid("velocity")}}}


def rule_length_token():
    return {"name": sc("constant.numeric.length"), "match": tok(LENGTHS)}


def rule_tie():
    return {"name": sc("keyword.operator.tie"), "match": tok(r"\)")}


def rule_bracket():
    return {"name": sc("keyword.operator.tuplet"), "match": tok(BRACKET)}


def rule_artic():
    return {"name": sc("storage.modifier.articulation"), "match": tok(ARTIC)}


def attribute_rules():
    """The per-note attribute and control tokens of a vocal note."""
    single = [("VEL", 0, 127), ("OPE", 0, 127), ("DA", 0, 100), ("PB", 0, 100), ("PL", 0, 100),
              ("DD", 0, 100), ("PF", 0, 1), ("PR", 0, 1)]
    lists = [("DYN", 0, 127), ("BRE", 0, 127), ("BRI", 0, 127), ("CLE", 0, 127), ("GEN", 0, 127),
             ("POR", 0, 127), ("PIT", -8192, 8191), ("PBS", 0, 24)]
    kw = sc("keyword.other.attribute")
    rules = []
    for name, lo, hi in single:
        rules.append({"match": tok("(?i:(" + name + ":)(?:(" + signed(lo, hi) + ")|(" + TC + "*)))"),
                      "captures": {"1": {"name": kw}, "2": {"name": NUM}, "3": {"name": invalid("attribute")}}})
    for name, lo, hi in lists:
        # In a control list a value may be a sign alone or empty (it reads 0).
        value = "(?:[+-]?0*(?:" + _digits_range(0, hi) + ")|[+-]?)" if lo == 0 else \
            "(?:\\+?0*(?:" + _digits_range(0, hi) + ")|-0*(?:" + _digits_range(0, -lo) + ")|[+-]?)"
        good = value + "(?:," + value + "){0,5}"
        # (?<!,): a list may not end in a comma.
        rules.append({"match": tok("(?i:(" + name + ":)(?:(" + good + ")(?<!,)|(" + TC + "*)))"),
                      "captures": {"1": {"name": kw}, "2": {"name": NUM}, "3": {"name": invalid("attribute")}}})
    rules.append({"match": tok('(?i:(LY|PH))("[^"]*")'),
                  "captures": {"1": {"name": kw}, "2": {"name": sc("string.quoted.double.lyric")}}})
    return rules


# ---------------------------------------------------------------------------
# Chords.

def read_rows(path, pattern):
    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
        text = f.read()
    return text


def talven2_suffixes():
    text = read_rows("chord/chord_table.cpp", None)
    body = text[text.index("kRows[] = {"):]
    body = body[:body.index("};")]
    names = re.findall(r'\{"((?:[^"\\]|\\.)*)",\s*\{', body)
    if len(names) < 400:
        sys.exit("make_grammars: could not read the chord table")
    return names


def talven_lists():
    text = read_rows("chord/older_vocabulary.cpp", None)
    lists = {}
    for name in ("kFractionListA", "kFractionListB", "kSuffixList0", "kSuffixList1", "kSuffixList2",
                 "kFractionRegular"):
        m = re.search(name + r"\s*=\s*\{(.*?)\};", text, re.S)
        if not m:
            sys.exit("make_grammars: could not read " + name)
        lists[name] = re.findall(r'"([^"]*)"', m.group(1))
    return lists


ROOT_NAME = "[A-G][b#]?"


def talven2_chord():
    suffixes = [s for s in talven2_suffixes() if s != "xxx"]
    suffix = "(?:" + words(suffixes + ["xxx"]) + ")?"
    return ROOT_NAME + suffix + "(?:(?:on|/)" + ROOT_NAME + ")?"


def talven_chord():
    lists = talven_lists()
    fractions = set(lists["kFractionListA"]) | set(lists["kFractionListB"]) | set(lists["kFractionRegular"])
    frac = words(fractions)
    alts = [
        "(?:" + frac + ")",
        ROOT_NAME + "(?:" + words(lists["kSuffixList0"]) + ")?",
        "[12](?:" + frac + "|" + ROOT_NAME + "(?:" + words(lists["kSuffixList1"]) + ")?)",
        "3(?:" + frac + "|" + ROOT_NAME + "(?:" + words(lists["kSuffixList2"]) + ")?)",
    ]
    return "(?:" + "|".join(alts) + ")"


def chord_note_rest(chord, lone_velocity):
    """After the length group of a chord statement: a rest, a chord name and
    one velocity, or notes written with "*"; with lone_velocity (talven) also
    a velocity alone, the new velocity of the repeated chord."""
    chord_scope = sc("entity.name.chord")
    return [rule_rest_after_artic()] + ([] if lone_velocity else [rule_lone_velocity()]) + [
        {"name": sc("meta.rest"), "begin": r"\G +([Xx])" + END,
         "beginCaptures": {"1": {"name": sc("constant.language.rest")}},
         "end": STMT_END,
         "patterns": [{"name": invalid("extra-token"), "match": TOK}]},
        {"name": sc("meta.notes"), "begin": r"\G(?= +\*)", "end": STMT_END,
         "patterns": [rule_star_note(), rule_bad_star_note(), rule_velocity(), rule_bad_velocity(),
                      {"name": sc("entity.name.chord"), "match": tok(chord)}]},
        {"name": sc("meta.chord"),
         "begin": r"\G +(?:(" + chord + ")" + END + r"|(?![Vv])(" + TOK + "))",
         "beginCaptures": {"1": {"name": chord_scope, "patterns": [
             {"match": "(?:on|/)" + ROOT_NAME + "$", "name": sc("entity.name.chord.bass")}]},
             "2": {"name": invalid("chord")}},
         "end": STMT_END,
         "patterns": [
             {"begin": r"\G +(?:(" + VELOCITY + ")" + END + "|(" + TOK + "))",
              "beginCaptures": {"1": {"name": sc("constant.numeric.velocity")},
                                "2": {"name": invalid("velocity")}},
              "end": STMT_END,
              "patterns": [{"name": invalid("extra-token"), "match": TOK}]},
             {"name": invalid("extra-token"), "match": TOK}]},
        # Only a velocity (talven: a new velocity for the repeated chord).
        rule_velocity(), rule_bad_velocity(),
        {"name": invalid("extra-token"), "match": TOK},
    ]


# ---------------------------------------------------------------------------
# Note statements.

def note_statement(rest, length=LENGTHS, artic=ARTIC, tie=True, bracket=True):
    """A length group, then the tokens of the tool.  The tie ")" may not be
    followed by an articulation token."""
    rules = []
    group_caps = {"1": {"name": sc("constant.numeric.length"),
                        "patterns": [{"name": sc("punctuation.definition.dot"), "match": r"\."}]}}
    if tie:
        rules.append({
            "name": sc("meta.statement.note"),
            "begin": START + NO_MACRO + "(" + length + ")" + END + r" +(\))" + END
            + ("(?: +(" + BRACKET + ")" + END + ")?" if bracket else "")
            + "(?: +(" + artic + ")" + END + ")?",
            "beginCaptures": dict(group_caps, **{"2": {"name": sc("keyword.operator.tie")},
                                                 "3": {"name": sc("keyword.operator.tuplet")},
                                                 "4": {"name": invalid("articulation")}}),
            "end": STMT_END,
            "patterns": rest,
        })
    rx = START + NO_MACRO + "(" + length + ")" + END
    if bracket:
        rx += "(?: +(" + BRACKET + ")" + END + ")?"
    else:
        rx += "()"
    rx += "(?: +(" + artic + ")" + END + ")?"
    rules.append({
        "name": sc("meta.statement.note"),
        "begin": rx,
        "beginCaptures": dict(group_caps, **{"2": {"name": sc("keyword.operator.tuplet")},
                                             "3": {"name": sc("storage.modifier.articulation")}}),
        "end": STMT_END,
        "patterns": rest,
    })
    return rules


def bad_first_token():
    """Any other first token: no statement of the tool begins so.  A number
    or a dotted number is a length that is not in the table."""
    return [{"match": START + NO_MACRO + r"([0-9]" + TC + "*)", "captures": {"1": {"name": invalid("length")}}},
            {"match": START + NO_MACRO + "(" + TOK + ")", "captures": {"1": {"name": invalid("statement")}}}]


def body_tokens(extra, last=()):
    """Tokens by shape, for macro bodies and statements with a macro use:
    the tool's own tokens first, then the shared ones, then last."""
    return [rule_quote("lyric")] + extra + [
        rule_velocity(),
        {"name": sc("keyword.other.setting"),
         "match": tok("(?i:SB|ST|SK|SC4|SC|SCN|SV|SN|SS|SSN|SRN|SS#|SSB|SSC|PS|PE|PR|SL1|SL2)")},
        {"name": sc("keyword.other.midi"), "match": r"(?<![^ ;])!" + TOK},
        rule_length_token(), rule_tie(), rule_bracket(), rule_artic(), rule_rest(),
    ] + list(last)


def grammar(name, scope_name, statements, body, macro_statement=True):
    lenient = [rule_statement_with_macro(body)] if macro_statement else []
    return {
        "$schema": "https://raw.githubusercontent.com/martinring/tmlanguage/master/tmlanguage.json",
        "name": name,
        "scopeName": scope_name,
        "comment": "Written by editors/make_grammars.py; edit that, not this file.",
        "patterns": [rule_comment(), rule_empty_statement(), rule_separator(),
                     rule_macro_definition(body)] + lenient + statements,
    }


def front_statements(tool, with_cc=True, midi=True):
    out = setting_rules(tool) + pattern_rules()
    out += midi_rules(with_cc) if midi else no_midi_rules()
    return out


def build():
    grammars = {}

    # Score text: morrik's melodies and what the preprocessors write.
    rest_region = {"name": sc("meta.rest"), "begin": r"\G +([Xx])" + END,
                   "beginCaptures": {"1": {"name": sc("constant.language.rest")}}, "end": STMT_END,
                   "patterns": [{"name": invalid("extra-token"), "match": TOK}]}
    score_rest = [rule_rest_after_artic(), rule_lone_velocity(), rest_region, rule_quote("comment"), rule_rest(), rule_star_note(), rule_bad_star_note(),
                  rule_plain_note(), rule_bad_plain_note(), rule_velocity(), rule_bad_velocity(),
                  {"name": sc("entity.name.chord"), "match": tok("[1-3]?" + ROOT_NAME + TC + "*")}]
    score_body = [rule_star_note(), rule_plain_note(), rule_bad_plain_note(), rule_bad_star_note()]
    grammars["scoretext"] = grammar(
        "Score text", "source.scoretext",
        front_statements("morrik") + note_statement(score_rest) + bad_first_token(),
        body_tokens(score_body))

    # talven2.
    chord = talven2_chord()
    chord_body = [rule_star_note(), rule_bad_star_note(),
                  {"name": sc("entity.name.chord"), "match": tok(chord)}]
    grammars["scoretext-chords"] = grammar(
        "Score text chords (talven2)", "source.scoretext.chords",
        front_statements("talven2") + note_statement(chord_note_rest(chord, False)) + bad_first_token(),
        body_tokens(chord_body))

    # talven.
    old = talven_chord()
    old_body = [rule_star_note(), rule_bad_star_note(),
                {"name": sc("entity.name.chord"), "match": tok(old)}]
    grammars["scoretext-chords-old"] = grammar(
        "Score text chords (talven)", "source.scoretext.chords-old",
        front_statements("talven", with_cc=False) + note_statement(chord_note_rest(old, True)) + bad_first_token(),
        body_tokens(old_body))

    # gessan.
    tab = r"[1-6](?:1[0-5]|[0-9])"
    tab_rules = [{"name": sc("constant.numeric.tablature"), "match": tok(tab),
                  "captures": {}},
                 {"name": invalid("tablature"), "match": tok("[0-9]" + TC + "*")}]
    tab_rest = [rule_rest_after_artic(), rule_lone_velocity(), {"name": sc("meta.rest"), "begin": r"\G +([Xx])" + END,
                 "beginCaptures": {"1": {"name": sc("constant.language.rest")}}, "end": STMT_END,
                 "patterns": [{"name": invalid("extra-token"), "match": TOK}]}] + tab_rules + [
        rule_velocity(), rule_bad_velocity(), {"name": invalid("extra-token"), "match": TOK}]
    grammars["scoretext-guitar"] = grammar(
        "Score text tablature (gessan)", "source.scoretext.guitar",
        front_statements("gessan") + note_statement(tab_rest) + bad_first_token(),
        body_tokens(tab_rules))

    # quendro.
    inst = {"name": sc("variable.other.instrument"), "match": tok("(?![Vv][0-9])" + TC + "{1,10}")}
    drum_vel = {"match": tok("([Vv]" + unsigned(0, 127) + ")|([Vv][0-9]" + TC + "*)"),
                "captures": {"1": {"name": sc("constant.numeric.velocity")},
                             "2": {"name": invalid("velocity")}}}
    drum_rest = [rule_rest_after_artic(), {"name": sc("meta.rest"), "begin": r"\G +([Xx])" + END,
                  "beginCaptures": {"1": {"name": sc("constant.language.rest")}}, "end": STMT_END,
                  "patterns": [{"name": invalid("extra-token"), "match": TOK}]},
                 drum_vel, {"name": invalid("tie"), "match": tok(r"\)|" + BRACKET)},
                 inst, {"name": invalid("instrument"), "match": TOK}]
    grammars["scoretext-drums"] = grammar(
        "Score text drums (quendro)", "source.scoretext.drums",
        front_statements("quendro", with_cc=False)
        + note_statement(drum_rest, artic=DRUM_ARTIC, tie=False, bracket=False)
        + bad_first_token(),
        body_tokens([drum_vel], [inst]))

    # vastrel: SB, ST, and one line of steps per instrument.
    step_rules = [
        {"name": sc("constant.numeric.length"), "match": tok(STEP_LENGTHS)},
        {"name": invalid("length"), "match": tok("[0-9]" + TC + "*")},
        {"name": sc("keyword.operator.tuplet"), "match": tok(r"\](?:[2-9]|[12][0-9]|3[0-2])")},
        rule_rest(),
        {"match": tok("([Vv]" + unsigned(0, 127) + ")|([Vv]" + TC + "*)"),
         "captures": {"1": {"name": sc("constant.numeric.velocity")},
                      "2": {"name": invalid("velocity")}}},
    ]
    beat_statements = setting_rules("vastrel") + [
        {"name": sc("meta.statement.instrument"),
         "begin": START + "(?:([Vv][0-9]" + TC + "*)|(" + TC + "{1,10})|(" + TOK + "))" + END,
         "beginCaptures": {"1": {"name": invalid("instrument")},
                           "2": {"name": sc("variable.other.instrument")},
                           "3": {"name": invalid("instrument")}},
         "end": STMT_END,
         "patterns": [rule_macro_use()] + step_rules + [{"name": invalid("step"), "match": TOK}]}]
    grammars["scoretext-beat"] = grammar(
        "Score text drum steps (vastrel)", "source.scoretext.beat",
        beat_statements, step_rules, macro_statement=False)

    # The vocal part: sirenta's input, and nolwen's score text.
    vocal_note = [
        {"name": sc("meta.rest"), "begin": r"\G +([Xx])" + END,
         "beginCaptures": {"1": {"name": sc("constant.language.rest")}}, "end": STMT_END,
         "patterns": [{"name": invalid("extra-token"), "match": TOK}]},
        {"name": sc("meta.note"),
         "begin": r"\G(?: +(" + VOCAL_DELAY + ")" + END + ")?(?: +(" + VOCAL_ARTIC + ")" + END + ")?"
         + " +(?:(" + NOTE + ")" + END + "|(" + TOK + "))"
         + "(?: +(?:(" + VELOCITY + ")|([Vv][+-]?[0-9]" + TC + "*))" + END + ")?",
         "beginCaptures": {"1": {"name": sc("storage.modifier.articulation")},
                           "2": {"name": sc("storage.modifier.articulation")},
                           "3": {"name": sc("constant.language.note")},
                           "4": {"name": sc("constant.language.note.letter")},
                           "5": {"name": sc("constant.numeric.octave")},
                           "6": {"name": sc("constant.language.note.accidental")},
                           "7": {"name": invalid("note")},
                           "8": {"name": sc("constant.numeric.velocity")},
                           "9": {"name": invalid("velocity")}},
         "end": STMT_END,
         "patterns": [rule_quote("lyric")] + attribute_rules()
         + [{"name": invalid("attribute"), "match": TOK}]},
    ]
    vocal_body = [rule_plain_note(), rule_bad_plain_note()] + attribute_rules()
    grammars["scoretext-vocal"] = grammar(
        "Score text vocal part (sirenta, nolwen)", "source.scoretext.vocal",
        setting_rules("vocal") + pattern_rules() + no_midi_rules()
        + note_statement(vocal_note, artic=r"(?!)") + bad_first_token(),
        vocal_body)
    # In the vocal part the length group carries no articulation token: the
    # delay, staccato and "&" tokens are read with the note (above).

    grammars["scoretext-lyrics"] = lyric_grammar()
    grammars["scoretext-drumdef"] = drumdef_grammar()
    return grammars


# ---------------------------------------------------------------------------
# The lyric file.

HIRAGANA = ("わ うぃ うぇ を きゃ きゅ きょ しゃ すぃ しゅ しぇ しょ ちゃ つぃ ちゅ ちぇ ちょ にゃ にゅ にぇ にょ "
            "ひゃ ひゅ ひぇ ひょ ふぁ ふぃ ふゅ ふぇ ふぉ みゃ みゅ みぇ みょ りゃ りゅ りょ ぎゃ ぎゅ ぎぇ ぎょ "
            "じゃ ずぃ じゅ じぇ じょ でぃ でゅ びゃ びゅ びぇ びょ ぴゃ ぴゅ ぴぇ ぴょ いぇ あ い う え お か き "
            "く け こ さ し す せ そ た ち つ て と な に ぬ ね の は ひ ふ へ ほ ま み む め も や ゆ よ ら り る "
            "れ ろ が ぎ ぐ げ ご ざ じ ず ぜ ぞ だ ぢ づ で ど ば び ぶ べ ぼ ぱ ぴ ぷ ぺ ぽ ぁ ぃ ぅ ぇ ぉ ー ん")


def katakana(s):
    return "".join(chr(ord(c) + 0x60) if "\u3041" <= c <= "\u3096" else c for c in s)


def lyric_grammar():
    syll = HIRAGANA.split()
    if len(syll) != 132:
        sys.exit("make_grammars: the syllable table has %d entries" % len(syll))
    all_syll = syll + [katakana(s) for s in syll]
    two = [s for s in all_syll if len(s) == 2]
    one = sorted(set(s for s in all_syll if len(s) == 1))
    syllable = "(?:" + "|".join(two) + "|[" + "".join(one) + "])"
    # Characters that normalise to something usable: ASCII letters, the
    # brackets, blank, ' \ 4 @ { : _ 0, '-', their full-width forms, kana.
    ascii_ok = r"A-Za-z\[\]'\\4@{:_0"
    wide_ok = "\u3000\uff3b\uff3d\u2019\uffe5\uff14\uff20\uff5b\uff1b\uff3f\uff21-\uff3a\uff41-\uff5a"
    letter = "[A-Za-z\\[\\]\uff21-\uff3a\uff41-\uff5a\uff3b\uff3d]"
    return {
        "$schema": "https://raw.githubusercontent.com/martinring/tmlanguage/master/tmlanguage.json",
        "name": "Lyric file (nolwen)",
        "scopeName": "source.scoretext.lyrics",
        "comment": "Written by editors/make_grammars.py; edit that, not this file.",
        "patterns": [
            rule_comment(),
            {"name": sc("constant.other.phonetic"),
             "match": r"[\[\uff3b](?:[^\]\uff3d\[\uff3b/]|/(?!/))*[\]\uff3d]"},
            {"name": invalid("bracket"), "match": r"[\[\uff3b](?:[^\]\uff3d/]|/(?!/))*(?=//|$)"},
            {"name": sc("keyword.operator.long-vowel"), "match": "[-\u30fc]"},
            {"name": sc("string.unquoted.syllable"), "match": syllable},
            {"name": sc("string.unquoted.word"),
             "match": letter + "[" + ascii_ok.replace(r"\[", "") + wide_ok.replace("\uff3b", "") + "]*"},
            {"match": "[ " + "\u3000]+"},
            {"name": invalid("character"),
             "match": "[^ \u3000" + ascii_ok + wide_ok + "]|[" + "'\\\\4@{:_0" + "\u2019\uffe5\uff14\uff20\uff5b\uff1b\uff3f]"},
        ],
    }


def drumdef_grammar():
    note = "(?i:(?:[CDFGA]#?|[EB])(?:-[12]|[0-7]))"
    return {
        "$schema": "https://raw.githubusercontent.com/martinring/tmlanguage/master/tmlanguage.json",
        "name": "Drum definitions (drumdef.txt)",
        "scopeName": "source.scoretext.drumdef",
        "comment": "Written by editors/make_grammars.py; edit that, not this file.",
        "patterns": [
            rule_comment(),
            {"match": "^ *(?:(" + note + ")" + END + "(?= +(?!//)[^ ])|(" + TOK + "))"
                      + "(?: +(?:([Vv][0-9]" + TC + "*)|(" + TC + "{1,10})" + END
                      + "|(" + TOK + ")))?(?: +((?!//)[^ ](?:(?!//).)*))?",
             "captures": {"1": {"name": sc("constant.language.note")},
                          "2": {"name": invalid("note")},
                          "3": {"name": invalid("instrument")},
                          "4": {"name": sc("variable.other.instrument")},
                          "5": {"name": invalid("instrument")},
                          "6": {"name": sc("comment.line.ignored")}}},
        ],
    }


def main():
    grammars = build()
    outputs = {os.path.join(OUT, name + ".tmLanguage.json"): json.dumps(g, indent=1, ensure_ascii=False) + "\n"
               for name, g in grammars.items()}
    outputs.update(vim_files())
    stale = []
    for path, text in outputs.items():
        old = None
        if os.path.exists(path):
            with open(path, encoding="utf-8") as f:
                old = f.read()
        if old != text:
            stale.append(path)
            if "--check" not in sys.argv:
                os.makedirs(os.path.dirname(path), exist_ok=True)
                with open(path, "w", encoding="utf-8") as f:
                    f.write(text)
    if "--check" in sys.argv and stale:
        print("stale grammars (run editors/make_grammars.py):", *stale, sep="\n  ")
        return 1
    return 0




# ---------------------------------------------------------------------------
# Vim syntax files.  Vim has no begin/end rules keyed to the first token, so
# each item carries its context as a look-behind: the start of the statement
# (a line start or ";" and blanks) and the tokens that must stand before it.
# When several items start at one column the one defined last wins, so every
# catch-all error item comes before the valid forms that override it.

def vim_rx(py):
    """A piece of the regular expressions above, in Vim's very-magic form:
    only (?: groups, classes, escapes and counted repeats occur in them."""
    out = py.replace("\\#", "#").replace("\\-", "-")
    for ch in "&=@<>%~":
        out = out.replace(ch, "\\" + ch)
    return out.replace("(?:", "%(")


V_TC = r"%([^ ;/=]|/%(/)@!)"
V_TOK = V_TC + "+"
V_NOTEQ = r"%(\=)@!"                 # a token that is no macro use
V_END = r"%([ ;=]|//|$)@="
V_BEG = r"%(^|[ ;=\"])@<="
V_SST = r"%(^|;) *"


def v_after(context):
    return "%(" + context + ")@<="


class VimSyntax:
    def __init__(self, name):
        self.name = name
        self.lines = []

    def match(self, group, pattern, ignore_case=False):
        if "`" in pattern:
            raise ValueError("backquote in a Vim pattern")
        # \%#=1: the backtracking engine, many times faster than the NFA
        # engine on these look-behinds.
        self.lines.append("syn match %s `\\%%#=1\\v%s%s`" % (group, "\\c" if ignore_case else "", pattern))

    def token(self, group, body, context=None, ignore_case=False):
        """A whole token that is body, after context if given."""
        pre = v_after(context) if context else V_BEG
        self.match(group, pre + "%(" + body + ")" + V_END, ignore_case)

    def text(self):
        return "\n".join(self.lines) + "\n"


VIM_LINKS = {
    "Comment": "Comment", "Separator": "Delimiter", "Setting": "Statement", "Pattern": "Statement",
    "Midi": "Statement", "Number": "Number", "Length": "Number", "Tie": "Operator",
    "Tuplet": "Operator", "Artic": "Type", "Note": "Constant", "Velocity": "Special",
    "Rest": "Constant", "Chord": "Identifier", "MacroDef": "PreProc", "MacroName": "Function",
    "MacroUse": "PreProc", "MacroRef": "Macro", "Lyric": "String", "Quoted": "String",
    "Phonetic": "SpecialChar", "Attribute": "Keyword", "Tab": "Number", "Instrument": "Identifier",
    "Syllable": "String", "Word": "String", "LongVowel": "Operator", "Error": "Error",
}


def vim_front(v, tool):
    """Settings, pattern statements, MIDI statements and macros."""
    num = "scoretextNumber"
    err = "scoretextError"
    kw_rules = []
    table = {
        "SB": [TIME_SIG], "ST": [r"\+?0*[1-9][0-9]*"], "SK": [KEY, "[01]"], "SC4": [],
        "SC": [signed(-30, 30)], "SCN": [signed(-30, 30)], "SV": [], "SN": ["1?[0-9]|20"],
        "SS": [signed(0, 8)], "SSN": [LETTER], "SRN": [LETTER], "SS#": [LETTER], "SSB": [LETTER],
        "SSC": [LETTER],
    }
    if tool in ("talven", "quendro", "nolwen", "vocal"):
        for k in ("SS#", "SSB", "SSC"):
            del table[k]
    if tool == "vocal":
        table["SL1"] = []
        table["SL2"] = []
    if tool == "vastrel":
        table = {k: table[k] for k in ("SB", "ST")}
    for k, ops in table.items():
        kw_rules.append(("scoretextSetting", k, ops))
    if tool != "vastrel":
        kw_rules += [("scoretextPattern", "PS", [signed(0, 999)]), ("scoretextPattern", "PE", []),
                     ("scoretextPattern", "PR", [signed(1, 999)])]
    if tool not in ("vastrel", "vocal", "nolwen"):
        v127, v14 = signed(0, 127), signed(0, 16383)
        note = r"[A-Ga-g](-1|[0-7])(##?|[Bb][Bb]?|[Nn])?"
        midi = [("PB", [signed(-8192, 8191)]), ("PCH", [v127]), ("CP", [v127]), ("RPN1", [v127, v127]),
                ("RPN2", [v14]), ("NRPN1", [v127, v127]), ("NRPN2", [v14]), ("NOFF", [note]),
                ("PP", [note, v127]), ("DE1", [v127, v127]), ("DE2", [v14]),
                ("NON", [note, VELOCITY])]
        midi.append((words(FOURTEEN_BIT), [v14]))
        midi.append((words(SEVEN_BIT), [v127]))
        midi.append((words(SWITCHES), ["ON|OFF"]))
        if tool != "talven" and tool != "quendro":
            midi.append(("CC#(?:" + _digits_range(0, 119) + ")|MM#(?:" + _digits_range(120, 127) + ")", [v127]))
        # Any other "!" statement is refused.
        v.match(err, v_after(V_SST) + "!" + V_TC + "*", True)
        for k, ops in midi:
            kw_rules.append(("scoretextMidi", "!(?:" + k + ")", ops))
    else:
        v.match(err, v_after(V_SST) + "!" + V_TC + "*", True)
    for group, k, ops in kw_rules:
        kw = vim_rx(k if k.startswith("!") else re.escape(k))
        ctx = V_SST + "%(" + kw + ")" + V_END
        v.match(group, v_after(V_SST) + "%(" + kw + ")" + V_END, True)
        if not ops:
            v.match(err, v_after(ctx + "%( +" + V_TOK + ")* +") + V_TOK, True)
            continue
        # The keyword without all its operands.
        v.match(err, v_after(V_SST) + "%(" + kw + ")" + "%( +" + V_TOK + "){0,%d} *" % (len(ops) - 1)
                + "%(;|//|$)@=", True)
        pre = ctx
        for op in ops:
            v.match(err, v_after(pre + " +") + V_NOTEQ + V_TOK, True)
            v.match(num, v_after(pre + " +") + "%(" + vim_rx(op) + ")" + V_END, True)
            pre += " +" + V_TOK
        v.match(err, v_after(pre + "%( +" + V_TOK + ")* +") + V_NOTEQ + V_TOK, True)
    # Key in SK and the length of notes in NON are numbers and notes of their own.


def vim_common_tail(v):
    """Items that win over everything else where they start: macros, the
    statement separator and comments."""
    # A "=" anywhere, also inside a token, begins a macro use.
    v.match("scoretextError", r"\=" + V_TC + "*")
    v.match("scoretextMacroUse", r"\=[mM]:" + "%(" + V_TC + "{0,9}" + V_END + ")@=")
    v.match("scoretextMacroRef", v_after(r"\=[mM]:") + V_TC + "{1,9}" + V_END)
    v.match("scoretextError", v_after(V_SST) + r"\=[dD]" + V_TC + "*")
    v.match("scoretextMacroDef", v_after(V_SST) + r"\=[dD]:" + "%(%(%(\=)@!" + V_TC + "){0,9} )@=")
    v.match("scoretextMacroName", v_after(V_SST + r"\=[dD]:") + "%(%(\=)@!" + V_TC + "){1,9}%( )@=")
    v.match("scoretextSeparator", ";")
    v.match("scoretextError", "%(^ *)@<=;|;%( *;)@=")
    v.match("scoretextComment", "//.*$")


def vim_length_group(v, length, artic, tie=True, bracket=True):
    """The length token at the start of a note statement; returns the
    look-behind text of a whole length group and a function that writes the
    items of its tie, bracket and articulation tokens, which must come after
    every item that would claim those tokens elsewhere."""
    lv = vim_rx(length)
    v.match("scoretextError", v_after(V_SST) + "[0-9]" + V_TC + "*")
    v.match("scoretextLength", v_after(V_SST) + "%(" + lv + ")" + V_END)
    group = V_SST + "%(" + lv + ")"
    items = []
    if tie:
        items.append(("scoretextTie", r"\)", group + " +", False))
        group += r"%( +\))?"
    if bracket:
        items.append(("scoretextTuplet", vim_rx(BRACKET), group + " +", False))
        group += "%( +" + vim_rx(BRACKET) + ")?"
    if artic:
        av = vim_rx(artic.replace("(?i:", "(?:"))
        items.append(("scoretextArtic", av, group + " +", True))
        if tie:
            items.append(("scoretextError", av, V_SST + "%(" + lv + r") +\)%( +" + vim_rx(BRACKET) + ")? +", True))
        group += "%( +" + av + ")?"

    def write_items():
        for g, body, context, ic in items:
            v.token(g, body, context, ignore_case=ic)
    write_items.artic_group = (V_SST + "%(" + lv + ")" + ("%( +" + vim_rx(BRACKET) + ")?" if bracket else "")
                               + " +" + vim_rx(artic.replace("(?i:", "(?:"))) if artic else None
    return group, write_items


def vim_rest(v, group, artic_group=None, lone_velocity=False):
    v.token("scoretextRest", "[Xx]", group + " +")
    if artic_group:
        v.token("scoretextError", "[Xx]", artic_group + " +")
    if lone_velocity:
        v.token("scoretextError", "[Vv]" + V_TC + "*", group + " +")
    v.match("scoretextError", v_after(group + " +[Xx]%( +" + V_TOK + ")* +") + V_TOK)


def vim_velocity(v, unsigned_only=False):
    if unsigned_only:
        v.token("scoretextError", "[Vv][0-9]" + V_TC + "*")
        v.token("scoretextVelocity", "[Vv]" + vim_rx(unsigned(0, 127)))
    else:
        v.token("scoretextError", "[Vv][+-]?[0-9]+")
        v.token("scoretextVelocity", vim_rx(VELOCITY))


def vim_quotes(v, group):
    v.match("scoretextError", r'"%([^";/]|/%(/)@!)*%(;|//|$)@=')
    v.match(group, r'"%([^";/]|/%(/)@!)*"', )
    v.lines.append("syn match scoretextPhonetic `\\v\\[[^\\]\"]*\\]` contained containedin=scoretextLyric")


def vim_note_tokens(v, star, plain):
    note = r"([A-Ga-g])(-1|[0-7])(##?|[Bb][Bb]?|[Nn])?"
    if star:
        v.token("scoretextError", r"\*" + V_TC + "*")
        v.token("scoretextNote", r"\*" + note)
    if plain:
        v.token("scoretextError", "[A-Ga-g]%(-%(1%(##?|[Bb][Bb]?|[Nn])?" + V_END + ")@![0-9]*|[89][0-9]*|[0-7][0-9]+)")
        v.token("scoretextNote", note)


def vim_file(dialect):
    v = VimSyntax(dialect)
    err = "scoretextError"
    if dialect == "lyrics":
        return vim_lyrics()
    if dialect == "drumdef":
        return vim_drumdef()
    # Any other first token: no statement begins so.
    v.match(err, v_after(V_SST) + V_NOTEQ + V_TOK)
    if dialect == "beat":
        v.match("scoretextInstrument", v_after(V_SST) + V_NOTEQ + "%([Vv][0-9])@!" + V_TC + "{1,10}" + V_END)
        steps = V_SST + V_TOK + "%( +" + V_TOK + ")* +"
        v.match(err, v_after(steps) + V_NOTEQ + V_TOK)
        v.token("scoretextLength", vim_rx(STEP_LENGTHS), steps)
        v.token("scoretextTuplet", r"\]%([2-9]|[12][0-9]|3[0-2])", steps)
        v.token("scoretextRest", "[Xx]", steps)
        v.token(err, "[Vv]" + V_TC + "*", steps)
        v.token("scoretextVelocity", "[Vv]" + vim_rx(unsigned(0, 127)), steps)
        # Macro bodies hold steps too.
        body = V_SST + r"\=[dD]:" + V_TC + "*" + "%( +" + V_TOK + ")* +"
        v.token("scoretextLength", vim_rx(STEP_LENGTHS), body)
        v.token("scoretextRest", "[Xx]", body)
        v.token("scoretextVelocity", "[Vv]" + vim_rx(unsigned(0, 127)), body)
        vim_front(v, "vastrel")
        vim_common_tail(v)
        return v.text()
    tool = {"score": "morrik", "chords": "talven2", "chords_old": "talven", "guitar": "gessan",
            "drums": "quendro", "vocal": "vocal"}[dialect]
    if dialect == "drums":
        group, group_items = vim_length_group(v, LENGTHS, DRUM_ARTIC, tie=False, bracket=False)
    elif dialect == "vocal":
        group, group_items = vim_length_group(v, LENGTHS, None)
    else:
        group, group_items = vim_length_group(v, LENGTHS, ARTIC)
    rest_of = group + " +%(" + V_TOK + " +)*"
    if dialect == "score":
        v.match(err, v_after(rest_of) + V_NOTEQ + V_TOK)
        vim_note_tokens(v, star=True, plain=True)
        vim_velocity(v)
        v.token("scoretextChord", "[1-3]?[A-G][b#]?" + V_TC + "*%([A-Ga-g](-1|[0-7])(##?|[Bb][Bb]?|[Nn])?)@<!", rest_of)
        vim_note_tokens(v, star=True, plain=True)
        vim_rest(v, group, group_items.artic_group, lone_velocity=True)
        vim_quotes(v, "scoretextQuoted")
    elif dialect in ("chords", "chords_old"):
        chord = vim_rx(talven2_chord() if dialect == "chords" else talven_chord())
        # The first token after the length group is a chord name unless it
        # is a note, a velocity or the rest mark.
        v.match(err, v_after(group + " +") + r"%([*Vv\=])@!" + V_TOK)
        v.match("scoretextChord", v_after(group + " +") + "%(" + chord + ")" + V_END)
        vim_velocity(v)
        vim_note_tokens(v, star=True, plain=False)
        v.match(err, v_after(group + " +%(" + chord + ") +[Vv]" + V_TC + "* +%(" + V_TOK + " +)*") + V_NOTEQ + V_TOK)
        v.match(err, v_after(group + " +%(" + chord + ") +") + "%([Vv])@!" + V_NOTEQ + V_TOK)
        vim_rest(v, group, group_items.artic_group, lone_velocity=(dialect == "chords"))
        v.token("scoretextChord", chord, V_SST + r"\=[dD]:" + V_TC + "*%( +" + V_TOK + ")* +")
    elif dialect == "guitar":
        v.match(err, v_after(rest_of) + V_NOTEQ + V_TOK)
        tab = r"[1-6]%(1[0-5]|[0-9])"
        body = V_SST + r"\=[dD]:" + V_TC + "*%( +" + V_TOK + ")* +"
        for context in (rest_of, body):
            v.token(err, "[0-9]" + V_TC + "*", context)
            v.token("scoretextTab", tab, context)
        vim_velocity(v)
        vim_rest(v, group, group_items.artic_group, lone_velocity=True)
    elif dialect == "drums":
        v.match("scoretextInstrument", v_after(rest_of) + V_NOTEQ + "%([Vv][0-9])@!" + V_TC + "{1,10}" + V_END)
        v.token(err, r"\)|\][2-9]", rest_of)
        vim_velocity(v, unsigned_only=True)
        v.match("scoretextInstrument", v_after(V_SST + r"\=[dD]:" + V_TC + "*%( +" + V_TOK + ")* +")
                + "%([Vv][0-9])@!" + V_TC + "{1,10}" + V_END)
        vim_velocity(v, unsigned_only=True)
        vim_rest(v, group, group_items.artic_group)
    elif dialect == "vocal":
        v.match(err, v_after(rest_of) + V_NOTEQ + V_TOK)
        v.token("scoretextArtic", vim_rx(VOCAL_DELAY.replace("(?i:", "(?:")), group + " +", ignore_case=True)
        v.token("scoretextArtic", vim_rx(VOCAL_ARTIC), group + "%( +" + V_TOK + ")? +")
        vim_note_tokens(v, star=False, plain=True)
        vim_velocity(v)
        vim_vocal_attributes(v)
        vim_rest(v, group)
        vim_quotes(v, "scoretextLyric")
    group_items()
    vim_front(v, tool)
    vim_common_tail(v)
    return v.text()


def vim_vocal_attributes(v):
    single = [("VEL", 0, 127), ("OPE", 0, 127), ("DA", 0, 100), ("PB", 0, 100), ("PL", 0, 100),
              ("DD", 0, 100), ("PF", 0, 1), ("PR", 0, 1)]
    lists = [("DYN", 0, 127), ("BRE", 0, 127), ("BRI", 0, 127), ("CLE", 0, 127), ("GEN", 0, 127),
             ("POR", 0, 127), ("PIT", -8192, 8191), ("PBS", 0, 24)]
    for name, lo, hi in single:
        key = V_BEG + name + ":"
        v.match("scoretextAttribute", key, True)
        v.match("scoretextError", v_after(key) + V_TC + "*", True)
        v.match("scoretextNumber", v_after(key) + "%(" + vim_rx(signed(lo, hi)) + ")" + V_END, True)
    for name, lo, hi in lists:
        value = ("%([+-]?0*%(" + vim_rx(_digits_range(0, hi)) + ")|[+-]?)" if lo == 0 else
                 "%(\\+?0*%(" + vim_rx(_digits_range(0, hi)) + ")|-0*%(" + vim_rx(_digits_range(0, -lo))
                 + ")|[+-]?)")
        key = V_BEG + name + ":"
        v.match("scoretextAttribute", key, True)
        v.match("scoretextError", v_after(key) + V_TC + "*", True)
        v.match("scoretextNumber", v_after(key) + value + "%(," + value + "){0,5}%(,)@<!" + V_END, True)
    v.match("scoretextAttribute", V_BEG + '%(LY|PH)%(")@=', True)


def vim_lyrics():
    syll = HIRAGANA.split()
    all_syll = syll + [katakana(s) for s in syll]
    two = [s for s in all_syll if len(s) == 2]
    one = sorted(set(s for s in all_syll if len(s) == 1))
    lines = [
        "syn match scoretextError `\\v[^ \u3000A-Za-z\\[\\]'\\\\4@{:_0\u3000\uff3b\uff3d\u2019\uffe5\uff14\uff20\uff5b\uff1b\uff3f\uff21-\uff3a\uff41-\uff5a]`",
        "syn match scoretextError `\\v%(^|[ \u3000])@<=['\\\\4@{:_0\u2019\uffe5\uff14\uff20\uff5b\uff1b\uff3f]`",
        "syn match scoretextWord `\\v[A-Za-z\\]\uff21-\uff3a\uff41-\uff5a\uff3d][A-Za-z\\]'\\\\4@{:_0\uff3d\u2019\uffe5\uff14\uff20\uff5b\uff1b\uff3f\uff21-\uff3a\uff41-\uff5a]*`",
        "syn match scoretextSyllable `\\v%(" + "|".join(two) + "|[" + "".join(one) + "])`",
        "syn match scoretextLongVowel `\\v[-\u30fc]`",
        "syn match scoretextError `\\v[\\[\uff3b]%([^\\]\uff3d/]|/%(/)@!)*%(//|$)@=`",
        "syn match scoretextPhonetic `\\v[\\[\uff3b]%([^\\]\uff3d\\[\uff3b/]|/%(/)@!)*[\\]\uff3d]`",
        "syn match scoretextComment `//.*$`",
    ]
    return "\n".join(lines) + "\n"


def vim_drumdef():
    note = "%([CDFGAcdfga]#?|[EBeb])%(-[12]|[0-7])"
    lines = [
        "syn match scoretextError `\\v^ *\\zs" + V_TOK + "`",
        "syn match scoretextNote `\\v^ *\\zs" + note + V_END + "%( +%(//)@!" + "[^ ])@=`",
        "syn match scoretextError `\\v%(^ *" + V_TOK + " +)@<=" + V_TOK + "`",
        "syn match scoretextInstrument `\\v%(^ *" + V_TOK + " +)@<=%([Vv][0-9])@!" + V_TC + "{1,10}" + V_END + "`",
        "syn match scoretextComment `//.*$`",
    ]
    return "\n".join(lines) + "\n"


VIM_DIALECTS = {"scoretext": "score", "scoretext_chords": "chords", "scoretext_chords_old": "chords_old",
                "scoretext_guitar": "guitar", "scoretext_drums": "drums", "scoretext_beat": "beat",
                "scoretext_vocal": "vocal", "scoretext_lyrics": "lyrics", "scoretext_drumdef": "drumdef"}


def vim_files():
    files = {}
    for filetype, dialect in VIM_DIALECTS.items():
        head = ('" Vim syntax file for %s.\n'
                '" Written by editors/make_grammars.py; edit that, not this file.\n'
                'if exists("b:current_syntax")\n  finish\nendif\n'
                "syn clear\nsyn sync minlines=1\n" % filetype)
        body = vim_file(dialect)
        links = "".join("hi def link scoretext%s %s\n" % (g, t) for g, t in VIM_LINKS.items())
        files[os.path.join(HERE, "vim", "syntax", filetype + ".vim")] = (
            head + body + links + 'let b:current_syntax = "%s"\n' % filetype)
    return files


if __name__ == "__main__":
    sys.exit(main())
