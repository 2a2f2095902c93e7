#!/usr/bin/env python3
# Instructions per sample frame of the plug-in's processing entries, counted
# by callgrind: unlike CPU time, the count does not move with the machine's
# load. Usage: instructions_per_frame.py <build folder> [benchmark names...]
# Plugin*: processReplacing / processDoubleReplacing inclusive, per frame of
# a 256-frame block; SampleHook*: doSample inclusive, per call. With
# GRAVELO_BASELINE_PLUGIN set (see ChainBenchmark.cpp), Built/Plugin* and
# Baseline/Plugin* count this build's library and that one side by side.
import re, subprocess, sys, tempfile
B = sys.argv[1]
work = tempfile.mkdtemp(prefix='gravelo-callgrind-')
cases = {
 'PluginFloatDefault': ('CVeST::processReplacing(', 256),
 'PluginFloatWorstCase': ('CVeST::processReplacing(', 256),
 'PluginDoubleDefault': ('CVeST::processDoubleReplacing(', 256),
 'PluginDoubleWorstCase': ('CVeST::processDoubleReplacing(', 256),
 'SampleHookDefault': ('TVobrixEffect::doSample()', 1),
 'SampleHookWorstCase': ('TVobrixEffect::doSample()', 1),
}
for prefix in ('Built/', 'Baseline/'):
    for name in [n for n in list(cases) if n.startswith('Plugin') and 'Only' not in n]:
        cases[prefix + name] = cases[name]
only = sys.argv[2:] or [n for n in cases if '/' not in n]
for bm in only:
    fn, frames = cases[bm]
    out = f"{work}/{bm.replace('/', '-')}.out"
    subprocess.run(['valgrind', '--tool=callgrind', f'--callgrind-out-file={out}', f'{B}/bench/dsp/dsp_bench',
                    f'--benchmark_filter=^{bm}$', '--benchmark_min_time=0.2'], capture_output=True)
    txt = subprocess.run(['callgrind_annotate', '--threshold=100', '--inclusive=yes', '--tree=caller', out], capture_output=True, text=True).stdout
    for group in txt.split('\n\n'):
        lines = group.strip().splitlines()
        star = [l for l in lines if re.match(r'\s*[\d,]+\s+\(\s*[\d.]+%\)\s+\*\s', l)]
        if not star or fn not in star[0] or not any(re.match(r'\s*[\d,]+\s+\(\s*[\d.]+%\)\s+<\s', l) for l in lines): continue
        incl = int(star[0].split()[0].replace(',', ''))
        calls = sum(int(m.group(1).replace(',','')) for l in lines for m in [re.search(r'\(([\d,]+)x\)', l)] if m and '<' in l)
        print(f'{bm:24s} Ir/frame={incl/(calls*frames):8.1f}  (calls={calls})', flush=True)
        break
