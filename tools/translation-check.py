#!/usr/bin/env python3
"""Translation checks of `./dev test`.

  translation-check.py sources ROOT
      fails naming each English sentence in src/ui or src/app that is built
      outside tr() (string literals of two words or more, or a capitalised word
      handed to a caption or tooltip setter).
  translation-check.py ts ROOT LUPDATE
      runs lupdate over src/ into copies of translations/*.ts and fails naming
      every text that is new, unfinished or empty there.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Calls whose string arguments are translated, logged (step and command names) or
# are not prose.
TRANSLATED = re.compile(r"\b(tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP3?)\s*\(")
NOT_PROSE = re.compile(r'\b(qC(Debug|Info|Warning|Critical)|qDebug|qWarning|qInfo|LogCaughtException|LogFailure|'
                       r'setObjectName|runJavaScript|setStyleSheet|QRegularExpression|'
                       r'QSettings|setValue|value|contains|RunGuarded|RunCommand|runCommandOn)\s*\(')
LITERAL = re.compile(r'(?:u8?|L)?"((?:[^"\\\n]|\\.)*)"')
WORD = re.compile(r"[A-Za-z][a-z'-]+")
LEADING_WORD = re.compile(r"^ *[A-Z][a-z]{2,}[ .!?:]")
CAPTION_SETTER = re.compile(r'\b(setText|setToolTip|setWindowTitle|setPlaceholderText|addAction|'
                            r'addMenu|setStatusTip|setWhatsThis|QLabel|QPushButton|QCheckBox|'
                            r'QAction|QMessageBox::\w+)\s*\(')
CAPITALISED = re.compile(r"^[A-Z][a-z]{2,}[.!?]?$")
CODE_TEXT = re.compile(r"[{}]|=>|==|\(\)|</?[a-z]+ [a-z]+=")
# File name patterns of a file dialog filter ("|*.jpg *.jpeg").
NAME_PATTERNS = re.compile(r"^\|?(\*\.\w+)( \*\.\w+)*$")
# Names, not prose.
NAMES = re.compile(r"\b(Lumbra|Qt|JPEG)\b")


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    return re.sub(r"//[^\n]*", "", text)


def statements(text):
    """Yields (line number, statement text) for each statement or block head."""
    start, line, depth, buf = 1, 1, 0, []
    for ch in text:
        buf.append(ch)
        if ch == "\n":
            line += 1
        elif ch in "([":
            depth += 1
        elif ch in ")]":
            depth -= 1
        if ch in ";{}" and depth <= 0:
            yield start, "".join(buf)
            buf, start, depth = [], line, 0
    if buf:
        yield start, "".join(buf)


def untranslated(statement):
    """The prose literals of a statement that no tr() call holds."""
    found = []
    for m in LITERAL.finditer(statement):
        text = m.group(1)
        head = statement[: m.start()]
        # inside an open tr( ... ): count parentheses after the last tr(
        calls = list(TRANSLATED.finditer(head))
        if calls and head[calls[-1].end():].count("(") >= head[calls[-1].end():].count(")"):
            continue
        if NOT_PROSE.search(head) or CODE_TEXT.search(text) or NAME_PATTERNS.match(text):
            continue
        plain = NAMES.sub("", text.replace("\\n", " "))
        prose = (" " in plain and len(WORD.findall(plain)) >= 2) or LEADING_WORD.match(plain)
        caption = CAPITALISED.match(plain) and CAPTION_SETTER.search(head)
        if prose or caption:
            found.append(text)
    return found


def check_sources(root):
    bad = []
    for layer in ("ui", "app"):
        for path in sorted((root / "src" / layer).rglob("*.cpp")):
            code = strip_comments(path.read_text(encoding="utf-8"))
            for line, statement in statements(code):
                for text in untranslated(statement):
                    bad.append(f"{path.relative_to(root)}:{line}: \"{text}\"")
    for entry in bad:
        print(entry)
    if bad:
        print(f"{len(bad)} English text(s) outside tr(); wrap them in tr() and run lupdate")
        return 1
    print("Source check: every English text in src/ui and src/app goes through tr()")
    return 0


def unfinished(ts_file):
    """Source texts of a .ts file without a finished translation."""
    missing = []
    for message in ET.parse(ts_file).getroot().iter("message"):
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "missing"
        if kind in ("vanished", "obsolete"):
            continue
        forms = [n.text for n in translation.iter("numerusform")] or [translation.text]
        if kind == "unfinished" or not all(f and f.strip() for f in forms):
            missing.append(message.findtext("source"))
    return missing


def check_ts(root, lupdate):
    ts_files = sorted((root / "translations").glob("*.ts"))
    if not ts_files:
        print("No .ts files in translations/")
        return 1
    failed = 0
    with tempfile.TemporaryDirectory() as tmp:
        copies = [pathlib.Path(tmp) / f.name for f in ts_files]
        for f, copy in zip(ts_files, copies):
            shutil.copy(f, copy)
        run = subprocess.run([lupdate, "-silent", "-locations", "none", str(root / "src"), "-ts"]
                             + [str(c) for c in copies], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            return 1
        for copy in copies:
            missing = unfinished(copy)
            for text in missing:
                print(f"translations/{copy.name}: not translated: {text!r}")
            failed += len(missing)
    if failed:
        print(f"{failed} text(s) untranslated: run `./dev lupdate` and translate them")
        return 1
    print(f"Translation check: {len(ts_files)} .ts files complete after lupdate")
    return 0


if __name__ == "__main__":
    mode, root = sys.argv[1], pathlib.Path(sys.argv[2])
    sys.exit(check_sources(root) if mode == "sources" else check_ts(root, sys.argv[3]))
