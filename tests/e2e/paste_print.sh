#!/usr/bin/env bash
# "Print..." on the real pinz goes through CUPS at once: a private cupsd with
# a cups-pdf queue as the default printer is started for the test (on its own
# socket, so the machine's printing set-up is left alone), a picture with a
# red block is printed from the surface menu, and the PDF page is rendered
# with pdftoppm and checked: one portrait page, the picture fitted to the
# width and centred, the red block where the picture has it. With a third
# argument "grey" the queue does not announce colour (as many office and
# older printers' descriptions do): the page pinz hands to the queue must
# still carry the red block in colour (what the queue's own filters then
# make of it is the printer's business), so that page is the one checked.
source "$(dirname "$0")/lib.sh" "$1" "$2"
PNG="python3 $(cd "$(dirname "$0")" && pwd)/pngtool.py"
skip() { echo "paste_print: skipped: $*"; exit 0; }
command -v cupsd > /dev/null || skip "cupsd is not installed (package cups)"
[[ -x /usr/lib/cups/backend/cups-pdf ]] || skip "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
command -v pdftoppm > /dev/null || skip "pdftoppm is not installed (poppler-utils)"
[[ $(id -u) -eq 0 ]] || skip "cups-pdf runs only under a cupsd started by root"
PPD=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2> /dev/null | head -1)
[[ -n "$PPD" ]] || skip "no cups-pdf PPD"

work_dir
chmod 755 "$WORK"  # the cups filters run as lp and read the private spool
if [[ "${3:-colour}" == grey ]]; then
  sed -e 's/^\*ColorDevice:.*/*ColorDevice: False/' -e 's/^\*DefaultColorSpace:.*/*DefaultColorSpace: Gray/' \
    "$PPD" > "$WORK/grey.ppd"
  grep -q "^\*ColorDevice: False" "$WORK/grey.ppd" || skip "the cups-pdf PPD has no ColorDevice line to change"
  PPD="$WORK/grey.ppd"
fi
CUPSD_PID=
cleanup_print() {
  [[ -n "$CUPSD_PID" ]] && kill "$CUPSD_PID" 2> /dev/null && wait "$CUPSD_PID" 2> /dev/null
  e2e_cleanup
}
trap cleanup_print EXIT

# A cupsd of our own: private socket, spool, logs and printers.conf.
C="$WORK/cups"
mkdir -p "$C"/{spool,cache,state,log}
cat > "$C/cupsd.conf" << CONF
LogLevel warn
PreserveJobFiles Yes
Listen $C/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$C/cups-files.conf" << CONF
ServerRoot $C
RequestRoot $C/spool
CacheDir $C/cache
StateDir $C/state
ErrorLog $C/log/error_log
AccessLog $C/log/access_log
PageLog $C/log/page_log
SystemGroup root
CONF
cupsd -f -c "$C/cupsd.conf" -s "$C/cups-files.conf" > "$C/log/cupsd.out" 2>&1 &
CUPSD_PID=$!
export CUPS_SERVER="$C/cups.sock"
for _ in $(seq 1 50); do [[ -S "$CUPS_SERVER" ]] && break; sleep 0.1; done
[[ -S "$CUPS_SERVER" ]] || skip "cupsd would not start: $(cat "$C/log/cupsd.out" "$C/log/error_log" 2> /dev/null | tail -3)"
lpadmin -p PinzPDF -E -v cups-pdf:/ -P "$PPD" 2> /dev/null
lpadmin -d PinzPDF
lpstat -d | grep -q PinzPDF

# cups-pdf writes into the PDF folder of the job's owner.
OUTDIR="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$OUTDIR"
touch "$WORK/marker"
sleep 1

