#!/usr/bin/env bash
# A picture fragment made in PinzFX and brought into Pinzola, three times, as
# a child does it with the real programs:
#   roundtrip.sh PROGRAM_DIR BUILD_DIR PAGE MODE
# PAGE video, text or metafile; MODE bare (X server alone: no window manager,
# no clipboard manager) or wm (with openbox). For each of a rectangle, a
# freehand outline and the whole image: the page is started from pinz's
# surface menu, a picture made there (a frame of a test video, lettering, a
# metafile), the area marked and copied, "Return to Pinzola" pressed; in pinz
# Paste and a click drop it. Each time the clipboard must hold exactly the
# marked area of the page's view, and the picture must show exactly that
# bitmap around the drop point (its uniform background transparent). Then the
# picture is saved under a name, another picture opened, the saved one
# reopened, and it must show the same pixels within what JPEG keeps.
source "$(dirname "$0")/lib.sh" "$1" "$2"
PAGE=$3
MODE=$4
CHECK="python3 $(cd "$(dirname "$0")" && pwd)/pixelcheck.py"
DATA="$(cd "$(dirname "$0")/.." && pwd)/data"
TAG="roundtrip_${PAGE}_$MODE"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/%a.map"
[[ "$MODE" == wm ]] && start_wm

# Per page: the menu item, the view and the " Area Select " controls, the
# marks in view pixels, and the drop points in picture pixels.
case "$PAGE" in
  video)
    ITEM=Get_AVI_Movie_Frame...
    VIEW=avidisplay RECT=avirectselect IRREG=aviirregselect WHOLE=aviwholeselect
    COPY=avisaveclipbutton BACK=Button1
    MARK_RECT="20 20 220 170"
    OUTLINE=("60 30" "200 40" "290 120" "220 210" "90 200" "30 120" "60 31")
    DROPS=("150 140" "480 140" "400 560")
    ;;
  text)
    ITEM=Insert_Text...
    VIEW=textpanel RECT=textrectselect IRREG=textirregselect WHOLE=textallselect
    COPY=textsaveclip BACK=Button2
    MARK_RECT="280 280 640 520"
    # Its right edge cuts through the lettering, which must be whitened there.
    OUTLINE=("290 300" "520 300" "490 385" "460 470" "290 470" "280 380" "290 301")
    DROPS=("200 160" "600 200" "")  # the whole canvas: see drop_point
    ;;
  metafile)
    ITEM=Import_WMF_Image...
    VIEW=wmfdisplay RECT=wmfrectselect IRREG=wmfirregselect WHOLE=wmfallselect
    COPY=wmfsaveclipbutton BACK=Button3
    MARK_RECT="20 20 180 160"
    OUTLINE=("100 60" "140 100" "180 140" "140 180" "100 140" "60 100" "60 80" "100 61")
    DROPS=("150 140" "480 140" "400 560")
    ;;
  *)
    echo "unknown page $PAGE" >&2
    exit 2
    ;;
esac

VIDEO_FILE="$WORK/Holiday Clip.AVI"
if [[ "$PAGE" == video ]]; then
  cp "$("$BUILD/bin/pinz-video" make mpeg4_gop50 320 240 100)" "$VIDEO_FILE"
fi
cp "$DATA/metafiles/files/lo_14_grad_pato.wmf" "$WORK/PATO.WMF"

# view_size W H: waits until the page's view has that size.
view_size() {
  local x y w h
  for _ in $(seq 1 100); do
    read -r x y w h < <(widget_in pinzfx "$VIEW") || true
    [[ "${w:-}" == "$1" && "${h:-}" == "$2" ]] && return 0
    sleep 0.1
  done
  echo "the view is ${w:-?} x ${h:-?}, not $1 x $2" >&2
  return 1
}
# type_into_dialog TITLE TEXT: the file dialog's name field has the focus.
type_into_dialog() {
  local d
  d=$(wait_window "$1")
  xdotool windowactivate --sync "$d" 2> /dev/null || xdotool windowfocus --sync "$d" 2> /dev/null || true
  sleep 0.5
  xdotool type --delay 20 "$2"
  xdotool key Return
  wait_gone "$1"
}

# make_picture: what a child makes on the page before marking an area.
make_picture() {
  case "$PAGE" in
    video)
      click_in pinzfx getavibutton
      type_into_dialog "Get AVI File" "$VIDEO_FILE"
      view_size 320 240
      # To frame 28 (the whole image's copy reads the number back).
      for _ in $(seq 1 27); do xdotool key Right; done
      ;;
    text)
      click_in pinzfx usertext
      sleep 0.3
      xdotool type --delay 60 "Hello"
      local ex ey ew eh cx cy cw ch
      read -r ex ey ew eh < <(widget_in pinzfx effectsimage)
      click_in pinzfx effectsimage $((ew * 3 / 12)) $((eh / 2))  # the drop shadow
      read -r cx cy cw ch < <(widget_in pinzfx textpanel)
      drag $((cx + 300)) $((cy + 300)) $((cx + 600)) $((cy + 380))
      ;;
    metafile)
      click_in pinzfx wmfbrowseforfilebutton
      type_into_dialog "^Open$" "$WORK/PATO.WMF"
      widget_in pinzfx wmfrectselect > /dev/null
      ;;
  esac
  sleep 0.5
}
away() {  # the pointer onto the control strip, so no pointer sprite is drawn
  xdotool mousemove $((SX + 900)) $((SY - 40))
  sleep 0.5
}

