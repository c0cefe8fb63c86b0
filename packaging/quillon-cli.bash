# bash completion for quillon-cli
_quillon_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local commands="ports info monitor get set save load diff flash backup restore history doctor help"
    case $prev in
        --trace) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --count) return ;;
    esac
    # The command is the first word that is not an option (--trace takes a FILE);
    # arg counts the words after it.
    local i command="" arg=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --trace) i=$((i + 1)) ;;
            -*) ;;
            *) if [ -z "$command" ]; then command=${COMP_WORDS[i]}; else arg=$((arg + 1)); fi ;;
        esac
    done
    if [ -z "$command" ]; then
        COMPREPLY=($(compgen -W "$commands --trace -v --version --help" -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        local options="--help --trace -v"
        case $command in
            ports|info|get|set|diff|history) options+=" --json" ;;
            monitor) options+=" --count" ;;
        esac
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    if [ "$command" = help ]; then
        [ "$arg" -eq 0 ] && COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        return
    fi
    if [ "$arg" -eq 0 ] && [[ $command =~ ^(info|monitor|get|set|save|load|diff|flash|backup|restore|history|doctor)$ ]]; then
        local runtime=${XDG_RUNTIME_DIR:-/tmp/runtime-$USER}
        local ports=$(ls /dev/serial/by-id/* /dev/ttyUSB* /dev/ttyACM* /dev/ttyS* 2>/dev/null; ls "$runtime/orvex/ports" 2>/dev/null)
        COMPREPLY=($(compgen -W "$ports" -- "$cur"))
    elif [ "$arg" -eq 1 ] && [[ $command =~ ^(save|load|diff|flash|backup|restore)$ ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
    elif [ "$arg" -ge 1 ] && [[ $command =~ ^(get|set)$ ]]; then
        # The value names come from quillon-cli's own table, keys and labels
        # alike, in any letter case; readline quotes the blanks of a label.
        local name typed=${cur//\\/} suffix="" IFS=$'\n'
        typed=${typed#[\"\']}
        if [ "$command" = set ]; then
            suffix="="
            compopt -o nospace 2>/dev/null
        fi
        for name in $("${COMP_WORDS[0]}" --value-names 2>/dev/null); do
            [[ ${name,,} == "${typed,,}"* ]] && COMPREPLY+=("$name$suffix")
        done
    fi
}
complete -o filenames -F _quillon_cli quillon-cli
