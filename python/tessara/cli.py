"""The calculations from a shell: python -m tessara CALCULATION --option value.

Every calculation is a subcommand named after its function (underscores as
hyphens); its options are the function's keyword arguments, described by
the function's own docstring. The result is printed as a table, or as JSON
with --json.
"""

from __future__ import annotations

import argparse
import dataclasses
import inspect
import json
import math
import re
import sys
from pathlib import Path
from typing import Dict, List, Optional

from . import CALCULATIONS
from .calculations import Homogeneity, Interpretation
from .errors import LibraryNotFoundError, TessaraError

# Types of the options, from the annotations of the functions.
_CONVERTERS = {
    "float": float,
    "int": int,
    "Optional[float]": float,
    "Optional[int]": int,
    "PathLike": str,
}
_CHOICES = {
    "Union[Homogeneity, str, None]": [level.name.lower() for level in Homogeneity],
    "Union[Interpretation, str, None]": [way.name.lower() for way in Interpretation],
}
# The strata are given one option each: --stratum 1000 0.5 --stratum ...
_STRATA_FIELDS = {
    "sample_size_stratified": ("POPULATION", "PREVALENCE"),
    "confidence_interval_stratified": ("POPULATION", "SAMPLE", "PROPORTION"),
}
# Column headings of the tables of a result, by field name.
_HEADINGS = {
    "table": "population",
    "animals_per_herd_table": "herd size",
    "infinite_population": "prevalence",
    "limits": "confidence %",
}
_TITLES = {
    "table": "by population",
    "animals_per_herd_table": "by herd size",
    "infinite_population": "infinite population, by prevalence",
    "limits": "by confidence level",
}


def _escaped(text: str) -> str:
    # argparse expands %-formats in help texts.
    return text.replace("%", "%%")


def _summary(function) -> str:
    return inspect.getdoc(function).split("\n\n")[0].replace("\n", " ").replace("``", "")


def argument_help(function) -> Dict[str, str]:
    """The descriptions of a function's arguments, from its docstring."""
    text = inspect.getdoc(function)
    block = text.split("Args:\n", 1)[1].split("\n\n", 1)[0]
    described: Dict[str, str] = {}
    name = None
    for line in block.splitlines():
        match = re.match(r"    (\w+): (.*)", line)
        if match:
            name = match.group(1)
            described[name] = match.group(2)
        elif name is not None:
            described[name] += " " + line.strip()
    return described


def _stratum(text_fields, kinds):
    return tuple(kind(text) for kind, text in zip(kinds, text_fields))


def _add_options(parser: argparse.ArgumentParser, function) -> None:
    described = argument_help(function)
    for parameter in inspect.signature(function).parameters.values():
        described_text = _escaped(described.get(parameter.name, ""))
        option = "--" + parameter.name.replace("_", "-")
        required = parameter.default is inspect.Parameter.empty
        if not required and parameter.default is not None:
            described_text += " (default %s)" % parameter.default
        if parameter.name == "strata":
            parser.add_argument("--stratum", dest="strata", action="append", required=True,
                                nargs=len(_STRATA_FIELDS[function.__name__]),
                                metavar=_STRATA_FIELDS[function.__name__],
                                help=described_text + " Repeat for each stratum.")
        elif parameter.annotation in _CHOICES:
            parser.add_argument(option, dest=parameter.name, required=required,
                                choices=_CHOICES[parameter.annotation], help=described_text)
        else:
            parser.add_argument(option, dest=parameter.name, required=required,
                                type=_CONVERTERS[parameter.annotation],
                                default=parameter.default if not required else None,
                                help=described_text)


def build_parser() -> argparse.ArgumentParser:
    parser = argparse.ArgumentParser(
        prog="python -m tessara",
        description="Sampling calculations of the Tessara library. Fractions are given as "
                    "fractions (0.25, not 25); confidence levels, power and herd confidence "
                    "in percent.",
        epilog="Run 'python -m tessara CALCULATION --help' for the options of one calculation.")
    calculations = parser.add_subparsers(dest="calculation", metavar="CALCULATION",
                                         title="calculations")
    calculations.required = True
    for function in CALCULATIONS:
        summary = _summary(function)
        sub = calculations.add_parser(function.__name__.replace("_", "-"),
                                      help=_escaped(summary), description=_escaped(summary))
        _add_options(sub, function)
        sub.add_argument("--json", action="store_true", help="print the result as JSON")
        sub.set_defaults(function=function)
    return parser


