#!/usr/bin/env bash
# Builds, from Debian packages only (ffmpeg, spumux, dvdauthor) and once per
# build tree, the media the end-to-end tests play: clip.avi (10 s, 320x240,
# a tone), tone.mp3 (5 s, no video), tagged.mp3 (8 s, title, artist and album tags),
# multi.mkv (8 s, audio "eng" titled "Director" and "fre",
# subtitle "ger"), external.srt, and dvd/VIDEO_TS with three PAL titles: 8 s
# with an English AC3 track and an English subpicture stream, 5 s with English
# and French AC3 tracks, 3 s.
set -euo pipefail
out=${1:?usage: make_test_media.sh OUT}
stamp=$(sha1sum "$0" | cut -d' ' -f1)
mkdir -p "$out"
cd "$out"
[ "$(cat .complete 2>/dev/null)" = "$stamp" ] && exit 0
rm -f .complete
work=$(mktemp -d "$out/work.XXXXXX")
trap 'rm -rf "$work"' EXIT
ff() { ffmpeg -nostdin -loglevel error -y "$@"; }

cat > "$work/t1.srt" <<'SRT'
1
00:00:01,000 --> 00:00:07,000
Hello DVD
SRT
cp "$work/t1.srt" external.srt

ff -f lavfi -i testsrc=size=720x576:rate=25 -f lavfi -i sine=frequency=440:sample_rate=48000 \
   -t 8 -target pal-dvd -aspect 16:9 "$work/t1.mpg"
ff -f lavfi -i testsrc2=size=720x576:rate=25 -f lavfi -i sine=frequency=660:sample_rate=48000 \
   -f lavfi -i sine=frequency=330:sample_rate=48000 -map 0 -map 1 -map 2 \
   -t 5 -target pal-dvd -aspect 16:9 "$work/t2.mpg"
ff -f lavfi -i testsrc=size=720x576:rate=25 -f lavfi -i sine=frequency=550:sample_rate=48000 \
   -t 3 -target pal-dvd -aspect 16:9 "$work/t3.mpg"

# spumux renders text subtitles with a font it finds in ~/.spumux; use a private HOME.
export HOME="$work/home"
mkdir -p "$HOME/.spumux"
font=$(ls /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf 2>/dev/null | head -n 1)
cp "$font" "$HOME/.spumux/sub.ttf"
cat > "$work/sp.xml" <<XML
<subpictures format="PAL">
  <stream>
    <textsub filename="$work/t1.srt" characterset="UTF-8" fontsize="28.0" font="sub.ttf"
      horizontal-alignment="center" vertical-alignment="bottom" left-margin="60" right-margin="60"
      top-margin="20" bottom-margin="30" subtitle-fps="25" movie-fps="25"
      movie-width="720" movie-height="576"/>
  </stream>
</subpictures>
XML
spumux -s 0 "$work/sp.xml" < "$work/t1.mpg" > "$work/t1s.mpg" 2>"$work/spumux.log"

rm -rf dvd
export VIDEO_FORMAT=PAL
dvdauthor -o dvd -t -a ac3+en -s en "$work/t1s.mpg" >"$work/dvdauthor.log" 2>&1
dvdauthor -o dvd -t -a ac3+en,ac3+fr "$work/t2.mpg" >>"$work/dvdauthor.log" 2>&1
dvdauthor -o dvd -t -a ac3+en "$work/t3.mpg" >>"$work/dvdauthor.log" 2>&1
dvdauthor -o dvd -T >>"$work/dvdauthor.log" 2>&1

ff -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
   -f lavfi -i sine=frequency=880 -i "$work/t1.srt" -map 0 -map 1 -map 2 -map 3 -t 8 \
   -c:v mpeg4 -c:a mp3 -c:s srt -metadata:s:a:0 language=eng -metadata:s:a:0 title=Director \
   -metadata:s:a:1 language=fre \
   -metadata:s:s:0 language=ger multi.mkv
ff -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 -t 10 -c:v mpeg4 -c:a mp3 \
   -shortest clip.avi
ff -f lavfi -i sine=frequency=440 -t 5 -c:a mp3 tone.mp3
ff -f lavfi -i sine=frequency=550 -t 8 -c:a mp3 -write_id3v1 1 -metadata title="Tone Title" \
   -metadata artist="Tone Artist" -metadata album="Tone Album" tagged.mp3
echo "$stamp" > .complete
