# bash completion for rfid-cli. The commands and their options are read from
# the program's own help, so that they never go out of step with it.
_rfid_cli()
{
    local cur prev words cword
    _init_completion || return

    local globals="--reader --device --address --field --json --repeat --interval --lang --help --version"
    case $prev in
        --reader) COMPREPLY=($(compgen -W "virtual hid" -- "$cur")); compopt -o default; return ;;
        --field) _filedir; return ;;
        --repeat) COMPREPLY=($(compgen -W "forever" -- "$cur")); return ;;
        --lang) COMPREPLY=($(compgen -W "zh en" -- "$cur")); return ;;
        --to) COMPREPLY=($(compgen -W "flipper pm3-json raw eml mct" -- "$cur")); return ;;
        --flags) COMPREPLY=($(compgen -W "ti philips uid other" -- "$cur")); return ;;
        --buzzer) COMPREPLY=($(compgen -W "big small" -- "$cur")); return ;;
        --device | --address | --interval | --baud | --key | --data | --start | --count | --sector | --value | --page | \
            --period | --uid | --first | --block | --afi | --dsfid | --card-id | --user-byte) return ;;
    esac

    # The command's words: those that are not options nor option values.
    local i command=()
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --reader | --device | --address | --field | --repeat | --interval | --lang) ((i++)) ;;
            -*) ;;
            *) command+=("${words[i]}") ;;
        esac
    done

    # The help in its source texts, whose headings this reads, whatever
    # language the operator chose.
    local help
    help=$("${words[0]}" --lang zh --help 2>/dev/null)
    local families
    families=$(sed -n '/^Commands:/,/^$/p' <<<"$help" | awk 'NF && $1 != "Commands:" {print $1}' | sort -u)

    if ((${#command[@]} == 0)); then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$globals" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$families" -- "$cur"))
        fi
        return
    fi
    if ((${#command[@]} == 1)) && [[ $cur != -* ]]; then
        local names
        names=$(sed -n '/^Commands:/,/^$/p' <<<"$help" | awk -v f="${command[0]}" '$1 == f && NF > 1 && $2 !~ /^[A-Z[]/ {print $2}')
        case ${command[0]} in
            listen) _filedir ;;
        esac
        COMPREPLY+=($(compgen -W "$names" -- "$cur"))
        return
    fi
    case "${command[0]} ${command[1]}" in
        "dump convert" | "dump show") _filedir; return ;;
    esac
    if ((${#command[@]} == 2)) && [[ $cur != -* ]]; then
        # The words the command's synopsis offers: "active|passive", "[read | set NN]".
        local synopsis
        synopsis=$(sed -n '/^Commands:/,/^$/p' <<<"$help" |
            awk -v f="${command[0]}" -v n="${command[1]}" '$1 == f && $2 == n {
                $0 = substr($0, 1, 35); $1 = ""; $2 = ""; print }')
        synopsis=$(tr '|[]' '   ' <<<"$synopsis" | tr ' ' '\n' | grep -E '^[a-z][a-z-]*$')
        [[ "${command[0]} ${command[1]}" == "format set" ]] &&
            synopsis=$("${words[0]}" format list 2>/dev/null | awk '{print $1}')
        COMPREPLY=($(compgen -W "$synopsis" -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        local options
        options=$("${words[0]}" --lang zh "${command[0]}" "${command[1]}" --help 2>/dev/null | awk '$1 ~ /^--/ {print $1}')
        COMPREPLY=($(compgen -W "$options $globals" -- "$cur"))
    fi
}
complete -F _rfid_cli rfid-cli
