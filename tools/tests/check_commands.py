#!/usr/bin/env python3
"""Checks that every command the scripts and the CMake files of the tree call is listed in tools/commands (which
tools/setup installs and checks), unless a required Debian package, present on every Debian machine, brings it.

Usage: check_commands.py <source folder>. Scripts are the shell scripts of the tree (a shell first line, .sh, or sourced
by another script); their commands are the first words of simple commands, after prefixes such as env, sudo,
timeout and exec, and the names `command -v` asks for. CMake files contribute find_program names, the compilers of
the toolchain files and literal COMMAND words."""
import os
import re
import shlex
import subprocess
import sys
from pathlib import Path

SHELL_WORDS = {
    # keywords and builtins
    "if", "then", "else", "elif", "fi", "for", "while", "until", "do", "done", "case", "esac", "in", "function",
    "select", "time", "!", "[[", "]]", "{", "}", ".", ":", "[", "alias", "bg", "break", "builtin", "cd", "command",
    "continue", "declare", "echo", "eval", "exec", "exit", "export", "false", "fg", "getopts", "hash", "jobs", "kill",
    "let", "local", "mapfile", "popd", "printf", "pushd", "pwd", "read", "readarray", "readonly", "return", "set",
    "shift", "shopt", "source", "test", "trap", "true", "type", "typeset", "ulimit", "umask", "unalias", "unset",
    "wait",
}
# Prefixes that run the command given after their options.
PREFIXES = {"env", "sudo", "exec", "timeout", "nohup", "nice", "xargs"}
# Debian priorities whose packages every installation has.
BASE_PRIORITIES = {"required"}
NAME = re.compile(r"^[A-Za-z_][A-Za-z0-9_.+-]*$")


def source_files(root):
    """The files of the tree, without build folders (they hold a CMakeCache.txt), Git's folder and node_modules."""
    found = []
    for folder, subfolders, names in os.walk(root):
        subfolders[:] = [s for s in subfolders if s not in (".git", "node_modules") and
                         not (Path(folder) / s / "CMakeCache.txt").exists()]
        found.extend(Path(folder) / name for name in names)
    return found


def shell_scripts(files):
    scripts = set()
    for path in files:
        try:
            first = path.open(encoding="utf-8", errors="replace").readline()
        except OSError:
            continue
        if path.suffix == ".sh" or re.match(r"#!.*\b(bash|sh)\b", first):
            scripts.add(path)
    # Files that a script sources.
    pending = list(scripts)
    while pending:
        text = pending.pop().read_text(encoding="utf-8", errors="replace")
        for name in re.findall(r"^\s*(?:source|\.)\s+\"?\$\w+/([\w./-]+)\"?", text, re.M):
            for path in files:
                if path.as_posix().endswith("/" + name) and path not in scripts:
                    scripts.add(path)
                    pending.append(path)
    return sorted(scripts)


def split_outside_quotes(text):
    """Splits shell text into command texts: at ; & | ( ) newlines outside quotes, with $( ... ) and `...` taken
    out as commands of their own."""
    parts, current, i, quote = [], [], 0, None
    while i < len(text):
        c = text[i]
        if quote == "'":
            current.append(c)
            quote = None if c == "'" else quote
        elif c == "\\" and i + 1 < len(text):
            current.append(text[i:i + 2])
            i += 1
        elif c == "$" and text[i + 1:i + 2] == "(" and text[i + 2:i + 3] != "(":
            depth, j = 1, i + 2
            while j < len(text) and depth:
                depth += {"(": 1, ")": -1}.get(text[j], 0)
                j += 1
            parts.extend(split_outside_quotes(text[i + 2:j - 1]))
            current.append("X")
            i = j - 1
        elif c == "$" and text[i + 1:i + 2] in ("{", "(" ):
            closing = "}" if text[i + 1] == "{" else ")"
            j = text.find(closing * (1 if closing == "}" else 2), i)
            current.append("X")
            i = j + (0 if closing == "}" else 1) if j >= 0 else len(text)
        elif quote == '"':
            current.append(c)
            quote = None if c == '"' else quote
        elif c in "'\"":
            current.append(c)
            quote = c
        elif c == "#" and (not current or current[-1][-1:].isspace()):
            while i < len(text) and text[i] != "\n":
                i += 1
            continue
        elif c in "<>" and text[i + 1:i + 2] == "&" or c == "&" and text[i + 1:i + 2] == ">":
            current.append(text[i:i + 2])
            i += 1
        elif c in ";&|()\n":
            parts.append("".join(current))
            current = []
        else:
            current.append(c)
        i += 1
    parts.append("".join(current))
    return [p for p in (p.strip() for p in parts) if p]


def words_of(command):
    try:
        return shlex.split(command, posix=True)
    except ValueError:
        return command.split()


