#!/usr/bin/env python3
"""Checks that scripts/install-deps installs everything the build was configured with.

For every file the configuration found (the .pc file of each pkg-config module
and of the modules it requires, the package configuration file of each
find_package, each tool and library found by path) the owning Debian package
must be one that the script names or one those depend on, directly or not. A
dependency that a developer's machine has from earlier work then fails here
instead of on a fresh machine.

    build_dependencies.py <build folder> <source folder>
"""
import os
import re
import subprocess
import sys

SKIP = 77

# Tools CTest's dashboard mode looks for; the build never runs them.
DASHBOARD_TOOLS = {"GITCOMMAND", "MEMORYCHECK_COMMAND", "COVERAGE_COMMAND", "MEMORYCHECK_SUPPRESSIONS_FILE"}
PKG_OPTIONS = {"REQUIRED", "QUIET", "IMPORTED_TARGET", "GLOBAL", "NO_CMAKE_PATH", "NO_CMAKE_ENVIRONMENT_PATH"}


def run(*cmd):
    return subprocess.run(cmd, capture_output=True, text=True)


def cache_entries(build):
    entries = {}
    with open(os.path.join(build, "CMakeCache.txt")) as f:
        for line in f:
            m = re.match(r"^([^#/][^:=]*):([A-Z]+)=(.*)$", line.rstrip("\n"))
            if m:
                entries[m.group(1)] = (m.group(2), m.group(3))
    return entries


def pkg_modules(entries):
    modules = set()
    for name, (_, value) in entries.items():
        if name.startswith("__pkg_config_arguments_"):
            for arg in value.split(";"):
                if arg and arg not in PKG_OPTIONS:
                    modules.add(re.split(r"[<>=]", arg)[0].strip())
    # What the modules require is needed to build against them as well.
    todo, seen = list(modules), set()
    while todo:
        mod = todo.pop()
        if mod in seen:
            continue
        seen.add(mod)
        out = run("pkg-config", "--print-requires", "--print-requires-private", mod).stdout
        todo += [re.split(r"[\s<>=]", line.strip())[0] for line in out.splitlines() if line.strip()]
    return seen


def linked(build):
    """The link lines' text; a library found only by an optional search is
    linked nowhere and is no dependency."""
    try:
        with open(os.path.join(build, "build.ninja")) as f:
            return f.read()
    except OSError:
        return None


def found_files(entries, links):
    """(what, path) for every file the configuration depends on."""
    files = []
    for mod in sorted(pkg_modules(entries)):
        path = run("pkg-config", "--path", mod).stdout.strip()
        files.append((f"pkg-config module {mod}", path or None))
    for name, (kind, value) in sorted(entries.items()):
        if value.endswith("-NOTFOUND") or not value.startswith("/"):
            continue
        if kind == "PATH" and name.endswith("_DIR") and os.path.isdir(value):
            package = name[:-4]
            for candidate in (f"{package}Config.cmake", f"{package.lower()}-config.cmake"):
                if os.path.isfile(os.path.join(value, candidate)):
                    files.append((f"find_package({package})", os.path.join(value, candidate)))
                    break
        elif kind == "FILEPATH" and name not in DASHBOARD_TOOLS and os.path.isfile(value):
            library = re.match(r"lib.*\.(so|a)$", os.path.basename(value))
            if not library or links is None or value in links:
                files.append((name, value))
    return files


def owners_by_path(paths):
    """path -> owning packages, for the paths dpkg knows as given."""
    out = run("dpkg-query", "-S", *paths) if paths else None
    found = {}
    for line in (out.stdout.splitlines() if out else []):
        if line.startswith("diversion by") or ": " not in line:
            continue
        head, path = line.rsplit(": ", 1)
        found.setdefault(path, set()).update(n.strip().split(":")[0] for n in head.split(","))
    return found


def owners(paths):
    """path -> owning packages, trying a link's target and the merged /usr
    for a path that dpkg knows under another name."""
    found = owners_by_path(sorted(set(paths)))
    result = {}
    for path in paths:
        if path in found:
            result[path] = found[path]
            continue
        real = os.path.realpath(path)
        candidates = [real] + [p[4:] if p.startswith("/usr/") else "/usr" + p for p in (path, real)]
        other = owners_by_path(candidates)
        result[path] = set().union(*other.values()) if other else set()
    return result


def installed_graph():
    out = run("dpkg-query", "-W", "-f", "${db:Status-Abbrev}\t${Package}\t${Provides}\t${Depends}, ${Pre-Depends}\n")
    depends, providers = {}, {}

    def names(field):
        groups = []
        for group in field.split(","):
            alts = [re.split(r"[\s(:]", a.strip())[0] for a in group.split("|")]
            alts = [a for a in alts if a]
            if alts:
                groups.append(alts)
        return groups

    for line in out.stdout.splitlines():
        status, package, provides, deps = (line.split("\t") + ["", "", ""])[:4]
        if not status.startswith("ii"):
            continue
        depends[package] = names(deps)
        for group in names(provides):
            providers.setdefault(group[0], set()).add(package)
    return depends, providers


def closure(roots, depends, providers):
    seen, todo = set(), list(roots)
    while todo:
        package = todo.pop()
        if package in seen:
            continue
        seen.add(package)
        for group in depends.get(package, []):
            for alt in group:
                todo += [alt] if alt in depends else sorted(providers.get(alt, ()))
    return seen


def main():
    build, source = sys.argv[1], sys.argv[2]
    if run("dpkg-query", "--version").returncode != 0:
        print("no dpkg on this machine: nothing to check")
        return SKIP
    listed = run(os.path.join(source, "scripts", "install-deps"), "--list")
    if listed.returncode != 0:
        print("scripts/install-deps --list failed:", listed.stderr, file=sys.stderr)
        return 1
    named = listed.stdout.split()
    depends, providers = installed_graph()
    covered = closure(named, depends, providers)

    files = found_files(cache_entries(build), linked(build))
    owned = owners([path for _, path in files if path])
    faults = []
    for what, path in files:
        if path is None:
            faults.append(f"{what}: pkg-config does not find its file")
            continue
        owned_by = owned[path]
        if not owned_by:
            faults.append(f"{what}: {path} belongs to no Debian package")
        elif not owned_by & covered:
            faults.append(f"{what}: {path} comes from {', '.join(sorted(owned_by))}, "
                          "which scripts/install-deps neither names nor pulls in")
    print(f"{len(files)} files the build was configured with, {len(named)} packages named, "
          f"{len(covered)} with their dependencies")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
