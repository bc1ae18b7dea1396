# fish completion for korvane
set -l commands open route rules default
complete -c korvane -n "not __fish_seen_subcommand_from $commands" -a open -d 'Open the files as one drop'
complete -c korvane -n "not __fish_seen_subcommand_from $commands" -a route -d 'Show where each file would open'
complete -c korvane -n "not __fish_seen_subcommand_from $commands" -a rules -d 'List, check, import or export the rules'
complete -c korvane -n "not __fish_seen_subcommand_from $commands" -a default -d 'Make or restore a rule\'s defaults'
complete -c korvane -l help -d 'Show the help'
complete -c korvane -n "not __fish_seen_subcommand_from $commands" -l version -d 'Show the version'
complete -c korvane -n "not __fish_seen_subcommand_from route rules default" -l reveal -d 'Show the files in the file manager'
complete -c korvane -n "not __fish_seen_subcommand_from route rules default" -l with-defaults -d 'Open the files in their default apps'
complete -c korvane -n "__fish_seen_subcommand_from route" -l explain -d 'Say why each file goes where it goes'
complete -c korvane -n "__fish_seen_subcommand_from rules" -x -a 'check import export'
complete -c korvane -n "__fish_seen_subcommand_from default" -x -a 'set restore'
