# Bash completion for moxel-board: its commands, each command's options, the gradient style names, and
# board files (*.qvx) where a board file goes. Commands and options are read from the tool's own --help,
# so they never fall behind the tool.

_moxel_board() {
    local cur prev words cword
    _init_completion -s || return

    local tool=${words[0]}
    if [ "$cword" -eq 1 ]; then
        local commands
        commands=$("$tool" --help 2>/dev/null | awk '/^  [a-z]+ / { print $1 }')
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    local command=${words[1]} help valued
    [[ $command =~ ^[a-z]+$ ]] || return
    help=$("$tool" "$command" --help 2>/dev/null)
    # The options that take a value are those whose help line names one ("--style NAME").
    valued=$'\n'$(awk '/^  --[a-z-]+ [A-Z]/ { print $1 }' <<<"$help")$'\n'

    if [[ $prev == --* && $valued == *$'\n'"$prev"$'\n'* ]]; then
        [ "$prev" = --style ] && COMPREPLY=($(compgen -W "$(grep -o 'gst[A-Za-z]*' <<<"$help")" -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(awk '/^  --[a-z]/ { print $1 }' <<<"$help") --help" -- "$cur"))
        return
    fi

    # Which argument this is, the options and their values left out.
    local i position=0
    for ((i = 2; i < cword; i++)); do
        if [[ ${words[i]} == -?* ]]; then
            [[ $valued == *$'\n'"${words[i]}"$'\n'* ]] && ((i++))
        else
            ((position++))
        fi
    done
    case $command:$position in
        png:1) _filedir png ;;
        import:0) _filedir ;;
        *) _filedir qvx ;;
    esac
}
complete -F _moxel_board moxel-board
