#!/bin/bash
# rfid-cli's bash completion against the program itself: commands, their
# words and options come from its help.
# Usage: completion.sh RFID_CLI COMPLETION_FILE
set -u
cli=$1
source /usr/share/bash-completion/bash_completion
source "$2"
status=0
expect() {
    local want=$1
    shift
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$#
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _rfid_cli
    if [[ "${COMPREPLY[*]}" != "$want" ]]; then
        echo "rfid-cli $*<TAB>: got '${COMPREPLY[*]}', expected '$want'"
        status=1
    fi
}
expect "classic" cl
expect "read write value-init inc dec card-number halt" classic ""
expect "--key --key-b" --reader virtual classic read --k
expect "active passive" reader mode ""
expect "read set" reader serial ""
expect "convert show" dump ""
expect "ti philips uid other" iso15693 read --flags ""
expect "zh en" --lang ""
expect "read write value-init inc dec card-number halt" --lang en classic ""
expect "hex8-rev hex8" format set hex8
exit $status
