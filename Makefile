# make run    build Panewarden and run it under Wine (i686, else x86_64)
# make test   build both architectures, run their tests under Wine (i686 where it runs)
# make dist   lay out dist/Panewarden and dist/Panewarden-x64 and zip each
# make bench  measure the shipped program under Wine against a polling reference
#             (BENCH_ROUNDS, default 3; BENCH_SECONDS, default 20)
# The work is done by the scripts in scripts/; a missing tool is installed first.

.PHONY: run test dist clean
MAKEFLAGS += --no-print-directory

run:
	scripts/run.sh

test:
	scripts/test.sh

dist:
	scripts/dist.sh

.PHONY: bench
bench:
	scripts/bench.sh

clean:
	rm -rf build dist
