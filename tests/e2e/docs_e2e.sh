#!/usr/bin/env bash
# End-to-end test of the reference documentation in a real browser: headless
# Chromium opens the generated HTML from disk (no server: it must read
# offline). A probe page loads every component page in a frame and reports,
# per page, whether the page has its property table and whether each of its
# pictures loaded (a decoded image with a width); the overview and a component
# page per palette page are kept as screenshots under $QUIL_ARTEFACTS/e2e-docs
# (or the build folder's artefacts).
#
#   docs_e2e.sh <html-folder> <component-page-list>
#
# The list names one component page per line ("palette page file<TAB>file"),
# as the generator writes it beside the pages. Exit code 77 (skipped) without
# Chromium.
set -uo pipefail

HTML=$(cd "${1:?html folder}" && pwd)
LIST=${2:?component page list}

BROWSER=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$BROWSER" ]; then
  echo "SKIP: chromium is not installed"
  exit 77
fi

ART="${QUIL_ARTEFACTS:-${QUIL_E2E_DEFAULT_ARTEFACTS:-$PWD/artefacts}}/e2e-docs"
mkdir -p "$ART"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

FAILURES=0
fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok: $*"; }

# A private profile, no sandbox (containers run as root), no GPU.
browse() {
  timeout 60 "$BROWSER" --headless --no-sandbox --disable-gpu --no-first-run --disable-extensions \
    --user-data-dir="$WORK/profile" --allow-file-access-from-files --hide-scrollbars "$@" 2>>"$WORK/chromium.log"
}

# The probe: every component page in turn in one frame; the results replace
# the probe's body, which --dump-dom prints once the time budget is spent.
pages_js=$(awk -F'\t' '{ printf "%s\"%s\"", (NR > 1 ? "," : ""), $2 }' "$LIST")
cat >"$WORK/probe.html" <<PROBE
<!DOCTYPE html><html><body><pre id="out">running</pre><iframe id="f" width="1200" height="900"></iframe>
<script>
const pages = [${pages_js}];
const lines = [];
let i = 0;
const frame = document.getElementById('f');
frame.onload = () => {
  const d = frame.contentDocument;
  const heads = Array.from(d.querySelectorAll('h1, h2')).map(h => h.textContent.trim());
  const imgs = Array.from(d.querySelectorAll('div.contents img'));
  const broken = imgs.filter(im => !(im.complete && im.naturalWidth > 0)).map(im => im.getAttribute('src'));
  lines.push(pages[i] + '\t' + (heads.includes('Published properties') ? 'table' : 'no-table') + '\t' +
             imgs.length + '\t' + (broken.length ? 'broken:' + broken.join(',') : 'loaded'));
  next();
};
function next() {
  if (++i < pages.length) { frame.src = 'file://$HTML/' + pages[i]; return; }
  document.getElementById('out').textContent = 'RESULT\n' + lines.join('\n') + '\nEND';
}
i = -1; next();
</script></body></html>
PROBE

browse --virtual-time-budget=30000 --dump-dom "file://$WORK/probe.html" >"$WORK/dom.html"
sed -n '/id="out">RESULT/,/^END/p' "$WORK/dom.html" | sed '1d;$d' >"$WORK/results.tsv"
cp "$WORK/results.tsv" "$ART/pages.tsv"

expected=$(wc -l <"$LIST")
seen=$(wc -l <"$WORK/results.tsv")
[ "$seen" -eq "$expected" ] && pass "browser opened all $expected component pages" ||
  fail "browser reported $seen of $expected component pages (see $ART/pages.tsv, $WORK/chromium.log)"
while IFS=$'\t' read -r page table count state; do
  [ "$table" = table ] || fail "$page: no 'Published properties' table"
  [ "$state" = loaded ] || fail "$page: pictures did not load: $state"
done <"$WORK/results.tsv"
# Visible components have pictures: at least one page shows some, and the
# reference test checks per component which ones must.
awk -F'\t' '$3 > 0' "$WORK/results.tsv" | grep -q . && pass "component pages show pictures" ||
  fail "no component page shows a picture"

shot() { # shot <name or page file> <page file> [height]
  browse --window-size=1280,"${3:-1400}" --screenshot="$ART/$1.png" "file://$HTML/$2" >/dev/null
  [ -s "$ART/$1.png" ] && pass "screenshot $1" || fail "no screenshot of $2"
}
# Each browser start costs seconds: the overview and one component page per
# palette page, whole (pictures, tables, example).
shot components components.html 900
while read -r page; do
  shot "${page%.html}" "$page" 2600
done < <(awk -F'\t' '!seen[$1]++ { print $2 }' "$LIST")

echo "screenshots in $ART"
[ "$FAILURES" -eq 0 ]
