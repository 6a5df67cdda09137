"""The languages of the program as data/lang/languages.tsv lists them, for the generators of the language and help
files."""

from dataclasses import dataclass
from pathlib import Path

LANGUAGE_TABLE = Path(__file__).resolve().parents[1] / "lang" / "languages.tsv"
COLUMNS = ["code", "code_page", "script", "flag", "native", "option_object", "flag_object", "decimal"]


@dataclass(frozen=True)
class Language:
    code: str
    code_page: int
    script: str
    flag: str
    native: str
    option_object: str
    flag_object: str
    decimal: str

    @property
    def encoding(self):
        """The name Python knows the code page by."""
        return f"cp{self.code_page}"


def read_languages(path=LANGUAGE_TABLE):
    """The rows of the table in order, keyed by code. A malformed table raises ValueError naming the line."""
    languages = {}
    header_seen = False
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if not header_seen:
            header_seen = True
            if fields != COLUMNS:
                raise ValueError(f"{path.name}:{number}: header must be {' / '.join(COLUMNS)}")
            continue
        if (len(fields) != len(COLUMNS) or not fields[1].isdigit() or fields[0] in languages
                or fields[-1] not in (",", ".")):
            raise ValueError(f"{path.name}:{number}: not a row of a fresh language: {line!r}")
        languages[fields[0]] = Language(fields[0], int(fields[1]), *fields[2:])
    if not languages:
        raise ValueError(f"{path.name}: no language")
    return languages
