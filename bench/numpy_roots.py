#!/usr/bin/env python3
"""numpy.roots on each line of a root_texts corpus: "class c_n ... c_0" in, "re im ..." out.

Used only to measure the solvers beside numpy by hand (bench/run_root_sweep.sh); numpy is
not a dependency of the build or the tests.
"""
import sys

import numpy

for line in sys.stdin:
    words = line.split()
    roots = numpy.roots([float(w) for w in words[1:]])
    print(" ".join("%.17g %.17g" % (complex(r).real, complex(r).imag) for r in roots))
