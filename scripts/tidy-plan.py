#!/usr/bin/env python3
"""What scripts/tidy.sh hands to clang-tidy, and proof that it is all.

    tidy-plan.py BUILD WINDOWS_BUILD OUT

BUILD and WINDOWS_BUILD are configured builds (the second a mingw-w64 cross
build) with compile_commands.json. Writes into OUT:
  sources.txt          the product's sources in BUILD
  windows.txt          the product's sources only WINDOWS_BUILD compiles
  windows/compile_commands.json   their commands, for clang on the mingw target
  headers.txt          product headers that no source above includes, to be
                       checked as translation units of their own
and prints the product headers' count. Fails when a product header lies
outside .clang-tidy's HeaderFilterRegex: its faults would pass unseen.
Tests, benchmarks and fuzz targets are not the product.
"""
import concurrent.futures
import json
import os
import re
import shlex
import subprocess
import sys

NOT_PRODUCT = ("tests/", "bench/", "fuzz/")
root = os.getcwd() + os.sep


def relative(path, directory):
    path = os.path.realpath(os.path.join(directory, path))
    return path[len(root):] if path.startswith(root) else None


def product_entries(build):
    entries = []
    for entry in json.load(open(os.path.join(build, "compile_commands.json"))):
        source = relative(entry["file"], entry["directory"])
        if source and source.endswith(".cpp") and not source.startswith(NOT_PRODUCT):
            entries.append((source, entry))
    return entries


def arguments(entry):
    return entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])


def included_headers(entry):
    # The preprocessor's own list (-MM), with headers not made yet taken as
    # found (-MG): what the source includes, however deep.
    command, skip = [], False
    for argument in arguments(entry):
        if skip:
            skip = False
        elif argument in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
        elif argument not in ("-c", "-MD", "-MMD"):
            command.append(argument)
    run = subprocess.run(command + ["-MM", "-MG"], cwd=entry["directory"], capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"tidy: cannot list what {entry['file']} includes:\n{run.stderr}")
    names = run.stdout.replace("\\\n", " ").split(":", 1)[-1].split()
    return {relative(name, entry["directory"]) for name in names}


def clang_command(entry):
    # clang in the place of the cross compiler, on its target, with its C++
    # library: clang finds no mingw-w64 g++'s headers by itself. Its builtin
    # headers stay clang's own; g++'s would not parse.
    compiler, *rest = arguments(entry)
    target = subprocess.run([compiler, "-dumpmachine"], capture_output=True, text=True, check=True).stdout.strip()
    search = subprocess.run([compiler, "-x", "c++", "-E", "-v", os.devnull], capture_output=True, text=True,
                            check=True).stderr
    listed = search.split("#include <...> search starts here:", 1)[1].split("End of search list.", 1)[0]
    library = [d for d in listed.split() if "/c++" in d]
    # g++-only options clang refuses.
    rest = [a for a in rest if a not in ("-fno-keep-inline-dllexport",)]
    command = ["clang++", f"--target={target}", "-nostdinc++"]
    for directory in library:
        command += ["-isystem", directory]
    return {"directory": entry["directory"], "file": entry["file"], "arguments": command + rest}


def main():
    build, windows_build, out = sys.argv[1:4]
    config = open(".clang-tidy").read()
    header_filter = re.search(r"^HeaderFilterRegex:\s*'([^']*)'", config, re.M).group(1)

    listed = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard", "--", "*.h"],
                            capture_output=True, text=True, check=True).stdout.split()
    headers = sorted({h for h in listed if not h.startswith(NOT_PRODUCT) and os.path.exists(h)})
    outside = [h for h in headers if not re.search(header_filter, root + h)]
    if outside:
        print("tidy: product headers outside .clang-tidy's HeaderFilterRegex:", *outside, sep="\n  ")
        sys.exit(1)

    sources = product_entries(build)
    linux = {source for source, _ in sources}
    windows = [(source, entry) for source, entry in product_entries(windows_build) if source not in linux]

    included = set()
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 2) as pool:
        for names in pool.map(included_headers, [entry for _, entry in sources + windows]):
            included |= names
    alone = [h for h in headers if h not in included]

    os.makedirs(os.path.join(out, "windows"), exist_ok=True)
    with open(os.path.join(out, "sources.txt"), "w") as f:
        f.writelines(s + "\n" for s in sorted(linux))
    with open(os.path.join(out, "windows.txt"), "w") as f:
        f.writelines(s + "\n" for s in sorted({source for source, _ in windows}))
    with open(os.path.join(out, "windows", "compile_commands.json"), "w") as f:
        json.dump([clang_command(entry) for _, entry in windows], f, indent=1)
    with open(os.path.join(out, "headers.txt"), "w") as f:
        f.writelines(h + "\n" for h in alone)
    print(len(headers))


main()
