# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced after lib.sh: the real screen reader Orca, speaking through speech-dispatcher into a
# module that makes no sound, and its debug log as the record of what it said.
orca_log="$work/orca.log"
start_orca() {
  export XDG_RUNTIME_DIR="$work/run"
  mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME/orca"
  chmod 700 "$XDG_RUNTIME_DIR"
  printf '%s\n' 'AddModule "silenzio" "sd_generic" "silenzio.conf"' 'DefaultModule "silenzio"' \
    > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
  printf '%s\n' 'GenericExecuteSynth "true"' 'GenericCmdDependency "true"' \
    'AddVoice "it" "female1" "it"' 'GenericLanguage "it" "it" "utf-8"' \
    > "$XDG_CONFIG_HOME/speech-dispatcher/modules/silenzio.conf"
  # The log written line by line, so that the test reads it as Orca speaks.
  printf '%s\n' 'import orca.debug' 'if orca.debug.debugFile:' \
    '    orca.debug.debugFile.reconfigure(line_buffering=True)' \
    > "$XDG_DATA_HOME/orca/orca-customizations.py"
  /usr/bin/orca --debug-file="$orca_log" > /dev/null 2>&1 &
  helpers="$helpers $!"
  trap '{ [ "${pid:-0}" -gt 0 ] && kill "$pid"; } 2>/dev/null || true; kill $helpers ${wm:-} 2>/dev/null || true; kill $(cat "$work"/run/speech-dispatcher/pid/*.pid 2>/dev/null) 2>/dev/null || true; rm -rf "$work"' EXIT
  for _ in $(seq 1 60); do
    grep -q "SPEECH OUTPUT" "$orca_log" 2>/dev/null && return 0
    sleep 0.5
  done
  fail "Orca did not start"
}
# What Orca said, a line each.
spoken() { grep -o "SPEECH OUTPUT: '.*" "$orca_log" | sed "s/^SPEECH OUTPUT: '//; s/'[[{].*$//"; }
# From now on: what Orca says after this point.
listen() { said_before=$(spoken | wc -l); }
# Waits until Orca has said something holding each text given, since listen.
heard() {
  local text
  for _ in $(seq 1 60); do
    local all=yes
    for text in "$@"; do
      spoken | tail -n +"$((said_before + 1))" | grep -qF -- "$text" || all=no
    done
    [ "$all" = yes ] && return 0
    sleep 0.25
  done
  fail "Orca did not say '$*'; it said: $(spoken | tail -n +"$((said_before + 1))" | tr '\n' '|')"
}
# Fails if Orca said `text` since listen.
not_heard() {
  spoken | tail -n +"$((said_before + 1))" | grep -qF -- "$1" && fail "Orca said '$1'"
  return 0
}
