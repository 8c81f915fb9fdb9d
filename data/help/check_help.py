#!/usr/bin/env python3
"""Checks the four user-guide pages that F1 opens.

Each page must be strict UTF-8, well formed (every element closed in order), self-contained (no
script, no external file or address), with working in-page links; the four languages must have
the same structure; and the element catalogue on each page must name the element kinds exactly as
the program does (data/text/elemente.txt), so that the guide cannot drift from the program.

    check_help.py [--built=DATA_FOLDER]

With --built, the pages in the built data folder must also be identical to the sources here.
Exit status 0 when everything holds; otherwise each fault is printed, naming its page, and the
status is 1.
"""

import re
import sys
from html.parser import HTMLParser
from pathlib import Path

HERE = Path(__file__).resolve().parent
ELEMENT_NAMES = HERE.parent / "text" / "elemente.txt"
LANGUAGES = {"de": 2, "en": 3, "fr": 4, "nl": 5}  # language -> name field of elemente.txt
VOID = {"meta", "br", "hr", "img", "input", "link", "wbr", "col", "area", "base", "source"}
FORBIDDEN_TAGS = {"script", "link", "img", "iframe", "object", "embed", "audio", "video", "source", "base", "form"}
SECTION_TAGS = ("h3", "p", "li", "tr", "pre", "table")  # counted per section for the language comparison


