#!/usr/bin/env python3
"""Keeps the floors of src/: an #include never runs up a floor, and portable code
(src/base and every portable/ folder) includes only portable code and never the
Windows headers. Prints each offending file and line; exits 1 when there is one."""
import pathlib, re, sys

FLOORS = ["base", "win", "settings", "documents", "tools", "shell"]  # from the ground up
WINDOWS_HEADERS = {"windows.h", "commctrl.h", "commdlg.h", "shellapi.h", "shlobj.h",
                   "wincodec.h", "winspool.h", "uxtheme.h", "objbase.h"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def is_portable(path):
    return path.parts[0] == "base" or "portable" in path.parts


def problems(src):
    for file in sorted(p for p in src.rglob("*") if p.suffix in {".h", ".cpp"}):
        own = file.relative_to(src)
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            kind, name = match.groups()
            where = f"src/{own.as_posix()}:{number}: "
            if kind == "<":
                if is_portable(own) and name.lower() in WINDOWS_HEADERS:
                    yield where + f"portable code includes <{name}>"
                continue
            target = pathlib.PurePosixPath(name)
            if target.parts[0] not in FLOORS:
                yield where + f'"{name}" is not under a floor of src/'
            elif FLOORS.index(target.parts[0]) > FLOORS.index(own.parts[0]):
                yield where + f'"{name}" runs up from {own.parts[0]}/ to {target.parts[0]}/'
            elif is_portable(own) and not is_portable(target):
                yield where + f'portable code includes "{name}", which is not portable'


if __name__ == "__main__":
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    found = list(problems(root / "src"))
    print("\n".join(found) or "every #include keeps to its floor")
    sys.exit(1 if found else 0)
