"""Word pairs in confidence tiers: cognates first, then a tightly restricted pivot through shared
English glosses, corrected by the hand-written lists."""

import csv
import os
import re

from chartables import is_han

HERE = os.path.dirname(os.path.abspath(__file__))

# Tiers, best first; the engine prefers a lower tier among translations of one word.
TIER_HAND = 0          # our own hand-written lists
TIER_COGNATE_AGREED = 1  # same characters and an English gloss in common
TIER_COGNATE = 2       # same characters, a content word of the glosses in common
TIER_PIVOT = 3         # first English glosses equal
TIER_COGNATE_ONLY = 4  # same characters of two or more, no gloss in common, nothing better

# Japanese word classes and conjugation types, as the engine stores them (class, subclass).
NOUN, SURU_NOUN, PROPER, PLACE, PERSON, TIME_NOUN = (6, 1), (6, 2), (6, 3), (6, 4), (6, 5), (6, 10)
VERB, ADJECTIVE, ADVERB, CONJUNCTION, ADNOMINAL, INTERJECTION = 2, 3, 8, 10, 11, 12
ADJ_I, ADJ_NA = 18, 21

# EDICT verb tags to the conjugation type and the dictionary-form ending cut off for the stem.
VERB_TYPES = {
    "v1": (1, "る"), "v5k": (2, "く"), "v5k-s": (3, "く"), "v5g": (4, "ぐ"), "v5s": (5, "す"),
    "v5t": (6, "つ"), "v5n": (7, "ぬ"), "v5b": (8, "ぶ"), "v5m": (9, "む"), "v5r": (10, "る"),
    "v5r-i": (10, "る"), "v5aru": (11, "る"), "v5u": (12, "う"), "v5u-s": (13, "う"),
    "vs-s": (16, "する"), "vs-i": (16, "する"), "vz": (17, "ずる"),
}

STOP_WORDS = set("to a an the of be in on at for by with as or and one's oneself someone "
                 "something etc is are it that this from".split())

FUNCTION_KANA = set("""は が を に の で と も や か へ より から まで ね よ な だ です ます
た て ない れる られる せる させる う よう まい たい らしい そう ば たら なら けど けれど
し ながら のに ので ほど くらい ぐらい だけ しか ばかり こそ さえ でも など なり やら ぞ ぜ わ
さ かな かしら って という といった として について において によって に対して に関して
にとって による における に対する では には とは へは からは までは でした だった であり
である でない ではない じゃない""".split())


