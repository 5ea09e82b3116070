#!/usr/bin/env bash
# Keeps the catalogues in translations/ in step with the source.
#   scripts/translations.sh          runs lupdate: new texts join the catalogues, gone ones leave
#   scripts/translations.sh --check  fails when lupdate would change a catalogue or when a
#                                    message has no finished translation (the tests run it)
# The window's and the engine's texts are written in Chinese and translated into English
# (carddemo_en.ts); cardctl's own messages are written in English and translated into
# Chinese (carddemo_zh_CN.ts).
set -euo pipefail
cd "$(dirname "$0")/.."
tools=/usr/lib/qt6/bin
lupdate=$(command -v lupdate || echo "$tools/lupdate")
lrelease=$(command -v lrelease || echo "$tools/lrelease")
window_sources=(app base cards console engine profile res serial widgets)
cardctl_sources=(cli)

update() {  # catalogue, language, source folders...
  local catalogue=$1 language=$2; shift 2
  "$lupdate" -silent -locations none -no-obsolete -source-language "${language%%:*}" \
    -target-language "${language##*:}" "$@" -ts "$catalogue"
}

update_all() {  # folder of the catalogues
  update "$1/carddemo_en.ts" zh_CN:en "${window_sources[@]}"
  update "$1/carddemo_zh_CN.ts" en:zh_CN "${cardctl_sources[@]}"
}

if [ "${1:-}" != --check ]; then
  update_all translations
  exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp translations/*.ts "$scratch/"
update_all "$scratch"
status=0
for catalogue in translations/*.ts; do
  name=$(basename "$catalogue")
  if ! diff -u "$catalogue" "$scratch/$name" >"$scratch/$name.diff"; then
    echo "translations: $name is not what lupdate makes of the source; run scripts/translations.sh" >&2
    head -40 "$scratch/$name.diff" >&2
    status=1
  fi
  report=$("$lrelease" "$catalogue" -qm "$scratch/$name.qm" 2>&1)
  if ! grep -q ' 0 unfinished' <<<"$report" || grep -q 'untranslated' <<<"$report"; then
    echo "translations: $name has messages without a finished translation:" >&2
    echo "$report" >&2
    status=1
  fi
done
# English means no Chinese character, nor Chinese punctuation, in any translation.
if grep -nP '<translation>.*[\x{3000}-\x{303f}\x{4e00}-\x{9fff}\x{ff00}-\x{ffef}]' \
    translations/carddemo_en.ts >&2; then
  echo "translations: the English catalogue above still holds Chinese" >&2
  status=1
fi
exit $status
