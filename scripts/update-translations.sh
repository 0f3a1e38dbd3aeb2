#!/usr/bin/env bash
# Brings the translation sources translations/pinzola_*.ts up to date with the
# texts marked in the code (new texts come in unfinished, gone texts go).
# Run it after adding or changing a text, then translate the new entries.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[[ -x "$lupdate" ]] || lupdate="$(command -v lupdate)"
for ts in translations/pinzola_*.ts; do
  lang="${ts#translations/pinzola_}"
  lang="${lang%.ts}"
  "$lupdate" -silent -I . -locations none -no-obsolete -extensions cpp,h \
    platform paint/canvas paint/files paint/tools fx data/docs -target-language "$lang" -ts "$ts"
done
