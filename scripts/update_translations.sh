#!/usr/bin/env bash
# Brings the translation files of i18n/ up to date with the program's texts:
# a new text is added unfinished for the translators, a text gone is
# dropped. With a folder, copies of the files there are brought up to date
# instead and what is gone is kept, marked (the translations' check).
#   update_translations.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
sources=(app windows input gamepad ui sound sim host skin files settings clips base libretro tools/assets)
# The plain C++ layers mark their texts with IGNIVAR_TEXT.
alias=(-tr-function-alias QT_TRANSLATE_NOOP+=IGNIVAR_TEXT,translate+=tr_text,translate+=said)
if [ $# -eq 0 ]; then
  exec "$lupdate" -silent -no-obsolete -locations none "${alias[@]}" "${sources[@]}" -ts i18n/ignivar_*.ts
fi
cp i18n/ignivar_*.ts "$1"/
exec "$lupdate" -silent -locations none "${alias[@]}" "${sources[@]}" -ts "$1"/ignivar_*.ts
