"""The command line: python -m tessara CALCULATION --option value."""

import json
import os
import subprocess
import sys

import pytest

import tessara
from tessara import cli
from conftest import PACKAGE_ROOT, in_fresh_thread


def run(capsys, *arguments):
    code = cli.main(list(arguments))
    out, err = capsys.readouterr()
    return code, out, err


def test_help_lists_every_calculation():
    result = subprocess.run([sys.executable, "-m", "tessara", "--help"], capture_output=True,
                            text=True, env=dict(os.environ, PYTHONPATH=str(PACKAGE_ROOT)))
    assert result.returncode == 0, result.stderr
    for function in tessara.CALCULATIONS:
        assert function.__name__.replace("_", "-") in result.stdout


@pytest.mark.parametrize("function", tessara.CALCULATIONS, ids=lambda f: f.__name__)
def test_every_option_is_described(function):
    described = cli.argument_help(function)
    parameters = list(__import__("inspect").signature(function).parameters)
    assert sorted(described) == sorted(parameters)
    assert all(text for text in described.values())


def test_sample_size_as_a_table(capsys):
    code, out, _ = run(capsys, "sample-size-simple-random", "--prevalence", "0.5",
                       "--relative-error", "0.1", "--population", "1000", "--confidence", "95")
    assert code == 0
    assert "sample size          278" in out
    assert "infinite population  385" in out
    rows = [line.split() for line in out.splitlines()]
    assert ["50", "45"] in rows and ["10000", "370"] in rows


def test_strata_and_json(capsys):
    code, out, _ = run(capsys, "sample-size-stratified", "--stratum", "500", "0.1",
                       "--stratum", "1500", "0.3", "--stratum", "2000", "0.2",
                       "--relative-error", "0.2", "--confidence", "90", "--json")
    assert code == 0
    data = json.loads(out)
    assert data["strata"] == [20, 89, 104] and data["total"] == 213


def test_nested_tables_and_json_keys(capsys):
    code, out, _ = run(capsys, "detection-sample-size-simple-random", "--prevalence", "0.01",
                       "--population", "1000", "--json")
    assert code == 0
    assert json.loads(out)["table"]["1000"]["0.01"] == 257
    code, out, _ = run(capsys, "detection-sample-size-simple-random", "--prevalence", "0.01",
                       "--population", "1000", "--sensitivity", "0.9", "--specificity", "0.95")
    assert ["1000", "31", "62", "152", "281", "485", "964"] in [line.split()
                                                                  for line in out.splitlines()]


def test_comparison_limits_by_level(capsys):
    code, out, _ = run(capsys, "comparison-confidence-interval", "--prevalence1", "0.2",
                       "--sample-size1", "200", "--prevalence2", "0.3", "--sample-size2", "200")
    assert code == 0
    significant = {line.split()[0]: line.split()[-1] for line in out.splitlines()
                   if line.strip()[:2] in ("90", "95", "99")}
    assert significant == {"90": "yes", "95": "yes", "99": "no"}


def test_choices_and_errors(capsys):
    code, out, _ = run(capsys, "sample-size-two-stages", "--prevalence", "0.2",
                       "--relative-error", "0.2", "--samples-per-cluster", "10",
                       "--homogeneity", "medium")
    assert code == 0 and "clusters         154" in out
    code, _, err = run(capsys, "true-prevalence", "--apparent-prevalence", "0.3",
                       "--sensitivity", "0", "--specificity", "0.95")
    assert code == 1 and "The value for 'Sensitivity' is invalid." in err
    code, _, err = run(capsys, "mean-sample-size", "--precision", "1", "--standard-deviation",
                       "5", "--population", "1000", "--confidence", "97")
    assert code == 1 and "use 90, 95 or 99" in err


def test_missing_option_is_a_usage_error(capsys):
    with pytest.raises(SystemExit) as exit:
        cli.main(["true-prevalence", "--sensitivity", "0.9"])
    assert exit.value.code == 2


def test_selection_prints_the_lines_written(capsys, write_list, tmp_path):
    listing = write_list("u1\nu2\nu3\nu4\nu5\n")
    output = tmp_path / "sample.txt"
    code = in_fresh_thread(lambda: cli.main(["select-simple-random", "--units", "2",
                                             "--input", str(listing), "--output", str(output),
                                             "--json"]))
    assert code == 0
    assert json.loads(capsys.readouterr().out) == {"output": str(output),
                                                   "lines": ["u5", "u2"]}
