# fish completion for quillet-calc: the commands, the dimensions, the operations' aliases and
# the options. Numbers are the user's to type, so nothing is offered for them.

# The words typed so far, without the options, which may stand anywhere.
function __quillet_calc_words
    set -l words
    set -l skip_next 0
    for word in (commandline -opc)[2..-1]
        if test $skip_next -eq 1
            set skip_next 0
        else if test "$word" = --digits
            set skip_next 1
        else if not string match -qr -- '^-[a-z-]' $word
            set -a words $word
        end
    end
    string join \n -- $words
end

# True when the words so far are exactly the ones given.
function __quillet_calc_after
    set -l words (__quillet_calc_words)
    test (count $words) -eq (count $argv); or return 1
    for i in (seq (count $argv))
        test "$words[$i]" = "$argv[$i]"; or return 1
    end
end

complete -c quillet-calc -f
complete -c quillet-calc -l json -d 'Print one JSON object a calculation'
complete -c quillet-calc -l lenient -d 'Read each number as atof does: its leading number, or 0'
complete -c quillet-calc -l digits -x -a '(seq 1 17)' -d 'Significant digits of the results'
complete -c quillet-calc -s h -l help -d 'Print the usage and the operations'
complete -c quillet-calc -l version -d 'Print the version'

complete -c quillet-calc -n '__quillet_calc_after' -a roots -d 'Roots of a polynomial'
complete -c quillet-calc -n '__quillet_calc_after' -a complex -d 'Operation on complex numbers'
complete -c quillet-calc -n '__quillet_calc_after' -a vector -d 'Operation on two vectors'
complete -c quillet-calc -n '__quillet_calc_after' -a - -d 'One calculation a line from standard input'

complete -c quillet-calc -n '__quillet_calc_after complex' -a 'inv mag phase ln exp sqrt sq add mul div zxy'
complete -c quillet-calc -n '__quillet_calc_after vector' -a '2d 3d'
complete -c quillet-calc -n '__quillet_calc_after vector 2d; or __quillet_calc_after vector 3d' -a 'mag cos add sub dot cross angle'
