# bash completion for korvane
_korvane() {
    local cur prev words cword
    _init_completion || return
    local commands="open route rules default opener"
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands --reveal --with-defaults --help --version" -- "$cur"))
        [[ $cur != -* ]] && _filedir
        return
    fi
    case ${words[1]} in
    open)
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--reveal --with-defaults --for-desktop --help" -- "$cur"))
        else
            _filedir
        fi
        ;;
    route) [[ $cur == -* ]] && COMPREPLY=($(compgen -W "--explain --help" -- "$cur")) || _filedir ;;
    rules)
        if [[ $cword -eq 2 ]]; then
            COMPREPLY=($(compgen -W "check import export --help" -- "$cur"))
        elif [[ $cword -eq 3 ]]; then
            _filedir json
        fi
        ;;
    default)
        [[ $cword -eq 2 ]] && COMPREPLY=($(compgen -W "set restore --help" -- "$cur"))
        ;;
    opener)
        if [[ $cword -eq 2 ]]; then
            COMPREPLY=($(compgen -W "on off status --help" -- "$cur"))
        elif [[ ${words[2]} == on ]]; then
            COMPREPLY=($(compgen -W "--links" -- "$cur"))
        fi
        ;;
    *) _filedir ;;
    esac
} && complete -F _korvane korvane
