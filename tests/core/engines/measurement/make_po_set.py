#!/usr/bin/env python3
"""Makes po-ja-zh.tsv, a second measurement set of the engines' chrF: the sentences that the
Japanese and the simplified Chinese message catalogs of GLib and GdkPixbuf (Debian packages
libglib2.0-data and libgdk-pixbuf2.0-common, LGPL) both translate from the same English message.
With other catalogs named, it makes the held-out set the same way (systemd and
gsettings-desktop-schemas, LGPL).

Usage: make_po_set.py [LOCALE_FOLDER [CATALOG...]] > po-ja-zh.tsv   (default /usr/share/locale)

Only whole sentences are taken: no format directives or line breaks in the message, a Japanese
translation with kana of at least twelve characters, both translations ending in 。. Rows are in
the order of the English messages. Each row: catalog, Japanese, Chinese."""

import gettext
import os
import re
import sys

CATALOGS = ["glib20", "gdk-pixbuf"]


def catalog(folder, language, name):
    with open(os.path.join(folder, language, "LC_MESSAGES", name + ".mo"), "rb") as f:
        return gettext.GNUTranslations(f)._catalog


def main(argv):
    folder = argv[1] if len(argv) > 1 else "/usr/share/locale"
    for name in argv[2:] or CATALOGS:
        ja, zh = catalog(folder, "ja", name), catalog(folder, "zh_CN", name)
        for english in sorted(k for k in ja if isinstance(k, str) and k and k in zh):
            j, c = ja[english], zh[english]
            if not isinstance(j, str) or not isinstance(c, str):
                continue
            if "%" in english or "\n" in english or len(j) < 12 or not re.search("[\u3041-\u309f]", j):
                continue
            if j.endswith("。") and c.endswith("。"):
                print("%s\t%s\t%s" % (name, j.replace("\t", " "), c.replace("\t", " ")))


if __name__ == "__main__":
    main(sys.argv)