start_xvfb
cd /
"$PROG/pinz" 2> "$E2E_OUT/paste_print_pinz.err" &
cleanup_pids+=($!)
about=$(wait_window "^PINZOLA$")
xdotool mousemove --window "$about" 324 188 click 1
main=$(wait_window "Pinzola -- \(untitled\)")
eval "$(xdotool getwindowgeometry --shell "$main")"
SX=$X
SY=$((Y + 87))
surfacemenu() {
  xdotool mousemove $((SX + $1)) $((SY + $2)) click 3
  sleep 0.6
  for _ in $(seq 1 "$3"); do xdotool key Down; done
  xdotool key Return
  sleep 0.5
}
# A 400 x 400 red block (on a white ground that pastes transparent) whose
# middle lands on picture (400, 200).
$PNG make "$WORK/clip.png" 800 800 ffffff ff0000
xclip -selection clipboard -t image/png -i "$WORK/clip.png" &
cleanup_pids+=($!)
sleep 0.5
surfacemenu 400 200 3
xdotool mousemove $((SX + 380)) $((SY + 190))
sleep 0.2
xdotool mousemove $((SX + 400)) $((SY + 200))
sleep 0.2
xdotool click 1
sleep 0.5
shot paste_print_screen.png
surfacemenu 400 200 2  # Print...

pdf=
for _ in $(seq 1 120); do
  pdf=$(find "$OUTDIR" -maxdepth 1 -name '*.pdf' -newer "$WORK/marker" 2> /dev/null | head -1)
  [[ -n "$pdf" ]] && sleep 1 && break
  sleep 0.5
done
if [[ -z "$pdf" ]]; then
  echo "no PDF came out of the queue" >&2
  lpstat -W all -o >&2 || true
  tail -5 "$C/log/error_log" >&2 || true
  cat "$E2E_OUT/paste_print_pinz.err" >&2
  exit 1
fi
cp "$pdf" "$E2E_OUT/paste_print.pdf"
if [[ "${3:-colour}" == grey ]]; then
  submitted=$(ls "$C/spool"/d* 2> /dev/null | head -1)
  [[ -n "$submitted" ]] || { echo "the queue kept no copy of the page it was given" >&2; exit 1; }
  head -c 5 "$submitted" | grep -q "%PDF" || { echo "the page handed to the queue is not a PDF" >&2; exit 1; }
  cp "$submitted" "$E2E_OUT/paste_print.pdf"
fi
rm -f "$pdf"
pdftoppm -r 40 -png -singlefile "$E2E_OUT/paste_print.pdf" "$E2E_OUT/paste_print_page"
python3 - "$E2E_OUT/paste_print_page.png" << PY
import importlib.util, sys
loader_spec = importlib.util.spec_from_file_location("pngtool", "${PNG#python3 }")
pngtool = importlib.util.module_from_spec(loader_spec); loader_spec.loader.exec_module(pngtool)
w, h, bpp, rows = pngtool.read_png(sys.argv[1])
assert h > w, f"page is {w}x{h}, not portrait"
red = [(x, y) for y in range(h) for x in range(w)
       if rows[y][x * bpp] > 200 and rows[y][x * bpp + 1] < 80 and rows[y][x * bpp + 2] < 80]
assert red, "no red on the printed page"
xs = [p[0] for p in red]; ys = [p[1] for p in red]
l, r, t, b = min(xs), max(xs) + 1, min(ys), max(ys) + 1
print(f"page {w}x{h}: red block ({l},{t})-({r},{b})")
# The 800 x 800 picture fills the printable width; the block is its middle
# half across and picture rows 0..400 down: square, centred across, and in
# the upper half of the picture, which is centred on the page.
bw, bh = r - l, b - t
assert abs(bw - bh) <= 2, "the block is not square: proportions lost"
assert 0.40 * w < bw < 0.55 * w, "the picture does not fill the page width"
assert abs((l + r) / 2 - w / 2) <= 3, "the picture is not centred across"
pic_top = h / 2 - bw  # the picture is twice the block's width, centred down
assert abs(t - pic_top) <= 4, f"block top {t}, expected about {pic_top:.0f}"
PY
echo "paste_print: printed through CUPS to $E2E_OUT/paste_print.pdf"
