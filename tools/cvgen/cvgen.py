#!/usr/bin/env python3
"""Generates the editor's character conversion tables and the HANSWAP library's tables.

Usage: cvgen.py [--check] [--report] [--root DIR]
  (no option)  writes the generated files into the source tree at DIR (default: this tree)
  --check      generates them again and fails when they differ from the files in the tree
  --report     prints what the tables cover
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # the check runs in the source tree and leaves nothing there
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import codepages  # noqa: E402
import cpp_source  # noqa: E402
import cvdata  # noqa: E402
import hanvell_model  # noqa: E402
import shiftjis as sj  # noqa: E402
import simplified_hanvell  # noqa: E402
import traditional_hanvell  # noqa: E402
import variants  # noqa: E402
from script_tables import CScriptTables  # noqa: E402

BIG5_NO_COUNTERPART = 0xA148  # full-width question mark
GB_NO_COUNTERPART = 0xA3BF


def cvdata_files(scripts, placement):
    def gb_to_big5(code):
        return scripts.gb_to_big5.get(code) if codepages.is_gb_character(code) else None

    return {
        "resources/cvdata/BIG5-HVH.bin": cvdata.BIG5_TO_HANVELL.build(placement.big5_to_hanvell.get),
        "resources/cvdata/HVH-BIG5.bin": cvdata.HANVELL_TO_BIG5.build(placement.hanvell_to_big5.get),
        "resources/cvdata/GB-BIG5.bin": cvdata.GB_TO_BIG5.build(gb_to_big5),
    }


def fixed_tables_source(fixed):
    text = cpp_source.HEADER.format(what="Fixed rows and half-width tables of the simplified "
                                    "Hanvell form.")
    text += '#include "HanvellFixedTables.h"\n\n'
    text += cpp_source.nested_array(
        "const uint16_t kGbRowsToHanvell[kGbRowsToHanvellCount][kRowCells]",
        [fixed.to_hanvell[row] for row in simplified_hanvell.TO_HANVELL_ROWS]) + "\n"
    text += cpp_source.nested_array(
        "const uint16_t kHanvellRowsToGb[kHanvellRowsToGbCount][kRowCells]",
        [fixed.to_gb[row] for row in simplified_hanvell.TO_GB_ROWS]) + "\n"
    text += cpp_source.array("const uint16_t kHalfwidthToGbPairs[5]", fixed.halfwidth_pairs)
    text += "const uint8_t kHalfwidthToGbBytes[5] = {%s};\n" % ", ".join(
        "0x%02X" % b for b in fixed.halfwidth_singles)
    text += cpp_source.array("const uint16_t kSoundMarksToGb[2]", fixed.halfwidth_marks)
    return text


def code_page_table(table, no_counterpart, leads):
    """Leads by trail 40-FE; 0 where the source holds no character."""
    values = []
    for lead in leads:
        for trail in range(0x40, 0xFF):
            code = lead * 256 + trail
            values.append(0 if code not in table else (table[code] or no_counterpart))
    return values


def utf16_pairs(declaration, pairs):
    lines = [declaration + " = {"]
    items = sorted(pairs.items())
    for i in range(0, len(items), 6):
        lines.append("    " + " ".join("{0x%04X, 0x%04X}," % p for p in items[i:i + 6]))
    lines.append("};")
    return "\n".join(lines) + "\n"


def hanswap_tables_source(scripts):
    text = cpp_source.HEADER.format(what="Character tables of the simplified/traditional "
                                    "conversions.")
    text += '#include "HanswapTables.h"\n\n'
    text += cpp_source.array("const uint16_t kGbToBig5[kGbCodeTableLeads * kCodeTableTrails]",
                             code_page_table(scripts.gb_to_big5, BIG5_NO_COUNTERPART,
                                                             range(0x81, 0xFF))) + "\n"
    text += cpp_source.array("const uint16_t kBig5ToGb[kBig5CodeTableLeads * kCodeTableTrails]",
                             code_page_table(scripts.big5_to_gb, GB_NO_COUNTERPART,
                                                             range(0xA1, 0xFA))) + "\n"
    text += utf16_pairs("const Utf16Pair kSimplifiedToTraditional[]",
                        scripts.utf16_to_traditional)
    text += "const size_t kSimplifiedToTraditionalCount = %d;\n\n" % len(
        scripts.utf16_to_traditional)
    text += utf16_pairs("const Utf16Pair kTraditionalToSimplified[]",
                        scripts.utf16_to_simplified)
    text += "const size_t kTraditionalToSimplifiedCount = %d;\n" % len(
        scripts.utf16_to_simplified)
    return text


def check_round_trips(fixed, placement):
    for big5, hanvell in placement.big5_to_hanvell.items():
        assert placement.hanvell_to_big5[hanvell] == big5
        assert sj.is_pair(hanvell) and hanvell != sj.NO_HANVELL
    for gb in codepages.all_pairs(936):
        if not codepages.is_gb_character(gb):
            continue
        hanvell = hanvell_model.gb_to_hanvell(fixed, gb)
        assert not (hanvell >> 8 == 0x98 and 0x73 <= hanvell & 0xFF <= 0x9E)
        if hanvell & 0xFF != simplified_hanvell.SINGLE:
            assert hanvell_model.hanvell_to_gb(fixed, hanvell) == gb, hex(gb)


def generate():
    fixed = simplified_hanvell.CFixedTables()
    scripts = CScriptTables(variants.CScriptForms())
    placement = traditional_hanvell.CTraditionalPlacement(scripts.gb_to_big5)
    check_round_trips(fixed, placement)
    files = cvdata_files(scripts, placement)
    files["document/HanvellFixedTables.cpp"] = fixed_tables_source(fixed).encode("utf-8")
    files["outside/hanswap/HanswapTables.cpp"] = hanswap_tables_source(scripts).encode("utf-8")
    return files, (fixed, scripts, placement)


def report(fixed, scripts, placement):
    gb = [c for c in codepages.all_pairs(936) if codepages.is_gb_character(c)]
    hanzi = [c for c in gb if c >= 0xB0A1]
    changed = [c for c in hanzi if scripts.gb_to_big5[c]
               and codepages.decode(950, scripts.gb_to_big5[c]) != codepages.decode(936, c)]
    without = [c for c in hanzi if not scripts.gb_to_big5[c]]
    sources = {}
    for c in gb:
        if scripts.gb_to_big5[c]:
            sources.setdefault(scripts.gb_to_big5[c], []).append(c)
    one_to_one = [c for c in gb if scripts.gb_to_big5[c] and len(sources[scripts.gb_to_big5[c]]) == 1]
    back = [c for c in one_to_one if scripts.big5_to_gb[scripts.gb_to_big5[c]] == c]
    print("Big5 characters: %d, placed in traditional Hanvell: %d (%d at their Shift_JIS code), "
          "not placed: %d" % (len(codepages.all_pairs(950)), len(placement.big5_to_hanvell),
                              placement.kept_shift_jis_code, len(placement.unplaced)))
    print("GB2312 hanzi: %d, changing form: %d (%.1f%%), without a Big5 form: %d"
          % (len(hanzi), len(changed), 100.0 * len(changed) / len(hanzi), len(without)))
    print("GB characters one-to-one with Big5: %d of %d, back unchanged: %d"
          % (len(one_to_one), len(gb), len(back)))
    print("Big5 codes whose GB form follows the one GB character that becomes them: %d"
          % len(scripts.round_trip_overrides))
    print("UTF-16 pairs: simplified to traditional %d, traditional to simplified %d"
          % (len(scripts.utf16_to_traditional), len(scripts.utf16_to_simplified)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--report", action="store_true")
    parser.add_argument("--root", default=os.path.join(os.path.dirname(__file__), "..", ".."))
    args = parser.parse_args()
    files, parts = generate()
    if args.report:
        report(*parts)
    differing = []
    for path, content in sorted(files.items()):
        full = os.path.join(args.root, path)
        if args.check:
            try:
                with open(full, "rb") as existing:
                    if existing.read() != content:
                        differing.append(path)
            except FileNotFoundError:
                differing.append(path)
        else:
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "wb") as out:
                out.write(content)
    if differing:
        print("differs from the generator's output: " + ", ".join(differing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
