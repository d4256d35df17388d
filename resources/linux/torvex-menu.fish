# fish completion for torvex-menu

set -l commands print check resave where diff export import add remove

complete -c torvex-menu -f
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -l help -d 'Print how to call the program'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -l version -d 'Print the name and version'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -l prefix -x -a '(__fish_complete_directories)' -d 'Work in this Wine prefix'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a print -d 'Print the menu as an indented tree'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a check -d 'Report items without a command and missing folders'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a resave -d 'Load the menu and save it back'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a where -d 'Print where the editor looks for wincmd.ini'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a diff -d 'Compare the menus of two files'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a export -d 'Print the menu as JSON or YAML'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a import -d 'Replace the menu with one given as JSON'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a add -d 'Add an entry'
complete -c torvex-menu -n "not __fish_seen_subcommand_from $commands" -a remove -d 'Remove an entry by its title path'
complete -c torvex-menu -n "__fish_seen_subcommand_from print check resave where diff export import add remove" -F
complete -c torvex-menu -n "__fish_seen_subcommand_from export" -l json -d 'Print the menu as JSON (the default)'
complete -c torvex-menu -n "__fish_seen_subcommand_from export" -l yaml -d 'Print the menu as YAML'
complete -c torvex-menu -n "__fish_seen_subcommand_from add" -l title -x -d 'Title of the new entry'
complete -c torvex-menu -n "__fish_seen_subcommand_from add" -l command -x -d 'Command of the new entry'
complete -c torvex-menu -n "__fish_seen_subcommand_from add" -l path -x -d 'Target path of the new entry'
complete -c torvex-menu -n "__fish_seen_subcommand_from add" -l under -x -d 'Submenu to add to, as "A > B"'
complete -c torvex-menu -n "__fish_seen_subcommand_from add" -l first -d 'Add as the first entry of its level'
complete -c torvex-menu -n "__fish_seen_subcommand_from add" -l after -x -d 'Add after the entry of this title'
complete -c torvex-menu -n "__fish_seen_subcommand_from check" -l json -d 'Print the report as JSON'
complete -c torvex-menu -n "__fish_seen_subcommand_from where" -l all -d 'List every Wine prefix found'
complete -c torvex-menu -n "__fish_seen_subcommand_from where" -l json -d 'Print the list as JSON (with --all)'
