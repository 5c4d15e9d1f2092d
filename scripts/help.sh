#!/bin/sh
# Builds the help document docs/zorvi.pdf, opened by the program's "&Info", from its source
# docs/zorvi.md: pandoc writes an OpenDocument text and LibreOffice turns it into PDF. The
# PDF is kept in the repository, so building or running the program never needs either.
# Usage: scripts/help.sh
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages pandoc libreoffice-writer fonts-dejavu-core

work=$(mktemp -d "${TMPDIR:-/tmp}/zorvi-help.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The images are named relative to docs/, where the source lies.
pandoc docs/zorvi.md --fail-if-warnings --from markdown --to odt --resource-path=docs -o "$work/zorvi.odt"
# A profile of its own: a LibreOffice already open for the user would take the job over.
soffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
    --outdir "$work" "$work/zorvi.odt" >/dev/null 2>&1
[ -s "$work/zorvi.pdf" ] || { echo "LibreOffice wrote no PDF" >&2; exit 1; }
cp "$work/zorvi.pdf" docs/zorvi.pdf
echo "Help document: docs/zorvi.pdf"
