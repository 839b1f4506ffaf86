"""A minimal build backend for the tessara package (standard library only).

It builds a pure-Python wheel of the package folder, plus a module that
records the source tree the wheel was built from, so that an installed copy
finds the library built in that tree (out/linux/libTessara.so) without
TESSARA_LIBRARY. An editable install puts the package folder on the path.
"""

import base64
import hashlib
import io
import os
import re
import tarfile
import zipfile
from pathlib import Path

HERE = Path(__file__).resolve().parent.parent  # the python/ folder
PACKAGE = HERE / "tessara"


def _project():
    text = (HERE / "pyproject.toml").read_text(encoding="utf-8")
    try:
        import tomllib
    except ImportError:  # before Python 3.11: the few plain keys we use
        section = text.split("[project]", 1)[1].split("\n[", 1)[0]
        project = dict(re.findall(r'^([\w-]+) = "(.*)"$', section, re.M))
        project["scripts"] = dict(re.findall(r'^(\w+) = "(.*)"$',
                                             text.split("[project.scripts]", 1)[1], re.M))
        return project
    project = tomllib.loads(text)["project"]
    return project


def _metadata(project):
    lines = ["Metadata-Version: 2.1", "Name: " + project["name"],
             "Version: " + project["version"], "Summary: " + project["description"],
             "Requires-Python: " + project["requires-python"],
             "Description-Content-Type: text/markdown", ""]
    readme = HERE / project.get("readme", "README.md")
    body = readme.read_text(encoding="utf-8") if readme.is_file() else ""
    return "\n".join(lines) + "\n" + body


def _wheel_name(project):
    return "%s-%s-py3-none-any.whl" % (project["name"], project["version"])


def _dist_info(project):
    return "%s-%s.dist-info" % (project["name"], project["version"])


def _record_line(name, data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=")
    return "%s,sha256=%s,%d" % (name, digest.decode(), len(data))


def _write_wheel(wheel_directory, files):
    project = _project()
    info = _dist_info(project)
    files = list(files)
    files.append((info + "/METADATA", _metadata(project).encode()))
    files.append((info + "/WHEEL", b"Wheel-Version: 1.0\nGenerator: tessara_build\n"
                  b"Root-Is-Purelib: true\nTag: py3-none-any\n"))
    scripts = project.get("scripts", {})
    if scripts:
        entries = "[console_scripts]\n" + "".join(
            "%s = %s\n" % item for item in sorted(scripts.items()))
        files.append((info + "/entry_points.txt", entries.encode()))
    record = [_record_line(name, data) for name, data in files]
    record.append(info + "/RECORD,,")
    files.append((info + "/RECORD", ("\n".join(record) + "\n").encode()))
    name = _wheel_name(project)
    with zipfile.ZipFile(os.path.join(wheel_directory, name), "w", zipfile.ZIP_DEFLATED) as wheel:
        for path, data in files:
            wheel.writestr(path, data)
    return name


def _package_files():
    for path in sorted(PACKAGE.rglob("*.py")):
        relative = path.relative_to(HERE).as_posix()
        if relative != "tessara/_source_tree.py":
            yield relative, path.read_bytes()
    source_tree = "SOURCE_TREE = %r\n" % str(HERE.parent)
    yield "tessara/_source_tree.py", source_tree.encode()


def get_requires_for_build_wheel(config_settings=None):
    return []


def get_requires_for_build_sdist(config_settings=None):
    return []


def get_requires_for_build_editable(config_settings=None):
    return []


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    return _write_wheel(wheel_directory, _package_files())


def build_editable(wheel_directory, config_settings=None, metadata_directory=None):
    return _write_wheel(wheel_directory, [("tessara.pth", (str(HERE) + "\n").encode())])


def build_sdist(sdist_directory, config_settings=None):
    project = _project()
    root = "%s-%s" % (project["name"], project["version"])
    name = root + ".tar.gz"
    with tarfile.open(os.path.join(sdist_directory, name), "w:gz") as sdist:
        for path in sorted(HERE.rglob("*")):
            relative = path.relative_to(HERE).as_posix()
            if path.is_file() and "__pycache__" not in relative and \
                    not relative.startswith(("build/", "dist/")):
                sdist.add(str(path), arcname=root + "/" + relative)
        metadata = _metadata(project).encode()
        entry = tarfile.TarInfo(root + "/PKG-INFO")
        entry.size = len(metadata)
        sdist.addfile(entry, io.BytesIO(metadata))
    return name
