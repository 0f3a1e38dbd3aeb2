#!/usr/bin/env bash
# Writes tiny AVI files (32 x 24, 10 frames) in every codec the video page
# meets into video/, and the same in the MP4 family and Matroska/WebM (with
# B-frames, a rotation, an edit list, variable frame durations): the starting
# points of the video fuzzer. A few KB each,
# so the fuzzer's mutations reach the headers, the index and the frame data
# alike. Run again to rebuild them (needs the ffmpeg program).
set -euo pipefail
out="$(cd "$(dirname "$0")" && pwd)/video"
mkdir -p "$out"
src=(-f lavfi -i "testsrc=size=32x24:rate=10:duration=1" -frames:v 10 -an -map_metadata -1 -fflags +bitexact)
enc() {  # name, encoder options...
  local name="$1"; shift
  ffmpeg -loglevel error -y "${src[@]}" "$@" -flags +bitexact "$out/$name.avi"
}
enc mjpeg -c:v mjpeg -pix_fmt yuvj420p -q:v 8
enc mpeg4_bframes -c:v mpeg4 -bf 2 -g 5 -q:v 8
enc h264_bframes -c:v libx264 -preset veryfast -bf 3 -g 6 -crf 30 -x264-params threads=1
enc cinepak -c:v cinepak -pix_fmt rgb24
enc msvideo1 -c:v msvideo1 -pix_fmt rgb555le
enc huffyuv -c:v huffyuv -pix_fmt yuv422p
enc zmbv -c:v zmbv -pix_fmt bgr0 -g 4
enc raw_bgr24 -c:v rawvideo -pix_fmt bgr24
enc raw_pal8 -c:v rawvideo -pix_fmt pal8
# The same H.264 and MPEG-4 files without their index (the page builds one by
# reading every chunk): the idx1 chunk's tag is renamed, so it is skipped.
for n in h264_bframes mpeg4_bframes; do
  python3 - "$out/$n.avi" "$out/${n}_noindex.avi" <<'PY'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
at = data.rfind(b"idx1")
if at >= 0:
    data[at:at + 4] = b"JUNK"
open(sys.argv[2], "wb").write(data)
PY
done
# Other containers: the name's extension chooses the muxer.
con() {  # file name, encoder options...
  local name="$1"; shift
  ffmpeg -loglevel error -y "${src[@]}" "$@" -flags +bitexact "$out/$name"
}
con h264_bframes.mp4 -c:v libx264 -preset veryfast -bf 3 -g 6 -crf 30 -x264-params threads=1
con hevc10.mp4 -c:v libx265 -preset ultrafast -x265-params log-level=none:bframes=2:keyint=5 -pix_fmt yuv420p10le -tag:v hvc1
con mpeg4.m4v -c:v mpeg4 -bf 2 -g 5 -q:v 8
con h264.mov -c:v libx264 -preset veryfast -g 4 -crf 30 -x264-params threads=1
con h263.3gp -c:v h263 -s 128x96 -g 5 -q:v 8
con hevc.mkv -c:v libx265 -preset ultrafast -x265-params log-level=none:bframes=2:keyint=5
con vp8.webm -c:v libvpx -g 5 -b:v 100k
con vp9_altref.webm -c:v libvpx-vp9 -g 5 -b:v 100k -auto-alt-ref 1 -lag-in-frames 4
con av1.mkv -c:v libaom-av1 -usage realtime -cpu-used 8 -g 5 -b:v 100k
con h264_vfr.mkv -vf "setpts=(N+floor(N/2))/(10*TB)" -fps_mode passthrough -c:v libx264 -preset veryfast -bf 2 -g 5 -crf 30 -x264-params threads=1
# A quarter turn in the display matrix, and an edit list cutting three frames.
ffmpeg -loglevel error -y -i "$out/h264_bframes.mp4" -c copy -metadata:s:v:0 rotate=90 -flags +bitexact "$out/h264_turned.mp4"
ffmpeg -loglevel error -y -ss 0.3 -i "$out/h264_bframes.mp4" -c copy -flags +bitexact "$out/h264_editlist.mp4"
ls -l "$out"
