#!/usr/bin/env python3
"""Checks the demo handbook (db/demo.sql) before handbook-makedb ever sees it.

The maker reads the file line by line, so the line format is checked strictly:
one statement a line, strings in double quotes with "" for a quote inside.
Beyond the format it checks what the program relies on: every character fits
Windows-1251, categories are numbered 0..n-1 without gaps, keys are unique and
below the range of locally added terms, and every "См. X." description points
at a headword X of its own category (a card can follow a cross-reference only
within the category it was opened from).

Usage: scripts/check-demo.py [path/to/demo.sql]   (exit status 1 on any fault)
"""

import re
import sys
from pathlib import Path

MIN_SECTIONS = 8
MIN_TERMS = 220
MIN_LARGE_SECTIONS = 2      # categories long enough that jumping by letter matters
LARGE_SECTION = 40
MIN_CROSS_REFERENCES = 10
MIN_EMPTY_ORIGINS = 15
MIN_LATIN_HEADWORDS = 5
MAX_QUOTED_VALUES = 1       # one deliberate doubled quote exercises the quoting
INT32_MAX = 2**31 - 1
LOCAL_KEY_BOTTOM = 1_000_000_000   # keys from here up belong to terms added locally

STRING = r'"((?:[^"]|"")*)"'
SECTION_LINE = re.compile(
    r'^insert into SECTIONS \(SECTION_UID, SECTION_NAME\) values \((\d+), '
    + STRING + r'\);$')
TERM_LINE = re.compile(
    r'^insert into EUPHEMIZMS \(EUPH_UID, EUPHEMIZM, ETIOLOGY, DESCRIPTION, SECTION_UID\) '
    r'values \((\d+), ' + STRING + ', ' + STRING + ', ' + STRING + r', (\d+)\);$')
CROSS_REFERENCE = re.compile(r'^См\. (.+)\.$')
ALLOWED_TAG = re.compile(r'</?(b|i)>')
LATIN_HEADWORD = re.compile(r'^[A-Za-z][A-Za-z -]*$')


class Report:
    def __init__(self):
        self.faults = []

    def fault(self, line_no, text):
        self.faults.append(f'line {line_no}: {text}' if line_no else text)


def unquote(literal):
    return literal.replace('""', '"')


def check_value_text(report, line_no, what, value):
    if value != value.strip():
        report.fault(line_no, f'{what} has leading or trailing blanks')
    if any(ord(c) < 32 for c in value):
        report.fault(line_no, f'{what} holds a control character')


def check_markup(report, line_no, text):
    """Only <b> and <i>, each closed in order; a stray '<' would turn into markup on the card."""
    open_tags = []
    rest = text
    while '<' in rest:
        start = rest.index('<')
        match = ALLOWED_TAG.match(rest, start)
        if not match:
            report.fault(line_no, f'description holds markup other than <b>/<i>: {rest[start:start + 12]!r}')
            return
        tag = match.group(0)
        if tag.startswith('</'):
            if not open_tags or open_tags.pop() != match.group(1):
                report.fault(line_no, f'description closes {tag} that is not open')
                return
        else:
            open_tags.append(match.group(1))
        rest = rest[match.end():]
    if open_tags:
        report.fault(line_no, f'description leaves <{open_tags[-1]}> open')


def check_origin(report, line_no, origin):
    # Origins read "греч. gaster – желудок" (en dash), or name the person for eponyms.
    if origin and ' – ' not in origin and not origin.startswith('по имен'):
        report.fault(line_no, f'origin {origin!r} has no " – " between word and meaning')
    if ' - ' in origin:
        report.fault(line_no, f'origin {origin!r} uses a hyphen where an en dash belongs')


def parse(path, report):
    sections, terms = {}, []
    try:
        raw = path.read_bytes()
    except OSError as error:
        report.fault(None, f'cannot read {path}: {error}')
        return sections, terms
    if raw.startswith(b'\xef\xbb\xbf'):
        report.fault(1, 'file starts with a byte-order mark')
    try:
        text = raw.decode('utf-8')
    except UnicodeDecodeError as error:
        report.fault(None, f'file is not UTF-8: {error}')
        return sections, terms
    if '\r' in text:
        report.fault(None, 'file holds carriage returns; lines must end with LF only')

    seen_term = False
    for line_no, line in enumerate(text.split('\n'), start=1):
        for column, char in enumerate(line, start=1):
            try:
                char.encode('cp1251')
            except UnicodeEncodeError:
                report.fault(line_no, f'column {column}: {char!r} (U+{ord(char):04X}) is not in Windows-1251')
        if not line.strip() or line.startswith('--'):
            continue
        section = SECTION_LINE.match(line)
        term = TERM_LINE.match(line)
        if section:
            if seen_term:
                report.fault(line_no, 'a category after the first term; categories come first')
            uid, name = int(section.group(1)), unquote(section.group(2))
            check_value_text(report, line_no, 'category name', name)
            if not name:
                report.fault(line_no, 'empty category name')
            if uid in sections:
                report.fault(line_no, f'category {uid} defined twice')
            sections[uid] = (line_no, name)
        elif term:
            seen_term = True
            uid = int(term.group(1))
            head, origin, desc = (unquote(term.group(i)) for i in (2, 3, 4))
            section_uid = int(term.group(5))
            for what, value in (('headword', head), ('origin', origin), ('description', desc)):
                check_value_text(report, line_no, what, value)
            terms.append({'line': line_no, 'uid': uid, 'head': head, 'origin': origin,
                          'desc': desc, 'section': section_uid,
                          'quoted': sum('"' in v for v in (head, origin, desc))})
        else:
            report.fault(line_no, 'not a comment, a blank line or a statement of the expected form: '
                         + line[:60])
    return sections, terms