def read_hand_pairs(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for row in csv.reader(f, delimiter="\t"):
            if not row or row[0].startswith("#"):
                continue
            rows.append([c.strip() for c in row])
    return rows


def content_words(glosses):
    """The content words of glosses, cut to five letters so that "equal" meets "equality"."""
    words = set()
    for g in glosses:
        for w in re.split(r"[^a-z0-9']+", g):
            if w and w not in STOP_WORDS and len(w) > 2:
                words.add(w[:5])
    return words


def short(gloss):
    return 0 < len(gloss.split()) <= 3


def japanese_kind(entry):
    """(class, subclass, conjugation type, stem) of an EDICT entry, or None for a word that the
    engine does not take from the data (prefixes, suffixes, counters, unconjugatable oddities)."""
    tags = entry.pos
    word = entry.headword
    for tag in tags:
        if tag in VERB_TYPES:
            conj, ending = VERB_TYPES[tag]
            if not word.endswith(ending) or len(word) <= len(ending):
                return None
            return (VERB, 1 if "vt" in tags else 2, conj, word[:-len(ending)])
    if "vk" in tags:
        if word.endswith("来る") and len(word) > 2:
            return (VERB, 2, 15, word[:-1])
        return None
    if "adj-i" in tags:
        if word.endswith("い") and len(word) > 1:
            return (ADJECTIVE, 0, ADJ_I, word[:-1])
        return None
    if "adj-ix" in tags:
        return None
    if any(t in ("pref", "suf", "ctr", "aux", "aux-v", "aux-adj", "prt", "cop", "cop-da")
           for t in tags):
        return None
    if "adj-na" in tags:
        return (ADJECTIVE, 0, ADJ_NA, word)
    if "vs" in tags:
        return (SURU_NOUN[0], SURU_NOUN[1], 0, word)
    if "adv" in tags or "adv-to" in tags:
        return (ADVERB, 0, 0, word)
    if "conj" in tags:
        return (CONJUNCTION, 0, 0, word)
    if "adj-pn" in tags:
        return (ADNOMINAL, 0, 0, word)
    if "int" in tags:
        return (INTERJECTION, 1, 0, word)
    if "n-t" in tags:
        return (TIME_NOUN[0], TIME_NOUN[1], 0, word)
    if "exp" in tags and not any(t.startswith("n") for t in tags):
        return (INTERJECTION, 3, 0, word)
    return (NOUN[0], NOUN[1], 0, word)


def is_kana(text):
    return all("\u3040" <= c <= "\u30ff" or c == "ー" for c in text)


class Indexes:
    def __init__(self, edict, cedict, jieba, ipadic):
        self.edict = edict
        self.cedict = cedict
        self.jieba = jieba
        self.cedict_by_simp = {}
        for e in cedict:
            self.cedict_by_simp.setdefault(e.simplified, []).append(e)
        self.cedict_by_first_gloss = {}
        # The leading glosses too: the commonest word for "file" (文件) gives it second.
        self.cedict_by_leading_gloss = {}
        for e in cedict:
            if e.glosses and not e.proper:
                self.cedict_by_first_gloss.setdefault(e.glosses[0], []).append(e)
                for g in e.glosses[:2]:
                    self.cedict_by_leading_gloss.setdefault(g, []).append(e)
        self.edict_by_head = {}
        for e in edict:
            self.edict_by_head.setdefault(e.headword, []).append(e)
        self.edict_by_first_gloss = {}
        for e in edict:
            self.edict_by_first_gloss.setdefault(e.senses[0][0], []).append(e)
        self.ipadic_cost = {}
        for w in ipadic:
            if w.conj_form in ("*", "基本形"):
                old = self.ipadic_cost.get(w.surface)
                if old is None or w.cost < old:
                    self.ipadic_cost[w.surface] = w.cost

    def chinese_frequency(self, word):
        return self.jieba.get(word, (0, ""))[0]

    def japanese_commonness(self, entry):
        """Higher for commoner words: marked common first, then known to the morphology data."""
        cost = self.ipadic_cost.get(entry.headword)
        return (1 if entry.common else 0, 1 if cost is not None else 0, -(cost or 99999))


def edict_glosses(entry):
    return [g for sense in entry.senses for g in sense]


def agreement(glosses_a, glosses_b):
    """2: a gloss in common; 1: a content word in common; 0: nothing."""
    if set(glosses_a) & set(glosses_b):
        return 2
    if content_words(glosses_a) & content_words(glosses_b):
        return 1
    return 0


# Jieba's tags that fit a Japanese word class.
JIEBA_TAGS_OF_KIND = {VERB: "v", ADJECTIVE: "a", ADVERB: "d", CONJUNCTION: "c", 6: "nrstv",
                      INTERJECTION: "eyil", ADNOMINAL: "rb"}


def jc_candidates(entry, tables, ix):
    """Chinese translations of one EDICT entry: list of (tier, -frequency, simplified,
    traditional)."""
    out = {}
    glosses = edict_glosses(entry)
    head = entry.headword
    if any(is_han(c) for c in head):
        simplified = tables.word(head, tables.jp_to_simp)
        for ce in ix.cedict_by_simp.get(simplified, []):
            a = agreement(glosses, ce.glosses)
            # A name is taken only with the same English name.
            if ce.proper and a < 2:
                continue
            if a == 2:
                tier = TIER_COGNATE_AGREED
            elif a == 1:
                tier = TIER_COGNATE
            elif len(head) >= 2 and all(is_han(c) for c in head):
                tier = TIER_COGNATE_ONLY
            else:
                continue
            key = ce.simplified
            cand = (tier, -ix.chinese_frequency(key), key, ce.traditional)
            if key not in out or cand < out[key]:
                out[key] = cand
    first = entry.senses[0][0]
    if short(first):
        wanted = JIEBA_TAGS_OF_KIND.get(japanese_kind(entry)[0] if japanese_kind(entry) else 0, "")
        scored = []
        taken = set()
        # Words in kana alone (loanwords) have no cognates: the pivot is their one way, so it
        # takes the leading glosses as well as the first.
        by_gloss = ix.cedict_by_first_gloss if any(is_han(c) for c in head) else ix.cedict_by_leading_gloss
        for ce in by_gloss.get(first, []):
            key = ce.simplified
            if len(key) > 8 or key in out or key in taken:
                continue
            taken.add(key)
            shared = len(set(glosses) & set(ce.glosses))
            tag = ix.jieba.get(key, (0, ""))[1]
            pos_match = 1 if tag and wanted and tag[0] in wanted else 0
            scored.append(((-shared, -pos_match, -ix.chinese_frequency(key)), key, ce.traditional))
        for rank, (score, key, trad) in enumerate(sorted(scored)):
            out[key] = (TIER_PIVOT, rank, key, trad)
    found = sorted(out.values())
    # A cognate without any gloss in common is kept only when nothing else was found.
    if any(c[0] != TIER_COGNATE_ONLY for c in found):
        found = [c for c in found if c[0] != TIER_COGNATE_ONLY]
    return found


def cj_candidates(ce, tables, ix):
    """Japanese translations of one CEDICT entry: list of (tier, commonness, entry)."""
    out = {}
    if not ce.glosses:
        return []
    japanese = tables.word(ce.traditional, tables.trad_to_jp)
    for je in ix.edict_by_head.get(japanese, []):
        a = agreement(ce.glosses, edict_glosses(je))
        if a == 0 and (len(japanese) < 2 or ce.proper):
            continue
        tier = (TIER_COGNATE_AGREED, TIER_COGNATE, TIER_COGNATE_ONLY)[2 - a] if a else TIER_COGNATE_ONLY
        if a == 1:
            tier = TIER_COGNATE
        key = je.headword
        cand = (tier, tuple(-x for x in ix.japanese_commonness(je)), je.line, je)
        if key not in out or cand[:3] < out[key][:3]:
            out[key] = cand
    first = ce.glosses[0]
    if short(first):
        scored = []
        for je in ix.edict_by_first_gloss.get(first, []):
            key = je.headword
            if len(key) > 8 or key in out:
                continue
            shared = len(set(ce.glosses) & set(edict_glosses(je)))
            scored.append(((-shared,) + tuple(-x for x in ix.japanese_commonness(je)), je.line, je))
        seen = set()
        for rank, (score, line, je) in enumerate(sorted(scored, key=lambda c: c[:2])):
            if je.headword not in seen:
                seen.add(je.headword)
                out[je.headword] = (TIER_PIVOT, (rank,), line, je)
    found = sorted(out.values(), key=lambda c: c[:3])
    if any(c[0] != TIER_COGNATE_ONLY for c in found):
        found = [c for c in found if c[0] != TIER_COGNATE_ONLY]
    return found