# round KIND: one copy of KIND (rect, outline, whole) from a fresh page into
# the picture, checked on the clipboard and in the picture.
n=0
round() {
  local kind=$1 vx vy vw vh ox oy cw ch px py fx fxpid x1 y1 x2 y2 p
  n=$((n + 1))
  echo "--- $PAGE, $MODE: copy $n ($kind)"
  rm -f "$(map_of pinzfx)"
  surface_menu "$ITEM" $((SX + 700)) $((SY + 700))
  fx=$(wait_window "^PinzFX$" 30)
  fxpid=$(xdotool getwindowpid "$fx")
  make_picture
  read -r vx vy vw vh < <(widget_in pinzfx "$VIEW")
  case "$kind" in
    rect)
      read -r x1 y1 x2 y2 <<< "$MARK_RECT"
      click_in pinzfx "$RECT"
      # From bottom right to top left: the corners are put in order.
      drag $((vx + x2)) $((vy + y2)) $((vx + x1)) $((vy + y1))
      ox=$x1 oy=$y1 cw=$((x2 - x1)) ch=$((y2 - y1))
      ;;
    outline)
      click_in pinzfx "$IRREG"
      read -r x1 y1 <<< "${OUTLINE[0]}"
      x2=$x1 y2=$y1 ox=$x1 oy=$y1
      local rel=()
      for p in "${OUTLINE[@]:1}"; do
        set -- $p
        ((ox = $1 < ox ? $1 : ox, oy = $2 < oy ? $2 : oy, x2 = $1 > x2 ? $1 : x2, y2 = $2 > y2 ? $2 : y2))
        rel+=("$(($1 - x1)) $(($2 - y1))")
      done
      trace $((vx + x1)) $((vy + y1)) "${rel[@]}"
      cw=$((x2 - ox)) ch=$((y2 - oy))
      ;;
    whole)
      click_in pinzfx "$WHOLE"
      ox=0 oy=0
      case "$PAGE" in
        video) cw=320 ch=240 ;;
        text) cw=$vw ch=$vh ;;
        metafile) cw=201 ch=201 ;;  # the rendered picture, not the white rest of the view
      esac
      ;;
  esac
  click_in pinzfx "$COPY"
  sleep 0.3
  "$BUILD/bin/pinz-shot" "$WORK/copied.ppm" "$E2E_OUT/${TAG}_${n}_copied.png"
  click_in pinzfx "$BACK"
  wait_pid "$fxpid" || { echo "pinzfx did not end after Return to Pinzola" >&2; return 1; }
  wait_gone "^PinzFX$"

  for _ in $(seq 1 30); do
    xclip -selection clipboard -t image/ppm -o > "$WORK/clip.ppm" 2> /dev/null && [[ -s "$WORK/clip.ppm" ]] && break
    sleep 0.2
  done
  read -r w h < <(head -c 40 "$WORK/clip.ppm" | sed -n 2p)
  [[ "$w $h" == "$cw $ch" ]] || { echo "the clipboard holds ${w:-nothing} x ${h:-}, not $cw x $ch" >&2; return 1; }
  $CHECK copied "$WORK/copied.ppm" "$WORK/clip.ppm" $((vx + ox)) $((vy + oy)) "$kind"
  if [[ "$PAGE" == video && "$kind" == whole ]]; then
    frame=$("$BUILD/bin/pinz-video" read "$WORK/clip.ppm")
    [[ "$frame" == 28 ]] || { echo "the copied frame is $frame, not 28" >&2; return 1; }
  fi

  if [[ -n "${DROPS[$((n - 1))]}" ]]; then
    read -r px py <<< "${DROPS[$((n - 1))]}"
  else  # the lettering drawn at (300, 300) of the canvas lands at (250, 450)
    px=$((cw / 2 - 50)) py=$((ch / 2 + 150))
  fi
  px=$((SX + px)) py=$((SY + py))
  away
  "$BUILD/bin/pinz-shot" "$WORK/before.ppm"
  surface_menu Paste "$px" "$py"
  xdotool mousemove $((px - 20)) $((py - 10))
  sleep 0.3
  xdotool mousemove "$px" "$py"
  sleep 0.3
  xdotool click 1
  sleep 0.5
  away
  "$BUILD/bin/pinz-shot" "$WORK/after.ppm" "$E2E_OUT/${TAG}_${n}_pasted.png"
  $CHECK pasted "$WORK/before.ppm" "$WORK/after.ppm" "$WORK/clip.ppm" "$px" "$py" "$SX" "$SY" "$AW" "$AH"
}

pinz_start "$WORK"
# The drawing surface of pinz on the screen, and the part the 800 x 800
# picture covers.
read -r SX SY SW SH < <(widget mapdisp)
AW=$((SW < 800 ? SW : 800))
AH=$((SH < 800 ? SH : 800))
round rect
round outline
round whole

echo "--- $PAGE, $MODE: save, reopen"
cp "$WORK/after.ppm" "$WORK/saved.ppm"
pinz_save_as "$TAG"
[[ "$(ls -A "$WORK/pinzola/user")" == "$TAG.jpg" ]] || { echo "user/ holds: $(ls -A "$WORK/pinzola/user")" >&2; exit 1; }
pinz_open_drawing cat
pinz_open_saved "$TAG"
away
"$BUILD/bin/pinz-shot" "$WORK/reopened.ppm" "$E2E_OUT/${TAG}_reopened.png"
$CHECK kept "$WORK/saved.ppm" "$WORK/reopened.ppm" "$SX" "$SY" "$AW" "$AH"
echo "$TAG: three copies pasted, saved and reopened; shots in $E2E_OUT"
