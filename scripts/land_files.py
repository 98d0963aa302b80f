"""Reading and writing the language files of data/land the way the program reads them.

A file with a byte-order mark is in the encoding it announces; any other file is UTF-8 when its
bytes are valid UTF-8, else the Windows code page of its language. The translations of the eight
languages besides German are written in their code page, so an 8-bit reader shows them too; a
line the code page cannot hold (a German text not translated yet, in the Russian file) keeps the
whole file in UTF-8 until it is translated.
"""
import os

CODE_PAGES = {"cz": "cp1250", "pl": "cp1250", "ru": "cp1251", "tr": "cp1254"}
LANGUAGES = ["en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"]  # besides the German base


def code_page(code):
    return CODE_PAGES.get(code, "cp1252")


def language_of(path):
    """The language code of a file name ("bezeich.txt.ru" -> "ru"); None for the base files."""
    name = os.path.basename(path)
    for prefix in ("bezeich.txt.", "meldungen.txt."):
        if name.startswith(prefix):
            code = name[len(prefix):]
            return None if code == "de" else code
    return None


def decode(data, code):
    if data.startswith(b"\xef\xbb\xbf"):
        return data[3:].decode("utf-8")
    if data.startswith(b"\xff\xfe") or data.startswith(b"\xfe\xff"):
        return data.decode("utf-16")
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return data.decode(code_page(code) if code else "cp1252")


def read_lines(path):
    with open(path, "rb") as f:
        text = decode(f.read(), language_of(path))
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def write_lines(path, lines):
    """Writes through a scratch file and a rename; returns the encoding used."""
    text = "".join(line + "\n" for line in lines)
    code = language_of(path)
    encoding = "utf-8"
    if code:
        try:
            data = text.encode(code_page(code))
            encoding = code_page(code)
        except UnicodeEncodeError:
            data = text.encode("utf-8")
    else:
        data = text.encode("utf-8")
    scratch = path + ".part"
    with open(scratch, "wb") as f:
        f.write(data)
    os.replace(scratch, path)
    return encoding


def entries(base):
    """The five-line entries of the base file (a partial last entry is left out)."""
    return [base[i:i + 5] for i in range(0, len(base) - 4, 5)]
