# summary NAME FIGURE: "median (min-max)" of the values recorded for NAME and FIGURE in the file
# $results, whose lines are "NAME FIGURE VALUE" (one per run); "-" where there are none.
summary() {
    awk -v name="$1" -v figure="$2" '$1 == name && $2 == figure { print $3 }' "$results" |
        sort -g | awk '{ v[NR] = $1 }
            END { if (!NR) { print "-"; exit }
                  m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                  printf "%.4g (%.4g-%.4g)\n", m, v[1], v[NR] }'
}