def check_sections(report, sections, terms):
    if len(sections) < MIN_SECTIONS:
        report.fault(None, f'{len(sections)} categories; at least {MIN_SECTIONS} wanted')
    if sorted(sections) != list(range(len(sections))):
        report.fault(None, f'categories are not numbered 0..n-1 without gaps: {sorted(sections)}')
    names = [name for _, name in sections.values()]
    if len(set(names)) != len(names):
        report.fault(None, 'two categories share a name')
    per_section = {uid: 0 for uid in sections}
    for term in terms:
        if term['section'] not in sections:
            report.fault(term['line'], f'category {term["section"]} does not exist')
        else:
            per_section[term['section']] += 1
    for uid, count in sorted(per_section.items()):
        if count == 0:
            report.fault(sections[uid][0], f'category {uid} has no terms')
    large = sum(count >= LARGE_SECTION for count in per_section.values())
    if large < MIN_LARGE_SECTIONS:
        report.fault(None, f'{large} categories with {LARGE_SECTION}+ terms; '
                     f'at least {MIN_LARGE_SECTIONS} wanted')
    return per_section


def check_terms(report, terms):
    by_uid, by_head = {}, {}
    for term in terms:
        line_no, uid, head = term['line'], term['uid'], term['head']
        if not 0 < uid <= INT32_MAX:
            report.fault(line_no, f'key {uid} is not a positive 32-bit integer')
        elif uid >= LOCAL_KEY_BOTTOM:
            report.fault(line_no, f'key {uid} lies in the range of locally added terms')
        if uid in by_uid:
            report.fault(line_no, f'key {uid} already used on line {by_uid[uid]["line"]}')
        by_uid[uid] = term
        if not head:
            report.fault(line_no, 'empty headword')
            continue
        if not head[0].isupper():
            report.fault(line_no, f'headword {head!r} does not start with a capital letter')
        folded = head.upper()
        if folded in by_head:
            report.fault(line_no, f'headword {head!r} repeats line {by_head[folded]["line"]} '
                         '(letter case ignored)')
        by_head[folded] = term
        check_origin(report, line_no, term['origin'])
        check_markup(report, line_no, term['desc'])
    return by_head


def check_cross_references(report, terms, by_head):
    """A "См." description must be exactly "См. <headword>." naming a term of the same category."""
    count = 0
    for term in terms:
        desc, line_no = term['desc'], term['line']
        if 'См.' not in desc and not desc.lower().startswith('см.'):
            continue
        match = CROSS_REFERENCE.match(desc)
        if not match:
            report.fault(line_no, f'"См." used other than as a whole "См. <headword>." description: {desc[:50]!r}')
            continue
        count += 1
        name = match.group(1)
        target = by_head.get(name.upper())
        if target is None or target['head'] != name:
            report.fault(line_no, f'cross-reference to {name!r}, which is not a headword')
        elif target['section'] != term['section']:
            report.fault(line_no, f'cross-reference to {name!r} in category {target["section"]}, '
                         f'but the term is in category {term["section"]}')
        elif CROSS_REFERENCE.match(target['desc']):
            report.fault(line_no, f'cross-reference to {name!r}, which is itself only a cross-reference')
        elif target is term:
            report.fault(line_no, 'cross-reference to itself')
    return count


def check_demo(path):
    report = Report()
    sections, terms = parse(path, report)
    per_section = check_sections(report, sections, terms)
    by_head = check_terms(report, terms)
    cross_references = check_cross_references(report, terms, by_head)
    empty_origins = sum(not term['origin'] for term in terms)
    latin = sum(bool(LATIN_HEADWORD.match(term['head'])) for term in terms)
    quoted = sum(term['quoted'] for term in terms)

    for count, minimum, what in ((len(terms), MIN_TERMS, 'terms'),
                                 (cross_references, MIN_CROSS_REFERENCES, 'cross-references'),
                                 (empty_origins, MIN_EMPTY_ORIGINS, 'empty origins'),
                                 (latin, MIN_LATIN_HEADWORDS, 'Latin headwords')):
        if count < minimum:
            report.fault(None, f'{count} {what}; at least {minimum} wanted')
    if quoted > MAX_QUOTED_VALUES:
        report.fault(None, f'{quoted} values hold a double quote; at most {MAX_QUOTED_VALUES} wanted')

    summary = (f'{len(sections)} categories, {len(terms)} terms '
               f'({", ".join(f"{uid}: {n}" for uid, n in sorted(per_section.items()))}), '
               f'{cross_references} cross-references, {empty_origins} empty origins, '
               f'{latin} Latin headwords, {quoted} value(s) with a double quote')
    return report.faults, summary


def main(argv):
    default = Path(__file__).resolve().parent.parent / 'db' / 'demo.sql'
    path = Path(argv[1]) if len(argv) > 1 else default
    faults, summary = check_demo(path)
    for fault in faults:
        print(f'{path}: {fault}', file=sys.stderr)
    print(summary)
    if faults:
        print(f'{len(faults)} fault(s)', file=sys.stderr)
        return 1
    print('OK')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