def command_names(command, functions):
    """The commands one simple command calls (empty for a builtin, a function or a path)."""
    words = [w for w in words_of(command) if not re.match(r"^\d*[<>]", w)]
    names = []
    while words:
        word = words.pop(0)
        if re.match(r"^[A-Za-z_]\w*(\[.*\])?\+?=", word) or word in ("!", "{", "}", "then", "do", "else", "time"):
            continue
        if word in ("if", "elif", "while", "until"):
            continue
        if word in ("for", "case", "select", "in", "done", "fi", "esac", ";;"):
            return names
        if word == "X" or word.startswith("$"):
            continue   # a command held in a variable (such as "$sudo") or made by a substitution
        if word == "command" and words[:1] == ["-v"]:
            names.extend(w for w in words[1:] if NAME.match(w))
            return names
        if word in PREFIXES:
            if word not in SHELL_WORDS:
                names.append(word)
            while words and (words[0].startswith("-") or re.match(r"^[A-Za-z_]\w*=", words[0]) or
                             (word == "timeout" and re.match(r"^\d", words[0]))):
                words.pop(0)
            continue
        if word in SHELL_WORDS or word in functions or "/" in word or not NAME.match(word):
            return names
        names.append(word)
        return names
    return names


def shell_functions(paths):
    names = set()
    for path in paths:
        names.update(re.findall(r"^\s*(?:function\s+)?([\w-]+)\s*\(\)", path.read_text(encoding="utf-8",
                                errors="replace"), re.M))
    return names


def shell_commands(path, functions):
    text = path.read_text(encoding="utf-8", errors="replace").replace("\\\n", " ")
    # case patterns ("start)", "*)") would read as commands.
    text = re.sub(r"^\s*[^\s()]+\)\s", "", text, flags=re.M)
    found = set()
    for command in split_outside_quotes(text):
        found.update(command_names(command, functions))
    return found


def cmake_commands(path, targets):
    text = path.read_text(encoding="utf-8", errors="replace")
    values = dict(re.findall(r"set\((\w+)\s+([^\s)]+)\)", text))
    found = set()
    for names in re.findall(r"find_program\(\s*\w+\s+(?:NAMES\s+)?([^)]*?)(?:\s+(?:REQUIRED|PATHS|HINTS|DOC)\b|\))",
                            text):
        found.update(n for n in names.split() if NAME.match(n))
    for variable in ("CMAKE_C_COMPILER", "CMAKE_CXX_COMPILER", "CMAKE_RC_COMPILER"):
        if variable in values:
            found.add(re.sub(r"\$\{(\w+)\}", lambda m: values.get(m.group(1), m.group(0)), values[variable]))
    for word in re.findall(r"\bCOMMAND\s+([^\s)]+)", text):
        if NAME.match(word) and word not in targets:
            found.add(word)
    return found


def listed(root):
    names = set()
    for line in (root / "tools" / "commands").read_text().splitlines():
        if line.strip() and not line.startswith("#"):
            names.add(line.split()[0])
    return names


def in_base_system(name):
    """True when the command comes from a package of a priority every Debian installation has."""
    where = subprocess.run(["bash", "-c", 'readlink -f "$(command -v "$1")"', "-", name], capture_output=True,
                           text=True).stdout.strip()
    if not where:
        return False
    for candidate in (where, "/usr" + where if not where.startswith("/usr") else where[4:]):
        owner = subprocess.run(["dpkg-query", "-S", candidate], capture_output=True, text=True)
        if owner.returncode == 0:
            package = owner.stdout.split(":")[0].split(",")[0].strip()
            priority = subprocess.run(["dpkg-query", "-W", "-f=${Priority}", package], capture_output=True,
                                      text=True).stdout.strip()
            return priority in BASE_PRIORITIES
    return False


def main():
    root = Path(sys.argv[1]).resolve()
    files = source_files(root)
    cmake_files = [p for p in files if p.name == "CMakeLists.txt" or p.suffix == ".cmake"]
    targets = set()
    for path in cmake_files:
        targets.update(re.findall(r"add_(?:executable|library|custom_target)\(\s*(\w+)",
                                  path.read_text(encoding="utf-8", errors="replace")))
    calls = {}
    scripts = shell_scripts(files)
    functions = shell_functions(scripts)
    for path in scripts:
        for name in shell_commands(path, functions):
            calls.setdefault(name, set()).add(path.relative_to(root).as_posix())
    for path in cmake_files:
        for name in cmake_commands(path, targets):
            calls.setdefault(name, set()).add(path.relative_to(root).as_posix())

    known = listed(root)
    missing = sorted(n for n in calls if n not in known and n not in SHELL_WORDS and not in_base_system(n))
    for name in missing:
        print(f"{name} (called by {', '.join(sorted(calls[name]))}) has no line in tools/commands")
    if missing:
        return 1
    print(f"{len(calls)} commands called; each is in tools/commands or comes with a required Debian package.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
