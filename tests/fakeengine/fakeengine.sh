#!/usr/bin/env bash
# A stand-in for MPlayer in tests: plays back the script in ZORVI_FAKE_SCRIPT,
# answers the bare "seek" probe and "quit" as the engine does, and appends an
# "ARG <argument>" line per argument to the file ZORVI_FAKE_RECORD.
# Script, one step a line (texts take printf's %b escapes):
#   say TEXT                print TEXT and a line feed
#   play SECONDS INTERVAL   print a status line ending in CR every INTERVAL ms
#                           (whole seconds) for SECONDS, then "Exiting... (End of file)"
#   flood BYTES TEXT        print TEXT over and over, BYTES in all (0: forever)
#   exit N                  end with code N
#   hang                    stop doing anything, forever
# After the last step the program waits for "quit".
[ $# -gt 0 ] && [ -n "${ZORVI_FAKE_RECORD:-}" ] && printf 'ARG %s\n' "$@" >>"$ZORVI_FAKE_RECORD"

handle() {
  case ${1#pausing_keep } in
  seek) echo "Command seek requires at least 1 arguments, we found only 0 so far." ;;
  quit) printf '\nExiting... (Quit)\n'; exit 0 ;;
  esac
}

while IFS= read -r step <&3; do
  verb=${step%% *} arg=${step#"$verb"} arg=${arg# }
  case $verb in
  say) printf '%b\n' "$arg" ;;
  play)
    read -r seconds interval <<<"$arg"
    interval=${interval:-100}
    for ((at = 0; at < seconds * 1000; at += interval)); do
      if read -r -t "0.$(printf %03d "$interval")" command; then handle "$command"
      elif [ $? -le 128 ]; then sleep "0.$(printf %03d "$interval")"; fi # no more input
      printf -v s '%d.%d' $((at / 1000)) $((at % 1000 / 100))
      printf 'A:%6s V:%6s A-V:  0.000 ct:  0.000   0/  0 ??%% ??%% 0 0 \r' "$s" "$s"
    done
    printf '\nExiting... (End of file)\n' ;;
  flood)
    total=${arg%% *}
    printf -v block '%b' "${arg#* }"
    while ((${#block} < 65536)); do block+=$block; done
    for ((left = total; total == 0 || left > 0; left -= ${#block})); do
      ((total == 0 || left >= ${#block})) && printf '%s' "$block" || printf '%s' "${block:0:left}"
    done ;;
  exit) exit "$arg" ;;
  hang) exec sleep 100000 ;;
  esac
done 3<<<"${ZORVI_FAKE_SCRIPT:-}"
while read -r command; do handle "$command"; done
exec sleep 100000