def _arguments(namespace: argparse.Namespace, function) -> dict:
    arguments = {}
    for name in inspect.signature(function).parameters:
        value = getattr(namespace, name)
        if name == "strata":
            kinds = [float if field in ("PREVALENCE", "PROPORTION") else int
                     for field in _STRATA_FIELDS[function.__name__]]
            try:
                value = [_stratum(stratum, kinds) for stratum in value]
            except ValueError as error:
                raise SystemExit("error: --stratum: %s" % error)
        arguments[name] = value
    return arguments


# ---- Printing


def _label(name: str) -> str:
    return name.replace("_", " ")


def _cell(value) -> str:
    if isinstance(value, bool):
        return "yes" if value else "no"
    return str(value)


def _table(heading: str, mapping: dict, value_heading: str) -> List[List[str]]:
    first = next(iter(mapping.values()))
    if isinstance(first, dict):
        columns = list(first)
        rows = [[heading] + [_cell(column) for column in columns]]
        rows += [[_cell(key)] + [_cell(inner[column]) for column in columns]
                 for key, inner in mapping.items()]
        return rows
    if dataclasses.is_dataclass(first):
        columns = [field.name for field in dataclasses.fields(first)]
        rows = [[heading] + [_label(column) for column in columns]]
        rows += [[_cell(key)] + [_cell(getattr(inner, column)) for column in columns]
                 for key, inner in mapping.items()]
        return rows
    return [[heading, value_heading]] + [[_cell(key), _cell(value)]
                                         for key, value in mapping.items()]


def _aligned(rows: List[List[str]]) -> str:
    widths = [max(len(row[column]) for row in rows) for column in range(len(rows[0]))]
    return "\n".join("  ".join(cell.rjust(width) for cell, width in zip(row, widths)).rstrip()
                     for row in rows)


def render(result) -> str:
    """A result as readable text: its single values, then its tables."""
    scalars, tables = [], []
    for field in dataclasses.fields(result):
        value = getattr(result, field.name)
        if isinstance(value, dict):
            heading = _HEADINGS.get(field.name, "key")
            value_heading = "sample size" if field.name != "animals_per_herd_table" \
                else "animals per herd"
            title = _TITLES.get(field.name, _label(field.name))
            tables.append(title + ":\n" + _aligned(_table(heading, value, value_heading)))
        elif isinstance(value, tuple):
            singular = "stratum" if field.name == "strata" else _label(field.name)
            scalars += [[singular + " %d" % number, _cell(item)]
                        for number, item in enumerate(value, 1)]
        else:
            scalars.append([_label(field.name), _cell(value)])
    width = max(len(label) for label, _ in scalars) if scalars else 0
    lines = ["%s  %s" % (label.ljust(width), value) for label, value in scalars]
    return "\n\n".join(["\n".join(lines)] + tables) if scalars else "\n\n".join(tables)


def _finite(value):
    if isinstance(value, float) and not math.isfinite(value):
        return None
    if isinstance(value, dict):
        return {str(key): _finite(inner) for key, inner in value.items()}
    if isinstance(value, (list, tuple)):
        return [_finite(inner) for inner in value]
    return value


def as_json(result) -> str:
    """A result as JSON; a value that is not a number becomes null."""
    if isinstance(result, Path):
        data = {"output": str(result),
                "lines": result.read_text(encoding="latin-1").splitlines()}
    else:
        data = dataclasses.asdict(result)
    return json.dumps(_finite(data), indent=2)


def main(argv: Optional[List[str]] = None) -> int:
    parser = build_parser()
    namespace = parser.parse_args(argv)
    function = namespace.function
    try:
        result = function(**_arguments(namespace, function))
    except (TessaraError, ValueError, TypeError, LibraryNotFoundError) as error:
        print("error: %s" % error, file=sys.stderr)
        return 1
    if namespace.json:
        print(as_json(result))
    elif isinstance(result, Path):
        lines = result.read_text(encoding="latin-1").splitlines()
        print("%d lines written to %s:" % (len(lines), result))
        print("\n".join(lines))
    else:
        print(_summary(function))
        print()
        print(render(result))
    return 0
