# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# docs/bench.png from the data that `make bench` writes: time of the computed side with each
# bound, and of the stored side, against the interval, both axes logarithmic.
# gnuplot -e "data='build-release/bench/bench.dat'; output='docs/bench.png'" bench/chart.gp
set terminal pngcairo size 900,560 font "Liberation Sans,11"
set output output
set title "Директно и последователно: време за интервал (stored and computed: time per interval)"
set xlabel "Интервал (interval)"
set ylabel "Време, µs (time, microseconds)"
set logscale xy
set format y "10^{%L}"
set xrange [6:16000]
set xtics ("1 - 10" 10, "10 - 100" 100, "100 - 1000" 1000, "1000 - 10000" 10000)
set grid xtics ytics mytics
set key top left box opaque
# Columns: interval end, stored side, computed side with bounds 0, 1 and 2 (nanoseconds).
plot data using 1:($3/1000) title "Последователно, 2 - (N-1)" with linespoints lw 2 pt 7, \
     data using 1:($4/1000) title "Последователно, 2 - (N/2)" with linespoints lw 2 pt 5, \
     data using 1:($5/1000) title "Последователно, 2 - sqr(N)" with linespoints lw 2 pt 9, \
     data using 1:($2/1000) title "Директно (stored)" with linespoints lw 2 pt 13 dt 2
