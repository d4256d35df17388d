# fish completion for torvex

complete -c torvex -s h -l help -d 'Print how to call the program'
complete -c torvex -l help-all -d 'Print the options with those of every Qt program'
complete -c torvex -s v -l version -d 'Print the name and version'
complete -c torvex -l prefix -x -a '(__fish_complete_directories)' -d 'Work in this Wine prefix'
