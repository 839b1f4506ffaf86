"""The package as a user gets it: pip install ./python into a fresh virtual
environment, without a package index, then the README's example."""

import os
import re
import subprocess
import venv

import pytest

from conftest import PACKAGE_ROOT, SOURCE_TREE


def readme_example():
    readme = (SOURCE_TREE / "README.md").read_text(encoding="utf-8")
    section = readme.split("## From Python", 1)[1].split("\n## ", 1)[0]
    blocks = re.findall(r"```python\n(.*?)```", section, re.S)
    assert blocks, "the README has no Python example"
    return blocks[0]


@pytest.fixture(scope="module")
def environment(tmp_path_factory):
    folder = tmp_path_factory.mktemp("venv")
    venv.EnvBuilder(with_pip=True).create(folder)
    python = folder / ("Scripts" if os.name == "nt" else "bin") / "python"
    install = subprocess.run(
        [str(python), "-m", "pip", "install", "--no-index", "--quiet",
         "--disable-pip-version-check", str(PACKAGE_ROOT)], capture_output=True, text=True)
    assert install.returncode == 0, install.stdout + install.stderr
    return folder, python


def test_readme_example_runs_in_the_installed_package(environment, tmp_path):
    _, python = environment
    example = readme_example()
    # Run away from the source tree, so the installed copy is the one used.
    run = subprocess.run([str(python), "-c", example], cwd=str(tmp_path), capture_output=True,
                         text=True)
    assert run.returncode == 0, run.stderr
    printed = run.stdout.split()
    expected = re.findall(r"# (.*)$", example, re.M)[-1].split()
    assert printed == expected


def test_installed_package_finds_the_tree_it_came_from(environment, tmp_path):
    _, python = environment
    env = dict(os.environ)
    env.pop("TESSARA_LIBRARY", None)
    run = subprocess.run(
        [str(python), "-c", "import tessara, tessara._native as n; print(tessara.__file__); "
         "print(*n.candidate_paths(), sep='\\n')"],
        cwd=str(tmp_path), env=env, capture_output=True, text=True)
    assert run.returncode == 0, run.stderr
    lines = run.stdout.splitlines()
    assert str(PACKAGE_ROOT) not in lines[0]  # the installed copy, not the source
    assert str(SOURCE_TREE / "out" / "linux" / "libTessara.so") in lines[1:] or os.name == "nt"


def test_command_line_of_the_installed_package(environment, tmp_path):
    folder, _ = environment
    script = folder / ("Scripts" if os.name == "nt" else "bin") / "tessara"
    run = subprocess.run([str(script), "true-prevalence", "--apparent-prevalence", "0.3",
                          "--sensitivity", "0.9", "--specificity", "0.95", "--json"],
                         cwd=str(tmp_path), capture_output=True, text=True)
    assert run.returncode == 0, run.stderr
    assert '"negative": false' in run.stdout
