#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""Fails when a C++ source under src/ or platform/ holds a text that reads like a
sentence a person sees (two words, or Spanish letters and signs) outside Qt's
translation calls: tr(), QCoreApplication::translate(), QT_TR_NOOP and
QT_TRANSLATE_NOOP. Texts that are not for people (font names, stored formats,
log lines for developers) stay out of the check in one of two ways:

  - they sit in a qCWarning/qCDebug/qCInfo/qCCritical/qWarning/qDebug statement;
  - a comment holding "untranslated:" says why, on the line above the statement that
    holds the text or on any line of it up to the text's own.

  scripts/check-texts.py [ROOT]
"""
import os
import re
import sys

LITERAL = re.compile(r'(?:u8|u|L|U)?"((?:[^"\\\n]|\\.)*)"')
CHAR = re.compile(r"'(?:[^'\\\n]|\\.)*'")
TRANSLATED = re.compile(
    r'\b(?:tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP|QT_TRANSLATE_N_NOOP)\s*\(\s*'
    r'(?:"(?:[^"\\]|\\.)*"\s*,\s*)?$')
LOGGING = re.compile(r'\bq(?:C?(?:Warning|Debug|Info|Critical))\s*\(')
SENTENCE = re.compile(r'[áéíóúñÁÉÍÓÚÑ¿¡]|[A-Za-z]{2,} [A-Za-z]{2,}|[A-Za-z]{3,}:? %\d')
MARK = 'untranslated:'
# A date or time pattern for QDateTime ("yyyy-MM-dd HH:mm:ss") is no sentence.
DATE_PATTERN = re.compile(r'^[yMdHhmszAap:\-./, ]*$')


def blank_comments(text):
    """The text with comments turned to blanks (line numbers kept) and literals kept."""
    out, i, n = [], 0, len(text)
    while i < n:
        if text.startswith('//', i):
            j = text.find('\n', i)
            j = n if j < 0 else j
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
        else:
            m = (LITERAL if text[i] == '"' else CHAR if text[i] == "'" else None)
            m = m.match(text, i) if m else None
            out.append(m.group(0) if m else text[i])
            i = m.end() if m else i + 1
            continue
        out.append(re.sub(r'[^\n]', ' ', text[i:j]))
        i = j
    return ''.join(out)


def statement_start(code, pos):
    return max(code.rfind(';', 0, pos), code.rfind('{', 0, pos), code.rfind('}', 0, pos)) + 1


def untranslated_texts(path):
    raw = open(path, encoding='utf-8').read()
    lines = raw.split('\n')
    code = blank_comments(raw)
    found, inside, previous_end = [], False, -1
    for m in LITERAL.finditer(code):
        before = code[max(0, m.start() - 300):m.start()]
        joined = previous_end >= 0 and code[previous_end:m.start()].strip() == ''
        inside = (inside if joined else bool(TRANSLATED.search(before)))
        previous_end = m.end()
        if inside or not SENTENCE.search(m.group(1)) or DATE_PATTERN.match(m.group(1)):
            continue
        start = statement_start(code, m.start())
        if LOGGING.search(code[start:m.start()]):
            continue
        line = code.count('\n', 0, m.start())
        first = code.count('\n', 0, start + len(code[start:m.start()]) - len(code[start:m.start()].lstrip()))
        if any(MARK in lines[n] for n in range(max(0, min(first, line) - 1), line + 1)):
            continue
        found.append((line + 1, m.group(1)))
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
    failures = 0
    for top in ('src', 'platform'):
        for folder, _, files in sorted(os.walk(os.path.join(root, top))):
            for name in sorted(files):
                if not name.endswith(('.cpp', '.h')):
                    continue
                path = os.path.join(folder, name)
                for line, text in untranslated_texts(path):
                    print(f'{os.path.relpath(path, root)}:{line}: text outside tr(): "{text}"')
                    failures += 1
    if failures:
        print(f'{failures} text(s) a person may see are not translatable: wrap them in tr() '
              'or QCoreApplication::translate(), or say why not with an "untranslated:" comment.')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
