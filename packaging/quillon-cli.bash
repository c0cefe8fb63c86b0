# bash completion for quillon-cli
_quillon_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local commands="ports info monitor save load diff flash backup restore history doctor --trace -v --version --help"
    if [ "$COMP_CWORD" -eq 1 ]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        return
    fi
    local command=${COMP_WORDS[1]}
    if [ "$COMP_CWORD" -eq 2 ] && [[ $command =~ ^(info|monitor|save|load|diff|flash|backup|restore|history|doctor)$ ]]; then
        local runtime=${XDG_RUNTIME_DIR:-/tmp/runtime-$USER}
        local ports=$(ls /dev/serial/by-id/* /dev/ttyUSB* /dev/ttyACM* /dev/ttyS* 2>/dev/null; ls "$runtime/orvex/ports" 2>/dev/null)
        COMPREPLY=($(compgen -W "$ports" -- "$cur"))
        return
    fi
    case $command in
        ports|info|diff) COMPREPLY=($(compgen -W "--json" -- "$cur")) ;;
        monitor) COMPREPLY=($(compgen -W "--count" -- "$cur")) ;;
        save|load|flash|backup|restore) COMPREPLY=($(compgen -f -- "$cur")) ;;
    esac
}
complete -o filenames -F _quillon_cli quillon-cli
