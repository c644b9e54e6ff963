// The benchmark program: orvanel with the timing probes of scripts/benchmark installed
// (they act only when ORVANEL_BENCH is set; see bench_probe.h).
#include "bench_probe.h"
#include "program.h"

int main(int argc, char** argv)
{
    return RunOrvanel(argc, argv, InstallBenchProbe);
}