class PageParser(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.faults = []
        self.stack = []
        self.ids = []
        self.hrefs = []
        self.sections = []  # [h2 id, {tag: count}]
        self.lang = None
        self.charset = None
        self.catalogue = []  # rows of the catalogue table: list of cell texts
        self._in_catalogue = False
        self._cell = None
        self._row = None

    def where(self):
        line, column = self.getpos()
        return f"line {line}, column {column + 1}"

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if tag in FORBIDDEN_TAGS:
            self.faults.append(f"{self.where()}: <{tag}> makes the page depend on more than itself")
        for name, value in attrs:
            if name.startswith("on"):
                self.faults.append(f"{self.where()}: event handler {name}")
            if name == "src":
                self.faults.append(f"{self.where()}: src attribute")
        if tag == "html":
            self.lang = attributes.get("lang")
        if tag == "meta" and "charset" in attributes:
            self.charset = attributes["charset"]
        if "id" in attributes:
            self.ids.append(attributes["id"])
        if tag == "a" and "href" in attributes:
            self.hrefs.append((attributes["href"], self.where()))
        if tag == "h2" and "id" in attributes:
            self.sections.append([attributes["id"], {t: 0 for t in SECTION_TAGS}])
        elif tag in SECTION_TAGS and self.sections:
            self.sections[-1][1][tag] += 1
        if tag == "table" and "cat" in attributes.get("class", "").split():
            self._in_catalogue = True
        if self._in_catalogue and tag == "tr":
            self._row = []
        if self._in_catalogue and tag == "td":
            self._cell = ""
        if tag not in VOID:
            self.stack.append((tag, self.where()))

    def handle_startendtag(self, tag, attrs):
        if tag not in VOID:
            self.faults.append(f"{self.where()}: <{tag}/> is not an empty element")
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.handle_endtag(tag)

    def handle_endtag(self, tag):
        if tag in VOID:
            self.faults.append(f"{self.where()}: end tag of the empty element <{tag}>")
            return
        if not self.stack:
            self.faults.append(f"{self.where()}: </{tag}> closes nothing")
            return
        open_tag, opened = self.stack.pop()
        if open_tag != tag:
            self.faults.append(f"{self.where()}: </{tag}> closes <{open_tag}> opened at {opened}")
        if self._in_catalogue and tag == "td":
            self._row.append(self._cell)
            self._cell = None
        if self._in_catalogue and tag == "tr":
            self.catalogue.append(self._row)
            self._row = None
        if tag == "table":
            self._in_catalogue = False

    def handle_data(self, data):
        if self._cell is not None:
            self._cell += data


def element_catalogue(field):
    """The groups of elemente.txt in one language: [(group, name, [(subgroup, name)])]."""
    groups = {}
    for line in ELEMENT_NAMES.read_text(encoding="utf-8").splitlines():
        fields = line.split("\t")
        if len(fields) < 6 or fields[0] in ("#", "-"):
            continue
        group, subgroup = int(fields[0]), int(fields[1])
        entry = groups.setdefault(group, ["", []])
        if subgroup == 0:
            entry[0] = fields[field]
        else:
            entry[1].append((subgroup, fields[field]))
    return [(g, groups[g][0], groups[g][1]) for g in sorted(groups)]


def check_page(language, path):
    """Faults of one page and its structure (section ids with their counts)."""
    faults = []
    raw = path.read_bytes()
    try:
        text = raw.decode("utf-8", errors="strict")
    except UnicodeDecodeError as error:
        return [f"not UTF-8: {error}"], None
    if text.startswith("\ufeff"):
        faults.append("starts with a byte order mark")
    if not text.lstrip().lower().startswith("<!doctype html>"):
        faults.append("does not start with <!DOCTYPE html>")
    for pattern, what in ((r"url\s*\(", "a CSS url()"), (r"@import", "a CSS @import"),
                          (r"(?:https?|ftp|file):/", "an address outside the page")):
        for match in re.finditer(pattern, text, re.IGNORECASE):
            line = text.count("\n", 0, match.start()) + 1
            faults.append(f"line {line}: {what}")

    parser = PageParser()
    parser.feed(text)
    parser.close()
    faults += parser.faults
    for tag, opened in parser.stack:
        faults.append(f"<{tag}> opened at {opened} is never closed")
    if parser.lang != language:
        faults.append(f'<html lang="{parser.lang}"> where "{language}" belongs')
    if (parser.charset or "").lower() != "utf-8":
        faults.append('no <meta charset="utf-8">')

    seen = set()
    for ident in parser.ids:
        if ident in seen:
            faults.append(f'id "{ident}" is used twice')
        seen.add(ident)
    for href, where in parser.hrefs:
        if not href.startswith("#"):
            faults.append(f'{where}: link "{href}" leaves the page')
        elif href[1:] not in seen:
            faults.append(f'{where}: link "{href}" has no target')

    expected = element_catalogue(LANGUAGES[language])
    rows = parser.catalogue
    if len(rows) != len(expected):
        faults.append(f"the element catalogue has {len(rows)} groups, the program {len(expected)}")
    for row, (group, name, kinds) in zip(rows, expected):
        want_group = f"{group} {name}"
        want_kinds = " · ".join(f"{s} {n}" for s, n in kinds)
        got_group = " ".join(row[0].split()) if row else ""
        got_kinds = " ".join(row[1].split()) if len(row) > 1 else ""
        if got_group != " ".join(want_group.split()):
            faults.append(f'catalogue group {group}: "{got_group}", the program says "{want_group}"')
        if got_kinds != " ".join(want_kinds.split()):
            faults.append(f'catalogue group {group}: kinds "{got_kinds}", the program says "{want_kinds}"')
    return faults, parser.sections


def main(argv):
    built = None
    for arg in argv:
        if arg.startswith("--built="):
            built = Path(arg[len("--built="):])
        else:
            print(f"unknown argument {arg}", file=sys.stderr)
            return 2

    failed = False
    structures = {}
    for language in LANGUAGES:
        path = HERE / f"velmora_{language}.html"
        if not path.is_file():
            print(f"{path.name}: missing")
            failed = True
            continue
        faults, sections = check_page(language, path)
        structures[language] = sections
        for fault in faults:
            print(f"{path.name}: {fault}")
        failed |= bool(faults)
        if built is not None:
            copy = built / path.name
            if not copy.is_file():
                print(f"{copy}: missing in the built data folder")
                failed = True
            elif copy.read_bytes() != path.read_bytes():
                print(f"{copy}: differs from {path}")
                failed = True

    # The pages say the same in every language: the same sections, in the same order, each with
    # as many sub-headings, paragraphs, list items, table rows and examples.
    reference = structures.get("en")
    for language, sections in structures.items():
        if language == "en" or sections is None or reference is None:
            continue
        ids = [s[0] for s in sections]
        ref_ids = [s[0] for s in reference]
        if ids != ref_ids:
            print(f"velmora_{language}.html: sections {ids}, the English page has {ref_ids}")
            failed = True
            continue
        for (ident, counts), (_, ref_counts) in zip(sections, reference):
            for tag in SECTION_TAGS:
                if counts[tag] != ref_counts[tag]:
                    print(f"velmora_{language}.html: section #{ident} has {counts[tag]} <{tag}>, "
                          f"the English page {ref_counts[tag]}")
                    failed = True
    if not failed:
        print("user guide pages: " + ", ".join(f"velmora_{lang}.html" for lang in LANGUAGES) + " are fine")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
