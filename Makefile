# make run    build Panewarden and run it under Wine
# make test   build and run every test under Wine (and compile the 64-bit build)
# make dist   build and lay out dist/Panewarden: Panewarden.exe and gfx/
# make bench  measure the shipped program under Wine (BENCH_SECONDS, default 20)
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
