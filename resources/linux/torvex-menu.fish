# fish completion for torvex-menu

set -l commands print check resave where diff

complete -c torvex-menu -f
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -l help -d 'Print how to call the program'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -l version -d 'Print the name and version'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -l prefix -x -a '(__fish_complete_directories)' -d 'Work in this Wine prefix'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a print -d 'Print the menu as an indented tree'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a check -d 'Report items without a command and missing folders'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a resave -d 'Load the menu and save it back'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a where -d 'Print where the editor looks for wincmd.ini'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a diff -d 'Compare the menus of two files'
complete -c torvex-menu -n "__fish_seen_subcommand_from print check resave where diff" -F
complete -c torvex-menu -n "__fish_seen_subcommand_from check" -l json -d 'Print the report as JSON'
complete -c torvex-menu -n "__fish_seen_subcommand_from where" -l all -d 'List every Wine prefix found'
complete -c torvex-menu -n "__fish_seen_subcommand_from where" -l json -d 'Print the list as JSON (with --all)'
