#!/usr/bin/env bash
# Qtractor's plug-in scanner on Gravelo.clap: one line with the name, two
# audio inputs and outputs, nine parameters and the GUI flag.
#   qtractor-scan.sh SCANNER PLUGIN
set -euo pipefail
scanner=$1 plugin=$2
out=$(printf 'CLAP:%s\n\n' "$plugin" | timeout 60 "$scanner")
echo "$out"
[ "$(printf '%s\n' "$out" | grep -c .)" -eq 1 ]
IFS='|' read -r kind name audio _midi params flags _rest <<<"$out"
[ "$kind" = CLAP ] && [ "$name" = "Gravelo I" ] && [ "$audio" = 2:2 ] && [ "${params%%:*}" = 9 ]
[[ ",$flags," == *,GUI,* ]]
