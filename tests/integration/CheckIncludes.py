#!/usr/bin/env python3
"""The product folders include one another as docs/ARCHITECTURE.md says.

CheckIncludes.py <source dir> <build dir> <cmake>

Reads the guide's table "Who may include whom", finds which folder every
product file includes, and fails on an include the table does not allow, on
an allowed include no file makes (the table is a map, not a wish list), on a
cycle among the folders, on a product file that includes tools/, tests/ or
anything outside the product, and on an include the compiler finds only
through an include directory other than the source root. It also fails when
the build's library graph (cmake --graphviz) has a cycle.
"""

import os
import re
import subprocess
import sys
import tempfile

SOURCES = (".h", ".hpp", ".c", ".cc", ".cpp", ".mm")
INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*([<"])([^">]+)[">]', re.M)
# What resources/Images.cmake writes into the build tree's generated/.
GENERATED_ROOM = "resources"


def read_table(guide):
    text = open(guide, encoding="utf-8").read()
    start = text.index("### Who may include whom")
    allowed = {}
    in_table = False
    for line in text[start:].splitlines()[1:]:
        if not line.startswith("|"):
            if in_table:
                break
            continue
        in_table = True
        cells = [cell.strip() for cell in line.strip("|").split("|")]
        rooms = re.findall(r"`([a-z0-9_]+)/`", cells[0])
        if len(rooms) != 1:
            continue  # the header and its rule
        allowed[rooms[0]] = set(re.findall(r"`([a-z0-9_]+)/`", cells[1]))
    return allowed


def room_of(path, source):
    relative = os.path.relpath(path, source)
    return relative.split(os.sep)[0]


def resolve(include, quote, folder, source, build):
    """The room a file's include reaches, as the compiler finds it with the
    source root (and, for generated files, the build root) as the only
    include directories; None for a system header."""
    for base in (folder, source):
        candidate = os.path.normpath(os.path.join(base, include))
        if os.path.isfile(candidate):
            return room_of(candidate, source)
    if include.startswith("generated/") and os.path.isfile(os.path.join(build, include)):
        return GENERATED_ROOM
    if quote == "<":
        return None
    raise LookupError(include)


def folder_edges(source, build, rooms, problems):
    edges = {room: {} for room in rooms}
    for room in rooms:
        for folder, _, files in os.walk(os.path.join(source, room)):
            for name in sorted(files):
                if not name.endswith(SOURCES):
                    continue
                path = os.path.join(folder, name)
                shown = os.path.relpath(path, source)
                with open(path, encoding="utf-8", errors="replace") as file:
                    text = file.read()
                for quote, include in INCLUDE.findall(text):
                    try:
                        target = resolve(include, quote, folder, source, build)
                    except LookupError:
                        problems.append(f'{shown}: "{include}" is found only through an include directory')
                        continue
                    if target is None or target == room:
                        continue
                    if target not in rooms:
                        problems.append(f'{shown}: includes "{include}" from {target}/, outside the product')
                        continue
                    edges[room].setdefault(target, shown)
    return edges


def cycle(graph):
    """A cycle of graph (node -> successors) as a list of nodes, or None."""
    state = {}
    for start in graph:
        if start in state:
            continue
        path = [start]
        stack = [iter(sorted(graph[start]))]
        state[start] = "open"
        while stack:
            node = next(stack[-1], None)
            if node is None:
                state[path.pop()] = "done"
                stack.pop()
            elif state.get(node) == "open":
                return path[path.index(node):] + [node]
            elif node not in state:
                state[node] = "open"
                path.append(node)
                stack.append(iter(sorted(graph.get(node, ()))))
    return None


def library_graph(cmake, build):
    with tempfile.TemporaryDirectory() as folder:
        dot = os.path.join(folder, "libraries.dot")
        subprocess.run([cmake, f"--graphviz={dot}", build], check=True, stdout=subprocess.DEVNULL)
        text = open(dot, encoding="utf-8").read()
    names = dict(re.findall(r'"(node\d+)"\s*\[\s*label\s*=\s*"([^"]*)"', text))
    graph = {name: set() for name in names.values()}
    for tail, head in re.findall(r'"(node\d+)"\s*->\s*"(node\d+)"', text):
        # A program whose test cases are listed after its build depends on
        # its own file; CMake draws that as an edge to itself.
        if tail != head:
            graph[names[tail]].add(names[head])
    return graph


def main():
    source, build = (os.path.abspath(argument) for argument in sys.argv[1:3])
    cmake = sys.argv[3]
    allowed = read_table(os.path.join(source, "docs", "ARCHITECTURE.md"))
    problems = []
    if not allowed:
        problems.append("docs/ARCHITECTURE.md: no table under 'Who may include whom'")
    for room in allowed:
        if not os.path.isdir(os.path.join(source, room)):
            problems.append(f"the table names {room}/, which is no folder")
    rooms = [room for room in allowed if os.path.isdir(os.path.join(source, room))]
    edges = folder_edges(source, build, rooms, problems)
    for room in rooms:
        for target, example in sorted(edges[room].items()):
            if target not in allowed[room]:
                problems.append(f"{example}: {room}/ includes {target}/, which the table does not allow")
        for target in sorted(allowed[room] - set(edges[room])):
            problems.append(f"the table lets {room}/ include {target}/, which no file does")
    found = cycle({room: set(edges[room]) for room in rooms})
    if found:
        problems.append("the folders include in a circle: " + " -> ".join(found))
    found = cycle(library_graph(cmake, build))
    if found:
        problems.append("the library graph has a cycle: " + " -> ".join(found))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
